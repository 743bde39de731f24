#include "network/TcpAudioServer.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/steady_timer.hpp>

#include "logging/Log.h"
#include "network/ListeningAcceptor.h"
#include "protocol/PacketHeaders.h"
#include "platform/SocketWrite.h"
#include "network/TcpChannel.h"

namespace parvalon::host {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using boost::system::error_code;

namespace {

std::uint32_t timestampMs() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  return static_cast<std::uint32_t>(ms);
}

}  // namespace

struct TcpAudioServer::Impl {
  explicit Impl(std::uint16_t p) : port(p) {}

  void runIo();
  void doAccept() {
    tcp_channel::acceptConnections(acceptor, acceptRetry, running,
                                   [this](tcp::socket socket) { handleNewConnection(std::move(socket)); });
  }
  void handleNewConnection(tcp::socket socket);
  void dropClientLocked();

  std::uint16_t port;
  asio::io_context io;
  tcp::acceptor acceptor{io};
  asio::steady_timer acceptRetry{io};
  std::unique_ptr<tcp::socket> client;
  std::thread ioThread;
  std::atomic<bool> running{false};
  // Guards client, sequence and every write; the audio capture thread, the io thread, stop.
  mutable std::mutex clientMutex;
  std::uint16_t sequence = 0;
  std::atomic<std::uint16_t> boundPort{0};
};

void TcpAudioServer::Impl::runIo() {
  // The guard keeps run_for waiting out its slice even when no operation is pending.
  auto work = asio::make_work_guard(io);
  while (running.load()) {
    try {
      io.run_for(kIoSlice);
    } catch (const std::exception& e) {
      PV_LOG_ERROR("TCP audio IO error: {}", e.what());
    }
    io.restart();
  }
}

void TcpAudioServer::Impl::handleNewConnection(tcp::socket socket) {
  std::lock_guard lock(clientMutex);
  error_code ec;
  tcp::endpoint peer;
  // Configured before it replaces anything: a peer that already left must not cost the
  // working connection.
  socket.set_option(tcp::no_delay(true), ec);
  if (!ec) socket.set_option(asio::socket_base::linger(true, 0), ec);
  if (!ec) socket.set_option(asio::socket_base::reuse_address(true), ec);
  if (!ec) socket.set_option(asio::socket_base::send_buffer_size(kSocketBufferBytes), ec);
  if (!ec) socket.set_option(asio::socket_base::receive_buffer_size(kSocketBufferBytes), ec);
  if (!ec) peer = socket.remote_endpoint(ec);
  if (ec) {
    PV_LOG_ERROR("Failed to configure TCP audio socket: {}", ec.message());
    socket.close(ec);
    return;
  }
  if (client && client->is_open()) {
    PV_LOG_INFO("TCP audio: Closing previous client connection");
    client->close(ec);
  }
  client = std::make_unique<tcp::socket>(std::move(socket));
  PV_LOG_INFO("TCP audio client connected from {}:{}", peer.address().to_string(), peer.port());
}

void TcpAudioServer::Impl::dropClientLocked() {
  if (!client) return;
  error_code ignored;
  client->close(ignored);
  client.reset();
}

TcpAudioServer::TcpAudioServer(std::uint16_t port) : impl_(std::make_unique<Impl>(port)) {}

TcpAudioServer::~TcpAudioServer() { stop(); }

bool TcpAudioServer::start() {
  auto& d = *impl_;
  if (d.running.load()) return true;
  std::string error;
  if (!tcp_channel::startListening(d, [&d] { d.runIo(); }, error)) {
    PV_LOG_ERROR("Failed to start TCP audio server: {}", error);
    return false;
  }
  PV_LOG_INFO("TCP audio server started on port {}", d.boundPort.load());
  return true;
}

void TcpAudioServer::stop() {
  auto& d = *impl_;
  if (!d.running.exchange(false)) return;
  try {
    // The io thread is joined before the acceptor is closed: the acceptor is not safe to close
    // while its accept handler may be running. A write in progress sees running cleared and
    // gives up within its check interval.
    tcp_channel::stopIo(d.io, d.ioThread, d.acceptor, d.acceptRetry);
    {
      std::lock_guard lock(d.clientMutex);
      d.dropClientLocked();
    }
    PV_LOG_INFO("TCP audio server stopped");
  } catch (...) {
  }
}

void TcpAudioServer::sendAudioData(std::uint8_t streamId, const std::uint8_t* data, std::size_t size) {
  auto& d = *impl_;
  std::lock_guard lock(d.clientMutex);
  if (!d.client || !d.client->is_open()) return;
  const std::uint16_t sequence = d.sequence++;
  const auto header = protocol::makeAudioPacketHeader(streamId, size, sequence, timestampMs());
  if (d.sequence <= kLoggedPacketCount) {
    PV_LOG_INFO(
        "TCP Audio packet #{}: length={} (headerSize={}, dataSize={}), type={}, streamId={}, payloadLength={}",
        sequence, header.length, protocol::kAudioPacketHeaderBytes - protocol::kLengthFieldBytes, size,
        header.common.packetType, streamId, header.common.payloadLength);
  }
  const auto bytes = protocol::encode(header);
  const platform::WriteBuffer pieces[] = {{bytes.data(), bytes.size()}, {data, size}};
  std::size_t written = 0;
  const auto ec = platform::writeAllWithDeadline(d.client->native_handle(), pieces, kSendDeadline, d.running, written);
  if (!ec) return;
  PV_LOG_ERROR("TCP audio send failed: {}", ec.message());
  d.dropClientLocked();
}

std::uint16_t TcpAudioServer::boundPort() const { return impl_->boundPort.load(); }

bool TcpAudioServer::hasClient() const {
  std::lock_guard lock(impl_->clientMutex);
  return impl_->client && impl_->client->is_open();
}

}  // namespace parvalon::host
