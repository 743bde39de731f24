// The signaling records as JSON text: key order, widths, UTF-8 handling, type names and the
// numeric read rule.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "protocol/SignalingMessages.h"

namespace parvalon::protocol {
namespace {

using nlohmann::json;

TEST(SignalingRecords, WelcomeIsTheFixedTextWithSortedKeys) {
  EXPECT_EQ(serialize(toJson(WelcomeMessage{})),
            R"({"audioPort":9945,"hostName":"Parvalon Host","hostVersion":"1.0.5","inputPort":9946,)"
            R"("protocol":"tcp","requiresAuth":false,"supportedCodecs":["h264"],"type":"welcome",)"
            R"("videoPort":9944})");
}

TEST(SignalingRecords, StreamStartedAndErrorTexts) {
  StreamStartedMessage started;
  started.windowId = 4294967295u;
  started.streamId = 255;
  EXPECT_EQ(serialize(toJson(started)),
            R"({"codec":"h264","height":0,"streamId":255,"type":"stream_started","width":0,)"
            R"("windowId":4294967295})");
  EXPECT_EQ(serialize(toJson(ErrorMessage{})),
            R"({"code":1001,"message":"Failed to start stream","type":"error"})");
}

TEST(SignalingRecords, StreamConfigCarriesEveryField) {
  const StreamConfig config{.windowId = 0x2a00007, .streamId = 3, .width = 1366, .height = 768, .sps = "Z0LAH9kA",
                            .pps = "aM4G4g==", .targetBitrate = 20000, .targetFps = 72};
  EXPECT_EQ(serialize(toJson(config)),
            R"({"codec":"video/avc","height":768,"pps":"aM4G4g==","sps":"Z0LAH9kA","streamId":3,)"
            R"("targetBitrate":20000,"targetFps":72,"type":"stream_config","width":1366,)"
            R"("windowId":44040199})");
}

TEST(SignalingRecords, WindowInfoKeepsSignedGeometryAndRawUtf8) {
  WindowInfo w;
  w.id = 0x3c00004;
  w.title = "Fen\xc3\xaatre \xe2\x9c\x93";  // "Fenêtre ✓": written as raw bytes, not \u escapes
  w.processName = "gedit";
  w.className = "Gedit";
  w.x = -8;
  w.y = -31;
  w.width = 1920;
  w.height = 1080;
  w.isMaximized = true;
  w.isVisible = true;
  w.iconBase64 = "iVBORw0=";
  EXPECT_EQ(serialize(windowListJson({w})),
            "{\"type\":\"window_list\",\"windows\":[{\"className\":\"Gedit\",\"height\":1080,"
            "\"iconBase64\":\"iVBORw0=\",\"id\":62914564,\"isMaximized\":true,\"isMinimized\":false,"
            "\"isVisible\":true,\"processName\":\"gedit\",\"title\":\"Fen\xc3\xaatre \xe2\x9c\x93\","
            "\"width\":1920,\"x\":-8,\"y\":-31}]}");
  EXPECT_EQ(serialize(windowListJson({})), R"({"type":"window_list","windows":[]})");
}

TEST(SignalingRecords, RepliesEchoSignedAndUnsignedFields) {
  EXPECT_EQ(serialize(streamStoppedJson(-300)), R"({"streamId":-300,"type":"stream_stopped"})");
  EXPECT_EQ(serialize(pongJson(-2147483647 - 1)), R"({"timestamp":-2147483648,"type":"pong"})");
  EXPECT_EQ(serialize(windowResizedJson({-1, 4294967295u, 800, 600}, true)),
            R"({"height":600,"streamId":-1,"success":true,"type":"window_resized","width":800,)"
            R"("windowId":4294967295})");
}

TEST(SignalingRecords, InvalidUtf8FailsSerialization) {
  WindowInfo w;
  w.title = "bad \xff\xfe title";
  EXPECT_THROW(serialize(windowListJson({w})), json::type_error);
  w.title = "cut \xe2\x9c";  // a sequence that stops short
  EXPECT_THROW(serialize(windowListJson({w})), json::type_error);
}

TEST(SignalingParse, RejectsCommentsAndBrokenText) {
  EXPECT_TRUE(parseMessage(R"({"type":"hello"})").is_object());
  EXPECT_THROW(parseMessage(R"(/* hi */ {"type":"hello"})"), json::parse_error);
  EXPECT_THROW(parseMessage(R"({"type":"hello"} // hi)"), json::parse_error);
  EXPECT_THROW(parseMessage(R"({"type":"hello")"), json::parse_error);
  EXPECT_THROW(parseMessage(""), json::parse_error);
  EXPECT_THROW(parseMessage("{\"type\":\"h\xffllo\"}"), json::parse_error);
}

struct TypeCase {
  const char* text;
  std::optional<int> value;
};

class MessageTypeNames : public ::testing::TestWithParam<TypeCase> {};

TEST_P(MessageTypeNames, MapExactlyAndCaseSensitively) {
  const auto& c = GetParam();
  const auto type = classifyMessageType(c.text);
  ASSERT_EQ(type.has_value(), c.value.has_value()) << c.text;
  if (type) {
    EXPECT_EQ(static_cast<int>(*type), *c.value) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, MessageTypeNames,
    ::testing::Values(TypeCase{"hello", 0}, TypeCase{"welcome", 1}, TypeCase{"window_list_request", 4},
                      TypeCase{"window_list", 5}, TypeCase{"stream_start", 10},
                      TypeCase{"stream_subscribe", 10}, TypeCase{"stream_started", 11},
                      TypeCase{"stream_stop", 12}, TypeCase{"stream_unsubscribe", 12},
                      TypeCase{"request_keyframe", 15}, TypeCase{"keyframe_request", 15},
                      TypeCase{"window_resize", 16}, TypeCase{"window_resized", 17},
                      TypeCase{"error", 20}, TypeCase{"ping", 21}, TypeCase{"pong", 22},
                      TypeCase{"Hello", std::nullopt}, TypeCase{"PING", std::nullopt},
                      TypeCase{"hello ", std::nullopt}, TypeCase{"", std::nullopt},
                      TypeCase{"stream_config", std::nullopt}, TypeCase{"stream_stopped", std::nullopt},
                      TypeCase{"window_resize_request", std::nullopt}));

struct NumberCase {
  const char* value;  // JSON text of the field
  std::uint32_t asUint32;
  std::int32_t asInt32;
};

class NumericReadRule : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumericReadRule, TruncatesToTheTargetWidth) {
  const auto& c = GetParam();
  const auto message = parseMessage(std::string(R"({"type":"x","n":)") + c.value + "}");
  EXPECT_EQ(readNumber<std::uint32_t>(message, "n"), c.asUint32) << c.value;
  EXPECT_EQ(readNumber<std::int32_t>(message, "n"), c.asInt32) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumericReadRule,
    ::testing::Values(NumberCase{"12", 12u, 12}, NumberCase{"-1", 4294967295u, -1},
                      NumberCase{"4294967297", 1u, 1}, NumberCase{"2147483648", 2147483648u, -2147483647 - 1},
                      NumberCase{"9223372036854775809", 1u, 1},
                      NumberCase{"18446744073709551615", 4294967295u, -1},
                      NumberCase{"true", 1u, 1}, NumberCase{"false", 0u, 0},
                      NumberCase{"1.9", 1u, 1}, NumberCase{"-1.9", 4294967295u, -1},
                      NumberCase{"-0.5", 0u, 0}, NumberCase{"4294967301.7", 5u, 5},
                      NumberCase{"-9.2e18", 1650982912u, 1650982912},
                      // The largest double below 2^63 still goes through int64.
                      NumberCase{"9.223372036854774784e18", 4294966272u, -1024},
                      // 2^63 and beyond, either sign, and 2^64 written as an integer (parsed as a float).
                      NumberCase{"9.223372036854775808e18", 0u, 0},
                      NumberCase{"-9.223372036854775808e18", 0u, 0},
                      NumberCase{"18446744073709551616", 0u, 0}, NumberCase{"1e300", 0u, 0},
                      NumberCase{"-1e300", 0u, 0}));

TEST(NumericReadRule, BoundaryOfTwoToTheSixtyThreeInSixtyFourBits) {
  // Narrower reads cannot tell 2^63 from 0: its low 32 bits are zero either way.
  EXPECT_EQ(readNumber<std::uint64_t>(parseMessage(R"({"n":9.223372036854775808e18})"), "n"), 0u);
  EXPECT_EQ(readNumber<std::uint64_t>(parseMessage(R"({"n":-9.223372036854775808e18})"), "n"), 0u);
  EXPECT_EQ(readNumber<std::uint64_t>(parseMessage(R"({"n":9.223372036854774784e18})"), "n"),
            9223372036854774784u);
  EXPECT_EQ(readNumber<std::int64_t>(parseMessage(R"({"n":-9.223372036854774784e18})"), "n"),
            -9223372036854774784);
}

TEST(NumericReadRule, AbsentKeyReadsAsZero) {
  EXPECT_EQ(readNumber<std::uint32_t>(parseMessage(R"({"type":"ping"})"), "timestamp"), 0u);
}

TEST(NumericReadRule, NonNumericTypesThrow) {
  for (const char* value : {R"("12")", "null", "[1]", R"({"a":1})", R"("")"}) {
    const auto message = parseMessage(std::string(R"({"n":)") + value + "}");
    EXPECT_THROW(readNumber<std::uint32_t>(message, "n"), std::exception) << value;
  }
}

}  // namespace
}  // namespace parvalon::protocol
