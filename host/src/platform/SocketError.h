#pragma once

#include <string>
#include <system_error>

namespace parvalon::host::platform {

// What a failed socket operation means to the host. Each system numbers these its own way
// (ECONNRESET on Linux, WSAECONNRESET or ERROR_NETNAME_DELETED on Windows), and its own words
// for them differ too, where the C runtime knows them at all: they are told apart here once.
enum class SocketFailure {
  None,
  TimedOut,      // a deadline or the system's time-out passed
  Cancelled,     // the host stopped or aborted the operation
  Reset,         // the peer reset the connection
  Aborted,       // the local system gave up the connection
  NotConnected,  // the socket has no connection (any more)
  ShutDown,      // the sending side was shut down
  BrokenPipe,    // the peer closed and a write went on
  Other,
};

SocketFailure classifySocketError(const std::error_code& error);

// The text a socket failure is logged with: the same words on every system for the failures
// above, the error's own message for anything else. Asio's error codes convert to this type.
std::string socketErrorText(const std::error_code& error);

// True when a write failed because the peer is gone for good (reset, aborted, not connected,
// shut down, broken pipe): further writes can only fail the same way.
bool isBrokenConnection(const std::error_code& error);

// The system's own numbering (errno values on Linux, Win32 and Winsock codes on Windows) of a
// code of the system category; Other for a number it does not tell apart.
SocketFailure classifySystemSocketError(int value);

}  // namespace parvalon::host::platform
