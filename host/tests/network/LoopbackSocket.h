#pragma once

// Raw client sockets on 127.0.0.1 for the channel tests, and bounded waits.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "fakes/WaitUntil.h"

namespace parvalon::host::testing {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

inline sockaddr_in loopback(std::uint16_t port) {
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  sa.sin_port = htons(port);
  return sa;
}

inline std::uint16_t localPortOf(int fd) {
  sockaddr_in sa{};
  socklen_t len = sizeof(sa);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
  return ntohs(sa.sin_port);
}

// One TCP client connection to 127.0.0.1.
class LoopbackTcpClient {
 public:
  enum class End { Eof, Reset, StillOpen, Error };

  // `receiveBuffer` > 0 sets SO_RCVBUF before connecting (a small one makes a stalled reader).
  explicit LoopbackTcpClient(std::uint16_t port, int receiveBuffer = 0, bool connectNow = true)
      : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)), port_(port) {
    if (receiveBuffer > 0) ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof(receiveBuffer));
    if (connectNow) connect();
  }
  ~LoopbackTcpClient() { close(); }
  LoopbackTcpClient(const LoopbackTcpClient&) = delete;
  LoopbackTcpClient& operator=(const LoopbackTcpClient&) = delete;

  bool connect() {
    const auto sa = loopback(port_);
    connected_ = ::connect(fd_, reinterpret_cast<const sockaddr*>(&sa), sizeof(sa)) == 0;
    return connected_;
  }
  bool connected() const { return connected_; }
  std::uint16_t localPort() const { return localPortOf(fd_); }

  bool sendAll(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const auto n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
      if (n <= 0) return false;
      done += static_cast<std::size_t>(n);
    }
    return true;
  }

  // Exactly `n` bytes, or nullopt on time-out, end of stream or error.
  std::optional<Bytes> readExact(std::size_t n, std::chrono::milliseconds timeout = 3000ms) {
    Bytes out(n);
    std::size_t got = 0;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (got < n) {
      if (!waitReadable(deadline)) return std::nullopt;
      const auto r = ::recv(fd_, out.data() + got, n - got, 0);
      if (r <= 0) return std::nullopt;
      got += static_cast<std::size_t>(r);
    }
    return out;
  }

  // Reads and drops whatever arrives until the connection ends or `timeout` passes.
  End waitForEnd(std::chrono::milliseconds timeout = 3000ms) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::uint8_t scratch[4096];
    for (;;) {
      if (!waitReadable(deadline)) return End::StillOpen;
      const auto r = ::recv(fd_, scratch, sizeof(scratch), 0);
      if (r == 0) return End::Eof;
      if (r < 0) return errno == ECONNRESET ? End::Reset : End::Error;
    }
  }

  void shutdownWrite() { ::shutdown(fd_, SHUT_WR); }
  // Closes with SO_LINGER 0: the server sees a reset instead of an orderly end.
  void resetAndClose() {
    const linger l{1, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &l, sizeof(l));
    close();
  }
  void close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  bool waitReadable(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd pfd{fd_, POLLIN, 0};
    return ::poll(&pfd, 1, static_cast<int>(left.count())) > 0;
  }

  int fd_;
  std::uint16_t port_;
  bool connected_ = false;
};

// A length-prefixed client message: uint32 little-endian length, then the body.
inline Bytes framed(const Bytes& body) {
  const auto n = static_cast<std::uint32_t>(body.size());
  Bytes out{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 24)};
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// A payload whose every byte depends on its offset, so a shifted or cut copy is noticed.
inline Bytes pattern(std::size_t size) {
  Bytes out(size);
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(i * 7 + i / 251 + 3);
  return out;
}

inline std::uint32_t le32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline std::uint16_t le16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// Lowers the descriptor limit to the descriptors now open while alive, so that the next
// accept fails with EMFILE; restores the limit when released.
class DescriptorLimit {
 public:
  DescriptorLimit() {
    ::getrlimit(RLIMIT_NOFILE, &saved_);
    const int probe = ::dup(0);  // the lowest free descriptor
    ::close(probe);
    rlimit low = saved_;
    low.rlim_cur = static_cast<rlim_t>(probe);
    ::setrlimit(RLIMIT_NOFILE, &low);
  }
  ~DescriptorLimit() { release(); }
  void release() {
    if (active_) ::setrlimit(RLIMIT_NOFILE, &saved_);
    active_ = false;
  }

 private:
  rlimit saved_{};
  bool active_ = true;
};

}  // namespace parvalon::host::testing
