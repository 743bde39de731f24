#pragma once

#include <windows.h>

#include <optional>

#include "platform/WindowSystem.h"

namespace parvalon::host::platform::win32 {

// Turns a window's icon into a PNG: drawn with GDI at the icon's own size over black, encoded
// with the Windows Imaging Component. The caller holds COM on the thread.
class Win32IconRenderer {
 public:
  // Nothing when the icon's bitmaps cannot be read or drawn (a warning names the step). An
  // image whose png is empty when the encoding failed (warned); the caller reports the empty PNG.
  static std::optional<IconImage> render(HICON icon);
};

}  // namespace parvalon::host::platform::win32
