#pragma once

namespace parvalon::host {

class DashboardAssets;
class DashboardState;

// The About page: the product, its versions and the system it runs on.
class AboutPage {
 public:
  AboutPage(const DashboardState& state, const DashboardAssets& assets) : state_(state), assets_(assets) {}

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  const DashboardState& state_;
  const DashboardAssets& assets_;
};

}  // namespace parvalon::host
