#include <gtest/gtest.h>

#include "InputForwarder.h"

namespace parvalon::viewer {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct NormalizeCase {
  double position;
  double extent;
  std::uint16_t expected;
};

class InputNormalize : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(InputNormalize, MapsWindowPixelsOntoTheHostRange) {
  EXPECT_EQ(InputForwarder::normalize(GetParam().position, GetParam().extent), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, InputNormalize,
                         ::testing::Values(NormalizeCase{0, 1280, 0}, NormalizeCase{1279, 1280, 65535},
                                           NormalizeCase{639.5, 1280, 32768}, NormalizeCase{-5, 1280, 0},
                                           NormalizeCase{4000, 1280, 65535}, NormalizeCase{10, 0, 0},
                                           NormalizeCase{359.5, 720, 32768}));

TEST(InputForwarder, ButtonRecordOnTheWire) {
  InputForwarder f(5);
  // Right button down at the right edge, top row of a 1280x720 window.
  EXPECT_EQ(protocol::encodeInputEventMessage(f.button(1, true, 1279, 0, 1280, 720)),
            (Bytes{12, 0, 0, 0, 5, 1, 2, 0xFF, 0xFF, 0, 0, 1, 0, 0, 0, 0}));
  EXPECT_EQ(protocol::encodeInputEventMessage(f.button(4, false, 0, 719, 1280, 720)),
            (Bytes{12, 0, 0, 0, 5, 1, 3, 0, 0, 0xFF, 0xFF, 4, 0, 0, 0, 0}));
  EXPECT_EQ(protocol::encodeInputEventMessage(f.move(639.5, 359.5, 1280, 720)),
            (Bytes{12, 0, 0, 0, 5, 1, 1, 0x00, 0x80, 0x00, 0x80, 0, 0, 0, 0, 0}));
}

TEST(InputForwarder, WheelSendsWindowsUnitsAndKeepsFractions) {
  InputForwarder f(1);
  EXPECT_EQ(f.wheel(1, 0, 0, 100, 100).wheelDelta, 120);
  EXPECT_EQ(f.wheel(-2, 0, 0, 100, 100).wheelDelta, -240);
  EXPECT_EQ(f.wheel(0.25, 0, 0, 100, 100).wheelDelta, 30);
  // Smooth wheels: 0.48 units are too little for one, but are not forgotten.
  EXPECT_EQ(f.wheel(0.004, 0, 0, 100, 100).wheelDelta, 0);
  EXPECT_EQ(f.wheel(0.005, 0, 0, 100, 100).wheelDelta, 1);
  EXPECT_EQ(f.wheel(1000, 0, 0, 100, 100).wheelDelta, 32767);
  const auto e = f.wheel(-1, 50, 50, 100, 100);
  EXPECT_EQ(protocol::encodeInputEventMessage(e), (Bytes{12, 0, 0, 0, 1, 1, 4, 0x4A, 0x81, 0x4A, 0x81, 0, 0, 0x88, 0xFF, 0}));
}

TEST(InputForwarder, KeysCarryCodeAndModifiers) {
  InputForwarder f(2);
  EXPECT_EQ(protocol::encodeInputEventMessage(f.key(0x41, true, 0x03)),
            (Bytes{12, 0, 0, 0, 2, 2, 1, 0, 0, 0, 0, 0x41, 0x03, 0, 0, 0}));
  EXPECT_EQ(protocol::encodeInputEventMessage(f.key(0x25, false, 0)),
            (Bytes{12, 0, 0, 0, 2, 2, 2, 0, 0, 0, 0, 0x25, 0, 0, 0, 0}));
}

TEST(InputForwarder, CharactersGoAsUtf16CodeUnitsInX) {
  InputForwarder f(3);
  const auto e = f.character(0xE9);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(protocol::encodeInputEventMessage(e[0]), (Bytes{12, 0, 0, 0, 3, 2, 3, 0xE9, 0, 0, 0, 0, 0, 0, 0, 0}));
  // U+1F600 is the surrogate pair D83D DE00, one event per unit.
  const auto pair = f.character(0x1F600);
  ASSERT_EQ(pair.size(), 2u);
  EXPECT_EQ(pair[0].x, 0xD83D);
  EXPECT_EQ(pair[1].x, 0xDE00);
  EXPECT_TRUE(f.character(0xD800).empty());
  EXPECT_TRUE(f.character(0x110000).empty());
}

}  // namespace
}  // namespace parvalon::viewer
