#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/DashboardState.h"
#include "ui/UISettings.h"

namespace parvalon::host {

// What the dashboard's widgets ask of the application: each action updates the dashboard's
// state and leaves through its callback (an unset callback drops the request). Callable
// without drawing. Main thread only.
class DashboardActions {
 public:
  static constexpr int kMinBitrateMbps = 5;
  static constexpr int kMaxBitrateMbps = 150;

  explicit DashboardActions(DashboardState& state) : state_(state) {}
  DashboardActions(const DashboardActions&) = delete;
  DashboardActions& operator=(const DashboardActions&) = delete;

  std::function<void(const UISettings&)> onSettingsChanged;
  // Starts a dashboard stream of the window; the host numbers it (nullopt: it did not start).
  std::function<std::optional<std::uint8_t>(std::uint32_t windowId)> onStartCapture;
  std::function<void(std::uint8_t streamId)> onStopCapture;
  // The operator's answer to a waiting client (its session), and a trusted client removed.
  std::function<void(std::uint64_t sessionId)> onAllowClient;
  std::function<void(std::uint64_t sessionId)> onDenyClient;
  std::function<void(const std::string& address, const std::string& clientName)> onRemoveTrustedClient;

  // A widget changed the settings record in place: the record goes to onSettingsChanged.
  void settingsChanged();
  void selectQualityPreset(std::int32_t index);
  void setBitrateFromSlider(std::int32_t mbps);
  void setTargetFps(std::int32_t fps);
  void resetToDefaults();
  // A click on window-list item `index`: stops the dashboard's stream of it, or starts one.
  void toggleWindow(std::size_t index);
  // The Allow and Deny buttons of waiting client `index`, and Remove of trusted client `index`.
  void allowPending(std::size_t index);
  void denyPending(std::size_t index);
  void removeTrusted(std::size_t index);

 private:
  DashboardState& state_;
};

}  // namespace parvalon::host
