#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "encode/EncoderBase.h"
#include "encode/SoftwareCodec.h"

namespace parvalon::host {

// The CPU encoder: BGRA → I420 (BT.601 matrix, limited or full range as configured) with libyuv,
// then libx264 for H.264 or libx265 for HEVC. Output is synchronous, one access unit per picture.
class SoftwareEncoder : public EncoderBase {
 public:
  // Time of the last encodeFrame split into its two steps, in microseconds.
  struct StageTimes {
    std::int64_t conversionUs = 0;
    std::int64_t encodeUs = 0;
  };

  SoftwareEncoder();
  ~SoftwareEncoder() override;

  const char* getName() const override { return "Software"; }
  bool initialize(const EncoderConfig& config) override;
  void shutdown() override;
  // Takes pictures up to the configured size; a smaller one is padded with black while it is
  // converted, which saves the caller a copy of every picture.
  bool encodeFrame(const platform::CpuFrame& frame) override;
  bool padsSmallerFrames() const override { return true; }
  void requestKeyframe() override;
  void setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) override;
  void setFrameCallback(FrameCallback callback) override;
  EncoderStats getStats() const override;
  bool isInitialized() const override { return initialized_; }
  bool reconfigure(const EncoderConfig& config) override;
  CodecParameterSets getParameterSets() const override;

  StageTimes lastStageTimes() const { return stageTimes_; }
  const EncoderConfig& config() const { return config_; }

  // Whether the H.264 library is usable on this machine (the factory lists Software then).
  static bool isAvailable();

 private:
  // Refuses configurations the libraries would crash or divide by zero on; logs the reason.
  static bool validate(const EncoderConfig& config);
  // Paints the planes outside a width × height picture black, once per picture size.
  void padPlanes(std::uint32_t width, std::uint32_t height);

  EncoderConfig config_;
  bool hevc_ = false;
  bool initialized_ = false;
  std::atomic<bool> keyframeRequested_{false};
  std::uint32_t frameCounter_ = 0;  // pictures submitted since initialization
  std::unique_ptr<SoftwareCodec> codec_;
  std::vector<std::uint8_t> yuv_;  // I420 planes of the configured size
  std::uint32_t paddedForWidth_ = 0;   // picture size the black bands of yuv_ were painted for
  std::uint32_t paddedForHeight_ = 0;
  std::vector<std::uint8_t> output_;
  FrameCallback frameCallback_;
  StageTimes stageTimes_;

  mutable std::mutex statsMutex_;  // guards stats_; encoding thread and any reader of getStats
  EncoderStats stats_;
  mutable std::mutex parameterSetMutex_;  // guards parameterSets_; encoding thread and readers
  CodecParameterSets parameterSets_;
};

}  // namespace parvalon::host
