#include "PatternCanvas.h"

#include <algorithm>

namespace parvalon::testpattern {

void PatternCanvas::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4, 0);
  for (std::size_t i = 3; i < pixels_.size(); i += 4) pixels_[i] = 255;
}

void PatternCanvas::apply(const std::vector<PatternFill>& fills) {
  for (const PatternFill& f : fills) {
    const int left = std::max(f.x, 0);
    const int top = std::max(f.y, 0);
    const int right = std::min(f.x + f.width, width_);
    const int bottom = std::min(f.y + f.height, height_);
    if (left >= right || top >= bottom) continue;
    const std::uint8_t bgra[4] = {f.colour.b, f.colour.g, f.colour.r, 255};
    for (int y = top; y < bottom; ++y) {
      std::uint8_t* p = pixels_.data() + static_cast<std::size_t>(y) * stride() + static_cast<std::size_t>(left) * 4;
      for (int x = left; x < right; ++x, p += 4) std::copy(bgra, bgra + 4, p);
    }
  }
}

}  // namespace parvalon::testpattern
