#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace parvalon::host {

// A fixed set of threads that run the parts of a split-up job together with the caller, which is
// already running while the pool's threads must first wake up. Several callers may run jobs at
// the same time (one per stream); the threads take the parts of all waiting jobs in turn. Nothing
// is allocated per job: the job lives on the caller's stack while the caller works and waits.
class WorkerPool {
 public:
  // part: which part of the job [0, count); worker: which pool thread runs it [0, size()), or
  // kCaller when the thread that called run does.
  using Task = void (*)(void* context, std::uint32_t part, std::uint32_t worker) noexcept;
  static constexpr std::uint32_t kCaller = 0xFFFFFFFFu;

  // Starts `threads` threads (0: the callers do all the work); throws std::system_error when the
  // OS refuses one.
  explicit WorkerPool(std::uint32_t threads);
  // Joins the threads; no job may be running.
  ~WorkerPool();

  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  std::uint32_t size() const { return static_cast<std::uint32_t>(threads_.size()); }

  // Runs task(context, part, worker) for every part in [0, count) on the pool's threads and the
  // calling thread, and returns when all parts have finished.
  void run(std::uint32_t count, Task task, void* context);

 private:
  struct Job {
    Task task = nullptr;
    void* context = nullptr;
    std::uint32_t count = 0;
    std::uint32_t nextPart = 0;
    std::uint32_t finished = 0;
    Job* next = nullptr;  // the queue is a list through the waiting callers' jobs
  };

  void workerLoop(std::uint32_t worker);
  // Hands out the next part of `job` and takes the job off the queue when that was its last one.
  // Called with mutex_ held and parts left.
  std::uint32_t takePart(Job& job);
  void runPart(Job& job, std::uint32_t part, std::uint32_t worker, std::unique_lock<std::mutex>& lock);
  void stop();

  // Guards the job queue, every queued job's counters and stopping_; taken by callers of run and
  // by the pool's threads around each part (never while a part runs).
  std::mutex mutex_;
  std::condition_variable workAvailable_;
  std::condition_variable jobFinished_;
  Job* head_ = nullptr;
  Job* tail_ = nullptr;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace parvalon::host
