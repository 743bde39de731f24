#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "encode/EncoderBase.h"
#include "encode/EncoderConfig.h"
#include "encode/EncoderType.h"
#include "platform/GpuDevice.h"

namespace parvalon::host {

// Finds out which encoders this machine can use and creates the first one that initializes,
// in the order NVENC, AMF, QuickSync, Software. Stateless.
//
// Texture encoders (NVENC, AMF) work on the graphics device the frames live on: the create
// path hands them that device, and without one they are not available.
class EncoderFactory {
 public:
  // What the factory learns about the machine: the graphics adapter's PCI vendor id (empty when
  // no adapter can be queried, as on Linux) and whether a vendor runtime library loads.
  struct AdapterProbe {
    std::optional<std::uint32_t> vendorId;
    // 0 when the library loads (it is unloaded again at once), else the OS's error code.
    std::function<std::uint32_t(const char* library)> libraryLoadError;
    bool softwareUsable = false;
  };

  static constexpr std::uint32_t kNvidiaVendorId = 0x10DE;
  static constexpr std::uint32_t kAmdVendorId = 0x1002;
  static constexpr const char* kNvencLibrary = "nvEncodeAPI64.dll";
  static constexpr const char* kAmfLibrary = "amfrt64.dll";

  // The probe of this machine: the adapter behind `device` (Windows without a device: the
  // default DXGI adapter), the runtime libraries as the OS loads them.
  static AdapterProbe systemProbe(const platform::GpuDevice* device = nullptr);

  // At most one hardware entry, then Software when the software encoder is usable.
  static std::vector<EncoderType> getAvailableEncoders(const std::shared_ptr<platform::GpuDevice>& device = {});
  static std::vector<EncoderType> getAvailableEncoders(const AdapterProbe& probe);

  // An initialized encoder of that type, or null after logging why.
  static std::unique_ptr<EncoderBase> createEncoder(EncoderType type, const EncoderConfig& config,
                                                    const std::shared_ptr<platform::GpuDevice>& device = {});

  // The first available encoder, in priority order, that initializes; null when none does.
  static std::unique_ptr<EncoderBase> createBestEncoder(const EncoderConfig& config,
                                                        const std::shared_ptr<platform::GpuDevice>& device = {});
  // The same against a given probe (tests: a vendor the machine does not have).
  static std::unique_ptr<EncoderBase> createBestEncoder(const EncoderConfig& config,
                                                        const std::shared_ptr<platform::GpuDevice>& device,
                                                        const AdapterProbe& probe);
};

}  // namespace parvalon::host
