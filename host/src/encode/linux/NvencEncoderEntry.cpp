#include "encode/NvencEncoderEntry.h"

namespace parvalon::host {

// NVENC is a Windows runtime; this build streams with the software encoder.
std::unique_ptr<EncoderBase> makeNvencEncoder(std::shared_ptr<platform::GpuDevice>) { return nullptr; }

}  // namespace parvalon::host
