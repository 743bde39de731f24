#include <gtest/gtest.h>

#include <opus/opus.h>

#include <memory>
#include <ostream>
#include <vector>

#include "OpusAudioDecoder.h"
#include "audio/ToneAnalysis.h"

namespace parvalon::viewer {
namespace {

constexpr int kRate = 48000;
constexpr int kFrameSize = 480;

struct EncoderDeleter {
  void operator()(OpusEncoder* e) const { opus_encoder_destroy(e); }
};

// The host's encoder settings: restricted low delay, 128 kbit/s, 10 ms frames.
std::unique_ptr<OpusEncoder, EncoderDeleter> hostEncoder() {
  int error = OPUS_OK;
  std::unique_ptr<OpusEncoder, EncoderDeleter> e(opus_encoder_create(kRate, 2, OPUS_APPLICATION_RESTRICTED_LOWDELAY, &error));
  if (error != OPUS_OK) return nullptr;
  opus_encoder_ctl(e.get(), OPUS_SET_BITRATE(128000));
  opus_encoder_ctl(e.get(), OPUS_SET_EXPERT_FRAME_DURATION(OPUS_FRAMESIZE_10_MS));
  return e;
}

std::vector<std::vector<std::uint8_t>> encodeTone(double hz, int packets) {
  auto encoder = hostEncoder();
  std::vector<std::vector<std::uint8_t>> out;
  if (!encoder) return out;
  for (int i = 0; i < packets; ++i) {
    const auto pcm = host::test::stereoSine(hz, 0.5, kFrameSize, kRate, static_cast<std::size_t>(i) * kFrameSize);
    std::vector<std::uint8_t> packet(4000);
    const int n = opus_encode(encoder.get(), pcm.data(), kFrameSize, packet.data(), static_cast<opus_int32>(packet.size()));
    if (n <= 0) return {};
    packet.resize(static_cast<std::size_t>(n));
    out.push_back(std::move(packet));
  }
  return out;
}

TEST(OpusAudioDecoder, HostPacketsDecodeToTenMillisecondsOfTheTone) {
  const auto packets = encodeTone(440.0, 50);
  ASSERT_EQ(packets.size(), 50u);
  OpusAudioDecoder decoder;
  ASSERT_TRUE(decoder.open());
  std::vector<std::int16_t> all;
  std::vector<std::int16_t> pcm;
  for (const auto& p : packets) {
    ASSERT_EQ(decoder.decode(p.data(), p.size(), pcm), kFrameSize);
    ASSERT_EQ(pcm.size(), static_cast<std::size_t>(kFrameSize) * 2);
    all.insert(all.end(), pcm.begin(), pcm.end());
  }
  // The last quarter second, past the codec's start-up.
  const std::vector<std::int16_t> tail(all.end() - kRate / 4 * 2, all.end());
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const auto signal = host::test::channelOf(tail, 2, channel);
    EXPECT_GT(host::test::rms(signal), 5000.0) << "channel " << channel;
    EXPECT_NEAR(host::test::dominantFrequency(signal, kRate, 100, 4000), 440.0, 10.0) << "channel " << channel;
  }
}

TEST(OpusAudioDecoder, LostPacketIsConcealedAsOnePacket) {
  const auto packets = encodeTone(1000.0, 5);
  ASSERT_EQ(packets.size(), 5u);
  OpusAudioDecoder decoder;
  ASSERT_TRUE(decoder.open());
  std::vector<std::int16_t> pcm;
  for (const auto& p : packets) ASSERT_EQ(decoder.decode(p.data(), p.size(), pcm), kFrameSize);
  EXPECT_EQ(decoder.decode(nullptr, 0, pcm), kFrameSize);
  EXPECT_EQ(pcm.size(), static_cast<std::size_t>(kFrameSize) * 2);
}

TEST(OpusAudioDecoder, DecodeBeforeOpenFails) {
  OpusAudioDecoder decoder;
  const std::uint8_t packet[] = {0xFC, 0x00};
  std::vector<std::int16_t> pcm(10, 7);
  EXPECT_EQ(decoder.decode(packet, sizeof packet, pcm), -1);
  EXPECT_TRUE(pcm.empty());
}

struct BadPacket {
  const char* name;
  std::vector<std::uint8_t> bytes;
};
void PrintTo(const BadPacket& p, std::ostream* os) { *os << p.name; }

class OpusAudioDecoderBadPacket : public ::testing::TestWithParam<BadPacket> {};

// A bad packet yields no samples, and the packets after it still decode. The empty payload is
// the one libopus itself accepts: it would become 120 ms of concealment in the WAV.
TEST_P(OpusAudioDecoderBadPacket, YieldsNothingAndTheNextPacketDecodes) {
  const auto packets = encodeTone(1000.0, 3);
  ASSERT_EQ(packets.size(), 3u);
  OpusAudioDecoder decoder;
  ASSERT_TRUE(decoder.open());
  std::vector<std::int16_t> pcm;
  ASSERT_EQ(decoder.decode(packets[0].data(), packets[0].size(), pcm), kFrameSize);

  const auto& bad = GetParam().bytes;
  const std::uint8_t placeholder = 0;  // a valid pointer for the empty payload
  EXPECT_EQ(decoder.decode(bad.empty() ? &placeholder : bad.data(), bad.size(), pcm), -1);
  EXPECT_TRUE(pcm.empty());

  EXPECT_EQ(decoder.decode(packets[1].data(), packets[1].size(), pcm), kFrameSize);
  EXPECT_EQ(pcm.size(), static_cast<std::size_t>(kFrameSize) * 2);
}

INSTANTIATE_TEST_SUITE_P(Packets, OpusAudioDecoderBadPacket,
                         ::testing::Values(BadPacket{"Empty", {}},
                                           // Code 3 with a frame count of 63 x 20 ms: longer than 120 ms.
                                           BadPacket{"TooManyFrames", {0x0B, 0x3F}},
                                           BadPacket{"Garbage", {0xFF, 0xFF, 0xFF}}),
                         [](const ::testing::TestParamInfo<BadPacket>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace parvalon::viewer
