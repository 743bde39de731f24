#include "platform/DataFolder.h"
#include "platform/windows/Win32Text.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>

namespace parvalon::host::platform {

std::optional<std::filesystem::path> localAppDataFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return std::nullopt;
  }
  return std::filesystem::path(folder);
}

std::optional<std::filesystem::path> logDataFolder() {
  if (const wchar_t* value = _wgetenv(L"LOCALAPPDATA"); value != nullptr) {
    return std::filesystem::path(value);
  }
  return std::nullopt;
}

std::string pathText(const std::filesystem::path& path) { return win32::utf16ToUtf8(path.native()); }

}  // namespace parvalon::host::platform
