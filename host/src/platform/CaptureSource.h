#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/CaptureFrame.h"
#include "platform/GpuDevice.h"
#include "platform/WindowHandle.h"

namespace parvalon::host::platform {

struct CaptureSize {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool operator==(const CaptureSize&) const = default;
};

struct CaptureOptions {
  static constexpr std::uint32_t kDefaultFps = 60;
  // At most this many captures a second; wake-ups in between are coalesced.
  std::uint32_t fps = kDefaultFps;
  // The device texture frames are made on (the orchestrator's); CPU sources ignore it, and a
  // texture source cannot be made without it.
  std::shared_ptr<GpuDevice> device;
};

// The live pixel source of one window: the platform's capture service.
//
// Threads: each source owns one capture thread. Both callbacks run on it, one at a time, never
// concurrently with each other.
//
// Frames: a frame's width and height are the window's content size now. A source delivers one
// kind: CPU pixels (X11, GDI) or textures on CaptureOptions::device (Windows.Graphics.Capture).
// The source fills a "frame pool" (X11: one shared-memory image; WGC: its pool of textures) of
// the pool size; when the content size differs from the pool size the frame carries no pixels
// (hasPixels is false) and only announces the new size: the consumer calls
// recreateFramePool(width, height) (from inside the callback is fine) and the source captures
// again at once at the new size. Pixels and textures are valid during the callback only. A
// window that shows nothing new delivers nothing, except the first frame after start and the
// frame requestFrame asks for.
//
// Closed: the window was destroyed (or vanished under a request). It is reported once, after
// which no frame follows.
class CaptureSource {
 public:
  // A CpuFrame converts to CaptureFrame, so a CPU source calls onFrame(cpuFrame).
  using FrameCallback = std::function<void(const CaptureFrame& frame)>;
  using ClosedCallback = std::function<void()>;

  // Stops and joins the capture thread. Must not run on the capture thread itself.
  virtual ~CaptureSource() = default;

  // The window's content size when the source was created; the first pool size.
  virtual CaptureSize size() const = 0;
  // Starts the capture thread. false with `error` filled (the X error, for instance) when the
  // capture cannot start; nothing runs then.
  virtual bool start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) = 0;
  // Makes the frame pool width × height; takes effect before the next capture. When the pool
  // cannot be made, the source keeps announcing the size it needs (frames without pixels).
  virtual void recreateFramePool(std::uint32_t width, std::uint32_t height) = 0;
  // Delivers one frame soon even when nothing changed: the window's picture again (X11: read
  // again within the rate limit, or the last image once more while the window is unmapped).
  // A capture that is due anyway satisfies it. Any thread, never blocks.
  virtual void requestFrame() = 0;
  // Changes the rate limit of the running capture (at most `fps` captures a second, clamped to
  // at least 1). Any thread, never blocks.
  virtual void setFps(std::uint32_t fps) = 0;
  // Ends the capture. From any other thread it returns after the capture thread has ended, so
  // it waits for a running callback: never call it while holding a lock a callback takes.
  // From the capture thread itself (inside a callback) it only asks the thread to end and
  // returns at once. Idempotent.
  virtual void stop() = 0;
};

// Creates capture sources and tells whether window capture works on this system.
class CaptureSourceFactory {
 public:
  virtual ~CaptureSourceFactory() = default;

  // Whether window capture works here; `reason` says what is missing when it does not
  // (X11: Composite >= 0.2, DAMAGE and MIT-SHM are needed).
  virtual bool isSupported(std::string& reason) = 0;
  // Lines about the platform for the capture diagnostics block, indented by two blanks
  // (X11: the server vendor and release and the extensions found with their versions).
  virtual std::vector<std::string> diagnostics() = 0;
  // A source for the window, not yet started; null with `error` filled when it cannot be made.
  virtual std::unique_ptr<CaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                                std::string& error) = 0;

  // The real capture service of this platform.
  static std::shared_ptr<CaptureSourceFactory> createDefault();
};

}  // namespace parvalon::host::platform
