#include "network/SignalingServer.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/websocket.hpp>

#include "logging/Log.h"
#include "network/ListeningAcceptor.h"
#include "network/SignalingMessageHandler.h"

namespace parvalon::host {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using boost::system::error_code;

namespace {
// Pause before accepting again when the process has run out of descriptors.
constexpr std::chrono::milliseconds kAcceptBackoff{100};
}  // namespace

class WebSocketSession;

class SignalingServerImpl : public std::enable_shared_from_this<SignalingServerImpl> {
 public:
  SignalingServerImpl(std::uint16_t port, protocol::TransportPorts ports) : handler(ports), port(port) {}

  bool start();
  void stop();
  void drainAfterStop();

  void doAccept();
  void onAccept(const error_code& ec, tcp::socket socket);
  void addSession(const std::shared_ptr<WebSocketSession>& session);
  void removeSession(const WebSocketSession* session);
  void sessionEnded(const WebSocketSession* session);
  void broadcast(const std::string& text);
  void handleMessage(const WebSocketSession* session, const std::string& text);
  std::size_t clientCount() const;

  SignalingMessageHandler handler;
  std::uint16_t port;
  asio::io_context io{1};
  tcp::acceptor acceptor{io};
  asio::steady_timer acceptBackoff{io};
  std::thread ioThread;
  std::atomic<bool> running{false};
  std::atomic<std::uint16_t> boundPort{0};
  // Guards sessions; taken by the io thread, the polling main thread, the encoder-output
  // threads (broadcast) and the dashboard (client count). Only posting happens under it.
  mutable std::mutex sessionsMutex;
  std::set<std::shared_ptr<WebSocketSession>> sessions;
};

// One accepted connection. Its socket's executor is a strand of its own, so its completions
// never run concurrently, whichever of the two threads runs them.
class WebSocketSession : public SignalingPeer, public std::enable_shared_from_this<WebSocketSession> {
 public:
  WebSocketSession(tcp::socket socket, std::weak_ptr<SignalingServerImpl> server)
      : ws_(std::move(socket)), server_(std::move(server)) {
    error_code ec;
    const auto peer = ws_.next_layer().remote_endpoint(ec);
    remoteAddress_ = ec ? "unknown" : peer.address().to_string();
  }

  const std::string& remoteAddress() const override { return remoteAddress_; }

  void run() {
    ws_.async_accept([self = shared_from_this()](const error_code& ec) { self->onAccept(ec); });
  }

  void send(std::string text) override {
    auto message = std::make_shared<const std::string>(std::move(text));
    asio::post(ws_.get_executor(), [self = shared_from_this(), message] {
      self->queue_.push_back(message);
      if (self->queue_.size() == 1) self->doWrite();
    });
  }

 private:
  void onAccept(const error_code& ec) {
    if (ec) {
      PV_LOG_ERROR("WebSocket accept failed: {}", ec.message());
      if (auto server = server_.lock()) server->removeSession(this);
      return;
    }
    PV_LOG_INFO("Client connected");
    ws_.text(true);
    doRead();
  }

  void doRead() {
    ws_.async_read(buffer_, [self = shared_from_this()](const error_code& ec, std::size_t) { self->onRead(ec); });
  }

  void onRead(const error_code& ec) {
    if (ec) {
      if (ec == websocket::error::closed) {
        PV_LOG_INFO("Client disconnected");
      } else {
        PV_LOG_ERROR("WebSocket read failed: {}", ec.message());
      }
      if (auto server = server_.lock()) {
        server->removeSession(this);
        server->sessionEnded(this);
      }
      return;
    }
    auto text = beast::buffers_to_string(buffer_.data());
    buffer_.consume(buffer_.size());
    if (auto server = server_.lock()) server->handleMessage(this, text);
    doRead();
  }

  void doWrite() {
    ws_.async_write(asio::buffer(*queue_.front()),
                    [self = shared_from_this()](const error_code& ec, std::size_t) { self->onWrite(ec); });
  }

  void onWrite(const error_code& ec) {
    if (ec) {
      // No further write for this session; it ends when its read fails.
      PV_LOG_ERROR("WebSocket write failed: {}", ec.message());
      return;
    }
    queue_.pop_front();
    if (!queue_.empty()) doWrite();
  }

  websocket::stream<tcp::socket> ws_;
  std::weak_ptr<SignalingServerImpl> server_;
  beast::flat_buffer buffer_;
  std::deque<std::shared_ptr<const std::string>> queue_;  // touched only on this session's strand
  std::string remoteAddress_;
};

bool SignalingServerImpl::start() {
  try {
    boundPort = openListeningAcceptor(acceptor, port);
    running = true;
    doAccept();
    ioThread = std::thread([this] { io.run(); });
    PV_LOG_INFO("Signaling server listening on port {}", boundPort.load());
    return true;
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Failed to start signaling server: {}", e.what());
    running = false;
    error_code ignored;
    acceptor.close(ignored);
    return false;
  }
}

void SignalingServerImpl::doAccept() {
  acceptor.async_accept(asio::make_strand(io), [self = shared_from_this()](const error_code& ec, tcp::socket socket) {
    self->onAccept(ec, std::move(socket));
  });
}

void SignalingServerImpl::onAccept(const error_code& ec, tcp::socket socket) {
  if (!running.load()) return;  // stopping: the aborted accept is silent
  if (ec) {
    // One failed accept must not end signaling: log it and accept again, after a pause when
    // the process is out of descriptors (accepting again at once would only spin).
    PV_LOG_ERROR("Accept failed: {}", ec.message());
    if (ec == asio::error::no_descriptors || ec == asio::error::no_buffer_space ||
        ec.value() == ENFILE || ec == asio::error::no_memory) {
      acceptBackoff.expires_after(kAcceptBackoff);
      acceptBackoff.async_wait([self = shared_from_this()](const error_code& waitError) {
        if (!waitError && self->running.load()) self->doAccept();
      });
      return;
    }
    doAccept();
    return;
  }
  auto session = std::make_shared<WebSocketSession>(std::move(socket), weak_from_this());
  addSession(session);
  session->run();
  if (running.load()) doAccept();
}

void SignalingServerImpl::addSession(const std::shared_ptr<WebSocketSession>& session) {
  std::lock_guard lock(sessionsMutex);
  sessions.insert(session);
}

void SignalingServerImpl::removeSession(const WebSocketSession* session) {
  std::lock_guard lock(sessionsMutex);
  for (auto it = sessions.begin(); it != sessions.end(); ++it) {
    if (it->get() == session) {
      sessions.erase(it);
      return;
    }
  }
}

void SignalingServerImpl::sessionEnded(const WebSocketSession* session) {
  // A headset that went away leaves nobody to watch its streams.
  if (running.load()) handler.sessionEnded(session);
}

void SignalingServerImpl::broadcast(const std::string& text) {
  std::lock_guard lock(sessionsMutex);
  for (const auto& session : sessions) session->send(text);
}

void SignalingServerImpl::handleMessage(const WebSocketSession* session, const std::string& text) {
  handler.handleMessage(text, [this, session]() -> std::shared_ptr<SignalingPeer> {
    std::lock_guard lock(sessionsMutex);
    for (const auto& s : sessions) {
      if (s.get() == session) return s;
    }
    return nullptr;
  });
}

std::size_t SignalingServerImpl::clientCount() const {
  std::lock_guard lock(sessionsMutex);
  return sessions.size();
}

void SignalingServerImpl::stop() {
  if (!running.exchange(false)) return;
  try {
    error_code ignored;
    acceptor.close(ignored);
    acceptBackoff.cancel();
    {
      std::lock_guard lock(sessionsMutex);
      sessions.clear();
    }
    handler.forgetSessions();
    io.stop();
    if (ioThread.joinable() && ioThread.get_id() != std::this_thread::get_id()) ioThread.join();
    PV_LOG_INFO("Signaling server stopped");
  } catch (...) {
  }
}

void SignalingServerImpl::drainAfterStop() {
  // The aborted accept and back-off handlers hold this object; running them once releases it,
  // so the io context and with it every abandoned connection are destroyed with the server.
  try {
    if (ioThread.joinable()) return;  // stop ran on the io thread itself; nothing to drain here
    io.restart();
    io.poll();
  } catch (...) {
  }
}

SignalingServer::SignalingServer(std::uint16_t port, protocol::TransportPorts ports)
    : impl_(std::make_shared<SignalingServerImpl>(port, ports)) {}

SignalingServer::~SignalingServer() {
  stop();
  impl_->drainAfterStop();
}

bool SignalingServer::start() { return impl_->start(); }
void SignalingServer::stop() { impl_->stop(); }
void SignalingServer::poll() { impl_->io.poll(); }

void SignalingServer::setWindowListCallback(SignalingCallbacks::WindowListCallback cb) {
  impl_->handler.callbacks().windowList = std::move(cb);
}
void SignalingServer::setStreamRequestCallback(SignalingCallbacks::StreamRequestCallback cb) {
  impl_->handler.callbacks().streamRequest = std::move(cb);
}
void SignalingServer::setStreamStopCallback(SignalingCallbacks::StreamStopCallback cb) {
  impl_->handler.callbacks().streamStop = std::move(cb);
}
void SignalingServer::setClientConnectedCallback(SignalingCallbacks::ClientConnectedCallback cb) {
  impl_->handler.callbacks().clientConnected = std::move(cb);
}
void SignalingServer::setWindowResizeCallback(SignalingCallbacks::WindowResizeCallback cb) {
  impl_->handler.callbacks().windowResize = std::move(cb);
}
void SignalingServer::setKeyframeRequestCallback(SignalingCallbacks::KeyframeRequestCallback cb) {
  impl_->handler.callbacks().keyframeRequest = std::move(cb);
}

void SignalingServer::sendStreamConfig(const protocol::StreamConfig& config) {
  std::string text;
  try {
    text = protocol::serialize(protocol::toJson(config));
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Failed to serialize stream_config: {}", e.what());
    return;
  }
  PV_LOG_INFO("Sending stream_config: streamId={}, {}x{}, codec={}, sps={}B, pps={}B", config.streamId,
              config.width, config.height, config.codec, config.sps.size(), config.pps.size());
  impl_->broadcast(text);
}

std::size_t SignalingServer::getClientCount() const { return impl_->clientCount(); }
std::uint16_t SignalingServer::boundPort() const { return impl_->boundPort.load(); }

}  // namespace parvalon::host
