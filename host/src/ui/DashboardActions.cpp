#include "ui/DashboardActions.h"

#include <algorithm>

namespace parvalon::host {

void DashboardActions::settingsChanged() {
  if (onSettingsChanged) onSettingsChanged(state_.settings());
}

void DashboardActions::selectQualityPreset(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(kQualityPresets.size())) return;
  UISettings& settings = state_.settings();
  settings.qualityPreset = index;
  if (index != kCustomQualityPreset) {
    settings.bitrateKbps = kQualityPresets[static_cast<std::size_t>(index)].bitrateKbps;
    settings.maxBitrateKbps = kQualityPresets[static_cast<std::size_t>(index)].maxBitrateKbps;
  }
  settingsChanged();
}

void DashboardActions::setBitrateFromSlider(std::int32_t mbps) {
  // A typed-in (Ctrl+click) value can leave the slider's range.
  mbps = std::clamp(mbps, kMinBitrateMbps, kMaxBitrateMbps);
  UISettings& settings = state_.settings();
  settings.qualityPreset = kCustomQualityPreset;
  settings.bitrateKbps = mbps * 1000;
  settings.maxBitrateKbps = mbps * 1500;
  settingsChanged();
}

void DashboardActions::setTargetFps(std::int32_t fps) {
  state_.settings().targetFps = fps;
  settingsChanged();
}

void DashboardActions::resetToDefaults() {
  state_.settings() = UISettings{};
  settingsChanged();
}

void DashboardActions::toggleWindow(std::size_t index) {
  const auto& windows = state_.windows();
  if (index >= windows.size()) return;
  if (const auto streamId = windows[index].dashboardStream) {
    if (onStopCapture) onStopCapture(*streamId);
    state_.removeDashboardStream(*streamId);
    return;
  }
  // A window a headset streams gets a stream of the dashboard's own: the headset's goes on.
  const std::uint32_t windowId = windows[index].windowId;
  const auto streamId = onStartCapture ? onStartCapture(windowId) : std::nullopt;
  if (streamId) state_.addDashboardStream(windowId, *streamId);
}

void DashboardActions::allowPending(std::size_t index) {
  const auto entry = state_.takePending(index);
  if (entry && onAllowClient) onAllowClient(entry->sessionId);
}

void DashboardActions::denyPending(std::size_t index) {
  const auto entry = state_.takePending(index);
  if (entry && onDenyClient) onDenyClient(entry->sessionId);
}

void DashboardActions::removeTrusted(std::size_t index) {
  const auto entry = state_.takeTrusted(index);
  if (entry && onRemoveTrustedClient) onRemoveTrustedClient(entry->address, entry->clientName);
}

}  // namespace parvalon::host
