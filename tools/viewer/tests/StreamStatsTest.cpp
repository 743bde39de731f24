#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "StreamStats.h"

namespace parvalon::viewer {
namespace {

TEST(StreamStatsPercentile, NearestRank) {
  const std::vector<double> v{5, 1, 4, 2, 3, 10, 9, 8, 7, 6};
  EXPECT_DOUBLE_EQ(StreamStats::percentile(v, 50), 5);
  EXPECT_DOUBLE_EQ(StreamStats::percentile(v, 99), 10);
  EXPECT_DOUBLE_EQ(StreamStats::percentile(v, 0), 1);
  EXPECT_DOUBLE_EQ(StreamStats::percentile({7}, 99), 7);
  EXPECT_DOUBLE_EQ(StreamStats::percentile({}, 50), 0);
}

TEST(StreamStats, RatesOverTheReceivedSpan) {
  StreamStats s;
  // 61 packets of 1000 bytes, 1/60 s apart: 60 frames a second over one second.
  for (int i = 0; i <= 60; ++i) {
    s.onVideoPacket(1'000'000 + i * 1'000'000 / 60, 1000, i == 0);
    s.onDecoded(2000 + i * 10);
  }
  s.onLatency(5'000'000, 5'012'500);
  s.onDecodeError();
  const auto sum = s.summary();
  EXPECT_EQ(sum.frames, 61u);
  EXPECT_EQ(sum.keyFrames, 1u);
  EXPECT_EQ(sum.decodeErrors, 1u);
  EXPECT_NEAR(sum.seconds, 1.0, 1e-5);
  EXPECT_NEAR(sum.fps, 60.0, 1e-3);
  EXPECT_NEAR(sum.bitrateKbps, 488.0, 0.01);
  EXPECT_DOUBLE_EQ(sum.decodeP50Ms, 2.3);
  EXPECT_DOUBLE_EQ(sum.decodeP99Ms, 2.6);
  EXPECT_EQ(sum.latencySamples, 1u);
  EXPECT_DOUBLE_EQ(sum.latencyP50Ms, 12.5);
}

TEST(StreamStats, AudioGapsCountMissingSequenceNumbersAcrossTheWrap) {
  StreamStats s;
  for (std::uint16_t seq : {65533, 65534, 65535, 0, 3, 4, 10}) s.onAudioPacket(seq);
  const auto sum = s.summary();
  EXPECT_EQ(sum.audioPackets, 7u);
  EXPECT_EQ(sum.audioGaps, 2u);
  EXPECT_EQ(sum.audioLostPackets, 2u + 5u);
}

TEST(StreamStats, FramesAfterAReconnectCountAfresh) {
  StreamStats s;
  s.onDecoded(1);
  s.onDecoded(1);
  EXPECT_EQ(s.summary().framesAfterReconnect, 0u);
  s.onVideoReconnect();
  s.onKeyframeRequest();
  s.onDecoded(1);
  const auto sum = s.summary();
  EXPECT_EQ(sum.videoReconnects, 1u);
  EXPECT_EQ(sum.framesAfterReconnect, 1u);
  EXPECT_EQ(sum.keyframeRequests, 1u);
}

TEST(StreamStats, JsonNamesTheMeasurements) {
  StreamStats s;
  s.setStream(0x2a00004, 3);
  s.setSize(1280, 720);
  s.setStreamStopped(true);
  s.onAudioPacket(1);
  const auto j = nlohmann::json::parse(s.toJson());
  EXPECT_EQ(j["windowId"], 0x2a00004);
  EXPECT_EQ(j["streamId"], 3);
  EXPECT_EQ(j["width"], 1280);
  EXPECT_EQ(j["height"], 720);
  EXPECT_EQ(j["streamStopped"], true);
  EXPECT_EQ(j["audioPackets"], 1);
  EXPECT_EQ(j["latencyMs"]["samples"], 0);
  EXPECT_TRUE(j["decodeTimeMs"].contains("p99"));
  EXPECT_NE(s.toText().find("no time stamp"), std::string::npos);
}

}  // namespace
}  // namespace parvalon::viewer
