#include "platform/linux/X11Text.h"

#include <cstdint>

#include "platform/Utf8.h"

namespace parvalon::host::platform::linux_x11 {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr unsigned char kEsc = 0x1B;
constexpr unsigned char kStx = 0x02;

// Length of the valid UTF-8 sequence starting at text[i], or 0 when it is not one.
std::size_t validSequenceLength(std::string_view text, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  if (b0 < 0x80) return 1;
  std::size_t length = 0;
  std::uint32_t cp = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) return 0;
  if (length == 4 && (cp < 0x10000 || cp > 0x10FFFF)) return 0;
  return length;
}

void appendSanitized(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = validSequenceLength(text, i);
    if (length == 0) {
      out.append(kReplacement);
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::string sanitizeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendSanitized(out, text);
  return out;
}

std::string latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) appendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string compoundTextToUtf8(std::string_view text) {
  std::string out;
  bool leftAscii = true;   // GL: ASCII, or a set we cannot convert
  bool rightLatin1 = true; // GR: the right half of ISO 8859-1, or a set we cannot convert
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b != kEsc) {
      if (b == '\t' || b == '\n') {
        out.push_back(static_cast<char>(b));
      } else if (b >= 0x20 && b <= 0x7F) {
        if (leftAscii) {
          if (b != 0x7F) out.push_back(static_cast<char>(b));
        } else {
          out.append(kReplacement);
        }
      } else if (b >= 0xA0) {
        if (rightLatin1) {
          appendUtf8(out, b);
        } else {
          out.append(kReplacement);
        }
      }
      // other C0 and all C1 controls (direction CSI included) carry no text
      ++i;
      continue;
    }
    // An escape sequence: ESC, intermediate bytes 0x20-0x2F, one final byte 0x30-0x7E.
    std::size_t j = i + 1;
    while (j < text.size() && static_cast<unsigned char>(text[j]) >= 0x20 && static_cast<unsigned char>(text[j]) <= 0x2F) ++j;
    if (j >= text.size()) break;  // cut short: the rest carries no text
    const std::string_view intermediates = text.substr(i + 1, j - i - 1);
    const char final = text[j];
    i = j + 1;
    if (intermediates == "(") {
      leftAscii = final == 'B';
    } else if (intermediates == "-") {
      rightLatin1 = final == 'A';
    } else if (intermediates == "%" && final == 'G') {
      // UTF-8 until ESC % @ (or the end)
      std::size_t end = text.find("\x1B%@", i);
      if (end == std::string_view::npos) end = text.size();
      appendSanitized(out, text.substr(i, end - i));
      i = end == text.size() ? end : end + 3;
    } else if (intermediates == "%/" && final >= '0' && final <= '4') {
      // Extended segment: two length bytes, the encoding name, STX, then the data.
      if (i + 2 > text.size()) break;
      const std::size_t length = (static_cast<unsigned char>(text[i]) & 0x7F) * 128u + (static_cast<unsigned char>(text[i + 1]) & 0x7F);
      i += 2;
      const std::size_t end = std::min(text.size(), i + length);
      const std::string_view segment = text.substr(i, end - i);
      i = end;
      const std::size_t stx = segment.find(static_cast<char>(kStx));
      if (stx == std::string_view::npos) {
        out.append(kReplacement);
        continue;
      }
      if (equalsIgnoreCase(segment.substr(0, stx), "utf-8")) {
        appendSanitized(out, segment.substr(stx + 1));
      } else if (segment.size() > stx + 1) {
        out.append(kReplacement);
      }
    } else if (intermediates == ")" || intermediates == "$)") {
      rightLatin1 = false;  // a 94 or 94^N set into GR
    } else if (intermediates == "$(") {
      leftAscii = false;  // a 94^N set into GL
    }
  }
  return out;
}

}  // namespace parvalon::host::platform::linux_x11
