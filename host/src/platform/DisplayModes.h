#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace parvalon::host::platform {

// The timings of one display mode: pixel clock in Hz and the full line and frame lengths
// (visible area plus blanking). Zero timings mean the display does not report them.
struct DisplayModeTiming {
  std::uint64_t dotClockHz = 0;
  std::uint32_t hTotal = 0;
  std::uint32_t vTotal = 0;
};

// The display outputs of the desktop and the modes each one lists.
class DisplayModes {
 public:
  virtual ~DisplayModes() = default;

  // The modes of output `index` (counting connected outputs in the display's order), in the
  // order the display lists them; nothing when there is no such output. An output may list no
  // modes at all.
  virtual std::optional<std::vector<DisplayModeTiming>> outputModes(std::uint32_t index) = 0;

  // The real implementation of this platform (X11: RandR on $DISPLAY).
  static std::shared_ptr<DisplayModes> create();
};

}  // namespace parvalon::host::platform
