#pragma once

#include <cstdint>
#include <vector>

#include "PatternStamp.h"

namespace parvalon::testpattern {

// One filled rectangle of the pattern, in window pixels.
struct PatternFill {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  Rgb colour{};
  bool operator==(const PatternFill&) const = default;
};

// What the pattern draws, as rectangles to fill in order: each platform fills them its own way
// (X11 requests, or a BGRA buffer through PatternCanvas).
class PatternPainter {
 public:
  PatternPainter(int width, int height, bool blank) : width_(width), height_(height), blank_(blank) {}

  void resize(int width, int height) {
    width_ = width;
    height_ = height;
  }
  // The whole window: background, patches and the frame drawn at `timeUs`.
  std::vector<PatternFill> drawAll(std::uint64_t timeUs);
  // The parts that change every frame: stamp, counter, bar. The frame counter advances.
  std::vector<PatternFill> drawFrame(std::uint64_t timeUs);
  std::uint32_t frame() const { return frame_; }

 private:
  void drawCounter(std::vector<PatternFill>& out) const;
  void drawBar(std::vector<PatternFill>& out);

  int width_;
  int height_;
  bool blank_;
  std::uint32_t frame_ = 0;
  int barX_ = -1;
};

}  // namespace parvalon::testpattern
