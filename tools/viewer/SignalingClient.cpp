#include "SignalingClient.h"

#include <boost/asio/connect.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/websocket.hpp>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "logging/Log.h"
#include "protocol/SignalingMessages.h"

namespace parvalon::viewer {

namespace net = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = net::ip::tcp;

struct SignalingClient::Impl {
  net::io_context io;
  net::executor_work_guard<net::io_context::executor_type> work{io.get_executor()};
  websocket::stream<beast::tcp_stream> ws{io};
  beast::flat_buffer buffer;
  std::deque<std::string> writes;  // io thread only
  bool closeWanted = false;        // io thread only
  std::thread thread;

  // Guards the fields below; taken by the io thread and by callers.
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<nlohmann::json> inbox;
  bool connected = false;
  bool finished = false;  // failed, closed by the peer, or closed by us

  void finish(const char* what, beast::error_code ec) {
    {
      std::lock_guard lock(mutex);
      if (finished) return;
      finished = true;
      connected = false;
    }
    if (ec && ec != websocket::error::closed && ec != net::error::operation_aborted) {
      PV_LOG_WARN("Signaling {} failed: {}", what, ec.message());
    }
    changed.notify_all();
  }

  void read() {
    ws.async_read(buffer, [this](beast::error_code ec, std::size_t) {
      if (ec) {
        finish("read", ec);
        return;
      }
      const std::string text = beast::buffers_to_string(buffer.data());
      buffer.consume(buffer.size());
      try {
        auto message = protocol::parseMessage(text);
        std::lock_guard lock(mutex);
        if (inbox.size() >= kInboxLimit) inbox.pop_front();
        inbox.push_back(std::move(message));
      } catch (const std::exception& e) {
        PV_LOG_WARN("Ignoring a signaling message that is not JSON: {}", e.what());
      }
      changed.notify_all();
      read();
    });
  }

  void write() {
    ws.text(true);
    ws.async_write(net::buffer(writes.front()), [this](beast::error_code ec, std::size_t) {
      if (ec) {
        finish("write", ec);
        return;
      }
      writes.pop_front();
      if (!writes.empty()) write();
      else if (closeWanted) closeNow();
    });
  }

  void closeNow() {
    ws.async_close(websocket::close_code::normal, [this](beast::error_code ec) { finish("close", ec); });
  }
};

SignalingClient::SignalingClient() : impl_(std::make_unique<Impl>()) {}

SignalingClient::~SignalingClient() { abort(); }

bool SignalingClient::connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds timeout) {
  Impl& d = *impl_;
  tcp::resolver::results_type endpoints;
  try {
    tcp::resolver resolver(d.io);
    endpoints = resolver.resolve(tcp::v4(), host, std::to_string(port));
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Cannot resolve {}: {}", host, e.what());
    return false;
  }
  websocket::stream_base::timeout limits{};
  limits.handshake_timeout = timeout;
  limits.idle_timeout = websocket::stream_base::none();
  limits.keep_alive_pings = false;
  d.ws.set_option(limits);
  beast::get_lowest_layer(d.ws).expires_after(timeout);
  const std::string hostHeader = host + ":" + std::to_string(port);
  beast::get_lowest_layer(d.ws).async_connect(endpoints, [&d, hostHeader](beast::error_code ec, const tcp::endpoint&) {
    if (ec) {
      d.finish("connect", ec);
      return;
    }
    // The WebSocket layer keeps its own time-outs from here on.
    beast::get_lowest_layer(d.ws).expires_never();
    beast::get_lowest_layer(d.ws).socket().set_option(tcp::no_delay(true));
    d.ws.async_handshake(hostHeader, "/", [&d](beast::error_code hec) {
      if (hec) {
        d.finish("handshake", hec);
        return;
      }
      {
        std::lock_guard lock(d.mutex);
        d.connected = true;
      }
      d.changed.notify_all();
      d.read();
    });
  });
  d.thread = std::thread([&d] { d.io.run(); });
  std::unique_lock lock(d.mutex);
  d.changed.wait_for(lock, timeout + std::chrono::milliseconds(500), [&d] { return d.connected || d.finished; });
  if (!d.connected) {
    lock.unlock();
    PV_LOG_ERROR("Cannot open the signaling WebSocket at {}", hostHeader);
    abort();
    return false;
  }
  return true;
}

bool SignalingClient::isConnected() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->connected;
}

bool SignalingClient::send(const nlohmann::json& message) {
  if (!isConnected()) return false;
  std::string text = protocol::serialize(message);
  Impl& d = *impl_;
  net::post(d.io, [&d, text = std::move(text)]() mutable {
    if (d.closeWanted) return;
    d.writes.push_back(std::move(text));
    if (d.writes.size() == 1) d.write();
  });
  return true;
}

std::optional<nlohmann::json> SignalingClient::waitFor(const std::function<bool(const nlohmann::json&)>& match,
                                                       std::chrono::milliseconds timeout) {
  Impl& d = *impl_;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::unique_lock lock(d.mutex);
  for (;;) {
    for (auto it = d.inbox.begin(); it != d.inbox.end(); ++it) {
      if (match(*it)) {
        nlohmann::json found = std::move(*it);
        d.inbox.erase(it);
        return found;
      }
    }
    if (d.finished) return std::nullopt;
    if (d.changed.wait_until(lock, deadline) == std::cv_status::timeout) return std::nullopt;
  }
}

std::optional<nlohmann::json> SignalingClient::waitForType(const std::string& type, std::chrono::milliseconds timeout) {
  return waitFor([&type](const nlohmann::json& m) { return m.is_object() && m.value("type", "") == type; }, timeout);
}

std::vector<nlohmann::json> SignalingClient::drain() {
  std::lock_guard lock(impl_->mutex);
  std::vector<nlohmann::json> all(std::make_move_iterator(impl_->inbox.begin()), std::make_move_iterator(impl_->inbox.end()));
  impl_->inbox.clear();
  return all;
}

void SignalingClient::close(std::chrono::milliseconds timeout) {
  Impl& d = *impl_;
  if (!d.thread.joinable()) return;
  if (isConnected()) {
    net::post(d.io, [&d] {
      d.closeWanted = true;
      if (d.writes.empty()) d.closeNow();
    });
    std::unique_lock lock(d.mutex);
    d.changed.wait_for(lock, timeout, [&d] { return d.finished; });
  }
  abort();
}

void SignalingClient::abort() {
  Impl& d = *impl_;
  if (!d.thread.joinable()) return;
  d.work.reset();
  d.io.stop();
  d.thread.join();
  // The io thread is gone: the socket is ours alone now.
  beast::error_code ignored;
  beast::get_lowest_layer(d.ws).socket().close(ignored);
  std::lock_guard lock(d.mutex);
  d.connected = false;
  d.finished = true;
}

}  // namespace parvalon::viewer
