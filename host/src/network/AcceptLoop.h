#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

namespace parvalon::host {

// A listening socket on one or every IPv4 interface and the loop that accepts on it, each connection
// on a strand of its own. A failed accept (out of descriptors and the like) pauses the loop for
// kRetryDelay instead of spinning on the same error or giving up.
class AcceptLoop {
 public:
  using OnAccepted = std::function<void(boost::asio::ip::tcp::socket)>;
  using OnFailed = std::function<void(const boost::system::error_code&)>;

  static constexpr std::chrono::milliseconds kRetryDelay{100};

  explicit AcceptLoop(boost::asio::io_context& io);
  AcceptLoop(const AcceptLoop&) = delete;
  AcceptLoop& operator=(const AcceptLoop&) = delete;

  // Binds `port` (0: the kernel picks) on `address` (dotted IPv4; empty: every interface) with
  // address reuse and the largest backlog and returns the bound port. Throws
  // boost::system::system_error naming the failing step (or a bad address); the socket is
  // closed again then.
  std::uint16_t open(std::uint16_t port, const std::string& address = {});
  // Queues the first accept; call before the io context runs on another thread. `onFailed`
  // hears every accept error while the loop is open.
  void start(OnAccepted onAccepted, OnFailed onFailed = {});
  // Closes the listening socket; on the io context's thread or once no thread runs it.
  void close();

 private:
  void acceptNext();
  void onAccept(const boost::system::error_code& ec, boost::asio::ip::tcp::socket socket);

  boost::asio::io_context& io_;
  boost::asio::ip::tcp::acceptor acceptor_;
  boost::asio::steady_timer retry_;
  std::atomic<bool> open_{false};  // read by handlers, cleared by close
  OnAccepted onAccepted_;
  OnFailed onFailed_;
};

}  // namespace parvalon::host
