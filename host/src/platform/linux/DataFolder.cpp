#include "platform/DataFolder.h"

#include <cstdlib>

namespace parvalon::host::platform {

std::optional<std::filesystem::path> localAppDataFolder() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
    return std::filesystem::path(xdg);
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::filesystem::path(home) / ".local" / "share";
  }
  return std::nullopt;
}

}  // namespace parvalon::host::platform

namespace parvalon::host::platform {

std::optional<std::filesystem::path> logDataFolder() { return localAppDataFolder(); }

std::string pathText(const std::filesystem::path& path) { return path.string(); }

}  // namespace parvalon::host::platform
