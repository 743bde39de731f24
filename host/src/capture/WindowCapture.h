#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/CaptureFrame.h"
#include "platform/CaptureSource.h"
#include "platform/GpuDevice.h"
#include "platform/WindowHandle.h"
#include "platform/WindowSystem.h"

namespace parvalon::host {

// Captures one window continuously and hands every new frame to a callback on the capture
// thread. One instance per stream.
//
// Stop versus delivery (the rule callers must keep):
// - A delivery (the frame callback) and stopCapture/destruction exclude each other: the
//   callback is never emptied, and the object never destroyed, while a delivery runs in it.
//   stopCapture called on another thread therefore WAITS for a running delivery to return.
// - The frame callback takes the orchestrator's lock. So stopCapture and the destructor must
//   never be called while holding that lock (or any lock the callback takes): take the session
//   out of the map under the lock, release the lock, then stop and destroy it. A delivery that
//   runs meanwhile finds no session and returns.
// - stopCapture on the capture thread itself (from the frame callback, or the window-closed
//   path) does not wait for itself: it clears `capturing`, asks the source to end and returns;
//   the callback is emptied once the running delivery has returned.
// - The destructor must not run on the capture thread (it joins that thread).
class WindowCapture {
 public:
  using FrameCallback = std::function<void(const platform::CaptureFrame& frame)>;
  // The time source of the frame-pool retry (steady clock unless a test injects one).
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // A frame pool (X11: the shared-memory image) that cannot be made for a new size is asked
  // for again at most this often, on the frames that keep announcing the size...
  static constexpr std::chrono::milliseconds kPoolRetryInterval{100};
  // ...and after this long without one the capture ends as if the window had closed.
  static constexpr std::chrono::seconds kPoolGiveUpAfter{5};

  // Frames are BGRA (CPU pixels or B8G8R8A8 textures); the number a first-frame log line reports
  // for that format (the value of DXGI_FORMAT_B8G8R8A8_UNORM, so logs read the same everywhere).
  static constexpr int kBgraFormatValue = 87;

  // The real window system and capture service of this platform.
  WindowCapture();
  WindowCapture(std::shared_ptr<platform::WindowList> windowSystem,
                std::shared_ptr<platform::CaptureSourceFactory> sourceFactory, Clock clock = {});
  ~WindowCapture();

  WindowCapture(const WindowCapture&) = delete;
  WindowCapture& operator=(const WindowCapture&) = delete;

  // Checks support and the window, reads its size. `fps` bounds the capture rate (the
  // encoder's frame rate); `device` is the one texture frames are delivered on (null: none). false after one error line: "Invalid window handle", "Failed to get
  // window rect", "Window has zero size" (also for a minimized window), or not supported.
  bool initialize(platform::WindowHandle window,
                  std::uint32_t fps = platform::CaptureOptions::kDefaultFps,
                  std::shared_ptr<platform::GpuDevice> device = {});
  // Logs the diagnostics block and starts capturing. Already capturing: warning "Capture
  // already started", true, and the new callback is dropped.
  bool startCapture(FrameCallback callback);
  // Idempotent; the second call logs nothing. See the rule above.
  void stopCapture();
  bool isCapturing() const { return capturing_.load(); }
  // Neither of these two runs concurrently with startCapture (the orchestrator's session lock).
  // Asks the source for one more frame even when the window shows nothing new (a key frame of
  // a static window needs a picture to encode). Nothing when not capturing. Never blocks.
  void requestFrame();
  // The capture rate from now on, also of a running capture. Never blocks.
  void setFps(std::uint32_t fps);
  // The reported size: client area after initialize, source size after startCapture, content
  // size of the last delivered frame afterwards.
  void getSize(std::uint32_t& width, std::uint32_t& height) const;

 private:
  void processFrame(const platform::CaptureFrame& frame);
  void onWindowClosed();
  void logDiagnostics(bool& supported);
  // A frame without pixels at the pool size: the pool for that size was not made.
  void onPoolStillMissing();

  std::shared_ptr<platform::WindowList> windowSystem_;
  std::shared_ptr<platform::CaptureSourceFactory> sourceFactory_;
  std::unique_ptr<platform::CaptureSource> source_;
  Clock clock_;
  platform::WindowHandle hwnd_ = platform::kNoWindow;
  std::atomic<std::uint32_t> fps_{platform::CaptureOptions::kDefaultFps};
  std::shared_ptr<platform::GpuDevice> device_;  // set by initialize, before any capture

  // Guards frameCallback_ and the pool size; taken by the capture thread for a whole delivery
  // and by startCapture/stopCapture/the destructor (caller threads) to install/empty the callback.
  std::mutex deliveryMutex_;
  FrameCallback frameCallback_;
  // The thread inside a delivery right now, so a stop from that same thread does not wait for itself.
  std::atomic<std::thread::id> deliveringThread_{};
  std::uint32_t poolWidth_ = 0;
  std::uint32_t poolHeight_ = 0;
  // Frame-pool retry state (under deliveryMutex_): when the pool of poolWidth_ × poolHeight_
  // was first asked for without success, and when it was last asked for.
  std::optional<std::chrono::steady_clock::time_point> poolMissingSince_;
  std::chrono::steady_clock::time_point poolLastAsked_{};

  std::atomic<bool> capturing_{false};
  // Width in the high, height in the low 32 bits, so a reader never sees half of a change.
  std::atomic<std::uint64_t> size_{0};
};

}  // namespace parvalon::host
