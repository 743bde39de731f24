#pragma once

#include <memory>

#include "platform/CaptureMethodSelection.h"

namespace parvalon::host::platform::win32 {

// The capture methods of the Windows host, best first, as one process-wide selection: the
// capture factory of CaptureSourceFactory::createDefault and the dashboard's "Capture:" value.
std::shared_ptr<CaptureMethodSelection> captureMethods();
// Whether the chosen method shows a window's client area alone (GDI) rather than all of it.
bool captureShowsClientArea();

}  // namespace parvalon::host::platform::win32
