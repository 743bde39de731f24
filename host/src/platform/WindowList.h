#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/WindowState.h"

namespace parvalon::host::platform {

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
  // A platform that draws and encodes icons itself (Windows: GDI and the Imaging Component)
  // hands over the finished PNG of the icon over black here and leaves argb empty; empty png
  // with empty argb means its encoding failed.
  std::vector<unsigned char> png{};
};

// The desktop's windows as the capture side lists, describes and captures them.
class WindowList : public virtual WindowState {
 public:
  // Top-level windows, topmost first (X11: _NET_CLIENT_LIST_STACKING reversed).
  virtual std::vector<WindowHandle> topLevelWindows() = 0;
  // The title as valid UTF-8 (invalid bytes already replaced by U+FFFD); empty when none.
  virtual std::string title(WindowHandle window) = 0;
  virtual WindowStyle style(WindowHandle window) = 0;
  // Hidden from the current desktop by the window manager (X11: on another virtual desktop).
  virtual bool isCloaked(WindowHandle window) = 0;
  // The window class as valid UTF-8 (X11: the class part of WM_CLASS, invalid bytes replaced
  // by U+FFFD); empty when none.
  virtual std::string className(WindowHandle window) = 0;
  // Size of what a capture can show now: 0 × 0 for a minimized window (nothing is drawn).
  virtual std::optional<WindowRect> clientRect(WindowHandle window) = 0;
  virtual bool isMaximized(WindowHandle window) = 0;
  // Full path of the owning process's executable as valid UTF-8 (bytes that are not replaced by
  // U+FFFD: a name to show, not to open); empty when it cannot be found.
  virtual std::string processImagePath(WindowHandle window) = 0;
  // The window's own icon (X11: the largest _NET_WM_ICON entry of at most 256 pixels a side);
  // nothing when it has none.
  virtual std::optional<IconImage> icon(WindowHandle window) = 0;
};

}  // namespace parvalon::host::platform
