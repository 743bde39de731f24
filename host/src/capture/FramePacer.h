#pragma once

#include <atomic>
#include <memory>

#include "platform/DisplayModes.h"

namespace parvalon::host {

// Finds the desktop's first display output and its refresh rate, and carries the "VSync frame
// pacing" switch. No frame is ever delayed by the pacer: it offers no waiting operation, and
// nothing reads the switch.
class FramePacer {
 public:
  static constexpr float kDefaultRefreshRate = 60.0f;

  // The desktop's displays; a null seam plays the part of a missing device.
  FramePacer();
  explicit FramePacer(std::shared_ptr<platform::DisplayModes> displayModes);

  // Looks for output 0 and the refresh rate of the first mode it lists. True when the output
  // exists (the rate may still be the default when that mode reports no timings).
  bool initialize();

  bool isVSyncAvailable() const { return vsyncAvailable_; }
  // Hz; the default until initialize found timings.
  float refreshRate() const { return refreshRate_; }

  // The user's switch (on by default). Stored only.
  void setPacingEnabled(bool enabled) { pacingEnabled_.store(enabled); }
  bool isPacingEnabled() const { return pacingEnabled_.load(); }

 private:
  std::shared_ptr<platform::DisplayModes> displayModes_;
  bool vsyncAvailable_ = false;
  std::atomic<bool> pacingEnabled_{true};  // written by the main thread, read by nobody in the pipeline
  float refreshRate_ = kDefaultRefreshRate;
};

}  // namespace parvalon::host
