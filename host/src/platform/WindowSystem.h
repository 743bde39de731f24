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
// Size in pixels.
struct WindowSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// How showWindow changes a window (Windows: SW_RESTORE and SW_SHOW).
enum class ShowMode { Restore, Show };

struct IconImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint32_t> argb;
  // A platform that draws and encodes icons itself (Windows: GDI and the Imaging Component)
  // hands over the finished PNG of the icon over black here and leaves argb empty; empty png
  // with empty argb means its encoding failed.
  std::vector<unsigned char> png{};
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

  // ---- Input: foreground, focus, window-from-point, resize, screen metrics ----

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
  // The code of the calling thread's last failed operation of this interface; 0 when none.
  virtual std::uint32_t lastError() = 0;

  // The deepest window shown at a desktop pixel; kNoWindow when none.
  virtual WindowHandle windowFromPoint(std::int32_t x, std::int32_t y) = 0;
  // The top-level window a window belongs to (X11: the nearest ancestor carrying WM_STATE, else
  // the child of the root); kNoWindow for a handle that names nothing.
  virtual WindowHandle rootAncestor(WindowHandle window) = 0;

  // The outer size a window needs for a client area of the given size (X11: the same size).
  virtual std::optional<WindowSize> windowSizeForClient(WindowHandle window, std::int32_t clientWidth,
                                                        std::int32_t clientHeight) = 0;
  // The smallest size the window accepts (X11: WM_NORMAL_HINTS minimum size); 0 × 0 when it sets none.
  virtual WindowSize minimumSize(WindowHandle window) = 0;
  // Gives the window a new outer size, and moves it to (x, y) when `move` is set; the stacking
  // order and the focus stay as they are.
  virtual bool setWindowSize(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, bool move) = 0;
  // The whole desktop (X11: the root window) and the primary screen's size.
  virtual WindowRect virtualScreen() = 0;
  virtual WindowSize primaryScreenSize() = 0;

  // The desktop's window system, one instance shared by the process. Never null: without a
  // display every query answers empty.
  static std::shared_ptr<WindowSystem> create();
};

}  // namespace parvalon::host::platform
