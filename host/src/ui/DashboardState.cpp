#include "ui/DashboardState.h"

#include <cstddef>

namespace parvalon::host {

void DashboardState::setWindowList(const std::vector<protocol::WindowInfo>& list) {
  windows_.clear();
  windows_.reserve(list.size());
  for (const auto& info : list) windows_.push_back(WindowEntry{info.id, info.title, info.processName, false, std::nullopt});
  applyStreamMarks();
}

void DashboardState::setStreams(const std::vector<StreamMark>& streams) {
  streams_ = streams;
  applyStreamMarks();
}

void DashboardState::addDashboardStream(std::uint32_t windowId, std::uint8_t streamId) {
  streams_.push_back(StreamMark{windowId, streamId, true});
  applyStreamMarks();
}

void DashboardState::removeDashboardStream(std::uint8_t streamId) {
  std::erase_if(streams_, [&](const StreamMark& s) { return s.streamId == streamId && s.fromDashboard; });
  applyStreamMarks();
}

void DashboardState::applyStreamMarks() {
  for (auto& entry : windows_) {
    entry.streaming = false;
    entry.dashboardStream.reset();
    for (const auto& stream : streams_) {
      if (stream.windowId != entry.windowId) continue;
      entry.streaming = true;
      if (stream.fromDashboard) entry.dashboardStream = stream.streamId;
    }
  }
}

void DashboardState::refreshShownStatus(double now) {
  constexpr double kFigureRefreshSeconds = 0.25;
  const bool sameConnection = status_.connected == shownStatus_.connected &&
                              status_.clientName == shownStatus_.clientName &&
                              status_.clientAddress == shownStatus_.clientAddress;
  if (sameConnection && shownStatusAt_ >= 0.0 && now - shownStatusAt_ < kFigureRefreshSeconds) return;
  shownStatus_ = status_;
  shownStatusAt_ = now;
}

std::optional<PendingClientView> DashboardState::takePending(std::size_t index) {
  if (index >= trust_.pending.size()) return std::nullopt;
  PendingClientView entry = trust_.pending[index];
  trust_.pending.erase(trust_.pending.begin() + static_cast<std::ptrdiff_t>(index));
  return entry;
}

std::optional<TrustedClientView> DashboardState::takeTrusted(std::size_t index) {
  if (index >= trust_.trusted.size()) return std::nullopt;
  TrustedClientView entry = trust_.trusted[index];
  trust_.trusted.erase(trust_.trusted.begin() + static_cast<std::ptrdiff_t>(index));
  return entry;
}

}  // namespace parvalon::host
