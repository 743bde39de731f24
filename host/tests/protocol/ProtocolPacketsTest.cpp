// The binary formats of the TCP channels and discovery, byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/DiscoveryMessages.h"
#include "protocol/FramedReader.h"
#include "protocol/PacketHeaders.h"

namespace parvalon::protocol {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes bytesOf(const std::array<std::uint8_t, N>& a) {
  return Bytes(a.begin(), a.end());
}

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

TEST(VideoPacketHeader, HundredByteKeyFrame) {
  const auto h = makeVideoPacketHeader(7, 100, 0x1234, 0x89abcdef, true);
  EXPECT_EQ(h.length, 116u);
  EXPECT_EQ(h.common.payloadLength, 108);
  EXPECT_EQ(bytesOf(encode(h)), (Bytes{0x74, 0x00, 0x00, 0x00, 0x01, 0x01, 0x07, 0x01, 0x34, 0x12,
                                       0x6c, 0x00, 0xef, 0xcd, 0xab, 0x89, 0x01, 0x00, 0x01, 0x00}));
}

TEST(VideoPacketHeader, OtherFramesAreTypeThree) {
  const auto bytes = encode(makeVideoPacketHeader(0, 0, 65535, 0, false));
  EXPECT_EQ(bytesOf(bytes), (Bytes{0x10, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x01, 0xff, 0xff,
                                   0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x01, 0x00}));
}

struct SizeCase {
  std::size_t payload;
  std::uint32_t length;
  std::uint16_t payloadLength;
};

class VideoPayloadLength : public ::testing::TestWithParam<SizeCase> {};

TEST_P(VideoPayloadLength, SaturatesWhileLengthStaysTrue) {
  const auto h = makeVideoPacketHeader(1, GetParam().payload, 0, 0, false);
  EXPECT_EQ(h.length, GetParam().length);
  EXPECT_EQ(h.common.payloadLength, GetParam().payloadLength);
}

INSTANTIATE_TEST_SUITE_P(Sizes, VideoPayloadLength,
                         ::testing::Values(SizeCase{65526, 65542, 65534}, SizeCase{65527, 65543, 65535},
                                           SizeCase{65528, 65544, 65535}, SizeCase{1000000, 1000016, 65535}));

TEST(AudioPacketHeader, TwoHundredBytePacket) {
  const auto h = makeAudioPacketHeader(9, 200, 2, 0x01020304);
  EXPECT_EQ(h.length, 212u);
  EXPECT_EQ(h.common.payloadLength, 204);
  EXPECT_EQ(bytesOf(encode(h)), (Bytes{0xd4, 0x00, 0x00, 0x00, 0x01, 0x02, 0x09, 0x00, 0x02, 0x00,
                                       0xcc, 0x00, 0x04, 0x03, 0x02, 0x01}));
}

class AudioPayloadLength : public ::testing::TestWithParam<SizeCase> {};

TEST_P(AudioPayloadLength, WrapsModulo65536) {
  const auto h = makeAudioPacketHeader(1, GetParam().payload, 0, 0);
  EXPECT_EQ(h.length, GetParam().length);
  EXPECT_EQ(h.common.payloadLength, GetParam().payloadLength);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AudioPayloadLength,
                         ::testing::Values(SizeCase{65531, 65543, 65535}, SizeCase{65532, 65544, 0},
                                           SizeCase{65533, 65545, 1}, SizeCase{0, 12, 4}));

TEST(PacketHeaderDecode, ReadsWhatAClientReceives) {
  const Bytes video{0x74, 0x00, 0x00, 0x00, 0x01, 0x01, 0x07, 0x01, 0x34, 0x12,
                    0x6c, 0x00, 0xef, 0xcd, 0xab, 0x89, 0x01, 0x00, 0x01, 0x00};
  const auto v = decodeVideoPacketHeader(video);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->length, 116u);
  EXPECT_EQ(v->common.streamId, 7);
  EXPECT_EQ(v->common.sequence, 0x1234);
  EXPECT_EQ(v->timestamp, 0x89abcdefu);
  EXPECT_EQ(v->frameType, 1);
  EXPECT_FALSE(decodeVideoPacketHeader(std::span(video).first(19)));

  const Bytes audio{0xd4, 0x00, 0x00, 0x00, 0x01, 0x02, 0x09, 0x00, 0x02, 0x00, 0xcc, 0x00, 0x04, 0x03, 0x02, 0x01};
  const auto a = decodeAudioPacketHeader(audio);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->common.packetType, 2);
  EXPECT_EQ(a->common.payloadLength, 204);
  EXPECT_EQ(a->timestamp, 0x01020304u);
  EXPECT_FALSE(decodeAudioPacketHeader(std::span(audio).first(15)));
}

// Client messages on the video connection: body byte 0 is the type.
const Bytes kFeedbackBody{4, 1, 2, 3, 4, 5, 6, 7, 8, 0x10, 0x00, 0x2c, 0x01};
const Bytes kInputBody{3, 9, 2, 1, 0xff, 0x02, 0x01, 0x04, 0x03, 0x41, 0x05, 0x88, 0xff};

TEST(VideoClientMessage, FeedbackNeedsThirteenBytes) {
  EXPECT_FALSE(decodeVideoClientMessage(std::span(kFeedbackBody).first(12)));
  const auto m = decodeVideoClientMessage(kFeedbackBody);
  ASSERT_TRUE(m);
  const auto& f = std::get<ClientFeedback>(*m);
  EXPECT_EQ(f.decodeTimeMs, 16);
  EXPECT_EQ(f.rttMs, 300);
  EXPECT_EQ(Bytes(f.reserved.begin(), f.reserved.end()), (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(VideoClientMessage, InputRecordFieldsAndUnreadByte) {
  EXPECT_FALSE(decodeVideoClientMessage(std::span(kInputBody).first(12)));
  auto longer = kInputBody;
  longer.insert(longer.end(), {0xaa, 0xbb, 0xcc});  // bytes beyond the record are ignored
  const auto m = decodeVideoClientMessage(longer);
  ASSERT_TRUE(m);
  const auto& in = std::get<ClientInput>(*m);
  EXPECT_EQ(in.streamId, 9);
  EXPECT_EQ(in.type, 2);
  EXPECT_EQ(in.action, 1);
  EXPECT_EQ(in.x, 0x0102);
  EXPECT_EQ(in.y, 0x0304);
  EXPECT_EQ(in.code, 0x41);
  EXPECT_EQ(in.modifiers, 5);
  EXPECT_EQ(in.wheelDelta, -120);
}

struct BodyCase {
  Bytes body;
  std::optional<std::uint8_t> keyframeStream;  // nullopt: the body is ignored
};

class VideoClientKeyframe : public ::testing::TestWithParam<BodyCase> {};

TEST_P(VideoClientKeyframe, DecodesOrIgnores) {
  const auto m = decodeVideoClientMessage(GetParam().body);
  ASSERT_EQ(m.has_value(), GetParam().keyframeStream.has_value());
  if (m) {
    EXPECT_EQ(std::get<KeyframeRequest>(*m).streamId, *GetParam().keyframeStream);
  }
}

INSTANTIATE_TEST_SUITE_P(Bodies, VideoClientKeyframe,
                         ::testing::Values(BodyCase{{16, 7}, 7}, BodyCase{{16, 255, 1, 2}, 255},
                                           BodyCase{{16}, std::nullopt}, BodyCase{{}, std::nullopt},
                                           BodyCase{{5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, std::nullopt},
                                           BodyCase{{0, 1}, std::nullopt}, BodyCase{{17, 1}, std::nullopt}));

TEST(VideoClientMessage, ClientEncodersProduceTheWireBytes) {
  ClientFeedback f;
  f.reserved = {1, 2, 3, 4, 5, 6, 7, 8};
  f.decodeTimeMs = 16;
  f.rttMs = 300;
  Bytes expected{13, 0, 0, 0};
  expected.insert(expected.end(), kFeedbackBody.begin(), kFeedbackBody.end());
  EXPECT_EQ(encodeFeedbackMessage(f), expected);
  EXPECT_EQ(encodeKeyframeRequestMessage(5), (Bytes{2, 0, 0, 0, 16, 5}));
  ClientInput in{9, 2, 1, 0x0102, 0x0304, 0x41, 5, -120};
  EXPECT_EQ(encodeClientInputMessage(in),
            (Bytes{13, 0, 0, 0, 3, 9, 2, 1, 0, 0x02, 0x01, 0x04, 0x03, 0x41, 0x05, 0x88, 0xff}));
}

// The input record packs its 16-bit fields at odd offsets 3, 5 and 9.
const Bytes kEventBody{4, 1, 2, 0xef, 0xbe, 0x34, 0x12, 0x0d, 0x03, 0x88, 0xff, 0x77};

TEST(InputEventRecord, UnalignedFields) {
  const auto e = decodeInputEvent(kEventBody);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->streamId, 4);
  EXPECT_EQ(e->type, 1);
  EXPECT_EQ(e->action, 2);
  EXPECT_EQ(e->x, 0xbeef);
  EXPECT_EQ(e->y, 0x1234);
  EXPECT_EQ(e->code, 0x0d);
  EXPECT_EQ(e->modifiers, 3);
  EXPECT_EQ(e->wheelDelta, -120);
}

TEST(InputEventRecord, SizeRules) {
  EXPECT_FALSE(decodeInputEvent(std::span(kEventBody).first(11)));
  EXPECT_FALSE(decodeInputEvent({}));
  auto longer = kEventBody;
  longer.resize(20, 0x55);
  const auto e = decodeInputEvent(longer);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->x, 0xbeef);
  EXPECT_EQ(e->wheelDelta, -120);
}

TEST(InputEventRecord, ClientEncoderProducesTheWireBytes) {
  InputEvent e{4, 1, 2, 0xbeef, 0x1234, 0x0d, 3, -120};
  EXPECT_EQ(encodeInputEventMessage(e),
            (Bytes{12, 0, 0, 0, 4, 1, 2, 0xef, 0xbe, 0x34, 0x12, 0x0d, 0x03, 0x88, 0xff, 0x00}));
}

TEST(DiscoveryReply, TwentyEightBytesForAnEightCharacterName) {
  const auto reply = buildDiscoveryReply("ABCDEFGH", 9876);
  EXPECT_EQ(reply.size(), 28u);
  EXPECT_EQ(reply, bytesOf(std::string_view("PARVALON_HOST\0ABCDEFGH\0" "9876\0", 28)));
  EXPECT_EQ(buildDiscoveryReply("h", 9000), bytesOf(std::string_view("PARVALON_HOST\0h\0" "9000\0", 21)));
}

TEST(DiscoveryReply, ClientParsing) {
  const auto parsed = parseDiscoveryReply(buildDiscoveryReply("Desk", 65535));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->hostName, "Desk");
  EXPECT_EQ(parsed->port, 65535);
  for (std::string_view bad : {std::string_view("PARVALON_HOST\0Desk\0" "9876", 23),
                               std::string_view("PARVALON_HOST\0Desk\0" "98x6\0", 24),
                               std::string_view("PARVALON_HOST\0Desk\0" "70000\0", 25),
                               std::string_view("PARVALON_HOST\0Desk\0\0", 20),
                               std::string_view("PARVALON_HOSTXDesk\0" "1\0", 21),
                               std::string_view("PARVALON_HOST", 13)}) {
    EXPECT_FALSE(parseDiscoveryReply(bytesOf(bad))) << bad.size();
  }
}

struct RequestCase {
  std::string datagram;
  std::optional<std::string> clientName;
};

class DiscoveryRequest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(DiscoveryRequest, Parses) {
  EXPECT_EQ(parseDiscoveryRequest(bytesOf(GetParam().datagram)), GetParam().clientName);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Datagrams, DiscoveryRequest,
    ::testing::Values(RequestCase{"PARVALON_DISCOVER", "Unknown"}, RequestCase{"PARVALON_DISCOVER:", "Unknown"},
                      RequestCase{"PARVALON_DISCOVER:Quest", "Quest"},
                      RequestCase{"PARVALON_DISCOVER Quest 3", "Quest 3"},
                      RequestCase{"PARVALON_DISCOVER:Quest\0junk"s, "Quest"},
                      RequestCase{"PARVALON_DISCOVER:\0Quest"s, ""},
                      RequestCase{"PARVALON_DISCOVER:Qu\nest\x1b"s, "Qu?est?"},
                      RequestCase{"parvalon_discover:Quest", std::nullopt},
                      RequestCase{"PARVALON_DISCOVE", std::nullopt}, RequestCase{"", std::nullopt},
                      RequestCase{"XPARVALON_DISCOVER", std::nullopt},
                      RequestCase{"PARVALON_DISCOVEr", std::nullopt}));

TEST(DiscoveryRequest, ClientBuilder) {
  EXPECT_EQ(buildDiscoveryRequest(), bytesOf("PARVALON_DISCOVER"));
  EXPECT_EQ(buildDiscoveryRequest("Quest"), bytesOf("PARVALON_DISCOVER:Quest"));
}

// Feeds `stream` through the reader as a socket would: exactly pending() bytes each time.
std::vector<FramedReader::Outcome> feed(FramedReader& reader, const Bytes& stream, std::vector<Bytes>* bodies = nullptr) {
  std::vector<FramedReader::Outcome> outcomes;
  std::size_t at = 0;
  for (int step = 0; step < 64; ++step) {
    const auto target = reader.pending();
    if (target.empty() || stream.size() - at < target.size()) break;
    std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(at), target.size(), target.begin());
    at += target.size();
    outcomes.push_back(reader.complete());
    if (outcomes.back() == FramedReader::Outcome::Message && bodies) {
      bodies->emplace_back(reader.body().begin(), reader.body().end());
    }
  }
  return outcomes;
}

using O = FramedReader::Outcome;

TEST(FramedReader, SkipsEmptyMessagesAndDeliversBodies) {
  FramedReader reader(1024);
  std::vector<Bytes> bodies;
  const Bytes stream{0, 0, 0, 0, 3, 0, 0, 0, 16, 7, 9, 0, 0, 0, 0, 1, 0, 0, 0, 42};
  EXPECT_EQ(feed(reader, stream, &bodies), (std::vector<O>{O::Skipped, O::ReadBody, O::Message, O::Skipped,
                                                           O::ReadBody, O::Message}));
  EXPECT_EQ(bodies, (std::vector<Bytes>{{16, 7, 9}, {42}}));
  EXPECT_EQ(reader.phase(), FramedReader::Phase::Header);
  EXPECT_EQ(reader.pending().size(), 4u);
}

struct LimitCase {
  std::uint32_t limit;
  Bytes header;
  O outcome;
  std::uint32_t length;
};

class FramedReaderLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(FramedReaderLimit, AcceptsUpToTheLimit) {
  const auto& c = GetParam();
  FramedReader reader(c.limit);
  EXPECT_EQ(feed(reader, c.header), std::vector<O>{c.outcome});
  EXPECT_EQ(reader.length(), c.length);
  if (c.outcome == O::TooLarge) {
    // Nothing more is read from a connection that sent too much.
    EXPECT_EQ(reader.phase(), FramedReader::Phase::Halted);
    EXPECT_TRUE(reader.pending().empty());
    EXPECT_EQ(reader.complete(), O::TooLarge);
  } else {
    EXPECT_EQ(reader.pending().size(), c.length);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FramedReaderLimit,
    ::testing::Values(LimitCase{4194304, {0x00, 0x00, 0x40, 0x00}, O::ReadBody, 4194304},
                      LimitCase{4194304, {0x01, 0x00, 0x40, 0x00}, O::TooLarge, 4194305},
                      LimitCase{4194304, {0xff, 0xff, 0xff, 0xff}, O::TooLarge, 4294967295u},
                      LimitCase{1024, {0x00, 0x04, 0x00, 0x00}, O::ReadBody, 1024},
                      LimitCase{1024, {0x01, 0x04, 0x00, 0x00}, O::TooLarge, 1025},
                      LimitCase{1024, {0x0b, 0x00, 0x00, 0x00}, O::ReadBody, 11}));

}  // namespace
}  // namespace parvalon::protocol
