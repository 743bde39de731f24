#pragma once

#include <cstdint>

namespace parvalon::host::platform::linux_x11 {

// What a Windows virtual key means on a US keyboard: the keysym it types alone and with Shift
// (the same keysym for keys without a shifted meaning), and the scan code Windows reports for
// it (MapVirtualKeyW, MAPVK_VK_TO_VSC). All zero for a code without a key.
struct VirtualKey {
  std::uint32_t keysym = 0;
  std::uint32_t shiftedKeysym = 0;
  std::uint16_t scanCode = 0;
};

VirtualKey virtualKeyOf(std::uint8_t virtualKey);
// Whether some virtual key types this keysym (alone or with Shift).
bool isVirtualKeyKeysym(std::uint32_t keysym);

// The keysym that types a Unicode character (Latin-1 directly, the rest as 0x01000000 + code
// point, the control characters a keyboard has as their keys); 0 for one no key types.
std::uint32_t keysymOfCharacter(std::uint32_t codePoint);

}  // namespace parvalon::host::platform::linux_x11
