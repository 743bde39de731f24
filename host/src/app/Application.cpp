#include "app/Application.h"

#include <algorithm>

#include "logging/Log.h"

namespace parvalon::host {
namespace {

constexpr std::size_t kOpusFrameSize = 480;  // 10 ms at 48 kHz
constexpr std::size_t kAudioChannels = 2;
constexpr std::size_t kPcmReserveFrames = 4;

const char* boolText(bool value) { return value ? "true" : "false"; }

}  // namespace

Application::Application() : Application(platform::SystemInfo::create()) {}

Application::Application(std::unique_ptr<platform::SystemInfo> system)
    : system_(system ? std::move(system) : platform::SystemInfo::create()),
      priorityBoost_(*system_),
      pcmBuffer_(kOpusFrameSize * kAudioChannels, kPcmReserveFrames * kOpusFrameSize * kAudioChannels) {}

Application::~Application() {
  if (running_.load()) shutdown();
}

bool Application::initialize() {
  PV_LOG_INFO("Initializing application subsystems...");
  if (!settings_.load()) {
    PV_LOG_WARN("Failed to load settings, using defaults");
    settings_.resetToDefaults();
  }

  PV_LOG_INFO("All subsystems initialized successfully");
  running_ = true;
  return true;
}

void Application::update() {}

void Application::shutdown() {
  PV_LOG_INFO("Shutting down application...");
  running_ = false;
  audioStreamAssigned_ = false;
  PV_LOG_INFO("Application shutdown complete");
}

bool Application::startCapture(std::uint32_t windowId, std::uint8_t streamId) {
  (void)windowId;
  (void)streamId;
  PV_LOG_ERROR("Capture orchestrator not initialized");
  return false;
}

void Application::stopCapture(std::uint8_t streamId) {
  (void)streamId;
}

void Application::boostStreamingPriority(std::uint8_t streamId) { priorityBoost_.clientStreamStarted(streamId); }

void Application::assignAudioStream(std::uint8_t streamId) {
  (void)streamId;
}

bool Application::applySettings(std::uint32_t targetBitrateKbps, std::uint32_t maxBitrateKbps, std::uint32_t fps) {
  PV_LOG_INFO("Applying settings: bitrate={} kbps, maxBitrate={} kbps, fps={}", targetBitrateKbps, maxBitrateKbps,
              fps);
  settings_.targetBitrate = targetBitrateKbps;
  settings_.maxBitrate = maxBitrateKbps;
  settings_.targetFps = fps;
  currentBitrateKbps_ = targetBitrateKbps;
  return settings_.save();
}

bool Application::applySharpeningSettings(bool enabled, float sharpness) {
  PV_LOG_INFO("Applying sharpening settings: enabled={}, sharpness={:.2f}", boolText(enabled), sharpness);
  settings_.sharpeningEnabled = enabled;
  settings_.sharpness = std::max(std::min(sharpness, 1.0f), 0.0f);
  return settings_.save();
}

bool Application::applyVSyncSettings(bool enabled) {
  PV_LOG_INFO("Applying VSync settings: enabled={}", boolText(enabled));
  settings_.vsyncEnabled = enabled;
  return settings_.save();
}

bool Application::applyFullRangeColorSettings(bool enabled) {
  PV_LOG_INFO("Applying full range color settings: enabled={}", boolText(enabled));
  settings_.fullRangeColor = enabled;
  return settings_.save();
}

void Application::onDisplayChange() { PV_LOG_INFO("Display configuration changed, updating input metrics"); }

std::string Application::getEncoderName() const { return "None"; }

bool Application::isClientConnected() const { return false; }

std::string Application::discoveryHostName() {
  const std::string name = system_->hostName();
  return name.empty() ? kFallbackHostName : name;
}

}  // namespace parvalon::host
