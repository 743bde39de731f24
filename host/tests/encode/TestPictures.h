#pragma once

#include <cstdint>
#include <vector>

#include "platform/CpuFrame.h"

namespace parvalon::host::testing {

struct ColourPatch {
  std::uint32_t x, y, size;
  std::uint8_t b, g, r;
};

// Saturated and neutral colours: a wrong matrix or range moves most of them well beyond ±6.
inline std::vector<ColourPatch> colourPatches() {
  return {{32, 48, 112, 0, 0, 255},    {160, 48, 112, 0, 255, 0},   {288, 48, 112, 255, 0, 0},
          {416, 48, 112, 255, 255, 0}, {544, 48, 112, 255, 0, 255}, {672, 48, 112, 0, 255, 255},
          {800, 48, 112, 255, 255, 255}, {928, 48, 112, 128, 128, 128}, {1056, 48, 112, 24, 24, 24}};
}

// Smooth gradients, the colour patches and a square moving 8 pixels a frame.
inline platform::CpuImage patternPicture(std::uint32_t width, std::uint32_t height, int frame) {
  platform::CpuImage image(width, height);
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint8_t* row = image.row(y);
    for (std::uint32_t x = 0; x < width; ++x) {
      row[4 * x] = static_cast<std::uint8_t>(x * 255 / width);
      row[4 * x + 1] = static_cast<std::uint8_t>(y * 255 / height);
      row[4 * x + 2] = static_cast<std::uint8_t>(255 - x * 200 / width);
    }
  }
  for (const ColourPatch& p : colourPatches()) {
    if (p.x + p.size > width || p.y + p.size > height) continue;
    for (std::uint32_t y = p.y; y < p.y + p.size; ++y) {
      std::uint8_t* row = image.row(y);
      for (std::uint32_t x = p.x; x < p.x + p.size; ++x) {
        row[4 * x] = p.b;
        row[4 * x + 1] = p.g;
        row[4 * x + 2] = p.r;
      }
    }
  }
  const std::uint32_t square = 64;
  if (width > square && height > 2 * square) {
    const std::uint32_t sx = static_cast<std::uint32_t>(frame * 8) % (width - square);
    const std::uint32_t sy = height - 2 * square;
    for (std::uint32_t y = sy; y < sy + square; ++y) {
      std::uint8_t* row = image.row(y);
      for (std::uint32_t x = sx; x < sx + square; ++x) {
        row[4 * x] = 40;
        row[4 * x + 1] = 200;
        row[4 * x + 2] = 230;
      }
    }
  }
  return image;
}

// Moving texture with fresh noise in every frame: more detail than any rate can carry, so the
// produced rate is set by the rate control alone.
inline platform::CpuImage busyPicture(std::uint32_t width, std::uint32_t height, int frame) {
  platform::CpuImage image(width, height);
  std::uint32_t state = 0x9E3779B9u ^ static_cast<std::uint32_t>(frame) * 2654435761u;
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint8_t* row = image.row(y);
    for (std::uint32_t x = 0; x < width; ++x) {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      const int noise = static_cast<int>(state & 31) - 16;
      const std::uint32_t block = ((x + frame * 6) / 8 * 7919u + (y / 8) * 104729u) * 2246822519u;
      const int base = static_cast<int>((block >> 24) & 0xFF);
      for (int c = 0; c < 3; ++c) {
        const int v = ((base + c * 85) & 0xFF) + noise;
        row[4 * x + c] = static_cast<std::uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
      }
    }
  }
  return image;
}

}  // namespace parvalon::host::testing
