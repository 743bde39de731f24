#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "protocol/WindowInfo.h"
#include "ui/ConnectionStatus.h"
#include "ui/SystemInformation.h"
#include "ui/TrustView.h"
#include "ui/UISettings.h"

namespace parvalon::host {

// One line of the dashboard's window list.
struct WindowEntry {
  std::uint32_t windowId = 0;
  std::string title;
  std::string processName;
  bool streaming = false;                       // some stream captures it, whoever started it
  std::optional<std::uint8_t> dashboardStream;  // the stream the dashboard started for it, if any
};

// A running stream as the host reports it to the dashboard.
struct StreamMark {
  std::uint32_t windowId = 0;
  std::uint8_t streamId = 0;
  bool fromDashboard = false;
};

// What the dashboard shows and the operator edits: pushed in by the main loop, read by the
// pages, changed by the pages' widgets and by DashboardActions. Main thread only.
class DashboardState {
 public:
  // Replaces the window list; the streaming marks come from the last setStreams.
  void setWindowList(const std::vector<protocol::WindowInfo>& list);
  // The host's running streams (the dashboard's and every client's), pushed every frame.
  void setStreams(const std::vector<StreamMark>& streams);
  // A dashboard stream started or stopped: marked at once, before the host's next push.
  void addDashboardStream(std::uint32_t windowId, std::uint8_t streamId);
  void removeDashboardStream(std::uint8_t streamId);
  const std::vector<WindowEntry>& windows() const { return windows_; }

  UISettings& settings() { return settings_; }
  const UISettings& settings() const { return settings_; }
  void setSystemInformation(const SystemInformation& info) { systemInfo_ = info; }
  const SystemInformation& systemInformation() const { return systemInfo_; }

  void setConnectionStatus(const ConnectionStatus& status) { status_ = status; }
  const ConnectionStatus& connectionStatus() const { return status_; }
  // What the status bar and the connection card draw: the pushed status at once when the
  // connection itself changes, its live figures four times a second (readable, and no redraw
  // per frame). `now` is the frame's time in seconds.
  void refreshShownStatus(double now);
  const ConnectionStatus& shownStatus() const { return shownStatus_; }

  // Waiting and trusted clients and the pairing PIN, pushed every frame.
  void setTrustView(const TrustView& view) { trust_ = view; }
  const TrustView& trustView() const { return trust_; }
  // Takes entry `index` off the list (an answered or removed client stays off until the next push).
  std::optional<PendingClientView> takePending(std::size_t index);
  std::optional<TrustedClientView> takeTrusted(std::size_t index);

  void setLocalIpAddress(std::string address) { localIpAddress_ = std::move(address); }
  const std::string& localIpAddress() const { return localIpAddress_; }

  // Startup switches that only show: toggled, read by nothing else.
  bool startWithSystem = false;  // Windows: no Startup-folder entry yet
  bool startMinimized = false;

 private:
  // Marks each listed window with the streams that capture it.
  void applyStreamMarks();

  UISettings settings_;
  SystemInformation systemInfo_;
  ConnectionStatus status_;
  ConnectionStatus shownStatus_;
  double shownStatusAt_ = -1.0;
  TrustView trust_;
  std::vector<WindowEntry> windows_;
  std::vector<StreamMark> streams_;
  std::string localIpAddress_ = "0.0.0.0";
};

}  // namespace parvalon::host
