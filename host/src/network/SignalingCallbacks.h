#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "protocol/SignalingMessages.h"
#include "protocol/WindowInfo.h"

namespace parvalon::host {

// The signaling session a request came from: a number unique for the server's lifetime and the
// peer's address. The application decides with it what the session may touch.
struct SignalingClient {
  std::uint64_t sessionId = 0;
  std::string address;
};

// The application's answer to a stream request.
struct StreamStartResult {
  enum class Status : std::uint8_t { Started, Failed, LimitReached };
  Status status = Status::Failed;
  std::uint8_t streamId = 0;  // the stream that serves the request when Started
};

// Whether a session's requests are served. A session that is not approved gets `error` for its
// requests (ping excepted) and an empty window list.
struct SessionAdmission {
  bool approved = true;
  std::string error;         // the message of the error reply
  bool tellOnHello = false;  // the error also follows the welcome
  bool close = false;        // the host closes the session after the reply
};

// The application callbacks of the signaling channel; every one is optional.
struct SignalingCallbacks {
  using WindowListCallback = std::function<std::vector<protocol::WindowInfo>()>;
  // Starts a stream for the client (or names the one it already has for that window).
  using StreamRequestCallback = std::function<StreamStartResult(std::uint32_t windowId, const SignalingClient& client)>;
  using StreamStopCallback = std::function<void(std::uint8_t streamId, const SignalingClient& client)>;
  // A client said hello, naming itself in `hello`.
  using ClientConnectedCallback = std::function<void(const SignalingClient& client, const protocol::ClientHello& hello)>;
  using WindowResizeCallback = std::function<bool(std::uint32_t windowId, std::uint32_t width, std::uint32_t height,
                                                  const SignalingClient& client)>;
  using KeyframeRequestCallback = std::function<void(std::uint8_t streamId, const SignalingClient& client)>;
  // A session ended: `clientClosed` when the client said goodbye with a close frame (it is
  // done), false when the connection broke or was abandoned (it may come back).
  using SessionEndedCallback = std::function<void(const SignalingClient& client, bool clientClosed)>;
  // The session's WebSocket handshake completed.
  using SessionOpenedCallback = std::function<void(const SignalingClient& client)>;
  // Asked before each request (and after a hello); none installed: every session is served.
  using AdmissionCallback = std::function<SessionAdmission(const SignalingClient& client)>;

  WindowListCallback windowList;
  StreamRequestCallback streamRequest;
  StreamStopCallback streamStop;
  ClientConnectedCallback clientConnected;
  WindowResizeCallback windowResize;
  KeyframeRequestCallback keyframeRequest;
  SessionEndedCallback sessionEnded;
  SessionOpenedCallback sessionOpened;
  AdmissionCallback admission;
};

}  // namespace parvalon::host
