#pragma once

namespace parvalon::host {

class DashboardActions;
class DashboardAssets;
class DashboardState;

// The Audio page: the audio bitrate and the microphone passthrough.
class AudioPage {
 public:
  static constexpr int kMinAudioBitrateKbps = 64;
  static constexpr int kMaxAudioBitrateKbps = 320;

  AudioPage(DashboardState& state, DashboardActions& actions, const DashboardAssets& assets)
      : state_(state), actions_(actions), assets_(assets) {}

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  DashboardState& state_;
  DashboardActions& actions_;
  const DashboardAssets& assets_;
};

}  // namespace parvalon::host
