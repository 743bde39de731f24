#pragma once

#include <cstdint>

#include "platform/WindowState.h"

namespace parvalon::host::platform {

// How showWindow changes a window (Windows: SW_RESTORE and SW_SHOW).
enum class ShowMode { Restore, Show };

// Foreground and keyboard focus: what bringing a window to the front takes.
class WindowFocus : public virtual WindowState {
 public:
  // The window in front (X11: _NET_ACTIVE_WINDOW; without an EWMH window manager the window
  // holding the input focus); kNoWindow when none.
  virtual WindowHandle foregroundWindow() = 0;
  // Asks for the window to be made the one in front (X11: _NET_ACTIVE_WINDOW request as a pager,
  // or the input focus without an EWMH window manager). True when the request was made.
  virtual bool setForegroundWindow(WindowHandle window) = 0;
  // Raises the window to the top of the stacking order.
  virtual bool bringWindowToTop(WindowHandle window) = 0;
  // Restores a minimized window or shows a hidden one.
  virtual bool showWindow(WindowHandle window, ShowMode mode) = 0;
  // Gives the window the keyboard focus.
  virtual bool setFocus(WindowHandle window) = 0;
  virtual bool setActiveWindow(WindowHandle window) = 0;
  // The thread that owns the window's input queue (0 where windows have none, as on X11), the
  // calling thread, and sharing one thread's input state with another's (false where unsupported).
  virtual std::uint64_t windowThreadId(WindowHandle window) = 0;
  virtual std::uint64_t currentThreadId() = 0;
  virtual bool attachThreadInput(std::uint64_t thread, std::uint64_t toThread, bool attach) = 0;
};

}  // namespace parvalon::host::platform
