#include "capture/FramePacer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fakes/FakeDisplayModes.h"
#include "fakes/LogCapture.h"

namespace parvalon::host {
namespace {

using platform::DisplayModeTiming;
using testing::kInfo;
using testing::kWarn;
using testing::LogCapture;

// CEA 1080p at 59.94 Hz: 148.5 MHz ÷ 1.001 over 2200 × 1125.
constexpr DisplayModeTiming kMode5994{148351648, 2200, 1125};
// CEA 720p at 50 Hz: 74.25 MHz over 1980 × 750.
constexpr DisplayModeTiming kMode50{74250000, 1980, 750};

struct PacerCase {
  const char* name;
  std::vector<std::vector<DisplayModeTiming>> outputs;
  bool available;
  float refreshRate;
  const char* line;  // the line initialize logs
  int level;
};

class FramePacerInitialize : public ::testing::TestWithParam<PacerCase> {};

TEST_P(FramePacerInitialize, FindsOutputAndRate) {
  const PacerCase& c = GetParam();
  LogCapture log;
  auto display = std::make_shared<test::FakeDisplayModes>(c.outputs);
  FramePacer pacer(display);
  EXPECT_EQ(pacer.initialize(), c.available);
  EXPECT_EQ(pacer.isVSyncAvailable(), c.available);
  EXPECT_NEAR(pacer.refreshRate(), c.refreshRate, 1e-4);
  EXPECT_TRUE(log.has(c.level, c.line)) << c.line;
  EXPECT_EQ(log.lines().size(), 1u);
  // Output 0 and only output 0.
  EXPECT_EQ(display->asked(), std::vector<std::uint32_t>{0});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FramePacerInitialize,
    ::testing::Values(
        PacerCase{"Mode5994", {{kMode5994}}, true, 59.94006f,
                  "FramePacer: VSync synchronization available (refresh rate: 59.9Hz)", kInfo},
        // The first listed mode decides, not a later one (nor the one in use).
        PacerCase{"FirstModeDecides", {{kMode50, kMode5994}}, true, 50.0f,
                  "FramePacer: VSync synchronization available (refresh rate: 50.0Hz)", kInfo},
        // Xvfb lists modes without timings: the default stays.
        PacerCase{"ZeroTimings", {{{0, 0, 0}, kMode50}}, true, 60.0f,
                  "FramePacer: VSync synchronization available (refresh rate: 60.0Hz)", kInfo},
        // A clock with zero totals must not divide by zero.
        PacerCase{"ZeroTotals", {{{148500000, 2200, 0}}}, true, 60.0f,
                  "FramePacer: VSync synchronization available (refresh rate: 60.0Hz)", kInfo},
        PacerCase{"OutputWithoutModes", {{}}, true, 60.0f,
                  "FramePacer: VSync synchronization available (refresh rate: 60.0Hz)", kInfo},
        // Output 1's mode is not consulted.
        PacerCase{"SecondOutputIgnored", {{{0, 0, 0}}, {kMode50}}, true, 60.0f,
                  "FramePacer: VSync synchronization available (refresh rate: 60.0Hz)", kInfo},
        PacerCase{"NoOutput", {}, false, 60.0f, "FramePacer: VSync not available, using timer-based pacing",
                  kWarn}),
    [](const ::testing::TestParamInfo<PacerCase>& info) { return std::string(info.param.name); });

TEST(FramePacerInitialize, WithoutDisplayIsNoDevice) {
  LogCapture log;
  FramePacer pacer(nullptr);
  EXPECT_FALSE(pacer.initialize());
  EXPECT_FLOAT_EQ(pacer.refreshRate(), FramePacer::kDefaultRefreshRate);
  EXPECT_TRUE(log.has(kWarn, "FramePacer: No device provided"));
  EXPECT_EQ(log.lines().size(), 1u);
}

TEST(FramePacerSwitch, StoredOnly) {
  auto display = std::make_shared<test::FakeDisplayModes>(std::vector<std::vector<DisplayModeTiming>>{{kMode50}});
  FramePacer pacer(display);
  EXPECT_TRUE(pacer.isPacingEnabled());
  ASSERT_TRUE(pacer.initialize());
  pacer.setPacingEnabled(false);
  EXPECT_FALSE(pacer.isPacingEnabled());
  EXPECT_FLOAT_EQ(pacer.refreshRate(), 50.0f);
  pacer.setPacingEnabled(true);
  EXPECT_TRUE(pacer.isPacingEnabled());
  // The switch asks the display nothing.
  EXPECT_EQ(display->asked().size(), 1u);
}

}  // namespace
}  // namespace parvalon::host
