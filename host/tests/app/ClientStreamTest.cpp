#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <algorithm>
#include <array>
#include <filesystem>

#include "ApplicationHarness.h"
#include "FreePortSettings.h"
#include "fakes/LogCapture.h"
#include "app/Application.h"
#include "capture/CaptureOrchestrator.h"
#include "fakes/FakeCaptureSource.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/FakeWindowSystem.h"
#include "orchestrator/FakeEncoder.h"

namespace parvalon::host {
namespace {

constexpr std::uint32_t kWindowA = 0x1001;
constexpr std::uint32_t kWindowB = 0x1002;
constexpr std::uint32_t kWindowC = 0x1003;

// The client path of streams through a real Application and orchestrator over fakes of the
// desktop and the encoder.
class ClientStreamTest : public ApplicationHarness {
 protected:
  void SetUp() override {
    ApplicationHarness::SetUp();
    for (const auto handle : {kWindowA, kWindowB, kWindowC}) {
      fakes::FakeWindowSystem::Window w;
      w.handle = handle;
      w.title = "window";
      w.rect = platform::WindowRect{0, 0, 640, 480};
      windows_->addWindow(w);
    }
    startApp();
  }
};

using Calls = std::vector<std::string>;

TEST_F(ClientStreamTest, RequestRegistersBoostsAndStopForgets) {
  ASSERT_TRUE(app_->onStreamRequest(kWindowA, 1));
  EXPECT_EQ(app_->clientStreams(), (std::unordered_map<std::uint8_t, std::uint32_t>{{1, kWindowA}}));
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin"}));
  EXPECT_EQ(log_.count(testing::kInfo, "Stream request: windowId=1001, streamId=1"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Capture started for window 1001 on stream 1"), 1u);
  app_->onStreamStop(1);
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin", "restore", "end"}));
  EXPECT_EQ(log_.count(testing::kInfo, "Client requested to stop stream 1"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Stopped capture for stream 1"), 1u);
}

TEST_F(ClientStreamTest, FailedRequestCreatesNothing) {
  EXPECT_FALSE(app_->onStreamRequest(0xDEAD, 3));
  EXPECT_EQ(log_.count(testing::kError, "Failed to start capture for window dead"), 1u);
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_TRUE(system_->calls().empty());
}

// A window that closes ends its session in the orchestrator; the application must forget the
// stream too, or the priority stays raised for a stream nobody watches.
TEST_F(ClientStreamTest, ClosedWindowReleasesItsClientStream) {
  ASSERT_TRUE(app_->onStreamRequest(kWindowA, 1));
  ASSERT_TRUE(app_->onStreamRequest(kWindowB, 2));
  windows_->removeWindow(kWindowA);
  app_->update();
  EXPECT_EQ(app_->clientStreams(), (std::unordered_map<std::uint8_t, std::uint32_t>{{2, kWindowB}}));
  EXPECT_EQ(log_.count(testing::kInfo, "Stream 1 ended: its capture session is gone"), 1u);
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin"}));
  windows_->removeWindow(kWindowB);
  app_->update();
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin", "restore", "end"}));
  app_->update();
  EXPECT_EQ(system_->calls().size(), 4u);
}

TEST_F(ClientStreamTest, DashboardStreamIsNotAClientStream) {
  ASSERT_TRUE(app_->onStreamRequest(kWindowA, 1));
  ASSERT_TRUE(app_->startCapture(kWindowC, 100));
  EXPECT_EQ(log_.count(testing::kInfo, "Started capture for window 4099 on stream 100"), 1u);
  app_->stopCapture(100);
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin"}));  // still boosted for stream 1
  app_->onStreamStop(1);
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin", "restore", "end"}));
}

// Two client streams and a dashboard stream (never counted), stopped in every order: the count
// always equals the running client streams, so the boost goes exactly at the last one.
TEST_F(ClientStreamTest, DashboardStreamNeverDisturbsThePriorityCount) {
  std::array<std::uint8_t, 3> order{1, 2, 200};  // 200 is the dashboard stream
  do {
    const std::size_t callsBefore = system_->calls().size();
    ASSERT_TRUE(app_->onStreamRequest(kWindowA, 1));
    ASSERT_TRUE(app_->onStreamRequest(kWindowB, 2));
    ASSERT_TRUE(app_->startCapture(kWindowC, 200));
    for (const auto id : order) {
      if (id == 200) app_->stopCapture(id); else app_->onStreamStop(id);
    }
    const auto calls = system_->calls();
    EXPECT_EQ(Calls(calls.begin() + static_cast<std::ptrdiff_t>(callsBefore), calls.end()),
              (Calls{"raise", "begin", "restore", "end"}));
  } while (std::next_permutation(order.begin(), order.end()));
}

// A stream number started again replaces its session and keeps one priority count.
TEST_F(ClientStreamTest, RestartedStreamNumberIsCountedOnce) {
  ASSERT_TRUE(app_->onStreamRequest(kWindowA, 4));
  ASSERT_TRUE(app_->onStreamRequest(kWindowB, 4));
  EXPECT_EQ(app_->clientStreams(), (std::unordered_map<std::uint8_t, std::uint32_t>{{4, kWindowB}}));
  app_->onStreamStop(4);
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin", "restore", "end"}));
  // A dashboard stream taking over a client number gives its count back.
  ASSERT_TRUE(app_->onStreamRequest(kWindowA, 5));
  ASSERT_TRUE(app_->startCapture(kWindowB, 5));
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_EQ(system_->calls().size(), 8u);
}

TEST_F(ClientStreamTest, SettingsReachOnlyClientEncoders) {
  ASSERT_TRUE(app_->onStreamRequest(kWindowA, 1));
  ASSERT_TRUE(app_->startCapture(kWindowB, 100));
  ASSERT_EQ(journal_->count(), 2u);
  EXPECT_TRUE(app_->applySettings(8000, 12000, 60));
  using Rates = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  EXPECT_EQ(journal_->instance(0).bitrates, (Rates{{8000, 12000}}));
  EXPECT_TRUE(journal_->instance(1).bitrates.empty());
  // New encoders start from the new template.
  ASSERT_TRUE(app_->onStreamRequest(kWindowC, 2));
  EXPECT_EQ(journal_->instance(2).config.bitrateKbps, 8000u);
  EXPECT_EQ(journal_->instance(2).config.fps, 60u);
}

TEST_F(ClientStreamTest, ResolutionChangeAsksForAKeyFrame) {
  ASSERT_TRUE(app_->onStreamRequest(kWindowA, 1));
  app_->handleResolutionChange(1, 800, 600);
  EXPECT_EQ(log_.count(testing::kInfo, "Resolution changed for stream 1: 800x600"), 1u);
  EXPECT_EQ(journal_->instance(0).keyframeRequests, 1);
}

TEST_F(ClientStreamTest, EveryThreeHundredSixtiethFrameLogsStats) {
  const std::uint8_t unit[] = {0, 0, 1, 0x41};
  for (int i = 1; i <= 720; ++i) app_->onEncodedFrame(static_cast<std::uint8_t>(i % 2 + 1), unit, 4, i % 100 == 1);
  EXPECT_EQ(log_.count(testing::kInfo, "Stream 1 stats: 360 frames, 4 keyframes sent"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Stream 1 stats: 720 frames, 8 keyframes sent"), 1u);
}

}  // namespace
}  // namespace parvalon::host
