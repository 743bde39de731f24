#include "capture/FramePacer.h"

#include <utility>

#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr std::uint32_t kFirstOutput = 0;

}  // namespace

FramePacer::FramePacer() : FramePacer(platform::DisplayModes::create()) {}

FramePacer::FramePacer(std::shared_ptr<platform::DisplayModes> displayModes)
    : displayModes_(std::move(displayModes)) {}

bool FramePacer::initialize() {
  if (!displayModes_) {
    PV_LOG_WARN("FramePacer: No device provided");
    return false;
  }
  if (const auto modes = displayModes_->outputModes(kFirstOutput)) {
    vsyncAvailable_ = true;
    // The first listed mode decides, not the mode in use; without timings the default stays.
    if (!modes->empty()) {
      const platform::DisplayModeTiming& first = modes->front();
      const double frameLength = static_cast<double>(first.hTotal) * static_cast<double>(first.vTotal);
      if (first.dotClockHz != 0 && frameLength != 0) {
        refreshRate_ = static_cast<float>(static_cast<double>(first.dotClockHz) / frameLength);
      }
    }
    PV_LOG_INFO("FramePacer: VSync synchronization available (refresh rate: {:.1f}Hz)", refreshRate_);
  }
  if (!vsyncAvailable_) PV_LOG_WARN("FramePacer: VSync not available, using timer-based pacing");
  return vsyncAvailable_;
}

}  // namespace parvalon::host
