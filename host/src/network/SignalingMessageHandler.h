#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "network/HandlerSlot.h"
#include "network/SignalingCallbacks.h"
#include "protocol/SignalingMessages.h"

namespace parvalon::host {

// The sending side of one signaling session as the message handler sees it.
class SignalingPeer {
 public:
  virtual ~SignalingPeer() = default;
  virtual const std::string& remoteAddress() const = 0;
  // Queues one text message; callable from any thread.
  virtual void send(std::string text) = 0;
};

// The signaling protocol: classifies one client message, calls the application and queues the
// reply on the sender. Shared by every session of a server; callable from two threads at once.
// It also remembers which session started which stream, so that a session that ends stops
// the streams it left running.
class SignalingMessageHandler {
 public:
  // Looks the sender up among the registered sessions; null when it is no longer registered.
  using FindSender = std::function<std::shared_ptr<SignalingPeer>()>;

  explicit SignalingMessageHandler(protocol::TransportPorts ports = {});

  // Changes the installed callbacks; any thread, also while messages are handled (each message
  // runs with the callbacks installed when it arrived).
  template <class Edit>
  void updateCallbacks(Edit edit) {
    callbacks_.update(edit);
  }

  void handleMessage(std::string_view text, const FindSender& findSender);

  // The session ended (close frame or failed read): stops every stream it started and has
  // not stopped, then tells the application. Runs the stream-stop and session-ended callbacks
  // on the calling thread; one that throws is logged and the next stream is stopped all the same.
  void sessionEnded(const SignalingPeer* peer);
  // Forgets every stream owner without stopping anything (the server is stopping).
  void forgetSessions();

  // Takes the next stream number (1, 2, …, 255, 0, 1, …), safe against concurrent callers.
  std::uint8_t takeStreamId() { return nextStreamId_.fetch_add(1, std::memory_order_relaxed); }

  const protocol::TransportPorts& ports() const { return ports_; }

 private:
  void dispatch(protocol::MessageType type, const nlohmann::json& message,
                const std::shared_ptr<SignalingPeer>& sender, const SignalingCallbacks& callbacks);

  HandlerSlot<SignalingCallbacks> callbacks_;
  protocol::TransportPorts ports_;
  std::atomic<std::uint8_t> nextStreamId_{1};
  std::mutex ownersMutex_;  // guards streamOwners_; the signaling io thread and the polling main thread
  std::map<std::uint8_t, const SignalingPeer*> streamOwners_;
};

}  // namespace parvalon::host
