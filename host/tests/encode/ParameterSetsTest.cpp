#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "encode/ParameterSets.h"

namespace parvalon::host {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct ScanCase {
  std::string name;
  Bytes data;
  bool hevc;
  Bytes sps;
  Bytes pps;
  Bytes vps;
  bool valid;
};

class ExtractParameterSets : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ExtractParameterSets, StoresTheSetsWithoutStartCodes) {
  const ScanCase& c = GetParam();
  CodecParameterSets sets;
  extractParameterSets(c.data.data(), c.data.size(), c.hevc, sets);
  EXPECT_EQ(sets.sps, c.sps);
  EXPECT_EQ(sets.pps, c.pps);
  EXPECT_EQ(sets.vps, c.vps);
  EXPECT_EQ(sets.valid, c.valid);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, ExtractParameterSets,
    ::testing::Values(
        ScanCase{"ThreeByteStartCodes",
                 {0, 0, 1, 0x67, 0x4D, 0x00, 0x1F, 0, 0, 1, 0x68, 0xEE, 0x3C, 0x80, 0, 0, 1, 0x65, 0x88, 0x84},
                 false, {0x67, 0x4D, 0x00, 0x1F}, {0x68, 0xEE, 0x3C, 0x80}, {}, true},
        // The zero that opens a 4-byte code belongs to the code, not to the unit before it.
        ScanCase{"FourByteStartCodes",
                 {0, 0, 0, 1, 0x67, 0x4D, 0x00, 0x1F, 0, 0, 0, 1, 0x68, 0xEE, 0x3C, 0x80, 0, 0, 0, 1, 0x65, 0x88, 0x84},
                 false, {0x67, 0x4D, 0x00, 0x1F}, {0x68, 0xEE, 0x3C, 0x80}, {}, true},
        ScanCase{"LeadingBytesBeforeFirstStartCode",
                 {0xAA, 0xBB, 0, 0, 1, 0x27, 0x4D, 0x40, 0, 0, 1, 0x28, 0xEE, 0x06, 0x12},
                 false, {0x27, 0x4D, 0x40}, {0x28, 0xEE, 0x06, 0x12}, {}, true},
        ScanCase{"SlicesOnly", {0, 0, 0, 1, 0x41, 0x9A, 0x02, 0x03, 0, 0, 1, 0x41, 0x9B, 0x04}, false, {}, {}, {}, false},
        ScanCase{"SpsWithoutPpsIsNotValid", {0, 0, 1, 0x67, 0x4D, 0x00, 0x1F, 0, 0, 1, 0x65, 0x88}, false,
                 {0x67, 0x4D, 0x00, 0x1F}, {}, {}, false},
        // A start code that begins three bytes before the end is not looked for: the SPS runs
        // to the end and keeps those bytes.
        ScanCase{"NextStartCodeThreeBytesBeforeEnd", {0, 0, 1, 0x67, 0xAA, 0xBB, 0, 0, 1}, false,
                 {0x67, 0xAA, 0xBB, 0, 0, 1}, {}, {}, false},
        // Four bytes before the end it is found; the one-byte unit after it is past the scan.
        ScanCase{"NextStartCodeFourBytesBeforeEnd", {0, 0, 1, 0x67, 0xAA, 0xBB, 0, 0, 1, 0x68}, false,
                 {0x67, 0xAA, 0xBB}, {}, {}, false},
        ScanCase{"HevcVpsSpsPps",
                 {0, 0, 0, 1, 0x40, 0x01, 0x0C, 0x01, 0, 0, 0, 1, 0x42, 0x01, 0x01, 0x01, 0, 0, 0, 1, 0x44,
                  0x01, 0xC1, 0x72, 0, 0, 0, 1, 0x26, 0x01, 0xAF},
                 true, {0x42, 0x01, 0x01, 0x01}, {0x44, 0x01, 0xC1, 0x72}, {0x40, 0x01, 0x0C, 0x01}, true},
        // H.264 type bytes mean nothing in an HEVC stream, and HEVC ones nothing in H.264.
        ScanCase{"HevcIgnoresH264Types", {0, 0, 1, 0x67, 0x4D, 0x00, 0, 0, 1, 0x68, 0xEE, 0x3C}, true, {}, {}, {}, false},
        ScanCase{"H264IgnoresHevcTypes", {0, 0, 1, 0x40, 0x01, 0x0C, 0, 0, 1, 0x42, 0x01, 0x01}, false, {}, {}, {},
                 false}),
    [](const ::testing::TestParamInfo<ScanCase>& info) { return info.param.name; });

TEST(ExtractParameterSetsHistory, SlicesOnlyUnitKeepsEarlierSets) {
  CodecParameterSets sets;
  const Bytes key = {0, 0, 1, 0x67, 0x4D, 0x00, 0x1F, 0, 0, 1, 0x68, 0xEE, 0x3C, 0x80, 0, 0, 1, 0x65, 0x88};
  const Bytes slices = {0, 0, 0, 1, 0x41, 0x9A, 0x02, 0x03, 0, 0, 1, 0x41, 0x9B, 0x04};
  extractParameterSets(key.data(), key.size(), false, sets);
  extractParameterSets(slices.data(), slices.size(), false, sets);
  EXPECT_EQ(sets.sps, (Bytes{0x67, 0x4D, 0x00, 0x1F}));
  EXPECT_EQ(sets.pps, (Bytes{0x68, 0xEE, 0x3C, 0x80}));
  EXPECT_TRUE(sets.valid);
}

TEST(ExtractParameterSetsHistory, LaterSetReplacesOnlyItsOwnKind) {
  CodecParameterSets sets;
  const Bytes key = {0, 0, 1, 0x67, 0x4D, 0x00, 0x1F, 0, 0, 1, 0x68, 0xEE, 0x3C, 0x80};
  const Bytes newSps = {0, 0, 1, 0x67, 0x64, 0x00, 0x28, 0x01, 0, 0, 1, 0x65, 0x88};
  extractParameterSets(key.data(), key.size(), false, sets);
  extractParameterSets(newSps.data(), newSps.size(), false, sets);
  EXPECT_EQ(sets.sps, (Bytes{0x67, 0x64, 0x00, 0x28, 0x01}));
  EXPECT_EQ(sets.pps, (Bytes{0x68, 0xEE, 0x3C, 0x80}));
}

TEST(ExtractParameterSetsHistory, ShortOrNullDataChangesNothing) {
  CodecParameterSets sets;
  sets.sps = {0x67, 1};
  const Bytes shortData = {0, 0, 1, 0x68};
  extractParameterSets(shortData.data(), shortData.size(), false, sets);
  extractParameterSets(nullptr, 100, false, sets);
  EXPECT_EQ(sets.sps, (Bytes{0x67, 1}));
  EXPECT_TRUE(sets.pps.empty());
  EXPECT_FALSE(sets.valid);
}

}  // namespace
}  // namespace parvalon::host
