#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace parvalon::host {

// Text a client sent, made fit for one log line: control characters shown as '?' (they could
// forge or garble lines) and anything beyond `maxChars` cut, with the full length named.
std::string clientTextForLog(std::string_view text, std::size_t maxChars = 200);

// Keeps one client's flood of warnings out of the log files: each address may write a few lines
// per window; what is held back is counted and reported once the next window opens (or when
// the caller asks at the end of the session). Any thread.
class ClientLogLimiter {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  static constexpr std::size_t kLinesPerWindow = 20;
  static constexpr std::chrono::seconds kWindow{10};
  // Addresses remembered at once; an address idle for a whole window is forgotten first.
  static constexpr std::size_t kMaxAddresses = 1024;

  explicit ClientLogLimiter(Clock clock = {});

  // True when a line about `address` may be written now. Logs how many lines were held back in
  // the window before, when there were any.
  bool allow(const std::string& address);
  // Logs what is held back for `address` so far (its session ended).
  void flush(const std::string& address);

 private:
  struct Budget {
    std::chrono::steady_clock::time_point windowStart;
    std::size_t written = 0;
    std::uint64_t suppressed = 0;
  };
  void forgetIdle(std::chrono::steady_clock::time_point now);

  Clock clock_;
  std::mutex mutex_;  // guards budgets_; the signaling io thread and the polling main thread
  std::unordered_map<std::string, Budget> budgets_;
};

}  // namespace parvalon::host
