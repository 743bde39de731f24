#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <boost/asio/ip/tcp.hpp>
#include <nlohmann/json.hpp>

#include "ApplicationHarness.h"
#include "support/FreePortSettings.h"
#include "fakes/LogCapture.h"
#include "support/VideoTestClient.h"
#include "fakes/WsTestClient.h"
#include "protocol/ClientMessages.h"

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using namespace std::chrono_literals;
using nlohmann::json;

namespace parvalon::host {
namespace {

using VideoClient = testing::VideoTestClient;

class ApplicationNetworkTest : public ApplicationHarness {};

TEST_F(ApplicationNetworkTest, WelcomeAnnouncesTheConfiguredPorts) {
  startApp();
  testing::WsTestClient ws(ports_.signaling);
  ws.send(R"({"type":"hello","clientName":"test"})");
  const auto welcome = json::parse(ws.read().value());
  EXPECT_EQ(welcome.at("videoPort"), ports_.video);
  EXPECT_EQ(welcome.at("audioPort"), ports_.audio);
  EXPECT_EQ(welcome.at("inputPort"), ports_.input);
  EXPECT_TRUE(testing::waitUntil([&] { return log_.count(testing::kInfo, "Client connected from 127.0.0.1 (TCP video port: " +
                                              std::to_string(ports_.video) + ")") == 1u; }));
  EXPECT_TRUE(app_->isClientConnected());
}

TEST_F(ApplicationNetworkTest, FirstKeyFrameBringsOneStreamConfigToEveryClientThenThePackets) {
  startApp();
  testing::WsTestClient requester(ports_.signaling);
  testing::WsTestClient bystander(ports_.signaling);
  VideoClient video(ports_.video);
  const int streamId = subscribe(requester);
  ASSERT_EQ(streamId, 1);
  // The video connection is registered on the io thread; give it a moment before frames flow.
  ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("TCP client connected from 127.0.0.1:"); }));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(source()->pushFilledFrame(10, 20, 30));
  app_->handleResolutionChange(1, 640, 480);  // asks for a fresh configuration with the next key frame
  ASSERT_TRUE(source()->pushFilledFrame(10, 20, 30));

  const std::string config =
      R"({"codec":"video/avc","height":480,"pps":"aO4=","sps":"Z00=","streamId":1,"targetBitrate":20000,)"
      R"("targetFps":72,"type":"stream_config","width":640,"windowId":8193})";
  EXPECT_EQ(bystander.read(), config);  // the bystander never said hello and still hears it
  EXPECT_EQ(requester.read(), config);
  EXPECT_EQ(requester.read(), config);  // again after the size change, and only then
  EXPECT_EQ(log_.count(testing::kInfo, "Sending stream_config for stream 1: 640x480, SPS=2B, PPS=2B"), 2u);

  std::vector<std::uint8_t> frameTypes;
  std::vector<std::uint16_t> sequences;
  for (int i = 0; i < 4; ++i) {
    const auto packet = video.read();
    ASSERT_TRUE(packet) << "packet " << i;
    EXPECT_EQ(packet->header.common.streamId, 1);
    frameTypes.push_back(packet->header.frameType);
    sequences.push_back(packet->header.common.sequence);
  }
  EXPECT_EQ(frameTypes, (std::vector<std::uint8_t>{1, 3, 3, 1}));
  EXPECT_EQ(sequences, (std::vector<std::uint16_t>{0, 1, 2, 3}));
}

// A headset whose WebSocket drops comes back within the grace period: its hello is answered with
// the welcome and then the stream_config of the stream it had, which never stopped. A client
// that does not come back loses its streams when the grace period is over.
TEST_F(ApplicationNetworkTest, HeadsetThatReconnectsInTimeKeepsItsStream) {
  startApp();
  {
    testing::WsTestClient ws(ports_.signaling);
    ws.send(R"({"type":"hello","clientName":"Quest 3"})");
    ASSERT_TRUE(ws.readOfType("welcome"));
    ASSERT_EQ(subscribe(ws), 1);
    ws.dropConnection();
  }
  ASSERT_TRUE(testing::waitUntil([&] {
    app_->update();
    return log_.contains("Client session ended, keeping its stream 1 for 10 s");
  }));
  clockMs_ += 9000;
  app_->update();
  ASSERT_EQ(app_->clientStreams().size(), 1u);

  testing::WsTestClient back(ports_.signaling);
  back.send(R"({"type":"hello","clientName":"Quest 3"})");
  const auto first = back.read();
  ASSERT_TRUE(first);
  EXPECT_EQ(json::parse(*first).at("type"), "welcome");
  ASSERT_TRUE(source()->pushFilledFrame(10, 20, 30));  // the key frame the resumed stream asked for
  const auto config = back.readOfType("stream_config");
  ASSERT_TRUE(config);
  EXPECT_EQ(config->at("streamId"), 1);
  EXPECT_FALSE(source()->stopped());

  back.dropConnection();
  ASSERT_TRUE(testing::waitUntil([&] {
    app_->update();
    return log_.count(testing::kInfo, "Client session ended, keeping its stream 1 for 10 s") == 2u;
  }));
  clockMs_ += 10000;
  ASSERT_TRUE(testing::waitUntil([&] {
    app_->update();
    return app_->clientStreams().empty();
  }));
  EXPECT_EQ(log_.count(testing::kInfo, "Client session ended, stopping its stream 1"), 1u);
  EXPECT_TRUE(source()->stopped());
}

TEST_F(ApplicationNetworkTest, CongestedFeedbackLowersClientStreamsOncePerSecond) {
  startApp();
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  VideoClient video(ports_.video);
  protocol::ClientFeedback feedback;
  feedback.rttMs = 80;
  // Sends one feedback at `atMs` on the application's clock and waits until it was evaluated.
  const auto sendAt = [&](std::int64_t atMs) {
    clockMs_ = atMs;
    const int before = clockReadings_.load();
    video.send(protocol::encodeFeedbackMessage(feedback));
    return testing::waitUntil([&] {
      app_->update();
      return clockReadings_.load() > before;
    });
  };
  const std::string first = "Network congestion (RTT=80ms, decode=0ms), reducing bitrate 20000 -> 16000 kbps";
  const std::string second = "Network congestion (RTT=80ms, decode=0ms), reducing bitrate 16000 -> 12800 kbps";
  // The first feedback starts the clock; the next ones within the second change nothing. (A
  // reading means that feedback's evaluation began, so the ones before it are done.)
  for (const std::int64_t at : {0, 100, 200, 300, 999}) ASSERT_TRUE(sendAt(at)) << at;
  EXPECT_EQ(log_.count(testing::kWarn, first), 0u);
  ASSERT_TRUE(sendAt(1000));
  ASSERT_TRUE(testing::waitUntil([&] { return log_.count(testing::kWarn, first) == 1u; }));
  ASSERT_TRUE(sendAt(1999));
  ASSERT_TRUE(sendAt(2000));
  ASSERT_TRUE(testing::waitUntil([&] { return log_.count(testing::kWarn, second) == 1u; }));
  using Rates = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
  const Rates expected{{16000, 24000}, {12800, 19200}};
  EXPECT_TRUE(testing::waitUntil([&] { return journal_->instance(0).bitrates == expected; }));
}

TEST_F(ApplicationNetworkTest, SignalingPortInUseAbortsBeforeTheOtherServers) {
  asio::io_context io;
  tcp::acceptor holder(io, tcp::endpoint(tcp::v4(), 0), false);
  test::writeSettingsWithFreePorts(root_);
  // Move the signaling port onto the held one.
  json settings = json::parse(std::ifstream(root_ / "Parvalon" / "settings.json"));
  settings["signalingPort"] = holder.local_endpoint().port();
  std::ofstream(root_ / "Parvalon" / "settings.json") << settings.dump();
  app_ = makeApp();
  EXPECT_FALSE(app_->initialize());
  EXPECT_EQ(log_.count(testing::kError, "Failed to start signaling server"), 1u);
  for (const auto& line : log_.texts()) {
    EXPECT_EQ(line.find("Initializing TCP"), std::string::npos) << line;
    EXPECT_EQ(line.find("Initializing discovery"), std::string::npos) << line;
  }
}

TEST_F(ApplicationNetworkTest, ShutdownWithFramesStillFlowingDropsThemSafely) {
  startApp();
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  VideoClient video(ports_.video);
  std::atomic<bool> stop{false};
  auto control = source();
  std::thread pusher([&] {
    for (int i = 0; i < 2000 && !stop.load(); ++i) {
      if (!control->pushFilledFrame(1, 2, 3)) break;
    }
  });
  std::this_thread::sleep_for(50ms);
  app_->shutdown();
  stop = true;
  pusher.join();
  EXPECT_EQ(log_.count(testing::kInfo, "Application shutdown complete"), 1u);
}

}  // namespace
}  // namespace parvalon::host
