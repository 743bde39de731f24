#include "network/SignalingMessageHandler.h"

#include <exception>
#include <string>
#include <vector>

#include "logging/Log.h"

namespace parvalon::host {

using protocol::MessageType;
using protocol::readNumber;

namespace {

const std::string kUnknownAddress = "unknown";

SignalingClient clientOf(const SignalingPeer& peer) { return SignalingClient{peer.sessionId(), peer.remoteAddress()}; }

}  // namespace

SignalingMessageHandler::SignalingMessageHandler(protocol::TransportPorts ports, ClientLogLimiter::Clock logClock,
                                                 bool requiresAuth)
    : ports_(ports), logLimiter_(std::move(logClock)), requiresAuth_(requiresAuth) {
  callbacks_.set(SignalingCallbacks{});
}

void SignalingMessageHandler::handleMessage(std::string_view text, const FindSender& findSender) {
  // Looked up first so that a client's flood of bad messages is counted against its address; a
  // sender no longer registered still gets its bad message logged, but nothing is dispatched.
  const auto sender = findSender ? findSender() : nullptr;
  const std::string& address = sender ? sender->remoteAddress() : kUnknownAddress;
  try {
    const auto message = protocol::parseMessage(text);
    if (!message.is_object()) {
      throw std::runtime_error("message is not a JSON object");
    }
    const auto typeIt = message.find("type");
    if (typeIt == message.end()) {
      if (logLimiter_.allow(address)) PV_LOG_WARN("Unknown message type: '{}'", "missing");
      return;
    }
    const auto typeText = typeIt->get<std::string>();
    const auto type = protocol::classifyMessageType(typeText);
    if (!type) {
      if (logLimiter_.allow(address)) PV_LOG_WARN("Unknown message type: '{}'", clientTextForLog(typeText));
      return;
    }
    if (!sender) return;
    dispatch(*type, message, sender, *callbacks_.get());
  } catch (const std::exception& e) {
    // A parser's message quotes what it read, which the client chose.
    if (logLimiter_.allow(address)) PV_LOG_ERROR("Error processing message: {}", clientTextForLog(e.what()));
  } catch (...) {
    // A callback may throw anything; it must not unwind into the session's read handler.
    if (logLimiter_.allow(address)) PV_LOG_ERROR("Error processing message: {}", "unknown exception");
  }
}

void SignalingMessageHandler::dispatch(MessageType type, const nlohmann::json& message,
                                       const std::shared_ptr<SignalingPeer>& sender,
                                       const SignalingCallbacks& callbacks) {
  const SignalingClient client = clientOf(*sender);
  switch (type) {
    case MessageType::WindowListRequest:
    case MessageType::StreamStart:
    case MessageType::StreamStop:
    case MessageType::WindowResize:
    case MessageType::RequestKeyframe:
      if (callbacks.admission) {
        const auto admission = callbacks.admission(client);
        if (!admission.approved) {
          refuse(type, admission, *sender);
          return;
        }
      }
      break;
    default:
      break;  // a hello is always welcomed, a ping always answered
  }
  switch (type) {
    case MessageType::Hello: {
      PV_LOG_INFO("Received hello from client at {}", client.address);
      if (callbacks.clientConnected) callbacks.clientConnected(client, protocol::readClientHello(message));
      protocol::WelcomeMessage welcome;
      welcome.videoPort = ports_.videoPort;
      welcome.audioPort = ports_.audioPort;
      welcome.inputPort = ports_.inputPort;
      welcome.requiresAuth = requiresAuth_;
      const auto json = protocol::toJson(welcome);
      PV_LOG_INFO("Sending welcome message: {}", protocol::serialize(json));
      sender->send(protocol::serialize(json));
      if (callbacks.admission) {
        const auto admission = callbacks.admission(client);
        if (!admission.approved && (admission.tellOnHello || admission.close)) refuse(type, admission, *sender);
      }
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
      PV_LOG_INFO("Stream subscribe request for window {:x}", windowId);
      StreamStartResult result;
      if (callbacks.streamRequest) result = callbacks.streamRequest(windowId, client);
      if (result.status == StreamStartResult::Status::Started) {
        protocol::StreamStartedMessage started;
        started.windowId = windowId;
        started.streamId = result.streamId;
        sender->send(protocol::serialize(protocol::toJson(started)));
      } else {
        protocol::ErrorMessage error;
        if (result.status == StreamStartResult::Status::LimitReached) error.message = protocol::kStreamLimitErrorText;
        sender->send(protocol::serialize(protocol::toJson(error)));
      }
      break;
    }
    case MessageType::StreamStop: {
      const auto streamId = readNumber<std::int32_t>(message, "streamId");
      PV_LOG_INFO("Stream stop request for stream {}", streamId);
      if (callbacks.streamStop) callbacks.streamStop(static_cast<std::uint8_t>(streamId), client);
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
      const bool success = callbacks.windowResize && callbacks.windowResize(r.windowId, r.width, r.height, client);
      sender->send(protocol::serialize(protocol::windowResizedJson(r, success)));
      break;
    }
    case MessageType::RequestKeyframe: {
      const auto streamId = readNumber<std::int32_t>(message, "streamId");
      if (callbacks.keyframeRequest) callbacks.keyframeRequest(static_cast<std::uint8_t>(streamId), client);
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

void SignalingMessageHandler::refuse(MessageType type, const SessionAdmission& admission, SignalingPeer& sender) {
  if (type == MessageType::WindowListRequest) {
    // Nothing of the desktop, not even window titles, before the operator has said yes.
    sender.send(protocol::serialize(protocol::windowListJson({})));
  } else {
    protocol::ErrorMessage error;
    error.code = protocol::kAccessErrorCode;
    error.message = admission.error;
    sender.send(protocol::serialize(protocol::toJson(error)));
  }
  if (admission.close) sender.close();
}

void SignalingMessageHandler::sessionOpened(const SignalingPeer& peer) {
  const auto callbacks = callbacks_.get();
  if (!callbacks || !callbacks->sessionOpened) return;
  try {
    callbacks->sessionOpened(clientOf(peer));
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Error opening the session: {}", e.what());
  } catch (...) {
    PV_LOG_ERROR("Error opening the session: {}", "unknown exception");
  }
}

void SignalingMessageHandler::sessionEnded(const SignalingPeer& peer, bool clientClosed) {
  logLimiter_.flush(peer.remoteAddress());
  const auto callbacks = callbacks_.get();
  if (!callbacks || !callbacks->sessionEnded) return;
  try {
    callbacks->sessionEnded(clientOf(peer), clientClosed);
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Error ending the session: {}", e.what());
  } catch (...) {
    PV_LOG_ERROR("Error ending the session: {}", "unknown exception");
  }
}

}  // namespace parvalon::host
