#pragma once

#include <chrono>
#include <optional>
#include <string>

#include <boost/asio/ip/tcp.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/websocket.hpp>
#include <nlohmann/json.hpp>

namespace parvalon::host::testing {

// A WebSocket client on 127.0.0.1 whose reads give up after a time-out instead of hanging.
// (Asio's synchronous reads ignore SO_RCVTIMEO, so a read runs asynchronously for a bounded time.)
class WsTestClient {
 public:
  // With `origin`, the upgrade request carries it as a browser's would; a refused handshake throws.
  // With `localAddress` ("127.0.0.2", say) the client connects from that loopback address.
  explicit WsTestClient(std::uint16_t port, std::chrono::milliseconds readTimeout = std::chrono::seconds(3),
                        std::optional<std::string> origin = std::nullopt,
                        std::optional<std::string> localAddress = std::nullopt)
      : ws_(io_), readTimeout_(readTimeout) {
    namespace asio = boost::asio;
    if (localAddress) {
      ws_.next_layer().open(asio::ip::tcp::v4());
      ws_.next_layer().bind(asio::ip::tcp::endpoint(asio::ip::make_address(*localAddress), 0));
    }
    ws_.next_layer().connect(asio::ip::tcp::endpoint(asio::ip::make_address("127.0.0.1"), port));
    if (origin) {
      ws_.set_option(boost::beast::websocket::stream_base::decorator(
          [origin](boost::beast::websocket::request_type& request) {
            request.set(boost::beast::http::field::origin, *origin);
          }));
    }
    ws_.handshake("127.0.0.1", "/");
  }
  void send(const std::string& text) { ws_.write(boost::asio::buffer(text)); }
  // The next message, or nullopt when the connection failed or nothing came in time (the
  // connection is then closed: a read abandoned half-way cannot be resumed).
  // The next message of `type`, skipping up to 20 others (stream_config broadcasts, say).
  std::optional<nlohmann::json> readOfType(const std::string& type) {
    for (int i = 0; i < 20; ++i) {
      const auto text = read();
      if (!text) return std::nullopt;
      auto message = nlohmann::json::parse(*text);
      if (message.value("type", "") == type) return message;
    }
    return std::nullopt;
  }
  std::optional<std::string> read() {
    if (broken_) return std::nullopt;
    boost::beast::flat_buffer buffer;
    bool done = false;
    boost::beast::error_code result;
    ws_.async_read(buffer, [&](const boost::beast::error_code& ec, std::size_t) {
      result = ec;
      done = true;
    });
    io_.restart();
    io_.run_for(readTimeout_);
    if (!done) {
      broken_ = true;
      dropConnection();
      io_.restart();
      io_.run_for(std::chrono::seconds(1));  // lets the cancelled read finish
      return std::nullopt;
    }
    if (result) return std::nullopt;
    return boost::beast::buffers_to_string(buffer.data());
  }
  // True once a read gave up because nothing came in time.
  bool timedOut() const { return broken_; }
  void closeWithFrame() { ws_.close(boost::beast::websocket::close_code::normal); }
  void dropConnection() {
    boost::beast::error_code ec;
    ws_.next_layer().close(ec);
  }

 private:
  boost::asio::io_context io_;
  boost::beast::websocket::stream<boost::asio::ip::tcp::socket> ws_;
  std::chrono::milliseconds readTimeout_;
  bool broken_ = false;
};

}  // namespace parvalon::host::testing
