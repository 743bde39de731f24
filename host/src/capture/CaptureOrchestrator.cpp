#include "capture/CaptureOrchestrator.h"

#include <algorithm>
#include <atomic>
#include <new>

#include "capture/WindowEnumerator.h"
#include "encode/EncoderFactory.h"
#include "logging/Log.h"

namespace parvalon::host {

namespace {

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

std::uint64_t packSize(std::uint32_t width, std::uint32_t height) {
  return (static_cast<std::uint64_t>(width) << 32) | height;
}

}  // namespace

CaptureOrchestrator::CaptureOrchestrator()
    : CaptureOrchestrator(platform::WindowSystem::create(), platform::CaptureSourceFactory::createDefault(), {}, {},
                          {}, platform::GpuDevice::createDefault()) {}

CaptureOrchestrator::CaptureOrchestrator(std::shared_ptr<platform::WindowList> windowSystem,
                                         std::shared_ptr<platform::CaptureSourceFactory> captureFactory,
                                         CreateEncoderFunction createEncoder,
                                         AvailableEncodersFunction availableEncoders,
                                         std::shared_ptr<platform::DisplayModes> displayModes,
                                         std::shared_ptr<platform::GpuDevice> gpuDevice)
    : windowSystem_(std::move(windowSystem)),
      captureFactory_(std::move(captureFactory)),
      createEncoder_(std::move(createEncoder)),
      availableEncoders_(std::move(availableEncoders)),
      displayModes_(std::move(displayModes)),
      gpuDevice_(std::move(gpuDevice)) {
  // Texture encoders work on the device the frames live on.
  if (!createEncoder_) {
    createEncoder_ = [device = gpuDevice_](const EncoderConfig& c) { return EncoderFactory::createBestEncoder(c, device); };
  }
  if (!availableEncoders_) availableEncoders_ = [] { return EncoderFactory::getAvailableEncoders(); };
  if (!displayModes_) displayModes_ = platform::DisplayModes::create();
  targetFps_.store(encoderConfig_.fps);
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
  {
    std::lock_guard lock(sessionsMutex_);
    if (initialized_) {
      PV_LOG_WARN("CaptureOrchestrator already initialized");
      return true;
    }
  }
  if (gpuDevice_) {
    gpuName = gpuDevice_->adapterName();
    vramMB = gpuDevice_->dedicatedMemoryMB();
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

  auto pacer = std::make_unique<FramePacer>(displayModes_);
  if (pacer->initialize()) {
    PV_LOG_INFO("FramePacer initialized (refresh rate: {:.1f}Hz)", pacer->refreshRate());
  } else {
    PV_LOG_WARN("FramePacer initialization failed - using timer-based pacing");
  }
  {
    std::lock_guard templateLock(templateMutex_);
    framePacer_ = std::move(pacer);
  }

  if (!casProcessor_) {
    casProcessor_ = std::make_unique<CASProcessor>();
    casProcessor_->initialize();
    casProcessorView_.store(casProcessor_.get());
  } else {
    // A fresh pass's switches, on the one capture threads may be using right now.
    casProcessor_->setEnabled(false);
    casProcessor_->setSharpness(CASProcessor::kDefaultSharpness);
  }
  // Texture frames are sharpened on the device that holds them; the CPU pass takes pixels.
  const bool deviceSharpens = gpuDevice_ && gpuDevice_->initializeSharpening();
  deviceSharpens_.store(deviceSharpens);
  if (!casProcessor_->isInitialized()) {
    PV_LOG_WARN("CASProcessor initialization failed - sharpening disabled");
  } else if (gpuDevice_ && !deviceSharpens) {
    PV_LOG_WARN("CASProcessor on the graphics device failed - textures are sharpened only when read back");
  } else {
    PV_LOG_INFO("CASProcessor initialized (sharpening available)");
  }

  {
    std::lock_guard lock(sessionsMutex_);
    initialized_ = true;
  }
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
  // A software encoder then encodes one picture while the capture thread sharpens and converts
  // the next, which keeps a stream at its frame rate when the two together would not fit.
  config.pipelined = true;
  return config;
}

CaptureOrchestrator::SessionPtr CaptureOrchestrator::findSession(std::uint8_t streamId) const {
  std::lock_guard lock(sessionsMutex_);
  const auto it = sessions_.find(streamId);
  return it == sessions_.end() ? nullptr : it->second;
}

void CaptureOrchestrator::releaseEncoder(CaptureSession& session) {
  if (!session.encoder) return;
  session.encoder->shutdown();
  std::lock_guard lock(session.encoderMutex);
  session.encoder.reset();
}

void CaptureOrchestrator::stopSession(CaptureSession& session) {
  {
    // Waits for a delivery in progress; the ones after it find the session inactive.
    std::lock_guard lock(session.mutex);
    session.active = false;
    releaseEncoder(session);
    releaseFrameTargets(session);
  }
  // Waits for the capture thread, which may have been waiting for the session lock above.
  if (session.capture) session.capture->stopCapture();
}

bool CaptureOrchestrator::createEncoder(CaptureSession& session, std::uint8_t streamId, std::uint32_t width,
                                        std::uint32_t height, bool replacing) {
  session.width = width;
  session.height = height;
  session.paddedWidth = padded(width);
  session.paddedHeight = padded(height);
  session.size.store(packSize(width, height));
  const EncoderConfig config = templateFor(session.paddedWidth, session.paddedHeight);
  if (replacing) {
    PV_LOG_INFO("Creating new encoder for {}x{} (padded from {}x{})", session.paddedWidth, session.paddedHeight,
                width, height);
  } else {
    PV_LOG_INFO("Creating encoder for {}x{} (padded from {}x{})", session.paddedWidth, session.paddedHeight, width,
                height);
  }
  session.encoderFps = config.fps;
  std::shared_ptr<EncoderBase> encoder = createEncoder_(config);
  if (!encoder) {
    if (replacing) {
      PV_LOG_ERROR("Failed to create new encoder for resolution {}x{}", session.paddedWidth, session.paddedHeight);
    } else {
      PV_LOG_ERROR("Failed to create encoder for window {:x}", session.windowId);
    }
    return false;
  }
  encoder->setFrameCallback([this, streamId](const EncodedFrame& frame) { deliverEncoded(streamId, frame); });
  {
    std::lock_guard lock(session.encoderMutex);
    session.encoder = std::move(encoder);
  }
  if (replacing) {
    PV_LOG_INFO("Encoder recreated successfully for {}x{} on stream {}", session.paddedWidth, session.paddedHeight,
                streamId);
  }
  return true;
}

bool CaptureOrchestrator::startCapture(std::uint32_t windowId, std::uint8_t streamId) {
  SessionPtr replaced;
  {
    std::lock_guard lock(sessionsMutex_);
    if (auto old = sessions_.find(streamId); old != sessions_.end()) {
      replaced = std::move(old->second);
      sessions_.erase(old);
    }
  }
  if (replaced) {
    PV_LOG_WARN("Stream {} already exists, stopping first", streamId);
    stopSession(*replaced);
    replaced.reset();
  }

  const platform::WindowHandle window = windowId;  // zero extension
  if (!windowSystem_ || !windowSystem_->isWindow(window)) {
    PV_LOG_ERROR("Invalid window handle: {:x}", windowId);
    return false;
  }
  auto session = std::make_shared<CaptureSession>(gpuDevice_);
  session->windowId = windowId;
  session->capture = std::make_unique<WindowCapture>(windowSystem_, captureFactory_);
  if (!session->capture->initialize(window, targetFps_.load(), gpuDevice_)) {
    PV_LOG_ERROR("Failed to initialize capture for window {:x}", windowId);
    return false;
  }
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  session->capture->getSize(width, height);

  SessionPtr displaced;
  {
    // Held until the session is complete: its first frame (at once for a static window) waits
    // here instead of being dropped.
    std::unique_lock sessionLock(session->mutex);
    if (!createEncoder(*session, streamId, width, height, false)) return false;
    {
      std::lock_guard lock(sessionsMutex_);
      SessionPtr& slot = sessions_[streamId];
      displaced = std::move(slot);  // another caller started this stream id meanwhile
      slot = session;
    }
    const bool started = session->capture->startCapture(
        [this, streamId](const platform::CaptureFrame& frame) { onFrameCaptured(streamId, frame); });
    if (!started) {
      PV_LOG_ERROR("Failed to start capture for window {:x}", windowId);
      session->active = false;
      releaseEncoder(*session);
      {
        std::lock_guard lock(sessionsMutex_);
        if (auto it = sessions_.find(streamId); it != sessions_.end() && it->second == session) sessions_.erase(it);
      }
    } else {
      session->started.store(true);
      PV_LOG_INFO("Started capture for window {:x} on stream {} ({}x{})", windowId, streamId, session->paddedWidth,
                  session->paddedHeight);
    }
  }
  if (displaced) stopSession(*displaced);
  return session->active;
}

void CaptureOrchestrator::stopCapture(std::uint8_t streamId) {
  SessionPtr stopped;
  {
    std::lock_guard lock(sessionsMutex_);
    auto it = sessions_.find(streamId);
    if (it != sessions_.end()) {
      stopped = std::move(it->second);
      sessions_.erase(it);
    }
  }
  if (!stopped) {
    PV_LOG_WARN("Stream {} not found", streamId);
    return;
  }
  stopSession(*stopped);
  PV_LOG_INFO("Stopped capture on stream {}", streamId);
}

void CaptureOrchestrator::stopAllCaptures() {
  std::unordered_map<std::uint8_t, SessionPtr> stopped;
  {
    std::lock_guard lock(sessionsMutex_);
    stopped.swap(sessions_);
  }
  for (auto& [streamId, session] : stopped) stopSession(*session);
  stopped.clear();
  PV_LOG_INFO("Stopped all captures");
}

void CaptureOrchestrator::update() {
  std::vector<std::pair<std::uint8_t, SessionPtr>> all;
  {
    std::lock_guard lock(sessionsMutex_);
    all.assign(sessions_.begin(), sessions_.end());
  }
  std::vector<SessionPtr> inactive;
  for (auto& [streamId, session] : all) {
    // A session is in the table while its capture starts; it is not capturing yet then.
    if (!session->started.load()) continue;
    // Outside the table lock: isWindow is a round trip to the window system.
    const bool windowGone = !windowSystem_->isWindow(session->windowId);
    if (!windowGone && session->capture->isCapturing()) continue;
    std::lock_guard lock(sessionsMutex_);
    auto it = sessions_.find(streamId);
    if (it == sessions_.end() || it->second != session) continue;  // stopped or replaced meanwhile
    PV_LOG_INFO("Removing inactive session for stream {}", streamId);
    inactive.push_back(std::move(it->second));
    sessions_.erase(it);
  }
  all.clear();
  for (const SessionPtr& session : inactive) stopSession(*session);
}

void CaptureOrchestrator::deliverEncoded(std::uint8_t streamId, const EncodedFrame& frame) {
  const auto callback = frameCallback_.get();
  if (callback && *callback) (*callback)(streamId, frame.data, frame.size, frame.isKeyframe);
}

void CaptureOrchestrator::notifyResolutionChange(std::uint8_t streamId, std::uint32_t width, std::uint32_t height) {
  const auto callback = resolutionChangeCallback_.get();
  if (callback && *callback) (*callback)(streamId, width, height);
}

void CaptureOrchestrator::releaseFrameTargets(CaptureSession& session) {
  session.converter.reset();
  session.casOutputImage = platform::CpuImage();
}

void CaptureOrchestrator::onFrameCaptured(std::uint8_t streamId, const platform::CaptureFrame& frame) {
  const SessionPtr pinned = findSession(streamId);
  if (!pinned) return;
  CaptureSession& session = *pinned;
  std::lock_guard lock(session.mutex);
  if (!session.active || !session.encoder) return;
  if (!frame.hasPixels() || frame.width() == 0 || frame.height() == 0) return;

  const std::uint32_t fps = targetFps_.load();
  const bool resized = frame.width() != session.width || frame.height() != session.height;
  if (resized || fps != session.encoderFps) {
    if (resized) {
      PV_LOG_INFO("Resolution changed from {}x{} to {}x{} on stream {} - recreating encoder", session.width,
                  session.height, frame.width(), frame.height(), streamId);
    } else {
      PV_LOG_INFO("Frame rate changed from {} to {} fps on stream {} - recreating encoder", session.encoderFps, fps,
                  streamId);
    }
    if (fps != session.encoderFps) session.capture->setFps(fps);
    releaseEncoder(session);
    releaseFrameTargets(session);
    if (!createEncoder(session, streamId, frame.width(), frame.height(), true)) return;
    // Also after a frame-rate change: the new encoder's parameter sets go out with a new
    // stream_config, as after a resize.
    notifyResolutionChange(streamId, session.width, session.height);
  }

  const std::uint64_t attempt = ++frameAttemptCounter;
  const platform::FrameKind encoderKind = session.encoder->inputKind();
  CASProcessor* const cas = casProcessorView_.load(std::memory_order_acquire);
  const bool sharpening = cas != nullptr && cas->isEnabled();
  const bool deviceSharpens = deviceSharpens_.load();
  platform::CaptureFrame toEncode = frame;
  // Either way the sharpened picture is encoder-sized already, its bands black; a failed pass
  // leaves the captured frame to go on unsharpened.
  if (sharpening && frame.isTexture()) {
    if (deviceSharpens) {
      session.converter.sharpen(frame, session.paddedWidth, session.paddedHeight, cas->sharpness(), toEncode);
    }
  } else if (sharpening && sharpen(session, *cas, frame.cpu())) {
    toEncode = session.casOutputImage.view(frame.timestampUs());
  }
  // A CPU encoder that pads by itself takes CPU pixels as they are.
  const bool encoderPads = !toEncode.isTexture() && encoderKind == platform::FrameKind::Cpu &&
                           session.encoder->padsSmallerFrames();
  platform::CaptureFrame padded = toEncode;
  if (!encoderPads && !session.converter.pad(toEncode, session.paddedWidth, session.paddedHeight, padded)) return;
  if (!session.converter.convert(padded, encoderKind, toEncode)) return;
  if (sharpening && frame.isTexture() && !deviceSharpens && !toEncode.isTexture() &&
      sharpen(session, *cas, toEncode.cpu())) {
    // A device without the pass: a texture read back for a CPU encoder is sharpened here.
    toEncode = session.casOutputImage.view(frame.timestampUs());
  }

  const bool encoded = toEncode.isTexture() ? session.encoder->encodeTexture(*toEncode.texture())
                                            : session.encoder->encodeFrame(toEncode.cpu());
  if (!encoded) {
    PV_LOG_WARN("Failed to encode frame on stream {} (attempt #{})", streamId, attempt);
  }
}

bool CaptureOrchestrator::sharpen(CaptureSession& session, CASProcessor& cas, const platform::CpuFrame& frame) {
  if (session.casOutputImage.width() != session.paddedWidth ||
      session.casOutputImage.height() != session.paddedHeight) {
    try {
      session.casOutputImage.resize(session.paddedWidth, session.paddedHeight);
    } catch (const std::bad_alloc&) {
      // Tried again with the next frame; this one goes on unsharpened.
      session.casOutputImage = platform::CpuImage();
      PV_LOG_WARN("Failed to create CAS output texture");
      return false;
    }
  }
  return cas.apply(frame, session.casOutputImage, session.width, session.height);
}

void CaptureOrchestrator::setFrameCallback(FrameCallback callback) { frameCallback_.set(std::move(callback)); }

void CaptureOrchestrator::setResolutionChangeCallback(ResolutionChangeCallback callback) {
  resolutionChangeCallback_.set(std::move(callback));
}

void CaptureOrchestrator::setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  std::lock_guard lock(templateMutex_);
  encoderConfig_.bitrateKbps = targetKbps;
  encoderConfig_.maxBitrateKbps = maxKbps;
}

void CaptureOrchestrator::setTargetFps(std::uint32_t fps) {
  std::lock_guard lock(templateMutex_);
  encoderConfig_.fps = fps;
  targetFps_.store(fps);  // running streams follow at their next frame
}

void CaptureOrchestrator::setFullRangeColor(bool enabled) {
  {
    std::lock_guard lock(templateMutex_);
    encoderConfig_.fullRange = enabled;
  }
  PV_LOG_INFO("Full range color {}", enabledText(enabled));
}

void CaptureOrchestrator::setSharpeningEnabled(bool enabled) {
  CASProcessor* const cas = casProcessorView_.load(std::memory_order_acquire);
  if (cas == nullptr) return;
  cas->setEnabled(enabled);
  PV_LOG_INFO("CAS sharpening {}", enabledText(enabled));
}

void CaptureOrchestrator::setSharpness(float sharpness) {
  CASProcessor* const cas = casProcessorView_.load(std::memory_order_acquire);
  if (cas == nullptr) return;
  // Written as negations so that NaN, below neither bound, becomes 1.
  if (!(sharpness < 1.0f)) {
    sharpness = 1.0f;
  } else if (!(sharpness > 0.0f)) {
    sharpness = 0.0f;
  }
  cas->setSharpness(sharpness);
}

void CaptureOrchestrator::setVSyncEnabled(bool enabled) {
  {
    std::lock_guard lock(templateMutex_);
    if (!framePacer_) return;
    framePacer_->setPacingEnabled(enabled);
  }
  PV_LOG_INFO("VSync frame pacing {}", enabledText(enabled));
}

bool CaptureOrchestrator::isVSyncEnabled() const {
  std::lock_guard lock(templateMutex_);
  return framePacer_ && framePacer_->isPacingEnabled();
}

float CaptureOrchestrator::refreshRate() const {
  std::lock_guard lock(templateMutex_);
  return framePacer_ ? framePacer_->refreshRate() : FramePacer::kDefaultRefreshRate;
}

void CaptureOrchestrator::updateStreamBitrate(std::uint8_t streamId, std::uint32_t targetKbps,
                                              std::uint32_t maxKbps) {
  const SessionPtr session = findSession(streamId);
  if (!session) return;
  std::lock_guard lock(session->mutex);
  if (!session->active || !session->encoder) return;
  session->encoder->setBitrate(targetKbps, maxKbps);
}

void CaptureOrchestrator::requestKeyframe(std::uint8_t streamId) {
  const SessionPtr session = findSession(streamId);
  if (!session) return;
  std::lock_guard lock(session->mutex);
  if (!session->active || !session->encoder) return;
  session->encoder->requestKeyframe();
  // A window that shows nothing new delivers no frame the key frame could be made of.
  session->capture->requestFrame();
}

CodecParameterSets CaptureOrchestrator::getParameterSets(std::uint8_t streamId) {
  const SessionPtr session = findSession(streamId);
  if (!session) return CodecParameterSets{};
  std::shared_ptr<EncoderBase> encoder;
  {
    std::lock_guard lock(session->encoderMutex);
    encoder = session->encoder;
  }
  return encoder ? encoder->getParameterSets() : CodecParameterSets{};
}

bool CaptureOrchestrator::getConversionTime(std::uint8_t streamId, std::uint64_t& microseconds) const {
  const SessionPtr session = findSession(streamId);
  if (!session) return false;
  microseconds = session->converter.lastConversionUs();
  return true;
}

bool CaptureOrchestrator::getStreamResolution(std::uint8_t streamId, std::uint32_t& width, std::uint32_t& height) {
  // Without the session lock: the main loop asks every turn and must not wait for an encode.
  const SessionPtr session = findSession(streamId);
  if (!session) return false;
  const std::uint64_t size = session->size.load();
  width = static_cast<std::uint32_t>(size >> 32);
  height = static_cast<std::uint32_t>(size & 0xFFFFFFFFu);
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

bool CaptureOrchestrator::isCaptureSupported() const {
  std::string reason;
  return captureFactory_ && captureFactory_->isSupported(reason);
}

}  // namespace parvalon::host
