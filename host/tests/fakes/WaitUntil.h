#pragma once

#include <chrono>
#include <thread>

namespace parvalon::host::testing {

// Checks `done` every 5 ms until it holds or `timeout` has passed; the one way tests wait for
// an event on another thread (never a fixed sleep followed by an assertion).
template <class F>
bool waitUntil(F done, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return done();
}

}  // namespace parvalon::host::testing
