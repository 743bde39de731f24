#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

#include "fakes/LogCapture.h"
#include "app/StreamPriorityBoost.h"
#include "fakes/FakeSystemInfo.h"

namespace parvalon::host {
namespace {

using Calls = std::vector<std::string>;

TEST(StreamPriorityBoost, RaisesAtFirstClientStreamAndRestoresAfterLast) {
  testing::LogCapture log;
  test::FakeSystemInfo system;
  StreamPriorityBoost boost(system);
  boost.streamStarted();
  boost.streamStarted();
  EXPECT_EQ(boost.activeStreamCount(), 2);
  EXPECT_TRUE(boost.priorityBoosted());
  boost.streamStopped();
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin"}));
  boost.streamStopped();
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
  EXPECT_FALSE(boost.priorityBoosted());
  EXPECT_EQ(log.count(testing::kInfo, "Process priority boosted to HIGH_PRIORITY_CLASS for streaming"), 1u);
}

TEST(StreamPriorityBoost, RefusedRaiseWarnsAndStillCounts) {
  testing::LogCapture log;
  test::FakeSystemInfo system;
  system.refuseRaise = true;
  StreamPriorityBoost boost(system);
  boost.streamStarted();
  EXPECT_TRUE(boost.priorityBoosted());
  EXPECT_EQ(log.count(testing::kWarn, "Failed to boost process priority: 13 (Permission denied)"), 1u);
  boost.streamStopped();
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
}

TEST(StreamPriorityBoost, ConcurrentStartsAndStopsRaiseAndRestoreOnce) {
  testing::LogCapture log;
  test::FakeSystemInfo system;
  StreamPriorityBoost boost(system);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&boost] {
      for (int i = 0; i < 50; ++i) boost.streamStarted();
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(boost.activeStreamCount(), 200);
  threads.clear();
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&boost] {
      for (int i = 0; i < 50; ++i) boost.streamStopped();
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(boost.activeStreamCount(), 0);
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
}

}  // namespace
}  // namespace parvalon::host
