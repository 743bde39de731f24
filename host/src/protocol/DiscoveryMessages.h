#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace parvalon::protocol {

inline constexpr std::uint16_t kDiscoveryPort = 9877;
// The views point into inline arrays, not string literals: a literal is a separate object in
// every translation unit, and clang 14 then folds begin() to its own copy while end() comes from
// the copy the linker kept, so begin()..end() spans unrelated memory.
inline constexpr char kDiscoveryRequestMagicText[] = "PARVALON_DISCOVER";
inline constexpr char kDiscoveryReplyMagicText[] = "PARVALON_HOST";
inline constexpr std::string_view kDiscoveryRequestMagic{kDiscoveryRequestMagicText,
                                                         sizeof(kDiscoveryRequestMagicText) - 1};
inline constexpr std::string_view kDiscoveryReplyMagic{kDiscoveryReplyMagicText,
                                                       sizeof(kDiscoveryReplyMagicText) - 1};
inline constexpr std::size_t kDiscoveryMaxDatagram = 1023;
inline constexpr const char* kUnknownClientName = "Unknown";

// The client name of a valid request ("Unknown" when none is given, control characters as
// '?'); nullopt when the datagram is not a discovery request.
std::optional<std::string> parseDiscoveryRequest(std::span<const std::uint8_t> datagram);

// A request datagram as a client sends it (the name, when given, follows a ':' separator).
std::vector<std::uint8_t> buildDiscoveryRequest(std::string_view clientName = {});

// "PARVALON_HOST\0<hostName>\0<port>\0".
std::vector<std::uint8_t> buildDiscoveryReply(std::string_view hostName, std::uint16_t port);

struct DiscoveryReply {
  std::string hostName;
  std::uint16_t port = 0;
};
std::optional<DiscoveryReply> parseDiscoveryReply(std::span<const std::uint8_t> datagram);

}  // namespace parvalon::protocol
