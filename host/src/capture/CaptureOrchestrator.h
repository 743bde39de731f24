#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "capture/WindowCapture.h"
#include "protocol/WindowInfo.h"
#include "encode/CodecParameterSets.h"
#include "encode/EncoderBase.h"
#include "encode/EncoderConfig.h"
#include "encode/EncoderType.h"
#include "platform/CaptureSource.h"
#include "platform/CpuFrame.h"
#include "platform/WindowSystem.h"

namespace parvalon::host {

// Everything between a window and its encoded video: one session (capture + encoder) per stream
// id, padding to the encoder's 16-pixel grid, encoder re-creation on a size change, and the
// encoder settings template.
//
// Locking: one recursive lock around every stream operation and all per-frame work, so encoded
// frames and the frame callback run under it. Stopping a capture waits for a delivery in
// progress, and a delivery takes this lock: sessions are therefore taken out of the map under
// the lock and stopped after it is released.
class CaptureOrchestrator {
 public:
  using FrameCallback =
      std::function<void(std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size, bool isKeyframe)>;
  using ResolutionChangeCallback =
      std::function<void(std::uint8_t streamId, std::uint32_t width, std::uint32_t height)>;
  // How encoders and the encoder list are obtained (EncoderFactory unless a test injects others).
  using CreateEncoderFunction = std::function<std::unique_ptr<EncoderBase>(const EncoderConfig& config)>;
  using AvailableEncodersFunction = std::function<std::vector<EncoderType>()>;

  // The padding rule: size rounded up to a multiple of 16.
  static constexpr std::uint32_t padded(std::uint32_t size) { return (size + 15u) & ~15u; }

  // The desktop's window system and capture service, and EncoderFactory.
  CaptureOrchestrator();
  CaptureOrchestrator(std::shared_ptr<platform::WindowSystem> windowSystem,
                      std::shared_ptr<platform::CaptureSourceFactory> captureFactory,
                      CreateEncoderFunction createEncoder = {},
                      AvailableEncodersFunction availableEncoders = {});
  ~CaptureOrchestrator();

  CaptureOrchestrator(const CaptureOrchestrator&) = delete;
  CaptureOrchestrator& operator=(const CaptureOrchestrator&) = delete;

  // Idempotent. Names the encoder family that will be used.
  bool initialize();
  // Stops every capture; no-op when not initialized.
  void shutdown();

  bool startCapture(std::uint32_t windowId, std::uint8_t streamId);
  void stopCapture(std::uint8_t streamId);
  void stopAllCaptures();
  // Removes sessions whose window is gone or whose capture stopped. Once per main-loop turn.
  void update();

  void setFrameCallback(FrameCallback callback);
  void setResolutionChangeCallback(ResolutionChangeCallback callback);

  // Template setters: they affect encoders created from now on, not the running ones.
  void setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps);
  void setTargetFps(std::uint32_t fps);
  void setFullRangeColor(bool enabled);
  // The sharpening pass and the frame pacer are not part of this build: without them these
  // change nothing, as with a pass or pacer that failed to exist.
  void setSharpeningEnabled(bool enabled);
  void setSharpness(float sharpness);
  void setVSyncEnabled(bool enabled);

  // Live changes of one stream; silently nothing for an unknown stream or one without encoder.
  void updateStreamBitrate(std::uint8_t streamId, std::uint32_t targetKbps, std::uint32_t maxKbps);
  void requestKeyframe(std::uint8_t streamId);
  // Empty, not valid record for an unknown stream or one without encoder.
  CodecParameterSets getParameterSets(std::uint8_t streamId);
  // The capture size (unpadded); false for an unknown stream.
  bool getStreamResolution(std::uint8_t streamId, std::uint32_t& width, std::uint32_t& height);

  // "Software" here (or "NVENC", "AMF", "Unknown", "None"); empty before initialize.
  std::string getEncoderName() const;
  std::vector<protocol::WindowInfo> getAvailableWindows();
  // A copy of the template new encoders are made from.
  EncoderConfig getEncoderConfig() const;
  bool isInitialized() const;

  // Adapter description and its memory in MiB; no graphics adapter is used here, so they stay
  // empty and 0.
  std::string gpuName;
  std::uint64_t vramMB = 0;

 private:
  struct CaptureSession {
    std::unique_ptr<WindowCapture> capture;
    std::unique_ptr<EncoderBase> encoder;  // null after a failed re-creation: the stream is silent
    std::uint32_t windowId = 0;
    std::uint32_t paddedWidth = 0;
    std::uint32_t paddedHeight = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    platform::CpuImage paddingImage;  // encoder-sized, made and cleared on first need
  };

  void onFrameCaptured(std::uint8_t streamId, const platform::CpuFrame& frame);
  void installEncoderCallback(EncoderBase& encoder, std::uint8_t streamId);
  void deliverEncoded(std::uint8_t streamId, const EncodedFrame& frame);
  EncoderConfig templateFor(std::uint32_t paddedWidth, std::uint32_t paddedHeight) const;
  // Shuts the encoder down, stops the capture and destroys both. Never with sessionsMutex held.
  static void stopSession(CaptureSession& session);

  std::shared_ptr<platform::WindowSystem> windowSystem_;
  std::shared_ptr<platform::CaptureSourceFactory> captureFactory_;
  CreateEncoderFunction createEncoder_;
  AvailableEncodersFunction availableEncoders_;

  // Guards sessions_, initialized_ and all per-frame work; taken by the caller
  // threads of the stream operations (main, signaling, video I/O) and by every capture thread.
  mutable std::recursive_mutex sessionsMutex_;
  std::unordered_map<std::uint8_t, CaptureSession> sessions_;
  bool initialized_ = false;

  // Guards the two callbacks; taken briefly by their setters and by capture threads to read them.
  mutable std::mutex callbackMutex_;
  std::shared_ptr<const FrameCallback> frameCallback_;
  std::shared_ptr<const ResolutionChangeCallback> resolutionChangeCallback_;

  // Guards encoderConfig_ and encoderName_; taken by the template setters (main thread) and by whoever creates an
  // encoder. Never held while calling out, so settings can change under the application's locks.
  mutable std::mutex templateMutex_;
  EncoderConfig encoderConfig_;
  std::string encoderName_;
};

}  // namespace parvalon::host
