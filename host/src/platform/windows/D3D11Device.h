#pragma once

#include <d3d11.h>
#include <wrl/client.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/GpuDevice.h"
#include "platform/windows/D3D11Cas.h"

namespace parvalon::host::platform::win32 {

// The orchestrator's own Direct3D 11 device on the default adapter, tuned for latency, on which
// captures deliver their textures and the frame path pads, sharpens, reads back and uploads.
class D3D11Device final : public GpuDevice {
 public:
  // D3D11CreateDevice on the default adapter (BGRA support, feature level 11_1 or 11_0), tried
  // twice; null after the error line "Failed to create D3D11 device: {:#x}".
  static std::shared_ptr<D3D11Device> create();

  std::string adapterName() const override { return adapterName_; }
  std::uint64_t dedicatedMemoryMB() const override { return dedicatedMemoryMB_; }
  std::uint32_t vendorId() const override { return vendorId_; }

  std::unique_ptr<GpuTexture> createTextureLike(const GpuTexture& like, std::uint32_t width,
                                                std::uint32_t height) override;
  std::unique_ptr<GpuTexture> createTexture(std::uint32_t width, std::uint32_t height, TextureUse use) override;
  bool clearToBlack(GpuTexture& texture) override;
  bool copyRegion(const GpuTexture& source, GpuTexture& target, std::uint32_t width, std::uint32_t height) override;
  // Compiles the pass's shaders the first time; later calls answer as the first did.
  bool initializeSharpening() override;
  bool sharpen(const GpuTexture& input, GpuTexture& output, std::uint32_t width, std::uint32_t height,
               float sharpness) override;
  bool readBack(const GpuTexture& source, GpuTexture& staging, CpuImage& target) override;
  bool upload(const CpuFrame& source, GpuTexture& target) override;

  ID3D11Device* native() const { return device_.Get(); }

 private:
  D3D11Device(Microsoft::WRL::ComPtr<ID3D11Device> device, Microsoft::WRL::ComPtr<ID3D11DeviceContext> context);
  // Adapter facts and the latency settings; none of it can make the device unusable.
  void describeAndTune();

  Microsoft::WRL::ComPtr<ID3D11Device> device_;
  // Guards every use of the immediate context; taken by the capture threads (and encoders)
  // that share it. Multithread protection is on too, for users outside this class.
  std::mutex contextMutex_;
  Microsoft::WRL::ComPtr<ID3D11DeviceContext> context_;
  // The sharpening pass, whose draws use the context: under contextMutex_ too.
  D3D11Cas cas_;
  bool sharpeningTried_ = false;
  std::string adapterName_;
  std::uint64_t dedicatedMemoryMB_ = 0;
  std::uint32_t vendorId_ = 0;
};

}  // namespace parvalon::host::platform::win32
