#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "encode/EncoderBase.h"
#include "encode/EncoderConfig.h"
#include "encode/EncoderType.h"

namespace parvalon::host {

// Finds out which encoders this machine can use and creates the first one that initializes,
// in the order NVENC, AMF, QuickSync, Software. Stateless.
class EncoderFactory {
 public:
  // What the factory learns about the machine: the graphics adapter's PCI vendor id (empty when
  // no adapter can be queried, as on Linux) and whether a vendor runtime library loads.
  struct AdapterProbe {
    std::optional<std::uint32_t> vendorId;
    std::function<bool(const char* library)> canLoadLibrary;
    bool softwareUsable = false;
  };

  static constexpr std::uint32_t kNvidiaVendorId = 0x10DE;
  static constexpr std::uint32_t kAmdVendorId = 0x1002;
  static constexpr const char* kNvencLibrary = "nvEncodeAPI64.dll";
  static constexpr const char* kAmfLibrary = "amfrt64.dll";

  // The probe of this machine.
  static AdapterProbe systemProbe();

  // At most one hardware entry, then Software when the software encoder is usable.
  static std::vector<EncoderType> getAvailableEncoders();
  static std::vector<EncoderType> getAvailableEncoders(const AdapterProbe& probe);

  // An initialized encoder of that type, or null after logging why.
  static std::unique_ptr<EncoderBase> createEncoder(EncoderType type, const EncoderConfig& config);

  // The first available encoder, in priority order, that initializes; null when none does.
  static std::unique_ptr<EncoderBase> createBestEncoder(const EncoderConfig& config);
};

}  // namespace parvalon::host
