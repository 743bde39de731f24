#pragma once

#include "platform/DisplayModes.h"

namespace parvalon::host::platform::windows {

// Display timings of the Windows host until DXGI output enumeration is built in: no output,
// so the frame pacer reports VSync unavailable and paces by its timer.
class UnavailableDisplayModes : public DisplayModes {
 public:
  std::optional<std::vector<DisplayModeTiming>> outputModes(std::uint32_t index) override;
};

}  // namespace parvalon::host::platform::windows
