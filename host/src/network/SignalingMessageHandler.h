#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "network/ClientLogLimiter.h"
#include "network/HandlerSlot.h"
#include "network/SignalingCallbacks.h"
#include "protocol/SignalingMessages.h"

namespace parvalon::host {

// The sending side of one signaling session as the message handler sees it.
class SignalingPeer {
 public:
  virtual ~SignalingPeer() = default;
  // Unique among the server's sessions for the server's lifetime.
  virtual std::uint64_t sessionId() const = 0;
  virtual const std::string& remoteAddress() const = 0;
  // Queues one text message; callable from any thread.
  virtual void send(std::string text) = 0;
  // Closes the session after what is queued (the host ends it); callable from any thread.
  virtual void close() {}
};

// The signaling protocol: classifies one client message, calls the application and queues the
// reply on the sender. Shared by every session of a server; callable from two threads at once.
// What a session may touch (its own streams and their windows) is the application's decision:
// every callback names the session it serves.
class SignalingMessageHandler {
 public:
  // Looks the sender up among the registered sessions; null when it is no longer registered.
  using FindSender = std::function<std::shared_ptr<SignalingPeer>()>;

  // `requiresAuth`: what the welcome says (a PIN is asked for).
  explicit SignalingMessageHandler(protocol::TransportPorts ports = {}, ClientLogLimiter::Clock logClock = {},
                                   bool requiresAuth = false);

  // Changes the installed callbacks; any thread, also while messages are handled (each message
  // runs with the callbacks installed when it arrived).
  template <class Edit>
  void updateCallbacks(Edit edit) {
    callbacks_.update(edit);
  }

  void handleMessage(std::string_view text, const FindSender& findSender);

  // The session ended (close frame, failed read, abandoned): tells the application, on the
  // calling thread; a callback that throws is logged.
  void sessionEnded(const SignalingPeer& peer, bool clientClosed);
  // The session's handshake completed: tells the application, on the calling thread.
  void sessionOpened(const SignalingPeer& peer);

  const protocol::TransportPorts& ports() const { return ports_; }

 private:
  void dispatch(protocol::MessageType type, const nlohmann::json& message,
                const std::shared_ptr<SignalingPeer>& sender, const SignalingCallbacks& callbacks);
  // The reply a session that may not use the host gets for a request of `type`.
  void refuse(protocol::MessageType type, const SessionAdmission& admission, SignalingPeer& sender);

  HandlerSlot<SignalingCallbacks> callbacks_;
  protocol::TransportPorts ports_;
  ClientLogLimiter logLimiter_;
  bool requiresAuth_;
};

}  // namespace parvalon::host
