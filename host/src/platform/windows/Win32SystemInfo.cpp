#include "platform/windows/Win32SystemInfo.h"

#include <windows.h>
#include <timeapi.h>

#include <memory>
#include <string>

namespace parvalon::host::platform {

std::unique_ptr<SystemInfo> SystemInfo::create() {
  return std::make_unique<win32::Win32SystemInfo>();
}

namespace win32 {

namespace {
constexpr UINT kTimerPeriodMs = 1;
}  // namespace

std::string Win32SystemInfo::hostName() {
  char buffer[kComputerNameBuffer] = {};
  DWORD size = kComputerNameBuffer;
  // A name that does not fit the 16 bytes fails here; the caller then announces its fallback.
  if (!GetComputerNameA(buffer, &size)) return {};
  return std::string(buffer, size < kComputerNameBuffer ? size : kComputerNameBuffer - 1);
}

bool Win32SystemInfo::raisePriority(std::string& error) {
  if (SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS)) return true;
  error = std::to_string(GetLastError());
  return false;
}

void Win32SystemInfo::restorePriority() { SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS); }

void Win32SystemInfo::beginTimerPeriod() { timeBeginPeriod(kTimerPeriodMs); }

void Win32SystemInfo::endTimerPeriod() { timeEndPeriod(kTimerPeriodMs); }

}  // namespace win32
}  // namespace parvalon::host::platform
