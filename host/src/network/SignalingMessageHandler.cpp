#include "network/SignalingMessageHandler.h"

#include <exception>
#include <string>
#include <vector>

#include "logging/Log.h"

namespace parvalon::host {

using protocol::MessageType;
using protocol::readNumber;

namespace {

// The type text comes from the client: control characters would let it forge or garble
// log lines, so they are shown as '?'.
std::string printable(std::string_view text) {
  std::string out(text);
  for (auto& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = '?';
  }
  return out;
}

}  // namespace

SignalingMessageHandler::SignalingMessageHandler(protocol::TransportPorts ports) : ports_(ports) {
  callbacks_.set(SignalingCallbacks{});
}

void SignalingMessageHandler::handleMessage(std::string_view text, const FindSender& findSender) {
  try {
    const auto message = protocol::parseMessage(text);
    if (!message.is_object()) {
      throw std::runtime_error("message is not a JSON object");
    }
    const auto typeIt = message.find("type");
    if (typeIt == message.end()) {
      PV_LOG_WARN("Unknown message type: '{}'", "missing");
      return;
    }
    const auto typeText = typeIt->get<std::string>();
    const auto type = protocol::classifyMessageType(typeText);
    if (!type) {
      PV_LOG_WARN("Unknown message type: '{}'", printable(typeText));
      return;
    }
    const auto sender = findSender ? findSender() : nullptr;
    if (!sender) return;
    dispatch(*type, message, sender, *callbacks_.get());
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Error processing message: {}", e.what());
  } catch (...) {
    // A callback may throw anything; it must not unwind into the session's read handler.
    PV_LOG_ERROR("Error processing message: {}", "unknown exception");
  }
}

void SignalingMessageHandler::dispatch(MessageType type, const nlohmann::json& message,
                                       const std::shared_ptr<SignalingPeer>& sender,
                                       const SignalingCallbacks& callbacks) {
  switch (type) {
    case MessageType::Hello: {
      PV_LOG_INFO("Received hello from client at {}", sender->remoteAddress());
      if (callbacks.clientConnected) {
        callbacks.clientConnected(sender->remoteAddress(), protocol::readClientHello(message));
      }
      protocol::WelcomeMessage welcome;
      welcome.videoPort = ports_.videoPort;
      welcome.audioPort = ports_.audioPort;
      welcome.inputPort = ports_.inputPort;
      const auto json = protocol::toJson(welcome);
      PV_LOG_INFO("Sending welcome message: {}", protocol::serialize(json));
      sender->send(protocol::serialize(json));
      break;
    }
    case MessageType::WindowListRequest: {
      std::vector<protocol::WindowInfo> windows;
      if (callbacks.windowList) windows = callbacks.windowList();
      sender->send(protocol::serialize(protocol::windowListJson(windows)));
      break;
    }
    case MessageType::StreamStart: {
      const auto windowId = readNumber<std::uint32_t>(message, "windowId");
      const auto streamId = takeStreamId();
      PV_LOG_INFO("Stream subscribe request for window {:x}", windowId);
      const bool accepted = callbacks.streamRequest && callbacks.streamRequest(windowId, streamId);
      if (accepted) {
        {
          std::lock_guard lock(ownersMutex_);
          streamOwners_[streamId] = sender.get();
        }
        protocol::StreamStartedMessage started;
        started.windowId = windowId;
        started.streamId = streamId;
        sender->send(protocol::serialize(protocol::toJson(started)));
      } else {
        sender->send(protocol::serialize(protocol::toJson(protocol::ErrorMessage{})));
      }
      break;
    }
    case MessageType::StreamStop: {
      const auto streamId = readNumber<std::int32_t>(message, "streamId");
      PV_LOG_INFO("Stream stop request for stream {}", streamId);
      const auto stream = static_cast<std::uint8_t>(streamId);
      {
        std::lock_guard lock(ownersMutex_);
        streamOwners_.erase(stream);
      }
      if (callbacks.streamStop) callbacks.streamStop(stream);
      sender->send(protocol::serialize(protocol::streamStoppedJson(streamId)));
      break;
    }
    case MessageType::WindowResize: {
      protocol::WindowResizeRequest r;
      r.streamId = readNumber<std::int32_t>(message, "streamId");
      r.windowId = readNumber<std::uint32_t>(message, "windowId");
      r.width = readNumber<std::uint32_t>(message, "width");
      r.height = readNumber<std::uint32_t>(message, "height");
      PV_LOG_INFO("Window resize request: stream={}, window={:x}, size={}x{}", r.streamId, r.windowId,
                  r.width, r.height);
      const bool success = callbacks.windowResize && callbacks.windowResize(r.windowId, r.width, r.height);
      sender->send(protocol::serialize(protocol::windowResizedJson(r, success)));
      break;
    }
    case MessageType::RequestKeyframe: {
      const auto streamId = readNumber<std::int32_t>(message, "streamId");
      if (callbacks.keyframeRequest) callbacks.keyframeRequest(static_cast<std::uint8_t>(streamId));
      break;
    }
    case MessageType::Ping: {
      const auto timestamp = readNumber<std::int32_t>(message, "timestamp");
      sender->send(protocol::serialize(protocol::pongJson(timestamp)));
      break;
    }
    case MessageType::Welcome:
    case MessageType::WindowList:
    case MessageType::StreamStarted:
    case MessageType::Error:
    case MessageType::Pong:
    case MessageType::WindowResized:
      break;
  }
}

void SignalingMessageHandler::sessionEnded(const SignalingPeer* peer) {
  std::vector<std::uint8_t> orphaned;
  {
    std::lock_guard lock(ownersMutex_);
    for (auto it = streamOwners_.begin(); it != streamOwners_.end();) {
      if (it->second == peer) {
        orphaned.push_back(it->first);
        it = streamOwners_.erase(it);
      } else {
        ++it;
      }
    }
  }
  const auto callbacks = callbacks_.get();
  for (const auto streamId : orphaned) {
    PV_LOG_INFO("Client session ended, stopping its stream {}", streamId);
    if (!callbacks->streamStop) continue;
    try {
      callbacks->streamStop(streamId);
    } catch (const std::exception& e) {
      PV_LOG_ERROR("Error stopping stream {}: {}", streamId, e.what());
    } catch (...) {
      PV_LOG_ERROR("Error stopping stream {}: {}", streamId, "unknown exception");
    }
  }
  if (!callbacks || !callbacks->sessionEnded) return;
  try {
    callbacks->sessionEnded();
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Error ending the session: {}", e.what());
  } catch (...) {
    PV_LOG_ERROR("Error ending the session: {}", "unknown exception");
  }
}

void SignalingMessageHandler::forgetSessions() {
  std::lock_guard lock(ownersMutex_);
  streamOwners_.clear();
}

}  // namespace parvalon::host
