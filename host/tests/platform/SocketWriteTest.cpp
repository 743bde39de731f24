// The deadline write and its classification of failures, over real sockets on 127.0.0.1, on
// Linux and on Windows alike.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include "platform/SocketError.h"
#include "platform/SocketWrite.h"
#include "support/LoopbackClient.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
using testing::LoopbackClient;
namespace asio = boost::asio;

// One accepted connection: `server_` is the side the write runs on.
class SocketWrite : public ::testing::Test {
 protected:
  void connect(LoopbackClient::Options options = {}) {
    client_.emplace(acceptor_.local_endpoint().port(), options);
    ASSERT_TRUE(client_->connected());
    acceptor_.accept(server_);
  }
  std::error_code write(const std::vector<std::uint8_t>& bytes, std::chrono::milliseconds timeout,
                        const std::atomic<bool>& keepGoing) {
    const platform::WriteBuffer pieces[] = {{bytes.data(), bytes.size()}};
    std::size_t written = 0;
    return platform::writeAllWithDeadline(server_.native_handle(), pieces, timeout, keepGoing, written);
  }

  asio::io_context io_;
  asio::ip::tcp::acceptor acceptor_{io_, {asio::ip::address_v4::loopback(), 0}};
  asio::ip::tcp::socket server_{io_};
  std::optional<LoopbackClient> client_;
  std::atomic<bool> running_{true};
};

// A peer that reset the connection fails the writes after it in the system's own words for a
// broken connection (WSAECONNRESET on Windows, where the POSIX numbers never appear).
TEST_F(SocketWrite, PeerThatResetIsABrokenConnection) {
  connect();
  client_->resetAndClose();
  const std::vector<std::uint8_t> chunk(64 * 1024, 7);
  std::error_code error;
  for (int i = 0; i < 200 && !error; ++i) {
    error = write(chunk, 2s, running_);
    if (!error) std::this_thread::sleep_for(10ms);
  }
  ASSERT_TRUE(error) << "every write to the reset peer succeeded";
  EXPECT_TRUE(platform::isBrokenConnection(error)) << error.value() << ": " << error.message();
}

// A peer that only stops reading may still recover: the deadline and a stop are not breaks.
TEST_F(SocketWrite, DeadlineAndStopAreNotBrokenConnections) {
  connect(LoopbackClient::Options{4096});
  const std::vector<std::uint8_t> big(8 << 20, 1);
  const auto late = write(big, 300ms, running_);
  EXPECT_EQ(late, std::make_error_code(std::errc::timed_out));
  EXPECT_FALSE(platform::isBrokenConnection(late));

  running_ = false;
  const auto stopped = write(big, 5s, running_);
  EXPECT_EQ(stopped, std::make_error_code(std::errc::operation_canceled));
  EXPECT_FALSE(platform::isBrokenConnection(stopped));
}

// A claimed listening port is the listener's alone: a second socket asking for address reuse
// (which on Windows would otherwise share the port and take connections) cannot bind it, and
// once the listener is gone the port binds again at once.
TEST(ListeningPort, ClaimedPortIsNotSharedAndIsFreeAgainOnceClosed) {
  asio::io_context io;
  const asio::ip::tcp::endpoint any(asio::ip::address_v4::loopback(), 0);
  asio::ip::tcp::acceptor first(io, any.protocol());
  ASSERT_FALSE(platform::claimListeningPort(first.native_handle()));
  first.bind(any);
  first.listen();
  const asio::ip::tcp::endpoint taken(asio::ip::address_v4::loopback(), first.local_endpoint().port());

  asio::ip::tcp::acceptor second(io, any.protocol());
  second.set_option(asio::socket_base::reuse_address(true));
  boost::system::error_code ec;
  second.bind(taken, ec);
  EXPECT_TRUE(ec) << "a second socket shares the listening port";
  second.close();

  // With a client connected and then gone, as after a host that served and quit.
  {
    LoopbackClient client(taken.port());
    ASSERT_TRUE(client.connected());
    asio::ip::tcp::socket served(io);
    first.accept(served);
  }
  first.close();
  asio::ip::tcp::acceptor again(io, any.protocol());
  ASSERT_FALSE(platform::claimListeningPort(again.native_handle()));
  again.bind(taken, ec);
  EXPECT_FALSE(ec) << ec.message();
}

}  // namespace
}  // namespace parvalon::host
