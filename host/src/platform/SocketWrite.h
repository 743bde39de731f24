#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <system_error>

namespace parvalon::host::platform {

// A socket as the OS names it: a descriptor on Linux, a SOCKET handle on Windows.
using NativeSocket = std::intptr_t;

struct WriteBuffer {
  const void* data = nullptr;
  std::size_t size = 0;
};

// Writes every byte of `pieces` (one gather write, repeated until all is out) to a connected
// stream socket, waiting at most `timeout` in total. The socket may be in blocking or
// non-blocking mode: a blocking write would ignore any deadline once an event loop has made
// the descriptor non-blocking, so each attempt is non-blocking and waits in poll (Windows:
// the socket is put in non-blocking mode, which leaves Asio's overlapped reads unaffected). Gives
// errc::timed_out at the deadline and errc::operation_canceled once `keepGoing` is false
// (platform/SocketError.h tells these and the system's failures apart).
// `written` receives the number of bytes that went out, also on failure.
std::error_code writeAllWithDeadline(NativeSocket socket, std::span<const WriteBuffer> pieces,
                                     std::chrono::milliseconds timeout,
                                     const std::atomic<bool>& keepGoing, std::size_t& written);

// Readies a listening socket before its bind: the port can be taken again at once after a
// restart, but never shared with another live socket. Linux: SO_REUSEADDR (past TIME_WAIT only;
// two listeners still conflict). Windows: SO_EXCLUSIVEADDRUSE, since SO_REUSEADDR there would let
// a second socket bind the same port and take connections, and a plain bind already gets past
// TIME_WAIT.
std::error_code claimListeningPort(NativeSocket socket);

// SO_SNDTIMEO; false when the option cannot be set.
bool setSendTimeout(NativeSocket socket, std::chrono::milliseconds timeout);

// Acknowledges what has arrived at once rather than with the next reply. A peer that sends small
// messages with Nagle's algorithm on holds each one until the previous is acknowledged; on a
// connection that carries video back, a delayed acknowledgement waits for the next frame. Called
// after every read (Linux re-arms the option per read); false when the option cannot be set.
bool acknowledgePromptly(NativeSocket socket);

}  // namespace parvalon::host::platform
