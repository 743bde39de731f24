#include "app/CongestionControl.h"

#include <algorithm>

#include "logging/Log.h"

namespace parvalon::host {
namespace {

constexpr std::uint16_t kCongestedDecodeMs = 30;
constexpr std::uint16_t kCongestedRttMs = 50;
constexpr std::uint16_t kGoodDecodeMs = 15;
constexpr std::uint16_t kGoodRttMs = 20;
constexpr float kReduceFactor = 0.8f;
constexpr float kRecoverFactor = 1.1f;
constexpr float kMaxFactor = 1.5f;

std::int64_t toNs(CongestionControl::Clock::time_point t) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
}

// Single-precision product, truncated: the bitrate steps are defined that way.
std::uint32_t scaled(std::uint32_t kbps, float factor) {
  return static_cast<std::uint32_t>(static_cast<float>(kbps) * factor);
}

}  // namespace

std::optional<CongestionControl::Change> CongestionControl::onFeedback(std::uint16_t rttMs, std::uint16_t decodeTimeMs,
                                                                       std::uint32_t targetKbps,
                                                                       Clock::time_point now) {
  if (currentKbps_.load() == 0) {
    currentKbps_ = targetKbps;
    lastAdjustNs_ = toNs(now);
  }
  if (toNs(now) - lastAdjustNs_.load() < kMinInterval.count()) return std::nullopt;

  const std::uint32_t current = currentKbps_.load();
  std::uint32_t next = current;
  if (decodeTimeMs > kCongestedDecodeMs || rttMs > kCongestedRttMs) {
    next = std::max(kFloorKbps, scaled(current, kReduceFactor));
    if (next == current) return std::nullopt;
    PV_LOG_WARN("Network congestion (RTT={}ms, decode={}ms), reducing bitrate {} -> {} kbps", rttMs, decodeTimeMs,
                current, next);
  } else if (rttMs < kGoodRttMs && decodeTimeMs < kGoodDecodeMs && current < targetKbps) {
    next = std::min(targetKbps, scaled(current, kRecoverFactor));
    if (next == current) return std::nullopt;
  } else {
    return std::nullopt;
  }
  return Change{next, scaled(next, kMaxFactor)};
}

void CongestionControl::committed(std::uint32_t bitrateKbps, Clock::time_point now) {
  currentKbps_ = bitrateKbps;
  lastAdjustNs_ = toNs(now);
}

}  // namespace parvalon::host
