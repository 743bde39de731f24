#pragma once

#include "platform/DisplayModes.h"

namespace parvalon::host::platform::win32 {

// The outputs of the first DXGI adapter (the one the capture and the encoder run on) with the
// modes each lists for 32-bit BGRA. Rates the driver leaves unknown (wine reports 0 Hz
// everywhere) come from DWM's composition timing, else 60 Hz.
class DxgiDisplayModes final : public DisplayModes {
 public:
  std::optional<std::vector<DisplayModeTiming>> outputModes(std::uint32_t index) override;
};

}  // namespace parvalon::host::platform::win32
