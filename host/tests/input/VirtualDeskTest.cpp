#include "platform/VirtualDesk.h"

#include <gtest/gtest.h>

namespace parvalon::host::platform {
namespace {

class VirtualDeskRoundTrip : public ::testing::TestWithParam<std::int64_t> {};

// Every pixel of the desktop comes back as itself: a click lands on the pixel the mapping aimed at.
TEST_P(VirtualDeskRoundTrip, EveryPixelComesBackAsItself) {
  const std::int64_t width = GetParam();
  std::int64_t mismatches = 0;
  for (std::int64_t x = 0; x < width; ++x) {
    if (fromVirtualDesk(toVirtualDesk(x, width), width) != x) ++mismatches;
  }
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, VirtualDeskRoundTrip, ::testing::Values(1920, 2560, 3840, 7680, 1080, 1, 65535));

TEST(VirtualDesk, EdgesAndOutsideClampToTheDesktop) {
  EXPECT_EQ(toVirtualDesk(-10, 1920), 0);
  EXPECT_EQ(toVirtualDesk(1920, 1920), 65535);
  EXPECT_EQ(toVirtualDesk(740, 1920), 25258);  // (740 × 65535 + 960) / 1920
  EXPECT_EQ(fromVirtualDesk(0, 1920), 0);
  EXPECT_EQ(fromVirtualDesk(65535, 1920), 1919);
  EXPECT_EQ(fromVirtualDesk(-5, 1920), 0);
  EXPECT_EQ(fromVirtualDesk(70000, 1920), 1919);
  EXPECT_EQ(fromVirtualDesk(25258, 1920), 740);
}

}  // namespace
}  // namespace parvalon::host::platform
