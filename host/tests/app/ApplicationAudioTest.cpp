#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <thread>
#include <vector>

#include "ApplicationHarness.h"
#include "support/VideoTestClient.h"
#include "protocol/PacketHeaders.h"

namespace parvalon::host {
namespace {

using AudioClient = testing::VideoTestClient;

// The audio path of the Application: the fake device plays 48 kHz stereo float packets, the
// real audio server sends the Opus packets to a client on 127.0.0.1.
class ApplicationAudioTest : public ApplicationHarness {
 protected:
  void connectAudio() {
    // The audio channel serves an address with an approved session: the headset's, trusted first.
    app_->onSessionOpened(kHeadset);
    audioClient_.emplace(ports_.audio);
    ASSERT_TRUE(audioClient_->connected());
    ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("TCP audio client connected from 127.0.0.1"); }));
  }
  // `frames` stereo frames of a 440 Hz tone at half scale.
  void play(std::uint32_t frames) {
    std::vector<float> samples;
    for (std::uint32_t i = 0; i < frames; ++i, ++phase_) {
      const float s = 0.5f * static_cast<float>(std::sin(2.0 * std::numbers::pi * 440.0 * phase_ / 48000.0));
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
  EXPECT_EQ(log_.count(testing::kInfo, "Audio capture started"), 2u);  // the capture's line and the host's
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
  testing::WsTestClient other(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  ASSERT_EQ(subscribe(other), 2);
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

// However the audio stream ends, audio must not stay tied to its dead number: the next stream
// started takes it. (A dashboard stream whose window closed used to keep it for good.)
enum class StreamEnd { ClientStop, DashboardStop, SessionGone, ClientWindowClosed, DashboardWindowClosed };

struct AudioStreamEnd {
  const char* name;
  StreamEnd end;
  bool dashboard;  // the audio stream was started from the dashboard
};

class ApplicationAudioStreamEndTest : public ApplicationAudioTest,
                                      public ::testing::WithParamInterface<AudioStreamEnd> {};

TEST_P(ApplicationAudioStreamEndTest, NextStreamTakesTheAudio) {
  startApp();
  connectAudio();
  std::optional<testing::WsTestClient> owner;
  std::uint8_t first = 0;
  if (GetParam().dashboard) {
    const auto started = app_->startCapture(kWindow);
    ASSERT_TRUE(started);
    first = *started;
  } else {
    owner.emplace(ports_.signaling);
    ASSERT_EQ(subscribe(*owner), 1);
    first = 1;
  }
  ASSERT_EQ(app_->audioStream(), std::optional<std::uint8_t>(first));

  switch (GetParam().end) {
    case StreamEnd::ClientStop: stop(*owner, first); break;
    case StreamEnd::DashboardStop: app_->stopCapture(first); break;
    case StreamEnd::SessionGone:
      owner->dropConnection();
      // Its streams wait for the client to come back, then stop.
      ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("Client session ended, keeping its stream"); }));
      clockMs_ += std::chrono::milliseconds(Application::kSessionGrace).count();
      break;
    case StreamEnd::ClientWindowClosed:
    case StreamEnd::DashboardWindowClosed: ASSERT_TRUE(source()->pushClosed()); break;
  }
  // Session and window ends reach the application through the main loop's update.
  ASSERT_TRUE(testing::waitUntil([&] {
    app_->update();
    return !app_->audioStream().has_value();
  }));

  testing::WsTestClient ws(ports_.signaling);
  const int next = subscribe(ws);
  ASSERT_EQ(next, 2);  // one numbering for the dashboard's streams and the clients'
  EXPECT_EQ(app_->audioStream(), std::optional<std::uint8_t>(next));
  play(480);
  EXPECT_EQ(audioPacketStreams(), (std::vector<int>{next}));
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ApplicationAudioStreamEndTest,
    ::testing::Values(AudioStreamEnd{"ClientStop", StreamEnd::ClientStop, false},
                      AudioStreamEnd{"DashboardStop", StreamEnd::DashboardStop, true},
                      AudioStreamEnd{"SessionGone", StreamEnd::SessionGone, false},
                      AudioStreamEnd{"ClientWindowClosed", StreamEnd::ClientWindowClosed, false},
                      AudioStreamEnd{"DashboardWindowClosed", StreamEnd::DashboardWindowClosed, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A stream start that lands while shutdown releases the audio capture must neither read the
// capture (it is about to be freed) nor make the new stream the audio carrier.
TEST_F(ApplicationAudioTest, StreamStartDuringShutdownLeavesTheReleasedAudioAlone) {
  startApp();
  bool started = false;
  {
    std::lock_guard lock(audio_->mutex);
    // Runs on the shutting-down thread while the capture stops; the start comes from another
    // thread, as a signaling request would.
    audio_->onStop = [this, &started] {
      std::thread request([this, &started] { started = app_->startCapture(kWindow).has_value(); });
      request.join();
    };
  }
  app_->shutdown();
  EXPECT_TRUE(started);
  EXPECT_EQ(app_->audioStream(), std::nullopt);
  EXPECT_EQ(log_.count(testing::kInfo, "Audio is carried by stream 1"), 0u);
}

TEST_F(ApplicationAudioTest, ShutdownStopsTheCaptureBeforeAnythingElse) {
  startApp();
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  app_->shutdown();
  EXPECT_EQ(app_->audioStream(), std::nullopt);
  ASSERT_GE(log_.indexOf("Audio capture stopped"), 0);
  EXPECT_LT(log_.indexOf("Audio capture stopped"), log_.indexOf("TCP transport server stopped"));
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
  EXPECT_EQ(log_.count(testing::kWarn, std::string() + GetParam().line), 1u);
  EXPECT_EQ(log_.count(testing::kWarn, "Audio capture not available"), 1u);
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);
  EXPECT_EQ(app_->audioStream(), std::nullopt);
  EXPECT_TRUE(app_->isRunning());
}

INSTANTIATE_TEST_SUITE_P(Steps, ApplicationAudioFailureTest,
                         ::testing::Values(AudioFailure{"DeviceOpen", true, "Failed to initialize audio capture"},
                                           AudioFailure{"CaptureStart", false, "Failed to start audio capture"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EndpointChoice {
  const char* name;
  const char* setting;
  const char* opened;  // what the device was asked to open
};

class ApplicationAudioEndpointTest : public ApplicationHarness,
                                     public ::testing::WithParamInterface<EndpointChoice> {};

// The setting decides which device the capture opens; an unknown name keeps the loopback.
TEST_P(ApplicationAudioEndpointTest, OpensTheDeviceTheSettingNames) {
  ports_ = test::writeSettingsWithFreePorts(root_, {{"audioCaptureEndpoint", GetParam().setting}});
  app_ = makeApp();
  ASSERT_TRUE(app_->initialize());
  EXPECT_EQ(audio_->count(GetParam().opened), 1u);
  EXPECT_EQ(audio_->count("open loopback") + audio_->count("open capture"), 1u);
  EXPECT_TRUE(app_->isRunning());
}

INSTANTIATE_TEST_SUITE_P(Settings, ApplicationAudioEndpointTest,
                         ::testing::Values(EndpointChoice{"Loopback", "loopback", "open loopback"},
                                           EndpointChoice{"DefaultCapture", "default-capture", "open capture"},
                                           EndpointChoice{"Unknown", "speakers", "open loopback"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace parvalon::host
