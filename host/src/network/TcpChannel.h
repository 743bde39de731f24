#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>

#include "network/AcceptLoop.h"
#include "network/HandlerSlot.h"

namespace parvalon::host {

// What makes one TCP channel differ from the others: its log texts, socket options and limits.
struct TcpChannelOptions {
  std::string label;            // starts the connection lines: "<label> client connected from ..."
  std::string ioLabel;          // "<ioLabel> IO error: ..."
  std::string closingPrevious;  // logged when a new connection replaces the registered one
  std::string configureFailed;  // "<configureFailed>: <error>" when a new socket cannot be set up
  std::uint32_t maxMessageBytes = 0;  // longest client message; 0: the channel never reads
  bool resetOnClose = false;          // SO_LINGER 0: closing resets the connection
  int sendBufferBytes = 0;            // 0: the system's size
  int receiveBufferBytes = 0;         // 0: the system's size
  std::chrono::milliseconds sendTimeout{0};  // SO_SNDTIMEO when above 0
  std::chrono::milliseconds writeDeadline{2000};
  // A failed write that sent nothing, on a connection that may still recover, keeps it;
  // otherwise every failed write drops the connection.
  bool keepAfterCleanWriteFailure = false;
  std::string bindAddress;  // dotted IPv4 to listen on; empty: every interface
};

// One TCP channel of the host: a listener on every IPv4 interface, one registered connection
// (a newer one replaces it), length-prefixed client messages read with the channel's limit and
// handed to the message handler, and whole-packet writes with a deadline. Each accepted
// connection gets a number of its own (unique in the process, never 0), which comes with its
// messages and its end. The io thread runs the accept and read handlers; `poll` may run them
// on a second thread (each connection has a strand). Logs "<label> client disconnected: ...", "<label> read error: ...", "<label> message
// too large: N bytes", "<label> send failed: ..." and the texts of the options.
class TcpChannel {
 public:
  using ConnectionId = std::uint64_t;
  using MessageHandler = std::function<void(ConnectionId connection, std::span<const std::uint8_t> body)>;
  using ClientGoneHandler = std::function<void(ConnectionId connection)>;
  // Whether a peer at `address` may use the channel.
  using ConnectionFilter = std::function<bool(const std::string& address)>;

  TcpChannel(std::uint16_t port, TcpChannelOptions options);
  ~TcpChannel();
  TcpChannel(const TcpChannel&) = delete;
  TcpChannel& operator=(const TcpChannel&) = delete;

  // Listens and starts the io thread; false with `error` set when the port cannot be opened.
  // True at once when already running.
  bool start(std::string& error);
  // Stops the io thread, then closes the listener and the connection; false when not running.
  bool stop();
  void poll();

  // Any thread, any time; a message being handled finishes with the handler it started with.
  void setMessageHandler(MessageHandler handler);
  // Any thread, any time. Called once per connection, on the reading thread after that
  // connection's last message was handled, when its messages stop being read: it left, failed,
  // sent an oversized message, was closed after a failed write or was replaced (then before the
  // newer client's first message). Not called for the connection `stop` closes.
  void setClientGoneHandler(ClientGoneHandler handler);
  // Any thread, any time. Asked for each new connection (one it refuses is closed at once, with
  // a warning naming the address) and again for each message (one from an address that lost
  // its approval is dropped). None installed: everyone may connect.
  void setConnectionFilter(ConnectionFilter filter);

  // Writes `makeHeader()` then the payload to the registered connection as one packet, under
  // the connection lock so packets never interleave; without a connection nothing happens and
  // `makeHeader` is not called (it may take a sequence number). Blocks up to the write deadline.
  // True when the whole packet was written.
  template <class MakeHeader>
  bool send(MakeHeader makeHeader, const std::uint8_t* data, std::size_t size) {
    std::lock_guard lock(connectionMutex_);
    if (!hasConnectionLocked()) return false;
    const auto header = makeHeader();
    return writeLocked(header.data(), header.size(), data, size);
  }

  std::uint16_t boundPort() const { return boundPort_.load(); }
  bool hasClient() const;
  bool isRunning() const { return running_.load(); }

 private:
  struct Connection;

  void onAccepted(boost::asio::ip::tcp::socket socket);
  void awaitAdmission(const std::shared_ptr<Connection>& conn, const boost::asio::ip::tcp::endpoint& peer,
                      std::chrono::steady_clock::time_point deadline);
  void registerConnection(const std::shared_ptr<Connection>& conn, const boost::asio::ip::tcp::endpoint& peer);
  bool configure(boost::asio::ip::tcp::socket& socket, boost::system::error_code& ec);
  void readNext(const std::shared_ptr<Connection>& conn);
  void onRead(const std::shared_ptr<Connection>& conn, const boost::system::error_code& ec);
  void startReading(const std::shared_ptr<Connection>& conn);
  void deliver(ConnectionId connection, std::span<const std::uint8_t> body);
  void reportGone(Connection& conn);
  void closeOnStrand(const std::shared_ptr<Connection>& conn, std::shared_ptr<Connection> next = nullptr);
  bool hasConnectionLocked() const;
  bool admits(const std::string& address) const;
  bool writeLocked(const std::uint8_t* header, std::size_t headerSize, const std::uint8_t* data, std::size_t size);

  const std::uint16_t port_;
  const TcpChannelOptions options_;
  // Declared first so that it goes last: sockets and the listener need it until they are gone.
  boost::asio::io_context io_;
  AcceptLoop acceptLoop_{io_};
  std::thread ioThread_;
  std::atomic<bool> running_{false};
  std::atomic<std::uint16_t> boundPort_{0};
  // Guards connection_ and every write; writer threads, the io thread, the polling thread, stop.
  mutable std::mutex connectionMutex_;
  std::shared_ptr<Connection> connection_;
  HandlerSlot<MessageHandler> messageHandler_;
  HandlerSlot<ClientGoneHandler> clientGoneHandler_;
  HandlerSlot<ConnectionFilter> connectionFilter_;
};

}  // namespace parvalon::host
