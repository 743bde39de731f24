#include "InputStep.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace parvalon::viewer {
namespace {

// Fractions go through the forwarder as pixels of a window 65536 pixels wide, whose pixel p is
// position p of the host's 0..65535 range.
constexpr double kFractionExtent = 65536.0;
constexpr int kLeftButton = 0;

// Strict UTF-8: an overlong form, a surrogate or a value past U+10FFFF is refused.
bool decodeUtf8(const std::string& text, std::vector<std::uint32_t>& out) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t cp = 0;
    if (lead < 0x80) {
      length = 1;
      cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      cp = lead & 0x07u;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3Fu);
    }
    static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    out.push_back(cp);
    i += length;
  }
  return true;
}

bool parseFraction(const std::string& text, double& out) {
  double v = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc{} || ptr != text.data() + text.size() || !std::isfinite(v) || v < 0 || v > 1) return false;
  out = v;
  return true;
}

bool parseVirtualKey(const std::string& text, std::uint8_t& out) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* begin = text.data() + (hex ? 2 : 0);
  const char* end = text.data() + text.size();
  unsigned v = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, v, hex ? 16 : 10);
  if (begin == end || ec != std::errc{} || ptr != end || v == 0 || v > 0xFE) return false;
  out = static_cast<std::uint8_t>(v);
  return true;
}

}  // namespace

std::optional<InputStep> InputStep::parse(const std::string& text, std::string& error) {
  const auto space = text.find(' ');
  const std::string verb = text.substr(0, space);
  const std::string rest = space == std::string::npos ? std::string() : text.substr(space + 1);
  std::istringstream words(rest);
  std::vector<std::string> args;
  for (std::string w; words >> w;) args.push_back(w);

  InputStep step;
  if (verb == "click" || verb == "press") {
    step.kind = verb == "click" ? Kind::Click : Kind::Press;
    if (args.size() != 2 || !parseFraction(args[0], step.x) || !parseFraction(args[1], step.y)) {
      error = verb + " needs two fractions from 0 to 1";
      return std::nullopt;
    }
  } else if (verb == "keydown") {
    step.kind = Kind::KeyDown;
    if (args.size() != 1 || !parseVirtualKey(args[0], step.virtualKey)) {
      error = "keydown needs one virtual-key code from 1 to 254";
      return std::nullopt;
    }
  } else if (verb == "type") {
    step.kind = Kind::Type;
    if (rest.empty() || !decodeUtf8(rest, step.codepoints)) {
      error = "type needs text in UTF-8";
      return std::nullopt;
    }
  } else if (verb == "close-input") {
    step.kind = Kind::CloseInput;
    if (!args.empty()) {
      error = "close-input takes nothing more";
      return std::nullopt;
    }
  } else {
    error = "unknown step '" + verb + "'";
    return std::nullopt;
  }
  return step;
}

std::vector<protocol::InputEvent> InputStep::events(InputForwarder& forwarder) const {
  const double px = x * (kFractionExtent - 1);
  const double py = y * (kFractionExtent - 1);
  switch (kind) {
    case Kind::Click:
      return {forwarder.move(px, py, kFractionExtent, kFractionExtent),
              forwarder.button(kLeftButton, true, px, py, kFractionExtent, kFractionExtent),
              forwarder.button(kLeftButton, false, px, py, kFractionExtent, kFractionExtent)};
    case Kind::Press:
      return {forwarder.move(px, py, kFractionExtent, kFractionExtent),
              forwarder.button(kLeftButton, true, px, py, kFractionExtent, kFractionExtent)};
    case Kind::KeyDown:
      return {forwarder.key(virtualKey, true, 0)};
    case Kind::Type: {
      std::vector<protocol::InputEvent> out;
      for (const std::uint32_t cp : codepoints) {
        for (const auto& e : forwarder.character(cp)) out.push_back(e);
      }
      return out;
    }
    case Kind::CloseInput:
      break;
  }
  return {};
}

}  // namespace parvalon::viewer
