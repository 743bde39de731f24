#include "network/TcpAudioServer.h"

#include <string>

#include "logging/Log.h"
#include "protocol/PacketHeaders.h"

namespace parvalon::host {

namespace {

std::uint32_t timestampMs() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count();
  return static_cast<std::uint32_t>(ms);
}

TcpChannelOptions audioOptions(const std::string& bindAddress) {
  TcpChannelOptions o;
  o.bindAddress = bindAddress;
  o.label = "TCP audio";
  o.ioLabel = "TCP audio";
  o.closingPrevious = "TCP audio: Closing previous client connection";
  o.configureFailed = "Failed to configure TCP audio socket";
  o.maxMessageBytes = 0;  // nothing is ever read: a client that left shows at the next write
  o.resetOnClose = true;
  o.sendBufferBytes = TcpAudioServer::kSocketBufferBytes;
  o.receiveBufferBytes = TcpAudioServer::kSocketBufferBytes;
  o.writeDeadline = TcpAudioServer::kSendDeadline;
  return o;
}

}  // namespace

TcpAudioServer::TcpAudioServer(std::uint16_t port, const std::string& bindAddress)
    : channel_(port, audioOptions(bindAddress)) {}

TcpAudioServer::~TcpAudioServer() { stop(); }

bool TcpAudioServer::start() {
  if (channel_.isRunning()) return true;
  std::string error;
  if (!channel_.start(error)) {
    PV_LOG_ERROR("Failed to start TCP audio server: {}", error);
    return false;
  }
  PV_LOG_INFO("TCP audio server started on port {}", channel_.boundPort());
  return true;
}

void TcpAudioServer::stop() {
  if (channel_.stop()) PV_LOG_INFO("TCP audio server stopped");
}

void TcpAudioServer::sendAudioData(std::uint8_t streamId, const std::uint8_t* data, std::size_t size) {
  channel_.send(
      [&] {
        const std::uint16_t sequence = sequence_++;
        const auto header = protocol::makeAudioPacketHeader(streamId, size, sequence, timestampMs());
        if (sequence_ <= kLoggedPacketCount) {
          PV_LOG_INFO(
              "TCP Audio packet #{}: length={} (headerSize={}, dataSize={}), type={}, streamId={}, "
              "payloadLength={}",
              sequence, header.length, protocol::kAudioPacketHeaderBytes - protocol::kLengthFieldBytes, size,
              header.common.packetType, streamId, header.common.payloadLength);
        }
        return protocol::encode(header);
      },
      data, size);
}

void TcpAudioServer::setConnectionFilter(TcpChannel::ConnectionFilter filter) { channel_.setConnectionFilter(std::move(filter)); }

std::uint16_t TcpAudioServer::boundPort() const { return channel_.boundPort(); }
bool TcpAudioServer::hasClient() const { return channel_.hasClient(); }

}  // namespace parvalon::host
