#include <gtest/gtest.h>

#include "VideoPacketGate.h"

namespace parvalon::viewer {
namespace {

VideoPacket packet(std::uint8_t stream, bool key, std::uint8_t tag) {
  VideoPacket p;
  p.streamId = stream;
  p.keyFrame = key;
  p.payload = {tag};
  return p;
}

std::vector<int> tags(const std::vector<VideoPacket>& ps) {
  std::vector<int> out;
  for (const auto& p : ps) out.push_back(p.payload.at(0));
  return out;
}

TEST(VideoPacketGate, HoldsPacketsUntilStreamAndConfigAreKnown) {
  VideoPacketGate gate;
  // Video can overtake stream_started and stream_config: nothing is decoded yet.
  EXPECT_TRUE(gate.onPacket(packet(7, false, 1)).empty());
  EXPECT_TRUE(gate.onPacket(packet(3, true, 2)).empty());
  EXPECT_TRUE(gate.onPacket(packet(3, false, 3)).empty());
  gate.setStream(3);
  EXPECT_EQ(gate.heldPackets(), 2u);  // stream 7's packet is not ours
  EXPECT_TRUE(gate.onPacket(packet(3, false, 4)).empty());
  EXPECT_EQ(tags(gate.onConfig()), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(tags(gate.onPacket(packet(3, false, 5))), (std::vector<int>{5}));
  EXPECT_TRUE(gate.onPacket(packet(7, true, 6)).empty());
  EXPECT_FALSE(gate.awaitingKeyFrame());
}

TEST(VideoPacketGate, ReleasedPacketsStartAtTheFirstKeyFrame) {
  VideoPacketGate gate;
  gate.setStream(1);
  gate.onPacket(packet(1, false, 1));
  gate.onPacket(packet(1, false, 2));
  gate.onPacket(packet(1, true, 3));
  gate.onPacket(packet(1, false, 4));
  EXPECT_EQ(tags(gate.onConfig()), (std::vector<int>{3, 4}));
  EXPECT_EQ(gate.droppedPackets(), 2u);
}

TEST(VideoPacketGate, JoinWithoutKeyFrameDropsAndAsksUntilOneArrives) {
  VideoPacketGate gate;
  gate.setStream(1);
  gate.onPacket(packet(1, false, 1));
  EXPECT_TRUE(gate.onConfig().empty());
  EXPECT_TRUE(gate.takeKeyframeRequest(1000));
  EXPECT_FALSE(gate.takeKeyframeRequest(1000 + VideoPacketGate::kKeyframeRetryMs - 1));  // not a flood
  EXPECT_TRUE(gate.onPacket(packet(1, false, 2)).empty());
  EXPECT_TRUE(gate.takeKeyframeRequest(1000 + VideoPacketGate::kKeyframeRetryMs));
  EXPECT_EQ(tags(gate.onPacket(packet(1, true, 3))), (std::vector<int>{3}));
  EXPECT_FALSE(gate.takeKeyframeRequest(5000));
}

TEST(VideoPacketGate, DecodeErrorAndReconnectWaitForTheNextKeyFrame) {
  VideoPacketGate gate;
  gate.setStream(2);
  gate.onPacket(packet(2, true, 1));
  gate.onConfig();
  gate.onDecodeError();
  EXPECT_TRUE(gate.onPacket(packet(2, false, 2)).empty());
  // The request right after a key frame must not be held back by the previous one.
  EXPECT_TRUE(gate.takeKeyframeRequest(100));
  EXPECT_EQ(tags(gate.onPacket(packet(2, true, 3))), (std::vector<int>{3}));
  gate.onDecodeError();
  EXPECT_TRUE(gate.takeKeyframeRequest(101));

  gate.onPacket(packet(2, true, 4));
  gate.onReconnect();
  EXPECT_TRUE(gate.awaitingKeyFrame());
  EXPECT_TRUE(gate.takeKeyframeRequest(102));
  EXPECT_TRUE(gate.onPacket(packet(2, false, 5)).empty());
  EXPECT_EQ(tags(gate.onPacket(packet(2, true, 6))), (std::vector<int>{6}));
}

TEST(VideoPacketGate, NoRequestBeforeTheConfigurationIsKnown) {
  VideoPacketGate gate;
  EXPECT_FALSE(gate.takeKeyframeRequest(0));
  gate.setStream(1);
  EXPECT_FALSE(gate.takeKeyframeRequest(0));
}

TEST(VideoPacketGate, HeldBytesAreBounded) {
  VideoPacketGate gate;
  gate.setStream(1);
  VideoPacket big = packet(1, true, 9);
  big.payload.resize(VideoPacketGate::kMaxHeldBytes / 2 + 1, 0);
  gate.onPacket(big);
  gate.onPacket(big);  // the first one goes to keep the total under the limit
  EXPECT_EQ(gate.heldPackets(), 1u);
  EXPECT_EQ(gate.droppedPackets(), 1u);
}

}  // namespace
}  // namespace parvalon::viewer
