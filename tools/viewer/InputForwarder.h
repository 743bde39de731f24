#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/ClientMessages.h"

namespace parvalon::viewer {

// Input record values (type, action, button codes) as the host reads them.
inline constexpr std::uint8_t kInputTypeMouse = 1;
inline constexpr std::uint8_t kInputTypeKeyboard = 2;
inline constexpr std::uint8_t kMouseMove = 1;
inline constexpr std::uint8_t kMouseButtonDown = 2;
inline constexpr std::uint8_t kMouseButtonUp = 3;
inline constexpr std::uint8_t kMouseWheel = 4;
inline constexpr std::uint8_t kKeyDown = 1;
inline constexpr std::uint8_t kKeyUp = 2;
inline constexpr std::uint8_t kKeyCharacter = 3;
inline constexpr std::int16_t kWheelNotch = 120;

// Turns events of the viewer's window into input-channel records. Positions are in window
// pixels over a picture shown stretched to the whole window, so 0 is the left (top) edge and
// 65535 the right (bottom) edge of the streamed window.
class InputForwarder {
 public:
  explicit InputForwarder(std::uint8_t streamId) : streamId_(streamId) {}

  // Window pixel → 0..65535; positions outside the window clamp to its edges.
  static std::uint16_t normalize(double position, double extent);

  protocol::InputEvent move(double x, double y, double width, double height);
  // `button`: 0 left, 1 right, 2 middle, 3 and 4 the extra buttons.
  protocol::InputEvent button(int button, bool down, double x, double y, double width, double height);
  // `notches` as the windowing system reports them (fractions from smooth wheels).
  protocol::InputEvent wheel(double notches, double x, double y, double width, double height);
  protocol::InputEvent key(std::uint8_t virtualKey, bool down, std::uint8_t modifiers);
  // One character event per UTF-16 code unit of `codepoint` (two for a surrogate pair).
  std::vector<protocol::InputEvent> character(std::uint32_t codepoint);

 private:
  protocol::InputEvent pointer(std::uint8_t action, double x, double y, double width, double height);

  std::uint8_t streamId_;
  double wheelRemainder_ = 0;
};

}  // namespace parvalon::viewer
