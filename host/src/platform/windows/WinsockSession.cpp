#include "WinsockSession.h"

#include <winsock2.h>

namespace parvalon::host::platform {

namespace {

class WinsockSession {
 public:
  WinsockSession() {
    WSADATA data{};
    error_ = WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockSession() {
    if (error_ == 0) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  int error() const { return error_; }

 private:
  int error_ = 0;
};

}  // namespace

int ensureWinsock() {
  static const WinsockSession session;
  return session.error();
}

}  // namespace parvalon::host::platform
