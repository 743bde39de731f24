#include "platform/CaptureThread.h"

#include <utility>

namespace parvalon::host::platform {

CaptureThread::~CaptureThread() {
  // The owner's stop() woke the loop already; this only makes sure it is joined.
  stopRequested_.store(true);
  std::lock_guard lock(joinMutex_);
  if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

void CaptureThread::start(std::function<void()> loop) {
  started_ = true;
  thread_ = std::thread([this, loop = std::move(loop)] {
    loopThreadId_.store(std::this_thread::get_id());
    loop();
  });
}

void CaptureThread::stop(const std::function<void()>& wake) {
  stopRequested_.store(true);
  wake();
  if (loopThreadId_.load() == std::this_thread::get_id()) return;
  std::lock_guard lock(joinMutex_);
  if (thread_.joinable()) thread_.join();
}

}  // namespace parvalon::host::platform
