#include "network/SignalingServer.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core/buffers_to_string.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include "logging/Log.h"
#include "network/AcceptLoop.h"
#include "network/IoRunner.h"
#include "network/SignalingMessageHandler.h"
#include "platform/SocketError.h"

namespace parvalon::host {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using boost::system::error_code;

namespace {
constexpr const char* kIoLabel = "Signaling";
}  // namespace

class WebSocketSession;

class SignalingServerImpl : public std::enable_shared_from_this<SignalingServerImpl> {
 public:
  SignalingServerImpl(std::uint16_t port, protocol::TransportPorts ports, SignalingLimits limits)
      : handler(ports, {}, limits.requiresAuth), port(port), limits(limits) {}

  bool start();
  void stop();
  void drainAfterStop();

  void onAccept(tcp::socket socket);
  void removeSession(const WebSocketSession* session);
  void sessionEnded(const WebSocketSession& session, bool clientClosed);
  void broadcast(const std::string& text);
  void handleMessage(const WebSocketSession* session, const std::string& text);
  std::shared_ptr<WebSocketSession> findSession(std::uint64_t sessionId) const;
  std::size_t clientCount() const;

  SignalingMessageHandler handler;
  std::uint16_t port;
  SignalingLimits limits;
  asio::io_context io{1};
  AcceptLoop acceptLoop{io};
  std::thread ioThread;
  std::atomic<bool> running{false};
  std::atomic<std::uint16_t> boundPort{0};
  std::uint64_t nextSessionId = 1;  // io thread only (accept handler)
  // Guards sessions; taken by the io thread, the polling main thread, the encoder-output
  // threads (broadcast) and the dashboard (client count). Only posting happens under it.
  mutable std::mutex sessionsMutex;
  std::set<std::shared_ptr<WebSocketSession>> sessions;
};

// One accepted connection. Its socket's executor is a strand of its own, so its completions
// never run concurrently, whichever of the two threads runs them. Nothing is written before
// the handshake has completed: messages queued until then go out afterwards, in order.
class WebSocketSession : public SignalingPeer, public std::enable_shared_from_this<WebSocketSession> {
 public:
  WebSocketSession(tcp::socket socket, std::weak_ptr<SignalingServerImpl> server, const SignalingLimits& limits,
                   std::uint64_t sessionId)
      : ws_(std::move(socket)),
        handshakeTimer_(ws_.get_executor()),
        server_(std::move(server)),
        limits_(limits),
        sessionId_(sessionId) {
    error_code ec;
    const auto peer = ws_.next_layer().remote_endpoint(ec);
    remoteAddress_ = ec ? "unknown" : peer.address().to_string();
  }

  std::uint64_t sessionId() const override { return sessionId_; }
  const std::string& remoteAddress() const override { return remoteAddress_; }
  bool isOpen() const { return open_.load(); }

  void close() override {
    asio::post(ws_.get_executor(), [self = shared_from_this()] {
      self->closedByHost_ = true;
      if (!self->open_ || self->queue_.empty()) {
        self->closeSocket();
      } else {
        self->closeAfterQueue_ = true;  // the refusal queued before goes out first
      }
    });
  }

  void run() {
    asio::post(ws_.get_executor(), [self = shared_from_this()] {
      self->handshakeTimer_.expires_after(self->limits_.handshakeTimeout);
      self->handshakeTimer_.async_wait([self](const error_code& ec) { self->onHandshakeTimeout(ec); });
      // The upgrade request is read first so that its Origin can be judged before accepting.
      http::async_read(self->ws_.next_layer(), self->buffer_, self->request_,
                       [self](const error_code& ec, std::size_t) { self->onRequest(ec); });
    });
  }

  void send(std::string text) override {
    auto message = std::make_shared<const std::string>(std::move(text));
    // A reply made while this session's own handler runs is queued at once: a broadcast that
    // another thread posts meanwhile (the first stream_config of the stream being started)
    // must not overtake the stream_started it belongs to.
    if (onOwnStrand()) {
      enqueue(std::move(message));
      return;
    }
    asio::post(ws_.get_executor(), [self = shared_from_this(), message] { self->enqueue(message); });
  }

 private:
  bool onOwnStrand() {
    const auto* strand = ws_.get_executor().template target<asio::strand<asio::io_context::executor_type>>();
    return strand != nullptr && strand->running_in_this_thread();
  }

  void onHandshakeTimeout(const error_code& ec) {
    if (ec || handshakeDone_) return;  // cancelled: the handshake ended first
    PV_LOG_WARN("WebSocket handshake not completed within {} ms, closing the connection",
                limits_.handshakeTimeout.count());
    error_code ignored;
    ws_.next_layer().close(ignored);  // the pending handshake fails and removes the session
  }

  void onRequest(const error_code& ec) {
    if (ec) {
      onAccept(ec);
      return;
    }
    const auto origin = request_.find(http::field::origin);
    if (origin != request_.end() && !originAllowed(origin->value())) {
      // A browser page (any page the user opens can try ws://127.0.0.1) is not a headset.
      handshakeDone_ = true;
      handshakeTimer_.cancel();
      PV_LOG_WARN("Refused WebSocket handshake from {}: origin '{}' is not allowed", remoteAddress_,
                  clientTextForLog(std::string_view(origin->value().data(), origin->value().size())));
      if (auto server = server_.lock()) server->removeSession(this);
      auto response = std::make_shared<http::response<http::string_body>>(http::status::forbidden, request_.version());
      response->set(http::field::content_type, "text/plain");
      response->keep_alive(false);
      response->body() = "Origin not allowed\n";
      response->prepare_payload();
      http::async_write(ws_.next_layer(), *response,
                        [self = shared_from_this(), response](const error_code&, std::size_t) {
                          error_code ignored;
                          self->ws_.next_layer().shutdown(tcp::socket::shutdown_both, ignored);
                          self->ws_.next_layer().close(ignored);
                        });
      return;
    }
    ws_.async_accept(request_, [self = shared_from_this()](const error_code& acceptError) { self->onAccept(acceptError); });
  }

  bool originAllowed(beast::string_view origin) const {
    for (const auto& allowed : limits_.allowedOrigins) {
      if (origin == beast::string_view(allowed.data(), allowed.size())) return true;
    }
    return false;
  }

  void onAccept(const error_code& ec) {
    handshakeDone_ = true;
    handshakeTimer_.cancel();
    if (ec) {
      PV_LOG_ERROR("WebSocket accept failed: {}", platform::socketErrorText(ec));
      if (auto server = server_.lock()) server->removeSession(this);
      error_code ignored;
      ws_.next_layer().close(ignored);
      return;
    }
    open_ = true;
    PV_LOG_INFO("Client connected");
    if (auto server = server_.lock()) server->handler.sessionOpened(*this);
    ws_.text(true);
    doRead();
    if (!queue_.empty()) doWrite();
  }

  void doRead() {
    ws_.async_read(buffer_, [self = shared_from_this()](const error_code& ec, std::size_t) { self->onRead(ec); });
  }

  void onRead(const error_code& ec) {
    if (ec) {
      if (ec == websocket::error::closed) {
        PV_LOG_INFO("Client disconnected");
      } else {
        PV_LOG_ERROR("WebSocket read failed: {}", platform::socketErrorText(ec));
      }
      if (auto server = server_.lock()) {
        server->removeSession(this);
        // A session the host closed is done as one the client closed: nothing waits for it.
        server->sessionEnded(*this, ec == websocket::error::closed || closedByHost_);
      }
      return;
    }
    auto text = beast::buffers_to_string(buffer_.data());
    buffer_.consume(buffer_.size());
    if (auto server = server_.lock()) server->handleMessage(this, text);
    doRead();
  }

  void enqueue(std::shared_ptr<const std::string> message) {
    if (abandoned_) return;
    if (queue_.size() >= limits_.queueLimit) {
      PV_LOG_WARN("WebSocket send queue full ({} messages), closing the session", queue_.size());
      abandon();
      return;
    }
    queue_.push_back(std::move(message));
    if (open_ && queue_.size() == 1) doWrite();
  }

  void doWrite() {
    ws_.async_write(asio::buffer(*queue_.front()),
                    [self = shared_from_this()](const error_code& ec, std::size_t) { self->onWrite(ec); });
  }

  void onWrite(const error_code& ec) {
    if (abandoned_) return;
    if (ec) {
      PV_LOG_ERROR("WebSocket write failed: {}", platform::socketErrorText(ec));
      abandon();
      return;
    }
    queue_.pop_front();
    if (!queue_.empty()) {
      doWrite();
    } else if (closeAfterQueue_) {
      closeSocket();
    }
  }

  void closeSocket() {
    error_code ignored;
    ws_.next_layer().shutdown(tcp::socket::shutdown_both, ignored);
    ws_.next_layer().close(ignored);
  }

  // The session can no longer be written to: it leaves the broadcast set at once, its queue is
  // freed, and closing the socket ends its read, which stops the streams it started.
  void abandon() {
    abandoned_ = true;
    std::deque<std::shared_ptr<const std::string>>().swap(queue_);
    if (auto server = server_.lock()) server->removeSession(this);
    error_code ignored;
    ws_.next_layer().close(ignored);
  }

  websocket::stream<tcp::socket> ws_;
  asio::steady_timer handshakeTimer_;
  std::weak_ptr<SignalingServerImpl> server_;
  const SignalingLimits limits_;
  const std::uint64_t sessionId_;
  beast::flat_buffer buffer_;
  http::request<http::string_body> request_;  // the upgrade request; read once, before the handshake
  // These are touched only on this session's strand.
  std::deque<std::shared_ptr<const std::string>> queue_;
  bool handshakeDone_ = false;
  bool abandoned_ = false;
  bool closedByHost_ = false;
  bool closeAfterQueue_ = false;
  std::atomic<bool> open_{false};  // handshake succeeded; read by the client count on any thread
  std::string remoteAddress_;
};

bool SignalingServerImpl::start() {
  try {
    boundPort = acceptLoop.open(port, limits.bindAddress);
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Failed to start signaling server: {}", e.what());
    return false;
  }
  running = true;
  acceptLoop.start([this](tcp::socket socket) { onAccept(std::move(socket)); },
                   [](const error_code& ec) { PV_LOG_ERROR("Accept failed: {}", platform::socketErrorText(ec)); });
  ioThread = std::thread([this] { io_runner::runUntilStopped(io, kIoLabel); });
  PV_LOG_INFO("Signaling server listening on port {}", boundPort.load());
  if (!limits.bindAddress.empty()) PV_LOG_INFO("Signaling server bound to {}", limits.bindAddress);
  return true;
}

void SignalingServerImpl::onAccept(tcp::socket socket) {
  auto session = std::make_shared<WebSocketSession>(std::move(socket), weak_from_this(), limits, nextSessionId++);
  {
    std::lock_guard lock(sessionsMutex);
    sessions.insert(session);
  }
  session->run();
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

void SignalingServerImpl::sessionEnded(const WebSocketSession& session, bool clientClosed) {
  if (running.load()) handler.sessionEnded(session, clientClosed);
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

std::shared_ptr<WebSocketSession> SignalingServerImpl::findSession(std::uint64_t sessionId) const {
  std::lock_guard lock(sessionsMutex);
  for (const auto& s : sessions) {
    if (s->sessionId() == sessionId) return s;
  }
  return nullptr;
}

std::size_t SignalingServerImpl::clientCount() const {
  std::lock_guard lock(sessionsMutex);
  return static_cast<std::size_t>(
      std::count_if(sessions.begin(), sessions.end(), [](const auto& s) { return s->isOpen(); }));
}

void SignalingServerImpl::stop() {
  if (!running.exchange(false)) return;
  try {
    {
      std::lock_guard lock(sessionsMutex);
      sessions.clear();
    }
    io.stop();
    const bool onIoThread = ioThread.get_id() == std::this_thread::get_id();
    if (ioThread.joinable() && !onIoThread) ioThread.join();
    // The listener is closed once no other thread runs its handlers.
    acceptLoop.close();
    PV_LOG_INFO("Signaling server stopped");
  } catch (...) {
  }
}

void SignalingServerImpl::drainAfterStop() {
  // Runs the aborted accept once, so that nothing of the listener is left pending; the io
  // context and with it every abandoned connection are destroyed with the server.
  try {
    if (ioThread.joinable()) return;  // stop ran on the io thread itself; nothing to drain here
    io.restart();
    io.poll();
  } catch (...) {
  }
}

SignalingServer::SignalingServer(std::uint16_t port, protocol::TransportPorts ports, SignalingLimits limits)
    : impl_(std::make_shared<SignalingServerImpl>(port, ports, limits)) {}

SignalingServer::~SignalingServer() {
  stop();
  impl_->drainAfterStop();
}

bool SignalingServer::start() { return impl_->start(); }
void SignalingServer::stop() { impl_->stop(); }
void SignalingServer::poll() { io_runner::pollReady(impl_->io, kIoLabel); }

void SignalingServer::setWindowListCallback(SignalingCallbacks::WindowListCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.windowList = std::move(cb); });
}
void SignalingServer::setStreamRequestCallback(SignalingCallbacks::StreamRequestCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.streamRequest = std::move(cb); });
}
void SignalingServer::setStreamStopCallback(SignalingCallbacks::StreamStopCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.streamStop = std::move(cb); });
}
void SignalingServer::setClientConnectedCallback(SignalingCallbacks::ClientConnectedCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.clientConnected = std::move(cb); });
}
void SignalingServer::setSessionEndedCallback(SignalingCallbacks::SessionEndedCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.sessionEnded = std::move(cb); });
}

void SignalingServer::setSessionOpenedCallback(SignalingCallbacks::SessionOpenedCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.sessionOpened = std::move(cb); });
}
void SignalingServer::setAdmissionCallback(SignalingCallbacks::AdmissionCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.admission = std::move(cb); });
}

void SignalingServer::sendWindowList(std::uint64_t sessionId, const std::vector<protocol::WindowInfo>& windows) {
  const auto session = impl_->findSession(sessionId);
  if (!session) return;
  try {
    session->send(protocol::serialize(protocol::windowListJson(windows)));
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Error processing message: {}", e.what());
  }
}

void SignalingServer::closeSession(std::uint64_t sessionId) {
  if (const auto session = impl_->findSession(sessionId)) session->close();
}

void SignalingServer::setWindowResizeCallback(SignalingCallbacks::WindowResizeCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.windowResize = std::move(cb); });
}
void SignalingServer::setKeyframeRequestCallback(SignalingCallbacks::KeyframeRequestCallback cb) {
  impl_->handler.updateCallbacks([&](SignalingCallbacks& c) { c.keyframeRequest = std::move(cb); });
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
