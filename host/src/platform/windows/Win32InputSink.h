#pragma once

#include <windows.h>

#include "platform/InputSink.h"

namespace parvalon::host::platform::win32 {

// Synthetic input through SendInput. The records already carry what the INPUT structure wants
// (virtual-desk coordinates, Windows flags, UTF-16 units for KEYEVENTF_UNICODE), so this sink only
// copies fields; Windows itself keeps the pressed keys and buttons, and there is no keyboard
// state of our own to give back. SendInput may be called from any thread.
class Win32InputSink final : public InputSink {
 public:
  std::uint32_t sendInputs(std::span<const InputRecord> records) override;
  std::uint16_t scanCodeOf(std::uint8_t virtualKey) override;

  // The INPUT structure for one record: time and extra information 0.
  static INPUT toInput(const InputRecord& record);
};

}  // namespace parvalon::host::platform::win32
