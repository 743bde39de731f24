#include "platform/CaptureMethod.h"

namespace parvalon::host::platform {

// Windows are read from the X server's composite pixmaps.
CaptureMethodNames captureMethodNames() { return {"Capture:", "Window Capture:", "XComposite"}; }

}  // namespace parvalon::host::platform
