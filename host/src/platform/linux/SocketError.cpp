#include "platform/SocketError.h"

#include <cerrno>

namespace parvalon::host::platform {

SocketFailure classifySystemSocketError(int value) {
  switch (value) {
    case ETIMEDOUT:
      return SocketFailure::TimedOut;
    case ECANCELED:
      return SocketFailure::Cancelled;
    case ECONNRESET:
      return SocketFailure::Reset;
    case ECONNABORTED:
      return SocketFailure::Aborted;
    case ENOTCONN:
      return SocketFailure::NotConnected;
    case ESHUTDOWN:
      return SocketFailure::ShutDown;
    case EPIPE:
      return SocketFailure::BrokenPipe;
    default:
      return SocketFailure::Other;
  }
}

}  // namespace parvalon::host::platform
