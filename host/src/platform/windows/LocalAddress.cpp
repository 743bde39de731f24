#include "platform/LocalAddress.h"

#include <winsock2.h>
#include <iphlpapi.h>
#include <ws2tcpip.h>

#include <vector>

namespace parvalon::host::platform {

std::vector<InterfaceAddress> listInterfaceAddresses() {
  std::vector<InterfaceAddress> out;
  // The adapter list is asked for twice at most: once to learn its size if the first guess is short.
  ULONG size = 16 * 1024;
  std::vector<unsigned char> storage;
  ULONG rc = ERROR_BUFFER_OVERFLOW;
  for (int attempt = 0; attempt < 2 && rc == ERROR_BUFFER_OVERFLOW; ++attempt) {
    storage.assign(size, 0);
    rc = GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
                              nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(storage.data()), &size);
  }
  if (rc != NO_ERROR) return out;
  for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(storage.data()); adapter != nullptr;
       adapter = adapter->Next) {
    for (auto* unicast = adapter->FirstUnicastAddress; unicast != nullptr; unicast = unicast->Next) {
      const sockaddr* sa = unicast->Address.lpSockaddr;
      if (sa == nullptr) continue;
      InterfaceAddress entry;
      entry.up = adapter->OperStatus == IfOperStatusUp;
      entry.loopback = adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
      entry.ipv4 = sa->sa_family == AF_INET;
      if (entry.ipv4) {
        char text[INET_ADDRSTRLEN] = {};
        const auto* sin = reinterpret_cast<const sockaddr_in*>(sa);
        if (inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text) != nullptr) entry.address = text;
      }
      out.push_back(std::move(entry));
    }
  }
  return out;
}

}  // namespace parvalon::host::platform
