#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace parvalon::host::platform::linux_x11 {

// One graphics card of the kernel's DRM class (/sys/class/drm/cardN/device).
struct DrmCard {
  std::string name;             // "card0"
  std::uint32_t vendorId = 0;   // PCI ids, 0 when the device has none (a virtual card)
  std::uint32_t deviceId = 0;
  bool bootVga = false;         // the firmware's primary display adapter
  std::uint64_t vramBytes = 0;  // mem_info_vram_total where the driver reports it (amdgpu), else 0
};

// What the dashboard's GPU line and VRAM row show.
struct DisplayGpu {
  std::string name;
  std::uint64_t vramMB = 0;
};

inline constexpr const char* kDrmClassFolder = "/sys/class/drm";

// The cards under `drmFolder` in name order; connectors ("card0-HDMI-A-1") and render nodes
// are not cards. Unreadable values stay 0.
std::vector<DrmCard> listDrmCards(const std::string& drmFolder = kDrmClassFolder);

// The GPU the display renders with. `rendererName` is the OpenGL renderer of the dashboard's
// own context (GL_RENDERER), which names it best; without one the card is named by vendor and
// ids. VRAM comes from the card when the renderer is hardware: a software rasteriser
// ("llvmpipe") draws in system memory whatever card is present.
DisplayGpu describeDisplayGpu(const std::string& rendererName, const std::vector<DrmCard>& cards);

}  // namespace parvalon::host::platform::linux_x11
