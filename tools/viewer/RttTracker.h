#pragma once

#include <cstdint>
#include <optional>

namespace parvalon::viewer {

// Round-trip time from ping/pong. The host echoes only the low 32 bits of a ping's
// timestamp read as signed, so timestamps are milliseconds folded into 0..2^31-1 and the
// difference is taken in that same modulus.
class RttTracker {
 public:
  static constexpr std::int64_t kTimestampModulus = std::int64_t{1} << 31;
  // A pong older than this is a stale answer, not a measurement.
  static constexpr std::int64_t kMaxRttMs = 30000;

  static std::int32_t timestampFor(std::int64_t nowMs);
  // The round trip of a pong received at `nowMs`; nothing for a stale or foreign timestamp.
  std::optional<std::uint32_t> onPong(std::int64_t pongTimestamp, std::int64_t nowMs);
  std::optional<std::uint32_t> last() const { return last_; }

 private:
  std::optional<std::uint32_t> last_;
};

}  // namespace parvalon::viewer
