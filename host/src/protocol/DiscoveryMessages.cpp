#include "protocol/DiscoveryMessages.h"

#include <algorithm>
#include <charconv>

namespace parvalon::protocol {

std::optional<std::string> parseDiscoveryRequest(std::span<const std::uint8_t> d) {
  if (d.size() < kDiscoveryRequestMagic.size()) return std::nullopt;
  if (!std::equal(kDiscoveryRequestMagic.begin(), kDiscoveryRequestMagic.end(), d.begin())) {
    return std::nullopt;
  }
  // Byte 17 separates the name and is not examined.
  if (d.size() <= kDiscoveryRequestMagic.size() + 1) return std::string(kUnknownClientName);
  const auto name = d.subspan(kDiscoveryRequestMagic.size() + 1);
  const auto end = std::find(name.begin(), name.end(), std::uint8_t{0});
  std::string text(name.begin(), end);
  // The name only goes to the log; control characters there could forge or garble lines.
  for (auto& c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = '?';
  }
  return text;
}

std::vector<std::uint8_t> buildDiscoveryRequest(std::string_view clientName) {
  std::vector<std::uint8_t> out(kDiscoveryRequestMagic.begin(), kDiscoveryRequestMagic.end());
  if (!clientName.empty()) {
    out.push_back(':');
    out.insert(out.end(), clientName.begin(), clientName.end());
  }
  return out;
}

std::vector<std::uint8_t> buildDiscoveryReply(std::string_view hostName, std::uint16_t port) {
  std::vector<std::uint8_t> out(kDiscoveryReplyMagic.begin(), kDiscoveryReplyMagic.end());
  out.push_back(0);
  out.insert(out.end(), hostName.begin(), hostName.end());
  out.push_back(0);
  const auto digits = std::to_string(port);
  out.insert(out.end(), digits.begin(), digits.end());
  out.push_back(0);
  return out;
}

std::optional<DiscoveryReply> parseDiscoveryReply(std::span<const std::uint8_t> d) {
  const std::string text(d.begin(), d.end());
  const std::string magic(kDiscoveryReplyMagic);
  if (text.size() < magic.size() + 1 || text.compare(0, magic.size(), magic) != 0 ||
      text[magic.size()] != '\0') {
    return std::nullopt;
  }
  const auto nameStart = magic.size() + 1;
  const auto nameEnd = text.find('\0', nameStart);
  if (nameEnd == std::string::npos) return std::nullopt;
  const auto portEnd = text.find('\0', nameEnd + 1);
  if (portEnd == std::string::npos || portEnd != text.size() - 1) return std::nullopt;
  DiscoveryReply reply;
  reply.hostName = text.substr(nameStart, nameEnd - nameStart);
  const char* first = text.data() + nameEnd + 1;
  const char* last = text.data() + portEnd;
  const auto [ptr, ec] = std::from_chars(first, last, reply.port);
  if (ec != std::errc() || ptr != last || first == last) return std::nullopt;
  return reply;
}

}  // namespace parvalon::protocol
