#pragma once

#include <d3d11.h>
#include <wrl/client.h>

#include <cstdint>

#include "platform/GpuTexture.h"

namespace parvalon::host::platform::win32 {

// A GpuTexture that is a Direct3D 11 texture (a reference is held). Made by D3D11Device, or
// around a captured texture for the length of one frame.
class D3D11Texture final : public GpuTexture {
 public:
  explicit D3D11Texture(Microsoft::WRL::ComPtr<ID3D11Texture2D> texture);

  std::uint32_t width() const override { return width_; }
  std::uint32_t height() const override { return height_; }
  ID3D11Texture2D* native() const { return texture_.Get(); }

 private:
  Microsoft::WRL::ComPtr<ID3D11Texture2D> texture_;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
};

}  // namespace parvalon::host::platform::win32
