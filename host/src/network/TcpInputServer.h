#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <span>

#include "network/HandlerSlot.h"
#include "network/TcpChannel.h"

#include "protocol/ClientMessages.h"

namespace parvalon::host {

// The input channel: one client at a time; length-prefixed InputEvent records in, nothing out.
class TcpInputServer {
 public:
  using ConnectionId = TcpChannel::ConnectionId;
  // With the connection the event came on.
  using InputEventCallback = std::function<void(const protocol::InputEvent&, ConnectionId)>;
  using DisconnectCallback = std::function<void(ConnectionId)>;

  static constexpr std::uint32_t kMaxInputMessageBytes = 1024;
  static constexpr int kReceiveBufferBytes = 16384;

  // Port 0 binds a free port (see boundPort); `bindAddress` empty listens on every interface.
  explicit TcpInputServer(std::uint16_t port, const std::string& bindAddress = {});
  ~TcpInputServer();
  TcpInputServer(const TcpInputServer&) = delete;
  TcpInputServer& operator=(const TcpInputServer&) = delete;

  bool start();
  void stop();

  // Any thread, any time. Called on the server's io thread, one event at a time.
  void setInputEventCallback(InputEventCallback callback);
  // Any thread, any time. Called on the io thread, once per connection, when its events stop
  // coming: it disconnected, failed, sent an oversized message or was replaced by a new client
  // (then before the new client's first event).
  void setDisconnectCallback(DisconnectCallback callback);

  // Who may connect (and, on a channel that reads, whose messages are handled); see TcpChannel.
  void setConnectionFilter(TcpChannel::ConnectionFilter filter);

  std::uint16_t boundPort() const;
  bool hasClient() const;

 private:
  void handleCompleteMessage(ConnectionId connection, std::span<const std::uint8_t> body);

  HandlerSlot<InputEventCallback> inputEventCallback_;
  TcpChannel channel_;  // last: its io thread stops before the slot goes
};

}  // namespace parvalon::host
