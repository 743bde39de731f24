#include "network/TcpInputServer.h"

#include <string>

#include "logging/Log.h"

namespace parvalon::host {

namespace {

TcpChannelOptions inputOptions(const std::string& bindAddress) {
  TcpChannelOptions o;
  o.bindAddress = bindAddress;
  o.label = "TCP input";
  o.ioLabel = "TCP input";
  o.closingPrevious = "Closing existing TCP input client connection";
  o.configureFailed = "Failed to configure TCP input socket";
  o.maxMessageBytes = TcpInputServer::kMaxInputMessageBytes;
  o.receiveBufferBytes = TcpInputServer::kReceiveBufferBytes;
  return o;
}

}  // namespace

TcpInputServer::TcpInputServer(std::uint16_t port, const std::string& bindAddress)
    : channel_(port, inputOptions(bindAddress)) {
  channel_.setMessageHandler([this](ConnectionId connection, std::span<const std::uint8_t> body) {
    handleCompleteMessage(connection, body);
  });
}

TcpInputServer::~TcpInputServer() { stop(); }

bool TcpInputServer::start() {
  if (channel_.isRunning()) return true;
  std::string error;
  if (!channel_.start(error)) {
    PV_LOG_ERROR("Failed to start TCP input server: {}", error);
    return false;
  }
  PV_LOG_INFO("TCP input server listening on port {}", channel_.boundPort());
  return true;
}

void TcpInputServer::stop() {
  if (channel_.stop()) PV_LOG_INFO("TCP input server stopped");
}

void TcpInputServer::handleCompleteMessage(ConnectionId connection, std::span<const std::uint8_t> body) {
  const auto event = protocol::decodeInputEvent(body);
  if (!event) {
    PV_LOG_WARN("TCP input message too small: {} bytes", body.size());
    return;
  }
  const auto callback = inputEventCallback_.get();
  if (callback && *callback) (*callback)(*event, connection);
}

void TcpInputServer::setInputEventCallback(InputEventCallback cb) { inputEventCallback_.set(std::move(cb)); }
void TcpInputServer::setDisconnectCallback(DisconnectCallback cb) { channel_.setClientGoneHandler(std::move(cb)); }

void TcpInputServer::setConnectionFilter(TcpChannel::ConnectionFilter filter) { channel_.setConnectionFilter(std::move(filter)); }

std::uint16_t TcpInputServer::boundPort() const { return channel_.boundPort(); }
bool TcpInputServer::hasClient() const { return channel_.hasClient(); }

}  // namespace parvalon::host
