#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "InputForwarder.h"

namespace parvalon::viewer {

// One step of `stream --input`: input the viewer sends by itself once the stream shows, as a
// headset would, for tests and demos without a person at the window. The spellings:
//   click X Y     left button down and up at the fractions X, Y (0..1) of the streamed window
//   press X Y     left button down there, never released
//   keydown VK    a Windows virtual key down (decimal, or hexadecimal with 0x), never released
//   type TEXT     TEXT (UTF-8, the rest of the step) as character events, one per UTF-16 unit
//   close-input   closes the input connection, as a headset that goes away does
struct InputStep {
  enum class Kind { Click, Press, KeyDown, Type, CloseInput };

  Kind kind = Kind::Click;
  double x = 0;  // click, press
  double y = 0;
  std::uint8_t virtualKey = 0;           // keydown
  std::vector<std::uint32_t> codepoints;  // type

  // The step `text` spells, or nothing with `error` set.
  static std::optional<InputStep> parse(const std::string& text, std::string& error);
  // Its input records, in order (none for close-input).
  std::vector<protocol::InputEvent> events(InputForwarder& forwarder) const;
};

}  // namespace parvalon::viewer
