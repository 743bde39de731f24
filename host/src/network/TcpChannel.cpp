#include "network/TcpChannel.h"

#include <atomic>
#include <exception>
#include <utility>

#include <boost/asio/post.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/steady_timer.hpp>

#include "logging/Log.h"
#include "network/IoRunner.h"
#include "platform/SocketError.h"
#include "platform/SocketWrite.h"
#include "protocol/FramedReader.h"

namespace parvalon::host {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using boost::system::error_code;

namespace {

// How long a connection may wait for its address's signaling session to be approved, and how
// often it looks.
constexpr std::chrono::milliseconds kAdmissionGrace{1000};
constexpr std::chrono::milliseconds kAdmissionPoll{25};

// Shared by every channel, so that a number names one connection of the whole process.
std::atomic<TcpChannel::ConnectionId> lastConnectionId{0};

}  // namespace

// One accepted connection with its own read state, so a replaced connection's late completion
// never lands in the buffers of the one that replaced it. Its socket runs on a strand of its own.
struct TcpChannel::Connection {
  Connection(tcp::socket s, std::uint32_t maxMessageBytes)
      : socket(std::move(s)), reader(maxMessageBytes), id(++lastConnectionId) {}
  tcp::socket socket;
  protocol::FramedReader reader;
  const ConnectionId id;
  std::atomic<bool> goneReported{false};
  std::string address;          // the peer's, fixed once accepted
  bool droppingLogged = false;  // on its strand: "dropped" is said once per connection
};

TcpChannel::TcpChannel(std::uint16_t port, TcpChannelOptions options) : port_(port), options_(std::move(options)) {}

TcpChannel::~TcpChannel() { stop(); }

bool TcpChannel::start(std::string& error) {
  if (running_.load()) return true;
  try {
    boundPort_ = acceptLoop_.open(port_, options_.bindAddress);
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
  running_ = true;
  // Queued before the io thread starts, so that only that thread touches the listener from now on.
  acceptLoop_.start([this](tcp::socket socket) { onAccepted(std::move(socket)); });
  ioThread_ = std::thread([this] { io_runner::runUntilStopped(io_, options_.ioLabel); });
  return true;
}

bool TcpChannel::stop() {
  if (!running_.exchange(false)) return false;
  try {
    // The io thread is joined before anything is closed: neither the listener nor a socket is
    // safe to close while one of its handlers may run. A write in progress sees running_
    // cleared and gives up within its check interval.
    io_.stop();
    if (ioThread_.joinable()) ioThread_.join();
    acceptLoop_.close();
    std::lock_guard lock(connectionMutex_);
    error_code ignored;
    if (connection_) connection_->socket.close(ignored);
    connection_.reset();
  } catch (const std::exception& e) {
    PV_LOG_ERROR("{} stop failed: {}", options_.ioLabel, e.what());
  }
  return true;
}

void TcpChannel::poll() { io_runner::pollReady(io_, options_.ioLabel); }

void TcpChannel::setMessageHandler(MessageHandler handler) { messageHandler_.set(std::move(handler)); }

bool TcpChannel::hasClient() const {
  std::lock_guard lock(connectionMutex_);
  return hasConnectionLocked();
}

bool TcpChannel::hasConnectionLocked() const { return connection_ && connection_->socket.is_open(); }

bool TcpChannel::configure(tcp::socket& socket, error_code& ec) {
  socket.set_option(tcp::no_delay(true), ec);
  if (!ec && options_.resetOnClose) socket.set_option(asio::socket_base::linger(true, 0), ec);
  if (!ec) socket.set_option(asio::socket_base::reuse_address(true), ec);
  if (!ec && options_.sendBufferBytes > 0) {
    socket.set_option(asio::socket_base::send_buffer_size(options_.sendBufferBytes), ec);
  }
  if (!ec && options_.receiveBufferBytes > 0) {
    socket.set_option(asio::socket_base::receive_buffer_size(options_.receiveBufferBytes), ec);
  }
  // Writes keep their own deadline; a failure of this option is not one of the connection.
  if (!ec && options_.sendTimeout.count() > 0) platform::setSendTimeout(socket.native_handle(), options_.sendTimeout);
  return !ec;
}

void TcpChannel::onAccepted(tcp::socket socket) {
  auto conn = std::make_shared<Connection>(std::move(socket), options_.maxMessageBytes);
  error_code ec;
  tcp::endpoint peer;
  // Configured before it replaces anything: a peer that already left must not cost the
  // working connection.
  if (configure(conn->socket, ec)) peer = conn->socket.remote_endpoint(ec);
  if (ec) {
    PV_LOG_ERROR("{}: {}", options_.configureFailed, platform::socketErrorText(ec));
    conn->socket.close(ec);
    return;
  }
  conn->address = peer.address().to_string();
  awaitAdmission(conn, peer, std::chrono::steady_clock::now() + kAdmissionGrace);
}

// A headset opens its channels alongside its hello, so a connection may arrive a moment before
// the signaling session from its address is approved: it waits for that, briefly, off the
// accept path.
void TcpChannel::awaitAdmission(const std::shared_ptr<Connection>& conn, const tcp::endpoint& peer,
                                std::chrono::steady_clock::time_point deadline) {
  if (admits(conn->address)) {
    registerConnection(conn, peer);
    return;
  }
  error_code ec;
  if (std::chrono::steady_clock::now() >= deadline) {
    // Refused before it replaces anything: a stranger cannot knock the headset off the channel.
    PV_LOG_WARN("{} connection from {} refused: no approved signaling session from that address", options_.label,
                conn->address);
    conn->socket.close(ec);
    return;
  }
  auto timer = std::make_shared<asio::steady_timer>(conn->socket.get_executor(), kAdmissionPoll);
  timer->async_wait([this, conn, peer, deadline, timer](const error_code& waited) {
    if (waited) return;  // the channel is stopping: the connection goes with the handler
    awaitAdmission(conn, peer, deadline);
  });
}

void TcpChannel::registerConnection(const std::shared_ptr<Connection>& conn, const tcp::endpoint& peer) {
  std::shared_ptr<Connection> previous;
  {
    std::lock_guard lock(connectionMutex_);
    if (hasConnectionLocked()) {
      PV_LOG_INFO("{}", options_.closingPrevious);
      previous = connection_;
    }
    connection_ = conn;
  }
  PV_LOG_INFO("{} client connected from {}:{}", options_.label, peer.address().to_string(), peer.port());
  if (previous) {
    // The replaced connection ends on its strand, after a message of it still being handled,
    // and its end is reported before the newer connection's first read starts.
    closeOnStrand(previous, conn);
  } else {
    startReading(conn);
  }
}

// From here on the connection's socket is used on its strand only.
void TcpChannel::startReading(const std::shared_ptr<Connection>& conn) {
  if (options_.maxMessageBytes > 0) asio::post(conn->socket.get_executor(), [this, conn] { readNext(conn); });
}

// Closing a socket while one of its reads is being issued on another thread corrupts the
// reactor's state, so a connection is closed on its own strand; under the connection lock, so
// a writer never has the descriptor taken from under it. Its end is reported there, then the
// connection that replaced it (if any) starts reading.
void TcpChannel::closeOnStrand(const std::shared_ptr<Connection>& conn, std::shared_ptr<Connection> next) {
  asio::post(conn->socket.get_executor(), [this, conn, next = std::move(next)] {
    {
      std::lock_guard lock(connectionMutex_);
      error_code ignored;
      conn->socket.close(ignored);
    }
    reportGone(*conn);
    if (next) startReading(next);
  });
}

void TcpChannel::readNext(const std::shared_ptr<Connection>& conn) {
  if (!conn->socket.is_open()) return;
  const auto target = conn->reader.pending();
  asio::async_read(conn->socket, asio::buffer(target.data(), target.size()),
                   [this, conn](const error_code& ec, std::size_t) { onRead(conn, ec); });
}

// A failure between messages is the peer leaving: the connection is closed and, when it is
// still the registered one, forgotten. A failure inside a message only ends the reading.
void TcpChannel::onRead(const std::shared_ptr<Connection>& conn, const error_code& ec) {
  if (ec) {
    if (conn->reader.phase() == protocol::FramedReader::Phase::Header) {
      PV_LOG_INFO("{} client disconnected: {}", options_.label, platform::socketErrorText(ec));
      std::lock_guard lock(connectionMutex_);
      error_code ignored;
      conn->socket.close(ignored);
      // A replaced connection's late failure must not drop the connection that replaced it.
      if (connection_ == conn) connection_.reset();
    } else {
      PV_LOG_INFO("{} read error: {}", options_.label, platform::socketErrorText(ec));
    }
    reportGone(*conn);  // once: a replaced or closed connection was reported already
    return;
  }
  {
    // Messages come only from the registered connection; a replaced one is not read any more.
    std::lock_guard lock(connectionMutex_);
    if (connection_ != conn) return;
  }
  // Before the message is handled: a client's next message may leave while this one is.
  platform::acknowledgePromptly(static_cast<platform::NativeSocket>(conn->socket.native_handle()));
  switch (conn->reader.complete()) {
    case protocol::FramedReader::Outcome::TooLarge:
      PV_LOG_ERROR("{} message too large: {} bytes", options_.label, conn->reader.length());
      reportGone(*conn);
      return;
    case protocol::FramedReader::Outcome::Message:
      if (admits(conn->address)) {
        deliver(conn->id, conn->reader.body());
      } else if (!conn->droppingLogged) {
        conn->droppingLogged = true;
        PV_LOG_WARN("{} messages from {} dropped: its signaling session is no longer approved", options_.label,
                    conn->address);
      }
      break;
    case protocol::FramedReader::Outcome::Skipped:
    case protocol::FramedReader::Outcome::ReadBody:
      break;
  }
  readNext(conn);
}

// A throwing handler costs its one message, never the reading of the connection.
void TcpChannel::deliver(ConnectionId connection, std::span<const std::uint8_t> body) {
  const auto handler = messageHandler_.get();
  if (!handler || !*handler) return;
  try {
    (*handler)(connection, body);
  } catch (const std::exception& e) {
    PV_LOG_ERROR("{} message handler failed: {}", options_.label, e.what());
  } catch (...) {
    PV_LOG_ERROR("{} message handler failed: {}", options_.label, "unknown exception");
  }
}

void TcpChannel::setClientGoneHandler(ClientGoneHandler handler) { clientGoneHandler_.set(std::move(handler)); }

void TcpChannel::setConnectionFilter(ConnectionFilter filter) { connectionFilter_.set(std::move(filter)); }

bool TcpChannel::admits(const std::string& address) const {
  const auto filter = connectionFilter_.get();
  return !filter || !*filter || (*filter)(address);
}

void TcpChannel::reportGone(Connection& conn) {
  if (conn.goneReported.exchange(true)) return;
  const auto handler = clientGoneHandler_.get();
  if (!handler || !*handler) return;
  try {
    (*handler)(conn.id);
  } catch (const std::exception& e) {
    PV_LOG_ERROR("{} disconnect handler failed: {}", options_.label, e.what());
  } catch (...) {
    PV_LOG_ERROR("{} disconnect handler failed: {}", options_.label, "unknown exception");
  }
}

bool TcpChannel::writeLocked(const std::uint8_t* header, std::size_t headerSize, const std::uint8_t* data,
                             std::size_t size) {
  const platform::WriteBuffer pieces[] = {{header, headerSize}, {data, size}};
  std::size_t written = 0;
  const auto ec = platform::writeAllWithDeadline(connection_->socket.native_handle(), pieces,
                                                 options_.writeDeadline, running_, written);
  if (!ec) return true;
  PV_LOG_ERROR("{} send failed: {}", options_.label, platform::socketErrorText(ec));
  if (options_.keepAfterCleanWriteFailure) {
    if (written > 0) {
      // Part of the packet went out: the client can no longer find packet boundaries.
      PV_LOG_WARN("Closing {} client after a partial packet ({} of {} bytes)", options_.label, written,
                  headerSize + size);
    } else if (!platform::isBrokenConnection(ec)) {
      return false;  // nothing went out and the connection may recover: keep it
    }
  }
  closeOnStrand(connection_);
  connection_.reset();
  return false;
}

}  // namespace parvalon::host
