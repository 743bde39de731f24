// The Application's client side: which signaling session owns which stream, what a session may
// touch, and the grace period that lets a client whose connection dropped take its streams back.

#include <ctime>
#include <vector>

#include <fmt/format.h>

#include "app/Application.h"
#include "capture/CaptureOrchestrator.h"
#include "logging/Log.h"
#include "network/ClientLogLimiter.h"
#include "network/SignalingServer.h"
#include "platform/DataFolder.h"

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

void Application::initializeApproval() {
  std::optional<std::filesystem::path> file;
  try {
    file = settings_.settingsFile().parent_path() / TrustList::kFileName;
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Trusted clients are kept in memory only: {}", e.what());
  }
  TrustList list(file);
  const auto loaded = list.load();
  if (loaded == TrustList::LoadResult::Corrupt) {
    PV_LOG_WARN("Every new client needs the operator's approval until the trust list is rebuilt");
  }
  ClientApproval::Options options;
  options.trustFirstClient = settings_.trustFirstClient;
  options.requirePin = settings_.requirePin;
  if (options.requirePin) {
    options.pin = ClientApproval::makePin();
    PV_LOG_INFO("New headsets pair with the PIN shown on the dashboard");
  }
  approval_ = std::make_unique<ClientApproval>(std::move(list), loaded, options,
                                               [this] { return clock_(); });
}

void Application::onSessionOpened(const SignalingClient& client) {
  if (approval_) approval_->sessionOpened(client.sessionId, client.address);
}

SessionAdmission Application::admission(const SignalingClient& client) const {
  if (!approval_) return SessionAdmission{false, ClientApproval::kAwaitingApprovalText, false, false};
  const auto a = approval_->admission(client.sessionId);
  return SessionAdmission{a.approved, a.error, a.tellOnHello, a.close};
}

bool Application::addressApproved(const std::string& address) const {
  return approval_ && approval_->addressApproved(address);
}

void Application::onClientHello(const SignalingClient& client, const protocol::ClientHello& hello) {
  PV_LOG_INFO("Client connected from {} (TCP video port: {})", client.address, settings_.videoPort);
  if (!approval_ || !approval_->hello(client.sessionId, client.address, hello.clientName, hello.pin).approved) {
    // It waits for the operator (or a PIN): nothing of its own resumes or shows yet.
    std::lock_guard lock(stateMutex_);
    clients_[client.sessionId] = ClientIdentity{client.address, hello.clientName, hello.deviceName};
    return;
  }
  std::vector<std::uint8_t> resumed;
  {
    std::lock_guard lock(stateMutex_);
    clients_[client.sessionId] = ClientIdentity{client.address, hello.clientName, hello.deviceName};
    for (auto& [streamId, record] : streams_) {
      if (record.owner != StreamOwner::Client) continue;
      if (record.orphanedUntil && record.ownerAddress == client.address && record.ownerName == hello.clientName) {
        record.ownerSession = client.sessionId;
        record.orphanedUntil.reset();
        record.configDue = true;
        resumed.push_back(streamId);
      }
    }
    if (!resumed.empty()) {
      showClientLocked(client.address, hello.clientName, hello.deviceName);
    } else {
      admitSessionLocked(client, hello.clientName, hello.deviceName);
    }
  }
  for (const auto streamId : resumed) {
    PV_LOG_INFO("Client at {} resumed its stream {}", client.address, streamId);
    // Its stream_config follows the welcome with the next key frame.
    if (captureOrchestrator_) captureOrchestrator_->requestKeyframe(streamId);
  }
}

void Application::admitSessionLocked(const SignalingClient& client, const std::string& clientName,
                                     const std::string& deviceName) {
  clients_[client.sessionId] = ClientIdentity{client.address, clientName, deviceName};
  // The dashboard names the headset that streams, not whichever client said hello last.
  for (const auto& [streamId, record] : streams_) {
    if (record.owner == StreamOwner::Client && record.ownerSession != 0 && record.ownerSession != client.sessionId) {
      return;
    }
  }
  showClientLocked(client.address, clientName, deviceName);
}

bool Application::allowClient(std::uint64_t sessionId) {
  if (!approval_) return false;
  const auto approved = approval_->allow(sessionId);
  if (!approved) return false;
  const auto windows = getWindowList();
  for (const auto& session : *approved) {
    {
      std::lock_guard lock(stateMutex_);
      admitSessionLocked(SignalingClient{session.sessionId, session.address}, session.clientName, "");
    }
    // Unasked: the client asked before it was allowed and got an empty list.
    if (signalingServer_) signalingServer_->sendWindowList(session.sessionId, windows);
  }
  return true;
}

void Application::denyClient(std::uint64_t sessionId) {
  if (!approval_) return;
  for (const auto& session : approval_->deny(sessionId)) {
    if (signalingServer_) signalingServer_->closeSession(session.sessionId);
  }
}

void Application::removeTrustedClient(const std::string& address, const std::string& clientName) {
  if (!approval_) return;
  for (const auto& session : approval_->remove(address, clientName)) {
    PV_LOG_INFO("Closing the session of {} at {}: its client is no longer trusted",
                session.clientName.empty() ? std::string("an unnamed client") : clientTextForLog(session.clientName),
                session.address);
    if (signalingServer_) signalingServer_->closeSession(session.sessionId);
  }
}

TrustView Application::trustView() const {
  TrustView view;
  if (!approval_) return view;
  for (const auto& pending : approval_->pending()) {
    view.pending.push_back({pending.sessionId, clientTextForLog(pending.clientName, 60), pending.address});
  }
  for (const auto& entry : approval_->trusted()) {
    std::string when = "not yet";
    if (entry.lastConnected > 0) {
      const std::time_t t = static_cast<std::time_t>(entry.lastConnected);
      std::tm local{};
#ifdef _WIN32
      localtime_s(&local, &t);
#else
      localtime_r(&t, &local);
#endif
      when = fmt::format("{:04d}-{:02d}-{:02d} {:02d}:{:02d}", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                         local.tm_hour, local.tm_min);
    }
    view.trusted.push_back({entry.clientName, entry.address, when});
  }
  view.pin = approval_->pin();
  return view;
}

void Application::onSessionEnded(const SignalingClient& client, bool clientClosed) {
  if (approval_) approval_->sessionClosed(client.sessionId);
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
