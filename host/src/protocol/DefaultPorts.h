#pragma once

#include <cstdint>

namespace parvalon::protocol {

// The host's default TCP ports: settings, dashboard, welcome and viewer all start from these.
// (The discovery port is fixed and lives with the discovery messages.)
inline constexpr std::uint16_t kDefaultSignalingPort = 9876;
inline constexpr std::uint16_t kDefaultVideoPort = 9944;
inline constexpr std::uint16_t kDefaultAudioPort = 9945;
inline constexpr std::uint16_t kDefaultInputPort = 9946;

}  // namespace parvalon::protocol
