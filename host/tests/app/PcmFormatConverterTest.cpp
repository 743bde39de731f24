#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "app/PcmFormatConverter.h"

namespace parvalon::host {
namespace {

// Feeds `frames` in packets of the given sizes (cycled) and gathers the output.
std::vector<std::int16_t> convertInPackets(PcmFormatConverter& converter, const std::vector<std::int16_t>& samples,
                                           std::uint32_t rate, std::uint32_t channels,
                                           const std::vector<std::uint32_t>& packetFrames) {
  std::vector<std::int16_t> out;
  const std::size_t total = samples.size() / channels;
  std::size_t at = 0;
  for (std::size_t i = 0; at < total; ++i) {
    const auto n = std::min<std::size_t>(packetFrames[i % packetFrames.size()], total - at);
    const auto& converted = converter.convert(samples.data() + at * channels, static_cast<std::uint32_t>(n), rate, channels);
    out.insert(out.end(), converted.begin(), converted.end());
    at += n;
  }
  return out;
}

TEST(PcmFormatConverter, A44100HzToneKeepsItsPitchAt48000Hz) {
  // One second of a 1 kHz mono tone, in 10 ms packets and odd ones.
  constexpr double kRate = 44100, kTone = 1000;
  std::vector<std::int16_t> tone(44100);
  for (std::size_t i = 0; i < tone.size(); ++i) {
    tone[i] = static_cast<std::int16_t>(std::lround(12000 * std::sin(2 * std::numbers::pi * kTone * i / kRate)));
  }
  PcmFormatConverter converter;
  const auto out = convertInPackets(converter, tone, 44100, 1, {441, 441, 97, 1, 512});
  ASSERT_EQ(out.size() % 2, 0u);
  const std::size_t frames = out.size() / 2;
  EXPECT_NEAR(static_cast<double>(frames), 48000.0, 2.0);
  // Rising zero crossings of the left channel count the cycles; mono goes to both sides.
  int cycles = 0;
  for (std::size_t f = 1; f < frames; ++f) {
    if (out[(f - 1) * 2] < 0 && out[f * 2] >= 0) ++cycles;
    ASSERT_EQ(out[f * 2], out[f * 2 + 1]) << "frame " << f;
  }
  EXPECT_NEAR(cycles, 1000, 1);
  // Against the tone at 48 kHz: interpolation error stays small everywhere, packet edges included.
  for (std::size_t f = 0; f < frames; ++f) {
    const double expected = 12000 * std::sin(2 * std::numbers::pi * kTone * f / 48000.0);
    ASSERT_NEAR(out[f * 2], expected, 350) << "frame " << f;
  }
}

TEST(PcmFormatConverter, InterpolatesAcrossPacketEdgesWithoutGapsOrRepeats) {
  // A mono ramp at 24 kHz: every output frame lies half way further along it.
  std::vector<std::int16_t> ramp(300);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<std::int16_t>(i * 10);
  PcmFormatConverter converter;
  const auto out = convertInPackets(converter, ramp, 24000, 1, {7, 1, 13});
  // Frame 299 ends the input: the last output lies half way before it.
  ASSERT_EQ(out.size(), 2u * 598u);
  for (std::size_t f = 0; f < out.size() / 2; ++f) ASSERT_EQ(out[f * 2], static_cast<std::int16_t>(f * 5)) << f;
}

TEST(PcmFormatConverter, KeepsTheFrontPairOfWiderLayoutsAndRestartsOnANewRate) {
  // 5.1 at 48 kHz: front left and right go through, the other four channels do not.
  std::vector<std::int16_t> surround;
  for (int f = 0; f < 100; ++f) surround.insert(surround.end(), {1000, -1000, 30000, 30000, 30000, 30000});
  PcmFormatConverter converter;
  const auto out = convertInPackets(converter, surround, 48000, 6, {10});
  ASSERT_EQ(out.size(), 2u * 99u);
  for (std::size_t f = 0; f < out.size() / 2; ++f) {
    ASSERT_EQ(out[f * 2], 1000);
    ASSERT_EQ(out[f * 2 + 1], -1000);
  }
  // The device changes to a 96 kHz stereo mix: nothing of the old rate carries over.
  std::vector<std::int16_t> stereo(2 * 9, 500);
  const auto& next = converter.convert(stereo.data(), 9, 96000, 2);
  ASSERT_EQ(next.size(), 2u * 4u);
  for (auto sample : next) EXPECT_EQ(sample, 500);
  EXPECT_TRUE(converter.convert(stereo.data(), 0, 96000, 2).empty());
  EXPECT_TRUE(converter.convert(stereo.data(), 9, 0, 2).empty());
  EXPECT_TRUE(PcmFormatConverter::passesThrough(48000, 2));
  EXPECT_FALSE(PcmFormatConverter::passesThrough(44100, 2));
}

}  // namespace
}  // namespace parvalon::host
