#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "network/SignalingCallbacks.h"
#include "protocol/SignalingMessages.h"

namespace parvalon::host {

class SignalingServerImpl;

// The WebSocket control channel: any number of clients, replies to the sender, stream_config
// to everyone. Network work runs on a private io thread and on the thread that calls poll.
class SignalingServer {
 public:
  // Port 0 binds a free port (see boundPort). `ports` are the transport ports the welcome announces.
  explicit SignalingServer(std::uint16_t port, protocol::TransportPorts ports = {});
  ~SignalingServer();
  SignalingServer(const SignalingServer&) = delete;
  SignalingServer& operator=(const SignalingServer&) = delete;

  bool start();
  void stop();
  // Runs the completion handlers that are ready, on the calling thread, without blocking.
  void poll();

  // Install before start; not changed afterwards.
  void setWindowListCallback(SignalingCallbacks::WindowListCallback callback);
  void setStreamRequestCallback(SignalingCallbacks::StreamRequestCallback callback);
  void setStreamStopCallback(SignalingCallbacks::StreamStopCallback callback);
  void setClientConnectedCallback(SignalingCallbacks::ClientConnectedCallback callback);
  void setWindowResizeCallback(SignalingCallbacks::WindowResizeCallback callback);
  void setKeyframeRequestCallback(SignalingCallbacks::KeyframeRequestCallback callback);

  // Serialises once and queues the same text on every registered session; any thread.
  void sendStreamConfig(const protocol::StreamConfig& config);
  // Registered sessions, handshakes in progress included; any thread.
  std::size_t getClientCount() const;
  std::uint16_t boundPort() const;

 private:
  std::shared_ptr<SignalingServerImpl> impl_;
};

}  // namespace parvalon::host
