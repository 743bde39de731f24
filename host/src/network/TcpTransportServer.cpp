#include "network/TcpTransportServer.h"

#include <atomic>
#include <cerrno>
#include <mutex>
#include <thread>
#include <type_traits>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>

#include "logging/Log.h"
#include "network/ListeningAcceptor.h"
#include "protocol/FramedReader.h"
#include "protocol/PacketHeaders.h"
#include "platform/SocketWrite.h"
#include "network/TcpChannel.h"

namespace parvalon::host {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using boost::system::error_code;

namespace {

// One accepted connection with its own read state; its socket runs on a strand of its own,
// so the io thread and a polling main thread never run its handlers at once.
struct VideoConnection {
  explicit VideoConnection(tcp::socket s)
      : socket(std::move(s)), reader(TcpTransportServer::kMaxVideoMessageBytes) {}
  tcp::socket socket;
  protocol::FramedReader reader;
};

std::uint32_t timestamp90kHz() {
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  return static_cast<std::uint32_t>(us * 9 / 100);
}

// The peer is gone for good: further writes can only fail the same way.
bool isBrokenConnection(const std::error_code& ec) {
  return ec.category() == std::system_category() &&
         (ec.value() == EPIPE || ec.value() == ECONNRESET || ec.value() == ENOTCONN);
}

}  // namespace

struct TcpTransportServer::Impl {
  explicit Impl(std::uint16_t p) : port(p) {}

  void doAccept() {
    tcp_channel::acceptConnections(
        acceptor, acceptRetry, running, [this](tcp::socket socket) { handleNewConnection(std::move(socket)); },
        /*strandPerConnection=*/true);
  }
  void handleNewConnection(tcp::socket socket);
  void closeOnStrand(const std::shared_ptr<VideoConnection>& conn);
  void startRead(const std::shared_ptr<VideoConnection>& conn);
  void dispatch(std::span<const std::uint8_t> body);

  std::uint16_t port;
  asio::io_context io;
  tcp::acceptor acceptor{io};
  asio::steady_timer acceptRetry{io};
  std::shared_ptr<VideoConnection> client;
  std::thread ioThread;
  std::atomic<bool> running{false};
  // Guards client, sequence and every write; capture threads, the io thread, the polling main thread.
  std::mutex clientMutex;
  std::uint16_t sequence = 0;
  std::atomic<std::uint16_t> boundPort{0};
  FeedbackCallback feedbackCallback;
  ClientInputCallback clientInputCallback;
  KeyframeRequestCallback keyframeRequestCallback;
};

void TcpTransportServer::Impl::handleNewConnection(tcp::socket socket) {
  auto conn = std::make_shared<VideoConnection>(std::move(socket));
  error_code ec;
  tcp::endpoint peer;
  conn->socket.set_option(tcp::no_delay(true), ec);
  if (!ec) conn->socket.set_option(asio::socket_base::linger(true, 0), ec);
  if (!ec) conn->socket.set_option(asio::socket_base::reuse_address(true), ec);
  if (!ec) conn->socket.set_option(asio::socket_base::send_buffer_size(kSocketBufferBytes), ec);
  if (!ec) conn->socket.set_option(asio::socket_base::receive_buffer_size(kSocketBufferBytes), ec);
  if (!ec) {
    platform::setSendTimeout(conn->socket.native_handle(), kSendTimeout);  // writes keep their own deadline
    peer = conn->socket.remote_endpoint(ec);
  }
  if (ec) {
    // Typically the peer left before it could be configured; the accept loop carries on.
    PV_LOG_ERROR("Failed to configure TCP client socket: {}", ec.message());
    conn->socket.close(ec);
    return;
  }
  {
    std::lock_guard lock(clientMutex);
    if (client && client->socket.is_open()) {
      PV_LOG_INFO("Closing existing TCP client connection");
      closeOnStrand(client);
    }
    client = conn;
  }
  PV_LOG_INFO("TCP client connected from {}:{}", peer.address().to_string(), peer.port());
  // From here on the connection's socket is used on its strand only.
  asio::post(conn->socket.get_executor(), [this, conn] { startRead(conn); });
}

// Closing a socket while one of its reads is being issued on another thread corrupts the
// reactor's state, so a connection is closed on its own strand; under the client mutex, so a
// writer never has the descriptor taken from under it.
void TcpTransportServer::Impl::closeOnStrand(const std::shared_ptr<VideoConnection>& conn) {
  asio::post(conn->socket.get_executor(), [this, conn] {
    std::lock_guard lock(clientMutex);
    error_code ignored;
    conn->socket.close(ignored);
  });
}

void TcpTransportServer::Impl::startRead(const std::shared_ptr<VideoConnection>& conn) {
  tcp_channel::readFramedMessages(conn, clientMutex, client, "TCP",
                                  [this](std::span<const std::uint8_t> body) { dispatch(body); });
}

void TcpTransportServer::Impl::dispatch(std::span<const std::uint8_t> body) {
  const auto message = protocol::decodeVideoClientMessage(body);
  if (!message) return;
  std::visit(
      [this](const auto& m) {
        using T = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<T, protocol::ClientInput>) {
          if (clientInputCallback) clientInputCallback(m);
        } else if constexpr (std::is_same_v<T, protocol::ClientFeedback>) {
          if (feedbackCallback) feedbackCallback(m);
        } else {
          if (keyframeRequestCallback) keyframeRequestCallback(m.streamId);
        }
      },
      *message);
}

TcpTransportServer::TcpTransportServer(std::uint16_t port) : impl_(std::make_shared<Impl>(port)) {}

TcpTransportServer::~TcpTransportServer() { stop(); }

bool TcpTransportServer::start() {
  auto& d = *impl_;
  std::string error;
  if (!tcp_channel::startListening(d, [&d] { tcp_channel::runUntilStopped(d.io, "TCP transport"); }, error)) {
    PV_LOG_ERROR("Failed to start TCP transport: {}", error);
    return false;
  }
  PV_LOG_INFO("TCP transport server listening on port {}", d.boundPort.load());
  return true;
}

void TcpTransportServer::stop() {
  auto& d = *impl_;
  if (!d.running.exchange(false)) return;
  try {
    // The io thread is joined before anything is closed, so no handler is using the acceptor or
    // a socket then (poll runs on the thread that calls stop). A write in progress sees running
    // cleared and gives up within its check interval.
    tcp_channel::stopWithConnection(d);
    PV_LOG_INFO("TCP transport server stopped");
  } catch (...) {
  }
}

void TcpTransportServer::poll() { impl_->io.poll(); }

void TcpTransportServer::sendVideoFrame(std::uint8_t streamId, const std::uint8_t* data, std::size_t size,
                                        bool isKeyframe) {
  auto& d = *impl_;
  std::lock_guard lock(d.clientMutex);
  if (!d.client || !d.client->socket.is_open()) return;
  const auto header = protocol::encode(
      protocol::makeVideoPacketHeader(streamId, size, d.sequence++, timestamp90kHz(), isKeyframe));
  const platform::WriteBuffer pieces[] = {{header.data(), header.size()}, {data, size}};
  std::size_t written = 0;
  const auto ec = platform::writeAllWithDeadline(d.client->socket.native_handle(), pieces, kSendTimeout, d.running, written);
  if (!ec) return;
  PV_LOG_ERROR("TCP send failed: {}", ec.message());
  if (written > 0) {
    // Part of the packet went out: the client can no longer find packet boundaries.
    PV_LOG_WARN("Closing TCP client after a partial packet ({} of {} bytes)", written, header.size() + size);
  } else if (!isBrokenConnection(ec)) {
    return;  // nothing went out and the connection may recover: keep it
  }
  d.closeOnStrand(d.client);
  d.client.reset();
}

void TcpTransportServer::setFeedbackCallback(FeedbackCallback cb) { impl_->feedbackCallback = std::move(cb); }
void TcpTransportServer::setClientInputCallback(ClientInputCallback cb) {
  impl_->clientInputCallback = std::move(cb);
}
void TcpTransportServer::setKeyframeRequestCallback(KeyframeRequestCallback cb) {
  impl_->keyframeRequestCallback = std::move(cb);
}

std::uint16_t TcpTransportServer::boundPort() const { return impl_->boundPort.load(); }

bool TcpTransportServer::hasClient() const {
  std::lock_guard lock(impl_->clientMutex);
  return impl_->client && impl_->client->socket.is_open();
}

}  // namespace parvalon::host
