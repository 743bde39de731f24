#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

#include "TonePlayback.h"
#include "ViewerFixture.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

constexpr const char* kTitle = test::kPatternTitle;
constexpr std::uint32_t kRate = test::kToneRate;
constexpr std::size_t kFramesPerPacket = 480;  // one 10 ms Opus packet
constexpr double kToneSeconds = 12.0;          // outlasts the lead-in and the stream; ended by its pid

struct ToneCase {
  const char* name;
  double hz;
};
void PrintTo(const ToneCase& c, std::ostream* os) { *os << c.name; }

// The host captures the default sink's monitor, so a tone played into that sink must come back
// out of the viewer's WAV at its own frequency. Two tones, so a path that always produced the
// same sound (or a check that always found it) fails one of them.
class ViewerAudioEndToEnd : public test::ViewerFixture, public ::testing::WithParamInterface<ToneCase> {
 protected:
  static void SetUpTestSuite() {
    if (std::getenv("DISPLAY") == nullptr) return;
    sound_ = new test::SoundServer(fs::temp_directory_path() / ("parvalon-pactl-" + std::to_string(::getpid())));
    if (sound_->reachable()) startHostAndPattern("e2e-audio");
  }
  static void TearDownTestSuite() {
    stopHostAndPattern();
    delete sound_;
    sound_ = nullptr;
  }
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "DISPLAY is not set (no virtual desktop)";
    if (std::getenv("PULSE_SERVER") == nullptr) GTEST_SKIP() << "PULSE_SERVER is not set (no virtual desktop audio)";
    ASSERT_TRUE(sound_->hasTools()) << "pactl and pacat (pulseaudio-utils) are needed to play the tone";
    if (!sound_->reachable()) GTEST_SKIP() << "the PulseAudio server is not reachable";
    ASSERT_TRUE(ready_) << (host_ ? host_->output() : std::string());
  }

  static inline test::SoundServer* sound_ = nullptr;
};

TEST_P(ViewerAudioEndToEnd, PlayedToneComesBackAtItsFrequency) {
  const ToneCase tone = GetParam();
  const std::string name = std::string("tone-") + tone.name;
  const auto wavPath = folder_ / (name + ".wav");
  const auto statsPath = folder_ / (name + ".json");
  const auto player = sound_->play(tone.hz, kToneSeconds, folder_, name);
  ASSERT_TRUE(player);
  // An idle null sink may render its first block up to ~2 s late; the tone leads the stream by
  // 1.5 s and the check looks at the end of the recording, well inside the tone.
  ASSERT_FALSE(player->wait(1500ms).has_value()) << "pacat ended early: " << player->output();

  const auto [code, out] = viewer({"stream", "--host", "127.0.0.1", "--title", kTitle, "--seconds", "3", "--audio",
                                   wavPath.string(), "--stats", statsPath.string()},
                                  name.c_str());
  player->kill(SIGTERM);
  player->wait(5s);
  ASSERT_EQ(code, 0) << out;

  const auto stats = readJson(statsPath);
  ASSERT_TRUE(stats.is_object()) << out;
  const int streamId = stats["streamId"].get<int>();
  // Each stream of the suite takes the audio number in turn: the previous one stopped.
  EXPECT_TRUE(host_->waitForLog("Audio is carried by stream " + std::to_string(streamId), 5s)) << host_->log();
  const auto packets = stats["audioPackets"].get<std::uint64_t>();
  EXPECT_GE(packets, 150u) << stats.dump();
  EXPECT_EQ(stats["audioGaps"], 0) << stats.dump();

  const auto wav = test::readWav(wavPath);
  ASSERT_TRUE(wav.has_value()) << "no WAV written: " << out;
  EXPECT_EQ(wav->riff, "RIFF");
  EXPECT_EQ(wav->wave, "WAVE");
  EXPECT_EQ(wav->fmt, "fmt ");
  EXPECT_EQ(wav->data, "data");
  // Sizes patched when the viewer ended: a header left at zero fails here.
  EXPECT_EQ(wav->riffSize, wav->fileBytes - 8);
  EXPECT_EQ(wav->dataSize, wav->fileBytes - 44);
  EXPECT_EQ(wav->fmtSize, 16u);
  EXPECT_EQ(wav->format, 1);
  EXPECT_EQ(wav->channels, 2);
  EXPECT_EQ(wav->sampleRate, kRate);
  EXPECT_EQ(wav->byteRate, kRate * 4);
  EXPECT_EQ(wav->blockAlign, 4);
  EXPECT_EQ(wav->bitsPerSample, 16);

  const std::size_t frames = wav->samples.size() / 2;
  EXPECT_GE(frames, kRate * 3 / 2) << "less than 1.5 s of audio";
  // Every packet counted decodes to exactly one 10 ms frame: a packet dropped or decoded into
  // nothing (or into concealment of another length) changes the count.
  EXPECT_EQ(frames, packets * kFramesPerPacket);

  test::expectToneAtTheEnd(*wav, tone.hz, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Tones, ViewerAudioEndToEnd,
                         ::testing::Values(ToneCase{"1000Hz", 1000.0}, ToneCase{"440Hz", 440.0}),
                         [](const ::testing::TestParamInfo<ToneCase>& info) { return std::string("Tone") + info.param.name; });

}  // namespace
}  // namespace parvalon::host
