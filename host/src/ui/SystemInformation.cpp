#include "ui/SystemInformation.h"

#include <algorithm>
#include <limits>

namespace parvalon::host {

SystemInformation SystemInformation::describe(const std::string& encoderName, const std::string& cpuModel,
                                              const std::string& adapterName, std::uint64_t adapterVramMB,
                                              bool captureSupported) {
  SystemInformation info;
  info.encoderName = encoderName;
  info.wgcSupported = captureSupported;
  if (encoderName == kSoftwareEncoderName) {
    info.gpuName = (cpuModel.empty() ? std::string("CPU") : cpuModel) + " (software encoding)";
    info.vramMB = 0;
  } else {
    info.gpuName = adapterName.empty() ? std::string("Unknown") : adapterName;
    info.vramMB = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(adapterVramMB, std::numeric_limits<std::uint32_t>::max()));
  }
  return info;
}

}  // namespace parvalon::host
