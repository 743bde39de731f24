#include <gtest/gtest.h>


#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <boost/asio/connect.hpp>
#include <boost/asio/write.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/websocket.hpp>
#include <nlohmann/json.hpp>

#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"
#include "fakes/WsTestClient.h"
#include "support/LoopbackClient.h"
#include "network/SignalingServer.h"

namespace parvalon::host {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using namespace std::chrono_literals;
using testing::kError;
using testing::kInfo;
using testing::LogCapture;
using testing::kWarn;
using testing::waitUntil;

using WsClient = testing::WsTestClient;

class SignalingServerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.start()); }
  LogCapture log;
  SignalingServer server{0};
};

TEST_F(SignalingServerTest, RepliesGoToTheSenderAndStreamConfigToEverySession) {
  WsClient a(server.boundPort());
  WsClient b(server.boundPort());  // never says hello
  ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 2; }));
  a.send(R"({"type":"ping","timestamp":7})");
  EXPECT_EQ(a.read(), R"({"timestamp":7,"type":"pong"})");

  server.sendStreamConfig({.windowId = 0x1234, .streamId = 3, .width = 1280, .height = 720, .sps = "Z0LAHg==",
                           .pps = "aM4G4g==", .targetBitrate = 20000, .targetFps = 72});
  const std::string expected =
      R"({"codec":"video/avc","height":720,"pps":"aM4G4g==","sps":"Z0LAHg==","streamId":3,)"
      R"("targetBitrate":20000,"targetFps":72,"type":"stream_config","width":1280,"windowId":4660})";
  // b's first message is the broadcast: the pong went to a only.
  EXPECT_EQ(b.read(), expected);
  EXPECT_EQ(a.read(), expected);
  EXPECT_TRUE(log.has(kInfo, "Sending stream_config: streamId=3, 1280x720, codec=video/avc, sps=8B, pps=8B"));
}

TEST_F(SignalingServerTest, QueuedMessagesArriveAllAndInOrder) {
  WsClient client(server.boundPort());
  ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 1; }));
  protocol::StreamConfig config;
  config.sps = std::string(2000, 'A');  // large enough that the queue really builds up
  // As many as one session may have waiting.
  const std::uint32_t count = static_cast<std::uint32_t>(SignalingLimits{}.queueLimit);
  for (std::uint32_t i = 0; i < count; ++i) {
    config.targetBitrate = i;
    server.sendStreamConfig(config);
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    const auto text = client.read();
    ASSERT_TRUE(text) << "message " << i << " missing";
    ASSERT_EQ(nlohmann::json::parse(*text).at("targetBitrate").get<std::uint32_t>(), i);
  }
}

TEST_F(SignalingServerTest, CloseFrameAndAbruptDisconnectAreToldApart) {
  {
    WsClient polite(server.boundPort());
    ASSERT_TRUE(waitUntil([&] { return log.has(kInfo, "Client connected"); }));
    polite.closeWithFrame();
    ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 0; }));
    EXPECT_TRUE(log.has(kInfo, "Client disconnected"));
  }
  WsClient rude(server.boundPort());
  ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 1; }));
  rude.dropConnection();
  ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 0; }));
  EXPECT_TRUE(log.contains("WebSocket read failed: "));
  EXPECT_EQ(log.count(kInfo, "Client disconnected"), 1u);
}

TEST_F(SignalingServerTest, OnlyCompletedHandshakesAreCounted) {
  testing::LoopbackClient raw(server.boundPort());
  WsClient open(server.boundPort());
  ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 1; }));
  const std::string notHttp = "hello there\r\n\r\n";
  ASSERT_TRUE(raw.sendAll(testing::Bytes(notHttp.begin(), notHttp.end())));
  ASSERT_TRUE(waitUntil([&] { return log.contains("WebSocket accept failed: "); }));
  EXPECT_EQ(server.getClientCount(), 1u);
}

TEST(SignalingServerLimits, HandshakeNotCompletedInTimeClosesTheConnection) {
  LogCapture log;
  SignalingLimits limits;
  limits.handshakeTimeout = 200ms;
  SignalingServer server(0, {}, limits);
  ASSERT_TRUE(server.start());
  testing::LoopbackClient silent(server.boundPort());  // connects and never sends the upgrade
  ASSERT_TRUE(silent.connected());
  EXPECT_EQ(silent.waitForEnd(5000ms), testing::LoopbackClient::End::Eof);
  EXPECT_TRUE(log.has(kWarn, "WebSocket handshake not completed within 200 ms, closing the connection"));
  EXPECT_TRUE(waitUntil([&] { return log.contains("WebSocket accept failed: "); }));
  // A client that completes its handshake in time is served.
  WsClient prompt(server.boundPort());
  prompt.send(R"({"type":"ping","timestamp":3})");
  EXPECT_EQ(prompt.read(), R"({"timestamp":3,"type":"pong"})");
}

TEST(SignalingServerLimits, DefaultsAreTenSecondsAnd256Messages) {
  const SignalingLimits limits;
  EXPECT_EQ(limits.handshakeTimeout, 10s);
  EXPECT_EQ(limits.queueLimit, 256u);
}

// A session that does not read fills its queue: it is closed and leaves the broadcast set,
// while a session that reads keeps getting every message.
TEST(SignalingServerLimits, SessionBeyondItsQueueBoundIsClosedOthersCarryOn) {
  LogCapture log;
  SignalingLimits limits;
  limits.queueLimit = 8;
  SignalingServer server(0, {}, limits);
  ASSERT_TRUE(server.start());
  WsClient stalled(server.boundPort());  // never reads
  WsClient reader(server.boundPort());
  ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 2; }));
  protocol::StreamConfig config;
  config.sps = std::string(256 * 1024, 'A');  // a few of these fill the socket buffers
  int received = 0;
  for (std::uint32_t i = 0; i < 400 && !log.contains("WebSocket send queue full"); ++i) {
    config.targetBitrate = i;
    server.sendStreamConfig(config);
    const auto text = reader.read();
    ASSERT_TRUE(text) << "message " << i;
    ASSERT_EQ(nlohmann::json::parse(*text).at("targetBitrate").get<std::uint32_t>(), i);
    ++received;
  }
  EXPECT_TRUE(log.has(kWarn, "WebSocket send queue full (8 messages), closing the session"));
  EXPECT_TRUE(waitUntil([&] { return server.getClientCount() == 1; }));
  config.targetBitrate = 1000;
  server.sendStreamConfig(config);
  const auto last = reader.read();
  ASSERT_TRUE(last);
  EXPECT_EQ(nlohmann::json::parse(*last).at("targetBitrate").get<std::uint32_t>(), 1000u);
}

// The application keeps each client to its own streams by the session number: every session
// gets its own, and its end is reported once, whether it closed or dropped.
TEST_F(SignalingServerTest, EachSessionHasItsOwnNumberAndItsEndIsReportedOnce) {
  std::mutex mutex;
  std::vector<std::uint64_t> hellos;
  std::vector<std::uint64_t> ended;
  std::vector<bool> closed;
  server.setClientConnectedCallback([&](const SignalingClient& client, const protocol::ClientHello&) {
    std::lock_guard lock(mutex);
    hellos.push_back(client.sessionId);
  });
  server.setSessionEndedCallback([&](const SignalingClient& client, bool clientClosed) {
    std::lock_guard lock(mutex);
    ended.push_back(client.sessionId);
    closed.push_back(clientClosed);
  });
  WsClient keeper(server.boundPort());
  keeper.send(R"({"type":"hello"})");
  ASSERT_TRUE(keeper.read());
  {
    WsClient leaver(server.boundPort());
    leaver.send(R"({"type":"hello"})");
    ASSERT_TRUE(leaver.read());
    leaver.dropConnection();
  }
  {
    WsClient closer(server.boundPort());
    closer.send(R"({"type":"hello"})");
    ASSERT_TRUE(closer.read());
    closer.closeWithFrame();
  }
  ASSERT_TRUE(waitUntil([&] {
    std::lock_guard lock(mutex);
    return ended.size() == 2;
  }));
  std::lock_guard lock(mutex);
  ASSERT_EQ(hellos.size(), 3u);
  EXPECT_NE(hellos[0], hellos[1]);
  EXPECT_NE(hellos[1], hellos[2]);
  EXPECT_EQ(ended, (std::vector<std::uint64_t>{hellos[1], hellos[2]}));
  EXPECT_EQ(closed, (std::vector<bool>{false, true}));  // a dropped connection may come back; a closed one is done
}

// Any page in the user's browser may open ws://127.0.0.1: a handshake with an Origin the
// operator did not allow is refused before it becomes a session; native clients send none.
TEST(SignalingServerOrigin, OnlyAllowedOriginsAndNativeClientsGetIn) {
  LogCapture log;
  SignalingLimits limits;
  limits.allowedOrigins = {"http://allowed.example"};
  SignalingServer server(0, {}, limits);
  ASSERT_TRUE(server.start());
  std::atomic<int> windowLists{0};
  server.setWindowListCallback([&] {
    ++windowLists;
    return std::vector<protocol::WindowInfo>{};
  });

  EXPECT_THROW(WsClient(server.boundPort(), 3s, std::string("http://evil.example")), std::exception);
  EXPECT_THROW(WsClient(server.boundPort(), 3s, std::string("null")), std::exception);
  ASSERT_TRUE(waitUntil([&] { return log.contains("origin 'null' is not allowed"); }));
  EXPECT_TRUE(log.has(kWarn, "Refused WebSocket handshake from 127.0.0.1: origin 'http://evil.example' is not allowed"));

  WsClient allowed(server.boundPort(), 3s, std::string("http://allowed.example"));
  allowed.send(R"({"type":"window_list_request"})");
  EXPECT_TRUE(allowed.read());
  WsClient native(server.boundPort());
  native.send(R"({"type":"window_list_request"})");
  EXPECT_TRUE(native.read());
  EXPECT_EQ(windowLists.load(), 2);
  EXPECT_TRUE(waitUntil([&] { return server.getClientCount() == 2; }));
}

TEST(SignalingServerOrigin, RefusalIsAPlainForbiddenResponse) {
  LogCapture log;
  SignalingServer server(0);
  ASSERT_TRUE(server.start());
  testing::LoopbackClient client(server.boundPort());
  const std::string request =
      "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
      "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n"
      "Origin: https://page.example\r\n\r\n";
  ASSERT_TRUE(client.sendAll(testing::Bytes(request.begin(), request.end())));
  testing::Bytes received;
  EXPECT_NE(client.waitForEnd(5000ms, &received), testing::LoopbackClient::End::StillOpen);  // the server closes
  const std::string response(received.begin(), received.end());
  EXPECT_EQ(response.rfind("HTTP/1.1 403 Forbidden\r\n", 0), 0u) << response;
  EXPECT_EQ(server.getClientCount(), 0u);
}

// The capture of a new stream may encode its first key frame, and so broadcast its
// stream_config, before the stream-request callback has returned: the client must still see
// stream_started first, or it would drop a configuration for a stream it does not know yet.
TEST_F(SignalingServerTest, StreamStartedPrecedesAConfigBroadcastDuringTheRequest) {
  std::uint8_t nextStream = 1;
  server.setStreamRequestCallback([&](std::uint32_t windowId, const SignalingClient&) {
    const std::uint8_t streamId = nextStream++;
    protocol::StreamConfig config;
    config.windowId = windowId;
    config.streamId = streamId;
    config.width = 64;
    config.height = 64;
    std::thread capture([&] { server.sendStreamConfig(config); });
    capture.join();  // the broadcast is posted before this callback returns
    return StreamStartResult{StreamStartResult::Status::Started, streamId};
  });
  WsClient client(server.boundPort());
  for (int run = 0; run < 20; ++run) {
    client.send(R"({"type":"stream_start","windowId":5})");
    const auto first = client.read();
    const auto second = client.read();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(nlohmann::json::parse(*first).at("type"), "stream_started") << "run " << run;
    EXPECT_EQ(nlohmann::json::parse(*second).at("type"), "stream_config") << "run " << run;
  }
}

// A stream_config broadcast that lands while a newcomer is still answering the upgrade must
// neither corrupt that handshake nor stall the newcomer's queue.
TEST_F(SignalingServerTest, NewcomerGetsItsWelcomeWhileStreamConfigsAreBroadcast) {
  WsClient first(server.boundPort());
  first.send(R"({"type":"hello"})");
  ASSERT_TRUE(first.read());
  std::atomic<bool> resizing{true};
  std::thread broadcaster([&] {
    protocol::StreamConfig config;
    config.streamId = 1;
    for (std::uint32_t i = 0; resizing.load() && i < 100000; ++i) {
      config.width = 640 + (i % 64);
      server.sendStreamConfig(config);
      std::this_thread::sleep_for(1ms);
    }
  });
  int welcomed = 0;
  for (int run = 0; run < 100 && welcomed == run; ++run) {
    try {
      WsClient second(server.boundPort());
      second.send(R"({"type":"hello"})");
      for (int i = 0; i < 2000; ++i) {  // stream_configs may come first
        const auto text = second.read();
        if (!text) break;
        if (nlohmann::json::parse(*text).at("type") == "welcome") {
          ++welcomed;
          break;
        }
      }
    } catch (const std::exception& e) {
      ADD_FAILURE() << "run " << run << ": " << e.what();
    }
  }
  resizing = false;
  broadcaster.join();
  EXPECT_EQ(welcomed, 100);
}

TEST_F(SignalingServerTest, ThrowingSessionEndedCallbackIsContainedAndServingGoesOn) {
  std::atomic<int> ended{0};
  server.setSessionEndedCallback([&](const SignalingClient&, bool) {
    ++ended;
    throw std::runtime_error("end failed");
  });
  {
    WsClient leaver(server.boundPort());
    leaver.send(R"({"type":"ping","timestamp":1})");
    ASSERT_TRUE(leaver.read());
    leaver.dropConnection();
  }
  ASSERT_TRUE(waitUntil([&] { return log.count(kError, "Error ending the session: end failed") == 1; }));
  EXPECT_EQ(ended.load(), 1);
  for (int i = 0; i < 20; ++i) server.poll();
  WsClient next(server.boundPort());
  next.send(R"({"type":"ping","timestamp":1})");
  EXPECT_TRUE(next.read());
}

// Every installation races with the io thread's calls; ThreadSanitizer watches the slots.
TEST_F(SignalingServerTest, CallbacksReplacedWhileAClientSends) {
  std::atomic<int> calls{0};
  server.setClientConnectedCallback([&](const SignalingClient&, const protocol::ClientHello&) { ++calls; });
  WsClient client(server.boundPort());
  std::atomic<int> welcomes{0};
  std::thread sender([&] {
    for (int i = 0; i < 200; ++i) {
      client.send(R"({"type":"hello"})");
      if (client.read()) ++welcomes;
    }
  });
  for (int i = 0; i < 200; ++i) {
    server.setClientConnectedCallback([&](const SignalingClient&, const protocol::ClientHello&) { ++calls; });
    server.setWindowListCallback([] { return std::vector<protocol::WindowInfo>{}; });
    server.setKeyframeRequestCallback([](std::uint8_t, const SignalingClient&) {});
  }
  sender.join();
  EXPECT_EQ(welcomes.load(), 200);
  EXPECT_EQ(calls.load(), 200);
}

TEST(SignalingServerStart, PortInUseFailsWithTheBindError) {
  LogCapture log;
  asio::io_context io;
  tcp::acceptor holder(io, tcp::endpoint(tcp::v4(), 0), false);  // no address reuse
  SignalingServer server(holder.local_endpoint().port());
  EXPECT_FALSE(server.start());
  EXPECT_TRUE(log.contains("Failed to start signaling server: "));
  // Then the system's own words. Windows refuses a reusable bind to a port another socket holds
  // exclusively with an access error rather than "address in use".
#ifndef _WIN32
  EXPECT_TRUE(log.contains(boost::system::error_code(asio::error::address_in_use).message()));
#endif
  EXPECT_EQ(server.getClientCount(), 0u);
}

TEST(SignalingServerStart, SecondStopDoesNothing) {
  LogCapture log;
  SignalingServer server(0);
  ASSERT_TRUE(server.start());
  server.stop();
  server.stop();
  EXPECT_EQ(log.count(kInfo, "Signaling server stopped"), 1u);
}

TEST(SignalingServerStart, StopClosesConnectionsWhenTheServerGoes) {
  std::optional<WsClient> client;
  {
    SignalingServer server(0);
    ASSERT_TRUE(server.start());
    client.emplace(server.boundPort());
    ASSERT_TRUE(waitUntil([&] { return server.getClientCount() == 1; }));
  }
  // The abandoned session must not outlive the server: its socket closes and the read fails
  // rather than running into the client's time-out.
  EXPECT_FALSE(client->read());
  EXPECT_FALSE(client->timedOut());
}

}  // namespace
}  // namespace parvalon::host
