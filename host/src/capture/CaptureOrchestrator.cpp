#include "capture/CaptureOrchestrator.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>

#include "capture/WindowEnumerator.h"
#include "encode/EncoderFactory.h"
#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr std::size_t kBytesPerPixel = 4;

// Frames that reached the sharpening step, all streams together; named in the encode-failure line.
std::atomic<std::uint64_t> frameAttemptCounter{0};

const char* encoderNameFor(const std::vector<EncoderType>& available) {
  auto has = [&](EncoderType type) {
    return std::find(available.begin(), available.end(), type) != available.end();
  };
  if (available.empty()) return "None";
  if (has(EncoderType::NVENC)) return "NVENC";
  if (has(EncoderType::AMF)) return "AMF";
  if (has(EncoderType::Software)) return "Software";
  return "Unknown";
}

const char* enabledText(bool enabled) { return enabled ? "enabled" : "disabled"; }

}  // namespace

CaptureOrchestrator::CaptureOrchestrator()
    : CaptureOrchestrator(platform::WindowSystem::create(), platform::CaptureSourceFactory::createDefault()) {}

CaptureOrchestrator::CaptureOrchestrator(std::shared_ptr<platform::WindowSystem> windowSystem,
                                         std::shared_ptr<platform::CaptureSourceFactory> captureFactory,
                                         CreateEncoderFunction createEncoder,
                                         AvailableEncodersFunction availableEncoders)
    : windowSystem_(std::move(windowSystem)),
      captureFactory_(std::move(captureFactory)),
      createEncoder_(std::move(createEncoder)),
      availableEncoders_(std::move(availableEncoders)) {
  if (!createEncoder_) createEncoder_ = [](const EncoderConfig& c) { return EncoderFactory::createBestEncoder(c); };
  if (!availableEncoders_) availableEncoders_ = [] { return EncoderFactory::getAvailableEncoders(); };
}

CaptureOrchestrator::~CaptureOrchestrator() {
  shutdown();
  // Sessions started without initialize are stopped here too.
  bool remaining = false;
  {
    std::lock_guard lock(sessionsMutex_);
    remaining = !sessions_.empty();
  }
  if (remaining) stopAllCaptures();
}

bool CaptureOrchestrator::initialize() {
  std::lock_guard lock(sessionsMutex_);
  if (initialized_) {
    PV_LOG_WARN("CaptureOrchestrator already initialized");
    return true;
  }
  const std::vector<EncoderType> available = availableEncoders_();
  if (available.empty()) {
    PV_LOG_WARN("No hardware encoders available - capture will work but encoding disabled");
  }
  const char* name = encoderNameFor(available);
  {
    std::lock_guard templateLock(templateMutex_);
    encoderName_ = name;
  }
  initialized_ = true;
  PV_LOG_INFO("CaptureOrchestrator initialized with {} encoder", name);
  return true;
}

void CaptureOrchestrator::shutdown() {
  {
    std::lock_guard lock(sessionsMutex_);
    if (!initialized_) return;
    PV_LOG_INFO("Shutting down CaptureOrchestrator...");
  }
  stopAllCaptures();
  std::lock_guard lock(sessionsMutex_);
  initialized_ = false;
}

EncoderConfig CaptureOrchestrator::templateFor(std::uint32_t paddedWidth, std::uint32_t paddedHeight) const {
  std::lock_guard lock(templateMutex_);
  EncoderConfig config = encoderConfig_;
  config.width = paddedWidth;
  config.height = paddedHeight;
  return config;
}

void CaptureOrchestrator::stopSession(CaptureSession& session) {
  if (session.encoder) session.encoder->shutdown();
  if (session.capture) session.capture->stopCapture();
  session.encoder.reset();
  session.capture.reset();
}

bool CaptureOrchestrator::startCapture(std::uint32_t windowId, std::uint8_t streamId) {
  std::unique_lock lock(sessionsMutex_);
  if (auto old = sessions_.find(streamId); old != sessions_.end()) {
    PV_LOG_WARN("Stream {} already exists, stopping first", streamId);
    CaptureSession replaced = std::move(old->second);
    sessions_.erase(old);
    // The old capture may be inside a delivery that waits for this lock.
    lock.unlock();
    stopSession(replaced);
    lock.lock();
  }

  const platform::WindowHandle window = windowId;  // zero extension
  if (!windowSystem_ || !windowSystem_->isWindow(window)) {
    PV_LOG_ERROR("Invalid window handle: {:x}", windowId);
    return false;
  }
  CaptureSession session;
  session.windowId = windowId;
  session.capture = std::make_unique<WindowCapture>(windowSystem_, captureFactory_);
  const std::uint32_t fps = templateFor(0, 0).fps;
  if (!session.capture->initialize(window, fps)) {
    PV_LOG_ERROR("Failed to initialize capture for window {:x}", windowId);
    return false;
  }
  session.capture->getSize(session.width, session.height);
  session.paddedWidth = padded(session.width);
  session.paddedHeight = padded(session.height);

  const EncoderConfig config = templateFor(session.paddedWidth, session.paddedHeight);
  PV_LOG_INFO("Creating encoder for {}x{} (padded from {}x{})", session.paddedWidth, session.paddedHeight,
              session.width, session.height);
  session.encoder = createEncoder_(config);
  if (!session.encoder) {
    PV_LOG_ERROR("Failed to create encoder for window {:x}", windowId);
    return false;
  }
  installEncoderCallback(*session.encoder, streamId);

  const bool started = session.capture->startCapture(
      [this, streamId](const platform::CpuFrame& frame) { onFrameCaptured(streamId, frame); });
  if (!started) {
    PV_LOG_ERROR("Failed to start capture for window {:x}", windowId);
    session.encoder->shutdown();
    return false;
  }
  const std::uint32_t paddedWidth = session.paddedWidth;
  const std::uint32_t paddedHeight = session.paddedHeight;
  // Another caller may have started this stream id while the lock was released above.
  std::optional<CaptureSession> displaced;
  if (auto raced = sessions_.find(streamId); raced != sessions_.end()) {
    displaced.emplace(std::move(raced->second));
    raced->second = std::move(session);
  } else {
    sessions_.emplace(streamId, std::move(session));
  }
  PV_LOG_INFO("Started capture for window {:x} on stream {} ({}x{})", windowId, streamId, paddedWidth,
              paddedHeight);
  lock.unlock();
  if (displaced) stopSession(*displaced);
  return true;
}

void CaptureOrchestrator::stopCapture(std::uint8_t streamId) {
  CaptureSession stopped;
  {
    std::lock_guard lock(sessionsMutex_);
    auto it = sessions_.find(streamId);
    if (it == sessions_.end()) {
      PV_LOG_WARN("Stream {} not found", streamId);
      return;
    }
    stopped = std::move(it->second);
    sessions_.erase(it);
  }
  stopSession(stopped);
  PV_LOG_INFO("Stopped capture on stream {}", streamId);
}

void CaptureOrchestrator::stopAllCaptures() {
  std::unordered_map<std::uint8_t, CaptureSession> stopped;
  {
    std::lock_guard lock(sessionsMutex_);
    stopped.swap(sessions_);
  }
  for (auto& [streamId, session] : stopped) stopSession(session);
  stopped.clear();
  PV_LOG_INFO("Stopped all captures");
}

void CaptureOrchestrator::update() {
  std::vector<CaptureSession> inactive;
  {
    std::lock_guard lock(sessionsMutex_);
    for (auto it = sessions_.begin(); it != sessions_.end();) {
      const bool windowGone = !windowSystem_->isWindow(it->second.windowId);
      if (windowGone || !it->second.capture->isCapturing()) {
        PV_LOG_INFO("Removing inactive session for stream {}", it->first);
        inactive.push_back(std::move(it->second));
        it = sessions_.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (CaptureSession& session : inactive) stopSession(session);
}

void CaptureOrchestrator::installEncoderCallback(EncoderBase& encoder, std::uint8_t streamId) {
  encoder.setFrameCallback([this, streamId](const EncodedFrame& frame) { deliverEncoded(streamId, frame); });
}

void CaptureOrchestrator::deliverEncoded(std::uint8_t streamId, const EncodedFrame& frame) {
  std::shared_ptr<const FrameCallback> callback;
  {
    std::lock_guard lock(callbackMutex_);
    callback = frameCallback_;
  }
  if (callback && *callback) (*callback)(streamId, frame.data, frame.size, frame.isKeyframe);
}

void CaptureOrchestrator::onFrameCaptured(std::uint8_t streamId, const platform::CpuFrame& frame) {
  std::lock_guard lock(sessionsMutex_);
  auto it = sessions_.find(streamId);
  if (it == sessions_.end() || !it->second.encoder) return;
  CaptureSession& session = it->second;
  if (frame.data == nullptr || frame.width == 0 || frame.height == 0) return;

  if (frame.width != session.width || frame.height != session.height) {
    PV_LOG_INFO("Resolution changed from {}x{} to {}x{} on stream {} - recreating encoder", session.width,
                session.height, frame.width, frame.height, streamId);
    session.encoder->shutdown();
    session.encoder.reset();
    session.paddingImage = platform::CpuImage();
    session.width = frame.width;
    session.height = frame.height;
    session.paddedWidth = padded(frame.width);
    session.paddedHeight = padded(frame.height);
    const EncoderConfig config = templateFor(session.paddedWidth, session.paddedHeight);
    PV_LOG_INFO("Creating new encoder for {}x{} (padded from {}x{})", session.paddedWidth, session.paddedHeight,
                session.width, session.height);
    session.encoder = createEncoder_(config);
    if (!session.encoder) {
      PV_LOG_ERROR("Failed to create new encoder for resolution {}x{}", session.paddedWidth, session.paddedHeight);
      return;
    }
    installEncoderCallback(*session.encoder, streamId);
    PV_LOG_INFO("Encoder recreated successfully for {}x{} on stream {}", session.paddedWidth,
                session.paddedHeight, streamId);
    std::shared_ptr<const ResolutionChangeCallback> callback;
    {
      std::lock_guard callbackLock(callbackMutex_);
      callback = resolutionChangeCallback_;
    }
    if (callback && *callback) (*callback)(streamId, session.width, session.height);
  }

  const std::uint64_t attempt = ++frameAttemptCounter;

  platform::CpuFrame toEncode = frame;
  const bool needsPadding = session.width != session.paddedWidth || session.height != session.paddedHeight;
  if (needsPadding && !session.encoder->padsSmallerFrames()) {
    // Made once per encoder size; its right and bottom bands keep the black of that first clear.
    if (session.paddingImage.width() != session.paddedWidth ||
        session.paddingImage.height() != session.paddedHeight) {
      session.paddingImage.resize(session.paddedWidth, session.paddedHeight);
    }
    const std::size_t rowBytes = static_cast<std::size_t>(session.width) * kBytesPerPixel;
    for (std::uint32_t y = 0; y < session.height; ++y) {
      std::memcpy(session.paddingImage.row(y), frame.row(y), rowBytes);
    }
    toEncode = session.paddingImage.view(frame.timestampUs);
  }

  if (!session.encoder->encodeFrame(toEncode)) {
    PV_LOG_WARN("Failed to encode frame on stream {} (attempt #{})", streamId, attempt);
  }
}

void CaptureOrchestrator::setFrameCallback(FrameCallback callback) {
  auto installed = std::make_shared<const FrameCallback>(std::move(callback));
  std::lock_guard lock(callbackMutex_);
  frameCallback_ = std::move(installed);
}

void CaptureOrchestrator::setResolutionChangeCallback(ResolutionChangeCallback callback) {
  auto installed = std::make_shared<const ResolutionChangeCallback>(std::move(callback));
  std::lock_guard lock(callbackMutex_);
  resolutionChangeCallback_ = std::move(installed);
}

void CaptureOrchestrator::setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  std::lock_guard lock(templateMutex_);
  encoderConfig_.bitrateKbps = targetKbps;
  encoderConfig_.maxBitrateKbps = maxKbps;
}

void CaptureOrchestrator::setTargetFps(std::uint32_t fps) {
  std::lock_guard lock(templateMutex_);
  encoderConfig_.fps = fps;
}

void CaptureOrchestrator::setFullRangeColor(bool enabled) {
  {
    std::lock_guard lock(templateMutex_);
    encoderConfig_.fullRange = enabled;
  }
  PV_LOG_INFO("Full range color {}", enabledText(enabled));
}

void CaptureOrchestrator::setSharpeningEnabled(bool) {}

void CaptureOrchestrator::setSharpness(float) {}

void CaptureOrchestrator::setVSyncEnabled(bool) {}

void CaptureOrchestrator::updateStreamBitrate(std::uint8_t streamId, std::uint32_t targetKbps,
                                              std::uint32_t maxKbps) {
  std::lock_guard lock(sessionsMutex_);
  auto it = sessions_.find(streamId);
  if (it == sessions_.end() || !it->second.encoder) return;
  it->second.encoder->setBitrate(targetKbps, maxKbps);
}

void CaptureOrchestrator::requestKeyframe(std::uint8_t streamId) {
  std::lock_guard lock(sessionsMutex_);
  auto it = sessions_.find(streamId);
  if (it == sessions_.end() || !it->second.encoder) return;
  it->second.encoder->requestKeyframe();
}

CodecParameterSets CaptureOrchestrator::getParameterSets(std::uint8_t streamId) {
  std::lock_guard lock(sessionsMutex_);
  auto it = sessions_.find(streamId);
  if (it == sessions_.end() || !it->second.encoder) return CodecParameterSets{};
  return it->second.encoder->getParameterSets();
}

bool CaptureOrchestrator::getStreamResolution(std::uint8_t streamId, std::uint32_t& width, std::uint32_t& height) {
  std::lock_guard lock(sessionsMutex_);
  auto it = sessions_.find(streamId);
  if (it == sessions_.end()) return false;
  width = it->second.width;
  height = it->second.height;
  return true;
}

std::string CaptureOrchestrator::getEncoderName() const {
  std::lock_guard lock(templateMutex_);
  return encoderName_;
}

std::vector<protocol::WindowInfo> CaptureOrchestrator::getAvailableWindows() {
  if (!windowSystem_) return {};
  return WindowEnumerator::enumerateWindows(*windowSystem_);
}

EncoderConfig CaptureOrchestrator::getEncoderConfig() const {
  std::lock_guard lock(templateMutex_);
  return encoderConfig_;
}

bool CaptureOrchestrator::isInitialized() const {
  std::lock_guard lock(sessionsMutex_);
  return initialized_;
}

}  // namespace parvalon::host
