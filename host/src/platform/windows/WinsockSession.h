#pragma once

namespace parvalon::host::platform {

// Winsock is started once for the process before the first socket call and cleaned up at exit.
// Returns 0, or the WSAStartup error.
int ensureWinsock();

}  // namespace parvalon::host::platform
