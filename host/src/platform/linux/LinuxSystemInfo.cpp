#include "platform/linux/LinuxSystemInfo.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <fmt/format.h>

namespace parvalon::host::platform {

std::unique_ptr<SystemInfo> SystemInfo::create() {
  return std::make_unique<linux_x11::LinuxSystemInfo>();
}

namespace linux_x11 {

std::string LinuxSystemInfo::hostName() {
  char buffer[256] = {};
  if (gethostname(buffer, sizeof(buffer) - 1) != 0) return {};
  std::string name(buffer);
  if (name.size() > 15) name.resize(15);
  return name;
}

bool LinuxSystemInfo::raisePriority(std::string& error) {
  std::lock_guard lock(mutex_);
  bool ok = true;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task", ec)) {
    const int tid = std::atoi(entry.path().filename().c_str());
    if (tid <= 0) continue;
    errno = 0;
    const int before = getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
    if (before == -1 && errno != 0) continue;  // the thread ended meanwhile
    if (setpriority(PRIO_PROCESS, static_cast<id_t>(tid), kHighPriorityNice) != 0) {
      if (ok) error = fmt::format("{} ({})", errno, std::strerror(errno));
      ok = false;
      continue;
    }
    originalNice_.emplace(tid, before);
  }
  if (ec) {
    error = ec.message();
    return false;
  }
  return ok;
}

void LinuxSystemInfo::restorePriority() {
  std::lock_guard lock(mutex_);
  for (const auto& [tid, nice] : originalNice_) {
    setpriority(PRIO_PROCESS, static_cast<id_t>(tid), nice);  // a thread that ended is gone anyway
  }
  originalNice_.clear();
}

}  // namespace linux_x11
}  // namespace parvalon::host::platform
