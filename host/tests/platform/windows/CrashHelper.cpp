// Ends in an unhandled exception, so that the wine prefix's crash handling can be checked: winedbg
// is to print a backtrace and let the process end, not open its dialog on the desktop and wait.
#include <windows.h>

#include <cstdio>

int main() {
  std::puts("raising an unhandled exception");
  std::fflush(stdout);
  RaiseException(0xE0000001u, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  return 0;
}
