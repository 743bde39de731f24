#pragma once

#include <cstdint>

namespace parvalon::host::platform {

// A B8G8R8A8 picture that lives on a GpuDevice (Windows: an ID3D11Texture2D). Portable code
// only passes it on and asks its size; the device that made it is the one that works on it.
class GpuTexture {
 public:
  virtual ~GpuTexture() = default;

  virtual std::uint32_t width() const = 0;
  virtual std::uint32_t height() const = 0;
};

}  // namespace parvalon::host::platform
