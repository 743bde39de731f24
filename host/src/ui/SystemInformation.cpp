#include "ui/SystemInformation.h"

#include <algorithm>
#include <limits>

namespace parvalon::host {

SystemInformation SystemInformation::describe(const std::string& encoderName, const std::string& gpuName,
                                              std::uint64_t vramMB, const platform::CaptureMethodNames& capture,
                                              bool captureSupported) {
  SystemInformation info;
  info.encoderName = encoderName;
  info.gpuName = gpuName.empty() ? std::string("Unknown") : gpuName;
  info.vramMB = static_cast<std::uint32_t>(std::min<std::uint64_t>(vramMB, std::numeric_limits<std::uint32_t>::max()));
  info.wgcSupported = captureSupported;
  info.captureLabel = capture.label;
  info.captureAboutLabel = capture.aboutLabel;
  info.captureAvailableValue = capture.availableValue;
  return info;
}

}  // namespace parvalon::host
