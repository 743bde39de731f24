#include <gtest/gtest.h>

#include "RttTracker.h"

namespace parvalon::viewer {
namespace {

struct FoldCase {
  std::int64_t nowMs;
  std::int32_t expected;
};

class RttTimestamp : public ::testing::TestWithParam<FoldCase> {};

TEST_P(RttTimestamp, StaysInTheSignedRangeTheHostEchoes) {
  EXPECT_EQ(RttTracker::timestampFor(GetParam().nowMs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RttTimestamp,
                         ::testing::Values(FoldCase{0, 0}, FoldCase{2147483647, 2147483647}, FoldCase{2147483648, 0},
                                           FoldCase{4294967296 + 5, 5}, FoldCase{-1, 2147483647}));

TEST(RttTracker, MeasuresAcrossTheFold) {
  RttTracker rtt;
  EXPECT_EQ(rtt.onPong(RttTracker::timestampFor(1000), 1012), 12u);
  // Sent just before the fold, answered just after it.
  EXPECT_EQ(rtt.onPong(RttTracker::timestampFor(2147483640), 2147483650), 10u);
  EXPECT_EQ(rtt.last(), 10u);
}

TEST(RttTracker, RejectsStaleAndForeignTimestamps) {
  RttTracker rtt;
  EXPECT_FALSE(rtt.onPong(RttTracker::timestampFor(0), RttTracker::kMaxRttMs + 1));
  EXPECT_FALSE(rtt.onPong(-5, 100));  // not one of ours: we never send negatives
  EXPECT_FALSE(rtt.last());
  EXPECT_EQ(rtt.onPong(RttTracker::timestampFor(0), RttTracker::kMaxRttMs), 30000u);
}

}  // namespace
}  // namespace parvalon::viewer
