#pragma once

#include <cstdint>

namespace parvalon::host {

class DashboardActions;
class DashboardAssets;
class DashboardState;

// The Streaming page: quality preset, frame rate, bitrate, codec, encoder options and the
// post-processing switches.
class StreamingPage {
 public:
  static constexpr std::int32_t kFrameRates[] = {72, 80, 90, 120};

  StreamingPage(DashboardState& state, DashboardActions& actions, const DashboardAssets& assets)
      : state_(state), actions_(actions), assets_(assets) {}

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  void drawVideoQuality();

  DashboardState& state_;
  DashboardActions& actions_;
  const DashboardAssets& assets_;
};

}  // namespace parvalon::host
