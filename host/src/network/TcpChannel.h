#pragma once

#include <atomic>
#include <chrono>
#include <exception>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <utility>

#include <boost/asio/buffer.hpp>
#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>

#include "logging/Log.h"
#include "protocol/FramedReader.h"
#include "network/ListeningAcceptor.h"

// The accept, read and stop loops the video, audio and input channels share. Each channel keeps
// one registered connection (`client`, guarded by the channel's client mutex); `channel` names
// the channel in log lines ("TCP input" gives "TCP input client disconnected: ...").
namespace parvalon::host::tcp_channel {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;
using boost::system::error_code;

inline constexpr std::chrono::milliseconds kAcceptRetryDelay{100};

// Runs the channel's io context until it is stopped. A throwing callback costs the read loop of
// that one connection, not the server.
inline void runUntilStopped(asio::io_context& io, std::string_view channel) {
  auto work = asio::make_work_guard(io);
  for (;;) {
    try {
      io.run();
      return;
    } catch (const std::exception& e) {
      PV_LOG_ERROR("{} IO error: {}", channel, e.what());
    }
  }
}

// Accepts connections while `running`, handing each to onAccepted. An accept error (out of
// descriptors and the like) pauses the loop instead of spinning on the same error. With
// `strandPerConnection` every accepted socket gets a strand of its own.
template <class OnAccepted>
void acceptConnections(tcp::acceptor& acceptor, asio::steady_timer& retry, const std::atomic<bool>& running,
                       OnAccepted onAccepted, bool strandPerConnection = false) {
  auto again = [&acceptor, &retry, &running, onAccepted, strandPerConnection] {
    acceptConnections(acceptor, retry, running, onAccepted, strandPerConnection);
  };
  auto handler = [&retry, &running, onAccepted, again](const error_code& ec, tcp::socket socket) mutable {
    if (!ec) onAccepted(std::move(socket));
    if (!running.load()) return;
    if (ec) {
      retry.expires_after(kAcceptRetryDelay);
      retry.async_wait([&running, again](const error_code& waitError) {
        if (!waitError && running.load()) again();
      });
      return;
    }
    again();
  };
  if (strandPerConnection) {
    acceptor.async_accept(asio::make_strand(acceptor.get_executor()), std::move(handler));
  } else {
    acceptor.async_accept(std::move(handler));
  }
}

// Reads length-prefixed messages from `conn` (which has `socket` and a protocol::FramedReader
// `reader`) and hands each whole body to onMessage, until the connection fails or is replaced.
// A failure between messages is the peer leaving: the connection is closed and, when it is still
// the registered one, forgotten. A failure inside a message only ends the reading.
template <class Connection, class OnMessage>
void readFramedMessages(const std::shared_ptr<Connection>& conn, std::mutex& clientMutex,
                        std::shared_ptr<Connection>& client, std::string_view channel, OnMessage onMessage) {
  if (!conn->socket.is_open()) return;
  const auto target = conn->reader.pending();
  asio::async_read(
      conn->socket, asio::buffer(target.data(), target.size()),
      [conn, &clientMutex, &client, channel, onMessage](const error_code& ec, std::size_t) {
        if (ec) {
          if (conn->reader.phase() == protocol::FramedReader::Phase::Header) {
            PV_LOG_INFO("{} client disconnected: {}", channel, ec.message());
            std::lock_guard lock(clientMutex);
            error_code ignored;
            conn->socket.close(ignored);
            // A replaced connection's late failure must not drop the connection that replaced it.
            if (client == conn) client.reset();
          } else {
            PV_LOG_INFO("{} read error: {}", channel, ec.message());
          }
          return;
        }
        {
          // Messages come only from the registered connection; a replaced one is not read any more.
          std::lock_guard lock(clientMutex);
          if (client != conn) return;
        }
        switch (conn->reader.complete()) {
          case protocol::FramedReader::Outcome::TooLarge:
            PV_LOG_ERROR("{} message too large: {} bytes", channel, conn->reader.length());
            return;
          case protocol::FramedReader::Outcome::Message:
            onMessage(conn->reader.body());
            break;
          case protocol::FramedReader::Outcome::Skipped:
          case protocol::FramedReader::Outcome::ReadBody:
            break;
        }
        readFramedMessages(conn, clientMutex, client, channel, onMessage);
      });
}

// Stops the io thread, then closes the acceptor: neither is safe to close while one of its
// handlers may run. The caller closes its connection afterwards.
inline void stopIo(asio::io_context& io, std::thread& ioThread, tcp::acceptor& acceptor, asio::steady_timer& retry) {
  io.stop();
  if (ioThread.joinable()) ioThread.join();
  error_code ignored;
  acceptor.close(ignored);
  retry.cancel();
}

// Opens the channel's listening socket, queues the first accept (before the io thread starts, so
// that only that thread touches the acceptor from then on) and starts the thread running `run`.
// `Channel` has port, boundPort, acceptor, running, ioThread and doAccept. On failure the acceptor
// is closed, nothing runs and `error` says why.
template <class Channel, class Run>
bool startListening(Channel& d, Run run, std::string& error) {
  try {
    d.boundPort = openListeningAcceptor(d.acceptor, d.port);
    d.running = true;
    d.doAccept();
    d.ioThread = std::thread(std::move(run));
    return true;
  } catch (const std::exception& e) {
    error = e.what();
    d.running = false;
    error_code ignored;
    d.acceptor.close(ignored);
    return false;
  }
}

// stopIo, then closes and forgets the registered connection (a `socket` inside `client`).
template <class Channel>
void stopWithConnection(Channel& d) {
  stopIo(d.io, d.ioThread, d.acceptor, d.acceptRetry);
  std::lock_guard lock(d.clientMutex);
  error_code ignored;
  if (d.client) d.client->socket.close(ignored);
  d.client.reset();
}

}  // namespace parvalon::host::tcp_channel
