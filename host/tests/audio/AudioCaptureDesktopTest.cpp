#include <gtest/gtest.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ToneAnalysis.h"
#include "audio/AudioCapture.h"
#include "fakes/LogCapture.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
using testing::kError;

constexpr double kToneHz = 1000.0;
constexpr std::uint32_t kRate = 48000;
constexpr std::size_t kChunkFrames = 480;

struct SimpleDeleter {
  void operator()(pa_simple* s) const { pa_simple_free(s); }
};
using Simple = std::unique_ptr<pa_simple, SimpleDeleter>;

// Plays a 1 kHz stereo tone into the default sink until stopped (or 15 s passed).
class TonePlayer {
 public:
  static Simple connect() {
    pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kRate, 2};
    int error = 0;
    return Simple(pa_simple_new(nullptr, "parvalon-audio-test", PA_STREAM_PLAYBACK, nullptr, "tone", &sampleFormat, nullptr,
                                nullptr, &error));
  }
  explicit TonePlayer(Simple simple) : simple_(std::move(simple)), thread_([this] { run(); }) {}
  ~TonePlayer() {
    stop_ = true;
    thread_.join();
  }

 private:
  void run() {
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    std::size_t frame = 0;
    while (!stop_ && std::chrono::steady_clock::now() < deadline) {
      const auto chunk = test::stereoSine(kToneHz, 0.5, kChunkFrames, kRate, frame);
      frame += kChunkFrames;
      int error = 0;
      // Blocks at the server's pace.
      if (pa_simple_write(simple_.get(), chunk.data(), chunk.size() * sizeof(std::int16_t), &error) < 0) return;
    }
  }

  Simple simple_;
  std::atomic<bool> stop_{false};
  std::thread thread_;  // last: starts once the rest is in place
};

TEST(AudioCaptureDesktop, CapturesAPlayedToneAt48kStereo) {
  if (std::getenv("PULSE_SERVER") == nullptr) GTEST_SKIP() << "PULSE_SERVER is not set (no virtual desktop)";
  Simple playback = TonePlayer::connect();
  if (!playback) GTEST_SKIP() << "the PulseAudio server is not reachable";

  testing::LogCapture log;
  AudioCapture capture;
  ASSERT_TRUE(capture.initialize({}));
  EXPECT_TRUE(log.contains("Using audio device: "));
  EXPECT_TRUE(log.contains("Audio capture initialized: 48000 Hz, 2 channels"));

  std::mutex mutex;  // guards samples and badFormat; capture thread and test thread
  std::vector<std::int16_t> samples;
  bool badFormat = false;
  ASSERT_TRUE(capture.start([&](const std::int16_t* data, std::uint32_t frames, std::uint32_t rate, std::uint32_t channels) {
    std::lock_guard lock(mutex);
    if (rate != kRate || channels != 2) badFormat = true;
    samples.insert(samples.end(), data, data + static_cast<std::size_t>(frames) * channels);
  }));

  {
    TonePlayer player(std::move(playback));
    // Wait (at most 8 s) for 1.5 s of audio. An idle null sink starts rendering only at the end
    // of its current block (up to 2 s), so the first packets come late.
    const auto deadline = std::chrono::steady_clock::now() + 8s;
    for (;;) {
      {
        std::lock_guard lock(mutex);
        if (samples.size() >= kRate * 3 / 2 * 2) break;
      }
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "too little audio arrived";
      std::this_thread::sleep_for(20ms);
    }
  }
  capture.stop();

  std::lock_guard lock(mutex);
  EXPECT_FALSE(badFormat);
  // The last half second: well inside the tone.
  const std::size_t keep = kRate / 2 * 2;
  const std::vector<std::int16_t> tail(samples.end() - static_cast<std::ptrdiff_t>(keep), samples.end());
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const auto signal = test::channelOf(tail, 2, channel);
    EXPECT_GT(test::rms(signal), 1000.0) << "channel " << channel << " is (nearly) silent";
    EXPECT_NEAR(test::dominantFrequency(signal, kRate, 100, 8000), kToneHz, 20.0) << "channel " << channel;
  }
  EXPECT_EQ(log.countAtLeast(kError), 0u);
}

// The default source on the virtual desktop is the null sink's monitor; this checks the
// capture-device path and that the stream can be stopped and started again.
TEST(AudioCaptureDesktop, OpensTheDefaultSourceAndRestarts) {
  if (std::getenv("PULSE_SERVER") == nullptr) GTEST_SKIP() << "PULSE_SERVER is not set (no virtual desktop)";
  if (!TonePlayer::connect()) GTEST_SKIP() << "the PulseAudio server is not reachable";

  testing::LogCapture log;
  AudioCapture capture;
  AudioCaptureConfig microphone;
  microphone.loopback = false;
  ASSERT_TRUE(capture.initialize(microphone));
  EXPECT_TRUE(log.contains("Using audio device: "));
  const auto noop = [](const std::int16_t*, std::uint32_t, std::uint32_t, std::uint32_t) {};
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(capture.start(noop)) << "round " << round;
    std::this_thread::sleep_for(100ms);
    const auto before = std::chrono::steady_clock::now();
    capture.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 300ms) << "round " << round;
  }
  EXPECT_EQ(log.count(testing::kInfo, "Audio capture stopped"), 2u);
  EXPECT_EQ(log.countAtLeast(kError), 0u);
}

}  // namespace
}  // namespace parvalon::host
