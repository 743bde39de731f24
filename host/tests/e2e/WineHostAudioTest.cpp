// ParvalonHost.exe under wine with the setting audioCaptureEndpoint "default-capture" records
// the sound server's default capture endpoint, the monitor of the desktop's default sink: a tone
// played into that sink comes back over the audio channel as Opus packets that decode to it.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <regex>
#include <string>

#include "TonePlayback.h"
#include "ViewerRun.h"
#include "WineHostFixture.h"

using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

using test::WineHost;

constexpr const char* kTitle = "Parvalon Wine Audio Pattern";
constexpr double kToneHz = 1000.0;
constexpr double kToneSeconds = 30.0;  // outlasts the lead-in and the stream; ended by its pid
constexpr int kStreamSeconds = 4;
constexpr std::size_t kFramesPerPacket = 480;  // one 10 ms Opus packet

TEST_F(WineHost, DefaultCaptureCarriesAToneToTheViewerAsOpus) {
  if (std::getenv("PULSE_SERVER") == nullptr) GTEST_SKIP() << "PULSE_SERVER is not set (no virtual desktop audio)";
  const test::SoundServer sound(work_ / "pactl.txt");
  ASSERT_TRUE(sound.hasTools()) << "pactl and pacat (pulseaudio-utils) are needed to play the tone";
  if (!sound.reachable()) GTEST_SKIP() << "the PulseAudio server is not reachable";

  const auto pattern = startHostAndPattern({"--title", kTitle, "--width", "320", "--height", "240", "--fps", "10"},
                                           {{"audioCaptureEndpoint", "default-capture"}});
  ASSERT_FALSE(HasFailure());
  ASSERT_TRUE(waitForLog("Audio capture started", 30s)) << log();
  // The capture runs at the device's mix format (44.1 kHz on this sound server); the host
  // converts it to the 48 kHz Opus takes, so the tone keeps its pitch.
  std::smatch format;
  const std::string started = log();
  ASSERT_TRUE(std::regex_search(started, format, std::regex("Audio capture initialized: (\\d+) Hz, (\\d+) channels")))
      << started;
  const double mixRate = std::stod(format[1].str());
  EXPECT_EQ(format[2].str(), "2") << started;

  const auto player = sound.play(kToneHz, kToneSeconds, work_, "tone");
  ASSERT_TRUE(player);
  // An idle null sink may render its first block up to ~2 s late; the tone leads the stream by
  // 1.5 s and the check looks at the end of the recording, well inside the tone.
  ASSERT_FALSE(player->wait(1500ms).has_value()) << "pacat ended early: " << player->output();

  const auto wavPath = work_ / "tone.wav";
  const auto statsPath = work_ / "tone.json";
  const auto [code, out] = test::runViewer({"stream", "--host", "127.0.0.1", "--port", std::to_string(ports_.signaling),
                                            "--title", kTitle, "--seconds", std::to_string(kStreamSeconds), "--audio",
                                            wavPath.string(), "--stats", statsPath.string()},
                                           work_ / "viewer.txt", 120s);
  player->kill(SIGTERM);
  player->wait(5s);
  ASSERT_EQ(code, 0) << out << "\n---- log\n" << log();

  const auto stats = test::readJsonFile(statsPath);
  ASSERT_TRUE(stats.is_object()) << out;
  EXPECT_TRUE(waitForLog("Audio is carried by stream " + std::to_string(stats["streamId"].get<int>()), 10s)) << log();
  const auto packets = stats["audioPackets"].get<std::uint64_t>();
  // A packet every 10 ms: about 100 a second.
  EXPECT_GE(packets, static_cast<std::uint64_t>(kStreamSeconds * 50)) << stats.dump();
  EXPECT_EQ(stats["audioGaps"], 0) << stats.dump();

  const auto wav = test::readWav(wavPath);
  ASSERT_TRUE(wav.has_value()) << "no WAV written: " << out;
  EXPECT_EQ(wav->channels, 2);
  EXPECT_EQ(wav->sampleRate, test::kToneRate);
  // Every packet decodes to exactly one 10 ms frame: one that is not Opus, or that decodes into
  // concealment of another length, changes the count.
  EXPECT_EQ(wav->samples.size() / 2, packets * kFramesPerPacket);
  test::expectToneAtTheEnd(*wav, kToneHz, 1.0);
  std::cout << "wine audio: mix format " << mixRate << " Hz, " << packets << " packets, tone " << kToneHz
            << " Hz\n";
}

}  // namespace
}  // namespace parvalon::host
