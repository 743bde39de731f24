#pragma once

// The one TCP client the tests use to reach a server on 127.0.0.1, written with Asio so the
// same tests build and run on Linux and on Windows (under wine).

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include <boost/asio/buffer.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/write.hpp>

namespace parvalon::host::testing {

using Bytes = std::vector<std::uint8_t>;

// One TCP client connection to 127.0.0.1. Every read waits at most its time-out: Asio's
// synchronous reads ignore socket time-outs, so a read runs asynchronously for a bounded time.
class LoopbackClient {
 public:
  enum class End { Eof, Reset, StillOpen, Error };

  struct Options {
    int receiveBuffer = 0;  // > 0: SO_RCVBUF before connecting (a small one makes a stalled reader)
    bool noDelay = true;    // false keeps Nagle's algorithm on, as a client may leave it
    bool connectNow = true;
    std::uint32_t localAddress = 0;  // host byte order; 0x7F000002 connects from 127.0.0.2
  };

  explicit LoopbackClient(std::uint16_t port) : LoopbackClient(port, Options{}) {}
  LoopbackClient(std::uint16_t port, Options options) : socket_(io_), port_(port), options_(options) {
    boost::system::error_code ec;
    socket_.open(boost::asio::ip::tcp::v4(), ec);
    if (options_.receiveBuffer > 0) {
      socket_.set_option(boost::asio::socket_base::receive_buffer_size(options_.receiveBuffer), ec);
    }
    if (options_.localAddress != 0) {
      socket_.bind({boost::asio::ip::address_v4(options_.localAddress), 0}, ec);
    }
    if (options_.connectNow) connect();
  }
  ~LoopbackClient() { close(); }
  LoopbackClient(const LoopbackClient&) = delete;
  LoopbackClient& operator=(const LoopbackClient&) = delete;

  bool connect() {
    boost::system::error_code ec;
    socket_.connect({boost::asio::ip::address_v4::loopback(), port_}, ec);
    connected_ = !ec;
    // As a headset (and the viewer) does: small messages go out at once, not after the
    // server's acknowledgement of the previous one.
    if (connected_ && options_.noDelay) socket_.set_option(boost::asio::ip::tcp::no_delay(true), ec);
    return connected_;
  }
  bool connected() const { return connected_; }
  std::uint16_t localPort() const {
    boost::system::error_code ec;
    const auto local = socket_.local_endpoint(ec);
    return ec ? 0 : local.port();
  }

  bool sendAll(const Bytes& bytes) {
    boost::system::error_code ec;
    boost::asio::write(socket_, boost::asio::buffer(bytes), ec);
    return !ec;
  }

  // Exactly `n` bytes, or nullopt on time-out, end of stream or error.
  std::optional<Bytes> readExact(std::size_t n, std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
    Bytes out(n);
    if (!readInto(out.data(), n, std::chrono::steady_clock::now() + timeout)) return std::nullopt;
    return out;
  }
  // Fills `out` with `size` bytes before `deadline`; false on time-out, end of stream or error.
  bool readInto(std::uint8_t* out, std::size_t size, std::chrono::steady_clock::time_point deadline) {
    std::size_t got = 0;
    while (got < size) {
      const auto r = readSome(out + got, size - got, deadline);
      if (r.error || r.size == 0) return false;
      got += r.size;
    }
    return true;
  }

  // Reads whatever arrives (kept in `received` when given) until the connection ends or
  // `timeout` passes.
  End waitForEnd(std::chrono::milliseconds timeout = std::chrono::seconds(3), Bytes* received = nullptr) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::uint8_t scratch[4096];
    for (;;) {
      const auto r = readSome(scratch, sizeof scratch, deadline);
      if (received) received->insert(received->end(), scratch, scratch + r.size);
      if (r.timedOut) return End::StillOpen;
      if (r.error == boost::asio::error::eof) return End::Eof;
      if (r.error == boost::asio::error::connection_reset) return End::Reset;
      if (r.error) return End::Error;
    }
  }

  void shutdownWrite() {
    boost::system::error_code ec;
    socket_.shutdown(boost::asio::ip::tcp::socket::shutdown_send, ec);
  }
  // Closes with SO_LINGER 0: the server sees a reset instead of an orderly end.
  void resetAndClose() {
    boost::system::error_code ec;
    socket_.set_option(boost::asio::socket_base::linger(true, 0), ec);
    close();
  }
  void close() {
    boost::system::error_code ec;
    socket_.close(ec);
  }

 private:
  struct ReadResult {
    std::size_t size = 0;
    boost::system::error_code error;
    bool timedOut = false;
  };

  // One receive of up to `size` bytes that gives up at `deadline` (the read is then cancelled,
  // and the connection stays usable).
  ReadResult readSome(std::uint8_t* out, std::size_t size, std::chrono::steady_clock::time_point deadline) {
    ReadResult result;
    const auto left = deadline - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) {
      result.timedOut = true;
      return result;
    }
    bool done = false;
    socket_.async_read_some(boost::asio::buffer(out, size), [&](const boost::system::error_code& ec, std::size_t n) {
      result.error = ec;
      result.size = n;
      done = true;
    });
    io_.restart();
    io_.run_for(left);
    if (done) return result;
    boost::system::error_code ignored;
    socket_.cancel(ignored);
    io_.restart();
    io_.run_for(std::chrono::seconds(1));  // lets the cancelled read finish
    // Bytes may have arrived just as the read was cancelled; they count.
    if (result.size > 0 && !result.error) return result;
    return ReadResult{0, {}, true};
  }

  boost::asio::io_context io_;
  boost::asio::ip::tcp::socket socket_;
  std::uint16_t port_;
  Options options_;
  bool connected_ = false;
};

// A length-prefixed client message: uint32 little-endian length, then the body.
inline Bytes framed(const Bytes& body) {
  const auto n = static_cast<std::uint32_t>(body.size());
  Bytes out{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 24)};
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A payload whose every byte depends on its offset, so a shifted or cut copy is noticed.
inline Bytes pattern(std::size_t size) {
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(i * 7 + i / 251 + 3);
  return out;
}

inline std::uint32_t le32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline std::uint16_t le16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

}  // namespace parvalon::host::testing
