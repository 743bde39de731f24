#include "platform/SocketWrite.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/uio.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace parvalon::host::platform {

namespace {
// How often a waiting write looks at its keep-going flag.
constexpr std::chrono::milliseconds kCancelCheckInterval{100};
}  // namespace

std::error_code writeAllWithDeadline(NativeSocket socket, std::span<const WriteBuffer> pieces,
                                     std::chrono::milliseconds timeout,
                                     const std::atomic<bool>& keepGoing, std::size_t& written) {
  written = 0;
  std::vector<iovec> iov;
  iov.reserve(pieces.size());
  for (const auto& p : pieces) {
    if (p.size > 0) iov.push_back({const_cast<void*>(p.data), p.size});
  }
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::size_t first = 0;
  while (first < iov.size()) {
    msghdr msg{};
    msg.msg_iov = iov.data() + first;
    msg.msg_iovlen = std::min<std::size_t>(iov.size() - first, IOV_MAX);
    const ssize_t sent = ::sendmsg(socket, &msg, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent >= 0) {
      written += static_cast<std::size_t>(sent);
      auto left = static_cast<std::size_t>(sent);
      while (first < iov.size() && left >= iov[first].iov_len) {
        left -= iov[first].iov_len;
        ++first;
      }
      if (left > 0) {
        iov[first].iov_base = static_cast<char*>(iov[first].iov_base) + left;
        iov[first].iov_len -= left;
      }
      continue;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return {errno, std::system_category()};
    for (;;) {
      if (!keepGoing.load()) return std::make_error_code(std::errc::operation_canceled);
      const auto now = std::chrono::steady_clock::now();
      if (now >= deadline) return std::make_error_code(std::errc::timed_out);
      const auto wait = std::min(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now) +
                                     std::chrono::milliseconds(1),
                                 kCancelCheckInterval);
      pollfd pfd{static_cast<int>(socket), POLLOUT, 0};
      const int ready = ::poll(&pfd, 1, static_cast<int>(wait.count()));
      if (ready < 0 && errno != EINTR) return {errno, std::system_category()};
      if (ready > 0) break;  // writable, or an error the next sendmsg reports
    }
  }
  return {};
}

std::error_code claimListeningPort(NativeSocket socket) {
  const int on = 1;
  if (::setsockopt(static_cast<int>(socket), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) {
    return {errno, std::system_category()};
  }
  return {};
}

bool setSendTimeout(NativeSocket socket, std::chrono::milliseconds timeout) {
  timeval tv{};
  tv.tv_sec = static_cast<time_t>(timeout.count() / 1000);
  tv.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
  return ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof(tv)) == 0;
}

bool acknowledgePromptly(NativeSocket socket) {
  const int on = 1;
  return ::setsockopt(static_cast<int>(socket), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on) == 0;
}

}  // namespace parvalon::host::platform
