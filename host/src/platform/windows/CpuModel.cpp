#include "platform/CpuModel.h"

#include <windows.h>

namespace parvalon::host::platform {

std::string cpuModelName() {
  char name[256] = {};
  DWORD size = sizeof(name);
  if (RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", "ProcessorNameString",
                   RRF_RT_REG_SZ, nullptr, name, &size) != ERROR_SUCCESS) {
    return {};
  }
  std::string text(name);
  // The registry pads the name with blanks on some processors.
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

}  // namespace parvalon::host::platform
