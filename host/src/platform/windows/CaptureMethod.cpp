#include "platform/CaptureMethod.h"

namespace parvalon::host::platform {

CaptureMethodNames captureMethodNames() { return {"WGC:", "Windows Graphics Capture:", "Supported"}; }

}  // namespace parvalon::host::platform
