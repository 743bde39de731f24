#include <gtest/gtest.h>

#include <fmt/format.h>

#include <mutex>

#include "fakes/LogCapture.h"
#include "network/LoopbackSocket.h"
#include "network/TcpInputServer.h"

namespace parvalon::host {
namespace {

using namespace testing;
using protocol::InputEvent;

// A record whose 16-bit fields sit at odd offsets: 5 2 1 | x 0x1234 | y 0x5678 | 0x41 3 | -120 | 0xEE.
const Bytes kRecord{5, 2, 1, 0x34, 0x12, 0x78, 0x56, 0x41, 0x03, 0x88, 0xFF, 0xEE};
// Delivered last to show that everything sent before it has been read.
const Bytes kMarker{99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

std::vector<int> fields(const InputEvent& e) {
  return {e.streamId, e.type, e.action, e.x, e.y, e.code, e.modifiers, e.wheelDelta};
}

class InputChannel : public ::testing::Test {
 protected:
  void SetUp() override {
    server_.setInputEventCallback([this](const InputEvent& e) {
      std::lock_guard lock(mutex_);
      events_.push_back(e);
    });
    ASSERT_TRUE(server_.start());
  }

  std::unique_ptr<LoopbackTcpClient> connect() {
    auto c = std::make_unique<LoopbackTcpClient>(server_.boundPort());
    const auto line = fmt::format("TCP input client connected from 127.0.0.1:{}", c->localPort());
    EXPECT_TRUE(waitUntil([&] { return log_.count(kInfo, line) == 1; })) << line;
    return c;
  }

  std::vector<InputEvent> events() {
    std::lock_guard lock(mutex_);
    return events_;
  }
  std::vector<int> streamIds() {
    std::vector<int> ids;
    for (const auto& e : events()) ids.push_back(e.streamId);
    return ids;
  }
  bool seen(int streamId) {
    const auto ids = streamIds();
    return std::find(ids.begin(), ids.end(), streamId) != ids.end();
  }

  LogCapture log_;
  TcpInputServer server_{0};
  std::mutex mutex_;
  std::vector<InputEvent> events_;
};

struct BodyCase {
  std::size_t length;
  bool delivered;
};

class InputBodies : public InputChannel, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(InputBodies, FirstTwelveBytesMakeTheEventAndReadingContinues) {
  const auto& p = GetParam();
  Bytes body(p.length, 0xCC);
  std::copy_n(kRecord.begin(), std::min(p.length, kRecord.size()), body.begin());
  auto client = connect();
  ASSERT_TRUE(client->sendAll(concat({framed(body), framed(kMarker)})));
  ASSERT_TRUE(waitUntil([&] { return seen(99); }));
  const auto got = events();
  ASSERT_EQ(got.size(), p.delivered ? 2u : 1u);
  if (p.delivered) {
    EXPECT_EQ(fields(got[0]), (std::vector<int>{5, 2, 1, 4660, 22136, 65, 3, -120}));
  }
  EXPECT_EQ(log_.has(kWarn, fmt::format("TCP input message too small: {} bytes", p.length)),
            p.length > 0 && !p.delivered);
}

INSTANTIATE_TEST_SUITE_P(Lengths, InputBodies,
                         ::testing::Values(BodyCase{0, false}, BodyCase{1, false}, BodyCase{11, false},
                                           BodyCase{12, true}, BodyCase{20, true}, BodyCase{1024, true}));

TEST_F(InputChannel, LongerMessageStopsReadingThatConnection) {
  auto client = connect();
  ASSERT_TRUE(client->sendAll(concat({{0x01, 0x04, 0x00, 0x00}, Bytes(1025, 0), framed(kMarker)})));
  ASSERT_TRUE(waitUntil([&] { return log_.has(kError, "TCP input message too large: 1025 bytes"); }));
  std::this_thread::sleep_for(200ms);
  EXPECT_TRUE(events().empty());
  EXPECT_TRUE(server_.hasClient());
}

TEST_F(InputChannel, SecondClientReplacesTheFirst) {
  auto a = connect();
  Bytes fromA = kRecord;
  fromA[0] = 1;
  ASSERT_TRUE(a->sendAll(framed(fromA)));
  ASSERT_TRUE(waitUntil([&] { return seen(1); }));
  auto b = connect();
  EXPECT_TRUE(log_.has(kInfo, "Closing existing TCP input client connection"));
  fromA[0] = 2;
  a->sendAll(framed(fromA));  // may already fail: A is closed
  Bytes fromB = kRecord;
  fromB[0] = 3;
  ASSERT_TRUE(b->sendAll(framed(fromB)));
  ASSERT_TRUE(waitUntil([&] { return seen(3); }));
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(streamIds(), (std::vector<int>{1, 3}));
  EXPECT_NE(a->waitForEnd(), LoopbackTcpClient::End::StillOpen);
}

// The replaced connection's aborted read arrives after B is registered; B must stay and its
// half-read message must not be mixed with A's.
TEST_F(InputChannel, ReplacedClientsAbortedReadKeepsTheNewClient) {
  auto a = connect();
  ASSERT_TRUE(a->sendAll({12, 0, 0, 0, 7, 7, 7}));  // A stops in the middle of a body
  auto b = connect();
  ASSERT_TRUE(waitUntil([&] { return log_.contains("TCP input read error: "); }));
  auto c = connect();
  ASSERT_TRUE(waitUntil([&] { return log_.contains("TCP input client disconnected: "); }));
  EXPECT_TRUE(server_.hasClient());
  ASSERT_TRUE(c->sendAll(concat({framed(kRecord), framed(kMarker)})));
  ASSERT_TRUE(waitUntil([&] { return seen(99); }));
  EXPECT_EQ(streamIds(), (std::vector<int>{5, 99}));
}

TEST_F(InputChannel, ClientThatLeavesIsCleared) {
  auto client = connect();
  client->close();
  ASSERT_TRUE(waitUntil([&] { return !server_.hasClient(); }));
  EXPECT_TRUE(log_.has(kInfo, "TCP input client disconnected: End of file"));
}

TEST_F(InputChannel, BodyCutShortStopsReadingButKeepsTheClient) {
  auto client = connect();
  ASSERT_TRUE(client->sendAll({12, 0, 0, 0, 1, 2}));
  client->shutdownWrite();
  ASSERT_TRUE(waitUntil([&] { return log_.has(kInfo, "TCP input read error: End of file"); }));
  EXPECT_TRUE(server_.hasClient());
  EXPECT_TRUE(events().empty());
}

TEST_F(InputChannel, PeerThatResetsAtOnceDoesNotStopTheAcceptLoop) {
  for (int i = 0; i < 20; ++i) LoopbackTcpClient(server_.boundPort()).resetAndClose();
  auto client = connect();
  ASSERT_TRUE(client->sendAll(framed(kMarker)));
  EXPECT_TRUE(waitUntil([&] { return seen(99); }));
}

TEST_F(InputChannel, AcceptLoopSurvivesRunningOutOfDescriptors) {
  LoopbackTcpClient client(server_.boundPort(), 0, false);
  DescriptorLimit limit;
  ASSERT_TRUE(client.connect());
  std::this_thread::sleep_for(350ms);
  EXPECT_FALSE(server_.hasClient());
  limit.release();
  EXPECT_TRUE(waitUntil([&] { return server_.hasClient(); }));
}

TEST_F(InputChannel, StopEndsTheClientAndTheListener) {
  auto client = connect();
  server_.stop();
  EXPECT_TRUE(log_.has(kInfo, "TCP input server stopped"));
  EXPECT_NE(client->waitForEnd(), LoopbackTcpClient::End::StillOpen);
  EXPECT_FALSE(LoopbackTcpClient(server_.boundPort()).connected());
}

TEST_F(InputChannel, StartFailsOnAPortInUse) {
  TcpInputServer second(server_.boundPort());
  EXPECT_FALSE(second.start());
  EXPECT_TRUE(log_.has(kError, "Failed to start TCP input server: bind: Address already in use"));
}

}  // namespace
}  // namespace parvalon::host
