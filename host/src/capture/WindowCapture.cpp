#include "capture/WindowCapture.h"

#include <exception>

#include "logging/Log.h"

namespace parvalon::host {

namespace {

// One first-frame log line per process, whichever capture delivers first.
std::atomic<bool> firstFrameLogged{false};

const char* yesNo(bool value) { return value ? "YES" : "NO"; }

std::uint64_t packSize(std::uint32_t width, std::uint32_t height) {
  return (static_cast<std::uint64_t>(width) << 32) | height;
}

// Marks the calling thread as delivering for the scope, also when the callback throws.
class DeliveryScope {
 public:
  explicit DeliveryScope(std::atomic<std::thread::id>& slot) : slot_(slot) { slot_.store(std::this_thread::get_id()); }
  ~DeliveryScope() { slot_.store(std::thread::id{}); }
  DeliveryScope(const DeliveryScope&) = delete;
  DeliveryScope& operator=(const DeliveryScope&) = delete;

 private:
  std::atomic<std::thread::id>& slot_;
};

}  // namespace

WindowCapture::WindowCapture()
    : WindowCapture(platform::WindowSystem::create(), platform::CaptureSourceFactory::createDefault()) {}

WindowCapture::WindowCapture(std::shared_ptr<platform::WindowList> windowSystem,
                             std::shared_ptr<platform::CaptureSourceFactory> sourceFactory, Clock clock)
    : windowSystem_(std::move(windowSystem)), sourceFactory_(std::move(sourceFactory)), clock_(std::move(clock)) {
  if (!clock_) clock_ = [] { return std::chrono::steady_clock::now(); };
}

WindowCapture::~WindowCapture() {
  stopCapture();
  // The source may have stopped itself on its own thread (window closed); this stop joins it.
  if (source_) source_->stop();
  {
    std::lock_guard lock(deliveryMutex_);
    frameCallback_ = nullptr;
  }
  source_.reset();
}

bool WindowCapture::initialize(platform::WindowHandle window, std::uint32_t fps,
                               std::shared_ptr<platform::GpuDevice> device) {
  try {
    std::string reason;
    if (!sourceFactory_ || !sourceFactory_->isSupported(reason)) {
      PV_LOG_ERROR("Window capture is not supported on this system: {}", reason);
      return false;
    }
    if (!windowSystem_ || !windowSystem_->isWindow(window)) {
      PV_LOG_ERROR("Invalid window handle");
      return false;
    }
    hwnd_ = window;
    device_ = std::move(device);
    fps_.store(fps == 0 ? platform::CaptureOptions::kDefaultFps : fps);
    const auto rect = windowSystem_->clientRect(window);
    if (!rect) {
      PV_LOG_ERROR("Failed to get window rect");
      return false;
    }
    const auto width = static_cast<std::uint32_t>(rect->width < 0 ? 0 : rect->width);
    const auto height = static_cast<std::uint32_t>(rect->height < 0 ? 0 : rect->height);
    size_.store(packSize(width, height));
    if (width == 0 || height == 0) {
      PV_LOG_ERROR("Window has zero size");
      return false;
    }
    PV_LOG_INFO("WindowCapture initialized for HWND {:x}, size {}x{}", window, width, height);
    return true;
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Failed to initialize WindowCapture: {}", e.what());
    return false;
  }
}

void WindowCapture::logDiagnostics(bool& ok) {
  ok = false;
  PV_LOG_INFO("=== CAPTURE DIAGNOSTICS for window {:x} ===", hwnd_);
  for (const std::string& line : sourceFactory_->diagnostics()) PV_LOG_INFO("{}", line);
  std::string reason;
  const bool supported = sourceFactory_->isSupported(reason);
  PV_LOG_INFO("  Window capture supported: {}", yesNo(supported));
  if (!supported) {
    PV_LOG_ERROR("CAPTURE ERROR: window capture is NOT supported on this system!");
    PV_LOG_ERROR("  Missing: {}", reason);
    return;
  }
  if (!windowSystem_->isWindow(hwnd_)) {
    PV_LOG_ERROR("  Window handle {:x} is INVALID!", hwnd_);
    return;
  }
  PV_LOG_INFO("  Window Title: {}", windowSystem_->title(hwnd_));
  PV_LOG_INFO("  Window Class: {}", windowSystem_->className(hwnd_));
  PV_LOG_INFO("  IsWindowVisible: {}", yesNo(windowSystem_->isVisible(hwnd_)));
  const bool minimized = windowSystem_->isMinimized(hwnd_);
  PV_LOG_INFO("  IsIconic (minimized): {}", yesNo(minimized));
  if (minimized) PV_LOG_WARN("  Window is MINIMIZED - capture may fail or return black frames");
  PV_LOG_INFO("=== END DIAGNOSTICS ===");
  ok = true;
}

bool WindowCapture::startCapture(FrameCallback callback) {
  if (capturing_.load()) {
    PV_LOG_WARN("Capture already started");
    return true;
  }
  if (hwnd_ == platform::kNoWindow || !windowSystem_ || !sourceFactory_) {
    PV_LOG_ERROR("WindowCapture not initialized");
    return false;
  }
  bool diagnosticsOk = false;
  logDiagnostics(diagnosticsOk);
  if (!diagnosticsOk) return false;

  try {
    // A previous source (a restart after a stop) is joined before it is replaced, so its thread
    // never sees source_ change under it.
    if (source_) {
      source_->stop();
      source_.reset();
    }
    PV_LOG_INFO("Creating capture item for window {:x}...", hwnd_);
    std::string error;
    std::unique_ptr<platform::CaptureSource> source =
        sourceFactory_->create(hwnd_, platform::CaptureOptions{fps_.load(), device_}, error);
    if (!source) {
      PV_LOG_ERROR("Failed to start capture: {}", error);
      return false;
    }
    const platform::CaptureSize size = source->size();
    size_.store(packSize(size.width, size.height));
    // No delivery can run yet (the old source is joined, the new one not started), so these
    // are set without deliveryMutex_: taking it here, under the caller's orchestrator lock,
    // would invert the delivery path's order (deliveryMutex_, then the orchestrator's lock).
    frameCallback_ = std::move(callback);
    poolWidth_ = size.width;
    poolHeight_ = size.height;
    poolMissingSince_.reset();
    source_ = std::move(source);
    // Set before the thread starts: the first frame (delivered at once for a static window)
    // must not be dropped as arriving "before the start".
    capturing_.store(true);
    if (!source_->start([this](const platform::CaptureFrame& frame) { processFrame(frame); },
                        [this] { onWindowClosed(); }, error)) {
      capturing_.store(false);
      {
        std::lock_guard lock(deliveryMutex_);
        frameCallback_ = nullptr;
      }
      source_.reset();
      PV_LOG_ERROR("Failed to start capture: {}", error);
      return false;
    }
    PV_LOG_INFO("Capture started for window {:x}", hwnd_);
    return true;
  } catch (const std::exception& e) {
    capturing_.store(false);
    PV_LOG_ERROR("Failed to start capture: {}", e.what());
    return false;
  }
}

void WindowCapture::processFrame(const platform::CaptureFrame& frame) {
  std::lock_guard lock(deliveryMutex_);
  if (!capturing_.load()) return;
  try {
    if (frame.width() != poolWidth_ || frame.height() != poolHeight_) {
      PV_LOG_INFO("Recreating frame pool: {}x{} -> {}x{}", poolWidth_, poolHeight_, frame.width(), frame.height());
      poolWidth_ = frame.width();
      poolHeight_ = frame.height();
      poolMissingSince_.reset();
      source_->recreateFramePool(frame.width(), frame.height());
      return;  // this frame is dropped; the source captures again at the new size at once
    }
    if (!frame.hasPixels()) {
      onPoolStillMissing();
      return;
    }
    poolMissingSince_.reset();
    size_.store(packSize(frame.width(), frame.height()));
    if (!firstFrameLogged.exchange(true)) {
      PV_LOG_INFO("First capture frame: {}x{}, format={}", frame.width(), frame.height(), kBgraFormatValue);
    }
    if (frameCallback_) {
      DeliveryScope scope(deliveringThread_);
      frameCallback_(frame);
    }
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Error processing frame: {}", e.what());
  } catch (...) {
    PV_LOG_ERROR("Error processing frame: {}", "unknown exception");
  }
  // A stop from inside the callback could not empty it while it ran.
  if (!capturing_.load()) frameCallback_ = nullptr;
}

void WindowCapture::onPoolStillMissing() {
  const auto now = clock_();
  if (!poolMissingSince_) {
    poolMissingSince_ = now;
    poolLastAsked_ = now;
    return;  // asked for with the size change just before; the retry interval starts here
  }
  if (now - *poolMissingSince_ >= kPoolGiveUpAfter) {
    PV_LOG_WARN("Frame pool {}x{} could not be created for {} s; ending the capture of window {:x}", poolWidth_,
                poolHeight_, kPoolGiveUpAfter.count(), hwnd_);
    poolMissingSince_.reset();
    // On the capture thread, inside this delivery: the stop only asks the source to end, as the
    // closed-window path does, and the callback is emptied once this delivery returns.
    DeliveryScope scope(deliveringThread_);
    stopCapture();
    return;
  }
  if (now - poolLastAsked_ >= kPoolRetryInterval) {
    poolLastAsked_ = now;
    source_->recreateFramePool(poolWidth_, poolHeight_);
  }
}

void WindowCapture::requestFrame() {
  if (!capturing_.load() || !source_) return;
  source_->requestFrame();
}

void WindowCapture::setFps(std::uint32_t fps) {
  fps_.store(fps == 0 ? platform::CaptureOptions::kDefaultFps : fps);
  if (source_) source_->setFps(fps_.load());
}

void WindowCapture::onWindowClosed() {
  try {
    PV_LOG_INFO("Captured window was closed");
    stopCapture();
  } catch (...) {
  }
}

void WindowCapture::stopCapture() {
  if (!capturing_.exchange(false)) return;
  // From another thread this waits for the capture thread to end (and so for a delivery in
  // progress); on the capture thread it only asks it to end.
  if (source_) source_->stop();
  if (deliveringThread_.load() != std::this_thread::get_id()) {
    std::lock_guard lock(deliveryMutex_);
    frameCallback_ = nullptr;
  }
  PV_LOG_INFO("Capture stopped");
}

void WindowCapture::getSize(std::uint32_t& width, std::uint32_t& height) const {
  const std::uint64_t packed = size_.load();
  width = static_cast<std::uint32_t>(packed >> 32);
  height = static_cast<std::uint32_t>(packed & 0xFFFFFFFFu);
}

}  // namespace parvalon::host
