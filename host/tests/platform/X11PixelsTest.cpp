#include <gtest/gtest.h>

#include <vector>

#include "platform/linux/X11CaptureSource.h"
#include "platform/linux/X11WindowSystem.h"

namespace parvalon::host::platform::linux_x11 {
namespace {

std::vector<std::uint32_t> iconData(std::initializer_list<std::uint32_t> sizes) {
  std::vector<std::uint32_t> data;
  for (std::uint32_t s : sizes) {
    data.push_back(s);
    data.push_back(s);
    data.insert(data.end(), static_cast<std::size_t>(s) * s, 0xFF000000u | s);  // pixel value names the size
  }
  return data;
}

struct IconCase {
  const char* name;
  std::vector<std::uint32_t> data;
  std::uint32_t chosen;  // 0: none
};

class IconChoice : public ::testing::TestWithParam<IconCase> {};

INSTANTIATE_TEST_SUITE_P(
    Sizes, IconChoice,
    ::testing::Values(IconCase{"LargestUpTo256", iconData({16, 256, 48, 300}), 256},
                      IconCase{"OnlyTooLargeTakesTheSmallest", iconData({512, 300}), 300},
                      IconCase{"Single", iconData({32}), 32}, IconCase{"Empty", {}, 0},
                      // a length that claims more pixels than follow ends the walk at that entry
                      IconCase{"TruncatedEntryIgnored", [] {
                                 auto d = iconData({16});
                                 d.insert(d.end(), {64, 64, 1, 2, 3});
                                 return d;
                               }(), 16},
                      IconCase{"ZeroSizeEndsTheWalk", [] {
                                 auto d = iconData({24});
                                 d.insert(d.end(), {0, 10});
                                 auto more = iconData({128});
                                 d.insert(d.end(), more.begin(), more.end());
                                 return d;
                               }(), 24},
                      IconCase{"HugeClaimDoesNotOverflow", {0xFFFFFFFFu, 0xFFFFFFFFu, 1, 2}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(IconChoice, PicksTheRightEntry) {
  const auto icon = X11WindowSystem::chooseIcon(GetParam().data);
  if (GetParam().chosen == 0) {
    EXPECT_FALSE(icon.has_value());
    return;
  }
  ASSERT_TRUE(icon.has_value());
  EXPECT_EQ(icon->width, GetParam().chosen);
  EXPECT_EQ(icon->height, GetParam().chosen);
  ASSERT_EQ(icon->argb.size(), static_cast<std::size_t>(GetParam().chosen) * GetParam().chosen);
  EXPECT_EQ(icon->argb.front(), 0xFF000000u | GetParam().chosen);
  EXPECT_EQ(icon->argb.back(), 0xFF000000u | GetParam().chosen);
}

TEST(CursorBlend, PremultipliedOverTheImageAndClipped) {
  // 3 × 2 image of BGRA (10, 20, 30, 255); cursor 2 × 2 placed at (2, -1): only its bottom-left
  // pixel lands inside, at (2, 0).
  std::vector<std::uint8_t> image(3 * 2 * 4);
  for (std::size_t i = 0; i < image.size(); i += 4) {
    image[i] = 10;
    image[i + 1] = 20;
    image[i + 2] = 30;
    image[i + 3] = 255;
  }
  const std::uint32_t cursor[4] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0x80402000u, 0xFFFFFFFFu};
  X11CaptureSource::blendCursor(image.data(), 3 * 4, 3, 2, cursor, 2, 2, 2, -1);
  // premultiplied half-covering (0x40, 0x20, 0x00) over (30, 20, 10): c + d * 127 / 255
  const std::uint8_t* hit = &image[2 * 4];
  EXPECT_EQ(hit[2], 0x40 + (30 * 127 + 127) / 255);
  EXPECT_EQ(hit[1], 0x20 + (20 * 127 + 127) / 255);
  EXPECT_EQ(hit[0], 0x00 + (10 * 127 + 127) / 255);
  EXPECT_EQ(hit[3], 255);
  for (std::size_t i = 0; i < image.size(); i += 4) {
    if (i == 2 * 4) continue;
    EXPECT_EQ(image[i + 2], 30) << "pixel " << i / 4 << " outside the cursor changed";
  }
}

TEST(CursorBlend, OpaqueCursorReplacesAndTransparentLeaves) {
  std::vector<std::uint8_t> image(2 * 1 * 4, 100);
  const std::uint32_t cursor[2] = {0xFF102030u, 0x00000000u};
  X11CaptureSource::blendCursor(image.data(), 8, 2, 1, cursor, 2, 1, 0, 0);
  EXPECT_EQ(image[0], 0x30);
  EXPECT_EQ(image[1], 0x20);
  EXPECT_EQ(image[2], 0x10);
  EXPECT_EQ(image[4], 100);
  EXPECT_EQ(image[6], 100);
}

}  // namespace
}  // namespace parvalon::host::platform::linux_x11
