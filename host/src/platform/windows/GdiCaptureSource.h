#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/CaptureSource.h"
#include "platform/CaptureThread.h"
#include "platform/PendingCaptureSize.h"
#include "platform/windows/GdiFramePool.h"

namespace parvalon::host::platform::win32 {

// Captures one window's client area with GDI on a thread of its own: at most `fps` times a
// second the window's DC is copied (BitBlt) into a DIB section, the pointer drawn in while it is
// over the client area, and the picture delivered when it differs from the last one delivered.
// GDI sees only what is on screen: covered parts of the window read black, and a minimized
// window cannot be read at all (a frame request then repeats the last picture).
class GdiCaptureSource final : public CaptureSource {
 public:
  static std::unique_ptr<GdiCaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                                  std::string& error);
  ~GdiCaptureSource() override;

  CaptureSize size() const override { return initialSize_; }
  bool start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) override;
  void recreateFramePool(std::uint32_t width, std::uint32_t height) override;
  void requestFrame() override;
  void setFps(std::uint32_t fps) override;
  void stop() override;

 private:
  GdiCaptureSource(HWND window, CaptureSize size) : window_(window), initialSize_(size) {}
  void run();
  // One capture: pixels delivered (true), a new size announced, or nothing to deliver.
  bool captureOnce(bool deliverUnchanged);
  void drawCursor();
  // Makes the pool the consumer asked for; true when a new pool is in place.
  bool applyPendingPool();
  void waitForWork(std::chrono::steady_clock::time_point until);
  void wake();

  const HWND window_;
  const CaptureSize initialSize_;

  // Touched only by the capture thread once it runs (and by start before it does).
  FrameCallback onFrame_;
  ClosedCallback onClosed_;
  GdiFramePool pool_;
  // A copy of the last picture delivered: unchanged pictures are not delivered again, and a
  // frame request for a minimized window repeats it.
  std::vector<std::uint8_t> lastPicture_;
  CaptureSize lastPictureSize_;

  PendingCaptureSize pendingPool_;

  // Guards woken_; taken by the capture thread as it waits and by every thread that wakes it.
  std::mutex wakeMutex_;
  std::condition_variable wakeCondition_;
  bool woken_ = false;

  std::atomic<bool> frameRequested_{false};
  std::atomic<std::uint32_t> fps_{CaptureOptions::kDefaultFps};
  CaptureThread thread_;  // last: the loop ends before the members it uses go
};

}  // namespace parvalon::host::platform::win32
