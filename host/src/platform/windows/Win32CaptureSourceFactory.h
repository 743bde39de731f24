#pragma once

#include <memory>

#include "platform/CaptureMethodSelection.h"

namespace parvalon::host::platform::win32 {

// The capture methods of the Windows host, best first, as one process-wide selection: the
// capture factory of CaptureSourceFactory::createDefault and the dashboard's "Capture:" value.
std::shared_ptr<CaptureMethodSelection> captureMethods();

}  // namespace parvalon::host::platform::win32
