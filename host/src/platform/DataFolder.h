#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace parvalon::host::platform {

// The per-user local application-data folder the settings live under, or nothing when the
// platform cannot tell. Linux: $XDG_DATA_HOME, else $HOME/.local/share. Windows: the shell's
// local application-data folder. Windows paths stay wide from the OS call on: open them with
// the std::filesystem::path itself, never with a narrow string of it (that is read in the ANSI
// code page and loses every character outside it).
std::optional<std::filesystem::path> localAppDataFolder();

// The same folder as the logs find it. Windows: the LOCALAPPDATA variable, read on its own so
// logging needs no shell call. Linux: localAppDataFolder().
std::optional<std::filesystem::path> logDataFolder();

// A path as text for log lines and messages: UTF-8 on Windows (a broken UTF-16 name gets
// replacement characters instead of an exception), the path's own bytes on Linux.
std::string pathText(const std::filesystem::path& path);

}  // namespace parvalon::host::platform
