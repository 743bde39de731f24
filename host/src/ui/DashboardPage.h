#pragma once

namespace parvalon::host {

class DashboardActions;
class DashboardAssets;
class DashboardState;

// The Dashboard page: clients waiting for approval and the pairing PIN, the connection and
// system cards, and the window list whose items start and stop the dashboard's streams.
class DashboardPage {
 public:
  DashboardPage(DashboardState& state, DashboardActions& actions, const DashboardAssets& assets)
      : state_(state), actions_(actions), assets_(assets) {}

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  // "Allow <name> at <address>?" with Allow and Deny per waiting client, and the PIN.
  void drawApprovalPrompts();
  void drawConnectionCard();
  void drawSystemCard();
  void drawWindowList();

  DashboardState& state_;
  DashboardActions& actions_;
  const DashboardAssets& assets_;
};

}  // namespace parvalon::host
