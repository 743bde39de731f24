#pragma once

#include "ui/EditingPage.h"

namespace parvalon::host {

// The Audio page: the audio bitrate and the microphone passthrough.
class AudioPage : private EditingPage {
 public:
  static constexpr int kMinAudioBitrateKbps = 64;
  static constexpr int kMaxAudioBitrateKbps = 320;

  using EditingPage::EditingPage;

  // Main thread, inside a Dear ImGui frame.
  void draw();
};

}  // namespace parvalon::host
