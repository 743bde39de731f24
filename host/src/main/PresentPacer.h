#pragma once

#include <chrono>

namespace parvalon::host {

// The main loop is paced by presenting with sync interval 1. Where a present does not wait for
// a vertical blank (Xvfb, wine on Xvfb) this holds the loop near 60 iterations a second instead
// of letting it spin a core.
class PresentPacer {
 public:
  static constexpr std::chrono::nanoseconds kFramePeriod{1'000'000'000 / 60};

  PresentPacer() : last_(std::chrono::steady_clock::now()) {}
  // Called once per loop iteration, after the present or where it would have been (an unchanged
  // frame is not shown); sleeps for what is left of the frame period.
  void presented();

 private:
  std::chrono::steady_clock::time_point last_;
};

}  // namespace parvalon::host
