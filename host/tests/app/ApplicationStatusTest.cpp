#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ApplicationHarness.h"
#include "support/VideoTestClient.h"
#include "protocol/ClientMessages.h"
#include "protocol/PacketHeaders.h"

// The figures the dashboard shows about the headset, measured from what really happens on the
// signaling and video channels, on the application's own (test-driven) clock.
namespace parvalon::host {
namespace {

class ApplicationStatusTest : public ApplicationHarness {
 protected:
  // Waits until the status satisfies `check`, running the main loop's per-frame work.
  template <class Check>
  ::testing::AssertionResult statusBecomes(Check check) {
    ConnectionStatus last;
    const bool ok = testing::waitUntil([&] {
      app_->update();
      last = app_->connectionStatus();
      return check(last);
    });
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "last status: connected=" << last.connected << " name='"
                                         << last.clientName << "' address='" << last.clientAddress
                                         << "' fps=" << last.fps << " latency=" << last.latencyMs
                                         << " Mbps=" << last.bitrateMbps;
  }
};

TEST_F(ApplicationStatusTest, ScriptedSessionGivesMeasuredFigures) {
  startApp();
  EXPECT_EQ(app_->connectionStatus(), ConnectionStatus{});

  testing::WsTestClient ws(ports_.signaling);
  ws.send(R"({"type":"hello","clientName":"Quest Pro","deviceName":"seacliff"})");
  ASSERT_TRUE(ws.read());
  ASSERT_TRUE(statusBecomes([](const ConnectionStatus& s) {
    return s.connected && s.clientName == "Quest Pro" && s.clientAddress == "127.0.0.1";
  }));
  EXPECT_EQ(app_->connectionStatus().fps, 0);
  EXPECT_EQ(app_->connectionStatus().latencyMs, 0.0f);
  EXPECT_EQ(app_->connectionStatus().bitrateMbps, 0.0f);

  testing::VideoTestClient video(ports_.video);
  ASSERT_EQ(subscribe(ws), 1);
  ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("TCP client connected from 127.0.0.1:"); }));

  // Five frames at t = 1000 ms on the application's clock; what the client receives is what counts.
  clockMs_ = 1000;
  constexpr int kFrames = 5;
  std::uint64_t bytes = 0;
  for (int i = 0; i < kFrames; ++i) {
    ASSERT_TRUE(source()->pushFilledFrame(10, 20, 30));
    const auto packet = video.read();
    ASSERT_TRUE(packet) << i;
    bytes += packet->payload.size() + protocol::kVideoPacketHeaderBytes;
  }
  const float mbps = static_cast<float>(static_cast<double>(bytes) * 8.0 / 1e6);
  ASSERT_TRUE(statusBecomes([&](const ConnectionStatus& s) { return s.fps == kFrames; }));
  EXPECT_FLOAT_EQ(app_->connectionStatus().bitrateMbps, mbps);

  protocol::ClientFeedback feedback;
  feedback.rttMs = 23;
  video.send(protocol::encodeFeedbackMessage(feedback));
  ASSERT_TRUE(statusBecomes([](const ConnectionStatus& s) { return s.latencyMs == 23.0f; }));
  feedback.rttMs = 9;
  video.send(protocol::encodeFeedbackMessage(feedback));
  ASSERT_TRUE(statusBecomes([](const ConnectionStatus& s) { return s.latencyMs == 9.0f; }));

  // Within the second the frames still count; a second after them they have left the window.
  clockMs_ = 1999;
  EXPECT_EQ(app_->connectionStatus().fps, kFrames);
  clockMs_ = 2000;
  const ConnectionStatus idle = app_->connectionStatus();
  EXPECT_EQ(idle.fps, 0);
  EXPECT_EQ(idle.bitrateMbps, 0.0f);
  EXPECT_EQ(idle.latencyMs, 9.0f);  // the last report stands until the next one
  EXPECT_EQ(idle.clientName, "Quest Pro");

  // The client leaves: nothing is shown; the next one starts over with its own name.
  ws.closeWithFrame();
  ASSERT_TRUE(statusBecomes([](const ConnectionStatus& s) { return !s.connected; }));
  EXPECT_EQ(app_->connectionStatus(), ConnectionStatus{});
  testing::WsTestClient next(ports_.signaling);
  next.send(R"({"type":"hello","deviceName":"eureka"})");
  ASSERT_TRUE(next.read());
  ASSERT_TRUE(statusBecomes([](const ConnectionStatus& s) { return s.connected && s.clientName == "eureka"; }));
  EXPECT_EQ(app_->connectionStatus().latencyMs, 0.0f);
}

// Frames that reach no video client are not counted as sent.
TEST_F(ApplicationStatusTest, FramesWithoutAVideoClientAreNotCounted) {
  startApp();
  testing::WsTestClient ws(ports_.signaling);
  ws.send(R"({"type":"hello","clientName":7})");
  ASSERT_TRUE(ws.read());
  ASSERT_EQ(subscribe(ws), 1);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(source()->pushFilledFrame(10, 20, 30));
  ASSERT_TRUE(testing::waitUntil([&] { return journal_->count() == 1 && journal_->instance(0).frames.size() >= 3; }));
  const ConnectionStatus status = app_->connectionStatus();
  EXPECT_TRUE(status.connected);
  EXPECT_EQ(status.clientName, "Meta Quest");  // a non-string name counts as none
  EXPECT_EQ(status.fps, 0);
  EXPECT_EQ(status.bitrateMbps, 0.0f);
}

}  // namespace
}  // namespace parvalon::host
