#pragma once

// The test pattern's machine-readable content, shared by the pattern window and by whoever
// reads it back (tests, the viewer, benchmarks). Positions are in window pixels from the
// window's top-left corner; nothing here depends on the window system.
//
// Stamp: 4 rows of 32 blocks, each block kStampBlock × kStampBlock pixels of pure black (0) or
// white (1), most significant bit on the left. Row 0 = high 32 bits of the steady-clock
// (CLOCK_MONOTONIC) time in microseconds at which the frame was drawn, row 1 = its low 32 bits,
// row 2 = the frame counter, row 3 = a check word (FNV-1a of rows 0-2). Big blocks and a check
// word keep it readable after lossy, chroma-subsampled video coding.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace parvalon::testpattern {

inline constexpr int kStampBlock = 16;
inline constexpr int kStampX = 16;
inline constexpr int kStampY = 16;
inline constexpr int kStampBitsPerRow = 32;
inline constexpr int kStampRows = 4;
inline constexpr int kStampWidth = kStampBitsPerRow * kStampBlock;  // 512
inline constexpr int kStampHeight = kStampRows * kStampBlock;       // 64

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

// Colour patches: kPatchCount squares of kPatchSize pixels side by side starting at
// (kPatchX, kPatchY).
inline constexpr int kPatchX = 16;
inline constexpr int kPatchY = kStampY + kStampHeight + 16;  // 96
inline constexpr int kPatchSize = 64;
inline constexpr std::array<Rgb, 8> kPatches{{{255, 0, 0},
                                              {0, 255, 0},
                                              {0, 0, 255},
                                              {255, 255, 0},
                                              {0, 255, 255},
                                              {255, 0, 255},
                                              {128, 128, 128},
                                              {192, 96, 32}}};
inline constexpr int patchLeft(std::size_t index) { return kPatchX + static_cast<int>(index) * kPatchSize; }

// The human-readable frame counter (seven-segment digits) and the moving bar.
inline constexpr int kCounterX = 16;
inline constexpr int kCounterY = kPatchY + kPatchSize + 16;  // 176
inline constexpr int kCounterDigits = 8;
inline constexpr int kDigitWidth = 24;
inline constexpr int kDigitHeight = 40;
inline constexpr int kDigitGap = 8;
inline constexpr int kBarY = kCounterY + kDigitHeight + 16;  // 232
inline constexpr int kBarWidth = 32;
inline constexpr int kBarStep = 8;  // pixels a frame

inline constexpr Rgb kBackground{32, 40, 56};
inline constexpr Rgb kBarColour{240, 240, 240};
inline constexpr Rgb kDigitColour{255, 255, 255};
// Smallest window that shows stamp, patches and counter whole.
inline constexpr int kMinWidth = kPatchX + static_cast<int>(kPatches.size()) * kPatchSize + 16;  // 544
inline constexpr int kMinHeight = kBarY + 16;

// The stamp's and the input log's clock: the steady clock in microseconds (CLOCK_MONOTONIC on
// Linux, the performance counter on Windows), which the host and its readers share.
inline std::uint64_t steadyMicros() {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

struct Stamp {
  std::uint64_t timeUs = 0;
  std::uint32_t frame = 0;
  bool operator==(const Stamp&) const = default;
};

inline std::uint32_t stampCheck(std::uint32_t high, std::uint32_t low, std::uint32_t frame) {
  std::uint32_t hash = 2166136261u;
  for (std::uint32_t word : {high, low, frame}) {
    for (int i = 0; i < 4; ++i) {
      hash ^= (word >> (8 * i)) & 0xFFu;
      hash *= 16777619u;
    }
  }
  return hash;
}

inline std::array<std::uint32_t, kStampRows> stampWords(const Stamp& stamp) {
  const auto high = static_cast<std::uint32_t>(stamp.timeUs >> 32);
  const auto low = static_cast<std::uint32_t>(stamp.timeUs);
  return {high, low, stamp.frame, stampCheck(high, low, stamp.frame)};
}

// Whether the block of `row`, `bit` (0 = leftmost) is white.
inline bool stampBlockWhite(const std::array<std::uint32_t, kStampRows>& words, int row, int bit) {
  return ((words[static_cast<std::size_t>(row)] >> (kStampBitsPerRow - 1 - bit)) & 1u) != 0;
}

// Reads the stamp through `luma(x, y)` (0..255 brightness of a picture pixel): each block's
// inner half is averaged and compared with mid-grey. Nothing when the picture is too small or
// the check word does not match.
template <class Luma>
std::optional<Stamp> decodeStamp(Luma&& luma, int width, int height) {
  if (width < kStampX + kStampWidth || height < kStampY + kStampHeight) return std::nullopt;
  std::array<std::uint32_t, kStampRows> words{};
  constexpr int kInset = kStampBlock / 4;
  for (int row = 0; row < kStampRows; ++row) {
    for (int bit = 0; bit < kStampBitsPerRow; ++bit) {
      const int x0 = kStampX + bit * kStampBlock + kInset;
      const int y0 = kStampY + row * kStampBlock + kInset;
      int sum = 0;
      for (int y = y0; y < y0 + kStampBlock - 2 * kInset; ++y) {
        for (int x = x0; x < x0 + kStampBlock - 2 * kInset; ++x) sum += luma(x, y);
      }
      const int count = (kStampBlock - 2 * kInset) * (kStampBlock - 2 * kInset);
      words[static_cast<std::size_t>(row)] = (words[static_cast<std::size_t>(row)] << 1) | (sum >= 128 * count ? 1u : 0u);
    }
  }
  if (stampCheck(words[0], words[1], words[2]) != words[3]) return std::nullopt;
  return Stamp{(static_cast<std::uint64_t>(words[0]) << 32) | words[1], words[2]};
}

// From a BGRA picture (4 bytes a pixel).
inline std::optional<Stamp> decodeStampBgra(const std::uint8_t* bgra, std::size_t stride, int width, int height) {
  return decodeStamp(
      [&](int x, int y) {
        const std::uint8_t* p = bgra + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 4;
        return (p[0] + p[1] + p[2]) / 3;
      },
      width, height);
}

// From the Y plane of a decoded picture (limited-range luma still splits at 128).
inline std::optional<Stamp> decodeStampLuma(const std::uint8_t* plane, std::size_t stride, int width, int height) {
  return decodeStamp([&](int x, int y) { return static_cast<int>(plane[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)]); },
                     width, height);
}

// The pattern's icon: one square entry per size in kIconSizes (_NET_WM_ICON order). A list
// chooses the largest of at most 256 pixels, so kListedIconSize is the one a reader gets.
inline constexpr std::array<std::uint32_t, 3> kIconSizes{16, 48, 300};
inline constexpr std::uint32_t kListedIconSize = 48;

// 0xAARRGGBB, straight alpha: alpha rises left to right, green top to bottom, so drawing over
// black and the choice of size are both visible in the result.
inline std::uint32_t iconPixel(std::uint32_t size, std::uint32_t x, std::uint32_t y) {
  const std::uint32_t a = size > 1 ? x * 255 / (size - 1) : 255;
  const std::uint32_t r = 255;
  const std::uint32_t g = size > 1 ? y * 255 / (size - 1) : 0;
  const std::uint32_t b = (size * 5) & 0xFF;
  return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace parvalon::testpattern
