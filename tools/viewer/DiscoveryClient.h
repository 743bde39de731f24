#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/DiscoveryMessages.h"

namespace parvalon::viewer {

// The limited broadcast address: what a headset uses on a real network. Development and CI
// runs pass 127.0.0.1 instead.
inline constexpr const char* kDiscoveryBroadcastAddress = "255.255.255.255";

struct DiscoveredHost {
  std::string address;  // where the reply came from: the host to open the WebSocket at
  std::string hostName;
  std::uint16_t signalingPort = 0;
};

// Sends one discovery request to `address` and collects the replies that arrive within
// `timeout`, one entry per answering address.
class DiscoveryClient {
 public:
  static std::vector<DiscoveredHost> discover(const std::string& address, std::chrono::milliseconds timeout,
                                              std::uint16_t port = protocol::kDiscoveryPort,
                                              const std::string& clientName = "parvalon-viewer");
};

}  // namespace parvalon::viewer
