#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/DataFolder.h"

namespace parvalon::host::platform {

// Process-level operations of the host: machine name, scheduling priority, timer resolution, the
// folder the settings live under.
class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // The machine's short name (at most 15 characters), or empty when it cannot be read.
  virtual std::string hostName() = 0;
  // Raises the process to high priority; false with `error` filled when the OS refuses.
  virtual bool raisePriority(std::string& error) = 0;
  // Restores the priority the process had before raisePriority.
  virtual void restorePriority() = 0;
  // Requests / releases a 1 ms system timer resolution.
  virtual void beginTimerPeriod() = 0;
  virtual void endTimerPeriod() = 0;
  // The per-user folder the settings and the trust list live under (see DataFolder.h).
  virtual std::optional<std::filesystem::path> localAppDataFolder() { return platform::localAppDataFolder(); }

  // The real implementation of this platform.
  static std::unique_ptr<SystemInfo> create();
};

}  // namespace parvalon::host::platform
