#pragma once

#include "platform/InputSink.h"

namespace parvalon::host::platform::windows {

// Input injection of the Windows host until SendInput is built in: every record is refused
// (none inserted), as the injector expects from a desktop it cannot reach.
class UnavailableInputSink : public InputSink {
 public:
  std::uint32_t sendInputs(std::span<const InputRecord> records) override;
  std::uint16_t scanCodeOf(std::uint8_t virtualKey) override;
};

}  // namespace parvalon::host::platform::windows
