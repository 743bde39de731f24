#include "InputLog.h"

#include <filesystem>

#include "PatternStamp.h"

namespace parvalon::testpattern {
namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

bool isHighSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(std::uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string utf8Of(std::uint32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp <= 0x10FFFF) {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
  return out;
}

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
  if (codePoint > 0x10FFFF || isHighSurrogate(codePoint) || isLowSurrogate(codePoint)) codePoint = kReplacement;
  write({{"type", "text"}, {"text", utf8Of(codePoint)}});
}

void InputLog::charUnit(std::uint16_t unit) {
  if (highSurrogate_ != 0) {
    const std::uint32_t high = highSurrogate_;
    highSurrogate_ = 0;
    if (isLowSurrogate(unit)) {
      text(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00u));
      return;
    }
    text(kReplacement);  // the pair never completed
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
