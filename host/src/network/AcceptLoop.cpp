#include "network/AcceptLoop.h"

#include <exception>
#include <system_error>

#include <boost/asio/strand.hpp>

#include "logging/Log.h"
#include "platform/SocketWrite.h"

namespace parvalon::host {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using boost::system::error_code;

AcceptLoop::AcceptLoop(asio::io_context& io) : io_(io), acceptor_(io), retry_(io) {}

std::uint16_t AcceptLoop::open(std::uint16_t port, const std::string& address) {
  const tcp::endpoint endpoint = address.empty() ? tcp::endpoint(tcp::v4(), port)
                                                 : tcp::endpoint(asio::ip::make_address_v4(address), port);
  try {
    acceptor_.open(endpoint.protocol());
    if (const std::error_code ec = platform::claimListeningPort(acceptor_.native_handle())) {
      throw std::system_error(ec, "set_option");
    }
    acceptor_.bind(endpoint);
    acceptor_.listen(asio::socket_base::max_listen_connections);
    return acceptor_.local_endpoint().port();
  } catch (...) {
    error_code ignored;
    acceptor_.close(ignored);
    throw;
  }
}

void AcceptLoop::start(OnAccepted onAccepted, OnFailed onFailed) {
  onAccepted_ = std::move(onAccepted);
  onFailed_ = std::move(onFailed);
  open_ = true;
  acceptNext();
}

void AcceptLoop::close() {
  open_ = false;
  error_code ignored;
  acceptor_.close(ignored);
  retry_.cancel();
}

void AcceptLoop::acceptNext() {
  acceptor_.async_accept(asio::make_strand(io_),
                         [this](const error_code& ec, tcp::socket socket) { onAccept(ec, std::move(socket)); });
}

void AcceptLoop::onAccept(const error_code& ec, tcp::socket socket) {
  if (!open_.load()) return;  // closing: the aborted accept is silent
  if (ec) {
    if (onFailed_) onFailed_(ec);
    retry_.expires_after(kRetryDelay);
    retry_.async_wait([this](const error_code& waitError) {
      if (!waitError && open_.load()) acceptNext();
    });
    return;
  }
  try {
    onAccepted_(std::move(socket));
  } catch (const std::exception& e) {
    // One connection's trouble must not end the accepting.
    PV_LOG_ERROR("Accepted connection failed: {}", e.what());
  } catch (...) {
    PV_LOG_ERROR("Accepted connection failed: {}", "unknown exception");
  }
  acceptNext();
}

}  // namespace parvalon::host
