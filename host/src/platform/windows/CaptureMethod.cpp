#include "platform/CaptureMethod.h"

#include <string>

#include "platform/windows/Win32CaptureSourceFactory.h"

namespace parvalon::host::platform {

// The value names the capture method chosen for this process (Windows Graphics Capture or GDI).
CaptureMethodNames captureMethodNames() {
  // The selection lives as long as the process, and so does the name it chose.
  static const std::string chosen = win32::captureMethods()->chosenName();
  return {"Capture:", "Window Capture:", chosen.c_str()};
}

}  // namespace parvalon::host::platform
