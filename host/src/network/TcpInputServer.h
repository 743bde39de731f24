#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "network/HandlerSlot.h"
#include "network/TcpChannel.h"

#include "protocol/ClientMessages.h"

namespace parvalon::host {

// The input channel: one client at a time; length-prefixed InputEvent records in, nothing out.
class TcpInputServer {
 public:
  using InputEventCallback = std::function<void(const protocol::InputEvent&)>;
  using DisconnectCallback = std::function<void()>;

  static constexpr std::uint32_t kMaxInputMessageBytes = 1024;
  static constexpr int kReceiveBufferBytes = 16384;

  // Port 0 binds a free port (see boundPort).
  explicit TcpInputServer(std::uint16_t port);
  ~TcpInputServer();
  TcpInputServer(const TcpInputServer&) = delete;
  TcpInputServer& operator=(const TcpInputServer&) = delete;

  bool start();
  void stop();

  // Any thread, any time. Called on the server's io thread, one event at a time.
  void setInputEventCallback(InputEventCallback callback);
  // Any thread, any time. Called on the io thread when the client's events stop coming: it
  // disconnected, failed, sent an oversized message or was replaced by a new client.
  void setDisconnectCallback(DisconnectCallback callback);

  std::uint16_t boundPort() const;
  bool hasClient() const;

 private:
  void handleCompleteMessage(std::span<const std::uint8_t> body);

  HandlerSlot<InputEventCallback> inputEventCallback_;
  TcpChannel channel_;  // last: its io thread stops before the slot goes
};

}  // namespace parvalon::host
