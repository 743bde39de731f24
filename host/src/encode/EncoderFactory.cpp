#include "encode/EncoderFactory.h"

#include <algorithm>
#include <array>

#include "encode/AmfEncoderEntry.h"
#include "encode/NvencEncoderEntry.h"
#include "encode/SoftwareEncoderEntry.h"
#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr std::array<EncoderType, 4> kPriorityOrder = {
    EncoderType::NVENC, EncoderType::AMF, EncoderType::QuickSync, EncoderType::Software};

}  // namespace

std::vector<EncoderType> EncoderFactory::getAvailableEncoders(const std::shared_ptr<platform::GpuDevice>& device) {
  return getAvailableEncoders(systemProbe(device.get()));
}

std::vector<EncoderType> EncoderFactory::getAvailableEncoders(const AdapterProbe& probe) {
  std::vector<EncoderType> available;
  if (probe.vendorId && probe.libraryLoadError) {
    // A vendor's runtime counts only on that vendor's adapter; the line says why one does not.
    if (*probe.vendorId == kNvidiaVendorId) {
      const std::uint32_t error = probe.libraryLoadError(kNvencLibrary);
      if (error == 0) {
        available.push_back(EncoderType::NVENC);
        PV_LOG_INFO("NVENC encoder available");
      } else {
        PV_LOG_WARN("NVENC not usable: the adapter is NVIDIA's but nvEncodeAPI64.dll does not load (error {})", error);
      }
    } else if (*probe.vendorId == kAmdVendorId) {
      const std::uint32_t error = probe.libraryLoadError(kAmfLibrary);
      if (error == 0) {
        available.push_back(EncoderType::AMF);
        PV_LOG_INFO("AMF encoder available");
      } else {
        PV_LOG_WARN("AMF not usable: the adapter is AMD's but amfrt64.dll does not load (error {})", error);
      }
    } else {
      PV_LOG_INFO("No hardware encoder for adapter vendor {:#06x}", *probe.vendorId);
    }
  }
  if (available.empty()) PV_LOG_WARN("No hardware encoders available");
  if (probe.softwareUsable) available.push_back(EncoderType::Software);
  return available;
}

std::unique_ptr<EncoderBase> EncoderFactory::createEncoder(EncoderType type, const EncoderConfig& config,
                                                           const std::shared_ptr<platform::GpuDevice>& device) {
  std::unique_ptr<EncoderBase> encoder;
  switch (type) {
    case EncoderType::NVENC:
      encoder = makeNvencEncoder(device);
      break;
    case EncoderType::AMF:
      // Like NVENC, AMF opens on the frames' device: without one it is not available.
      if (device) encoder = makeAmfEncoder(device);
      break;
    case EncoderType::Software:
      encoder = makeSoftwareEncoder();
      break;
    case EncoderType::QuickSync:
      break;
  }
  if (!encoder) {
    // QuickSync nowhere; the vendor encoders only in the Windows back end and on a device.
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

std::unique_ptr<EncoderBase> EncoderFactory::createBestEncoder(const EncoderConfig& config,
                                                               const std::shared_ptr<platform::GpuDevice>& device) {
  return createBestEncoder(config, device, systemProbe(device.get()));
}

std::unique_ptr<EncoderBase> EncoderFactory::createBestEncoder(const EncoderConfig& config,
                                                               const std::shared_ptr<platform::GpuDevice>& device,
                                                               const AdapterProbe& probe) {
  const std::vector<EncoderType> available = getAvailableEncoders(probe);
  for (EncoderType type : kPriorityOrder) {
    if (std::find(available.begin(), available.end(), type) == available.end()) continue;
    std::unique_ptr<EncoderBase> encoder = createEncoder(type, config, device);
    if (encoder && encoder->isInitialized()) return encoder;
  }
  PV_LOG_ERROR("Failed to create any hardware encoder");
  return nullptr;
}

}  // namespace parvalon::host
