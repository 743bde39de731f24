#include <gtest/gtest.h>

#include <vector>

#include "fakes/LogCapture.h"
#include "app/CongestionControl.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
using Clock = CongestionControl::Clock;

// Feeds one feedback per `step` for `count` steps, committing every change, and returns the
// committed (bitrate, max) pairs.
std::vector<std::pair<std::uint32_t, std::uint32_t>> run(CongestionControl& cc, std::uint16_t rtt,
                                                          std::uint16_t decode, std::uint32_t target,
                                                          Clock::time_point& now, int count,
                                                          std::chrono::milliseconds step = 100ms) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
  for (int i = 0; i < count; ++i) {
    now += step;
    if (const auto change = cc.onFeedback(rtt, decode, target, now)) {
      out.emplace_back(change->bitrateKbps, change->maxBitrateKbps);
      cc.committed(change->bitrateKbps, now);
    }
  }
  return out;
}

TEST(CongestionControl, CongestionLowersOncePerSecondDownToTheFloorThenFallsSilent) {
  testing::LogCapture log;
  CongestionControl cc;
  auto now = Clock::time_point(100s);
  // Feedback every 100 ms with RTT 80 ms for 20 s.
  const auto changes = run(cc, 80, 5, 20000, now, 200);
  const std::vector<std::uint32_t> expected{16000, 12800, 10240, 8192, 6553, 5242, 4193, 3354, 2683, 2146, 2000};
  ASSERT_EQ(changes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(changes[i].first, expected[i]);
    EXPECT_EQ(changes[i].second, static_cast<std::uint32_t>(expected[i] * 1.5f));
  }
  EXPECT_EQ(changes[0].second, 24000u);
  EXPECT_EQ(log.count(testing::kWarn, "Network congestion (RTT=80ms, decode=5ms), reducing bitrate 20000 -> 16000 kbps"), 1u);
  EXPECT_EQ(log.count(testing::kWarn, "Network congestion (RTT=80ms, decode=5ms), reducing bitrate 2146 -> 2000 kbps"), 1u);
  EXPECT_EQ(log.lines().size(), expected.size());  // nothing logged at the floor
  EXPECT_EQ(cc.current(), 2000u);
}

TEST(CongestionControl, SlowDecodeAloneCountsAsCongestion) {
  CongestionControl cc;
  auto now = Clock::time_point(100s);
  const auto changes = run(cc, 10, 31, 20000, now, 11);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].first, 16000u);
}

TEST(CongestionControl, GoodFeedbackRecoversToTheTargetAndStops) {
  testing::LogCapture log;
  CongestionControl cc;
  auto now = Clock::time_point(100s);
  cc.setCurrent(16000);
  cc.committed(16000, now);
  const auto changes = run(cc, 10, 5, 20000, now, 60);
  ASSERT_EQ(changes.size(), 3u);
  EXPECT_EQ(changes[0].first, 17600u);
  EXPECT_EQ(changes[1].first, 19360u);
  EXPECT_EQ(changes[2].first, 20000u);
  EXPECT_EQ(changes[2].second, 30000u);
  EXPECT_TRUE(log.lines().empty());  // recovery is silent
}

TEST(CongestionControl, FeedbackBetweenTheBandsChangesNothing) {
  CongestionControl cc;
  auto now = Clock::time_point(100s);
  cc.setCurrent(10000);
  EXPECT_TRUE(run(cc, 30, 10, 20000, now, 30).empty());  // neither congested nor good
  EXPECT_TRUE(run(cc, 50, 30, 20000, now, 30).empty());  // the congestion limits are exclusive
  EXPECT_TRUE(run(cc, 20, 5, 20000, now, 30).empty());   // RTT 20 is not good enough to recover
  EXPECT_EQ(cc.current(), 10000u);
}

TEST(CongestionControl, FirstFeedbackStartsTheClockAtTheTarget) {
  CongestionControl cc;
  const auto start = Clock::time_point(100s);
  EXPECT_FALSE(cc.onFeedback(80, 0, 20000, start));
  EXPECT_EQ(cc.current(), 20000u);
  EXPECT_FALSE(cc.onFeedback(80, 0, 20000, start + 999ms));
  const auto change = cc.onFeedback(80, 0, 20000, start + 1000ms);
  ASSERT_TRUE(change);
  EXPECT_EQ(change->bitrateKbps, 16000u);
}

}  // namespace
}  // namespace parvalon::host
