#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "encode/EncoderBase.h"
#include "encode/SoftwareCodec.h"

namespace parvalon::host {

// The CPU encoder: BGRA → I420 (BT.601 matrix, limited or full range as configured) with libyuv,
// then libx264 for H.264 or libx265 for HEVC. One access unit per picture: delivered inside
// encodeFrame, or with `pipelined` on the encoder's own thread, which encodes a picture while the
// caller converts the next (at most one waits; encodeFrame waits for a free buffer beyond that).
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

  StageTimes lastStageTimes() const {
    std::lock_guard<std::mutex> lock(statsMutex_);
    return stageTimes_;
  }
  const EncoderConfig& config() const { return config_; }

  // Whether the H.264 library is usable on this machine (the factory lists Software then).
  static bool isAvailable();

 private:
  // One picture's I420 planes of the configured size, and what travels with them to the codec.
  struct PictureBuffer {
    std::vector<std::uint8_t> yuv;
    std::uint32_t paddedForWidth = 0;  // picture size its black bands were painted for
    std::uint32_t paddedForHeight = 0;
    std::uint32_t pts = 0;
    bool forceIdr = false;
    std::int64_t conversionUs = 0;
  };

  // The I420 planes of a buffer of the configured size.
  struct Planes {
    std::uint8_t* y;
    std::uint8_t* u;
    std::uint8_t* v;
    int lumaStride;
    int chromaStride;
  };
  Planes planesOf(PictureBuffer& buffer) const;

  // Refuses configurations the libraries would crash or divide by zero on; logs the reason.
  static bool validate(const EncoderConfig& config);
  // Paints the planes outside a width × height picture black, once per picture size.
  void padPlanes(PictureBuffer& buffer, std::uint32_t width, std::uint32_t height);
  // Runs the codec on a converted picture and delivers the access unit.
  bool encodeAndDeliver(PictureBuffer& buffer);
  void runPipeline();
  void stopPipeline();

  EncoderConfig config_;
  bool hevc_ = false;
  bool initialized_ = false;
  std::atomic<bool> keyframeRequested_{false};
  std::uint32_t frameCounter_ = 0;  // pictures submitted since initialization
  std::unique_ptr<SoftwareCodec> codec_;
  std::mutex codecMutex_;  // guards codec_'s calls: the pipeline thread encodes, setBitrate reconfigures
  std::array<PictureBuffer, 2> buffers_;  // without the pipeline only the first is used
  std::vector<std::uint8_t> output_;      // the codec's output; used by whichever thread encodes
  FrameCallback frameCallback_;

  // The pipeline: buffers waiting for the codec in submission order, and the one it works on.
  std::thread pipelineThread_;
  std::mutex pipelineMutex_;  // guards the three below; taken by the caller and the pipeline thread
  std::condition_variable pipelineChanged_;
  std::deque<std::size_t> queued_;
  int encoding_ = -1;  // index of the buffer being encoded, or -1
  bool stopping_ = false;

  mutable std::mutex statsMutex_;  // guards stats_ and stageTimes_; encoding thread and readers
  EncoderStats stats_;
  StageTimes stageTimes_;
  mutable std::mutex parameterSetMutex_;  // guards parameterSets_; encoding thread and readers
  CodecParameterSets parameterSets_;
};

}  // namespace parvalon::host
