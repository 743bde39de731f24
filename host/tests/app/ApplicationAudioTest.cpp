#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "ApplicationHarness.h"
#include "fakes/VideoTestClient.h"
#include "protocol/PacketHeaders.h"

namespace parvalon::host {
namespace {

using AudioClient = testing::VideoTestClient;

// The audio path of the Application: the fake device plays 48 kHz stereo float packets, the
// real audio server sends the Opus packets to a client on 127.0.0.1.
class ApplicationAudioTest : public ApplicationHarness {
 protected:
  void connectAudio() {
    audioClient_.emplace(ports_.audio);
    ASSERT_TRUE(audioClient_->connected());
    ASSERT_TRUE(waitFor([&] { return log_.containsPrefix("info|TCP audio client connected from 127.0.0.1"); }));
  }
  // `frames` stereo frames of a 440 Hz tone at half scale.
  void play(std::uint32_t frames) {
    std::vector<float> samples;
    for (std::uint32_t i = 0; i < frames; ++i, ++phase_) {
      const float s = 0.5f * static_cast<float>(std::sin(2.0 * M_PI * 440.0 * phase_ / 48000.0));
      samples.push_back(s);
      samples.push_back(s);
    }
    audio_->push(test::FakeAudioEndpoint::floatPacket(samples, 2));
  }
  // Stream numbers of the audio packets that arrive until the channel is quiet for `quiet`.
  std::vector<int> audioPacketStreams(std::chrono::milliseconds quiet = 400ms) {
    std::vector<int> streams;
    for (int i = 0; i < 50; ++i) {
      const auto packet = audioClient_->readAudio(quiet);
      if (!packet) break;
      EXPECT_EQ(packet->header.common.packetType, protocol::kPacketTypeAudio);
      EXPECT_FALSE(packet->payload.empty());
      streams.push_back(packet->header.common.streamId);
    }
    return streams;
  }
  void stop(testing::WsTestClient& ws, int streamId) {
    ws.send(R"({"type":"stream_stop","streamId":)" + std::to_string(streamId) + "}");
    ASSERT_TRUE(ws.read().has_value());  // stream_stopped
  }

  std::optional<AudioClient> audioClient_;
  std::uint64_t phase_ = 0;
};

TEST_F(ApplicationAudioTest, FirstStreamCarriesTheAudioInWholeOpusFrames) {
  startApp();
  EXPECT_EQ(log_.count("info|Audio capture started"), 2);  // the capture's line and the host's
  connectAudio();
  play(960);  // no stream yet: discarded, not buffered
  EXPECT_TRUE(audioPacketStreams().empty());

  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  EXPECT_EQ(app_->audioStream(), std::optional<std::uint8_t>(1));
  play(1000);  // two frames of 480; 40 frames wait
  EXPECT_EQ(audioPacketStreams(), (std::vector<int>{1, 1}));
  play(440);  // with the 40 kept: exactly one more frame
  EXPECT_EQ(audioPacketStreams(), (std::vector<int>{1}));
}

TEST_F(ApplicationAudioTest, StoppingTheAudioStreamSilencesAudioUntilTheNextStart) {
  startApp();
  connectAudio();
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  ASSERT_EQ(subscribe(ws), 2);
  EXPECT_EQ(app_->audioStream(), std::optional<std::uint8_t>(1));  // the second stream does not take it

  stop(ws, 1);
  EXPECT_EQ(app_->audioStream(), std::nullopt);
  play(960);
  EXPECT_TRUE(audioPacketStreams().empty());  // stream 2 still runs, but carries no audio

  ASSERT_EQ(subscribe(ws), 3);
  EXPECT_EQ(app_->audioStream(), std::optional<std::uint8_t>(3));
  play(480);
  EXPECT_EQ(audioPacketStreams(), (std::vector<int>{3}));
}

// A window that closes under its stream must not keep the audio tied to a dead stream number.
TEST_F(ApplicationAudioTest, ClosedWindowHandsTheAudioToTheNextStream) {
  startApp();
  connectAudio();
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  ASSERT_TRUE(source()->pushClosed());
  ASSERT_TRUE(waitFor([&] {
    app_->update();
    return app_->clientStreams().empty();
  }));
  EXPECT_EQ(app_->audioStream(), std::nullopt);

  ASSERT_EQ(subscribe(ws), 2);
  EXPECT_EQ(app_->audioStream(), std::optional<std::uint8_t>(2));
  play(480);
  EXPECT_EQ(audioPacketStreams(), (std::vector<int>{2}));
}

TEST_F(ApplicationAudioTest, ShutdownStopsTheCaptureBeforeAnythingElse) {
  startApp();
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  app_->shutdown();
  EXPECT_EQ(app_->audioStream(), std::nullopt);
  const auto lines = log_.lines();
  const auto at = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) - lines.begin(); };
  EXPECT_LT(at("info|Audio capture stopped"), at("info|TCP transport server stopped"));
  EXPECT_EQ(audio_->count("stop"), 1u);
}

struct AudioFailure {
  const char* name;
  bool openFails;
  const char* line;
};

class ApplicationAudioFailureTest : public ApplicationHarness,
                                    public ::testing::WithParamInterface<AudioFailure> {};

TEST_P(ApplicationAudioFailureTest, HostRunsWithoutAudio) {
  if (GetParam().openFails) {
    audio_->openResult.failedStep = platform::AudioEndpoint::OpenStep::GetDefaultEndpoint;
    audio_->openResult.status = 0x88890004;
  } else {
    audio_->startStatus = 0x88890004;
  }
  startApp();
  EXPECT_EQ(log_.count(std::string("warning|") + GetParam().line), 1);
  EXPECT_EQ(log_.count("warning|Audio capture not available"), 1);
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  EXPECT_EQ(app_->audioStream(), std::nullopt);
  EXPECT_TRUE(app_->isRunning());
}

INSTANTIATE_TEST_SUITE_P(Steps, ApplicationAudioFailureTest,
                         ::testing::Values(AudioFailure{"DeviceOpen", true, "Failed to initialize audio capture"},
                                           AudioFailure{"CaptureStart", false, "Failed to start audio capture"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace parvalon::host
