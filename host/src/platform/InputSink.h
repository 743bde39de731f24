#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/InputRecord.h"

namespace parvalon::host::platform {

// Where synthetic input goes (Windows: SendInput; X11: XTest). Records are applied in order.
// Thread-safe: both input channels may send at once.
class InputSink {
 public:
  virtual ~InputSink() = default;

  // Injects the records; returns how many were inserted.
  virtual std::uint32_t sendInputs(std::span<const InputRecord> records) = 0;
  // The scan code a US keyboard gives the virtual key (MapVirtualKeyW, MAPVK_VK_TO_VSC); 0 when none.
  virtual std::uint16_t scanCodeOf(std::uint8_t virtualKey) = 0;
  // Ends every temporary change the sink made to the desktop for typing (X11: keycodes remapped
  // for characters the keymap lacks are given back).
  virtual void restoreKeyboard() {}

  // The desktop's sink. Never null: without a display every record is refused (0 inserted).
  static std::unique_ptr<InputSink> create();
};

}  // namespace parvalon::host::platform
