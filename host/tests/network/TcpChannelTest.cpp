// The video, audio and input channels: what they share runs as one suite over all three,
// followed by each channel's own cases.

#include <gtest/gtest.h>

#include <fmt/format.h>
#include <fmt/ranges.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <stdexcept>

#include "fakes/LogCapture.h"
#include "network/LoopbackSocket.h"
#include "network/TcpAudioServer.h"
#include "network/TcpInputServer.h"
#include "network/TcpTransportServer.h"

namespace parvalon::host {
namespace {

using namespace testing;
using protocol::ClientFeedback;
using protocol::ClientInput;
using protocol::InputEvent;

// ---- Shared behaviour, run over each channel ----

// One channel behind the operations the shared cases need.
class ChannelUnderTest {
 public:
  virtual ~ChannelUnderTest() = default;
  virtual bool start() = 0;
  virtual void stop() = 0;
  virtual std::uint16_t port() const = 0;
  virtual bool hasClient() const = 0;
  // True when traffic passes between the channel and `client`, its registered connection.
  virtual bool carriesTraffic(LoopbackTcpClient& client) = 0;
};

class VideoUnderTest : public ChannelUnderTest {
 public:
  explicit VideoUnderTest(std::uint16_t port) : server_(port) {}
  bool start() override { return server_.start(); }
  void stop() override { server_.stop(); }
  std::uint16_t port() const override { return server_.boundPort(); }
  bool hasClient() const override { return server_.hasClient(); }
  bool carriesTraffic(LoopbackTcpClient& client) override {
    const Bytes data = pattern(10);
    server_.sendVideoFrame(1, data.data(), data.size(), false);
    return client.readExact(20 + data.size()).has_value();
  }

 private:
  TcpTransportServer server_;
};

class AudioUnderTest : public ChannelUnderTest {
 public:
  explicit AudioUnderTest(std::uint16_t port) : server_(port) {}
  bool start() override { return server_.start(); }
  void stop() override { server_.stop(); }
  std::uint16_t port() const override { return server_.boundPort(); }
  bool hasClient() const override { return server_.hasClient(); }
  bool carriesTraffic(LoopbackTcpClient& client) override {
    const Bytes data = pattern(10);
    server_.sendAudioData(1, data.data(), data.size());
    return client.readExact(16 + data.size()).has_value();
  }

 private:
  TcpAudioServer server_;
};

class InputUnderTest : public ChannelUnderTest {
 public:
  explicit InputUnderTest(std::uint16_t port) : server_(port) {
    server_.setInputEventCallback([this](const InputEvent&, std::uint64_t) { ++events_; });
  }
  bool start() override { return server_.start(); }
  void stop() override { server_.stop(); }
  std::uint16_t port() const override { return server_.boundPort(); }
  bool hasClient() const override { return server_.hasClient(); }
  bool carriesTraffic(LoopbackTcpClient& client) override {
    const int before = events_.load();
    return client.sendAll(framed(Bytes(12, 1))) && waitUntil([&] { return events_.load() > before; });
  }

 private:
  std::atomic<int> events_{0};
  TcpInputServer server_;
};

struct ChannelKind {
  std::string name;
  std::function<std::unique_ptr<ChannelUnderTest>(std::uint16_t port)> make;
  std::string label;        // connection log lines start with it
  std::string closing;      // logged when a newer connection replaces the registered one
  std::string startFailed;  // start error prefix
  std::string stopped;
};

class EveryChannel : public ::testing::TestWithParam<ChannelKind> {
 protected:
  void SetUp() override { ASSERT_TRUE(channel_->start()); }

  // Connects and waits until the channel has registered this very connection.
  std::unique_ptr<LoopbackTcpClient> connect() {
    auto c = std::make_unique<LoopbackTcpClient>(channel_->port());
    const auto line = fmt::format("{} client connected from 127.0.0.1:{}", GetParam().label, c->localPort());
    EXPECT_TRUE(waitUntil([&] { return log_.count(kInfo, line) == 1; })) << line;
    return c;
  }

  LogCapture log_;
  std::unique_ptr<ChannelUnderTest> channel_ = GetParam().make(0);
};

TEST_P(EveryChannel, NewerConnectionReplacesTheRegisteredOne) {
  auto a = connect();
  EXPECT_TRUE(channel_->carriesTraffic(*a));
  auto b = connect();
  EXPECT_EQ(log_.count(kInfo, GetParam().closing), 1u);
  EXPECT_NE(a->waitForEnd(), LoopbackTcpClient::End::StillOpen);
  EXPECT_TRUE(channel_->hasClient());
  EXPECT_TRUE(channel_->carriesTraffic(*b));
}

TEST_P(EveryChannel, PeerThatResetsAtOnceDoesNotStopTheAcceptLoop) {
  for (int i = 0; i < 20; ++i) LoopbackTcpClient(channel_->port()).resetAndClose();
  auto client = connect();
  EXPECT_TRUE(channel_->carriesTraffic(*client));
}

TEST_P(EveryChannel, AcceptLoopSurvivesRunningOutOfDescriptors) {
  LoopbackTcpClient client(channel_->port(), 0, false);
  DescriptorLimit limit;
  ASSERT_TRUE(client.connect());
  std::this_thread::sleep_for(350ms);  // a few failed accepts and their pauses
  EXPECT_FALSE(channel_->hasClient());
  limit.release();
  EXPECT_TRUE(waitUntil([&] { return channel_->hasClient(); }));
  EXPECT_TRUE(channel_->carriesTraffic(client));
}

TEST_P(EveryChannel, StopEndsTheClientAndTheListenerOnce) {
  auto client = connect();
  channel_->stop();
  channel_->stop();
  EXPECT_EQ(log_.count(kInfo, GetParam().stopped), 1u);
  EXPECT_NE(client->waitForEnd(), LoopbackTcpClient::End::StillOpen);
  EXPECT_FALSE(channel_->hasClient());
  EXPECT_FALSE(LoopbackTcpClient(channel_->port()).connected());
}

TEST_P(EveryChannel, StartFailsOnAPortInUse) {
  auto second = GetParam().make(channel_->port());
  EXPECT_FALSE(second->start());
  EXPECT_TRUE(log_.has(kError, GetParam().startFailed + "bind: Address already in use"));
}

INSTANTIATE_TEST_SUITE_P(
    Channels, EveryChannel,
    ::testing::Values(
        ChannelKind{"Video", [](std::uint16_t port) { return std::make_unique<VideoUnderTest>(port); }, "TCP",
                    "Closing existing TCP client connection", "Failed to start TCP transport: ",
                    "TCP transport server stopped"},
        ChannelKind{"Audio", [](std::uint16_t port) { return std::make_unique<AudioUnderTest>(port); }, "TCP audio",
                    "TCP audio: Closing previous client connection", "Failed to start TCP audio server: ",
                    "TCP audio server stopped"},
        ChannelKind{"Input", [](std::uint16_t port) { return std::make_unique<InputUnderTest>(port); }, "TCP input",
                    "Closing existing TCP input client connection", "Failed to start TCP input server: ",
                    "TCP input server stopped"}),
    [](const ::testing::TestParamInfo<ChannelKind>& info) { return info.param.name; });

// ---- Connection numbers, on the two channels that carry input ----

// A's input and end carry A's number, B's carry B's; A's end comes before B's first input.
void expectEachConnectionsOwnNumber(const std::vector<std::string>& happenings) {
  ASSERT_EQ(happenings.size(), 4u) << fmt::format("{}", fmt::join(happenings, "; "));
  const auto numberIn = [](const std::string& line) { return line.substr(line.rfind(' ') + 1); };
  const std::string a = numberIn(happenings[0]), b = numberIn(happenings[2]);
  EXPECT_NE(a, b);
  EXPECT_NE(a, "0");
  EXPECT_EQ(happenings, (std::vector<std::string>{"input 1 from " + a, "end of " + a, "input 2 from " + b, "end of " + b}));
}

// ---- Video ----
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
    server_.setClientInputCallback([this](const ClientInput& i, std::uint64_t connection) {
      std::lock_guard lock(mutex_);
      inputs_.push_back(i);
      happenings_.push_back(fmt::format("input {} from {}", i.streamId, connection));
    });
    server_.setClientGoneCallback([this](std::uint64_t connection) {
      std::lock_guard lock(mutex_);
      happenings_.push_back(fmt::format("end of {}", connection));
    });
    server_.setKeyframeRequestCallback([this](std::uint8_t id) {
      std::lock_guard lock(mutex_);
      keyframes_.push_back(id);
    });
    ASSERT_TRUE(server_.start());
  }
  // The io thread reports connections ending while the test's clients go: it must be joined
  // before the records its callbacks write to are destroyed.
  void TearDown() override { server_.stop(); }

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
  std::vector<std::string> happenings_;  // "input <stream> from <connection>", "end of <connection>"
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

// What a video connection pressed is released when it ends: its input and its end carry its
// number, whether it is replaced or leaves.
TEST_F(VideoChannel, EachConnectionsInputAndEndCarryItsNumber) {
  const Bytes input{3, 1, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // a ClientInput for stream 1
  Bytes second = input;
  second[1] = 2;
  const auto happened = [&](std::size_t n) {
    return waitUntil([&] {
      std::lock_guard lock(mutex_);
      return happenings_.size() >= n;
    });
  };
  auto a = connect();
  ASSERT_TRUE(a->sendAll(framed(input)));
  ASSERT_TRUE(happened(1));
  auto b = connect();
  ASSERT_TRUE(b->sendAll(framed(second)));
  ASSERT_TRUE(happened(3));
  b->close();
  ASSERT_TRUE(happened(4));
  a.reset();  // the replaced connection's late end is not reported again
  std::this_thread::sleep_for(200ms);
  std::lock_guard lock(mutex_);
  expectEachConnectionsOwnNumber(happenings_);
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

TEST_F(VideoChannel, StopCancelsABlockedWrite) {
  auto client = connect(4096);
  const Bytes big(4 << 20, 1);
  std::thread sender([&] { server_.sendVideoFrame(1, big.data(), big.size(), true); });
  std::this_thread::sleep_for(300ms);
  server_.stop();
  sender.join();
  // Cancelled by the stop, not ended by the 20 s send time-out.
  EXPECT_TRUE(log_.has(kError, "TCP send failed: Operation canceled"));
}

TEST_F(VideoChannel, StalledClientFailsTheWriteAfterTheSendTimeout) {
  auto client = connect(4096);  // never reads
  const Bytes big(4 << 20, 1);
  const auto t0 = std::chrono::steady_clock::now();
  server_.sendVideoFrame(1, big.data(), big.size(), true);
  const auto took = std::chrono::steady_clock::now() - t0;
  EXPECT_GE(took, 19500ms);
  EXPECT_TRUE(log_.has(kError, "TCP send failed: Connection timed out"));
}

// ---- Audio ----
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
  EXPECT_TRUE(log_.has(kError, "TCP audio send failed: Connection timed out"));
}

TEST_F(AudioChannel, StopCancelsABlockedWrite) {
  auto client = connect(4096);
  const Bytes big(1 << 20, 1);
  std::thread sender([&] { send(1, big); });
  std::this_thread::sleep_for(300ms);
  server_.stop();
  sender.join();
  // Cancelled by the stop, not ended by the write deadline.
  EXPECT_TRUE(log_.has(kError, "TCP audio send failed: Operation canceled"));
  EXPECT_TRUE(log_.has(kInfo, "TCP audio server stopped"));
}

// ---- Input ----
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
    server_.setInputEventCallback([this](const InputEvent& e, std::uint64_t connection) {
      std::lock_guard lock(mutex_);
      events_.push_back(e);
      happenings_.push_back(fmt::format("input {} from {}", e.streamId, connection));
    });
    server_.setDisconnectCallback([this](std::uint64_t connection) {
      std::lock_guard lock(mutex_);
      happenings_.push_back(fmt::format("end of {}", connection));
      ++gone_;
    });
    ASSERT_TRUE(server_.start());
  }
  // Joined before the records its callbacks write to are destroyed.
  void TearDown() override { server_.stop(); }

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
  std::vector<std::string> happenings_;  // "input <stream> from <connection>", "end of <connection>"
  std::atomic<int> gone_{0};  // disconnect reports
};

// Every way a client's events stop coming is reported once, before a newer client's first event.
enum class Leave { Closes, CutsABodyShort, SendsTooMuch, IsReplaced };

class InputClientGone : public InputChannel, public ::testing::WithParamInterface<Leave> {};

TEST_P(InputClientGone, IsReportedOnce) {
  auto client = connect();
  ASSERT_TRUE(client->sendAll(framed(kRecord)));
  ASSERT_TRUE(waitUntil([&] { return seen(5); }));
  EXPECT_EQ(gone_.load(), 0);
  std::unique_ptr<LoopbackTcpClient> next;
  switch (GetParam()) {
    case Leave::Closes:
      client->close();
      break;
    case Leave::CutsABodyShort:
      ASSERT_TRUE(client->sendAll({12, 0, 0, 0, 1, 2}));
      client->shutdownWrite();
      break;
    case Leave::SendsTooMuch:
      ASSERT_TRUE(client->sendAll({0x01, 0x04, 0x00, 0x00}));
      break;
    case Leave::IsReplaced:
      next = connect();
      break;
  }
  ASSERT_TRUE(waitUntil([&] { return gone_.load() >= 1; }));
  client.reset();  // a replaced connection's late end is not reported again
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(gone_.load(), 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, InputClientGone,
                         ::testing::Values(Leave::Closes, Leave::CutsABodyShort, Leave::SendsTooMuch, Leave::IsReplaced));

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

TEST_F(InputChannel, EachConnectionsEventsAndEndCarryItsNumber) {
  Bytes first = kRecord, second = kRecord;
  first[0] = 1;
  second[0] = 2;
  auto a = connect();
  ASSERT_TRUE(a->sendAll(framed(first)));
  ASSERT_TRUE(waitUntil([&] { return seen(1); }));
  auto b = connect();
  ASSERT_TRUE(b->sendAll(framed(second)));
  ASSERT_TRUE(waitUntil([&] { return seen(2); }));
  b->close();
  ASSERT_TRUE(waitUntil([&] { return gone_.load() == 2; }));
  std::lock_guard lock(mutex_);
  expectEachConnectionsOwnNumber(happenings_);
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

// ---- Handlers installed or failing while a client sends ----

TEST_F(VideoChannel, ThrowingCallbackCostsOnlyItsOwnMessageAlsoWhenPolled) {
  std::atomic<int> calls{0};
  server_.setKeyframeRequestCallback([&](std::uint8_t id) {
    ++calls;
    if (id % 2 == 1) throw std::runtime_error("odd stream");
  });
  auto client = connect();
  Bytes stream;
  for (int i = 1; i <= 10; ++i) stream = concat({stream, framed({16, static_cast<std::uint8_t>(i)})});
  ASSERT_TRUE(client->sendAll(stream));
  for (int i = 0; i < 2000 && calls.load() < 10; ++i) {
    EXPECT_NO_THROW(server_.poll());
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_EQ(calls.load(), 10);
  EXPECT_EQ(log_.count(kError, "TCP message handler failed: odd stream"), 5u);
  EXPECT_TRUE(server_.hasClient());
}

TEST_F(InputChannel, ThrowingCallbackCostsOnlyItsOwnMessage) {
  std::atomic<int> calls{0};
  server_.setInputEventCallback([&](const InputEvent& e, std::uint64_t) {
    ++calls;
    if (e.streamId == 1) throw std::runtime_error("no such stream");
  });
  auto client = connect();
  Bytes first = kRecord;
  first[0] = 1;
  ASSERT_TRUE(client->sendAll(concat({framed(first), framed(kRecord), framed(first), framed(kMarker)})));
  ASSERT_TRUE(waitUntil([&] { return calls.load() == 4; }));
  EXPECT_EQ(log_.count(kError, "TCP input message handler failed: no such stream"), 2u);
}

// Every installation races with the io thread's calls; ThreadSanitizer watches the slot.
TEST_F(VideoChannel, CallbacksReplacedWhileTheClientSends) {
  auto client = connect();
  std::atomic<int> calls{0};
  const auto install = [&] {
    server_.setKeyframeRequestCallback([&](std::uint8_t) { ++calls; });
    server_.setFeedbackCallback([&](const ClientFeedback&) { ++calls; });
    server_.setClientInputCallback([&](const ClientInput&, std::uint64_t) { ++calls; });
  };
  install();  // every message counts, whichever installation it meets
  std::thread sender([&] {
    for (int i = 0; i < 300; ++i) {
      client->sendAll(framed({16, 1}));
      client->sendAll(framed({4, 1, 2, 3, 4, 5, 6, 7, 8, 0x34, 0x12, 0x01, 0x02}));
    }
  });
  for (int i = 0; i < 300; ++i) install();
  sender.join();
  EXPECT_TRUE(waitUntil([&] { return calls.load() == 600; }, 10s)) << calls.load();
}

TEST_F(InputChannel, CallbackReplacedWhileTheClientSends) {
  auto client = connect();
  std::atomic<int> calls{0};
  server_.setInputEventCallback([&](const InputEvent&, std::uint64_t) { ++calls; });
  std::thread sender([&] {
    for (int i = 0; i < 600; ++i) client->sendAll(framed(kRecord));
  });
  for (int i = 0; i < 300; ++i) server_.setInputEventCallback([&](const InputEvent&, std::uint64_t) { ++calls; });
  sender.join();
  EXPECT_TRUE(waitUntil([&] { return calls.load() == 600; }, 10s)) << calls.load();
}

}  // namespace
}  // namespace parvalon::host
