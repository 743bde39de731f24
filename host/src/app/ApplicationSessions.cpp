// The Application's client side: which signaling session owns which stream, what a session may
// touch, and the grace period that lets a client whose connection dropped take its streams back.

#include <vector>

#include "app/Application.h"
#include "capture/CaptureOrchestrator.h"
#include "logging/Log.h"

namespace parvalon::host {

StreamStartResult Application::onStreamRequest(std::uint32_t windowId, const SignalingClient& client) {
  if (!captureOrchestrator_) {
    PV_LOG_ERROR("Failed to start capture for window {:x}", windowId);
    return {};
  }
  std::optional<std::uint8_t> existing;
  {
    // A second request for a window this client already streams gets that stream again (with a
    // fresh stream_config), not a second capture.
    std::lock_guard lock(stateMutex_);
    for (auto& [streamId, record] : streams_) {
      if (record.owner == StreamOwner::Client && record.ownerSession == client.sessionId &&
          record.windowId == windowId) {
        record.configDue = true;
        existing = streamId;
        break;
      }
    }
  }
  if (existing) {
    PV_LOG_INFO("Window {:x} already streams to this client on stream {}", windowId, *existing);
    captureOrchestrator_->requestKeyframe(*existing);
    return {StreamStartResult::Status::Started, *existing};
  }
  const auto result = startStream(windowId, StreamOwner::Client, &client);
  if (result.status == StreamStartResult::Status::Failed) {
    PV_LOG_ERROR("Failed to start capture for window {:x}", windowId);
  } else if (result.status == StreamStartResult::Status::Started) {
    PV_LOG_INFO("Capture started for window {:x} on stream {}", windowId, result.streamId);
  }
  return result;
}

void Application::onStreamStop(std::uint8_t streamId, const SignalingClient& client) {
  bool owned = false;
  {
    std::lock_guard lock(stateMutex_);
    const auto it = streams_.find(streamId);
    owned = it != streams_.end() && it->second.owner == StreamOwner::Client &&
            it->second.ownerSession == client.sessionId;
  }
  if (!owned) {
    PV_LOG_WARN("Stream stop request for stream {} refused: not a stream of the client at {}", streamId,
                client.address);
    return;
  }
  PV_LOG_INFO("Client requested to stop stream {}", streamId);
  stopCapture(streamId);
}

void Application::onClientHello(const SignalingClient& client, const protocol::ClientHello& hello) {
  PV_LOG_INFO("Client connected from {} (TCP video port: {})", client.address, settings_.videoPort);
  std::vector<std::uint8_t> resumed;
  {
    std::lock_guard lock(stateMutex_);
    clients_[client.sessionId] = ClientIdentity{client.address, hello.clientName, hello.deviceName};
    bool otherOwner = false;
    for (auto& [streamId, record] : streams_) {
      if (record.owner != StreamOwner::Client) continue;
      if (record.orphanedUntil && record.ownerAddress == client.address && record.ownerName == hello.clientName) {
        record.ownerSession = client.sessionId;
        record.orphanedUntil.reset();
        record.configDue = true;
        resumed.push_back(streamId);
      } else if (record.ownerSession != 0 && record.ownerSession != client.sessionId) {
        otherOwner = true;
      }
    }
    // The dashboard names the headset that streams, not whichever client said hello last.
    if (!resumed.empty() || !otherOwner) showClientLocked(client.address, hello.clientName, hello.deviceName);
  }
  for (const auto streamId : resumed) {
    PV_LOG_INFO("Client at {} resumed its stream {}", client.address, streamId);
    // Its stream_config follows the welcome with the next key frame.
    if (captureOrchestrator_) captureOrchestrator_->requestKeyframe(streamId);
  }
}

void Application::onSessionEnded(const SignalingClient& client, bool clientClosed) {
  std::vector<std::uint8_t> owned;
  {
    std::lock_guard lock(stateMutex_);
    clients_.erase(client.sessionId);
    std::optional<CongestionControl::Clock::time_point> until;
    for (auto& [streamId, record] : streams_) {
      if (record.owner != StreamOwner::Client || record.ownerSession != client.sessionId) continue;
      owned.push_back(streamId);
      if (clientClosed) continue;
      if (!until) until = clock_() + kSessionGrace;
      record.ownerSession = 0;
      record.orphanedUntil = until;
    }
  }
  // What the headset held down for its streams is let go; another session's end touches nothing.
  onSignalingSessionGone(owned);
  for (const auto streamId : owned) {
    if (clientClosed) {
      PV_LOG_INFO("Client session ended, stopping its stream {}", streamId);
      stopCapture(streamId);
    } else {
      PV_LOG_INFO("Client session ended, keeping its stream {} for {} s", streamId, kSessionGrace.count());
    }
  }
}

void Application::stopOrphanedStreams() {
  std::vector<std::uint8_t> expired;
  {
    std::lock_guard lock(stateMutex_);
    std::optional<CongestionControl::Clock::time_point> now;  // read only when a stream waits
    for (const auto& [streamId, record] : streams_) {
      if (!record.orphanedUntil) continue;
      if (!now) now = clock_();
      if (*now >= *record.orphanedUntil) expired.push_back(streamId);
    }
  }
  for (const auto streamId : expired) {
    PV_LOG_INFO("Client session ended, stopping its stream {}", streamId);
    stopCapture(streamId);
  }
}

bool Application::onWindowResizeRequest(std::uint32_t windowId, std::uint32_t width, std::uint32_t height,
                                         const SignalingClient& client) {
  bool streamed = false;
  {
    std::lock_guard lock(stateMutex_);
    for (const auto& [streamId, record] : streams_) {
      if (record.owner == StreamOwner::Client && record.ownerSession == client.sessionId &&
          record.windowId == windowId) {
        streamed = true;
        break;
      }
    }
  }
  if (!streamed) {
    PV_LOG_WARN("Window resize refused: window {:x} is not streamed to the client at {}", windowId, client.address);
    return false;
  }
  return handleWindowResize(windowId, width, height);
}

void Application::onClientKeyframeRequest(std::uint8_t streamId, const SignalingClient& client) {
  {
    std::lock_guard lock(stateMutex_);
    const auto it = streams_.find(streamId);
    if (it == streams_.end() || it->second.ownerSession != client.sessionId) return;  // not this client's
  }
  onKeyframeRequest(streamId);
}

void Application::showClientLocked(const std::string& address, const std::string& clientName,
                                   const std::string& deviceName) {
  stats_.onClientConnected(address);
  stats_.onClientHello(clientName, deviceName);
}

}  // namespace parvalon::host
