#pragma once

namespace parvalon::host {

class DashboardActions;
class DashboardAssets;
class DashboardState;

// What a page that edits the dashboard draws from and acts through: its state, its actions, and
// its fonts and images. The UIManager owns all three and outlives its pages.
class EditingPage {
 public:
  EditingPage(DashboardState& state, DashboardActions& actions, const DashboardAssets& assets)
      : state_(state), actions_(actions), assets_(assets) {}

 protected:
  DashboardState& state_;
  DashboardActions& actions_;
  const DashboardAssets& assets_;
};

}  // namespace parvalon::host
