#include <gtest/gtest.h>

#include "InputStep.h"

namespace parvalon::viewer {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> wire(const std::string& text, std::uint8_t streamId = 4) {
  std::string error;
  const auto step = InputStep::parse(text, error);
  EXPECT_TRUE(step) << text << ": " << error;
  if (!step) return {};
  InputForwarder forwarder(streamId);
  std::vector<Bytes> out;
  for (const auto& e : step->events(forwarder)) out.push_back(protocol::encodeInputEventMessage(e));
  return out;
}

// A quarter of the window is 16384 of the host's 0..65535 (16383.75 rounded); the press and the
// release carry the position too, since the host moves there before each.
TEST(InputStep, ClickIsMoveDownUpAtTheFractions) {
  EXPECT_EQ(wire("click 0.25 0.25"), (std::vector<Bytes>{{12, 0, 0, 0, 4, 1, 1, 0x00, 0x40, 0x00, 0x40, 0, 0, 0, 0, 0},
                                                         {12, 0, 0, 0, 4, 1, 2, 0x00, 0x40, 0x00, 0x40, 0, 0, 0, 0, 0},
                                                         {12, 0, 0, 0, 4, 1, 3, 0x00, 0x40, 0x00, 0x40, 0, 0, 0, 0, 0}}));
  EXPECT_EQ(wire("click 1 0"), (std::vector<Bytes>{{12, 0, 0, 0, 4, 1, 1, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0},
                                                   {12, 0, 0, 0, 4, 1, 2, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0},
                                                   {12, 0, 0, 0, 4, 1, 3, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0}}));
}

// What a test holds must stay held: no release follows a press or a key down.
TEST(InputStep, PressAndKeyDownSendNoRelease) {
  // 0.5 and 0.75 are 32767.5 and 49151.25 of the range, rounded.
  EXPECT_EQ(wire("press 0.5 0.75", 1), (std::vector<Bytes>{{12, 0, 0, 0, 1, 1, 1, 0x00, 0x80, 0xFF, 0xBF, 0, 0, 0, 0, 0},
                                                           {12, 0, 0, 0, 1, 1, 2, 0x00, 0x80, 0xFF, 0xBF, 0, 0, 0, 0, 0}}));
  EXPECT_EQ(wire("keydown 0x41"), (std::vector<Bytes>{{12, 0, 0, 0, 4, 2, 1, 0, 0, 0, 0, 0x41, 0, 0, 0, 0}}));
  EXPECT_EQ(wire("keydown 13"), (std::vector<Bytes>{{12, 0, 0, 0, 4, 2, 1, 0, 0, 0, 0, 0x0D, 0, 0, 0, 0}}));
}

// "Hé€😀" is five UTF-16 units, the emoji its surrogate pair, each a character event in order.
TEST(InputStep, TypeSendsEveryUtf16UnitInOrder) {
  const auto events = wire("type H\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  std::vector<std::uint16_t> units;
  for (const auto& e : events) {
    ASSERT_EQ(e.size(), 16u);
    EXPECT_EQ(e[5], 2);  // keyboard
    EXPECT_EQ(e[6], 3);  // character
    units.push_back(static_cast<std::uint16_t>(e[7] | e[8] << 8));
  }
  EXPECT_EQ(units, (std::vector<std::uint16_t>{0x0048, 0x00E9, 0x20AC, 0xD83D, 0xDE00}));
  // The rest of the step is the text, spaces and all.
  EXPECT_EQ(wire("type  a ").size(), 3u);
}

TEST(InputStep, CloseInputSendsNothing) {
  EXPECT_TRUE(wire("close-input").empty());
}

class InputStepRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(InputStepRejects, WithAReason) {
  std::string error;
  EXPECT_FALSE(InputStep::parse(GetParam(), error));
  EXPECT_FALSE(error.empty()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputStepRejects,
    ::testing::Values("", "wiggle", "click", "click 0.5", "click 0.5 0.5 0.5", "click 1.01 0", "click -0.1 0",
                      "click nan 0", "click 0.5x 0", "press 0.5", "keydown", "keydown 0", "keydown 255", "keydown 0x",
                      "keydown 0x1G", "keydown 1 2", "type", "type ", "type \xC3", "type \xC0\x80",
                      "type \xED\xA0\xBD", "type \xF4\x90\x80\x80", "type \x80", "close-input now"));

}  // namespace
}  // namespace parvalon::viewer
