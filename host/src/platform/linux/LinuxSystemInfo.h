#pragma once

#include <map>
#include <mutex>

#include "platform/SystemInfo.h"

namespace parvalon::host::platform::linux_x11 {

// Priority on Linux is per thread: raising walks /proc/self/task and sets every thread to the
// high value, remembering each thread's original value for the restore.
class LinuxSystemInfo final : public SystemInfo {
 public:
  static constexpr int kHighPriorityNice = -10;

  std::string hostName() override;
  bool raisePriority(std::string& error) override;
  void restorePriority() override;
  void beginTimerPeriod() override {}
  void endTimerPeriod() override {}

 private:
  // Guards originalNice; taken by the stream start/stop paths (signaling or main thread).
  std::mutex mutex_;
  std::map<int, int> originalNice_;  // thread id -> nice value before the raise
};

}  // namespace parvalon::host::platform::linux_x11
