#include "platform/GpuDevice.h"

namespace parvalon::host::platform {

// Captures and the software encoder work on CPU pixels here: no device between them.
std::shared_ptr<GpuDevice> GpuDevice::createDefault() { return nullptr; }

}  // namespace parvalon::host::platform
