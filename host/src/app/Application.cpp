#include "app/Application.h"

#include <algorithm>

#include "capture/CaptureOrchestrator.h"
#include "logging/Log.h"

namespace parvalon::host {
namespace {

constexpr std::size_t kOpusFrameSize = 480;  // 10 ms at 48 kHz
constexpr std::size_t kAudioChannels = 2;
constexpr std::size_t kPcmReserveFrames = 4;

const char* boolText(bool value) { return value ? "true" : "false"; }

}  // namespace

Application::Application() : Application(platform::SystemInfo::create()) {}

Application::Application(std::unique_ptr<platform::SystemInfo> system, OrchestratorFactory orchestratorFactory)
    : system_(system ? std::move(system) : platform::SystemInfo::create()),
      orchestratorFactory_(std::move(orchestratorFactory)),
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

  PV_LOG_INFO("Initializing capture system...");
  captureOrchestrator_ = orchestratorFactory_ ? orchestratorFactory_() : std::make_unique<CaptureOrchestrator>();
  if (!captureOrchestrator_ || !captureOrchestrator_->initialize()) {
    PV_LOG_ERROR("Failed to initialize capture orchestrator");
    return false;
  }
  PV_LOG_INFO("Using {} encoder", captureOrchestrator_->getEncoderName());
  captureOrchestrator_->setBitrate(settings_.targetBitrate, settings_.maxBitrate);
  captureOrchestrator_->setTargetFps(settings_.targetFps);
  PV_LOG_INFO("Encoder defaults set: {} kbps, {} fps", settings_.targetBitrate.load(), settings_.targetFps.load());
  captureOrchestrator_->setSharpeningEnabled(settings_.sharpeningEnabled);
  captureOrchestrator_->setSharpness(settings_.sharpness);
  captureOrchestrator_->setVSyncEnabled(settings_.vsyncEnabled);
  captureOrchestrator_->setFullRangeColor(settings_.fullRangeColor);
  gpuName = captureOrchestrator_->gpuName;
  vramMB = captureOrchestrator_->vramMB;

  captureOrchestrator_->setFrameCallback(
      [this](std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size, bool isKeyframe) {
        onEncodedFrame(streamId, data, size, isKeyframe);
      });
  captureOrchestrator_->setResolutionChangeCallback(
      [this](std::uint8_t streamId, std::uint32_t width, std::uint32_t height) {
        handleResolutionChange(streamId, width, height);
      });

  PV_LOG_INFO("All subsystems initialized successfully");
  running_ = true;
  return true;
}

void Application::update() {
  if (captureOrchestrator_) {
    captureOrchestrator_->update();
    releaseEndedClientStreams();
  }
}

void Application::releaseEndedClientStreams() {
  // The orchestrator is asked outside the state lock: the frame path holds the orchestrator's
  // lock while it takes the state lock.
  std::vector<std::uint8_t> ended;
  for (const auto& [streamId, windowId] : clientStreams()) {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (!captureOrchestrator_->getStreamResolution(streamId, width, height)) ended.push_back(streamId);
  }
  if (ended.empty()) return;
  {
    std::lock_guard lock(stateMutex_);
    for (const auto streamId : ended) {
      streamWindows_.erase(streamId);
      streamConfigSent_.erase(streamId);
    }
  }
  for (const auto streamId : ended) {
    PV_LOG_INFO("Stream {} ended: its capture session is gone", streamId);
    releaseStream(streamId);
  }
}

void Application::shutdown() {
  PV_LOG_INFO("Shutting down application...");
  running_ = false;
  audioStreamAssigned_ = false;
  if (captureOrchestrator_) {
    captureOrchestrator_->shutdown();
    captureOrchestrator_.reset();
  }
  PV_LOG_INFO("Application shutdown complete");
}

bool Application::startCapture(std::uint32_t windowId, std::uint8_t streamId) {
  if (!captureOrchestrator_) {
    PV_LOG_ERROR("Capture orchestrator not initialized");
    return false;
  }
  if (!captureOrchestrator_->startCapture(windowId, streamId)) return false;
  PV_LOG_INFO("Started capture for window {} on stream {}", windowId, streamId);
  assignAudioStream(streamId);
  return true;
}

void Application::stopCapture(std::uint8_t streamId) {
  if (!captureOrchestrator_) return;
  captureOrchestrator_->stopCapture(streamId);
  PV_LOG_INFO("Stopped capture for stream {}", streamId);
  releaseStream(streamId);
}

void Application::releaseStream(std::uint8_t streamId) {
  priorityBoost_.streamStopped(streamId);
  if (audioStreamAssigned_.load() && audioStreamId_.load() == streamId) audioStreamAssigned_ = false;
}

void Application::boostStreamingPriority(std::uint8_t streamId) { priorityBoost_.clientStreamStarted(streamId); }

void Application::assignAudioStream(std::uint8_t streamId) {
  // Audio packets carry the number of one video stream; without audio capture none is chosen.
  (void)streamId;
}

bool Application::onStreamRequest(std::uint32_t windowId, std::uint8_t streamId) {
  PV_LOG_INFO("Stream request: windowId={:x}, streamId={}", windowId, streamId);
  if (!captureOrchestrator_ || !captureOrchestrator_->startCapture(windowId, streamId)) {
    PV_LOG_ERROR("Failed to start capture for window {:x}", windowId);
    return false;
  }
  PV_LOG_INFO("Capture started for window {:x} on stream {}", windowId, streamId);
  boostStreamingPriority(streamId);
  {
    std::lock_guard lock(stateMutex_);
    streamConfigSent_[streamId] = false;
    streamWindows_[streamId] = windowId;
  }
  assignAudioStream(streamId);
  return true;
}

void Application::onStreamStop(std::uint8_t streamId) {
  PV_LOG_INFO("Client requested to stop stream {}", streamId);
  stopCapture(streamId);
  std::lock_guard lock(stateMutex_);
  streamConfigSent_.erase(streamId);
  streamWindows_.erase(streamId);
}

void Application::onEncodedFrame(std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size,
                                 bool isKeyframe) {
  (void)data;
  (void)size;
  ++frameCounter_;
  if (isKeyframe) ++keyframeCounter_;
  if (frameCounter_ % 360 == 0) {
    PV_LOG_INFO("Stream {} stats: {} frames, {} keyframes sent", streamId, frameCounter_, keyframeCounter_);
  }
}

void Application::handleResolutionChange(std::uint8_t streamId, std::uint32_t width, std::uint32_t height) {
  PV_LOG_INFO("Resolution changed for stream {}: {}x{}", streamId, width, height);
  {
    std::lock_guard lock(stateMutex_);
    streamConfigSent_[streamId] = false;
  }
  if (captureOrchestrator_) captureOrchestrator_->requestKeyframe(streamId);
}

std::unordered_map<std::uint8_t, std::uint32_t> Application::clientStreams() {
  std::lock_guard lock(stateMutex_);
  return streamWindows_;
}

bool Application::applySettings(std::uint32_t targetBitrateKbps, std::uint32_t maxBitrateKbps, std::uint32_t fps) {
  PV_LOG_INFO("Applying settings: bitrate={} kbps, maxBitrate={} kbps, fps={}", targetBitrateKbps, maxBitrateKbps,
              fps);
  settings_.targetBitrate = targetBitrateKbps;
  settings_.maxBitrate = maxBitrateKbps;
  settings_.targetFps = fps;
  currentBitrateKbps_ = targetBitrateKbps;
  if (captureOrchestrator_) {
    captureOrchestrator_->setBitrate(targetBitrateKbps, maxBitrateKbps);
    captureOrchestrator_->setTargetFps(fps);
    // Collect under the state lock, call the orchestrator after it: the frame path takes the
    // two locks in the opposite order.
    std::vector<std::uint8_t> streams;
    {
      std::lock_guard lock(stateMutex_);
      for (const auto& entry : streamWindows_) streams.push_back(entry.first);
    }
    for (const auto streamId : streams) {
      captureOrchestrator_->updateStreamBitrate(streamId, targetBitrateKbps, maxBitrateKbps);
    }
  }
  return settings_.save();
}

bool Application::applySharpeningSettings(bool enabled, float sharpness) {
  PV_LOG_INFO("Applying sharpening settings: enabled={}, sharpness={:.2f}", boolText(enabled), sharpness);
  settings_.sharpeningEnabled = enabled;
  settings_.sharpness = std::max(std::min(sharpness, 1.0f), 0.0f);
  if (captureOrchestrator_) {
    captureOrchestrator_->setSharpeningEnabled(enabled);
    captureOrchestrator_->setSharpness(sharpness);
  }
  return settings_.save();
}

bool Application::applyVSyncSettings(bool enabled) {
  PV_LOG_INFO("Applying VSync settings: enabled={}", boolText(enabled));
  settings_.vsyncEnabled = enabled;
  if (captureOrchestrator_) captureOrchestrator_->setVSyncEnabled(enabled);
  return settings_.save();
}

bool Application::applyFullRangeColorSettings(bool enabled) {
  PV_LOG_INFO("Applying full range color settings: enabled={}", boolText(enabled));
  settings_.fullRangeColor = enabled;
  if (captureOrchestrator_) captureOrchestrator_->setFullRangeColor(enabled);
  return settings_.save();
}

void Application::onDisplayChange() { PV_LOG_INFO("Display configuration changed, updating input metrics"); }

std::string Application::getEncoderName() const {
  return captureOrchestrator_ ? captureOrchestrator_->getEncoderName() : "None";
}

std::vector<protocol::WindowInfo> Application::getWindowList() {
  return captureOrchestrator_ ? captureOrchestrator_->getAvailableWindows() : std::vector<protocol::WindowInfo>{};
}

bool Application::isClientConnected() const { return false; }

std::string Application::discoveryHostName() {
  const std::string name = system_->hostName();
  return name.empty() ? kFallbackHostName : name;
}

}  // namespace parvalon::host
