#include "audio/AudioCapture.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "logging/Log.h"

namespace parvalon::host {

using platform::AudioEndpoint;
using platform::AudioMixFormat;
using platform::AudioPacket;
using platform::AudioStatus;
using platform::kAudioOk;

AudioCapture::AudioCapture(std::unique_ptr<AudioEndpoint> endpoint) : endpoint_(std::move(endpoint)) {}

AudioCapture::~AudioCapture() {
  stop();
  // The endpoint (device, stream, event) goes with endpoint_.
}

bool AudioCapture::initialize(const AudioCaptureConfig& config) {
  config_ = config;
  if (!endpoint_->createEvent()) {
    PV_LOG_ERROR("Failed to create capture event");
    return false;
  }
  if (!initializeDevice(config_.loopback)) return false;
  PV_LOG_INFO("Audio capture initialized: {} Hz, {} channels", mixFormat_->sampleRate, mixFormat_->channels);
  return true;
}

bool AudioCapture::initializeDevice(bool loopback) {
  using Step = AudioEndpoint::OpenStep;
  const AudioEndpoint::OpenResult result = endpoint_->open(loopback);
  // The name is known from the default-endpoint step on, also when a later step fails.
  if (result.failedStep != Step::CreateEnumerator && result.failedStep != Step::GetDefaultEndpoint &&
      !result.friendlyName.empty()) {
    PV_LOG_INFO("Using audio device: {}", result.friendlyName);
  }
  const AudioStatus status = result.status;
  switch (result.failedStep) {
    case Step::None:
      mixFormat_ = result.format;
      return true;
    case Step::CreateEnumerator:
      PV_LOG_ERROR("Failed to create device enumerator: {:#x}", status);
      break;
    case Step::GetDefaultEndpoint:
      PV_LOG_ERROR("Failed to get default audio endpoint: {:#x}", status);
      break;
    case Step::ActivateClient:
      PV_LOG_ERROR("Failed to activate audio client: {:#x}", status);
      break;
    case Step::GetMixFormat:
      PV_LOG_ERROR("Failed to get mix format: {:#x}", status);
      break;
    case Step::InitializeClient:
      PV_LOG_ERROR("Failed to initialize audio client: {:#x}", status);
      break;
    case Step::SetEventHandle:
      PV_LOG_ERROR("Failed to set event handle: {:#x}", status);
      break;
    case Step::GetCaptureClient:
      PV_LOG_ERROR("Failed to get capture client: {:#x}", status);
      break;
  }
  return false;
}

bool AudioCapture::start(AudioCallback callback) {
  if (running_.load()) {
    PV_LOG_WARN("Audio capture already started");
    return true;
  }
  callback_ = std::move(callback);
  stopRequested_.store(false);
  // An endpoint that was never opened refuses to start, so a start before initialize fails
  // here instead of touching a missing device.
  if (const AudioStatus status = endpoint_->start(); status != kAudioOk) {
    PV_LOG_ERROR("Failed to start audio client: {:#x}", status);
    return false;
  }
  running_.store(true);
  thread_ = std::thread([this] { captureThread(); });
  PV_LOG_INFO("Audio capture started");
  return true;
}

void AudioCapture::stop() {
  if (!running_.load()) return;
  stopRequested_.store(true);
  endpoint_->wake();
  if (thread_.joinable()) thread_.join();
  endpoint_->stop();
  running_.store(false);
  PV_LOG_INFO("Audio capture stopped");
}

void AudioCapture::getFormat(std::uint32_t& rate, std::uint32_t& channels, std::uint32_t& bits) const {
  if (mixFormat_) {
    rate = mixFormat_->sampleRate;
    channels = mixFormat_->channels;
    bits = 16;
    return;
  }
  rate = config_.sampleRate;
  channels = config_.channels;
  bits = config_.bitsPerSample;
}

std::int16_t AudioCapture::floatToInt16(float sample) {
  if (std::isnan(sample)) return 0;  // a NaN would make the conversion undefined
  const float clamped = sample < -1.0f ? -1.0f : (sample > 1.0f ? 1.0f : sample);
  return static_cast<std::int16_t>(std::trunc(clamped * kInt16Scale));
}

void AudioCapture::captureThread() {
  endpoint_->raiseThreadPriority();
  while (!stopRequested_.load()) {
    if (!endpoint_->waitForData(kWaitTimeout)) continue;
    if (stopRequested_.load()) break;
    std::uint32_t packetFrames = 0;
    if (endpoint_->nextPacketSize(packetFrames) != kAudioOk) continue;
    while (packetFrames != 0) {
      AudioPacket packet;
      if (const AudioStatus status = endpoint_->getBuffer(packet); status != kAudioOk) {
        PV_LOG_ERROR("GetBuffer failed: {:#x}", status);
        break;
      }
      // Silent packets are dropped so the receiver sees a gap rather than zeros.
      if (!packet.silent && callback_) deliver(packet);
      if (const AudioStatus status = endpoint_->releaseBuffer(packet.frames); status != kAudioOk) {
        PV_LOG_ERROR("ReleaseBuffer failed: {:#x}", status);
        break;
      }
      if (endpoint_->nextPacketSize(packetFrames) != kAudioOk) break;
    }
  }
}

void AudioCapture::deliver(const AudioPacket& packet) {
  const AudioMixFormat& format = *mixFormat_;
  if (packet.data == nullptr) return;
  const std::size_t samples = static_cast<std::size_t>(packet.frames) * format.channels;
  if (format.isFloat && format.bitsPerSample == 32) {
    conversion_.resize(samples);
    const auto* bytes = static_cast<const unsigned char*>(packet.data);
    for (std::size_t i = 0; i < samples; ++i) {
      float sample;
      std::memcpy(&sample, bytes + i * sizeof(float), sizeof(float));
      conversion_[i] = floatToInt16(sample);
    }
    callback_(conversion_.data(), packet.frames, format.sampleRate, format.channels);
  } else if (!format.isFloat && format.bitsPerSample == 16) {
    callback_(static_cast<const std::int16_t*>(packet.data), packet.frames, format.sampleRate, format.channels);
  }
  // Any other format (24- or 32-bit integer, 64-bit float) is not delivered.
}

}  // namespace parvalon::host
