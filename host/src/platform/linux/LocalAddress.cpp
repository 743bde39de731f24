#include "platform/LocalAddress.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace parvalon::host::platform {

std::vector<InterfaceAddress> listInterfaceAddresses() {
  std::vector<InterfaceAddress> out;
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return out;
  for (const ifaddrs* it = list; it != nullptr; it = it->ifa_next) {
    if (it->ifa_addr == nullptr) continue;
    InterfaceAddress entry;
    entry.up = (it->ifa_flags & IFF_UP) != 0;
    entry.loopback = (it->ifa_flags & IFF_LOOPBACK) != 0;
    entry.ipv4 = it->ifa_addr->sa_family == AF_INET;
    if (entry.ipv4) {
      char text[INET_ADDRSTRLEN] = {};
      const auto* sin = reinterpret_cast<const sockaddr_in*>(it->ifa_addr);
      if (inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text) != nullptr) entry.address = text;
    }
    out.push_back(std::move(entry));
  }
  freeifaddrs(list);
  return out;
}

}  // namespace parvalon::host::platform
