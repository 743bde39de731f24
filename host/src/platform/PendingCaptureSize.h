#pragma once

#include <atomic>
#include <mutex>
#include <optional>

#include "platform/CaptureSource.h"

namespace parvalon::host::platform {

// The frame-pool size a consumer asked for, taken by the capture loop at its next turn; the
// latest request wins.
class PendingCaptureSize {
 public:
  void post(CaptureSize size) {
    std::lock_guard lock(mutex_);
    size_ = size;
    pending_.store(true);
  }

  std::optional<CaptureSize> take() {
    if (!pending_.exchange(false)) return std::nullopt;
    std::lock_guard lock(mutex_);
    return size_;
  }

 private:
  // Guards size_; taken by the capture thread and whoever asks for a new pool.
  std::mutex mutex_;
  CaptureSize size_;
  std::atomic<bool> pending_{false};
};

}  // namespace parvalon::host::platform
