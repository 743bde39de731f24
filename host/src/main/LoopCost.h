#pragma once

#include <cstdint>

namespace parvalon::host {

// CPU time the host loop costs, reported at debug level once per kInterval iterations: the main
// thread's own and the whole process's (which adds the renderer's threads and every subsystem).
class LoopCost {
 public:
  static constexpr int kInterval = 600;

  LoopCost();
  void iterationDone();

 private:
  std::int64_t threadNs_;
  std::int64_t processNs_;
  int iterations_ = 0;
};

}  // namespace parvalon::host
