#include "encode/NvencEncoderEntry.h"

#include "encode/windows/NvencEncoder.h"
#include "platform/windows/D3D11Device.h"

namespace parvalon::host {

std::unique_ptr<EncoderBase> makeNvencEncoder(std::shared_ptr<platform::GpuDevice> device) {
  // NVENC opens its session on a Direct3D 11 device; frames on any other device cannot reach it.
  if (dynamic_cast<platform::win32::D3D11Device*>(device.get()) == nullptr) return nullptr;
  return std::make_unique<NvencEncoder>(std::move(device));
}

}  // namespace parvalon::host
