#include "TcpConnection.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "logging/Log.h"

namespace parvalon::viewer {
namespace {

int remainingMs(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

}  // namespace

TcpConnection::~TcpConnection() { close(); }

bool TcpConnection::connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds timeout) {
  close();
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string service = std::to_string(port);
  if (const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found); rc != 0 || found == nullptr) {
    PV_LOG_ERROR("Cannot resolve {}: {}", host, ::gai_strerror(rc));
    return false;
  }
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) {
    ::freeaddrinfo(found);
    PV_LOG_ERROR("Cannot create a socket: {}", std::strerror(errno));
    return false;
  }
  int rc = ::connect(fd, found->ai_addr, found->ai_addrlen);
  ::freeaddrinfo(found);
  if (rc != 0 && errno == EINPROGRESS) {
    pollfd p{fd, POLLOUT, 0};
    rc = ::poll(&p, 1, static_cast<int>(timeout.count()));
    int error = 0;
    socklen_t len = sizeof error;
    if (rc == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) == 0 && error == 0) {
      rc = 0;
    } else {
      errno = rc == 0 ? ETIMEDOUT : (error != 0 ? error : errno);
      rc = -1;
    }
  }
  if (rc != 0) {
    PV_LOG_ERROR("Cannot connect to {}:{}: {}", host, port, std::strerror(errno));
    ::close(fd);
    return false;
  }
  const int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  // Back to blocking: reads wait in poll, writes block as the host's writes do.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  return true;
}

TcpConnection::ReadResult TcpConnection::readExact(std::uint8_t* out, std::size_t size,
                                                   std::chrono::milliseconds idleTimeout,
                                                   std::chrono::milliseconds midMessageTimeout) {
  std::size_t done = 0;
  auto deadline = std::chrono::steady_clock::now() + idleTimeout;
  while (done < size) {
    const int fd = fd_.load();
    if (fd < 0) return ReadResult::Closed;
    pollfd p{fd, POLLIN, 0};
    const int ready = ::poll(&p, 1, remainingMs(deadline));
    if (ready < 0) {
      if (errno == EINTR) continue;
      return ReadResult::Error;
    }
    if (ready == 0) {
      if (done == 0) return ReadResult::Timeout;
      PV_LOG_WARN("Connection stalled in the middle of a message ({} of {} bytes)", done, size);
      return ReadResult::Error;
    }
    const ssize_t n = ::recv(fd, out + done, size - done, 0);
    if (n == 0) return ReadResult::Closed;
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return errno == ECONNRESET ? ReadResult::Closed : ReadResult::Error;
    }
    if (done == 0) deadline = std::chrono::steady_clock::now() + midMessageTimeout;
    done += static_cast<std::size_t>(n);
  }
  return ReadResult::Ok;
}

bool TcpConnection::writeAll(const std::uint8_t* data, std::size_t size) {
  std::lock_guard lock(writeMutex_);
  std::size_t done = 0;
  while (done < size) {
    const int fd = fd_.load();
    if (fd < 0) return false;
    const ssize_t n = ::send(fd, data + done, size - done, MSG_NOSIGNAL);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void TcpConnection::shutdown() {
  const int fd = fd_.load();
  if (fd >= 0) ::shutdown(fd, SHUT_RDWR);
}

void TcpConnection::close() {
  // Wake a blocked writer, then close under the write lock so a concurrent writer never
  // sends into a descriptor number that a new connection has reused.
  shutdown();
  std::lock_guard lock(writeMutex_);
  const int fd = fd_.exchange(-1);
  if (fd >= 0) ::close(fd);
}

}  // namespace parvalon::viewer
