#include "main/PresentPacer.h"

#include <thread>

namespace parvalon::host {

void PresentPacer::presented() {
  const auto elapsed = std::chrono::steady_clock::now() - last_;
  if (elapsed >= std::chrono::nanoseconds::zero() && elapsed < kFramePeriod) {
    std::this_thread::sleep_for(kFramePeriod - elapsed);
  }
  last_ = std::chrono::steady_clock::now();
}

}  // namespace parvalon::host
