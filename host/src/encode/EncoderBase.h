#pragma once

#include <cstdint>

#include "encode/CodecParameterSets.h"
#include "encode/EncodedFrame.h"
#include "encode/EncoderConfig.h"
#include "encode/EncoderStats.h"
#include "platform/CaptureFrame.h"
#include "platform/CpuFrame.h"
#include "platform/GpuTexture.h"

namespace parvalon::host {

// The interface the orchestrator drives for each stream. The caller serialises initialize,
// encodeFrame, requestKeyframe, setBitrate, reconfigure and shutdown; getStats and
// getParameterSets may be called from any thread. Destroying an encoder performs shutdown.
class EncoderBase {
 public:
  virtual ~EncoderBase() = default;

  virtual const char* getName() const = 0;
  // A second call on an initialized encoder keeps the first configuration and returns true.
  virtual bool initialize(const EncoderConfig& config) = 0;
  virtual void shutdown() = 0;
  // Encodes one BGRA picture of the configured size and delivers its output through the frame
  // callback before returning (a pipelined software encoder: later, on its own thread, in
  // order; shutdown returns after its last delivery). False at once when not initialized.
  virtual bool encodeFrame(const platform::CpuFrame& frame) = 0;
  // Which frames this encoder takes: CPU pixels through encodeFrame, or textures on the
  // capture device through encodeTexture. The orchestrator crosses over when the capture
  // delivers the other kind.
  virtual platform::FrameKind inputKind() const { return platform::FrameKind::Cpu; }
  // A texture encoder's encodeFrame: one B8G8R8A8 texture of the configured size, on the
  // capture device, delivered as encodeFrame delivers. A CPU encoder refuses.
  virtual bool encodeTexture(const platform::GpuTexture& texture) {
    (void)texture;
    return false;
  }
  // True when encodeFrame also takes a picture smaller than the configured size and pads it
  // itself (black on the right and at the bottom), so the caller can skip its padding copy.
  virtual bool padsSmallerFrames() const { return false; }
  // The next picture submitted is an IDR picture.
  virtual void requestKeyframe() = 0;
  // Changes target and peak rate of the running encoder; ignored when not initialized.
  virtual void setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) = 0;
  virtual void setFrameCallback(FrameCallback callback) = 0;
  virtual EncoderStats getStats() const = 0;
  virtual bool isInitialized() const = 0;
  // Same size: applies the new rates and returns true. Another size: encoder-specific.
  virtual bool reconfigure(const EncoderConfig& config) = 0;
  virtual CodecParameterSets getParameterSets() const = 0;
};

}  // namespace parvalon::host
