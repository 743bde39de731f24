#pragma once

namespace parvalon::host {

class DashboardActions;
class DashboardAssets;
class DashboardState;

// The Settings page: the ports, the trusted headsets, the startup switches and the reset.
class SettingsPage {
 public:
  SettingsPage(DashboardState& state, DashboardActions& actions, const DashboardAssets& assets)
      : state_(state), actions_(actions), assets_(assets) {}

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  void drawTrustedClients();

  DashboardState& state_;
  DashboardActions& actions_;
  const DashboardAssets& assets_;
};

}  // namespace parvalon::host
