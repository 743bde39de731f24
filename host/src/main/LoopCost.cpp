#include "main/LoopCost.h"

#include <time.h>

#include "logging/Log.h"

namespace parvalon::host {
namespace {

std::int64_t cpuNs(clockid_t clock) {
  timespec ts{};
  clock_gettime(clock, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

}  // namespace

LoopCost::LoopCost() : threadNs_(cpuNs(CLOCK_THREAD_CPUTIME_ID)), processNs_(cpuNs(CLOCK_PROCESS_CPUTIME_ID)) {}

void LoopCost::iterationDone() {
  if (++iterations_ < kInterval) return;
  const std::int64_t threadNs = cpuNs(CLOCK_THREAD_CPUTIME_ID);
  const std::int64_t processNs = cpuNs(CLOCK_PROCESS_CPUTIME_ID);
  PV_LOG_DEBUG("Main loop: {:.2f} ms CPU per iteration on the main thread, {:.2f} ms in the process, over {} iterations",
               static_cast<double>(threadNs - threadNs_) / 1e6 / iterations_,
               static_cast<double>(processNs - processNs_) / 1e6 / iterations_, iterations_);
  threadNs_ = threadNs;
  processNs_ = processNs;
  iterations_ = 0;
}

}  // namespace parvalon::host
