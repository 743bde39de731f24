#include "platform/windows/D3D11Texture.h"

#include <utility>

namespace parvalon::host::platform::win32 {

D3D11Texture::D3D11Texture(Microsoft::WRL::ComPtr<ID3D11Texture2D> texture) : texture_(std::move(texture)) {
  if (!texture_) return;
  D3D11_TEXTURE2D_DESC desc{};
  texture_->GetDesc(&desc);
  width_ = desc.Width;
  height_ = desc.Height;
}

}  // namespace parvalon::host::platform::win32
