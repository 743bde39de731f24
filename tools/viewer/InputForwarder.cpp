#include "InputForwarder.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace parvalon::viewer {

std::uint16_t InputForwarder::normalize(double position, double extent) {
  if (!(extent > 1)) return 0;
  // The last pixel maps to 65535 exactly, the host's right edge.
  const double v = std::round(position / (extent - 1) * 65535.0);
  return static_cast<std::uint16_t>(std::clamp(v, 0.0, 65535.0));
}

protocol::InputEvent InputForwarder::pointer(std::uint8_t action, double x, double y, double width, double height) {
  protocol::InputEvent e;
  e.streamId = streamId_;
  e.type = kInputTypeMouse;
  e.action = action;
  e.x = normalize(x, width);
  e.y = normalize(y, height);
  return e;
}

protocol::InputEvent InputForwarder::move(double x, double y, double width, double height) {
  return pointer(kMouseMove, x, y, width, height);
}

protocol::InputEvent InputForwarder::button(int button, bool down, double x, double y, double width, double height) {
  auto e = pointer(down ? kMouseButtonDown : kMouseButtonUp, x, y, width, height);
  e.code = static_cast<std::uint8_t>(std::clamp(button, 0, 255));
  return e;
}

protocol::InputEvent InputForwarder::wheel(double notches, double x, double y, double width, double height) {
  auto e = pointer(kMouseWheel, x, y, width, height);
  // Smooth wheels report fractions: keep what does not make a whole unit for the next event.
  const double units = notches * kWheelNotch + wheelRemainder_;
  const double whole = std::trunc(std::clamp(units, double{std::numeric_limits<std::int16_t>::min()},
                                             double{std::numeric_limits<std::int16_t>::max()}));
  wheelRemainder_ = std::abs(units) <= std::numeric_limits<std::int16_t>::max() ? units - whole : 0;
  e.wheelDelta = static_cast<std::int16_t>(whole);
  return e;
}

protocol::InputEvent InputForwarder::key(std::uint8_t virtualKey, bool down, std::uint8_t modifiers) {
  protocol::InputEvent e;
  e.streamId = streamId_;
  e.type = kInputTypeKeyboard;
  e.action = down ? kKeyDown : kKeyUp;
  e.code = virtualKey;
  e.modifiers = modifiers;
  return e;
}

std::vector<protocol::InputEvent> InputForwarder::character(std::uint32_t codepoint) {
  std::vector<std::uint16_t> units;
  if (codepoint > 0x10FFFF || (codepoint >= 0xD800 && codepoint <= 0xDFFF)) return {};
  if (codepoint >= 0x10000) {
    const std::uint32_t v = codepoint - 0x10000;
    units = {static_cast<std::uint16_t>(0xD800 + (v >> 10)), static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF))};
  } else {
    units = {static_cast<std::uint16_t>(codepoint)};
  }
  std::vector<protocol::InputEvent> events;
  for (const auto unit : units) {
    protocol::InputEvent e;
    e.streamId = streamId_;
    e.type = kInputTypeKeyboard;
    e.action = kKeyCharacter;
    e.x = unit;  // the input channel carries the full 16-bit unit in x
    events.push_back(e);
  }
  return events;
}

}  // namespace parvalon::viewer
