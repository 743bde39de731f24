#pragma once

namespace parvalon::host {

class DashboardActions;
class DashboardAssets;
class DashboardState;

// The Input page: controller input and tracking forwarding.
class InputPage {
 public:
  InputPage(DashboardState& state, DashboardActions& actions, const DashboardAssets& assets)
      : state_(state), actions_(actions), assets_(assets) {}

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  DashboardState& state_;
  DashboardActions& actions_;
  const DashboardAssets& assets_;
};

}  // namespace parvalon::host
