#include "platform/UdpSocket.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "WinsockSession.h"

namespace parvalon::host::platform {

namespace {

sockaddr_in toSockaddr(std::uint32_t address, std::uint16_t port) {
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(address);
  sa.sin_port = htons(port);
  return sa;
}

SOCKET handle(std::intptr_t fd) { return static_cast<SOCKET>(fd); }

int result(int rc) { return rc == 0 ? 0 : WSAGetLastError(); }

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
  if (const int err = ensureWinsock()) return err;
  const SOCKET s = ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
  if (s == INVALID_SOCKET) return WSAGetLastError();
  fd_ = static_cast<std::intptr_t>(s);
  return 0;
}

int UdpSocket::setReuseAddress(bool on) {
  const BOOL v = on ? TRUE : FALSE;
  return result(::setsockopt(handle(fd_), SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&v), sizeof(v)));
}

int UdpSocket::setBroadcast(bool on) {
  const BOOL v = on ? TRUE : FALSE;
  return result(::setsockopt(handle(fd_), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&v), sizeof(v)));
}

int UdpSocket::bindAny(std::uint16_t port) { return bindTo(INADDR_ANY, port); }

int UdpSocket::bindTo(std::uint32_t address, std::uint16_t port) {
  const auto sa = toSockaddr(address, port);
  return result(::bind(handle(fd_), reinterpret_cast<const sockaddr*>(&sa), sizeof(sa)));
}

int UdpSocket::sendTo(std::span<const std::uint8_t> data, const UdpPeer& to) {
  const auto sa = toSockaddr(to.address, to.port);
  const int sent = ::sendto(handle(fd_), reinterpret_cast<const char*>(data.data()), static_cast<int>(data.size()),
                            0, reinterpret_cast<const sockaddr*>(&sa), sizeof(sa));
  if (sent == SOCKET_ERROR) return WSAGetLastError();
  return static_cast<std::size_t>(sent) == data.size() ? 0 : WSAEMSGSIZE;
}

std::uint16_t UdpSocket::localPort() const {
  sockaddr_in sa{};
  int len = sizeof(sa);
  if (::getsockname(handle(fd_), reinterpret_cast<sockaddr*>(&sa), &len) != 0) return 0;
  return ntohs(sa.sin_port);
}

UdpSocket::Wait UdpSocket::waitReadable(std::chrono::milliseconds timeout) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(handle(fd_), &readable);
  timeval tv{};
  tv.tv_sec = static_cast<long>(timeout.count() / 1000);
  tv.tv_usec = static_cast<long>((timeout.count() % 1000) * 1000);
  // The first argument is ignored by Winsock.
  const int ready = ::select(0, &readable, nullptr, nullptr, &tv);
  if (ready == SOCKET_ERROR) return Wait::Failed;
  return ready == 0 ? Wait::TimedOut : Wait::Readable;
}

UdpSocket::Received UdpSocket::receive(std::span<std::uint8_t> buffer) {
  Received r;
  sockaddr_in sa{};
  int len = sizeof(sa);
  // Winsock refuses a datagram longer than the buffer with WSAEMSGSIZE (and drops it).
  const int got = ::recvfrom(handle(fd_), reinterpret_cast<char*>(buffer.data()), static_cast<int>(buffer.size()), 0,
                             reinterpret_cast<sockaddr*>(&sa), &len);
  if (got == SOCKET_ERROR) {
    r.error = WSAGetLastError();
    return r;
  }
  r.size = static_cast<std::size_t>(got);
  r.from.address = ntohl(sa.sin_addr.s_addr);
  r.from.port = ntohs(sa.sin_port);
  return r;
}

void UdpSocket::shutdown() {
  // Neither shutdown nor closesocket reliably ends a select running on another thread; an
  // empty datagram from and to this socket does, and it is no request.
  if (fd_ < 0) return;
  sockaddr_in bound{};
  int len = sizeof(bound);
  if (::getsockname(handle(fd_), reinterpret_cast<sockaddr*>(&bound), &len) != 0 || bound.sin_port == 0) return;
  // To the address the socket is bound to; loopback reaches a socket bound to every interface.
  UdpPeer self;
  self.address = bound.sin_addr.s_addr == htonl(INADDR_ANY) ? INADDR_LOOPBACK : ntohl(bound.sin_addr.s_addr);
  self.port = ntohs(bound.sin_port);
  sendTo({}, self);
}

void UdpSocket::close() {
  if (fd_ >= 0) {
    ::closesocket(handle(fd_));
    fd_ = -1;
  }
}

// A readable wake-up with nothing to read counts as an interrupted call.
bool UdpSocket::isInterruption(int error) { return error == WSAEINTR || error == WSAEWOULDBLOCK; }
// An earlier reply that met a closed port comes back as WSAECONNRESET on the next receive.
bool UdpSocket::isConnectionReset(int error) { return error == WSAECONNRESET; }

}  // namespace parvalon::host::platform
