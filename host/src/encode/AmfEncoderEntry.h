#pragma once

#include <memory>

#include "encode/EncoderBase.h"
#include "platform/GpuDevice.h"

namespace parvalon::host {

// The AMF encoder as the factory reaches it, working on `device` (the orchestrator's Direct3D
// 11 device). Not yet initialized. A build without AMD's runtime (Linux) creates nothing.
std::unique_ptr<EncoderBase> makeAmfEncoder(std::shared_ptr<platform::GpuDevice> device);

}  // namespace parvalon::host
