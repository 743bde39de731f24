#include "capture/WorkerPool.h"

#include <system_error>

namespace parvalon::host {

WorkerPool::WorkerPool(std::uint32_t threads) {
  threads_.reserve(threads);
  try {
    for (std::uint32_t i = 0; i < threads; ++i) threads_.emplace_back([this, i] { workerLoop(i); });
  } catch (...) {
    stop();
    throw;
  }
}

WorkerPool::~WorkerPool() { stop(); }

void WorkerPool::stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  workAvailable_.notify_all();
  for (auto& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
}

void WorkerPool::run(std::uint32_t count, Task task, void* context) {
  if (count == 0) return;
  Job job;
  job.task = task;
  job.context = context;
  job.count = count;
  std::unique_lock lock(mutex_);
  if (tail_) {
    tail_->next = &job;
  } else {
    head_ = &job;
  }
  tail_ = &job;
  workAvailable_.notify_all();
  while (job.nextPart < job.count) runPart(job, takePart(job), kCaller, lock);
  jobFinished_.wait(lock, [&] { return job.finished == job.count; });
}

std::uint32_t WorkerPool::takePart(Job& job) {
  const std::uint32_t part = job.nextPart++;
  if (job.nextPart == job.count) {
    // Every part is handed out: the job leaves the queue, its caller still waits for it. The
    // pool's threads take from the front, its caller from wherever it stands.
    Job* previous = nullptr;
    for (Job* j = head_; j != &job; j = j->next) previous = j;
    (previous ? previous->next : head_) = job.next;
    if (tail_ == &job) tail_ = previous;
  }
  return part;
}

void WorkerPool::runPart(Job& job, std::uint32_t part, std::uint32_t worker, std::unique_lock<std::mutex>& lock) {
  lock.unlock();
  job.task(job.context, part, worker);
  lock.lock();
  // The caller may return (and its job vanish) as soon as it sees the last part finished.
  if (++job.finished == job.count) jobFinished_.notify_all();
}

void WorkerPool::workerLoop(std::uint32_t worker) {
  std::unique_lock lock(mutex_);
  for (;;) {
    workAvailable_.wait(lock, [&] { return stopping_ || head_ != nullptr; });
    if (head_ == nullptr) return;  // stopping, and nothing left to do
    Job& job = *head_;
    runPart(job, takePart(job), worker, lock);
  }
}

}  // namespace parvalon::host
