#pragma once

namespace parvalon::host {

class DashboardState;

// The bar along the dashboard's bottom: the connection, waiting clients, and the live figures
// (or the encoder while no client is connected).
class StatusBar {
 public:
  explicit StatusBar(const DashboardState& state) : state_(state) {}

  // Main thread, inside a Dear ImGui frame: the bar `width` wide at the cursor.
  void draw(float width);

 private:
  const DashboardState& state_;
};

}  // namespace parvalon::host
