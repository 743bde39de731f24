#pragma once

#include <atomic>
#include <bitset>
#include <cstdint>
#include <mutex>

#include "platform/SystemInfo.h"

namespace parvalon::host {

// Raises the process priority (and the 1 ms timer) while at least one client-requested
// stream runs. Only streams counted at their start are uncounted at their stop, so a
// dashboard stream that stops never takes the count below the running client streams.
class StreamPriorityBoost {
 public:
  explicit StreamPriorityBoost(platform::SystemInfo& system) : system_(system) {}

  // A client-requested stream has started.
  void clientStreamStarted(std::uint8_t streamId);
  // Any stream has stopped (client or dashboard).
  void streamStopped(std::uint8_t streamId);

  std::int32_t activeStreamCount() const { return activeStreamCount_.load(); }
  bool priorityBoosted() const { return priorityBoosted_.load(); }

 private:
  platform::SystemInfo& system_;
  std::atomic<std::int32_t> activeStreamCount_{0};
  std::atomic<bool> priorityBoosted_{false};
  // Guards counted_; taken by stream start (signaling thread) and stop (signaling or main).
  std::mutex countedMutex_;
  std::bitset<256> counted_;
};

}  // namespace parvalon::host
