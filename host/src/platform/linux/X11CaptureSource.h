#pragma once

#include <atomic>
#include <chrono>
#include <memory>

#include <xcb/xcb.h>

#include "platform/CaptureSource.h"
#include "platform/CaptureThread.h"
#include "platform/PendingCaptureSize.h"
#include "platform/linux/X11Extensions.h"
#include "platform/linux/XcbUtil.h"

namespace parvalon::host::platform::linux_x11 {

// A System V shared-memory image attached to one X connection: the "frame pool".
class ShmImage {
 public:
  ShmImage() = default;
  ~ShmImage() { release(); }
  ShmImage(const ShmImage&) = delete;
  ShmImage& operator=(const ShmImage&) = delete;

  bool create(xcb_connection_t* connection, std::uint32_t width, std::uint32_t height, std::string& error);
  void release();
  std::uint8_t* data() const { return data_; }
  std::uint32_t width() const { return width_; }
  std::uint32_t height() const { return height_; }
  std::uint32_t segment() const { return segment_; }

 private:
  xcb_connection_t* connection_ = nullptr;
  std::uint8_t* data_ = nullptr;
  std::uint32_t segment_ = 0;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
};

// Captures one window through its own connection and thread: the window is redirected
// (automatic Composite redirection, so covering windows do not touch its pixels), its pixmap
// named (again after every resize or re-map, since a named pixmap keeps its size), DAMAGE wakes
// the thread, at most `fps` images a second are read with MIT-SHM, and the XFixes cursor is
// blended in while the pointer is over the window. Pointer motion over the window, the pointer
// entering or leaving it and a new cursor shape wake the thread as damage does, so the cursor
// moves in the picture of a window that does not repaint (motion that a child window of the
// captured window takes for itself is not seen).
class X11CaptureSource final : public CaptureSource {
 public:
  static std::unique_ptr<X11CaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                                  std::string& error);
  ~X11CaptureSource() override;

  CaptureSize size() const override { return initialSize_; }
  bool start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) override;
  void recreateFramePool(std::uint32_t width, std::uint32_t height) override;
  void requestFrame() override;
  void setFps(std::uint32_t fps) override;
  void stop() override;

  // Blends a premultiplied ARGB cursor image whose top-left is at (left, top) in image pixels
  // into a BGRA image, clipped to the image.
  static void blendCursor(std::uint8_t* image, std::uint32_t stride, std::uint32_t width, std::uint32_t height,
                          const std::uint32_t* cursor, std::uint32_t cursorWidth, std::uint32_t cursorHeight,
                          std::int32_t left, std::int32_t top);

 private:
  X11CaptureSource() = default;
  void run();
  void handleEvent(const xcb_generic_event_t* event);
  bool nameWindowPixmap();
  void freePixmap();
  bool windowExists();
  // One capture attempt: pixels delivered, a new size announced, or nothing (an error).
  void captureOnce();
  void applyPendingPool();
  void waitForWork(std::chrono::steady_clock::duration timeout);
  void wake();
  // Answers requestFrame: a capture when the window is shown, else the last image again.
  void applyFrameRequest();

  XcbConnection connection_;
  xcb_window_t window_ = XCB_WINDOW_NONE;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  X11Extensions extensions_;
  CaptureSize initialSize_;
  int wakeFd_ = -1;  // eventfd that stop() writes to end a wait at once

  // Touched only by the capture thread once it runs (and by start before it does).
  FrameCallback onFrame_;
  ClosedCallback onClosed_;
  ShmImage image_;
  std::uint32_t damage_ = 0;
  xcb_pixmap_t pixmap_ = XCB_PIXMAP_NONE;
  std::uint32_t contentWidth_ = 0;
  std::uint32_t contentHeight_ = 0;
  std::uint32_t borderWidth_ = 0;
  bool redirected_ = false;
  bool mapped_ = true;
  bool needName_ = false;
  bool dirty_ = true;  // the first frame goes out at start even for a static window
  bool captureNow_ = false;
  bool closed_ = false;
  bool imageHoldsFrame_ = false;  // image_ still holds the last delivered picture
  bool cursorShown_ = false;      // the last picture has the cursor blended in
  std::uint8_t xfixesFirstEvent_ = 0;  // 0: cursor shape changes are not watched

  PendingCaptureSize pendingPool_;
  std::atomic<bool> frameRequested_{false};
  std::atomic<std::uint32_t> fps_{CaptureOptions::kDefaultFps};
  CaptureThread thread_;  // last: the loop ends before the members it uses go
};

}  // namespace parvalon::host::platform::linux_x11
