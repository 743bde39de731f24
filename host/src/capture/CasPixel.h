#pragma once

// The sharpening filter (contrast-adaptive sharpening) and the row loop around it, written once
// for any lane type: a scalar float lane and SIMD lanes instantiate the same code. A lane type V
// provides construction from a float (broadcast), + - * and unary -, and the functions min, max,
// rcp (1 ÷ x), rsqrt (1 ÷ √x) and saturate (clamp to [0, 1], NaN to 0) found by argument-
// dependent lookup, plus the static members listed in sharpenRows. Each translation unit
// instantiates these templates only with its own internal lane types, so code compiled for one
// instruction set never stands in for another.

#include <cstddef>
#include <cstdint>

#include "capture/CasKernel.h"

namespace parvalon::host::cas {

// One channel of one pixel: a b c / d e f / g h i is its 3 × 3 neighbourhood (e the pixel itself),
// values in [0, 1]. The steps of the pixel shader, in order; a GPU back end mirrors them. The
// AVX2 path computes the same result in integer levels with the steps regrouped (its file says
// how) and is checked against this one.
template <class V>
inline V sharpenChannel(V a, V b, V c, V d, V e, V f, V g, V h, V i, V peak) {
  // Soft minimum: the cross plus all nine.
  const V m1 = min(min(d, e), min(min(f, b), h));
  const V mn = m1 + min(m1, min(min(a, c), min(g, i)));
  // Soft maximum, the same way.
  const V M1 = max(max(d, e), max(max(f, b), h));
  const V mx = M1 + max(M1, max(max(a, c), max(g, i)));
  // Adaptive amount: 0 where the cross holds 0 or 1 (mn = 0 or mx = 2), and the pixel keeps its
  // value; the corners alone count only once and do not get it to 0.
  V amp = saturate(min(mn, V(2.0f) - mx) * rcp(mx));
  amp = rsqrt(amp);
  // Negative weight of the four direct neighbours, and the normalisation that keeps flat areas flat.
  const V w = -rcp(amp * peak);
  const V r = rcp(V(1.0f) + V(4.0f) * w);
  // b × w + d × w + f × w + h × w + e, with the common factor taken out.
  return saturate((((b + d) + (f + h)) * w + e) * r);
}

// Floats per channel row of the scratch: the pixels plus one clamped neighbour on the left and
// enough on the right for the widest lane to read past the last pixel.
constexpr std::size_t kMaxLaneWidth = 8;
// static: each instruction set's translation unit keeps its own copy.
static inline std::size_t scratchRowFloats(std::uint32_t width) {
  return (static_cast<std::size_t>(width) + kMaxLaneWidth - 1) / kMaxLaneWidth * kMaxLaneWidth + kMaxLaneWidth;
}
constexpr std::size_t kScratchRows = 9;  // three picture rows, three channels each

// Sharpens output rows [firstRow, endRow) of `frame`. Keeps three input rows converted to float
// planes (blue, green, red) in `scratch`, each converted once per call and rolled down the rows.
// V additionally provides: kWidth; load/store of kWidth floats; unpack(pixels, count, b, g, r)
// turning `count` (<= kWidth) BGRA pixels into channel values in [0, 1]; pack(b, g, r, pixels,
// count) writing `count` pixels with alpha 255.
template <class V>
void sharpenRows(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch) {
  constexpr std::uint32_t kWidth = V::kWidth;
  const std::uint32_t width = frame.width;
  const std::size_t rowFloats = scratchRowFloats(width);
  float* slots[3][3];  // [picture row: above, this, below][channel: B, G, R]
  for (int s = 0; s < 3; ++s) {
    for (int c = 0; c < 3; ++c) slots[s][c] = scratch + (s * 3 + c) * rowFloats;
  }

  // Converts input row y into planes; plane index k holds pixel k - 1, with the clamp
  // addressing of the sampler at both ends.
  auto convertRow = [&](float* const* planes, std::uint32_t y) {
    const std::uint8_t* pixels = frame.input + static_cast<std::size_t>(y) * frame.inputStride;
    for (std::uint32_t x = 0; x < width; x += kWidth) {
      const std::uint32_t count = width - x < kWidth ? width - x : kWidth;
      V b, g, r;
      V::unpack(pixels + static_cast<std::size_t>(x) * 4, count, b, g, r);
      V::store(planes[0] + 1 + x, b);
      V::store(planes[1] + 1 + x, g);
      V::store(planes[2] + 1 + x, r);
    }
    for (int c = 0; c < 3; ++c) {
      float* plane = planes[c];
      plane[0] = plane[1];
      for (std::size_t k = width + 1; k < rowFloats; ++k) plane[k] = plane[width];
    }
  };
  auto clampRow = [&](std::int64_t y) {
    return static_cast<std::uint32_t>(y < 0 ? 0 : (y >= frame.height ? frame.height - 1 : y));
  };

  convertRow(slots[0], clampRow(static_cast<std::int64_t>(firstRow) - 1));
  convertRow(slots[1], firstRow);
  convertRow(slots[2], clampRow(static_cast<std::int64_t>(firstRow) + 1));

  // The peak of the filter: 8 at sharpness 0 (weakest), 5 at sharpness 1 (strongest).
  const V peak(8.0f - 3.0f * frame.sharpness);
  for (std::uint32_t y = firstRow; y < endRow; ++y) {
    if (y != firstRow) {
      // Roll down one row: the row above is dropped and its planes take the new row below.
      for (int c = 0; c < 3; ++c) {
        float* dropped = slots[0][c];
        slots[0][c] = slots[1][c];
        slots[1][c] = slots[2][c];
        slots[2][c] = dropped;
      }
      convertRow(slots[2], clampRow(static_cast<std::int64_t>(y) + 1));
    }
    std::uint8_t* out = frame.output + static_cast<std::size_t>(y) * frame.outputStride;
    for (std::uint32_t x = 0; x < width; x += kWidth) {
      auto channel = [&](int c) {
        const float* above = slots[0][c] + x;
        const float* here = slots[1][c] + x;
        const float* below = slots[2][c] + x;
        return sharpenChannel(V::load(above), V::load(above + 1), V::load(above + 2), V::load(here),
                              V::load(here + 1), V::load(here + 2), V::load(below), V::load(below + 1),
                              V::load(below + 2), peak);
      };
      const V blue = channel(0);
      const V green = channel(1);
      const V red = channel(2);
      const std::uint32_t count = width - x < kWidth ? width - x : kWidth;
      V::pack(blue, green, red, out + static_cast<std::size_t>(x) * 4, count);
    }
  }
}

}  // namespace parvalon::host::cas
