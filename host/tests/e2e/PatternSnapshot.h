#pragma once

// Checks a picture the viewer decoded from a streamed test pattern.

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>

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

}  // namespace parvalon::host::test
