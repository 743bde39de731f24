#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/WindowHandle.h"

namespace parvalon::host::platform {

// A rectangle in desktop (root) pixels.
struct WindowRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The decoration and role flags the window filter tests.
struct WindowStyle {
  bool toolWindow = false;  // a helper window (X11: override-redirect or a type other than NORMAL/DIALOG)
  bool hasCaption = true;   // has a title bar or border (X11: not undecorated by _MOTIF_WM_HINTS)
  bool appWindow = false;   // declared an application window (X11: type NORMAL set explicitly)
};

// An icon at its own size: one 0xAARRGGBB value a pixel, straight (not premultiplied) alpha,
// rows top to bottom.
struct IconImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint32_t> argb;
};

// Window queries and operations of the desktop. Every query takes any handle, also one that
// names no window (any more): it then answers false, empty or nothing, never fails otherwise.
// Thread-safe: the enumerator, the capture start, the injector and the focus code may share one.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Top-level windows, topmost first (X11: _NET_CLIENT_LIST_STACKING reversed).
  virtual std::vector<WindowHandle> topLevelWindows() = 0;
  // Whether the handle names an existing window.
  virtual bool isWindow(WindowHandle window) = 0;
  // Shown on the desktop or minimized; false for withdrawn or hidden windows.
  virtual bool isVisible(WindowHandle window) = 0;
  // The title as valid UTF-8 (invalid bytes already replaced by U+FFFD); empty when none.
  virtual std::string title(WindowHandle window) = 0;
  virtual WindowStyle style(WindowHandle window) = 0;
  // Hidden from the current desktop by the window manager (X11: on another virtual desktop).
  virtual bool isCloaked(WindowHandle window) = 0;
  // The window class as valid UTF-8 (X11: the class part of WM_CLASS, invalid bytes replaced
  // by U+FFFD); empty when none.
  virtual std::string className(WindowHandle window) = 0;
  // The window's rectangle on the desktop: exactly the picture a capture of it shows.
  virtual std::optional<WindowRect> windowRect(WindowHandle window) = 0;
  // Size of what a capture can show now: 0 × 0 for a minimized window (nothing is drawn).
  virtual std::optional<WindowRect> clientRect(WindowHandle window) = 0;
  virtual bool isMinimized(WindowHandle window) = 0;
  virtual bool isMaximized(WindowHandle window) = 0;
  // Full path of the owning process's executable as valid UTF-8 (bytes that are not replaced by
  // U+FFFD: a name to show, not to open); empty when it cannot be found.
  virtual std::string processImagePath(WindowHandle window) = 0;
  // The window's own icon (X11: the largest _NET_WM_ICON entry of at most 256 pixels a side);
  // nothing when it has none.
  virtual std::optional<IconImage> icon(WindowHandle window) = 0;

  // The desktop's window system, one instance shared by the process. Never null: without a
  // display every query answers empty.
  static std::shared_ptr<WindowSystem> create();
};

}  // namespace parvalon::host::platform
