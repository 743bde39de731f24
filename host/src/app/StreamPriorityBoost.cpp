#include "app/StreamPriorityBoost.h"

#include <string>

#include "logging/Log.h"

namespace parvalon::host {

void StreamPriorityBoost::streamStarted() {
  if (activeStreamCount_.fetch_add(1) != 0) return;
  if (priorityBoosted_.exchange(true)) return;
  std::string error;
  if (system_.raisePriority(error)) {
    PV_LOG_INFO("Process priority boosted to HIGH_PRIORITY_CLASS for streaming");
  } else {
    PV_LOG_WARN("Failed to boost process priority: {}", error);
  }
  system_.beginTimerPeriod();
}

void StreamPriorityBoost::streamStopped() {
  if (activeStreamCount_.fetch_sub(1) != 1) return;
  if (!priorityBoosted_.exchange(false)) return;
  system_.restorePriority();
  system_.endTimerPeriod();
  PV_LOG_INFO("Process priority restored after the last stream");
}

}  // namespace parvalon::host
