#include "platform/DataFolder.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>

namespace parvalon::host::platform {

std::optional<std::filesystem::path> localAppDataFolder() {
  char folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return std::nullopt;
  }
  return std::filesystem::path(folder);
}

std::optional<std::filesystem::path> logDataFolder() {
  if (const char* value = std::getenv("LOCALAPPDATA"); value != nullptr) {
    return std::filesystem::path(value);
  }
  return std::nullopt;
}

}  // namespace parvalon::host::platform
