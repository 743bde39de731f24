#include "app/ConnectionStats.h"

#include <utility>

namespace parvalon::host {

ConnectionStats::ConnectionStats(Clock clock) : clock_(std::move(clock)) {
  if (!clock_) clock_ = [] { return std::chrono::steady_clock::now(); };
}

void ConnectionStats::onClientConnected(const std::string& address) {
  std::lock_guard lock(mutex_);
  clientAddress_ = address;
  clientName_ = kDefaultClientName;
  latencyMs_ = 0.0f;
}

void ConnectionStats::onClientHello(std::string_view clientName, std::string_view deviceName) {
  std::lock_guard lock(mutex_);
  if (!clientName.empty()) {
    clientName_ = clientName;
  } else if (!deviceName.empty()) {
    clientName_ = deviceName;
  } else {
    clientName_ = kDefaultClientName;
  }
}

void ConnectionStats::onClientDisconnected() {
  std::lock_guard lock(mutex_);
  clientAddress_.clear();
  clientName_ = kDefaultClientName;
  latencyMs_ = 0.0f;
}

void ConnectionStats::onVideoFrame(std::uint64_t bytes) {
  const auto now = clock_();
  std::lock_guard lock(mutex_);
  dropOld(now);
  if (frames_.size() >= kMaxRecordedFrames) frames_.pop_front();
  frames_.push_back({now, bytes});
}

void ConnectionStats::onFeedback(std::uint16_t rttMs) {
  std::lock_guard lock(mutex_);
  latencyMs_ = static_cast<float>(rttMs);
}

ConnectionStatus ConnectionStats::snapshot(bool connected) const {
  ConnectionStatus status;
  if (!connected) return status;
  const auto now = clock_();
  std::lock_guard lock(mutex_);
  dropOld(now);
  std::uint64_t bytes = 0;
  for (const auto& frame : frames_) bytes += frame.bytes;
  status.connected = true;
  status.clientName = clientName_;
  status.clientAddress = clientAddress_;
  status.fps = static_cast<std::int32_t>(frames_.size());
  status.latencyMs = latencyMs_;
  // Bits in the last second, in megabits.
  status.bitrateMbps = static_cast<float>(static_cast<double>(bytes) * 8.0 / 1e6);
  return status;
}

void ConnectionStats::dropOld(std::chrono::steady_clock::time_point now) const {
  // A frame exactly one second old has left the window.
  while (!frames_.empty() && now - frames_.front().at >= kWindow) frames_.pop_front();
}

}  // namespace parvalon::host
