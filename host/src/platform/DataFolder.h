#pragma once

#include <filesystem>
#include <optional>

namespace parvalon::host::platform {

// The per-user local application-data folder, or nothing when the platform cannot tell.
// Linux: $XDG_DATA_HOME, else $HOME/.local/share.
std::optional<std::filesystem::path> localAppDataFolder();

}  // namespace parvalon::host::platform
