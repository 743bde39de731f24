#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <thread>
#include <vector>

#include "LogCapture.h"
#include "app/StreamPriorityBoost.h"
#include "fakes/FakeSystemInfo.h"

namespace parvalon::host {
namespace {

using Calls = std::vector<std::string>;

TEST(StreamPriorityBoost, RaisesAtFirstClientStreamAndRestoresAfterLast) {
  test::LogCapture log;
  test::FakeSystemInfo system;
  StreamPriorityBoost boost(system);
  boost.clientStreamStarted(1);
  boost.clientStreamStarted(2);
  EXPECT_EQ(boost.activeStreamCount(), 2);
  EXPECT_TRUE(boost.priorityBoosted());
  boost.streamStopped(1);
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin"}));
  boost.streamStopped(2);
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
  EXPECT_FALSE(boost.priorityBoosted());
  EXPECT_EQ(log.count("info|Process priority boosted to HIGH_PRIORITY_CLASS for streaming"), 1);
}

// Two client streams plus a dashboard stream (never counted), stopped in every order: the
// count always equals the running client streams, so the boost goes exactly at the last one.
TEST(StreamPriorityBoost, DashboardStreamNeverDisturbsTheCount) {
  test::LogCapture log;
  std::array<std::uint8_t, 3> order{1, 2, 200};  // 200 is the dashboard stream
  std::sort(order.begin(), order.end());
  do {
    test::FakeSystemInfo system;
    StreamPriorityBoost boost(system);
    boost.clientStreamStarted(1);
    boost.clientStreamStarted(2);
    int clientsLeft = 2;
    for (const auto id : order) {
      boost.streamStopped(id);
      if (id != 200) --clientsLeft;
      EXPECT_EQ(boost.activeStreamCount(), clientsLeft);
      EXPECT_EQ(boost.priorityBoosted(), clientsLeft > 0);
    }
    EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
    // The next client stream boosts again.
    boost.clientStreamStarted(3);
    EXPECT_EQ(system.calls().size(), 6u);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(StreamPriorityBoost, RefusedRaiseWarnsAndStillCounts) {
  test::LogCapture log;
  test::FakeSystemInfo system;
  system.refuseRaise = true;
  StreamPriorityBoost boost(system);
  boost.clientStreamStarted(7);
  EXPECT_TRUE(boost.priorityBoosted());
  EXPECT_EQ(log.count("warning|Failed to boost process priority: 13 (Permission denied)"), 1);
  boost.streamStopped(7);
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
}

TEST(StreamPriorityBoost, ReplacedStreamIsCountedOnce) {
  test::LogCapture log;
  test::FakeSystemInfo system;
  StreamPriorityBoost boost(system);
  boost.clientStreamStarted(4);
  boost.clientStreamStarted(4);
  EXPECT_EQ(boost.activeStreamCount(), 1);
  boost.streamStopped(4);
  boost.streamStopped(4);
  EXPECT_EQ(boost.activeStreamCount(), 0);
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
}

TEST(StreamPriorityBoost, ConcurrentStartsAndStopsRaiseAndRestoreOnce) {
  test::LogCapture log;
  test::FakeSystemInfo system;
  StreamPriorityBoost boost(system);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&boost, t] {
      for (int i = 0; i < 50; ++i) boost.clientStreamStarted(static_cast<std::uint8_t>(t * 50 + i));
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(boost.activeStreamCount(), 200);
  threads.clear();
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&boost, t] {
      for (int i = 0; i < 50; ++i) boost.streamStopped(static_cast<std::uint8_t>(t * 50 + i));
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(boost.activeStreamCount(), 0);
  EXPECT_EQ(system.calls(), (Calls{"raise", "begin", "restore", "end"}));
}

}  // namespace
}  // namespace parvalon::host
