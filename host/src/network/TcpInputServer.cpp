#include "network/TcpInputServer.h"

#include <atomic>
#include <mutex>
#include <thread>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include "logging/Log.h"
#include "network/ListeningAcceptor.h"
#include "protocol/FramedReader.h"
#include "network/TcpChannel.h"

namespace parvalon::host {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using boost::system::error_code;

namespace {

// One accepted connection with its own read state, so a replaced connection's late completion
// never lands in the buffers of the one that replaced it.
struct InputConnection {
  explicit InputConnection(tcp::socket s)
      : socket(std::move(s)), reader(TcpInputServer::kMaxInputMessageBytes) {}
  tcp::socket socket;
  protocol::FramedReader reader;
};

}  // namespace

// Only the io thread runs this io context, so every handler (and the callback) runs there, one
// at a time; sockets are closed from that thread too, or after it has been joined.
struct TcpInputServer::Impl {
  explicit Impl(std::uint16_t p) : port(p) {}

  void doAccept() {
    tcp_channel::acceptConnections(acceptor, acceptRetry, running,
                                   [this](tcp::socket socket) { handleNewConnection(std::move(socket)); });
  }
  void handleNewConnection(tcp::socket socket);
  void startRead(const std::shared_ptr<InputConnection>& conn);
  void handleCompleteMessage(std::span<const std::uint8_t> body);

  std::uint16_t port;
  asio::io_context io;
  tcp::acceptor acceptor{io};
  asio::steady_timer acceptRetry{io};
  std::shared_ptr<InputConnection> client;
  std::thread ioThread;
  std::atomic<bool> running{false};
  // Guards client; the io thread, stop and hasClient callers.
  std::mutex clientMutex;
  std::atomic<std::uint16_t> boundPort{0};
  InputEventCallback inputEventCallback;
};

void TcpInputServer::Impl::handleNewConnection(tcp::socket socket) {
  auto conn = std::make_shared<InputConnection>(std::move(socket));
  error_code ec;
  tcp::endpoint peer;
  conn->socket.set_option(tcp::no_delay(true), ec);
  if (!ec) conn->socket.set_option(asio::socket_base::receive_buffer_size(kReceiveBufferBytes), ec);
  if (!ec) conn->socket.set_option(asio::socket_base::reuse_address(true), ec);
  if (!ec) peer = conn->socket.remote_endpoint(ec);
  if (ec) {
    // Typically the peer left before it could be configured; the registered client stays.
    PV_LOG_ERROR("Failed to configure TCP input socket: {}", ec.message());
    conn->socket.close(ec);
    return;
  }
  {
    std::lock_guard lock(clientMutex);
    if (client && client->socket.is_open()) {
      PV_LOG_INFO("Closing existing TCP input client connection");
      client->socket.close(ec);
    }
    client = conn;
  }
  PV_LOG_INFO("TCP input client connected from {}:{}", peer.address().to_string(), peer.port());
  startRead(conn);
}

void TcpInputServer::Impl::startRead(const std::shared_ptr<InputConnection>& conn) {
  tcp_channel::readFramedMessages(conn, clientMutex, client, "TCP input",
                                  [this](std::span<const std::uint8_t> body) { handleCompleteMessage(body); });
}

void TcpInputServer::Impl::handleCompleteMessage(std::span<const std::uint8_t> body) {
  const auto event = protocol::decodeInputEvent(body);
  if (!event) {
    PV_LOG_WARN("TCP input message too small: {} bytes", body.size());
    return;
  }
  if (inputEventCallback) inputEventCallback(*event);
}

TcpInputServer::TcpInputServer(std::uint16_t port) : impl_(std::make_unique<Impl>(port)) {}

TcpInputServer::~TcpInputServer() { stop(); }

bool TcpInputServer::start() {
  auto& d = *impl_;
  if (d.running.load()) return true;
  std::string error;
  if (!tcp_channel::startListening(d, [&d] { tcp_channel::runUntilStopped(d.io, "TCP input"); }, error)) {
    PV_LOG_ERROR("Failed to start TCP input server: {}", error);
    return false;
  }
  PV_LOG_INFO("TCP input server listening on port {}", d.boundPort.load());
  return true;
}

void TcpInputServer::stop() {
  auto& d = *impl_;
  if (!d.running.exchange(false)) return;
  try {
    // Sockets are closed once the io thread is gone, so no handler can be using them.
    tcp_channel::stopWithConnection(d);
    PV_LOG_INFO("TCP input server stopped");
  } catch (...) {
  }
}

void TcpInputServer::setInputEventCallback(InputEventCallback cb) { impl_->inputEventCallback = std::move(cb); }

std::uint16_t TcpInputServer::boundPort() const { return impl_->boundPort.load(); }

bool TcpInputServer::hasClient() const {
  std::lock_guard lock(impl_->clientMutex);
  return impl_->client && impl_->client->socket.is_open();
}

}  // namespace parvalon::host
