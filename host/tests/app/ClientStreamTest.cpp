#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <algorithm>
#include <array>
#include <filesystem>

#include "ApplicationHarness.h"
#include "support/FreePortSettings.h"
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
  int resizeCalls() const {
    int n = 0;
    for (const auto& call : windows_->calls()) n += call.rfind("setWindowSize", 0) == 0 ? 1 : 0;
    return n;
  }
};

using Calls = std::vector<std::string>;
using Streams = std::unordered_map<std::uint8_t, std::uint32_t>;

const SignalingClient kStranger{1002, "127.0.0.1"};

TEST_F(ClientStreamTest, RequestRegistersBoostsAndStopForgets) {
  ASSERT_EQ(request(kWindowA), 1);
  EXPECT_EQ(app_->clientStreams(), (Streams{{1, kWindowA}}));
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin"}));
  EXPECT_EQ(log_.count(testing::kInfo, "Stream request: windowId=1001, streamId=1"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Capture started for window 1001 on stream 1"), 1u);
  app_->onStreamStop(1, kHeadset);
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin", "restore", "end"}));
  EXPECT_EQ(log_.count(testing::kInfo, "Client requested to stop stream 1"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Stopped capture for stream 1"), 1u);
}

TEST_F(ClientStreamTest, FailedRequestCreatesNothing) {
  EXPECT_EQ(request(0xDEAD), -1);
  EXPECT_EQ(log_.count(testing::kError, "Failed to start capture for window dead"), 1u);
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_TRUE(system_->calls().empty());
}

// A window that closes ends its session in the orchestrator; the application must forget the
// stream too, or the priority stays raised for a stream nobody watches.
TEST_F(ClientStreamTest, ClosedWindowReleasesItsClientStream) {
  ASSERT_EQ(request(kWindowA), 1);
  ASSERT_EQ(request(kWindowB), 2);
  windows_->removeWindow(kWindowA);
  app_->update();
  EXPECT_EQ(app_->clientStreams(), (Streams{{2, kWindowB}}));
  EXPECT_EQ(log_.count(testing::kInfo, "Stream 1 ended: its capture session is gone"), 1u);
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin"}));
  windows_->removeWindow(kWindowB);
  app_->update();
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin", "restore", "end"}));
  app_->update();
  EXPECT_EQ(system_->calls().size(), 4u);
}

// The operator's click used to number its stream 1 as well and so replaced the headset's
// stream 1: one numbering now serves the dashboard and every client, and a number in use is
// never handed out again, also after the counter wraps.
TEST_F(ClientStreamTest, DashboardAndClientsShareOneNumberingThatSkipsNumbersInUse) {
  ASSERT_EQ(request(kWindowA), 1);
  const auto dashboard = app_->startCapture(kWindowC);
  ASSERT_EQ(dashboard, std::optional<std::uint8_t>(2));
  EXPECT_EQ(log_.count(testing::kInfo, "Started capture for window 4099 on stream 2"), 1u);
  EXPECT_EQ(app_->clientStreams(), (Streams{{1, kWindowA}}));  // the headset's stream runs on
  EXPECT_EQ(journal_->count(), 2u);

  // Numbers 3 to 255 and 0 come and go; the next round skips 1 and 2, which still run.
  for (int i = 3; i <= 256; ++i) {
    const int id = request(kWindowB);
    ASSERT_EQ(id, i % 256);
    app_->onStreamStop(static_cast<std::uint8_t>(id), kHeadset);
  }
  EXPECT_EQ(request(kWindowB), 3);
  const std::vector<Application::StreamedWindow> running = app_->streamedWindows();
  EXPECT_EQ(running.size(), 3u);
  app_->stopCapture(*dashboard);
  EXPECT_EQ(app_->clientStreams(), (Streams{{1, kWindowA}, {3, kWindowB}}));
}

// Two client streams and a dashboard stream (never counted), stopped in every order: the count
// always equals the running client streams, so the boost goes exactly at the last one.
TEST_F(ClientStreamTest, DashboardStreamNeverDisturbsThePriorityCount) {
  std::array<int, 3> order{0, 1, 2};  // 2 is the dashboard stream
  do {
    const std::size_t callsBefore = system_->calls().size();
    const std::array<int, 3> ids{request(kWindowA), request(kWindowB), app_->startCapture(kWindowC).value_or(0)};
    for (const auto index : order) {
      const auto id = static_cast<std::uint8_t>(ids[static_cast<std::size_t>(index)]);
      if (index == 2) app_->stopCapture(id); else app_->onStreamStop(id, kHeadset);
    }
    const auto calls = system_->calls();
    EXPECT_EQ(Calls(calls.begin() + static_cast<std::ptrdiff_t>(callsBefore), calls.end()),
              (Calls{"raise", "begin", "restore", "end"}));
  } while (std::next_permutation(order.begin(), order.end()));
}

// 40 stream_starts for one window from one connection used to give 40 captures.
TEST_F(ClientStreamTest, SameWindowTwiceFromOneSessionIsOneStreamWithAFreshConfiguration) {
  ASSERT_EQ(request(kWindowA), 1);
  for (int i = 0; i < 40; ++i) ASSERT_EQ(request(kWindowA), 1);
  EXPECT_EQ(journal_->count(), 1u);
  EXPECT_EQ(sources_->sources().size(), 1u);
  EXPECT_EQ(journal_->instance(0).keyframeRequests, 40);  // each answer brings its stream_config again
  // Another session asking for the same window gets a stream of its own.
  EXPECT_EQ(request(kWindowA, kStranger), 2);
}

TEST_F(ClientStreamTest, StreamLimitCountsEveryOwnerAndRefusesBeyondIt) {
  app_->settings().maxStreams = 3;
  ASSERT_EQ(request(kWindowA), 1);
  ASSERT_TRUE(app_->startCapture(kWindowB));
  ASSERT_EQ(request(kWindowC, kStranger), 3);
  const auto refused = app_->onStreamRequest(kWindowB, kHeadset);
  EXPECT_EQ(refused.status, StreamStartResult::Status::LimitReached);
  EXPECT_FALSE(app_->startCapture(kWindowA));
  EXPECT_EQ(log_.count(testing::kWarn, "Stream limit reached (3 streams running), refusing a stream of window 1002"),
            1u);
  EXPECT_EQ(journal_->count(), 3u);
  app_->onStreamStop(1, kHeadset);
  EXPECT_EQ(request(kWindowB), 4);
}

// A page or a second device could stop the headset's stream or resize any window: a session
// acts only on its own streams and the windows they capture.
TEST_F(ClientStreamTest, SessionActsOnlyOnItsOwnStreams) {
  ASSERT_EQ(request(kWindowA), 1);
  app_->onStreamStop(1, kStranger);
  EXPECT_EQ(app_->clientStreams(), (Streams{{1, kWindowA}}));
  EXPECT_EQ(log_.count(testing::kWarn, "Stream stop request for stream 1 refused: not a stream of the client at 127.0.0.1"),
            1u);
  app_->onClientKeyframeRequest(1, kStranger);
  EXPECT_EQ(journal_->instance(0).keyframeRequests, 0);
  app_->onClientKeyframeRequest(1, kHeadset);
  EXPECT_EQ(journal_->instance(0).keyframeRequests, 1);

  EXPECT_FALSE(app_->onWindowResizeRequest(kWindowA, 800, 600, kStranger));
  EXPECT_FALSE(app_->onWindowResizeRequest(kWindowB, 800, 600, kHeadset));  // nobody streams it
  EXPECT_EQ(log_.count(testing::kWarn, "Window resize refused: window 1002 is not streamed to the client at 127.0.0.1"),
            1u);
  EXPECT_EQ(resizeCalls(), 0);
  EXPECT_TRUE(app_->onWindowResizeRequest(kWindowA, 800, 600, kHeadset));
  EXPECT_EQ(resizeCalls(), 1);
}

// A headset whose WebSocket drops for a moment comes back to its streams: they wait for the
// same client (name and address) for the grace period and then stop.
TEST_F(ClientStreamTest, EndedSessionsStreamsWaitForTheSameClient) {
  app_->onClientHello(kHeadset, protocol::ClientHello{"Quest 3", "eureka"});
  ASSERT_EQ(request(kWindowA), 1);
  ASSERT_EQ(request(kWindowB), 2);
  app_->onSessionEnded(kHeadset, false);
  EXPECT_EQ(log_.count(testing::kInfo, "Client session ended, keeping its stream 1 for 10 s"), 1u);

  clockMs_ += 9000;
  app_->update();
  EXPECT_EQ(app_->clientStreams().size(), 2u);
  // Another client at the same address, and the same name elsewhere, take nothing over.
  app_->onClientHello(kStranger, protocol::ClientHello{"Other", ""});
  app_->onClientHello(SignalingClient{1003, "127.0.0.2"}, protocol::ClientHello{"Quest 3", ""});
  const SignalingClient back{1004, "127.0.0.1"};
  app_->onClientHello(back, protocol::ClientHello{"Quest 3", "eureka"});
  EXPECT_EQ(log_.count(testing::kInfo, "Client at 127.0.0.1 resumed its stream 1"), 1u);
  EXPECT_EQ(journal_->instance(0).keyframeRequests, 1);  // its stream_config follows the welcome
  EXPECT_EQ(journal_->instance(1).keyframeRequests, 1);

  clockMs_ += 60000;
  app_->update();
  EXPECT_EQ(app_->clientStreams().size(), 2u);  // owned again: no grace runs
  app_->onStreamStop(1, back);
  EXPECT_EQ(app_->clientStreams(), (Streams{{2, kWindowB}}));

  app_->onSessionEnded(back, false);
  clockMs_ += 9999;
  app_->update();
  EXPECT_EQ(app_->clientStreams().size(), 1u);
  clockMs_ += 1;
  app_->update();
  EXPECT_TRUE(app_->clientStreams().empty());
  EXPECT_EQ(log_.count(testing::kInfo, "Client session ended, stopping its stream 2"), 1u);
  EXPECT_EQ(system_->calls(), (Calls{"raise", "begin", "restore", "end"}));
}

// A client that says goodbye with a close frame is done: nothing waits for it.
TEST_F(ClientStreamTest, ClosedSessionsStreamsStopAtOnce) {
  ASSERT_EQ(request(kWindowA), 1);
  ASSERT_EQ(request(kWindowB, kStranger), 2);
  app_->onSessionEnded(kHeadset, true);
  EXPECT_EQ(app_->clientStreams(), (Streams{{2, kWindowB}}));
  EXPECT_EQ(log_.count(testing::kInfo, "Client session ended, stopping its stream 1"), 1u);
  EXPECT_EQ(log_.count(testing::kInfo, "Stopped capture for stream 1"), 1u);
}

// The dashboard names the headset that streams, not whichever client said hello last (a
// `parvalon-viewer list` or a second device).
TEST_F(ClientStreamTest, StatusNamesTheClientThatOwnsTheStreams) {
  testing::WsTestClient connected(ports_.signaling);  // the status shows a client while one is connected
  ASSERT_TRUE(testing::waitUntil([&] { return app_->isClientConnected(); }));
  app_->onClientHello(kHeadset, protocol::ClientHello{"Quest 3", ""});
  ASSERT_EQ(request(kWindowA), 1);
  app_->onClientHello(SignalingClient{1005, "127.0.0.9"}, protocol::ClientHello{"parvalon-viewer", ""});
  EXPECT_EQ(app_->connectionStatus().clientName, "Quest 3");
  EXPECT_EQ(app_->connectionStatus().clientAddress, "127.0.0.1");
  ASSERT_EQ(request(kWindowB, SignalingClient{1005, "127.0.0.9"}), 2);  // streams too now: named
  EXPECT_EQ(app_->connectionStatus().clientName, "parvalon-viewer");
}

TEST_F(ClientStreamTest, SettingsReachOnlyClientEncoders) {
  ASSERT_EQ(request(kWindowA), 1);
  ASSERT_TRUE(app_->startCapture(kWindowB));
  ASSERT_EQ(journal_->count(), 2u);
  EXPECT_TRUE(app_->applySettings(8000, 12000, 60));
  using Rates = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  EXPECT_EQ(journal_->instance(0).bitrates, (Rates{{8000, 12000}}));
  EXPECT_TRUE(journal_->instance(1).bitrates.empty());
  // New encoders start from the new template.
  ASSERT_EQ(request(kWindowC), 3);
  EXPECT_EQ(journal_->instance(2).config.bitrateKbps, 8000u);
  EXPECT_EQ(journal_->instance(2).config.fps, 60u);
}

TEST_F(ClientStreamTest, ResolutionChangeAsksForAKeyFrame) {
  ASSERT_EQ(request(kWindowA), 1);
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
