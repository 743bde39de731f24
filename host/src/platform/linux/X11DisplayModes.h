#pragma once

#include "platform/DisplayModes.h"

namespace parvalon::host::platform::linux_x11 {

// RandR's view of the screen: its connected outputs in the server's order, each with the modes
// it lists (preferred modes first, as RandR lists them). A connection is opened per query: the
// pacer asks once at start-up.
class X11DisplayModes final : public DisplayModes {
 public:
  std::optional<std::vector<DisplayModeTiming>> outputModes(std::uint32_t index) override;
};

}  // namespace parvalon::host::platform::linux_x11
