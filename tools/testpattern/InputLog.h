#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

namespace parvalon::testpattern {

// The --input-log file: one JSON line per input event the pattern window receives, each with
// "timeUs" on the stamp's steady clock, appended and flushed at once so a reader sees every
// event as it happens. Positions are window pixels. The lines:
//   {"type":"motion","x":..,"y":..}
//   {"type":"button","button":N,"pressed":true|false,"x":..,"y":..}   (X11 numbering: 1 left,
//       2 middle, 3 right, 4/5 wheel up/down, 8/9 back/forward)
//   {"type":"key","keycode":..,"keysym":..,"pressed":..}            (X11)
//   {"type":"key","keycode":<scan code>,"vk":..,"pressed":..}         (Windows)
//   {"type":"text","text":"<one character, UTF-8>"}
class InputLog {
 public:
  // `path` UTF-8; empty: nothing is written. `clock` null: the steady clock.
  explicit InputLog(const std::string& path, std::function<std::uint64_t()> clock = {});

  // False when a file was asked for and could not be opened.
  bool ok() const { return path_.empty() || out_.is_open(); }

  void motion(int x, int y);
  void button(int button, bool pressed, int x, int y);
  void key(std::uint32_t keycode, std::uint32_t keysym, bool pressed);
  void virtualKey(std::uint32_t scanCode, std::uint32_t vk, bool pressed);
  // One typed character (a Unicode scalar value).
  void text(std::uint32_t codePoint);
  // One UTF-16 unit as WM_CHAR delivers it: a surrogate pair becomes one text line; a surrogate
  // without its partner is written as U+FFFD.
  void charUnit(std::uint16_t unit);

 private:
  void write(nlohmann::json line);

  std::string path_;
  std::function<std::uint64_t()> clock_;
  std::ofstream out_;
  std::uint16_t highSurrogate_ = 0;  // the first half of a pair, until the second arrives
};

}  // namespace parvalon::testpattern
