#include "platform/UdpSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace parvalon::host::platform {

namespace {

sockaddr_in toSockaddr(std::uint32_t address, std::uint16_t port) {
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(address);
  sa.sin_port = htons(port);
  return sa;
}

int result(int rc) { return rc == 0 ? 0 : errno; }

}  // namespace

std::string UdpPeer::addressText() const {
  in_addr a{};
  a.s_addr = htonl(address);
  char text[INET_ADDRSTRLEN] = {};
  if (!::inet_ntop(AF_INET, &a, text, sizeof(text))) return "unknown";
  return text;
}

UdpSocket::~UdpSocket() { close(); }

int UdpSocket::open() {
  close();
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
  return fd_ >= 0 ? 0 : errno;
}

int UdpSocket::setReuseAddress(bool on) {
  const int v = on ? 1 : 0;
  return result(::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &v, sizeof(v)));
}

int UdpSocket::setBroadcast(bool on) {
  const int v = on ? 1 : 0;
  return result(::setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &v, sizeof(v)));
}

int UdpSocket::bindAny(std::uint16_t port) { return bindTo(INADDR_ANY, port); }

int UdpSocket::bindTo(std::uint32_t address, std::uint16_t port) {
  const auto sa = toSockaddr(address, port);
  return result(::bind(fd_, reinterpret_cast<const sockaddr*>(&sa), sizeof(sa)));
}

int UdpSocket::sendTo(std::span<const std::uint8_t> data, const UdpPeer& to) {
  const auto sa = toSockaddr(to.address, to.port);
  const auto sent = ::sendto(fd_, data.data(), data.size(), MSG_NOSIGNAL,
                             reinterpret_cast<const sockaddr*>(&sa), sizeof(sa));
  if (sent < 0) return errno;
  return static_cast<std::size_t>(sent) == data.size() ? 0 : EMSGSIZE;
}

std::uint16_t UdpSocket::localPort() const {
  sockaddr_in sa{};
  socklen_t len = sizeof(sa);
  if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&sa), &len) != 0) return 0;
  return ntohs(sa.sin_port);
}

UdpSocket::Wait UdpSocket::waitReadable(std::chrono::milliseconds timeout) {
  pollfd pfd{static_cast<int>(fd_), POLLIN, 0};
  const int ready = ::poll(&pfd, 1, static_cast<int>(timeout.count()));
  if (ready < 0) return Wait::Failed;
  return ready == 0 ? Wait::TimedOut : Wait::Readable;
}

UdpSocket::Received UdpSocket::receive(std::span<std::uint8_t> buffer) {
  Received r;
  sockaddr_in sa{};
  socklen_t len = sizeof(sa);
  // Linux cuts an oversized datagram silently; MSG_TRUNC reports its real length.
  const auto got = ::recvfrom(fd_, buffer.data(), buffer.size(), MSG_TRUNC | MSG_DONTWAIT,
                              reinterpret_cast<sockaddr*>(&sa), &len);
  if (got < 0) {
    r.error = errno;
    return r;
  }
  if (static_cast<std::size_t>(got) > buffer.size()) {
    r.error = EMSGSIZE;
    return r;
  }
  r.size = static_cast<std::size_t>(got);
  r.from.address = ntohl(sa.sin_addr.s_addr);
  r.from.port = ntohs(sa.sin_port);
  return r;
}

void UdpSocket::shutdown() {
  if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
}

void UdpSocket::close() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
}

// A readable wake-up with nothing to read (EAGAIN) counts as an interrupted call.
bool UdpSocket::isInterruption(int error) {
  return error == EINTR || error == EAGAIN || error == EWOULDBLOCK;
}
// On Linux an earlier reply to a closed port shows up as ECONNREFUSED.
bool UdpSocket::isConnectionReset(int error) { return error == ECONNREFUSED || error == ECONNRESET; }

}  // namespace parvalon::host::platform
