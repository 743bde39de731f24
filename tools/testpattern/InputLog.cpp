#include "InputLog.h"

#include <filesystem>

#include "PatternStamp.h"
#include "platform/Utf8.h"

namespace parvalon::testpattern {
namespace {

using host::platform::kReplacementCharacter;

bool isHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

InputLog::InputLog(const std::string& path, std::function<std::uint64_t()> clock)
    : path_(path), clock_(clock ? std::move(clock) : std::function<std::uint64_t()>(steadyMicros)) {
  if (path_.empty()) return;
  // UTF-8 on every platform (a narrow path is the ANSI code page on Windows).
  const std::filesystem::path file(std::u8string(path_.begin(), path_.end()));
  out_.open(file, std::ios::out | std::ios::app | std::ios::binary);
}

void InputLog::motion(int x, int y) { write({{"type", "motion"}, {"x", x}, {"y", y}}); }

void InputLog::button(int button, bool pressed, int x, int y) {
  write({{"type", "button"}, {"button", button}, {"pressed", pressed}, {"x", x}, {"y", y}});
}

void InputLog::key(std::uint32_t keycode, std::uint32_t keysym, bool pressed) {
  write({{"type", "key"}, {"keycode", keycode}, {"keysym", keysym}, {"pressed", pressed}});
}

void InputLog::virtualKey(std::uint32_t scanCode, std::uint32_t vk, bool pressed) {
  write({{"type", "key"}, {"keycode", scanCode}, {"vk", vk}, {"pressed", pressed}});
}

void InputLog::text(std::uint32_t codePoint) {
  std::string utf8;
  host::platform::appendUtf8(utf8, codePoint);
  write({{"type", "text"}, {"text", utf8}});
}

void InputLog::charUnit(std::uint16_t unit) {
  if (highSurrogate_ != 0) {
    const std::uint32_t high = highSurrogate_;
    highSurrogate_ = 0;
    if (isLowSurrogate(unit)) {
      text(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00u));
      return;
    }
    text(kReplacementCharacter);  // the pair never completed
  }
  if (isHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return;
  }
  text(unit);  // a lone low surrogate becomes U+FFFD there
}

void InputLog::write(nlohmann::json line) {
  if (!out_.is_open()) return;
  line["timeUs"] = clock_();
  out_ << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  out_.flush();
}

}  // namespace parvalon::testpattern
