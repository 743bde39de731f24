#include "platform/DataFolder.h"

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

std::string pathText(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int wideSize = static_cast<int>(wide.size());
  // Without WC_ERR_INVALID_CHARS a lone surrogate becomes U+FFFD rather than a failure.
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, text.data(), size, nullptr, nullptr);
  return text;
}

}  // namespace parvalon::host::platform
