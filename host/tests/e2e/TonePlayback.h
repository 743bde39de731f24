#pragma once

// A tone played into the sound server's default sink, and the viewer's WAV of what came back:
// what the audio end-to-end tests share.

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "audio/ToneAnalysis.h"
#include "support/ChildProcess.h"

namespace parvalon::host::test {

inline constexpr std::uint32_t kToneRate = 48000;

// A program found on PATH, or nothing.
inline std::optional<std::filesystem::path> onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path != nullptr ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const std::filesystem::path candidate = std::filesystem::path(dir) / program;
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

inline std::optional<WavFile> readWav(const std::filesystem::path& path) {
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

// Both channels of the last `seconds` of `wav` (at kToneRate) are loud and at `hz`.
inline void expectToneAtTheEnd(const WavFile& wav, double hz, double seconds) {
  const auto samples = static_cast<std::size_t>(seconds * kToneRate) * 2;
  ASSERT_GE(wav.samples.size(), samples);
  const std::vector<std::int16_t> tail(wav.samples.end() - static_cast<std::ptrdiff_t>(samples), wav.samples.end());
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const auto signal = channelOf(tail, 2, channel);
    EXPECT_GT(rms(signal), 1000.0) << "channel " << channel << " of the recording's end is (nearly) silent";
    EXPECT_NEAR(dominantFrequency(signal, kToneRate, 100, 8000), hz, 20.0) << "channel " << channel;
  }
}

// pactl and pacat, and whether the desktop's sound server answers; skips name what is missing.
class SoundServer {
 public:
  explicit SoundServer(const std::filesystem::path& scratch)
      : pactl_(onPath("pactl")), pacat_(onPath("pacat")) {
    if (std::getenv("PULSE_SERVER") == nullptr || !pactl_ || !pacat_) return;
    // PULSE_SERVER may be left set by a desktop whose daemon did not come up.
    ChildProcess info(*pactl_, {"info"}, scratch);
    reachable_ = info.start() && info.wait(std::chrono::seconds(5)) == 0;
    std::filesystem::remove(scratch);
  }

  bool hasTools() const { return pactl_ && pacat_; }
  bool reachable() const { return reachable_; }

  // Plays `seconds` of a `hz` sine (half scale, both channels) into the default sink until
  // stopped; the raw samples and pacat's output go into `folder` under `name`.
  std::unique_ptr<ChildProcess> play(double hz, double seconds, const std::filesystem::path& folder,
                                     const std::string& name) const {
    const auto raw = folder / (name + ".raw");
    const auto pcm = stereoSine(hz, 0.5, static_cast<std::size_t>(seconds * kToneRate), kToneRate);
    {
      std::ofstream out(raw, std::ios::binary);
      for (const std::int16_t s : pcm) {
        const auto v = static_cast<std::uint16_t>(s);
        out.put(static_cast<char>(v & 0xFF));
        out.put(static_cast<char>(v >> 8));
      }
    }
    auto player = std::make_unique<ChildProcess>(
        *pacat_,
        std::vector<std::string>{"--playback", "--raw", "--format=s16le", "--rate=48000", "--channels=2",
                                 "--latency-msec=50", "--client-name=parvalon-e2e-tone", raw.string()},
        folder / (name + "-pacat.txt"));
    if (!player->start()) return nullptr;
    return player;
  }

 private:
  std::optional<std::filesystem::path> pactl_, pacat_;
  bool reachable_ = false;
};

}  // namespace parvalon::host::test
