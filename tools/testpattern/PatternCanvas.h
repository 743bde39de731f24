#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "PatternPainter.h"

namespace parvalon::testpattern {

// The pattern as a top-down BGRA picture (4 bytes a pixel, alpha 255), where a window system
// shows a buffer rather than drawing rectangles itself.
class PatternCanvas {
 public:
  // New pixels are black until the next fills cover them.
  void resize(int width, int height);
  // Fills the rectangles in order, each clipped to the picture.
  void apply(const std::vector<PatternFill>& fills);

  int width() const { return width_; }
  int height() const { return height_; }
  std::size_t stride() const { return static_cast<std::size_t>(width_) * 4; }
  const std::uint8_t* pixels() const { return pixels_.data(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace parvalon::testpattern
