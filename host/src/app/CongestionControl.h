#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

namespace parvalon::host {

// One bitrate for all client streams, lowered on bad feedback and raised back towards the
// target on good feedback, at most once a second. Decides; the application commits.
class CongestionControl {
 public:
  using Clock = std::chrono::steady_clock;

  static constexpr std::uint32_t kFloorKbps = 2000;
  static constexpr std::chrono::nanoseconds kMinInterval{1000000000};

  struct Change {
    std::uint32_t bitrateKbps;
    std::uint32_t maxBitrateKbps;
  };

  // Evaluates one feedback record against the configured target. A returned change must be
  // applied and then confirmed with committed(). Any thread; one feedback at a time.
  std::optional<Change> onFeedback(std::uint16_t rttMs, std::uint16_t decodeTimeMs, std::uint32_t targetKbps,
                                   Clock::time_point now = Clock::now());
  void committed(std::uint32_t bitrateKbps, Clock::time_point now = Clock::now());

  // A settings change: recovery restarts from the new target.
  void setCurrent(std::uint32_t bitrateKbps) { currentKbps_ = bitrateKbps; }
  // 0 until the first feedback.
  std::uint32_t current() const { return currentKbps_.load(); }

 private:
  std::atomic<std::uint32_t> currentKbps_{0};
  std::atomic<std::int64_t> lastAdjustNs_{0};  // steady clock
};

}  // namespace parvalon::host
