#include <gtest/gtest.h>

#include <memory>

#include "capture/FramePacer.h"
#include "fakes/FakeDisplayModes.h"
#include "fakes/LogCapture.h"
#include "platform/RefreshRateFallback.h"

namespace parvalon::host {
namespace {

using platform::RefreshRateFallback;
using platform::RefreshRatio;
using testing::LogCapture;

// The rate the frame pacer reads from the first resolved mode.
float pacedRate(const std::vector<platform::DisplayModeTiming>& modes) {
  FramePacer pacer(std::make_shared<test::FakeDisplayModes>(std::vector<std::vector<platform::DisplayModeTiming>>{modes}));
  EXPECT_TRUE(pacer.initialize());
  return pacer.refreshRate();
}

TEST(RefreshRateFallback, KnownDisplayRateIsKeptExactly) {
  LogCapture log;
  const auto modes = RefreshRateFallback::resolve({{60000, 1001}, {144, 1}}, RefreshRatio{75, 1}, "DXGI", "DWM");
  ASSERT_EQ(modes.size(), 2u);
  EXPECT_FLOAT_EQ(pacedRate(modes), 59.94006f);
  EXPECT_EQ(modes[1].dotClockHz, 144u);
  EXPECT_TRUE(log.has(testing::kInfo, "Display refresh rate: 59.94Hz from DXGI"));
}

// Wine reports 0 Hz (and 0/1) for every mode: without the fallback the pacer would show its
// default whatever the compositor says.
TEST(RefreshRateFallback, UnknownDisplayRatesTakeTheCompositorRate) {
  LogCapture log;
  const auto modes = RefreshRateFallback::resolve({{0, 1}, {0, 0}, {50, 1}}, RefreshRatio{75, 1}, "DXGI", "DWM");
  ASSERT_EQ(modes.size(), 3u);
  EXPECT_FLOAT_EQ(pacedRate(modes), 75.0f);
  EXPECT_EQ(modes[1].dotClockHz, 75u);
  EXPECT_EQ(modes[2].dotClockHz, 50u);  // a known rate further down stays its own
  EXPECT_TRUE(log.has(testing::kInfo, "Display refresh rate: 75.00Hz from DWM (DXGI reports none)"));
}

TEST(RefreshRateFallback, NeitherSourceKnowsGivesSixty) {
  LogCapture log;
  for (const auto& compositor : {std::optional<RefreshRatio>{}, std::optional<RefreshRatio>{RefreshRatio{0, 1}},
                                 std::optional<RefreshRatio>{RefreshRatio{60, 0}}}) {
    const auto modes = RefreshRateFallback::resolve({{0, 1}}, compositor, "DXGI", "DWM");
    ASSERT_EQ(modes.size(), 1u);
    EXPECT_FLOAT_EQ(pacedRate(modes), 60.0f);
  }
  EXPECT_EQ(log.count(testing::kInfo, "Display refresh rate: 60.00Hz by default (DXGI and DWM report none)"), 3u);
}

TEST(RefreshRateFallback, OutputWithoutModesGetsOneAtTheFallbackRate) {
  const auto fromCompositor = RefreshRateFallback::resolve({}, RefreshRatio{120, 1}, "DXGI", "DWM");
  ASSERT_EQ(fromCompositor.size(), 1u);
  EXPECT_FLOAT_EQ(pacedRate(fromCompositor), 120.0f);
  const auto byDefault = RefreshRateFallback::resolve({}, std::nullopt, "DXGI", "DWM");
  ASSERT_EQ(byDefault.size(), 1u);
  EXPECT_FLOAT_EQ(pacedRate(byDefault), 60.0f);
}

}  // namespace
}  // namespace parvalon::host
