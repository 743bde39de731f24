#include "encode/EncoderFactory.h"

#include <algorithm>
#include <array>

#include "encode/SoftwareEncoderEntry.h"
#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr std::array<EncoderType, 4> kPriorityOrder = {
    EncoderType::NVENC, EncoderType::AMF, EncoderType::QuickSync, EncoderType::Software};

}  // namespace

EncoderFactory::AdapterProbe EncoderFactory::systemProbe() {
  // No DXGI adapter on this platform: the vendor runtimes are never probed.
  AdapterProbe probe;
  probe.canLoadLibrary = [](const char*) { return false; };
  probe.softwareUsable = softwareEncoderUsable();
  return probe;
}

std::vector<EncoderType> EncoderFactory::getAvailableEncoders() {
  return getAvailableEncoders(systemProbe());
}

std::vector<EncoderType> EncoderFactory::getAvailableEncoders(const AdapterProbe& probe) {
  std::vector<EncoderType> available;
  if (probe.vendorId && probe.canLoadLibrary) {
    if (*probe.vendorId == kNvidiaVendorId && probe.canLoadLibrary(kNvencLibrary)) {
      available.push_back(EncoderType::NVENC);
      PV_LOG_INFO("NVENC encoder available");
    }
    if (*probe.vendorId == kAmdVendorId && probe.canLoadLibrary(kAmfLibrary)) {
      available.push_back(EncoderType::AMF);
      PV_LOG_INFO("AMF encoder available");
    }
  }
  if (available.empty()) PV_LOG_WARN("No hardware encoders available");
  if (probe.softwareUsable) available.push_back(EncoderType::Software);
  return available;
}

std::unique_ptr<EncoderBase> EncoderFactory::createEncoder(EncoderType type,
                                                           const EncoderConfig& config) {
  std::unique_ptr<EncoderBase> encoder;
  switch (type) {
    case EncoderType::Software:
      encoder = makeSoftwareEncoder();
      if (encoder) break;
      PV_LOG_ERROR("Encoder type {} not available", encoderTypeName(type));
      return nullptr;
    default:
      // NVENC and AMF exist only in the Windows back end; QuickSync nowhere.
      PV_LOG_ERROR("Encoder type {} not available", encoderTypeName(type));
      return nullptr;
  }
  if (!encoder->initialize(config)) {
    PV_LOG_ERROR("Failed to initialize {} encoder", encoderTypeName(type));
    return nullptr;
  }
  PV_LOG_INFO("Created {} encoder", encoderTypeName(type));
  return encoder;
}

std::unique_ptr<EncoderBase> EncoderFactory::createBestEncoder(const EncoderConfig& config) {
  const std::vector<EncoderType> available = getAvailableEncoders();
  for (EncoderType type : kPriorityOrder) {
    if (std::find(available.begin(), available.end(), type) == available.end()) continue;
    std::unique_ptr<EncoderBase> encoder = createEncoder(type, config);
    if (encoder && encoder->isInitialized()) return encoder;
  }
  PV_LOG_ERROR("Failed to create any hardware encoder");
  return nullptr;
}

}  // namespace parvalon::host
