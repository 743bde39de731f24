#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

namespace parvalon::host::platform {

// A view of a BGRA picture (4 bytes a pixel, B G R A in memory) with a row stride in bytes.
// A capture hands one to its frame callback; it is valid only during that callback.
struct CpuFrame {
  const std::uint8_t* data = nullptr;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t stride = 0;  // bytes from one row to the next, >= width * 4
  std::int64_t timestampUs = 0;  // steady-clock capture time in microseconds

  const std::uint8_t* row(std::uint32_t y) const { return data + static_cast<std::size_t>(y) * stride; }
};

// An owned BGRA image, for example the encoder-sized padded picture.
class CpuImage {
 public:
  CpuImage() = default;
  CpuImage(std::uint32_t width, std::uint32_t height) { resize(width, height); }

  // Resizes to width × height and clears every pixel to opaque black.
  void resize(std::uint32_t width, std::uint32_t height) {
    width_ = width;
    height_ = height;
    stride_ = width * 4;
    pixels_.assign(static_cast<std::size_t>(stride_) * height, 0);
    for (std::size_t i = 3; i < pixels_.size(); i += 4) pixels_[i] = 0xFF;
  }

  std::uint32_t width() const { return width_; }
  std::uint32_t height() const { return height_; }
  std::uint32_t stride() const { return stride_; }
  std::uint8_t* data() { return pixels_.data(); }
  const std::uint8_t* data() const { return pixels_.data(); }
  std::uint8_t* row(std::uint32_t y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }

  CpuFrame view(std::int64_t timestampUs = 0) const {
    return CpuFrame{pixels_.data(), width_, height_, stride_, timestampUs};
  }

 private:
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
  std::uint32_t stride_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace parvalon::host::platform
