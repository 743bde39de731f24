#include <gtest/gtest.h>

#include <chrono>

#include "app/ConnectionStats.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;

// A clock the test moves by hand.
struct ManualClock {
  std::chrono::steady_clock::time_point now{std::chrono::steady_clock::time_point{} + 1000s};
  ConnectionStats::Clock function() {
    return [this] { return now; };
  }
};

TEST(ConnectionStatsSnapshot, NotConnectedIsEmptyWhateverWasMeasured) {
  ManualClock clock;
  ConnectionStats stats(clock.function());
  stats.onClientConnected("127.0.0.1:50000");
  stats.onClientHello("Lab Quest", "");
  stats.onVideoFrame(10000);
  stats.onFeedback(30);
  EXPECT_EQ(stats.snapshot(false), ConnectionStatus{});
}

TEST(ConnectionStatsSnapshot, FramesAndBytesOfTheLastSecond) {
  ManualClock clock;
  ConnectionStats stats(clock.function());
  stats.onClientConnected("127.0.0.1:50000");
  // 72 frames of 12500 bytes spread over 0.994 s: 72 fps, 7.2 Mbps.
  for (int i = 0; i < 72; ++i) {
    stats.onVideoFrame(12500);
    clock.now += 14ms;
  }
  clock.now -= 14ms;  // the last frame arrived just now
  const ConnectionStatus status = stats.snapshot(true);
  EXPECT_TRUE(status.connected);
  EXPECT_EQ(status.fps, 72);
  EXPECT_FLOAT_EQ(status.bitrateMbps, 7.2f);
  EXPECT_EQ(status.clientAddress, "127.0.0.1:50000");
}

TEST(ConnectionStatsSnapshot, FramesOlderThanOneSecondLeaveTheFigures) {
  ManualClock clock;
  ConnectionStats stats(clock.function());
  stats.onVideoFrame(1000);  // t = 0
  clock.now += 500ms;
  stats.onVideoFrame(2000);  // t = 0.5 s
  clock.now += 499ms;        // t = 0.999 s: both inside the window
  EXPECT_EQ(stats.snapshot(true).fps, 2);
  EXPECT_FLOAT_EQ(stats.snapshot(true).bitrateMbps, 0.024f);
  clock.now += 1ms;  // t = 1 s: the first has left
  EXPECT_EQ(stats.snapshot(true).fps, 1);
  EXPECT_FLOAT_EQ(stats.snapshot(true).bitrateMbps, 0.016f);
  clock.now += 10s;  // the stream stopped: nothing measured any more
  EXPECT_EQ(stats.snapshot(true).fps, 0);
  EXPECT_FLOAT_EQ(stats.snapshot(true).bitrateMbps, 0.0f);
}

TEST(ConnectionStatsSnapshot, LatencyIsTheLastReportedRoundTrip) {
  ManualClock clock;
  ConnectionStats stats(clock.function());
  stats.onClientConnected("127.0.0.5:1234");
  EXPECT_FLOAT_EQ(stats.snapshot(true).latencyMs, 0.0f);
  stats.onFeedback(25);
  stats.onFeedback(18);
  EXPECT_FLOAT_EQ(stats.snapshot(true).latencyMs, 18.0f);
  // A new client starts without a measurement.
  stats.onClientConnected("127.0.0.6:1234");
  EXPECT_FLOAT_EQ(stats.snapshot(true).latencyMs, 0.0f);
  EXPECT_EQ(stats.snapshot(true).clientAddress, "127.0.0.6:1234");
}

struct NameCase {
  const char* clientName;
  const char* deviceName;
  const char* shown;
};

class ConnectionStatsNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ConnectionStatsNameTest, NameComesFromTheHello) {
  ConnectionStats stats;
  stats.onClientConnected("127.0.0.1:1");
  stats.onClientHello(GetParam().clientName, GetParam().deviceName);
  EXPECT_EQ(stats.snapshot(true).clientName, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Hello, ConnectionStatsNameTest,
                         ::testing::Values(NameCase{"Lab Quest", "Quest 3", "Lab Quest"},
                                           NameCase{"", "Quest 3", "Quest 3"},
                                           NameCase{"", "", "Meta Quest"}));

TEST(ConnectionStatsSnapshot, ClientWithoutHelloIsTheDefaultName) {
  ConnectionStats stats;
  stats.onClientConnected("127.0.0.1:1");
  EXPECT_EQ(stats.snapshot(true).clientName, "Meta Quest");
  stats.onClientHello("Lab Quest", "");
  stats.onClientDisconnected();
  stats.onClientConnected("127.0.0.1:2");
  EXPECT_EQ(stats.snapshot(true).clientName, "Meta Quest");
}

TEST(ConnectionStatsSnapshot, RecordStaysBoundedWithoutSnapshots) {
  ManualClock clock;
  ConnectionStats stats(clock.function());
  // More frames within one second than the record keeps: the figures saturate, memory does not grow.
  for (std::size_t i = 0; i < ConnectionStats::kMaxRecordedFrames + 100; ++i) stats.onVideoFrame(1);
  EXPECT_EQ(stats.snapshot(true).fps, static_cast<std::int32_t>(ConnectionStats::kMaxRecordedFrames));
}

}  // namespace
}  // namespace parvalon::host
