#pragma once

#include <functional>
#include <memory>

namespace parvalon::host {

class DashboardBackend;

// The operator's window as the host loop drives it: one per platform (GLFW + OpenGL 3 on Linux,
// Win32 + a Direct3D 11 flip-model swap chain on Windows). Main thread only.
class DashboardWindow {
 public:
  virtual ~DashboardWindow() = default;

  // Runs the queued window messages; close, resize, exposure and display changes are noted.
  virtual void pollEvents() = 0;
  // The operator closed the window.
  virtual bool closeRequested() const = 0;
  // Resizes the back buffers to the size the window last reported, when one arrived since the
  // last call (a minimised window reports none); true when it did. The buffers' contents are
  // then undefined.
  virtual bool applyPendingResize() = 0;
  // True once after the window's contents were lost (exposed): the next frame is drawn whole.
  virtual bool takeContentsLost() = 0;
  // Shows the frame the dashboard just drew.
  virtual void present() = 0;
  // The dashboard's platform and renderer back end on this window.
  virtual std::unique_ptr<DashboardBackend> createDashboardBackend() = 0;
  // Runs from inside pollEvents when the display configuration changed.
  virtual void setDisplayChangeCallback(std::function<void()> callback) = 0;
};

}  // namespace parvalon::host
