#include "platform/SocketError.h"

#include <winsock2.h>

#include <windows.h>

namespace parvalon::host::platform {

SocketFailure classifySystemSocketError(int value) {
  switch (value) {
    case WSAETIMEDOUT:
    case ERROR_SEM_TIMEOUT:
      return SocketFailure::TimedOut;
    // An overlapped operation that was cancelled, or whose socket was closed under it.
    case ERROR_OPERATION_ABORTED:
      return SocketFailure::Cancelled;
    // An overlapped receive on a reset connection completes with ERROR_NETNAME_DELETED.
    case WSAECONNRESET:
    case ERROR_NETNAME_DELETED:
      return SocketFailure::Reset;
    case WSAECONNABORTED:
    case ERROR_CONNECTION_ABORTED:
      return SocketFailure::Aborted;
    case WSAENOTCONN:
      return SocketFailure::NotConnected;
    case WSAESHUTDOWN:
      return SocketFailure::ShutDown;
    case ERROR_BROKEN_PIPE:
      return SocketFailure::BrokenPipe;
    default:
      return SocketFailure::Other;
  }
}

}  // namespace parvalon::host::platform
