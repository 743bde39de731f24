#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace parvalon::host {

// The desktop session's autostart entry for the host: <autostart folder>/parvalon-host.desktop,
// the XDG way of starting a program with the session. Writing it turns autostart on, removing
// it turns it off. (Windows' Startup folder or Run key is not handled here.)
class AutostartEntry {
 public:
  static constexpr const char* kFileName = "parvalon-host.desktop";

  // $XDG_CONFIG_HOME/autostart, else $HOME/.config/autostart; nothing when neither is set. A
  // relative XDG_CONFIG_HOME is ignored, as the XDG base directory rules say.
  static std::optional<std::filesystem::path> userFolder();

  // The desktop entry that starts `executable`, quoted as the Exec key needs.
  static std::string text(const std::string& executable);
  // The Exec key's value for a program path without arguments.
  static std::string execValue(const std::string& executable);

  // `folder` nothing: no autostart folder is known, so enabling fails.
  AutostartEntry(std::optional<std::filesystem::path> folder, std::string executable);

  // The entry exists and is not hidden (Hidden=true means deleted in the XDG rules).
  bool isEnabled() const;
  // Writes or removes the entry when it is not already so; logs one line on a change or failure.
  bool setEnabled(bool enabled);
  std::optional<std::filesystem::path> path() const;

 private:
  bool write();
  bool remove();

  std::optional<std::filesystem::path> folder_;
  std::string executable_;
};

}  // namespace parvalon::host
