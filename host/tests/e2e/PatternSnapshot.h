#pragma once

// Checks a picture the viewer decoded from a streamed test pattern.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include <stb/stb_image.h>

#include "PatternStamp.h"

namespace parvalon::host::test {

// The PNG is `width` x `height` and the middle of each colour patch has the patch's colour
// (within what lossy coding leaves of it).
inline void expectPatternPatches(const std::filesystem::path& png, int width, int height) {
  int w = 0, h = 0, n = 0;
  unsigned char* px = stbi_load(png.c_str(), &w, &h, &n, 3);
  ASSERT_NE(px, nullptr) << png;
  EXPECT_EQ(w, width);
  EXPECT_EQ(h, height);
  namespace tp = testpattern;
  for (std::size_t i = 0; i < tp::kPatches.size() && w == width && h == height; ++i) {
    const int x = tp::patchLeft(i) + tp::kPatchSize / 2;
    const int y = tp::kPatchY + tp::kPatchSize / 2;
    const unsigned char* p = px + (static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x) * 3;
    const auto want = tp::kPatches[i];
    EXPECT_NEAR(p[0], want.r, 16) << "patch " << i;
    EXPECT_NEAR(p[1], want.g, 16) << "patch " << i;
    EXPECT_NEAR(p[2], want.b, 16) << "patch " << i;
  }
  stbi_image_free(px);
}

// How steep one border of the pattern came out in a decoded picture.
struct BorderSteepness {
  const char* border;
  // The largest colour step (|dR| + |dG| + |dB|) between neighbouring pixels within 3 px of the
  // border, divided by the step between the two sides' flat insides, averaged along the border:
  // 1 for a clean one-pixel edge, below 1 for a blurred one, above 1 where sharpening overshoots.
  double steepness;
};

// The borders of the two mid-tone patches (grey and orange), the only ones whose every channel
// lies clear of 0 and 255 on both sides: contrast-adaptive sharpening leaves an edge that spans
// a channel's whole range as it is, so the saturated patches would show nothing. Empty when the
// picture cannot be read or is smaller than the pattern.
inline std::vector<BorderSteepness> midtoneBorderSteepness(const std::filesystem::path& png) {
  namespace tp = testpattern;
  int w = 0, h = 0, n = 0;
  std::unique_ptr<unsigned char, void (*)(void*)> px(stbi_load(png.c_str(), &w, &h, &n, 3), stbi_image_free);
  if (!px || w < tp::kMinWidth || h < tp::kMinHeight) return {};
  auto at = [&](int x, int y) { return px.get() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x) * 3; };
  auto distance = [](const unsigned char* a, const unsigned char* b) {
    return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
  };

  // A border crossed along (dx, dy): pixel k of a crossing at (x, y) + k (dx, dy) is on the first
  // side for k < 0 and on the second for k >= 0. Crossings are taken every pixel of `length`,
  // along the border, a patch's margin away from its corners.
  struct Border {
    const char* name;
    int x, y, dx, dy, length;
  };
  constexpr int kGrey = 6, kOrange = 7;
  constexpr int kMargin = 12;
  constexpr int kSpan = tp::kPatchSize - 2 * kMargin;
  const int top = tp::kPatchY, bottom = tp::kPatchY + tp::kPatchSize;
  const Border borders[] = {
      {"grey top", tp::patchLeft(kGrey) + kMargin, top, 0, 1, kSpan},
      {"grey bottom", tp::patchLeft(kGrey) + kMargin, bottom, 0, 1, kSpan},
      {"grey|orange", tp::patchLeft(kOrange), top + kMargin, 1, 0, kSpan},
      {"orange top", tp::patchLeft(kOrange) + kMargin, top, 0, 1, kSpan},
      {"orange bottom", tp::patchLeft(kOrange) + kMargin, bottom, 0, 1, kSpan},
      {"orange right", tp::patchLeft(kOrange + 1), top + kMargin, 1, 0, kSpan},
  };
  // Steps are looked for within kNear of the border, the flat insides kFar away.
  constexpr int kNear = 3, kFar = 8;
  std::vector<BorderSteepness> result;
  for (const Border& b : borders) {
    double sum = 0;
    for (int i = 0; i < b.length; ++i) {
      // Along the border is across the crossing direction.
      const int x = b.x + i * b.dy, y = b.y + i * b.dx;
      auto pixel = [&](int k) { return at(x + k * b.dx, y + k * b.dy); };
      int step = 0;
      for (int k = -kNear; k < kNear; ++k) step = std::max(step, distance(pixel(k), pixel(k + 1)));
      const int plateau = distance(pixel(-kFar), pixel(kFar - 1));
      sum += static_cast<double>(step) / std::max(plateau, 1);
    }
    result.push_back({b.name, sum / b.length});
  }
  return result;
}

}  // namespace parvalon::host::test
