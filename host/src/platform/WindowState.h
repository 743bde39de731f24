#pragma once

#include <cstdint>
#include <optional>

#include "platform/WindowHandle.h"

namespace parvalon::host::platform {

// A rectangle in desktop (root) pixels.
struct WindowRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// Size in pixels.
struct WindowSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// What every user of the desktop's windows asks about one window. Every query takes any handle,
// also one that names no window (any more): it then answers false, empty or nothing, never
// fails otherwise. Thread-safe.
class WindowState {
 public:
  virtual ~WindowState() = default;

  // Whether the handle names an existing window.
  virtual bool isWindow(WindowHandle window) = 0;
  // Shown on the desktop or minimized; false for withdrawn or hidden windows.
  virtual bool isVisible(WindowHandle window) = 0;
  virtual bool isMinimized(WindowHandle window) = 0;
  // The window's rectangle on the desktop (Windows: the outer frame; X11: exactly the picture a
  // capture of it shows).
  virtual std::optional<WindowRect> windowRect(WindowHandle window) = 0;
  // The top-level window a window belongs to (X11: the nearest ancestor carrying WM_STATE, else
  // the child of the root); kNoWindow for a handle that names nothing.
  virtual WindowHandle rootAncestor(WindowHandle window) = 0;
  // The code of the calling thread's last failed operation of the window system; 0 when none.
  virtual std::uint32_t lastError() = 0;
};

}  // namespace parvalon::host::platform
