#pragma once

#include <string>
#include <vector>

namespace parvalon::host::platform {

// One address of a network interface, as the OS lists them.
struct InterfaceAddress {
  bool up = false;
  bool loopback = false;
  bool ipv4 = false;
  std::string address;  // dotted form for IPv4
};

inline constexpr const char* kLoopbackAddress = "127.0.0.1";

// The address the dashboard shows in its endpoint lines: the first interface that is up, not
// loopback and has an IPv4 address; "127.0.0.1" when there is none.
inline std::string pickLocalIpv4Address(const std::vector<InterfaceAddress>& interfaces) {
  for (const auto& entry : interfaces) {
    if (entry.up && !entry.loopback && entry.ipv4 && !entry.address.empty()) return entry.address;
  }
  return kLoopbackAddress;
}

// The machine's interface addresses in the OS's order (nothing is sent anywhere).
std::vector<InterfaceAddress> listInterfaceAddresses();

// pickLocalIpv4Address over listInterfaceAddresses.
inline std::string detectLocalIpv4Address() { return pickLocalIpv4Address(listInterfaceAddresses()); }

}  // namespace parvalon::host::platform
