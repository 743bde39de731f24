#include "RttTracker.h"

namespace parvalon::viewer {

std::int32_t RttTracker::timestampFor(std::int64_t nowMs) {
  const std::int64_t folded = ((nowMs % kTimestampModulus) + kTimestampModulus) % kTimestampModulus;
  return static_cast<std::int32_t>(folded);
}

std::optional<std::uint32_t> RttTracker::onPong(std::int64_t pongTimestamp, std::int64_t nowMs) {
  if (pongTimestamp < 0 || pongTimestamp >= kTimestampModulus) return std::nullopt;
  const std::int64_t rtt = (timestampFor(nowMs) - pongTimestamp + kTimestampModulus) % kTimestampModulus;
  if (rtt > kMaxRttMs) return std::nullopt;
  last_ = static_cast<std::uint32_t>(rtt);
  return last_;
}

}  // namespace parvalon::viewer
