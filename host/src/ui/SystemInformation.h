#pragma once

#include <cstdint>
#include <string>

namespace parvalon::host {

// The system card and the About page's rows.
struct SystemInformation {
  static constexpr const char* kSoftwareEncoderName = "Software";

  std::string gpuName = "Detecting...";
  std::uint32_t vramMB = 0;
  std::string encoderName = "None";
  bool wgcSupported = false;

  // What really does the work on this host: with the software encoder running, "GPU:" names the
  // processor and no video memory is used; otherwise the adapter the application reports.
  // `captureSupported` is whether the display server offers what window capture needs.
  static SystemInformation describe(const std::string& encoderName, const std::string& cpuModel,
                                    const std::string& adapterName, std::uint64_t adapterVramMB,
                                    bool captureSupported);

  bool operator==(const SystemInformation&) const = default;
};

}  // namespace parvalon::host
