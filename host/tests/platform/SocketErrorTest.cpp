// The words a socket failure is logged with and whether it ends the connection, for the codes
// each system really produces: Asio's (their numbers are the platform's own) and the deadline
// write's. Under mingw the C runtime knows no words for ETIMEDOUT or ECANCELED ("Unknown
// error"), and Windows' own words differ from Linux's: the texts must still read the same.

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <system_error>

#include <boost/asio/error.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include "platform/SocketError.h"
#include "support/LoopbackClient.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
namespace asio = boost::asio;

struct ErrorCase {
  const char* name;
  std::error_code error;
  const char* text;
  bool broken;
};

class SocketErrorWords : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SocketErrorWords, ReadTheSameOnEverySystem) {
  const auto& c = GetParam();
  EXPECT_EQ(platform::socketErrorText(c.error), c.text) << c.error.value() << " " << c.error.category().name();
  EXPECT_EQ(platform::isBrokenConnection(c.error), c.broken);
}

std::error_code asioCode(asio::error::basic_errors e) { return boost::system::error_code(e); }

INSTANTIATE_TEST_SUITE_P(
    Codes, SocketErrorWords,
    ::testing::Values(
        // What the deadline write gives.
        ErrorCase{"DeadlinePassed", std::make_error_code(std::errc::timed_out), "Connection timed out", false},
        ErrorCase{"WriteStopped", std::make_error_code(std::errc::operation_canceled), "Operation canceled", false},
        // Asio's codes carry the system's numbers (Winsock's on Windows).
        ErrorCase{"AsioTimedOut", asioCode(asio::error::timed_out), "Connection timed out", false},
        ErrorCase{"AsioAborted", asioCode(asio::error::operation_aborted), "Operation canceled", false},
        ErrorCase{"AsioReset", asioCode(asio::error::connection_reset), "Connection reset by peer", true},
        ErrorCase{"AsioConnectionAborted", asioCode(asio::error::connection_aborted),
                  "Software caused connection abort", true},
        ErrorCase{"AsioNotConnected", asioCode(asio::error::not_connected), "Transport endpoint is not connected",
                  true},
        ErrorCase{"AsioShutDown", asioCode(asio::error::shut_down), "Cannot send after transport endpoint shutdown",
                  true},
        ErrorCase{"AsioBrokenPipe", asioCode(asio::error::broken_pipe), "Broken pipe", true},
        // Asio's own category: its words are the same everywhere already.
        ErrorCase{"EndOfStream", boost::system::error_code(asio::error::eof), "End of file", false}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

// Anything else keeps the error's own message: the host adds no words of its own.
TEST(SocketErrorOther, KeepsTheSystemsMessage) {
  const std::error_code inUse = asioCode(asio::error::address_in_use);
  EXPECT_EQ(platform::classifySocketError(inUse), platform::SocketFailure::Other);
  EXPECT_EQ(platform::socketErrorText(inUse), inUse.message());
  EXPECT_FALSE(platform::isBrokenConnection(inUse));
  EXPECT_EQ(platform::classifySocketError({}), platform::SocketFailure::None);
}

// The completions a real Asio socket delivers, which on Windows are Win32 codes of overlapped
// I/O (ERROR_OPERATION_ABORTED, ERROR_NETNAME_DELETED) rather than Winsock's.
class SocketErrorFromReads : public ::testing::Test {
 protected:
  void SetUp() override {
    client_.emplace(acceptor_.local_endpoint().port());
    ASSERT_TRUE(client_->connected());
    acceptor_.accept(server_);
  }
  // The error the server's next read completes with, `act` having run once the read is issued.
  template <class Act>
  std::error_code readFailure(Act act) {
    boost::system::error_code result;
    bool done = false;
    server_.async_read_some(asio::buffer(buffer_), [&](const boost::system::error_code& ec, std::size_t) {
      result = ec;
      done = true;
    });
    act();
    io_.restart();
    io_.run_for(5s);
    EXPECT_TRUE(done) << "the read never completed";
    return result;
  }

  asio::io_context io_;
  asio::ip::tcp::acceptor acceptor_{io_, {asio::ip::address_v4::loopback(), 0}};
  asio::ip::tcp::socket server_{io_};
  std::optional<testing::LoopbackClient> client_;
  char buffer_[64];
};

TEST_F(SocketErrorFromReads, CancelledReadIsCancelled) {
  const auto error = readFailure([&] { server_.cancel(); });
  EXPECT_EQ(platform::classifySocketError(error), platform::SocketFailure::Cancelled) << error.message();
  EXPECT_EQ(platform::socketErrorText(error), "Operation canceled");
}

TEST_F(SocketErrorFromReads, PeerThatResetIsReset) {
  const auto error = readFailure([&] { client_->resetAndClose(); });
  EXPECT_EQ(platform::classifySocketError(error), platform::SocketFailure::Reset) << error.message();
  EXPECT_EQ(platform::socketErrorText(error), "Connection reset by peer");
  EXPECT_TRUE(platform::isBrokenConnection(error));
}

TEST_F(SocketErrorFromReads, OrderlyEndIsEndOfFile) {
  const auto error = readFailure([&] { client_->close(); });
  EXPECT_EQ(platform::socketErrorText(error), "End of file");
  EXPECT_FALSE(platform::isBrokenConnection(error));
}

}  // namespace
}  // namespace parvalon::host
