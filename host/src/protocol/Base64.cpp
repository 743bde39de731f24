#include "protocol/Base64.h"

#include <array>

namespace parvalon::protocol {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPad = '=';
constexpr std::uint8_t kInvalid = 0xFF;

constexpr std::array<std::uint8_t, 256> makeDecodeTable() {
  std::array<std::uint8_t, 256> table{};
  for (auto& v : table) v = kInvalid;
  for (std::uint8_t i = 0; i < 64; ++i) table[static_cast<unsigned char>(kAlphabet[i])] = i;
  return table;
}
constexpr auto kDecode = makeDecodeTable();

}  // namespace

std::string encodeBase64(const std::uint8_t* data, std::size_t size) {
  std::string out;
  out.reserve((size + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= size; i += 3) {
    const std::uint32_t v = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
    out.push_back(kAlphabet[(v >> 18) & 63]);
    out.push_back(kAlphabet[(v >> 12) & 63]);
    out.push_back(kAlphabet[(v >> 6) & 63]);
    out.push_back(kAlphabet[v & 63]);
  }
  const std::size_t rest = size - i;
  if (rest == 1) {
    const std::uint32_t v = data[i] << 16;
    out.push_back(kAlphabet[(v >> 18) & 63]);
    out.push_back(kAlphabet[(v >> 12) & 63]);
    out.push_back(kPad);
    out.push_back(kPad);
  } else if (rest == 2) {
    const std::uint32_t v = (data[i] << 16) | (data[i + 1] << 8);
    out.push_back(kAlphabet[(v >> 18) & 63]);
    out.push_back(kAlphabet[(v >> 12) & 63]);
    out.push_back(kAlphabet[(v >> 6) & 63]);
    out.push_back(kPad);
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> decodeBase64(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::vector<std::uint8_t> out;
  out.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    std::size_t pads = 0;
    if (last) {
      if (text[i + 3] == kPad) ++pads;
      if (text[i + 2] == kPad) {
        if (pads != 1) return std::nullopt;  // "x=y=" style padding
        ++pads;
      }
    }
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k) {
      std::uint8_t d = 0;
      if (k < 4 - pads) {
        d = kDecode[static_cast<unsigned char>(text[i + k])];
        if (d == kInvalid) return std::nullopt;
      }
      v = (v << 6) | d;
    }
    out.push_back(static_cast<std::uint8_t>(v >> 16));
    if (pads < 2) out.push_back(static_cast<std::uint8_t>(v >> 8));
    if (pads < 1) out.push_back(static_cast<std::uint8_t>(v));
  }
  return out;
}

}  // namespace parvalon::protocol
