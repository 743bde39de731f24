#include "platform/windows/WindowsBuild.h"

#include <windows.h>

#include <cwchar>

namespace parvalon::host::platform::win32 {

namespace {
constexpr DWORD kValueBufferBytes = 64;
}  // namespace

int readWindowsBuildNumber() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return 0;
  }
  wchar_t value[kValueBufferBytes / sizeof(wchar_t) + 1] = {};
  DWORD size = kValueBufferBytes;
  DWORD type = 0;
  const LSTATUS status =
      RegQueryValueExW(key, L"CurrentBuildNumber", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) return 0;
  return static_cast<int>(std::wcstol(value, nullptr, 10));  // the extra element keeps it terminated
}

}  // namespace parvalon::host::platform::win32
