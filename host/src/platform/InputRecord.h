#pragma once

#include <cstdint>

namespace parvalon::host::platform {

// One synthetic input, shaped after the Windows INPUT record: the fields the injector sets and
// nothing else (time and extra information are always 0).
struct InputRecord {
  enum class Type : std::uint8_t { Mouse, Keyboard };

  Type type = Type::Mouse;
  // Mouse: position (virtual-desk 0..65535 with kMouseAbsolute, else a relative step), the
  // wheel delta or extra-button number, and the kMouse* flags.
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  std::uint32_t mouseData = 0;
  std::uint32_t mouseFlags = 0;
  // Keyboard: virtual key, scan code (the UTF-16 code unit with kKeyUnicode), kKey* flags.
  std::uint16_t virtualKey = 0;
  std::uint16_t scanCode = 0;
  std::uint32_t keyFlags = 0;

  static InputRecord mouse(std::int32_t dx, std::int32_t dy, std::uint32_t mouseData, std::uint32_t flags) {
    InputRecord r;
    r.dx = dx;
    r.dy = dy;
    r.mouseData = mouseData;
    r.mouseFlags = flags;
    return r;
  }
  static InputRecord key(std::uint16_t virtualKey, std::uint16_t scanCode, std::uint32_t flags) {
    InputRecord r;
    r.type = Type::Keyboard;
    r.virtualKey = virtualKey;
    r.scanCode = scanCode;
    r.keyFlags = flags;
    return r;
  }
  bool operator==(const InputRecord&) const = default;
};

// The Windows values of the flags and codes the records carry.
namespace input_flags {
inline constexpr std::uint32_t kMouseMove = 0x0001;
inline constexpr std::uint32_t kMouseLeftDown = 0x0002;
inline constexpr std::uint32_t kMouseLeftUp = 0x0004;
inline constexpr std::uint32_t kMouseRightDown = 0x0008;
inline constexpr std::uint32_t kMouseRightUp = 0x0010;
inline constexpr std::uint32_t kMouseMiddleDown = 0x0020;
inline constexpr std::uint32_t kMouseMiddleUp = 0x0040;
inline constexpr std::uint32_t kMouseXDown = 0x0080;
inline constexpr std::uint32_t kMouseXUp = 0x0100;
inline constexpr std::uint32_t kMouseWheel = 0x0800;
inline constexpr std::uint32_t kMouseHWheel = 0x1000;
inline constexpr std::uint32_t kMouseVirtualDesk = 0x4000;
inline constexpr std::uint32_t kMouseAbsolute = 0x8000;
inline constexpr std::uint32_t kXButton1 = 0x0001;  // mouse data of the first extra button
inline constexpr std::uint32_t kXButton2 = 0x0002;
inline constexpr std::int32_t kWheelDelta = 120;     // one notch of the wheel

inline constexpr std::uint32_t kKeyExtended = 0x0001;
inline constexpr std::uint32_t kKeyUp = 0x0002;
inline constexpr std::uint32_t kKeyUnicode = 0x0004;
}  // namespace input_flags

}  // namespace parvalon::host::platform
