#include "network/TcpTransportServer.h"

#include <string>
#include <type_traits>
#include <variant>

#include "logging/Log.h"
#include "protocol/PacketHeaders.h"

namespace parvalon::host {

namespace {

std::uint32_t timestamp90kHz() {
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  return static_cast<std::uint32_t>(us * 9 / 100);
}

TcpChannelOptions videoOptions(const std::string& bindAddress) {
  TcpChannelOptions o;
  o.bindAddress = bindAddress;
  o.label = "TCP";
  o.ioLabel = "TCP transport";
  o.closingPrevious = "Closing existing TCP client connection";
  o.configureFailed = "Failed to configure TCP client socket";
  o.maxMessageBytes = TcpTransportServer::kMaxVideoMessageBytes;
  o.resetOnClose = true;
  o.sendBufferBytes = TcpTransportServer::kSocketBufferBytes;
  o.receiveBufferBytes = TcpTransportServer::kSocketBufferBytes;
  o.sendTimeout = TcpTransportServer::kSendTimeout;
  o.writeDeadline = TcpTransportServer::kSendTimeout;
  o.keepAfterCleanWriteFailure = true;
  return o;
}

template <class F, class... Args>
void call(const HandlerSlot<F>& slot, const Args&... args) {
  const auto callback = slot.get();
  if (callback && *callback) (*callback)(args...);
}

}  // namespace

TcpTransportServer::TcpTransportServer(std::uint16_t port, const std::string& bindAddress)
    : channel_(port, videoOptions(bindAddress)) {
  channel_.setMessageHandler(
      [this](ConnectionId connection, std::span<const std::uint8_t> body) { dispatch(connection, body); });
}

TcpTransportServer::~TcpTransportServer() { stop(); }

bool TcpTransportServer::start() {
  std::string error;
  if (!channel_.start(error)) {
    PV_LOG_ERROR("Failed to start TCP transport: {}", error);
    return false;
  }
  PV_LOG_INFO("TCP transport server listening on port {}", channel_.boundPort());
  return true;
}

void TcpTransportServer::stop() {
  if (channel_.stop()) PV_LOG_INFO("TCP transport server stopped");
}

void TcpTransportServer::poll() { channel_.poll(); }

void TcpTransportServer::dispatch(ConnectionId connection, std::span<const std::uint8_t> body) {
  const auto message = protocol::decodeVideoClientMessage(body);
  if (!message) return;
  std::visit(
      [this, connection](const auto& m) {
        using T = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<T, protocol::ClientInput>) {
          call(clientInputCallback_, m, connection);
        } else if constexpr (std::is_same_v<T, protocol::ClientFeedback>) {
          call(feedbackCallback_, m);
        } else {
          call(keyframeRequestCallback_, m.streamId);
        }
      },
      *message);
}

bool TcpTransportServer::sendVideoFrame(std::uint8_t streamId, const std::uint8_t* data, std::size_t size,
                                        bool isKeyframe) {
  return channel_.send(
      [&] {
        return protocol::encode(
            protocol::makeVideoPacketHeader(streamId, size, sequence_++, timestamp90kHz(), isKeyframe));
      },
      data, size);
}

void TcpTransportServer::setFeedbackCallback(FeedbackCallback cb) { feedbackCallback_.set(std::move(cb)); }
void TcpTransportServer::setClientInputCallback(ClientInputCallback cb) { clientInputCallback_.set(std::move(cb)); }
void TcpTransportServer::setKeyframeRequestCallback(KeyframeRequestCallback cb) {
  keyframeRequestCallback_.set(std::move(cb));
}
void TcpTransportServer::setClientGoneCallback(ClientGoneCallback cb) { channel_.setClientGoneHandler(std::move(cb)); }

void TcpTransportServer::setConnectionFilter(TcpChannel::ConnectionFilter filter) { channel_.setConnectionFilter(std::move(filter)); }

std::uint16_t TcpTransportServer::boundPort() const { return channel_.boundPort(); }
bool TcpTransportServer::hasClient() const { return channel_.hasClient(); }

}  // namespace parvalon::host
