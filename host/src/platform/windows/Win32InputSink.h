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

  // The INPUT structure for one record (time and extra information 0). An absolute position is
  // re-expressed for the desktop of `deskWidth` × `deskHeight` pixels it refers to (see
  // exactAbsolute).
  static INPUT toInput(const InputRecord& record, std::int32_t deskWidth, std::int32_t deskHeight);
  // The injector rounds a pixel to the nearest virtual-desk coordinate, but the desktop maps a
  // coordinate back to a pixel by truncating (× extent / 65536), which lands one pixel short about
  // half the time. The coordinate is turned back into its pixel and then into the smallest
  // coordinate whose truncated image is that pixel. `extent` at least 1.
  static std::int32_t exactAbsolute(std::int32_t value, std::int32_t extent);
};

}  // namespace parvalon::host::platform::win32
