#pragma once

#include <atomic>
#include <cstdint>

#include "platform/SystemInfo.h"

namespace parvalon::host {

// Raises the process priority (and the 1 ms timer) while at least one client-requested
// stream runs. The caller decides which streams count and reports each counted stream once
// when it starts and once when it ends.
class StreamPriorityBoost {
 public:
  explicit StreamPriorityBoost(platform::SystemInfo& system) : system_(system) {}

  // A counted stream has started.
  void streamStarted();
  // A counted stream has ended.
  void streamStopped();

  std::int32_t activeStreamCount() const { return activeStreamCount_.load(); }
  bool priorityBoosted() const { return priorityBoosted_.load(); }

 private:
  platform::SystemInfo& system_;
  std::atomic<std::int32_t> activeStreamCount_{0};
  std::atomic<bool> priorityBoosted_{false};
};

}  // namespace parvalon::host
