#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parvalon::protocol {

// Standard alphabet (A-Z a-z 0-9 + /), "=" padding, no line breaks.
std::string encodeBase64(const std::uint8_t* data, std::size_t size);
inline std::string encodeBase64(const std::vector<std::uint8_t>& bytes) {
  return encodeBase64(bytes.data(), bytes.size());
}
// Strict inverse of encodeBase64: nothing for a length that is not a multiple of 4, a
// character outside the alphabet, or misplaced padding.
std::optional<std::vector<std::uint8_t>> decodeBase64(std::string_view text);

}  // namespace parvalon::protocol
