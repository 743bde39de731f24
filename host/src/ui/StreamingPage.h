#pragma once

#include <cstdint>

#include "ui/EditingPage.h"

namespace parvalon::host {

// The Streaming page: quality preset, frame rate, bitrate, codec, encoder options and the
// post-processing switches.
class StreamingPage : private EditingPage {
 public:
  static constexpr std::int32_t kFrameRates[] = {72, 80, 90, 120};

  using EditingPage::EditingPage;

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  void drawVideoQuality();
};

}  // namespace parvalon::host
