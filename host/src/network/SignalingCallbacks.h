#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "protocol/SignalingMessages.h"
#include "protocol/WindowInfo.h"

namespace parvalon::host {

// The application callbacks of the signaling channel; every one is optional.
struct SignalingCallbacks {
  using WindowListCallback = std::function<std::vector<protocol::WindowInfo>()>;
  using StreamRequestCallback = std::function<bool(std::uint32_t windowId, std::uint8_t streamId)>;
  using StreamStopCallback = std::function<void(std::uint8_t streamId)>;
  // A client said hello from `address`, naming itself in `hello`.
  using ClientConnectedCallback = std::function<void(const std::string& address, const protocol::ClientHello& hello)>;
  using WindowResizeCallback =
      std::function<bool(std::uint32_t windowId, std::uint32_t width, std::uint32_t height)>;
  using KeyframeRequestCallback = std::function<void(std::uint8_t streamId)>;
  // A session ended (after the streams it left running were stopped).
  using SessionEndedCallback = std::function<void()>;

  WindowListCallback windowList;
  StreamRequestCallback streamRequest;
  StreamStopCallback streamStop;
  ClientConnectedCallback clientConnected;
  WindowResizeCallback windowResize;
  KeyframeRequestCallback keyframeRequest;
  SessionEndedCallback sessionEnded;
};

}  // namespace parvalon::host
