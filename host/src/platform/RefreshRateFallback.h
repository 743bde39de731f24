#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/DisplayModes.h"

namespace parvalon::host::platform {

// A refresh rate as the display APIs report it, numerator / denominator in Hz.
struct RefreshRatio {
  std::uint32_t numerator = 0;
  std::uint32_t denominator = 0;

  // 0, 0/1 and anything over 0 are what drivers (and wine) report when they do not know.
  bool known() const { return numerator != 0 && denominator != 0; }
  double hz() const { return known() ? static_cast<double>(numerator) / denominator : 0.0; }
};

// Turns the rates an output's modes report into the timings DisplayModes hands out. A rate the
// display leaves unknown is replaced by the compositor's rate, else by 60 Hz; one log line says
// where the rate of the first mode (the one the frame pacer uses) came from.
class RefreshRateFallback {
 public:
  static constexpr RefreshRatio kDefaultRate{60, 1};

  // `displayName` and `compositorName` name the sources in the log line ("DXGI", "DWM"). An
  // output without modes gets one mode at the fallback rate.
  static std::vector<DisplayModeTiming> resolve(const std::vector<RefreshRatio>& modeRates,
                                                std::optional<RefreshRatio> compositorRate,
                                                const char* displayName, const char* compositorName);

  // A timing whose dot clock ÷ (hTotal × vTotal) is the rate exactly.
  static DisplayModeTiming timingOf(RefreshRatio rate) { return {rate.numerator, rate.denominator, 1}; }
};

}  // namespace parvalon::host::platform
