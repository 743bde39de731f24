#include "platform/windows/GdiCaptureSource.h"

#include <algorithm>
#include <cstring>

#include <fmt/format.h>

#include "logging/Log.h"
#include "platform/windows/Win32WindowSystem.h"

namespace parvalon::host::platform::win32 {

namespace {

constexpr std::uint32_t kMaxFps = 1000;

std::int64_t steadyMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The client area's size; zero for a minimized window.
CaptureSize clientSize(HWND window) {
  RECT rect{};
  if (!GetClientRect(window, &rect)) return {};
  return {static_cast<std::uint32_t>(std::max<LONG>(0, rect.right - rect.left)),
          static_cast<std::uint32_t>(std::max<LONG>(0, rect.bottom - rect.top))};
}

// An icon's hot spot; GetIconInfo hands out two bitmaps the caller owns.
POINT hotSpot(HCURSOR cursor) {
  ICONINFO info{};
  if (!GetIconInfo(cursor, &info)) return {0, 0};
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
}

}  // namespace

std::unique_ptr<GdiCaptureSource> GdiCaptureSource::create(WindowHandle window, const CaptureOptions& options,
                                                           std::string& error) {
  HWND hwnd = Win32WindowSystem::toHwnd(window);
  if (!hwnd || !IsWindow(hwnd)) {
    error = fmt::format("{:x} is not a window", window);
    return nullptr;
  }
  std::unique_ptr<GdiCaptureSource> source{new GdiCaptureSource(hwnd, clientSize(hwnd))};
  source->setFps(options.fps);
  return source;
}

GdiCaptureSource::~GdiCaptureSource() { stop(); }

bool GdiCaptureSource::start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) {
  if (!thread_.unused()) {
    error = "capture source already used";
    return false;
  }
  if (!IsWindow(window_)) {
    error = "the window was destroyed";
    return false;
  }
  if (IsIconic(window_)) {
    error = "the window is minimized (GDI reads nothing from it)";
    return false;
  }
  // The pool starts at the size the consumer was told (size()); a resize since then is
  // announced by the first capture.
  if (!pool_.create(initialSize_.width, initialSize_.height, error)) return false;
  onFrame_ = std::move(onFrame);
  onClosed_ = std::move(onClosed);
  thread_.start([this] { run(); });
  return true;
}

void GdiCaptureSource::recreateFramePool(std::uint32_t width, std::uint32_t height) {
  pendingPool_.post({width, height});
  wake();
}

void GdiCaptureSource::requestFrame() {
  frameRequested_.store(true);
  wake();
}

void GdiCaptureSource::setFps(std::uint32_t fps) {
  fps_.store(std::clamp<std::uint32_t>(fps, 1, kMaxFps));
  wake();
}

void GdiCaptureSource::wake() {
  {
    std::lock_guard lock(wakeMutex_);
    woken_ = true;
  }
  wakeCondition_.notify_all();
}

void GdiCaptureSource::waitForWork(std::chrono::steady_clock::time_point until) {
  std::unique_lock lock(wakeMutex_);
  wakeCondition_.wait_until(lock, until, [this] { return woken_; });
  woken_ = false;
}

void GdiCaptureSource::stop() {
  thread_.stop([this] { wake(); });
}

bool GdiCaptureSource::applyPendingPool() {
  const auto pending = pendingPool_.take();
  if (!pending) return false;
  const CaptureSize size = *pending;
  std::string error;
  if (!pool_.create(size.width, size.height, error)) {
    PV_LOG_ERROR("Capture of window {:x}: frame pool {}x{} not created: {}", Win32WindowSystem::fromHwnd(window_),
                 size.width, size.height, error);
    return false;
  }
  lastPictureSize_ = {};  // a picture of the old size is no picture to repeat
  return true;
}

void GdiCaptureSource::drawCursor() {
  CURSORINFO cursor{};
  cursor.cbSize = sizeof(cursor);
  if (!GetCursorInfo(&cursor) || !(cursor.flags & CURSOR_SHOWING) || !cursor.hCursor) return;
  POINT origin{0, 0};
  if (!ClientToScreen(window_, &origin)) return;
  const LONG x = cursor.ptScreenPos.x - origin.x;
  const LONG y = cursor.ptScreenPos.y - origin.y;
  if (x < 0 || y < 0 || x >= static_cast<LONG>(pool_.width()) || y >= static_cast<LONG>(pool_.height())) return;
  const POINT hot = hotSpot(cursor.hCursor);
  DrawIconEx(pool_.dc(), x - hot.x, y - hot.y, cursor.hCursor, 0, 0, 0, nullptr, DI_NORMAL);
}

bool GdiCaptureSource::captureOnce(bool deliverUnchanged) {
  if (IsIconic(window_)) {
    // Nothing on screen to read; a requested frame repeats the last picture.
    if (deliverUnchanged && lastPictureSize_.width != 0) {
      onFrame_(CpuFrame{lastPicture_.data(), lastPictureSize_.width, lastPictureSize_.height,
                        lastPictureSize_.width * 4, steadyMicros()});
      return true;
    }
    return false;
  }
  const CaptureSize content = clientSize(window_);
  if (content.width == 0 || content.height == 0) return false;
  if (content.width != pool_.width() || content.height != pool_.height()) {
    // The pool no longer fits: announce the new size; the consumer re-creates the pool.
    onFrame_(CpuFrame{nullptr, content.width, content.height, 0, steadyMicros()});
    return false;
  }
  HDC windowDc = GetDC(window_);
  if (!windowDc) return false;
  const BOOL copied = BitBlt(pool_.dc(), 0, 0, static_cast<int>(content.width), static_cast<int>(content.height),
                             windowDc, 0, 0, SRCCOPY);
  ReleaseDC(window_, windowDc);
  const std::int64_t timestamp = steadyMicros();
  if (!copied) return false;
  drawCursor();
  GdiFlush();  // the DIB's memory is read directly: GDI's batched drawing must have landed
  const bool same = lastPictureSize_ == content && std::memcmp(lastPicture_.data(), pool_.pixels(), pool_.bytes()) == 0;
  if (same && !deliverUnchanged) return false;
  lastPicture_.assign(pool_.pixels(), pool_.pixels() + pool_.bytes());
  lastPictureSize_ = content;
  onFrame_(CpuFrame{pool_.pixels(), content.width, content.height, pool_.stride(), timestamp});
  return true;
}

void GdiCaptureSource::run() {
  auto nextCapture = std::chrono::steady_clock::now();
  bool deliverNext = true;  // the first picture goes out even when the window never changes
  bool captureNow = false;
  while (!thread_.stopRequested()) {
    if (!IsWindow(window_)) {
      if (!thread_.stopRequested() && onClosed_) onClosed_();
      break;
    }
    if (applyPendingPool()) {
      captureNow = true;  // the frame dropped for the new size is taken again at once
      deliverNext = true;
    }
    if (frameRequested_.exchange(false)) deliverNext = true;
    // Read every turn: setFps applies to the running capture.
    const auto interval = std::chrono::microseconds(1000000 / fps_.load());
    const auto now = std::chrono::steady_clock::now();
    if (captureNow || now >= nextCapture) {
      if (!captureNow) {
        // Keep the phase while keeping up; after a slow turn count from now (no burst).
        nextCapture += interval;
        if (nextCapture <= now) nextCapture = now + interval;
      }
      captureNow = false;
      if (captureOnce(deliverNext)) deliverNext = false;
      continue;
    }
    waitForWork(nextCapture);
  }
}

}  // namespace parvalon::host::platform::win32
