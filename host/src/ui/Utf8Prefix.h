#pragma once

#include <cstddef>
#include <string_view>

namespace parvalon::host {

// Byte length of the longest prefix of `text` that is at most `maxBytes` long and does not end
// inside a UTF-8 character. Runs of stray continuation bytes are cut after three of them, so a
// malformed text is still cut close to `maxBytes`.
std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// Byte length of the UTF-8 character starting at `start` (1 for a stray byte, at most 4).
std::size_t utf8CharacterLength(std::string_view text, std::size_t start);

}  // namespace parvalon::host
