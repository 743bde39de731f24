#include <gtest/gtest.h>

#include <fmt/format.h>

#include "fakes/LogCapture.h"
#include "network/LoopbackSocket.h"
#include "network/TcpAudioServer.h"

namespace parvalon::host {
namespace {

using namespace testing;

std::uint32_t nowMs() {
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
}

class AudioChannel : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server_.start()); }

  std::unique_ptr<LoopbackTcpClient> connect(int receiveBuffer = 0) {
    auto c = std::make_unique<LoopbackTcpClient>(server_.boundPort(), receiveBuffer);
    const auto line = fmt::format("TCP audio client connected from 127.0.0.1:{}", c->localPort());
    EXPECT_TRUE(waitUntil([&] { return log_.count(kInfo, line) == 1; })) << line;
    return c;
  }

  // Header (16 bytes) and payload of the next packet.
  static std::optional<std::pair<Bytes, Bytes>> readPacket(LoopbackTcpClient& c) {
    auto header = c.readExact(16);
    if (!header) return std::nullopt;
    auto payload = c.readExact(le32(*header, 0) - 12);
    if (!payload) return std::nullopt;
    return std::pair{*header, *payload};
  }

  std::size_t linesStartingWith(const std::string& prefix) const {
    const auto lines = log_.texts();
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
  }

  void send(std::uint8_t streamId, const Bytes& data) { server_.sendAudioData(streamId, data.data(), data.size()); }

  LogCapture log_;
  TcpAudioServer server_{0};
};

struct AudioFramingCase {
  std::size_t size;
  Bytes length;
  Bytes payloadLength;
};

class AudioFraming : public AudioChannel, public ::testing::WithParamInterface<AudioFramingCase> {};

TEST_P(AudioFraming, HeaderFieldsAndPayload) {
  const auto& p = GetParam();
  auto client = connect();
  const auto payload = pattern(p.size);
  const auto before = nowMs();
  std::thread sender([&] { send(9, payload); });
  const auto packet = readPacket(*client);
  sender.join();
  const auto after = nowMs();
  ASSERT_TRUE(packet);
  const auto& h = packet->first;
  EXPECT_EQ(Bytes(h.begin(), h.begin() + 4), p.length);
  EXPECT_EQ(Bytes(h.begin() + 4, h.begin() + 10), (Bytes{1, 2, 9, 0, 0, 0}));
  EXPECT_EQ(Bytes(h.begin() + 10, h.begin() + 12), p.payloadLength);
  EXPECT_LE(le32(h, 12) - before, after - before);
  EXPECT_EQ(packet->second, payload);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, AudioFraming,
    ::testing::Values(AudioFramingCase{200, {212, 0, 0, 0}, {204, 0}}, AudioFramingCase{0, {12, 0, 0, 0}, {4, 0}},
                      AudioFramingCase{65531, {0x07, 0x00, 0x01, 0x00}, {0xFF, 0xFF}},
                      // unlike video, payloadLength wraps
                      AudioFramingCase{65532, {0x08, 0x00, 0x01, 0x00}, {0x00, 0x00}},
                      AudioFramingCase{70000, {0x7C, 0x11, 0x01, 0x00}, {0x74, 0x11}}));

TEST_F(AudioChannel, FirstThreePacketsAreLogged) {
  auto client = connect();
  for (int i = 0; i < 4; ++i) send(3, pattern(200));
  for (std::uint16_t i = 0; i < 4; ++i) {
    const auto p = readPacket(*client);
    ASSERT_TRUE(p);
    EXPECT_EQ(le16(p->first, 8), i);
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(log_.has(kInfo, fmt::format("TCP Audio packet #{}: length=212 (headerSize=12, dataSize=200), "
                                            "type=2, streamId=3, payloadLength=204",
                                            i)));
  }
  EXPECT_EQ(linesStartingWith("TCP Audio packet #"), 3u);
}

TEST_F(AudioChannel, PacketsWithoutClientAreDiscardedWithoutUsingSequenceNumbers) {
  for (int i = 0; i < 5; ++i) send(1, pattern(50));
  EXPECT_EQ(linesStartingWith("TCP Audio packet #"), 0u);
  auto client = connect();
  send(1, pattern(50));
  const auto p = readPacket(*client);
  ASSERT_TRUE(p);
  EXPECT_EQ(le16(p->first, 8), 0);
  EXPECT_TRUE(log_.contains("TCP Audio packet #0: length=62 "));
}

class AudioClientGone : public AudioChannel, public ::testing::WithParamInterface<bool> {};

TEST_P(AudioClientGone, FirstFailedWriteIsLoggedOnceAndDropsTheClient) {
  auto client = connect();
  if (GetParam()) {
    client->resetAndClose();
  } else {
    client->close();
  }
  for (int i = 0; i < 100 && server_.hasClient(); ++i) {
    send(1, pattern(100));
    std::this_thread::sleep_for(10ms);
  }
  EXPECT_FALSE(server_.hasClient());
  for (int i = 0; i < 5; ++i) send(1, pattern(100));
  EXPECT_EQ(linesStartingWith("TCP audio send failed: "), 1u);
}

INSTANTIATE_TEST_SUITE_P(ResetOrOrderlyClose, AudioClientGone, ::testing::Bool());

TEST_F(AudioChannel, SecondClientResetsTheFirstAndTheSequenceContinues) {
  auto a = connect();
  send(1, pattern(20));
  send(1, pattern(20));
  ASSERT_TRUE(readPacket(*a));
  ASSERT_TRUE(readPacket(*a));
  auto b = connect();
  EXPECT_TRUE(log_.has(kInfo, "TCP audio: Closing previous client connection"));
  EXPECT_EQ(a->waitForEnd(), LoopbackTcpClient::End::Reset);
  send(1, pattern(20));
  const auto p = readPacket(*b);
  ASSERT_TRUE(p);
  EXPECT_EQ(le16(p->first, 8), 2);
}

// Audio runs on the capture thread: a client that stops reading must not stall it for long.
TEST_F(AudioChannel, StalledClientIsDroppedAtTheWriteDeadline) {
  auto client = connect(4096);  // never reads
  const auto packet = pattern(16384);
  auto longest = std::chrono::steady_clock::duration::zero();
  for (int i = 0; i < 200 && server_.hasClient(); ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    send(1, packet);
    longest = std::max(longest, std::chrono::steady_clock::now() - t0);
  }
  EXPECT_FALSE(server_.hasClient());
  EXPECT_GE(longest, 1900ms);
  EXPECT_LE(longest, 3500ms);
  EXPECT_TRUE(log_.has(kError, "TCP audio send failed: Connection timed out"));
}

TEST_F(AudioChannel, StopCancelsABlockedWrite) {
  auto client = connect(4096);
  const Bytes big(1 << 20, 1);
  std::thread sender([&] { send(1, big); });
  std::this_thread::sleep_for(300ms);
  const auto t0 = std::chrono::steady_clock::now();
  server_.stop();
  sender.join();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, 1000ms);
  EXPECT_TRUE(log_.has(kError, "TCP audio send failed: Operation canceled"));
  EXPECT_TRUE(log_.has(kInfo, "TCP audio server stopped"));
}

TEST_F(AudioChannel, StopEndsTheClientAndTheListener) {
  auto client = connect();
  server_.stop();
  EXPECT_EQ(client->waitForEnd(), LoopbackTcpClient::End::Reset);
  EXPECT_FALSE(LoopbackTcpClient(server_.boundPort()).connected());
  send(1, pattern(10));  // discarded, no crash
  EXPECT_EQ(linesStartingWith("TCP Audio packet #"), 0u);
}

TEST_F(AudioChannel, PeerThatResetsAtOnceDoesNotStopTheAcceptLoop) {
  for (int i = 0; i < 20; ++i) LoopbackTcpClient(server_.boundPort()).resetAndClose();
  auto client = connect();
  send(1, pattern(10));
  EXPECT_TRUE(readPacket(*client));
}

TEST_F(AudioChannel, AcceptLoopSurvivesRunningOutOfDescriptors) {
  LoopbackTcpClient client(server_.boundPort(), 0, false);
  DescriptorLimit limit;
  ASSERT_TRUE(client.connect());
  std::this_thread::sleep_for(350ms);
  EXPECT_FALSE(server_.hasClient());
  limit.release();
  EXPECT_TRUE(waitUntil([&] { return server_.hasClient(); }));
}

TEST_F(AudioChannel, StartFailsOnAPortInUse) {
  TcpAudioServer second(server_.boundPort());
  EXPECT_FALSE(second.start());
  EXPECT_TRUE(log_.has(kError, "Failed to start TCP audio server: bind: Address already in use"));
}

}  // namespace
}  // namespace parvalon::host
