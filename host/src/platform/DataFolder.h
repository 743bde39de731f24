#pragma once

#include <filesystem>
#include <optional>

namespace parvalon::host::platform {

// The per-user local application-data folder the settings live under, or nothing when the
// platform cannot tell. Linux: $XDG_DATA_HOME, else $HOME/.local/share. Windows: the shell's
// local application-data folder.
std::optional<std::filesystem::path> localAppDataFolder();

// The same folder as the logs find it. Windows: the LOCALAPPDATA variable, read on its own so
// logging needs no shell call. Linux: localAppDataFolder().
std::optional<std::filesystem::path> logDataFolder();

}  // namespace parvalon::host::platform
