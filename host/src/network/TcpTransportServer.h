#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <span>

#include "network/HandlerSlot.h"
#include "network/TcpChannel.h"
#include "protocol/ClientMessages.h"

namespace parvalon::host {

// The video channel: one client at a time; video packets out, client messages in.
class TcpTransportServer {
 public:
  using FeedbackCallback = std::function<void(const protocol::ClientFeedback&)>;
  using ConnectionId = TcpChannel::ConnectionId;
  // With the connection the input came on.
  using ClientInputCallback = std::function<void(const protocol::ClientInput&, ConnectionId)>;
  using ClientGoneCallback = std::function<void(ConnectionId)>;
  using KeyframeRequestCallback = std::function<void(std::uint8_t streamId)>;

  static constexpr std::uint32_t kMaxVideoMessageBytes = 4194304;
  static constexpr int kSocketBufferBytes = 262144;
  static constexpr std::chrono::milliseconds kSendTimeout{20000};

  // Port 0 binds a free port (see boundPort); `bindAddress` empty listens on every interface.
  explicit TcpTransportServer(std::uint16_t port, const std::string& bindAddress = {});
  ~TcpTransportServer();
  TcpTransportServer(const TcpTransportServer&) = delete;
  TcpTransportServer& operator=(const TcpTransportServer&) = delete;

  bool start();
  void stop();
  // Runs the ready accept and read handlers on the calling thread without blocking.
  void poll();

  // Writes one video packet to the client, or discards it when no client is connected.
  // Blocks until the packet is out or the send time-out has passed. True when it was written.
  bool sendVideoFrame(std::uint8_t streamId, const std::uint8_t* data, std::size_t size, bool isKeyframe);

  // Any thread, any time (also while a client sends).
  void setFeedbackCallback(FeedbackCallback callback);
  void setClientInputCallback(ClientInputCallback callback);
  void setKeyframeRequestCallback(KeyframeRequestCallback callback);
  // Called on the reading thread when a client connection's messages stop (it left, failed,
  // was dropped after a failed write or was replaced), after its last message was handled.
  void setClientGoneCallback(ClientGoneCallback callback);

  // Who may connect (and, on a channel that reads, whose messages are handled); see TcpChannel.
  void setConnectionFilter(TcpChannel::ConnectionFilter filter);

  std::uint16_t boundPort() const;
  bool hasClient() const;

 private:
  void dispatch(ConnectionId connection, std::span<const std::uint8_t> body);

  HandlerSlot<FeedbackCallback> feedbackCallback_;
  HandlerSlot<ClientInputCallback> clientInputCallback_;
  HandlerSlot<KeyframeRequestCallback> keyframeRequestCallback_;
  std::uint16_t sequence_ = 0;  // guarded by the channel's connection lock (taken in send)
  TcpChannel channel_;          // last: its io thread stops before the slots go
};

}  // namespace parvalon::host
