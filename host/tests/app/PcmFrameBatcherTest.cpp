#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "app/PcmFrameBatcher.h"

namespace parvalon::host {
namespace {

// 10 ms stereo Opus frames: 480 frames x 2 channels = 960 samples.
constexpr std::size_t kFrameSamples = 960;

struct Collected {
  std::vector<std::vector<std::int16_t>> packets;
  PcmFrameBatcher::Emit emit() {
    return [this](const std::int16_t* s, std::size_t n) { packets.emplace_back(s, s + n); };
  }
};

std::vector<std::int16_t> ramp(std::size_t count, std::int16_t start) {
  std::vector<std::int16_t> v(count);
  std::iota(v.begin(), v.end(), start);
  return v;
}

TEST(PcmFrameBatcher, ThousandStereoFramesGiveTwoPacketsAndKeepEighty) {
  PcmFrameBatcher batcher(kFrameSamples, 3840);
  Collected out;
  const auto samples = ramp(2000, 0);  // 1000 stereo frames
  batcher.push(samples.data(), samples.size(), out.emit());
  ASSERT_EQ(out.packets.size(), 2u);
  EXPECT_EQ(out.packets[0], ramp(960, 0));
  EXPECT_EQ(out.packets[1], ramp(960, 960));
  EXPECT_EQ(batcher.buffered(), 80u);
}

TEST(PcmFrameBatcher, RemainderJoinsTheNextPushInOrder) {
  PcmFrameBatcher batcher(kFrameSamples, 3840);
  Collected out;
  const auto first = ramp(882, 0);  // 441 stereo frames
  const auto second = ramp(882, 882);
  batcher.push(first.data(), first.size(), out.emit());
  EXPECT_TRUE(out.packets.empty());
  batcher.push(second.data(), second.size(), out.emit());
  ASSERT_EQ(out.packets.size(), 1u);
  EXPECT_EQ(out.packets[0], ramp(960, 0));  // no sample lost or reordered across pushes
  EXPECT_EQ(batcher.buffered(), 804u);      // 402 stereo frames wait
  const auto third = ramp(156, 1764);
  batcher.push(third.data(), third.size(), out.emit());
  ASSERT_EQ(out.packets.size(), 2u);
  EXPECT_EQ(out.packets[1], ramp(960, 960));
  EXPECT_EQ(batcher.buffered(), 0u);
}

TEST(PcmFrameBatcher, ClearDropsPendingSamples) {
  PcmFrameBatcher batcher(kFrameSamples, 3840);
  Collected out;
  const auto samples = ramp(500, 0);
  batcher.push(samples.data(), samples.size(), out.emit());
  batcher.clear();
  batcher.push(samples.data(), samples.size(), out.emit());
  EXPECT_TRUE(out.packets.empty());
  EXPECT_EQ(batcher.buffered(), 500u);
}

}  // namespace
}  // namespace parvalon::host
