#include "ui/Utf8Prefix.h"

namespace parvalon::host {
namespace {

constexpr std::size_t kMaxCharacterBytes = 4;

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes) {
  if (maxBytes >= text.size()) return text.size();
  std::size_t end = maxBytes;
  // text[end] is the first byte left out: while it continues a character, that character
  // started before the cut and goes too.
  while (end > 0 && maxBytes - end < kMaxCharacterBytes - 1 && isContinuation(text[end])) --end;
  return end;
}

std::size_t utf8CharacterLength(std::string_view text, std::size_t start) {
  std::size_t end = start + 1;
  while (end < text.size() && end - start < kMaxCharacterBytes && isContinuation(text[end])) ++end;
  return end - start;
}

}  // namespace parvalon::host
