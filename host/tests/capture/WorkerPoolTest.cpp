#include "capture/WorkerPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace parvalon::host {
namespace {

struct Count {
  std::vector<std::atomic<int>> runs;
  std::atomic<bool> badWorker{false};
  std::uint32_t poolSize;
  Count(std::size_t parts, std::uint32_t size) : runs(parts), poolSize(size) {}
};

void countPart(void* context, std::uint32_t part, std::uint32_t worker) noexcept {
  auto& count = *static_cast<Count*>(context);
  count.runs[part].fetch_add(1);
  if (worker >= count.poolSize && worker != WorkerPool::kCaller) count.badWorker = true;
}

TEST(WorkerPool, RunsEveryPartOnceBeforeReturning) {
  WorkerPool pool(3);
  ASSERT_EQ(pool.size(), 3u);
  for (std::uint32_t parts : {1u, 2u, 7u, 64u}) {
    Count count(parts, pool.size());
    pool.run(parts, &countPart, &count);
    for (std::uint32_t p = 0; p < parts; ++p) EXPECT_EQ(count.runs[p].load(), 1) << parts << " parts, part " << p;
    EXPECT_FALSE(count.badWorker.load());
  }
  pool.run(0, &countPart, nullptr);  // nothing to do: returns at once, never calls the task
}

TEST(WorkerPool, ConcurrentCallersEachGetTheirPartsDone) {
  // Jobs of several callers queue on the same threads; each caller waits only for its own.
  WorkerPool pool(2);
  constexpr int kCallers = 4;
  constexpr int kRounds = 50;
  std::atomic<int> incomplete{0};
  std::vector<std::thread> callers;
  for (int c = 0; c < kCallers; ++c) {
    callers.emplace_back([&, c] {
      for (int round = 0; round < kRounds; ++round) {
        const std::uint32_t parts = static_cast<std::uint32_t>(1 + (c * 7 + round) % 9);
        Count count(parts, pool.size());
        pool.run(parts, &countPart, &count);
        for (std::uint32_t p = 0; p < parts; ++p) incomplete += count.runs[p].load() != 1;
      }
    });
  }
  for (auto& caller : callers) caller.join();
  EXPECT_EQ(incomplete.load(), 0);
}

TEST(WorkerPool, WithoutThreadsTheCallerDoesAll) {
  WorkerPool pool(0);
  EXPECT_EQ(pool.size(), 0u);
  Count count(5, pool.size());
  pool.run(5, &countPart, &count);
  for (auto& r : count.runs) EXPECT_EQ(r.load(), 1);
  EXPECT_FALSE(count.badWorker.load());
}

}  // namespace
}  // namespace parvalon::host
