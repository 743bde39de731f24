#include "platform/SocketWrite.h"

#include <winsock2.h>

#include <mstcpip.h>

#include <algorithm>
#include <vector>

namespace parvalon::host::platform {

namespace {
// How often a waiting write looks at its keep-going flag.
constexpr std::chrono::milliseconds kCancelCheckInterval{100};

std::error_code lastError() { return {WSAGetLastError(), std::system_category()}; }
}  // namespace

std::error_code writeAllWithDeadline(NativeSocket socket, std::span<const WriteBuffer> pieces,
                                     std::chrono::milliseconds timeout,
                                     const std::atomic<bool>& keepGoing, std::size_t& written) {
  written = 0;
  const SOCKET s = static_cast<SOCKET>(socket);
  // Winsock cannot send one call without blocking, only a socket: make it non-blocking.
  u_long nonBlocking = 1;
  if (::ioctlsocket(s, FIONBIO, &nonBlocking) == SOCKET_ERROR) return lastError();

  std::vector<WSABUF> bufs;
  bufs.reserve(pieces.size());
  for (const auto& p : pieces) {
    if (p.size > 0) {
      bufs.push_back({static_cast<ULONG>(p.size), static_cast<char*>(const_cast<void*>(p.data))});
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::size_t first = 0;
  while (first < bufs.size()) {
    DWORD sent = 0;
    if (::WSASend(s, bufs.data() + first, static_cast<DWORD>(bufs.size() - first), &sent, 0, nullptr, nullptr) == 0) {
      written += sent;
      std::size_t left = sent;
      while (first < bufs.size() && left >= bufs[first].len) {
        left -= bufs[first].len;
        ++first;
      }
      if (left > 0) {
        bufs[first].buf += left;
        bufs[first].len -= static_cast<ULONG>(left);
      }
      continue;
    }
    const int err = WSAGetLastError();
    if (err == WSAEINTR) continue;
    if (err != WSAEWOULDBLOCK) return {err, std::system_category()};
    for (;;) {
      if (!keepGoing.load()) return std::make_error_code(std::errc::operation_canceled);
      const auto now = std::chrono::steady_clock::now();
      if (now >= deadline) return std::make_error_code(std::errc::timed_out);
      const auto wait = std::min(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now) +
                                     std::chrono::milliseconds(1),
                                 kCancelCheckInterval);
      fd_set writable;
      FD_ZERO(&writable);
      FD_SET(s, &writable);
      fd_set failed = writable;
      timeval tv{0, static_cast<long>(wait.count() * 1000)};
      const int ready = ::select(0, nullptr, &writable, &failed, &tv);
      if (ready == SOCKET_ERROR) return lastError();
      if (ready > 0) break;  // writable, or an error the next send reports
    }
  }
  return {};
}

std::error_code claimListeningPort(NativeSocket socket) {
  const BOOL on = TRUE;
  if (::setsockopt(static_cast<SOCKET>(socket), SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&on),
                   sizeof on) == SOCKET_ERROR) {
    return lastError();
  }
  return {};
}

bool setSendTimeout(NativeSocket socket, std::chrono::milliseconds timeout) {
  // Winsock takes the time-out as a DWORD of milliseconds.
  const DWORD ms = static_cast<DWORD>(timeout.count());
  return ::setsockopt(static_cast<SOCKET>(socket), SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&ms),
                      sizeof(ms)) == 0;
}

bool acknowledgePromptly(NativeSocket socket) {
  // An acknowledgement for every segment; the setting stays, so repeating it costs one call.
  DWORD frequency = 1;
  DWORD returned = 0;
  return ::WSAIoctl(static_cast<SOCKET>(socket), SIO_TCP_SET_ACK_FREQUENCY, &frequency, sizeof frequency, nullptr, 0,
                    &returned, nullptr, nullptr) == 0;
}

}  // namespace parvalon::host::platform
