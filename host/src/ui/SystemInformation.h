#pragma once

#include <cstdint>
#include <string>

#include "platform/CaptureMethod.h"

namespace parvalon::host {

// The system card and the About page's rows.
struct SystemInformation {
  static constexpr const char* kNotAvailable = "Not Available";

  std::string gpuName = "Detecting...";
  std::uint32_t vramMB = 0;
  std::string encoderName = "None";
  bool wgcSupported = false;  // window capture available
  // How the platform names its window capture (see platform::CaptureMethodNames).
  std::string captureLabel = "Capture:";
  std::string captureAboutLabel = "Window Capture:";
  std::string captureAvailableValue = "Supported";

  // The capture rows' value: the method's name while capture is available, else "Not Available".
  std::string captureValue() const { return wgcSupported ? captureAvailableValue : kNotAvailable; }

  // `gpuName` and `vramMB` name the graphics adapter the host's picture comes from (the display's
  // renderer on Linux, the capture adapter on Windows); an empty name shows as "Unknown". The
  // VRAM is clamped to what the row can show. `captureSupported` is whether the display server
  // offers what window capture needs.
  static SystemInformation describe(const std::string& encoderName, const std::string& gpuName,
                                    std::uint64_t vramMB, const platform::CaptureMethodNames& capture,
                                    bool captureSupported);

  bool operator==(const SystemInformation&) const = default;
};

}  // namespace parvalon::host
