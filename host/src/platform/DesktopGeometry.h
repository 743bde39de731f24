#pragma once

#include <cstdint>
#include <optional>

#include "platform/WindowState.h"

namespace parvalon::host::platform {

// The desktop's extent, what lies under a pixel, and window sizes: what aiming input and
// resizing a window take.
class DesktopGeometry : public virtual WindowState {
 public:
  // The part of the window its capture shows, in desktop pixels: a client's positions are
  // fractions of it. The window's rectangle unless the capture shows less (Windows' GDI capture
  // copies the client area alone).
  virtual std::optional<WindowRect> shownRect(WindowHandle window) { return windowRect(window); }
  // The deepest window shown at a desktop pixel; kNoWindow when none.
  virtual WindowHandle windowFromPoint(std::int32_t x, std::int32_t y) = 0;
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
};

}  // namespace parvalon::host::platform
