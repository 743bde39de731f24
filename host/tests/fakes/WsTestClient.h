#pragma once

#include <sys/socket.h>
#include <sys/time.h>

#include <chrono>
#include <optional>
#include <string>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/websocket.hpp>

namespace parvalon::host::testing {

// A blocking WebSocket client on 127.0.0.1 whose reads give up after a time-out instead of hanging.
class WsTestClient {
 public:
  explicit WsTestClient(std::uint16_t port, std::chrono::milliseconds readTimeout = std::chrono::seconds(3))
      : ws_(io_) {
    namespace asio = boost::asio;
    ws_.next_layer().connect(asio::ip::tcp::endpoint(asio::ip::make_address("127.0.0.1"), port));
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(readTimeout.count() / 1000);
    tv.tv_usec = static_cast<suseconds_t>((readTimeout.count() % 1000) * 1000);
    ::setsockopt(ws_.next_layer().native_handle(), SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof(tv));
    ws_.handshake("127.0.0.1", "/");
  }
  void send(const std::string& text) { ws_.write(boost::asio::buffer(text)); }
  std::optional<std::string> read() {
    boost::beast::flat_buffer buffer;
    boost::beast::error_code ec;
    ws_.read(buffer, ec);
    if (ec) return std::nullopt;
    return boost::beast::buffers_to_string(buffer.data());
  }
  void closeWithFrame() { ws_.close(boost::beast::websocket::close_code::normal); }
  void dropConnection() {
    boost::beast::error_code ec;
    ws_.next_layer().close(ec);
  }

 private:
  boost::asio::io_context io_;
  boost::beast::websocket::stream<boost::asio::ip::tcp::socket> ws_;
};

}  // namespace parvalon::host::testing
