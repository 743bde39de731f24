#include "platform/SocketError.h"

#include <string_view>

namespace parvalon::host::platform {

namespace {

// Asio's codes arrive through Boost's own category objects, converted: the system category
// is recognised by its name, not only by identity with the standard library's.
bool isSystemCategory(const std::error_category& category) {
  return category == std::system_category() || std::string_view(category.name()) == "system";
}

}  // namespace

SocketFailure classifySocketError(const std::error_code& error) {
  if (!error) return SocketFailure::None;
  // The system's numbers are read as the system means them: a Win32 code may equal an
  // unrelated errno value of the C runtime.
  if (isSystemCategory(error.category())) return classifySystemSocketError(error.value());
  // The portable conditions: the deadline write's own results, and other libraries' codes that
  // name one.
  if (error == std::errc::timed_out) return SocketFailure::TimedOut;
  if (error == std::errc::operation_canceled) return SocketFailure::Cancelled;
  if (error == std::errc::connection_reset) return SocketFailure::Reset;
  if (error == std::errc::connection_aborted) return SocketFailure::Aborted;
  if (error == std::errc::not_connected) return SocketFailure::NotConnected;
  if (error == std::errc::broken_pipe) return SocketFailure::BrokenPipe;
  return SocketFailure::Other;
}

std::string socketErrorText(const std::error_code& error) {
  // The words glibc uses, so that Linux logs read as they always did.
  switch (classifySocketError(error)) {
    case SocketFailure::TimedOut:
      return "Connection timed out";
    case SocketFailure::Cancelled:
      return "Operation canceled";
    case SocketFailure::Reset:
      return "Connection reset by peer";
    case SocketFailure::Aborted:
      return "Software caused connection abort";
    case SocketFailure::NotConnected:
      return "Transport endpoint is not connected";
    case SocketFailure::ShutDown:
      return "Cannot send after transport endpoint shutdown";
    case SocketFailure::BrokenPipe:
      return "Broken pipe";
    case SocketFailure::None:
    case SocketFailure::Other:
      break;
  }
  return error.message();
}

bool isBrokenConnection(const std::error_code& error) {
  switch (classifySocketError(error)) {
    case SocketFailure::Reset:
    case SocketFailure::Aborted:
    case SocketFailure::NotConnected:
    case SocketFailure::ShutDown:
    case SocketFailure::BrokenPipe:
      return true;
    default:
      return false;
  }
}

}  // namespace parvalon::host::platform
