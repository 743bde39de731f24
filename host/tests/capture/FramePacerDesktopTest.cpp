#include <gtest/gtest.h>

#include <cstdlib>

#include "capture/FramePacer.h"
#include "fakes/LogCapture.h"

namespace parvalon::host {
namespace {

using testing::kInfo;
using testing::LogCapture;

// The virtual desktop's X server lists one output whose modes carry no timings.
TEST(FramePacerDesktop, XvfbGivesDefaultRate) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "desktop tests need DISPLAY";
  LogCapture log;
  FramePacer pacer;
  ASSERT_TRUE(pacer.initialize());
  EXPECT_FLOAT_EQ(pacer.refreshRate(), 60.0f);
  EXPECT_TRUE(log.has(kInfo, "FramePacer: VSync synchronization available (refresh rate: 60.0Hz)"));
}

}  // namespace
}  // namespace parvalon::host
