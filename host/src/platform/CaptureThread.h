#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace parvalon::host::platform {

// The thread a capture source runs its loop on, started once. stop() asks the loop to end,
// wakes it through the source's own wake-up and joins it; on the capture thread itself (a frame
// callback stopping its own capture) only the request is possible, and the owner's destructor
// joins later.
class CaptureThread {
 public:
  CaptureThread() = default;
  CaptureThread(const CaptureThread&) = delete;
  CaptureThread& operator=(const CaptureThread&) = delete;
  ~CaptureThread();

  // False once started or stopped: a capture source is used once.
  bool unused() const { return !started_ && !stopRequested_.load(); }
  void start(std::function<void()> loop);
  // What the loop checks every turn.
  bool stopRequested() const { return stopRequested_.load(); }
  void stop(const std::function<void()>& wake);

 private:
  std::atomic<bool> stopRequested_{false};
  std::atomic<std::thread::id> loopThreadId_{};  // set by the loop's thread as it begins
  bool started_ = false;  // set by the thread that starts the source
  // Guards the join of thread_; taken by the threads calling stop and the destructor.
  std::mutex joinMutex_;
  std::thread thread_;
};

}  // namespace parvalon::host::platform
