#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>

#include <array>
#include <thread>

#include "DiscoveryClient.h"
#include "SignalingClient.h"
#include "TcpConnection.h"

namespace parvalon::viewer {
namespace {

using namespace std::chrono_literals;

// A UDP socket on 127.0.0.1 with a port of the system's choosing.
struct LoopbackUdp {
  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  std::uint16_t port = 0;
  LoopbackUdp() {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    timeval tv{2, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  }
  ~LoopbackUdp() { ::close(fd); }
};

TEST(DiscoveryClient, CollectsTheReplyAndIgnoresForeignDatagrams) {
  LoopbackUdp responder;
  std::string request;
  std::thread fake([&] {
    std::array<char, 1024> buf{};
    sockaddr_in from{};
    socklen_t len = sizeof from;
    const ssize_t n = ::recvfrom(responder.fd, buf.data(), buf.size(), 0, reinterpret_cast<sockaddr*>(&from), &len);
    if (n <= 0) return;
    request.assign(buf.data(), static_cast<std::size_t>(n));
    const std::string junk = "PARVALON_HOSTX";
    ::sendto(responder.fd, junk.data(), junk.size(), 0, reinterpret_cast<sockaddr*>(&from), len);
    const auto reply = protocol::buildDiscoveryReply("Test Host", 9000);
    ::sendto(responder.fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), len);
    ::sendto(responder.fd, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), len);  // a duplicate
  });
  const auto hosts = DiscoveryClient::discover("127.0.0.1", 500ms, responder.port);
  fake.join();
  EXPECT_EQ(request, "PARVALON_DISCOVER:parvalon-viewer");
  ASSERT_EQ(hosts.size(), 1u);
  EXPECT_EQ(hosts[0].address, "127.0.0.1");
  EXPECT_EQ(hosts[0].hostName, "Test Host");
  EXPECT_EQ(hosts[0].signalingPort, 9000);
}

TEST(DiscoveryClient, NoAnswerEndsAtTheTimeout) {
  LoopbackUdp silent;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(DiscoveryClient::discover("127.0.0.1", 200ms, silent.port).empty());
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, 190ms);
  EXPECT_LT(took, 2s);
  EXPECT_TRUE(DiscoveryClient::discover("not-an-address", 200ms, silent.port).empty());
}

// A TCP listener on 127.0.0.1 that hands over its one accepted connection.
struct LoopbackListener {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  std::uint16_t port = 0;
  LoopbackListener() {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(fd, 1);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
  }
  int accept() const { return ::accept(fd, nullptr, nullptr); }
  ~LoopbackListener() { ::close(fd); }
};

TEST(TcpConnection, ReadsWholeMessagesAcrossSplitWritesAndReportsTheEnd) {
  LoopbackListener listener;
  TcpConnection c;
  ASSERT_TRUE(c.connect("127.0.0.1", listener.port, 1s));
  const int peer = listener.accept();
  ASSERT_GE(peer, 0);
  std::array<std::uint8_t, 6> buf{};
  // Nothing sent yet: a bounded wait, and the next read still starts at a message boundary.
  EXPECT_EQ(c.readExact(buf.data(), buf.size(), 50ms), TcpConnection::ReadResult::Timeout);
  std::thread writer([peer] {
    ::send(peer, "ab", 2, 0);
    std::this_thread::sleep_for(100ms);  // longer than the idle wait: the read must not give up mid-message
    ::send(peer, "cdef", 4, 0);
  });
  EXPECT_EQ(c.readExact(buf.data(), buf.size(), 50ms), TcpConnection::ReadResult::Ok);
  writer.join();
  EXPECT_EQ(std::string(buf.begin(), buf.end()), "abcdef");
  const std::uint8_t out[] = {1, 2, 3};
  EXPECT_TRUE(c.writeAll(out, sizeof out));
  std::array<std::uint8_t, 3> got{};
  EXPECT_EQ(::recv(peer, got.data(), got.size(), MSG_WAITALL), 3);
  EXPECT_EQ(got, (std::array<std::uint8_t, 3>{1, 2, 3}));
  ::close(peer);
  EXPECT_EQ(c.readExact(buf.data(), buf.size(), 1s), TcpConnection::ReadResult::Closed);
  c.close();
  EXPECT_FALSE(c.writeAll(out, sizeof out));
}

TEST(TcpConnection, RefusedConnectionFails) {
  std::uint16_t port;
  {
    LoopbackListener gone;
    port = gone.port;
  }
  TcpConnection c;
  EXPECT_FALSE(c.connect("127.0.0.1", port, 1s));
  EXPECT_FALSE(c.isOpen());
}

namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = boost::asio::ip::tcp;

TEST(SignalingClient, ExchangesJsonInOrderAndClosesCleanly) {
  boost::asio::io_context io;
  tcp::acceptor acceptor(io, tcp::endpoint(boost::asio::ip::make_address("127.0.0.1"), 0));
  const auto port = acceptor.local_endpoint().port();
  std::vector<std::string> received;
  std::string closeReason;
  std::thread server([&] {
    websocket::stream<tcp::socket> ws(acceptor.accept());
    ws.accept();
    beast::flat_buffer b;
    ws.text(true);
    ws.write(boost::asio::buffer(std::string(R"({"type":"welcome","videoPort":9944})")));
    ws.write(boost::asio::buffer(std::string("not json")));
    ws.write(boost::asio::buffer(std::string(R"({"type":"window_list","windows":[]})")));
    beast::error_code ec;
    for (int i = 0; i < 10 && !ec; ++i) {
      b.clear();
      ws.read(b, ec);
      if (!ec) received.push_back(beast::buffers_to_string(b.data()));
    }
    closeReason = ec == websocket::error::closed ? "closed" : ec.message();
  });

  SignalingClient client;
  ASSERT_TRUE(client.connect("127.0.0.1", port, 2s));
  EXPECT_TRUE(client.isConnected());
  // Taking a later message leaves the earlier one waiting.
  const auto list = client.waitForType("window_list", 2s);
  ASSERT_TRUE(list);
  EXPECT_TRUE((*list)["windows"].is_array());
  const auto rest = client.drain();
  ASSERT_EQ(rest.size(), 1u);  // the text that is not JSON was dropped
  EXPECT_EQ(rest[0]["videoPort"], 9944);
  EXPECT_FALSE(client.waitForType("pong", 50ms));

  EXPECT_TRUE(client.send({{"type", "hello"}}));
  EXPECT_TRUE(client.send({{"type", "ping"}, {"timestamp", 5}}));
  EXPECT_TRUE(client.send({{"type", "stream_stop"}, {"streamId", 1}}));
  client.close();  // queued messages go out before the close frame
  server.join();
  EXPECT_EQ(received, (std::vector<std::string>{R"({"type":"hello"})", R"({"timestamp":5,"type":"ping"})",
                                                R"({"streamId":1,"type":"stream_stop"})"}));
  EXPECT_EQ(closeReason, "closed");
  EXPECT_FALSE(client.isConnected());
  EXPECT_FALSE(client.send({{"type", "hello"}}));
}

TEST(SignalingClient, NobodyListeningFailsWithinTheTimeout) {
  std::uint16_t port;
  {
    LoopbackListener gone;
    port = gone.port;
  }
  SignalingClient client;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(client.connect("127.0.0.1", port, 1s));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
  EXPECT_FALSE(client.isConnected());
}

}  // namespace
}  // namespace parvalon::viewer
