#include "audio/OpusAudioEncoder.h"

#include <gtest/gtest.h>
#include <opus.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ToneAnalysis.h"
#include "fakes/LogCapture.h"

namespace parvalon::host {
namespace {

using testing::kError;
using testing::kInfo;
using testing::kWarn;

constexpr int kRate = 48000;
constexpr int kFrame = 480;

struct DecoderDeleter {
  void operator()(OpusDecoder* decoder) const { opus_decoder_destroy(decoder); }
};

std::unique_ptr<OpusDecoder, DecoderDeleter> makeDecoder(int channels) {
  int error = OPUS_OK;
  std::unique_ptr<OpusDecoder, DecoderDeleter> decoder(opus_decoder_create(kRate, channels, &error));
  EXPECT_EQ(error, OPUS_OK);
  return decoder;
}

// Decodes one packet; returns the frame count (or the libopus error) and appends the samples.
int decode(OpusDecoder* decoder, const std::vector<std::uint8_t>& packet, int channels, std::vector<std::int16_t>& out) {
  std::vector<std::int16_t> pcm(5760 * channels);  // 120 ms, the largest Opus frame
  const int frames = opus_decode(decoder, packet.data(), static_cast<opus_int32>(packet.size()), pcm.data(), 5760, 0);
  if (frames > 0) out.insert(out.end(), pcm.begin(), pcm.begin() + frames * channels);
  return frames;
}

std::vector<std::int16_t> stereoNoise(std::size_t frames, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> sample(-12000, 12000);
  std::vector<std::int16_t> out(frames * 2);
  for (auto& s : out) s = static_cast<std::int16_t>(sample(random));
  return out;
}

class OpusAudioEncoderTest : public ::testing::Test {
 protected:
  testing::LogCapture log;
  OpusAudioEncoder encoder;
};

TEST_F(OpusAudioEncoderTest, EncodeBeforeInitializeIsEmpty) {
  const auto pcm = test::stereoSine(1000, 0.5, kFrame, kRate);
  EXPECT_TRUE(encoder.encode(pcm.data(), kFrame).empty());
  EXPECT_EQ(log.countAtLeast(kError), 0u);
}

TEST_F(OpusAudioEncoderTest, EncodeAfterDestroyIsEmptyAndInitializeWorksAgain) {
  ASSERT_TRUE(encoder.initialize({}));
  encoder.destroy();
  const auto pcm = test::stereoSine(1000, 0.5, kFrame, kRate);
  EXPECT_TRUE(encoder.encode(pcm.data(), kFrame).empty());

  OpusConfig mono;
  mono.channels = 1;
  ASSERT_TRUE(encoder.initialize(mono));
  EXPECT_FALSE(log.contains("already initialized"));
  EXPECT_EQ(encoder.channels(), 1);
  EXPECT_FALSE(encoder.encode(pcm.data(), kFrame).empty());
}

struct InitLogCase {
  OpusConfig config;
  const char* line;
};

class OpusInitializeLog : public ::testing::TestWithParam<InitLogCase> {};

TEST_P(OpusInitializeLog, LogsRateChannelsAndWholeKbps) {
  testing::LogCapture log;
  OpusAudioEncoder encoder;
  ASSERT_TRUE(encoder.initialize(GetParam().config));
  EXPECT_EQ(log.texts(), (std::vector<std::string>{GetParam().line}));
  EXPECT_EQ(log.lines()[0].level, kInfo);
}

INSTANTIATE_TEST_SUITE_P(Configs, OpusInitializeLog,
                         ::testing::Values(InitLogCase{{}, "Opus encoder initialized: 48000 Hz, 2 ch, 128 kbps"},
                                           InitLogCase{{24000, 1, 96999, 240, 5, true},
                                                       "Opus encoder initialized: 24000 Hz, 1 ch, 96 kbps"}));

struct CreateFailureCase {
  const char* name;
  OpusConfig config;
};

class OpusCreateFailure : public ::testing::TestWithParam<CreateFailureCase> {};

TEST_P(OpusCreateFailure, LogsTheOpusErrorAndLeavesNoEncoder) {
  testing::LogCapture log;
  OpusAudioEncoder encoder;
  EXPECT_FALSE(encoder.initialize(GetParam().config));
  EXPECT_TRUE(log.has(kError, "Failed to create Opus encoder: invalid argument"));
  const auto pcm = test::stereoSine(1000, 0.5, kFrame, kRate);
  EXPECT_TRUE(encoder.encode(pcm.data(), kFrame).empty());
  // Nothing was kept: a valid configuration initializes without the "already" warning.
  EXPECT_TRUE(encoder.initialize({}));
  EXPECT_FALSE(log.contains("already initialized"));
}

INSTANTIATE_TEST_SUITE_P(Configs, OpusCreateFailure,
                         ::testing::Values(CreateFailureCase{"Rate44100", {44100, 2, 128000, 480, 5, true}},
                                           CreateFailureCase{"ThreeChannels", {48000, 3, 128000, 480, 5, true}},
                                           CreateFailureCase{"NoChannels", {48000, 0, 128000, 480, 5, false}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpusAudioEncoderTest, SecondInitializeWarnsAndKeepsTheFirstConfiguration) {
  ASSERT_TRUE(encoder.initialize({}));
  OpusConfig other{16000, 1, 32000, 320, 1, false};
  EXPECT_TRUE(encoder.initialize(other));
  EXPECT_TRUE(log.has(kWarn, "Opus encoder already initialized"));
  EXPECT_EQ(log.count(kInfo, "Opus encoder initialized: 48000 Hz, 2 ch, 128 kbps"), 1u);
  EXPECT_FALSE(log.contains("16000 Hz"));
  EXPECT_EQ(encoder.frameSize(), 480);
  EXPECT_EQ(encoder.channels(), 2);
  // The encoder itself is still the 48 kHz stereo one.
  const auto pcm = test::stereoSine(1000, 0.5, kFrame, kRate);
  const auto packet = encoder.encode(pcm.data(), kFrame);
  ASSERT_FALSE(packet.empty());
  EXPECT_EQ(opus_packet_get_nb_channels(packet.data()), 2);
  EXPECT_EQ(opus_packet_get_samples_per_frame(packet.data(), kRate), kFrame);
}

TEST_F(OpusAudioEncoderTest, OneSecondOfStereoMakesOneHundredTenMillisecondPackets) {
  ASSERT_TRUE(encoder.initialize({}));
  const auto pcm = stereoNoise(kRate, 7);
  auto decoder = makeDecoder(2);
  std::vector<std::int16_t> decoded;
  int packets = 0;
  for (int offset = 0; offset + kFrame <= kRate; offset += kFrame) {
    const auto packet = encoder.encode(pcm.data() + offset * 2, kFrame);
    ASSERT_FALSE(packet.empty()) << "frame at " << offset;
    EXPECT_LE(packet.size(), OpusAudioEncoder::kMaxPacketBytes);
    EXPECT_EQ(decode(decoder.get(), packet, 2, decoded), kFrame) << "frame at " << offset;
    ++packets;
  }
  EXPECT_EQ(packets, 100);
  EXPECT_EQ(decoded.size(), static_cast<std::size_t>(kRate * 2));
  EXPECT_EQ(log.countAtLeast(kError), 0u);
}

struct DurationCase {
  bool lowDelay;
  int framesOut;
};

class OpusFrameDuration : public ::testing::TestWithParam<DurationCase> {};

// With low delay the frame duration is pinned to 10 ms: a 20 ms input still yields a 10 ms packet.
TEST_P(OpusFrameDuration, LowDelayPinsTenMilliseconds) {
  testing::LogCapture log;
  OpusAudioEncoder encoder;
  OpusConfig config;
  config.lowDelay = GetParam().lowDelay;
  ASSERT_TRUE(encoder.initialize(config));
  const auto pcm = test::stereoSine(1000, 0.5, 960, kRate);
  const auto packet = encoder.encode(pcm.data(), 960);
  ASSERT_FALSE(packet.empty());
  auto decoder = makeDecoder(2);
  std::vector<std::int16_t> decoded;
  EXPECT_EQ(decode(decoder.get(), packet, 2, decoded), GetParam().framesOut);
}

INSTANTIATE_TEST_SUITE_P(Modes, OpusFrameDuration,
                         ::testing::Values(DurationCase{true, 480}, DurationCase{false, 960}));

class OpusBitrate : public ::testing::TestWithParam<int> {};

// Noise uses what it is given, so the packet sizes follow the configured bitrate.
TEST_P(OpusBitrate, PacketSizesFollowTheBitrate) {
  testing::LogCapture log;
  OpusAudioEncoder encoder;
  OpusConfig config;
  config.bitrate = GetParam();
  ASSERT_TRUE(encoder.initialize(config));
  const auto pcm = stereoNoise(kRate, 11);
  std::size_t bytes = 0;
  for (int offset = 0; offset + kFrame <= kRate; offset += kFrame) bytes += encoder.encode(pcm.data() + offset * 2, kFrame).size();
  const double expected = GetParam() / 8.0;  // bytes in one second
  EXPECT_GT(static_cast<double>(bytes), expected * 0.7);
  EXPECT_LT(static_cast<double>(bytes), expected * 1.3);
}

INSTANTIATE_TEST_SUITE_P(Rates, OpusBitrate, ::testing::Values(32000, 128000));

class OpusSineRoundTrip : public ::testing::TestWithParam<double> {};

TEST_P(OpusSineRoundTrip, KeepsFrequencyAndLevel) {
  testing::LogCapture log;
  OpusAudioEncoder encoder;
  ASSERT_TRUE(encoder.initialize({}));
  const double hz = GetParam();
  constexpr int kFrames = 50;  // 0.5 s
  const auto pcm = test::stereoSine(hz, 0.5, kFrame * kFrames, kRate);
  auto decoder = makeDecoder(2);
  std::vector<std::int16_t> decoded;
  for (int i = 0; i < kFrames; ++i) {
    const auto packet = encoder.encode(pcm.data() + i * kFrame * 2, kFrame);
    ASSERT_FALSE(packet.empty());
    ASSERT_EQ(decode(decoder.get(), packet, 2, decoded), kFrame);
  }
  // Skip the codec's start-up (100 ms).
  decoded.erase(decoded.begin(), decoded.begin() + 10 * kFrame * 2);
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const auto signal = test::channelOf(decoded, 2, channel);
    EXPECT_NEAR(test::dominantFrequency(signal, kRate, 50, 12000), hz, 2.0) << "channel " << channel;
    EXPECT_NEAR(test::rms(signal), 0.5 * 32767 / std::sqrt(2.0), 0.5 * 32767 / std::sqrt(2.0) * 0.15)
        << "channel " << channel;
  }
}

INSTANTIATE_TEST_SUITE_P(Tones, OpusSineRoundTrip, ::testing::Values(440.0, 1000.0, 5000.0));

TEST_F(OpusAudioEncoderTest, BadFrameIsAnEncodeError) {
  ASSERT_TRUE(encoder.initialize({}));
  const auto pcm = test::stereoSine(1000, 0.5, kFrame, kRate);
  EXPECT_TRUE(encoder.encode(pcm.data(), 100).empty());  // shorter than 10 ms
  EXPECT_TRUE(encoder.encode(pcm.data(), 0).empty());
  EXPECT_TRUE(encoder.encode(nullptr, kFrame).empty());
  EXPECT_EQ(log.count(kError, "Opus encode error: invalid argument"), 3u);
  // One bad frame costs only itself.
  EXPECT_FALSE(encoder.encode(pcm.data(), kFrame).empty());
}

}  // namespace
}  // namespace parvalon::host
