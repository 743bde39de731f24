#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <utility>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/udp.hpp>

#include "fakes/LogCapture.h"
#include "network/DiscoveryResponder.h"

namespace parvalon::host {
namespace {

using namespace testing;
using namespace std::chrono_literals;
namespace asio = boost::asio;
using udp = asio::ip::udp;

// A UDP socket on 127.0.0.1 that sends only to 127.0.0.1.
class LoopbackUdp {
 public:
  LoopbackUdp() : socket_(io_, udp::endpoint(asio::ip::address_v4::loopback(), 0)) {}
  std::uint16_t port() const { return socket_.local_endpoint().port(); }

  void sendTo(std::uint16_t port, const std::string& text) {
    boost::system::error_code ignored;
    socket_.send_to(asio::buffer(text), udp::endpoint(asio::ip::address_v4::loopback(), port), 0, ignored);
  }
  // The next datagram and the port it came from, or nullopt after `timeout`.
  std::optional<std::pair<std::string, std::uint16_t>> receive(std::chrono::milliseconds timeout = 2000ms) {
    char buffer[2048];
    udp::endpoint from;
    std::optional<std::pair<std::string, std::uint16_t>> result;
    socket_.async_receive_from(asio::buffer(buffer), from, [&](const boost::system::error_code& ec, std::size_t n) {
      if (!ec) result = std::pair{std::string(buffer, n), from.port()};
    });
    io_.restart();
    if (io_.run_for(timeout) == 0) {
      socket_.cancel();
      io_.restart();
      io_.run_for(std::chrono::seconds(1));  // lets the cancelled receive finish
    }
    return result;
  }

 private:
  asio::io_context io_;
  udp::socket socket_;
};

const std::string kReply9876("PARVALON_HOST\0TESTHOST\0" "9876\0", 28);

class Discovery : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(responder_.start()); }
  std::uint16_t port() const { return responder_.boundPort(); }

  LogCapture log_;
  DiscoveryResponder responder_{"TESTHOST", 9876, 0};
  LoopbackUdp client_;
};

TEST_F(Discovery, BareRequestIsAnsweredToTheSourcePort) {
  LoopbackUdp bystander;
  client_.sendTo(port(), "PARVALON_DISCOVER");
  const auto reply = client_.receive();
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->first, kReply9876);
  EXPECT_EQ(reply->second, port());
  EXPECT_TRUE(log_.has(kInfo, "Discovery request from 127.0.0.1 (Unknown)"));
  EXPECT_FALSE(bystander.receive(100ms));
}

struct RequestCase {
  std::string datagram;
  std::string loggedName;
};

class DiscoveryRequests : public Discovery, public ::testing::WithParamInterface<RequestCase> {};

TEST_P(DiscoveryRequests, AnsweredWithTheClientNameLogged) {
  client_.sendTo(port(), GetParam().datagram);
  const auto reply = client_.receive();
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->first, kReply9876);
  EXPECT_TRUE(log_.has(kInfo, "Discovery request from 127.0.0.1 (" + GetParam().loggedName + ")"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, DiscoveryRequests,
    ::testing::Values(RequestCase{"PARVALON_DISCOVER:Quest", "Quest"}, RequestCase{"PARVALON_DISCOVER:", "Unknown"},
                      RequestCase{std::string("PARVALON_DISCOVER Quest\0junk", 28), "Quest"},
                      RequestCase{"PARVALON_DISCOVER:" + std::string(1005, 'q'), std::string(1005, 'q')}));

TEST_F(Discovery, NonRequestsGetNoReplyAndNoLog) {
  for (const std::string d : {"parvalon_discover", "PARVALON_DISCOVE", "", "XPARVALON_DISCOVER", "PARVALON_HOST"}) {
    client_.sendTo(port(), d);
  }
  client_.sendTo(port(), "PARVALON_DISCOVER:Last");
  // Requests are answered in arrival order, so a reply to any of the others would come first.
  const auto reply = client_.receive();
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->first, kReply9876);
  EXPECT_FALSE(client_.receive(100ms));
  const auto lines = log_.texts();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("Discovery request from", 0) == 0; }),
            1);
  EXPECT_TRUE(log_.has(kInfo, "Discovery request from 127.0.0.1 (Last)"));
}

TEST_F(Discovery, OversizedDatagramIsNotAnswered) {
  client_.sendTo(port(), "PARVALON_DISCOVER:" + std::string(1006, 'q'));  // 1024 bytes
  client_.sendTo(port(), "PARVALON_DISCOVER:After");
  const auto reply = client_.receive();
  ASSERT_TRUE(reply);
  EXPECT_FALSE(client_.receive(100ms));
  // EMSGSIZE (90 on Linux, WSAEMSGSIZE on Windows)
  const int tooLong = boost::system::error_code(asio::error::message_size).value();
  EXPECT_TRUE(log_.has(kWarn, "Discovery recvfrom error: " + std::to_string(tooLong)));
  EXPECT_TRUE(log_.has(kInfo, "Discovery request from 127.0.0.1 (After)"));
  EXPECT_FALSE(log_.contains("(qqq"));
}

TEST_F(Discovery, AnnouncesTheConfiguredPort) {
  DiscoveryResponder other("Parvalon Host", 9000, 0);
  ASSERT_TRUE(other.start());
  client_.sendTo(other.boundPort(), "PARVALON_DISCOVER");
  const auto reply = client_.receive();
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->first, std::string("PARVALON_HOST\0Parvalon Host\0" "9000\0", 33));
}

TEST_F(Discovery, StopEndsTheListenerWithinASecond) {
  const auto t0 = std::chrono::steady_clock::now();
  responder_.stop();
  EXPECT_LT(std::chrono::steady_clock::now() - t0, 1100ms);
  EXPECT_TRUE(log_.has(kInfo, "Discovery responder stopped"));
  EXPECT_FALSE(responder_.isRunning());
}

TEST_F(Discovery, SecondStartOnlyWarns) {
  EXPECT_TRUE(responder_.start());
  EXPECT_TRUE(log_.has(kWarn, "Discovery responder already running"));
  client_.sendTo(port(), "PARVALON_DISCOVER");
  EXPECT_TRUE(client_.receive());
}

TEST_F(Discovery, BindFailureIsReportedAndLeavesNothingRunning) {
  // A socket bound without address reuse keeps the port to itself.
  asio::io_context io;
  udp::socket holder(io, udp::endpoint(udp::v4(), 0));
  const auto taken = holder.local_endpoint().port();
  DiscoveryResponder other("TESTHOST", 9876, taken);
  EXPECT_FALSE(other.start());
  EXPECT_FALSE(other.isRunning());
  // Then the system's number: EADDRINUSE (98) on Linux, an access error on Windows.
  const std::string line = "Failed to bind discovery socket to port " + std::to_string(taken) + ": ";
  EXPECT_TRUE(log_.contains(line));
#ifndef _WIN32
  EXPECT_TRUE(log_.has(kError, line + "98"));
#endif
}

}  // namespace
}  // namespace parvalon::host
