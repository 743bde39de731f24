#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "encode/EncoderBase.h"
#include "encode/amf/AmfPtr.h"
#include "platform/GpuDevice.h"

struct ID3D11Device;
struct ID3D11DeviceContext;

namespace parvalon::host {

namespace amf {
class AMFFactory;
class AMFContext;
class AMFComponent;
}  // namespace amf

// H.264 or HEVC on AMD GPUs through the AMF runtime ("amfrt64.dll", loaded at initialize).
// Takes B8G8R8A8 textures of the orchestrator's Direct3D 11 device and wraps each one in an AMF
// surface (no copy); after every submission it collects whatever outputs the runtime has ready
// without waiting for the picture just submitted. A new size re-initializes the encoder. Only
// IDR pictures count as key frames.
//
// Threads: the caller serialises initialize, encodeTexture, setBitrate, reconfigure and
// shutdown; the frame callback runs inside encodeTexture. requestKeyframe, isInitialized,
// getStats and getParameterSets may be called from any thread.
class AmfEncoder final : public EncoderBase {
 public:
  static constexpr const char* kRuntimeLibrary = "amfrt64.dll";
  static constexpr std::uint64_t kRuntimeVersion = 0x0001000500000000ULL;  // 1.5.0.0

  explicit AmfEncoder(std::shared_ptr<platform::GpuDevice> device);
  ~AmfEncoder() override;
  AmfEncoder(const AmfEncoder&) = delete;
  AmfEncoder& operator=(const AmfEncoder&) = delete;

  const char* getName() const override { return "AMF"; }
  bool initialize(const EncoderConfig& config) override;
  void shutdown() override;
  // Texture encoder: CPU pictures are refused.
  bool encodeFrame(const platform::CpuFrame& frame) override;
  platform::FrameKind inputKind() const override { return platform::FrameKind::Texture; }
  bool encodeTexture(const platform::GpuTexture& texture) override;
  void requestKeyframe() override { keyframeRequested_.store(true); }
  void setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) override;
  void setFrameCallback(FrameCallback callback) override { callback_ = std::move(callback); }
  EncoderStats getStats() const override;
  bool isInitialized() const override { return initialized_.load(); }
  bool reconfigure(const EncoderConfig& config) override;
  CodecParameterSets getParameterSets() const override;

 private:
  bool loadAmf();
  bool createEncoder();
  void setEncoderProperties();
  // Delivers every output the runtime has ready now.
  void drainOutput();
  // Everything initialize acquired, in shutdown's order; also undoes a failed initialize.
  void releaseRuntime();

  std::shared_ptr<platform::GpuDevice> gpuDevice_;
  ID3D11Device* device_ = nullptr;                    // counted reference while initialized
  ID3D11DeviceContext* immediateContext_ = nullptr;   // counted reference while initialized
  void* library_ = nullptr;                           // the runtime's module handle
  amf::AMFFactory* factory_ = nullptr;                // the runtime's own, not counted
  amf::AmfPtr<amf::AMFContext> context_;
  amf::AmfPtr<amf::AMFComponent> component_;

  EncoderConfig config_;
  bool hevc_ = false;
  std::atomic<bool> initialized_{false};
  std::atomic<bool> keyframeRequested_{false};
  std::uint32_t frameCounter_ = 0;  // pictures submitted since initialize: the time stamp
  FrameCallback callback_;

  // Guards stats_; taken by the encoding thread and any reader of getStats.
  mutable std::mutex statsMutex_;
  EncoderStats stats_;
  // Guards parameterSets_; taken by the encoding thread and any reader of getParameterSets.
  mutable std::mutex parameterSetsMutex_;
  CodecParameterSets parameterSets_;
};

}  // namespace parvalon::host
