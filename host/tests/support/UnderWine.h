#pragma once

// Whether this Windows test program runs under wine rather than on Windows, for the few places
// where wine's emulation is known to differ from Windows itself. Always false on Linux.

#ifdef _WIN32
#include <windows.h>
#endif

namespace parvalon::host::testing {

inline bool runningUnderWine() {
#ifdef _WIN32
  // Wine's ntdll exports its version; Windows' does not.
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace parvalon::host::testing
