#pragma once

#include <memory>

#include "encode/EncoderBase.h"
#include "platform/GpuDevice.h"

namespace parvalon::host {

// The NVENC encoder as the factory reaches it: an uninitialized encoder on `device`, or null
// where there is none (a build without the Windows back end, no device, or a device that is
// not Direct3D 11).
std::unique_ptr<EncoderBase> makeNvencEncoder(std::shared_ptr<platform::GpuDevice> device);

}  // namespace parvalon::host
