#include <gtest/gtest.h>

#include <string>

#include "fakes/LogCapture.h"
#include "network/DiscoveryResponder.h"
#include "network/LoopbackSocket.h"

namespace parvalon::host {
namespace {

using namespace testing;

// A UDP socket on 127.0.0.1 that sends only to 127.0.0.1.
class LoopbackUdp {
 public:
  LoopbackUdp() : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    const auto sa = loopback(0);
    ::bind(fd_, reinterpret_cast<const sockaddr*>(&sa), sizeof(sa));
  }
  ~LoopbackUdp() { ::close(fd_); }
  std::uint16_t port() const { return localPortOf(fd_); }

  void sendTo(std::uint16_t port, const std::string& text) {
    const auto sa = loopback(port);
    ::sendto(fd_, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&sa), sizeof(sa));
  }
  // The next datagram and the port it came from, or nullopt after `timeout`.
  std::optional<std::pair<std::string, std::uint16_t>> receive(std::chrono::milliseconds timeout = 2000ms) {
    pollfd pfd{fd_, POLLIN, 0};
    if (::poll(&pfd, 1, static_cast<int>(timeout.count())) <= 0) return std::nullopt;
    char buffer[2048];
    sockaddr_in from{};
    socklen_t len = sizeof(from);
    const auto n = ::recvfrom(fd_, buffer, sizeof(buffer), 0, reinterpret_cast<sockaddr*>(&from), &len);
    if (n < 0) return std::nullopt;
    return std::pair{std::string(buffer, static_cast<std::size_t>(n)), ntohs(from.sin_port)};
  }

 private:
  int fd_;
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
  EXPECT_TRUE(log_.has(kWarn, "Discovery recvfrom error: 90"));  // EMSGSIZE
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
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  auto sa = loopback(0);
  sa.sin_addr.s_addr = htonl(INADDR_ANY);
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&sa), sizeof(sa)), 0);
  const auto taken = localPortOf(fd);
  DiscoveryResponder other("TESTHOST", 9876, taken);
  EXPECT_FALSE(other.start());
  EXPECT_FALSE(other.isRunning());
  EXPECT_TRUE(log_.has(kError, "Failed to bind discovery socket to port " + std::to_string(taken) + ": 98"));
  ::close(fd);
}

}  // namespace
}  // namespace parvalon::host
