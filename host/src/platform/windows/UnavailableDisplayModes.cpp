#include "UnavailableDisplayModes.h"

namespace parvalon::host::platform {

std::shared_ptr<DisplayModes> DisplayModes::create() { return std::make_shared<windows::UnavailableDisplayModes>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::windows {

std::optional<std::vector<DisplayModeTiming>> UnavailableDisplayModes::outputModes(std::uint32_t) {
  return std::nullopt;
}

}  // namespace parvalon::host::platform::windows
