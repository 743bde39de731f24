#pragma once

#include <d3d11.h>
#include <nvEncodeAPI.h>
#include <wrl/client.h>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "encode/EncoderBase.h"
#include "platform/GpuDevice.h"

namespace parvalon::host {

// The EncoderBase on NVIDIA's NVENC runtime ("nvEncodeAPI64.dll", loaded at run time), tuned
// for interactive streaming: preset P1 with ultra-low-latency tuning, CBR, no B pictures, one
// reference, fixed slices, parameter sets on every IDR, synchronous encode. Input is a B8G8R8A8
// texture of the configured size on the device the encoder was made for; it is copied into a
// ring of four textures registered with the runtime once.
//
// Built against the NVENC 11.1 headers: every structure version word is the header's.
class NvencEncoder final : public EncoderBase {
 public:
  static constexpr std::size_t kRingSize = 4;

  // `device` must be a Direct3D 11 device of the Windows back end (platform::win32::D3D11Device);
  // initialize fails on anything else.
  explicit NvencEncoder(std::shared_ptr<platform::GpuDevice> device);
  ~NvencEncoder() override;

  NvencEncoder(const NvencEncoder&) = delete;
  NvencEncoder& operator=(const NvencEncoder&) = delete;

  const char* getName() const override { return "NVENC"; }
  bool initialize(const EncoderConfig& config) override;
  void shutdown() override;
  // CPU pixels are not this encoder's input.
  bool encodeFrame(const platform::CpuFrame& frame) override;
  platform::FrameKind inputKind() const override { return platform::FrameKind::Texture; }
  bool encodeTexture(const platform::GpuTexture& texture) override;
  void requestKeyframe() override { keyframeRequested_ = true; }
  void setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) override;
  void setFrameCallback(FrameCallback callback) override { frameCallback_ = std::move(callback); }
  EncoderStats getStats() const override;
  bool isInitialized() const override { return initialized_; }
  // Another size is refused: the caller re-creates the encoder.
  bool reconfigure(const EncoderConfig& config) override;
  CodecParameterSets getParameterSets() const override;

 private:
  struct InputEntry {
    Microsoft::WRL::ComPtr<ID3D11Texture2D> texture;
    NV_ENC_REGISTERED_PTR registered = nullptr;
    NV_ENC_INPUT_PTR mapped = nullptr;
    bool isMapped = false;
  };
  struct OutputEntry {
    NV_ENC_OUTPUT_PTR bitstream = nullptr;
    std::vector<std::uint8_t> data;  // the last access unit read from `bitstream`
  };

  bool loadNvenc();
  bool createEncoder();
  bool createBuffers();
  void processOutput(std::size_t index);
  // The parts of NV_ENC_INITIALIZE_PARAMS that initialization and a rate change share.
  NV_ENC_INITIALIZE_PARAMS initializeParams();
  // Everything initialize acquired, in the order shutdown releases it; safe on a partial state.
  void release();
  bool hevc() const;

  std::shared_ptr<platform::GpuDevice> gpuDevice_;
  Microsoft::WRL::ComPtr<ID3D11Device> device_;
  Microsoft::WRL::ComPtr<ID3D11DeviceContext> context_;
  HMODULE library_ = nullptr;
  NV_ENCODE_API_FUNCTION_LIST api_{};
  void* session_ = nullptr;
  EncoderConfig config_;
  NV_ENC_CONFIG encodeConfig_{};  // as initialized, kept for rate changes
  GUID codecGuid_ = NV_ENC_CODEC_H264_GUID;
  std::vector<InputEntry> inputs_;
  std::vector<OutputEntry> outputs_;
  std::size_t ringIndex_ = 0;
  bool initialized_ = false;
  bool keyframeRequested_ = false;
  std::uint32_t frameCounter_ = 0;
  FrameCallback frameCallback_;

  // Guards stats_; taken by the encoding thread and by any thread reading statistics.
  mutable std::mutex statsMutex_;
  EncoderStats stats_;
  // Guards parameterSets_; taken by the encoding thread and by the application's readers.
  mutable std::mutex parameterSetsMutex_;
  CodecParameterSets parameterSets_;
};

}  // namespace parvalon::host
