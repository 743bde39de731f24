#include <gtest/gtest.h>

#include <fmt/format.h>

#include <mutex>

#include "fakes/LogCapture.h"
#include "network/LoopbackSocket.h"
#include "network/TcpTransportServer.h"

namespace parvalon::host {
namespace {

using namespace testing;
using protocol::ClientFeedback;
using protocol::ClientInput;

std::uint32_t now90kHz() {
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(us.count() * 9 / 100);
}

struct VideoPacket {
  Bytes header;
  Bytes payload;
  std::uint16_t sequence() const { return le16(header, 8); }
};

class VideoChannel : public ::testing::Test {
 protected:
  void SetUp() override {
    server_.setFeedbackCallback([this](const ClientFeedback& f) {
      std::lock_guard lock(mutex_);
      feedback_.push_back(f);
    });
    server_.setClientInputCallback([this](const ClientInput& i) {
      std::lock_guard lock(mutex_);
      inputs_.push_back(i);
    });
    server_.setKeyframeRequestCallback([this](std::uint8_t id) {
      std::lock_guard lock(mutex_);
      keyframes_.push_back(id);
    });
    ASSERT_TRUE(server_.start());
  }

  // Connects and waits until the server has registered this very connection.
  std::unique_ptr<LoopbackTcpClient> connect(int receiveBuffer = 0) {
    auto c = std::make_unique<LoopbackTcpClient>(server_.boundPort(), receiveBuffer);
    const auto line = fmt::format("TCP client connected from 127.0.0.1:{}", c->localPort());
    EXPECT_TRUE(waitUntil([&] { return log_.count(kInfo, line) == 1; })) << line;
    return c;
  }

  static std::optional<VideoPacket> readPacket(LoopbackTcpClient& c) {
    auto header = c.readExact(20);
    if (!header) return std::nullopt;
    auto payload = c.readExact(le32(*header, 0) - 16);
    if (!payload) return std::nullopt;
    return VideoPacket{*header, *payload};
  }

  std::vector<std::uint8_t> keyframes() {
    std::lock_guard lock(mutex_);
    return keyframes_;
  }
  bool keyframeSeen(std::uint8_t id) {
    const auto k = keyframes();
    return std::find(k.begin(), k.end(), id) != k.end();
  }

  LogCapture log_;
  TcpTransportServer server_{0};
  std::mutex mutex_;
  std::vector<ClientFeedback> feedback_;
  std::vector<ClientInput> inputs_;
  std::vector<std::uint8_t> keyframes_;
};

struct FramingCase {
  std::size_t size;
  Bytes length;         // bytes 0-3
  Bytes payloadLength;  // bytes 10-11
};

class VideoFraming : public VideoChannel, public ::testing::WithParamInterface<FramingCase> {};

TEST_P(VideoFraming, HeaderFieldsAndPayload) {
  const auto& p = GetParam();
  auto client = connect();
  const auto payload = pattern(p.size);
  const auto before = now90kHz();
  // The sender may block on a large frame until the test reads it.
  std::thread sender([&] { server_.sendVideoFrame(7, payload.data(), payload.size(), true); });
  const auto packet = readPacket(*client);
  sender.join();
  const auto after = now90kHz();
  ASSERT_TRUE(packet);
  const auto& h = packet->header;
  EXPECT_EQ(Bytes(h.begin(), h.begin() + 4), p.length);
  EXPECT_EQ(Bytes(h.begin() + 4, h.begin() + 10), (Bytes{1, 1, 7, 1, 0, 0}));
  EXPECT_EQ(Bytes(h.begin() + 10, h.begin() + 12), p.payloadLength);
  EXPECT_LE(le32(h, 12) - before, after - before);
  EXPECT_EQ(Bytes(h.begin() + 16, h.end()), (Bytes{1, 0, 1, 0}));
  EXPECT_EQ(packet->payload, payload);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, VideoFraming,
    ::testing::Values(FramingCase{100, {116, 0, 0, 0}, {108, 0}}, FramingCase{0, {16, 0, 0, 0}, {8, 0}},
                      FramingCase{65526, {0x06, 0x00, 0x01, 0x00}, {0xFE, 0xFF}},
                      // payload + 8 passes 65535: the field saturates, the length stays true
                      FramingCase{65528, {0x08, 0x00, 0x01, 0x00}, {0xFF, 0xFF}},
                      FramingCase{1000000, {0x50, 0x42, 0x0F, 0x00}, {0xFF, 0xFF}}));

TEST_F(VideoChannel, FrameTypeAndOneSequenceForAllStreams) {
  auto client = connect();
  const Bytes data = pattern(10);
  server_.sendVideoFrame(2, data.data(), data.size(), true);
  server_.sendVideoFrame(5, data.data(), data.size(), false);
  server_.sendVideoFrame(2, data.data(), data.size(), false);
  const std::uint8_t streams[] = {2, 5, 2}, types[] = {1, 3, 3};
  for (std::uint16_t i = 0; i < 3; ++i) {
    const auto p = readPacket(*client);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->header[6], streams[i]);
    EXPECT_EQ(p->sequence(), i);
    EXPECT_EQ(p->header[16], types[i]);
  }
}

TEST_F(VideoChannel, FramesWithoutClientAreDiscardedWithoutUsingSequenceNumbers) {
  const Bytes data = pattern(10);
  for (int i = 0; i < 3; ++i) server_.sendVideoFrame(1, data.data(), data.size(), false);
  auto client = connect();
  server_.sendVideoFrame(1, data.data(), data.size(), false);
  const auto p = readPacket(*client);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->sequence(), 0);
}

TEST_F(VideoChannel, SecondClientResetsTheFirstAndTheSequenceContinues) {
  const Bytes data = pattern(10);
  auto a = connect();
  server_.sendVideoFrame(1, data.data(), data.size(), true);
  server_.sendVideoFrame(1, data.data(), data.size(), false);
  ASSERT_TRUE(readPacket(*a));
  ASSERT_TRUE(readPacket(*a));
  auto b = connect();
  EXPECT_TRUE(log_.has(kInfo, "Closing existing TCP client connection"));
  EXPECT_EQ(a->waitForEnd(), LoopbackTcpClient::End::Reset);
  server_.sendVideoFrame(1, data.data(), data.size(), false);
  const auto p = readPacket(*b);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->sequence(), 2);
}

// A's read is aborted by the replacement and completes after B is registered; that late
// failure must neither drop B nor touch B's read state.
TEST_F(VideoChannel, ReplacedClientsAbortedReadKeepsTheNewClient) {
  auto a = connect();
  a->sendAll({20, 0, 0, 0, 16});  // A is in the middle of a body when it is replaced
  auto b = connect();
  ASSERT_TRUE(waitUntil([&] { return log_.contains("TCP read error: "); }));
  ASSERT_TRUE(b->sendAll(framed({16, 9})));
  ASSERT_TRUE(waitUntil([&] { return keyframeSeen(9); }));
  EXPECT_TRUE(server_.hasClient());
  const Bytes data = pattern(10);
  server_.sendVideoFrame(1, data.data(), data.size(), false);
  EXPECT_TRUE(readPacket(*b));
  EXPECT_EQ(keyframes(), (std::vector<std::uint8_t>{9}));
}

TEST_F(VideoChannel, ReplacedClientsAbortedHeaderReadKeepsTheNewClient) {
  auto a = connect();
  auto b = connect();
  ASSERT_TRUE(waitUntil([&] { return log_.contains("TCP client disconnected: "); }));
  ASSERT_TRUE(b->sendAll(framed({16, 4})));
  ASSERT_TRUE(waitUntil([&] { return keyframeSeen(4); }));
  EXPECT_TRUE(server_.hasClient());
}

TEST_F(VideoChannel, DeliversEachMessageTypeAndIgnoresShortOrUnknownOnes) {
  auto client = connect();
  ASSERT_TRUE(client->sendAll(concat({
      {0, 0, 0, 0},                                         // length 0: skipped
      framed({4, 1, 2, 3, 4, 5, 6, 7, 8, 0x34, 0x12, 0x01}),  // feedback one byte short
      framed({4, 1, 2, 3, 4, 5, 6, 7, 8, 0x34, 0x12, 0x01, 0x02}),
      framed({3, 6, 2, 1, 0x99, 0x20, 0x03, 0x58, 0x02, 1, 4, 0x88, 0xFF, 0x55}),
      framed({16}),  // key-frame request without a stream
      framed({7, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
      framed({16, 11, 0xFF}),
  })));
  ASSERT_TRUE(waitUntil([&] { return keyframeSeen(11); }));
  std::lock_guard lock(mutex_);
  ASSERT_EQ(feedback_.size(), 1u);
  EXPECT_EQ(feedback_[0].reserved, (std::array<std::uint8_t, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(feedback_[0].decodeTimeMs, 4660);
  EXPECT_EQ(feedback_[0].rttMs, 513);
  ASSERT_EQ(inputs_.size(), 1u);
  const auto& in = inputs_[0];
  EXPECT_EQ(std::vector<int>({in.streamId, in.type, in.action, in.x, in.y, in.code, in.modifiers, in.wheelDelta}),
            std::vector<int>({6, 2, 1, 800, 600, 1, 4, -120}));
  EXPECT_EQ(keyframes_, (std::vector<std::uint8_t>{11}));
}

TEST_F(VideoChannel, MessageOfTheMaximumLengthIsRead) {
  auto client = connect();
  Bytes body(4194304, 0xAB);
  body[0] = 16;
  body[1] = 21;
  ASSERT_TRUE(client->sendAll(concat({framed(body), framed({16, 22})})));
  ASSERT_TRUE(waitUntil([&] { return keyframeSeen(22); }, 10s));
  EXPECT_EQ(keyframes(), (std::vector<std::uint8_t>{21, 22}));
}

TEST_F(VideoChannel, LongerMessageStopsReadingButVideoKeepsFlowing) {
  auto client = connect();
  ASSERT_TRUE(client->sendAll(concat({{0x01, 0x00, 0x40, 0x00}, {16, 23}, framed({16, 24})})));
  ASSERT_TRUE(waitUntil([&] { return log_.has(kError, "TCP message too large: 4194305 bytes"); }));
  std::this_thread::sleep_for(200ms);
  EXPECT_TRUE(keyframes().empty());
  EXPECT_TRUE(server_.hasClient());
  const Bytes data = pattern(10);
  server_.sendVideoFrame(3, data.data(), data.size(), false);
  EXPECT_TRUE(readPacket(*client));
}

TEST_F(VideoChannel, ClientThatLeavesIsCleared) {
  auto client = connect();
  client->close();
  ASSERT_TRUE(waitUntil([&] { return !server_.hasClient(); }));
  EXPECT_TRUE(log_.has(kInfo, "TCP client disconnected: End of file"));
}

// A connection whose reading stopped is still written to; once the peer is known to be gone
// the connection is dropped instead of failing every further frame.
TEST_F(VideoChannel, DeadConnectionIsDroppedAtTheFirstFailedWrite) {
  auto client = connect();
  ASSERT_TRUE(client->sendAll({100, 0, 0, 0, 16, 1}));
  client->shutdownWrite();
  ASSERT_TRUE(waitUntil([&] { return log_.has(kInfo, "TCP read error: End of file"); }));
  EXPECT_TRUE(server_.hasClient());
  client->close();
  const Bytes data = pattern(100);
  for (int i = 0; i < 100 && server_.hasClient(); ++i) {
    server_.sendVideoFrame(1, data.data(), data.size(), false);
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_FALSE(server_.hasClient());
  for (int i = 0; i < 5; ++i) server_.sendVideoFrame(1, data.data(), data.size(), false);
  const auto lines = log_.texts();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("TCP send failed: ", 0) == 0; }),
            1);
}

TEST_F(VideoChannel, PeerThatResetsAtOnceDoesNotStopTheAcceptLoop) {
  for (int i = 0; i < 20; ++i) LoopbackTcpClient(server_.boundPort()).resetAndClose();
  auto client = connect();
  const Bytes data = pattern(10);
  server_.sendVideoFrame(1, data.data(), data.size(), false);
  EXPECT_TRUE(readPacket(*client));
}

TEST_F(VideoChannel, AcceptLoopSurvivesRunningOutOfDescriptors) {
  LoopbackTcpClient client(server_.boundPort(), 0, false);
  DescriptorLimit limit;
  ASSERT_TRUE(client.connect());
  std::this_thread::sleep_for(350ms);
  EXPECT_FALSE(server_.hasClient());
  limit.release();
  EXPECT_TRUE(waitUntil([&] { return server_.hasClient(); }));
}

// The io thread and a polling thread both run handlers; each connection's stay in order.
TEST_F(VideoChannel, PollingThreadSharesTheHandlersWithoutReordering) {
  auto client = connect();
  Bytes stream;
  for (int i = 0; i < 200; ++i) stream = concat({stream, framed({16, static_cast<std::uint8_t>(i)})});
  ASSERT_TRUE(client->sendAll(stream));
  for (int i = 0; i < 2000 && keyframes().size() < 200; ++i) {
    server_.poll();
    std::this_thread::sleep_for(1ms);
  }
  const auto k = keyframes();
  ASSERT_EQ(k.size(), 200u);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(k[i], i);
}

TEST_F(VideoChannel, StopEndsTheClientAndTheListener) {
  auto client = connect();
  server_.stop();
  EXPECT_TRUE(log_.has(kInfo, "TCP transport server stopped"));
  EXPECT_EQ(client->waitForEnd(), LoopbackTcpClient::End::Reset);
  EXPECT_FALSE(LoopbackTcpClient(server_.boundPort()).connected());
}

TEST_F(VideoChannel, StopCancelsABlockedWrite) {
  auto client = connect(4096);
  const Bytes big(4 << 20, 1);
  std::thread sender([&] { server_.sendVideoFrame(1, big.data(), big.size(), true); });
  std::this_thread::sleep_for(300ms);
  const auto t0 = std::chrono::steady_clock::now();
  server_.stop();
  sender.join();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, 1500ms);
  EXPECT_TRUE(log_.has(kError, "TCP send failed: Operation canceled"));
}

TEST_F(VideoChannel, StalledClientFailsTheWriteAfterTheSendTimeout) {
  auto client = connect(4096);  // never reads
  const Bytes big(4 << 20, 1);
  const auto t0 = std::chrono::steady_clock::now();
  server_.sendVideoFrame(1, big.data(), big.size(), true);
  const auto took = std::chrono::steady_clock::now() - t0;
  EXPECT_GE(took, 19500ms);
  EXPECT_LE(took, 23s);
  EXPECT_TRUE(log_.has(kError, "TCP send failed: Connection timed out"));
  const auto t1 = std::chrono::steady_clock::now();
  server_.stop();
  EXPECT_LT(std::chrono::steady_clock::now() - t1, 1500ms);
}

TEST_F(VideoChannel, StartFailsOnAPortInUse) {
  TcpTransportServer second(server_.boundPort());
  EXPECT_FALSE(second.start());
  EXPECT_TRUE(log_.has(kError, "Failed to start TCP transport: bind: Address already in use"));
}

}  // namespace
}  // namespace parvalon::host
