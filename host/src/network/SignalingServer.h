#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "network/SignalingCallbacks.h"
#include "protocol/SignalingMessages.h"

namespace parvalon::host {

class SignalingServerImpl;

// Per-session limits of the signaling server.
struct SignalingLimits {
  // A connection that has not completed its WebSocket handshake by then is closed.
  std::chrono::milliseconds handshakeTimeout{10000};
  // Messages waiting to be written to one session; one more closes the session.
  std::size_t queueLimit = 256;
  // Origins (as browsers send them, "http://example.com:8080") whose pages may connect. A
  // handshake without an Origin header (a headset, a native client) is always accepted; one
  // with an origin not listed here is refused with 403, so a web page cannot drive the host.
  std::vector<std::string> allowedOrigins;
  // The IPv4 address to listen on; empty or "0.0.0.0": every interface.
  std::string bindAddress;
  // The welcome says a PIN is asked for.
  bool requiresAuth = false;
};

// The WebSocket control channel: any number of clients, replies to the sender, stream_config
// to everyone. Network work runs on a private io thread and on the thread that calls poll.
class SignalingServer {
 public:
  // Port 0 binds a free port (see boundPort). `ports` are the transport ports the welcome announces.
  explicit SignalingServer(std::uint16_t port, protocol::TransportPorts ports = {}, SignalingLimits limits = {});
  ~SignalingServer();
  SignalingServer(const SignalingServer&) = delete;
  SignalingServer& operator=(const SignalingServer&) = delete;

  bool start();
  void stop();
  // Runs the completion handlers that are ready, on the calling thread, without blocking.
  void poll();

  // Any thread, any time (also while clients send).
  void setWindowListCallback(SignalingCallbacks::WindowListCallback callback);
  void setStreamRequestCallback(SignalingCallbacks::StreamRequestCallback callback);
  void setStreamStopCallback(SignalingCallbacks::StreamStopCallback callback);
  void setClientConnectedCallback(SignalingCallbacks::ClientConnectedCallback callback);
  void setWindowResizeCallback(SignalingCallbacks::WindowResizeCallback callback);
  void setKeyframeRequestCallback(SignalingCallbacks::KeyframeRequestCallback callback);
  void setSessionEndedCallback(SignalingCallbacks::SessionEndedCallback callback);
  void setSessionOpenedCallback(SignalingCallbacks::SessionOpenedCallback callback);
  void setAdmissionCallback(SignalingCallbacks::AdmissionCallback callback);

  // Serialises once and queues the same text on every registered session; any thread.
  void sendStreamConfig(const protocol::StreamConfig& config);
  // Queues a window_list on one session (unasked, as after the operator allowed it); any thread.
  void sendWindowList(std::uint64_t sessionId, const std::vector<protocol::WindowInfo>& windows);
  // The host ends one session (its end is reported as a close); any thread.
  void closeSession(std::uint64_t sessionId);
  // Sessions whose handshake has completed; any thread.
  std::size_t getClientCount() const;
  std::uint16_t boundPort() const;

 private:
  std::shared_ptr<SignalingServerImpl> impl_;
};

}  // namespace parvalon::host
