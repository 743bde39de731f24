#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

#include <nlohmann/json.hpp>

#include "support/ChildProcess.h"
#include "support/HostProcess.h"
#include "PatternStamp.h"
#include "support/FreePortSettings.h"
#include "protocol/Base64.h"
#include "support/TestPatternProcess.h"
#include "fakes/TestFolder.h"
#include "encode/TestDecoder.h"
#include "support/VideoTestClient.h"
#include "fakes/WsTestClient.h"
#include "protocol/ClientMessages.h"
#include "protocol/PacketHeaders.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using nlohmann::json;

namespace parvalon::host {
namespace {

using VideoChannel = testing::VideoTestClient;

std::optional<json> readJson(testing::WsTestClient& ws) {
  const auto text = ws.read();
  if (!text) return std::nullopt;
  return json::parse(*text);
}

// The reply to a stream_start and the stream's first stream_config, in whichever order they
// come: a key frame encoded while the start is still being answered has its configuration
// broadcast before the stream_started reply is written.
struct StartReplies {
  json started;
  json config;
};

// Asks for a stream of `window` and reads the replies.
std::optional<StartReplies> startStream(testing::WsTestClient& ws, platform::WindowHandle window) {
  ws.send(json{{"type", "stream_start"}, {"windowId", window}}.dump());
  std::optional<json> started;
  std::optional<json> config;
  for (int i = 0; i < 20 && !(started && config); ++i) {
    auto message = readJson(ws);
    if (!message) return std::nullopt;
    const auto type = message->value("type", "");
    if (type == "error") return std::nullopt;  // the start was refused
    if (type == "stream_started") started = std::move(message);
    else if (type == "stream_config" && !config) config = std::move(message);
  }
  if (!started || !config) return std::nullopt;
  return StartReplies{*started, *config};
}

// The real host on the virtual desktop, streaming the test pattern to a hand-made client.
class FirstStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs the virtual desktop (scripts/test.sh starts it)";
    ports_ = test::writeSettingsWithFreePorts(folder_.path());
    pattern_.emplace(std::vector<std::string>{"--title", "First Stream Pattern", "--width", "640", "--height",
                                              "360", "--fps", "30"});
    ASSERT_NE(pattern_->window(), 0u);
    host_.emplace(folder_.path());
    ASSERT_TRUE(host_->startAndWaitForMainLoop()) << host_->output();
  }
  void TearDown() override {
    if (host_) {
      EXPECT_EQ(host_->terminate(), 0) << host_->output();
    }
    host_.reset();
    pattern_.reset();
  }

  testing::TestFolder folder_{"parvalon-first-stream"};
  test::HostPorts ports_;
  std::optional<testing::TestPatternProcess> pattern_;
  std::optional<test::HostProcess> host_;
};

TEST_F(FirstStreamTest, StreamsThePatternDecodablyAndStopsOnRequest) {
  testing::WsTestClient ws(ports_.signaling);
  ws.send(R"({"type":"hello"})");
  const auto welcome = readJson(ws);
  ASSERT_TRUE(welcome);
  EXPECT_EQ(welcome->at("videoPort"), ports_.video);

  ws.send(R"({"type":"window_list_request"})");
  const auto list = readJson(ws);
  ASSERT_TRUE(list);
  bool listed = false;
  for (const auto& w : list->at("windows")) listed |= w.at("id") == pattern_->window();
  EXPECT_TRUE(listed) << list->dump();

  VideoChannel video(ports_.video);
  ASSERT_TRUE(host_->waitForLog("TCP client connected from 127.0.0.1:"));
  const auto replies = startStream(ws, pattern_->window());
  ASSERT_TRUE(replies);
  const auto* started = &replies->started;
  const int streamId = started->at("streamId");

  const auto* config = &replies->config;
  EXPECT_EQ(config->at("type"), "stream_config");
  EXPECT_EQ(config->at("codec"), "video/avc");
  EXPECT_EQ(config->at("streamId"), streamId);
  EXPECT_EQ(config->at("windowId"), pattern_->window());
  EXPECT_EQ(config->at("width"), 640);
  EXPECT_EQ(config->at("height"), 360);
  const auto sps = protocol::decodeBase64(config->at("sps").get<std::string>());
  ASSERT_TRUE(sps && !sps->empty());
  EXPECT_EQ((*sps)[0] & 0x1F, 7);  // an SPS NAL unit, without start code

  testing::TestDecoder decoder(false);
  std::vector<testing::DecodedPicture> pictures;
  std::uint32_t lastTimestamp = 0;
  for (int i = 0; i < 30; ++i) {
    const auto packet = video.read();
    ASSERT_TRUE(packet) << "packet " << i;
    const auto& h = packet->header;
    EXPECT_EQ(packet->raw[4], 1);  // version
    EXPECT_EQ(packet->raw[5], 1);  // video
    EXPECT_EQ(packet->raw[6], streamId);
    EXPECT_EQ(packet->raw[7], 1);  // flags
    EXPECT_EQ(h.common.sequence, i);
    EXPECT_EQ(h.frameType, i == 0 ? 1 : 3);
    EXPECT_EQ(packet->raw[17], 0);
    EXPECT_EQ(packet->raw[18], 1);
    EXPECT_EQ(packet->raw[19], 0);
    if (i > 0) {
      EXPECT_GT(static_cast<std::int32_t>(h.timestamp - lastTimestamp), 0);
    }
    lastTimestamp = h.timestamp;
    for (auto& p : decoder.decode(packet->payload.data(), packet->payload.size())) pictures.push_back(std::move(p));
  }
  ASSERT_FALSE(pictures.empty());
  const auto& picture = pictures.back();
  EXPECT_EQ(picture.width, 640);
  EXPECT_EQ(picture.height, 368);  // padded to the encoder's 16-pixel grid
  ASSERT_FALSE(picture.bgra.empty());
  for (std::size_t i = 0; i < testpattern::kPatches.size(); ++i) {
    const int x = testpattern::patchLeft(i) + testpattern::kPatchSize / 2;
    const int y = testpattern::kPatchY + testpattern::kPatchSize / 2;
    const std::uint8_t* px = &picture.bgra[(static_cast<std::size_t>(y) * picture.width + x) * 4];
    const auto& want = testpattern::kPatches[i];
    EXPECT_NEAR(px[2], want.r, 8) << "patch " << i;
    EXPECT_NEAR(px[1], want.g, 8) << "patch " << i;
    EXPECT_NEAR(px[0], want.b, 8) << "patch " << i;
  }

  // RTT 80 ms twice, more than a second apart: the host lowers the bitrate once.
  protocol::ClientFeedback feedback;
  feedback.rttMs = 80;
  video.send(protocol::encodeFeedbackMessage(feedback));
  std::this_thread::sleep_for(1100ms);
  video.send(protocol::encodeFeedbackMessage(feedback));
  EXPECT_TRUE(host_->waitForLog("reducing bitrate 20000 -> 16000 kbps", 5s));

  ws.send(json{{"type", "stream_stop"}, {"streamId", streamId}}.dump());
  const auto stopped = readJson(ws);
  ASSERT_TRUE(stopped);
  EXPECT_EQ(stopped->dump(), json({{"streamId", streamId}, {"type", "stream_stopped"}}).dump());
  EXPECT_TRUE(video.fallsSilent(700ms));
}

TEST_F(FirstStreamTest, ResizedWindowGetsANewConfigurationAndKeepsDecoding) {
  testing::WsTestClient ws(ports_.signaling);
  VideoChannel video(ports_.video);
  ASSERT_TRUE(host_->waitForLog("TCP client connected from 127.0.0.1:"));
  const auto replies = startStream(ws, pattern_->window());
  ASSERT_TRUE(replies);
  const auto* first = &replies->config;  // 640x360
  EXPECT_EQ(first->at("width"), 640);

  const auto resize = "xdotool windowsize " + std::to_string(pattern_->window()) + " 800 480";
  ASSERT_EQ(std::system(resize.c_str()), 0);
  const auto second = readJson(ws);
  ASSERT_TRUE(second) << "no stream_config after the resize";
  EXPECT_EQ(second->at("type"), "stream_config");
  EXPECT_EQ(second->at("width"), 800);
  EXPECT_EQ(second->at("height"), 480);

  // The packets after the new key frame decode at the new size.
  testing::TestDecoder decoder(false);
  int decodedAtNewSize = 0;
  for (int i = 0; i < 120 && decodedAtNewSize < 3; ++i) {
    const auto packet = video.read();
    ASSERT_TRUE(packet);
    for (const auto& p : decoder.decode(packet->payload.data(), packet->payload.size())) {
      if (p.width == 800 && p.height == 480) ++decodedAtNewSize;
    }
  }
  EXPECT_GE(decodedAtNewSize, 3);
}

// (A client whose connection goes loses its streams after the grace period: the application's
// own tests prove that over real sockets, with a clock they control.)
TEST_F(FirstStreamTest, ClosingTheWindowEndsTheStream) {
  testing::WsTestClient ws(ports_.signaling);
  ws.send(json{{"type", "stream_start"}, {"windowId", pattern_->window()}}.dump());
  const auto started = ws.readOfType("stream_started");
  ASSERT_TRUE(started);
  ASSERT_EQ(started->at("streamId"), 1);
  ASSERT_TRUE(host_->waitForLog("Sending stream_config for stream 1"));
  pattern_->terminate();  // the window goes away under the capture
  // Either the capture reports the closed window or the main loop finds the window gone first
  // ("Removing inactive session"); both end the stream.
  EXPECT_TRUE(host_->waitForLog("Stream 1 ended: its capture session is gone", 5s)) << host_->log();
}

// A static window yields one key frame when its capture starts and nothing after it; that frame
// must find its stream registered, or it leaves without a stream_config and the headset never
// learns how to decode the stream.
TEST_F(FirstStreamTest, EveryStartOnAStaticWindowGetsItsConfigurationBeforeItsFirstPacket) {
  testing::TestPatternProcess still(std::vector<std::string>{"--title", "Static Pattern", "--width", "160",
                                                             "--height", "120", "--static"});
  ASSERT_NE(still.window(), 0u);
  testing::WsTestClient ws(ports_.signaling, 10s);
  // The window can be reported before the window manager has mapped it at its size.
  bool listed = false;
  for (int i = 0; i < 100 && !listed; ++i) {
    ws.send(R"({"type":"window_list_request"})");
    const auto list = ws.readOfType("window_list");
    ASSERT_TRUE(list);
    for (const auto& w : list->at("windows")) listed |= w.at("id") == still.window() && w.at("width") == 160;
    if (!listed) std::this_thread::sleep_for(50ms);
  }
  ASSERT_TRUE(listed);
  VideoChannel video(ports_.video);
  ASSERT_TRUE(host_->waitForLog("TCP client connected from 127.0.0.1:"));
  for (int run = 1; run <= 50; ++run) {
    const auto replies = startStream(ws, still.window());
    ASSERT_TRUE(replies) << "no stream_started or no stream_config, run " << run << "\n" << host_->log();
    const int streamId = replies->started.at("streamId");
    EXPECT_EQ(replies->config.at("streamId"), streamId);
    EXPECT_EQ(replies->config.at("width"), 160);
    EXPECT_EQ(replies->config.at("height"), 120);

    std::optional<VideoChannel::Packet> first;
    for (int i = 0; i < 20 && !first; ++i) {
      auto packet = video.read(10s);
      ASSERT_TRUE(packet) << "no video for stream " << streamId;
      if (packet->header.common.streamId == streamId) first = std::move(packet);
    }
    ASSERT_TRUE(first) << "run " << run;
    EXPECT_EQ(first->header.frameType, 1) << "run " << run;  // the stream opens with its key frame

    ws.send(json{{"type", "stream_stop"}, {"streamId", streamId}}.dump());
    ASSERT_TRUE(ws.readOfType("stream_stopped")) << "run " << run;
  }
}

// The audio number follows the first stream; when that stream's window closes, the next stream
// started gets it (without that, no later stream would ever carry audio).
// Plays silence into the default sink while it lives: a sink nobody plays into may be suspended,
// and its monitor then delivers no samples at all, so the audio path would have nothing to carry.
test::ChildProcess silencePlayer() {
  return test::ChildProcess("pacat", {"--playback", "--raw", "/dev/zero"}, test::ChildProcess::Options{{}, {}, {}, true});
}

TEST_F(FirstStreamTest, AudioMovesToTheNextStreamWhenTheWindowOfItsStreamCloses) {
  if (!std::getenv("PULSE_SERVER")) GTEST_SKIP() << "needs the virtual desktop's PulseAudio";
  ASSERT_TRUE(host_->waitForLog("Audio capture started")) << host_->log();
  auto silence = silencePlayer();
  ASSERT_TRUE(silence.start());
  testing::TestPatternProcess second(std::vector<std::string>{"--title", "Second Pattern", "--width", "320",
                                                              "--height", "240", "--fps", "30"});
  ASSERT_NE(second.window(), 0u);
  // The channels admit the address of a signaling session only: the headset's comes first.
  testing::WsTestClient ws(ports_.signaling);
  VideoChannel audio(ports_.audio);
  ASSERT_TRUE(audio.connected());
  ASSERT_TRUE(host_->waitForLog("TCP audio client connected from 127.0.0.1"));

  ws.send(json{{"type", "stream_start"}, {"windowId", pattern_->window()}}.dump());
  ASSERT_EQ(ws.readOfType("stream_started").value().at("streamId"), 1);
  ASSERT_TRUE(host_->waitForLog("Audio is carried by stream 1")) << host_->log();
  // The null sink's monitor delivers its silence as samples: packets flow with nothing playing.
  const auto first = audio.readAudio(8s);
  ASSERT_TRUE(first) << host_->log();
  EXPECT_EQ(first->header.common.packetType, protocol::kPacketTypeAudio);
  EXPECT_EQ(first->header.common.streamId, 1);

  pattern_->terminate();
  ASSERT_TRUE(host_->waitForLog("Stream 1 ended: its capture session is gone", 5s)) << host_->log();
  EXPECT_TRUE(audio.audioFallsSilent(500ms));  // nothing is tagged with the dead stream any more

  ws.send(json{{"type", "stream_start"}, {"windowId", second.window()}}.dump());
  ASSERT_EQ(ws.readOfType("stream_started").value().at("streamId"), 2);
  for (int i = 0; i < 5; ++i) {
    const auto packet = audio.readAudio(5s);
    ASSERT_TRUE(packet) << host_->log();
    EXPECT_EQ(packet->header.common.streamId, 2);
  }
}

}  // namespace
}  // namespace parvalon::host
