#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>

#include "ViewerFixture.h"
#include "audio/ToneAnalysis.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

constexpr const char* kTitle = test::kPatternTitle;
constexpr std::uint32_t kRate = 48000;
constexpr std::size_t kFramesPerPacket = 480;  // one 10 ms Opus packet
constexpr double kToneSeconds = 12.0;          // outlasts the lead-in and the stream; ended by its pid

// A program found on PATH, or nothing.
std::optional<fs::path> onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path != nullptr ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const fs::path candidate = fs::path(dir) / program;
    if (!dir.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

// The canonical 44-byte PCM header the viewer writes, read field by field.
struct WavFile {
  std::uintmax_t fileBytes = 0;
  std::string riff, wave, fmt, data;
  std::uint32_t riffSize = 0, fmtSize = 0, byteRate = 0, sampleRate = 0, dataSize = 0;
  std::uint16_t format = 0, channels = 0, blockAlign = 0, bitsPerSample = 0;
  std::vector<std::int16_t> samples;
};

std::optional<WavFile> readWav(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (b.size() < 44) return std::nullopt;
  const auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8); };
  const auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16); };
  const auto tag = [&](std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); };
  WavFile w;
  w.fileBytes = b.size();
  w.riff = tag(0);
  w.riffSize = u32(4);
  w.wave = tag(8);
  w.fmt = tag(12);
  w.fmtSize = u32(16);
  w.format = u16(20);
  w.channels = u16(22);
  w.sampleRate = u32(24);
  w.byteRate = u32(28);
  w.blockAlign = u16(32);
  w.bitsPerSample = u16(34);
  w.data = tag(36);
  w.dataSize = u32(40);
  for (std::size_t at = 44; at + 1 < b.size(); at += 2) w.samples.push_back(static_cast<std::int16_t>(u16(at)));
  return w;
}

void writeRawTone(const fs::path& path, double hz) {
  const auto pcm = test::stereoSine(hz, 0.5, static_cast<std::size_t>(kToneSeconds * kRate), kRate);
  std::ofstream out(path, std::ios::binary);
  for (const std::int16_t s : pcm) {
    const auto v = static_cast<std::uint16_t>(s);
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
  }
}

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
    if (std::getenv("DISPLAY") == nullptr || std::getenv("PULSE_SERVER") == nullptr) return;
    pactl_ = onPath("pactl");
    pacat_ = onPath("pacat");
    if (!pactl_ || !pacat_) return;
    // PULSE_SERVER may be left set by a desktop whose daemon did not come up.
    test::ChildProcess info(*pactl_, {"info"}, fs::temp_directory_path() / ("parvalon-pactl-" + std::to_string(::getpid())));
    pulseReachable_ = info.start() && info.wait(5s) == 0;
    fs::remove(fs::temp_directory_path() / ("parvalon-pactl-" + std::to_string(::getpid())));
    if (pulseReachable_) startHostAndPattern("e2e-audio");
  }
  static void TearDownTestSuite() { stopHostAndPattern(); }
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "DISPLAY is not set (no virtual desktop)";
    if (std::getenv("PULSE_SERVER") == nullptr) GTEST_SKIP() << "PULSE_SERVER is not set (no virtual desktop audio)";
    ASSERT_TRUE(pactl_ && pacat_) << "pactl and pacat (pulseaudio-utils) are needed to play the tone";
    if (!pulseReachable_) GTEST_SKIP() << "the PulseAudio server is not reachable";
    ASSERT_TRUE(ready_) << (host_ ? host_->output() : std::string());
  }

  static inline std::optional<fs::path> pactl_;
  static inline std::optional<fs::path> pacat_;
  static inline bool pulseReachable_ = false;
};

TEST_P(ViewerAudioEndToEnd, PlayedToneComesBackAtItsFrequency) {
  const ToneCase tone = GetParam();
  const std::string name = std::string("tone-") + tone.name;
  const auto raw = folder_ / (name + ".raw");
  const auto wavPath = folder_ / (name + ".wav");
  const auto statsPath = folder_ / (name + ".json");
  writeRawTone(raw, tone.hz);

  test::ChildProcess player(*pacat_, {"--playback", "--raw", "--format=s16le", "--rate=48000", "--channels=2",
                                      "--latency-msec=50", "--client-name=parvalon-e2e-tone", raw.string()},
                            folder_ / (name + "-pacat.txt"));
  ASSERT_TRUE(player.start());
  // An idle null sink may render its first block up to ~2 s late; the tone leads the stream by
  // 1.5 s and the check looks at the end of the recording, well inside the tone.
  ASSERT_FALSE(player.wait(1500ms).has_value()) << "pacat ended early: " << player.output();

  const auto [code, out] = viewer({"stream", "--host", "127.0.0.1", "--title", kTitle, "--seconds", "3", "--audio",
                                   wavPath.string(), "--stats", statsPath.string()},
                                  name.c_str());
  player.kill(SIGTERM);
  player.wait(5s);
  ASSERT_EQ(code, 0) << out;

  const auto stats = readJson(statsPath);
  ASSERT_TRUE(stats.is_object()) << out;
  const int streamId = stats["streamId"].get<int>();
  // Each stream of the suite takes the audio number in turn: the previous one stopped.
  EXPECT_TRUE(host_->waitForLog("Audio is carried by stream " + std::to_string(streamId), 5s)) << host_->log();
  const auto packets = stats["audioPackets"].get<std::uint64_t>();
  EXPECT_GE(packets, 150u) << stats.dump();
  EXPECT_EQ(stats["audioGaps"], 0) << stats.dump();

  const auto wav = readWav(wavPath);
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

  ASSERT_GE(frames, kRate);
  const std::vector<std::int16_t> tail(wav->samples.end() - static_cast<std::ptrdiff_t>(kRate * 2), wav->samples.end());
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const auto signal = test::channelOf(tail, 2, channel);
    EXPECT_GT(test::rms(signal), 1000.0) << "channel " << channel << " of the last second is (nearly) silent";
    EXPECT_NEAR(test::dominantFrequency(signal, kRate, 100, 8000), tone.hz, 20.0) << "channel " << channel;
  }
}

INSTANTIATE_TEST_SUITE_P(Tones, ViewerAudioEndToEnd,
                         ::testing::Values(ToneCase{"1000Hz", 1000.0}, ToneCase{"440Hz", 440.0}),
                         [](const ::testing::TestParamInfo<ToneCase>& info) { return std::string("Tone") + info.param.name; });

}  // namespace
}  // namespace parvalon::host
