#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace parvalon::viewer {

// Packed 8-bit RGB, rows without padding.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 3

  const std::uint8_t* at(int x, int y) const {
    return pixels.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
  }
};

}  // namespace parvalon::viewer
