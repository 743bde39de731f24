#include "platform/RefreshRateFallback.h"

#include "logging/Log.h"

namespace parvalon::host::platform {

std::vector<DisplayModeTiming> RefreshRateFallback::resolve(const std::vector<RefreshRatio>& modeRates,
                                                            std::optional<RefreshRatio> compositorRate,
                                                            const char* displayName, const char* compositorName) {
  const bool compositorKnows = compositorRate && compositorRate->known();
  const RefreshRatio fallback = compositorKnows ? *compositorRate : kDefaultRate;
  if (!modeRates.empty() && modeRates.front().known()) {
    PV_LOG_INFO("Display refresh rate: {:.2f}Hz from {}", modeRates.front().hz(), displayName);
  } else if (compositorKnows) {
    PV_LOG_INFO("Display refresh rate: {:.2f}Hz from {} ({} reports none)", fallback.hz(), compositorName,
                displayName);
  } else {
    PV_LOG_INFO("Display refresh rate: {:.2f}Hz by default ({} and {} report none)", fallback.hz(), displayName,
                compositorName);
  }
  std::vector<DisplayModeTiming> timings;
  for (const RefreshRatio& rate : modeRates) timings.push_back(timingOf(rate.known() ? rate : fallback));
  if (timings.empty()) timings.push_back(timingOf(fallback));
  return timings;
}

}  // namespace parvalon::host::platform
