// Discovery datagrams: the request parser against its own rules, and the reply builder and
// parser against each other with a host name and port taken from the input.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "protocol/DiscoveryMessages.h"

namespace {

using namespace parvalon::protocol;

using parvalon::fuzz::require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> datagram(data, std::min(size, kDiscoveryMaxDatagram));
  const auto name = parseDiscoveryRequest(datagram);
  const bool magic = datagram.size() >= kDiscoveryRequestMagic.size() &&
                     std::equal(kDiscoveryRequestMagic.begin(), kDiscoveryRequestMagic.end(), datagram.begin());
  require(name.has_value() == magic);
  if (name) {
    if (datagram.size() <= kDiscoveryRequestMagic.size() + 1) {
      require(*name == kUnknownClientName);
    } else {
      require(name->size() <= datagram.size() - kDiscoveryRequestMagic.size() - 1);
      for (const char c : *name) {
        const auto byte = static_cast<unsigned char>(c);
        require(byte >= 0x20 && byte != 0x7f);
      }
    }
  }

  // Whatever a client receives must not crash its parser either.
  (void)parseDiscoveryReply(datagram);

  if (size >= 2) {
    const auto port = static_cast<std::uint16_t>(data[0] | (data[1] << 8));
    std::string host(reinterpret_cast<const char*>(data + 2), size - 2);
    host.erase(std::find(host.begin(), host.end(), '\0'), host.end());
    const auto reply = buildDiscoveryReply(host, port);
    require(reply.size() == kDiscoveryReplyMagic.size() + host.size() + std::to_string(port).size() + 3);
    const auto parsed = parseDiscoveryReply(reply);
    require(parsed && parsed->hostName == host && parsed->port == port);
  }
  return 0;
}
