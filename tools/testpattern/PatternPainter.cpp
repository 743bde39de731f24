#include "PatternPainter.h"

namespace parvalon::testpattern {

std::vector<PatternFill> PatternPainter::drawAll(std::uint64_t timeUs) {
  std::vector<PatternFill> out{{0, 0, width_, height_, kBackground}};
  if (blank_) return out;
  for (std::size_t i = 0; i < kPatches.size(); ++i) {
    out.push_back({patchLeft(i), kPatchY, kPatchSize, kPatchSize, kPatches[i]});
  }
  barX_ = -1;  // the background just covered it
  const auto frame = drawFrame(timeUs);
  out.insert(out.end(), frame.begin(), frame.end());
  return out;
}

std::vector<PatternFill> PatternPainter::drawFrame(std::uint64_t timeUs) {
  // The stamp's blocks do not overlap: white ones first, then black, so that a window system
  // fills each colour with one request.
  std::vector<PatternFill> out;
  std::vector<PatternFill> black;
  const auto words = stampWords(Stamp{timeUs, frame_});
  for (int row = 0; row < kStampRows; ++row) {
    for (int bit = 0; bit < kStampBitsPerRow; ++bit) {
      const PatternFill block{kStampX + bit * kStampBlock, kStampY + row * kStampBlock, kStampBlock, kStampBlock,
                              stampBlockWhite(words, row, bit) ? Rgb{255, 255, 255} : Rgb{0, 0, 0}};
      (block.colour == Rgb{0, 0, 0} ? black : out).push_back(block);
    }
  }
  out.insert(out.end(), black.begin(), black.end());
  drawCounter(out);
  drawBar(out);
  ++frame_;
  return out;
}

void PatternPainter::drawCounter(std::vector<PatternFill>& out) const {
  // Segments a..g of a seven-segment digit.
  static constexpr std::uint8_t kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  constexpr int t = 5;  // segment thickness
  constexpr int w = kDigitWidth, h = kDigitHeight, half = kDigitHeight / 2;
  out.push_back({kCounterX, kCounterY, kCounterDigits * (w + kDigitGap), h, kBackground});
  std::uint32_t value = frame_;
  for (int d = kCounterDigits - 1; d >= 0; --d) {
    const int digit = static_cast<int>(value % 10);
    value /= 10;
    const int x = kCounterX + d * (w + kDigitGap);
    const int y = kCounterY;
    const PatternFill seg[7] = {{x, y, w, t, kDigitColour},                       // a
                                {x + w - t, y, t, half, kDigitColour},            // b
                                {x + w - t, y + half, t, half, kDigitColour},     // c
                                {x, y + h - t, w, t, kDigitColour},               // d
                                {x, y + half, t, half, kDigitColour},             // e
                                {x, y, t, half, kDigitColour},                    // f
                                {x, y + half - t / 2, w, t, kDigitColour}};       // g
    for (int s = 0; s < 7; ++s) {
      if (kSegments[digit] & (1 << s)) out.push_back(seg[s]);
    }
  }
}

void PatternPainter::drawBar(std::vector<PatternFill>& out) {
  if (height_ <= kBarY || width_ <= kBarWidth) return;
  const int barHeight = height_ - kBarY;
  if (barX_ >= 0) out.push_back({barX_, kBarY, kBarWidth, barHeight, kBackground});
  barX_ = static_cast<int>((static_cast<std::uint64_t>(frame_) * kBarStep) % static_cast<std::uint64_t>(width_ - kBarWidth));
  out.push_back({barX_, kBarY, kBarWidth, barHeight, kBarColour});
}

}  // namespace parvalon::testpattern
