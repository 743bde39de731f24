#include <gtest/gtest.h>

#include <string>

#include "platform/linux/X11Text.h"

namespace parvalon::host::platform::linux_x11 {
namespace {

const std::string kFffd = "\xEF\xBF\xBD";

struct TextCase {
  const char* name;
  std::string in;
  std::string out;
};

class Utf8Sanitize : public ::testing::TestWithParam<TextCase> {};

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Sanitize,
    ::testing::Values(TextCase{"Ascii", "Editor - file.txt", "Editor - file.txt"},
                      TextCase{"ValidMultibyte", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
                      TextCase{"StrayContinuation", "a\x80z", "a" + kFffd + "z"},
                      TextCase{"Latin1Byte", "caf\xE9!", "caf" + kFffd + "!"},
                      TextCase{"Overlong", "\xC0\xAF", kFffd + kFffd},
                      TextCase{"OverlongThreeByte", "\xE0\x80\xAF", kFffd + kFffd + kFffd},
                      TextCase{"Surrogate", "\xED\xA0\x80", kFffd + kFffd + kFffd},
                      TextCase{"BeyondUnicode", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
                      TextCase{"CutShortAtEnd", "ok\xE2\x82", "ok" + kFffd + kFffd},
                      TextCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(Utf8Sanitize, ReplacesEveryInvalidByte) { EXPECT_EQ(sanitizeUtf8(GetParam().in), GetParam().out); }

TEST(Latin1Text, MapsEveryByteToItsCodePoint) {
  EXPECT_EQ(latin1ToUtf8("Caf\xE9 \xA0\xFF"), "Caf\xC3\xA9 \xC2\xA0\xC3\xBF");
  EXPECT_EQ(latin1ToUtf8("plain"), "plain");
}

class CompoundText : public ::testing::TestWithParam<TextCase> {};

INSTANTIATE_TEST_SUITE_P(
    Segments, CompoundText,
    ::testing::Values(
        TextCase{"AsciiAndLatin1RightHalf", "Caf\xE9", "Caf\xC3\xA9"},
        TextCase{"Utf8Segment", "A\x1B%G\xE2\x82\xAC\x1B%@B", "A\xE2\x82\xAC" "B"},
        TextCase{"Utf8SegmentToTheEnd", "\x1B%G\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
        TextCase{"InvalidInsideUtf8Segment", "\x1B%G\xFF\x1B%@", kFffd},
        TextCase{"ExtendedUtf8Segment", std::string("\x1B%/1\x80\x89utf-8\x02\xE2\x82\xAC", 15), "\xE2\x82\xAC"},
        // Latin-2 right half: its characters cannot be mapped here and must not pass as Latin-1.
        TextCase{"OtherRightHalfSet", "\x1B-B\xB1x\x1B-A\xE9", kFffd + "x\xC3\xA9"},
        TextCase{"MultibyteSetInLeftHalf", "\x1B$(B\x30\x21\x1B(Bok", kFffd + kFffd + "ok"},
        TextCase{"ControlBytesDropped", "a\x01\x9B" "b\tc", "ab\tc"},
        TextCase{"CutShortEscape", "ok\x1B%", "ok"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CompoundText, ConvertsToUtf8) { EXPECT_EQ(compoundTextToUtf8(GetParam().in), GetParam().out); }

}  // namespace
}  // namespace parvalon::host::platform::linux_x11
