#include "DiscoveryClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "logging/Log.h"

namespace parvalon::viewer {

std::vector<DiscoveredHost> DiscoveryClient::discover(const std::string& address, std::chrono::milliseconds timeout,
                                                      std::uint16_t port, const std::string& clientName) {
  std::vector<DiscoveredHost> found;
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  if (::inet_pton(AF_INET, address.c_str(), &to.sin_addr) != 1) {
    PV_LOG_ERROR("Not an IPv4 address: {}", address);
    return found;
  }
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    PV_LOG_ERROR("Cannot create the discovery socket: {}", std::strerror(errno));
    return found;
  }
  const int one = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
  const auto request = protocol::buildDiscoveryRequest(clientName);
  if (::sendto(fd, request.data(), request.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to) < 0) {
    PV_LOG_ERROR("Cannot send the discovery request to {}: {}", address, std::strerror(errno));
    ::close(fd);
    return found;
  }
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::array<std::uint8_t, 2048> buffer{};
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd p{fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    sockaddr_in from{};
    socklen_t fromLen = sizeof from;
    const ssize_t n = ::recvfrom(fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
    if (n < 0) continue;  // e.g. ICMP port unreachable reported on the socket
    const auto reply = protocol::parseDiscoveryReply({buffer.data(), static_cast<std::size_t>(n)});
    if (!reply) continue;
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
    const bool seen = std::any_of(found.begin(), found.end(), [&](const DiscoveredHost& h) { return h.address == text; });
    if (!seen) found.push_back({text, reply->hostName, reply->port});
  }
  ::close(fd);
  return found;
}

}  // namespace parvalon::viewer
