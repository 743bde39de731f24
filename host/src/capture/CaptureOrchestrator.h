#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "capture/CASProcessor.h"
#include "capture/FrameConverter.h"
#include "capture/FramePacer.h"
#include "capture/WindowCapture.h"
#include "protocol/WindowInfo.h"
#include "encode/CodecParameterSets.h"
#include "encode/EncoderBase.h"
#include "encode/EncoderConfig.h"
#include "encode/EncoderType.h"
#include "network/HandlerSlot.h"
#include "platform/CaptureFrame.h"
#include "platform/CaptureSource.h"
#include "platform/CpuFrame.h"
#include "platform/DisplayModes.h"
#include "platform/GpuDevice.h"
#include "platform/WindowSystem.h"

namespace parvalon::host {

// Everything between a window and its encoded video: one session (capture + encoder) per stream
// id, the optional sharpening pass, padding to the encoder's 16-pixel grid, encoder re-creation
// on a size or frame-rate change, the frame pacer and the encoder settings template.
//
// Frames are CPU pixels (X11) or textures on the graphics device (Windows); each stream's
// FrameConverter pads them where they are and crosses over when the encoder takes the other
// kind. Sharpening runs where the captured pixels are: captured textures on the device (so a
// texture encoder gets them without a CPU copy, a CPU encoder after one read-back of the
// sharpened texture), CPU pixels in the CPU pass. Without the device's pass a texture is
// sharpened on the CPU after its read-back, and a texture encoder's frames go unsharpened.
//
// Locking: the table lock (sessionsMutex_) is held only to find, insert or take out a session
// and pin it (a shared_ptr copy); it is never held while calling out. Each session has its own
// recursive lock around its per-frame work (sharpening, padding, encoding, delivery of the
// encoded frames)
// and around every call on its encoder, so streams encode in parallel while one stream's
// encoder is never called by two threads at once and its frames leave in encoding order.
// A session leaves the table first and is then stopped under its own lock (a delivery in
// progress finishes before, a later one finds it inactive); its capture is stopped after that
// lock is released, because stopping waits for the capture thread, which may be waiting for it.
// Callbacks run under the session lock may call back into the orchestrator for that stream.
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

  // The desktop's window system, capture service, displays and graphics device, and
  // EncoderFactory.
  CaptureOrchestrator();
  // Empty or null arguments after the first two take the real ones (displayModes: the desktop's),
  // except gpuDevice: null means frames stay CPU pixels (texture frames and texture encoders
  // then have no device and their frames are dropped).
  CaptureOrchestrator(std::shared_ptr<platform::WindowList> windowSystem,
                      std::shared_ptr<platform::CaptureSourceFactory> captureFactory,
                      CreateEncoderFunction createEncoder = {},
                      AvailableEncodersFunction availableEncoders = {},
                      std::shared_ptr<platform::DisplayModes> displayModes = {},
                      std::shared_ptr<platform::GpuDevice> gpuDevice = {});
  ~CaptureOrchestrator();

  CaptureOrchestrator(const CaptureOrchestrator&) = delete;
  CaptureOrchestrator& operator=(const CaptureOrchestrator&) = delete;

  // Idempotent. Names the encoder family that will be used, makes the frame pacer (which reports
  // the display's refresh rate) and the sharpening pass; a failure of either is only warned.
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

  // Template setters: setBitrate and setFullRangeColor affect encoders created from now on
  // (running ones get updateStreamBitrate); setTargetFps also reaches running streams, whose
  // capture takes the new rate and whose encoder is re-created for it at their next frame.
  void setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps);
  void setTargetFps(std::uint32_t fps);
  void setFullRangeColor(bool enabled);
  // Reach the sharpening pass (from the next frame of every stream) and the pacer's switch;
  // nothing before initialize made them. The sharpness is clamped to [0, 1], NaN to 1.
  void setSharpeningEnabled(bool enabled);
  void setSharpness(float sharpness);
  void setVSyncEnabled(bool enabled);

  // Live changes of one stream; silently nothing for an unknown stream or one without encoder.
  void updateStreamBitrate(std::uint8_t streamId, std::uint32_t targetKbps, std::uint32_t maxKbps);
  // The next picture is a key frame, and the capture is asked for a picture even when the
  // window shows nothing new, so a static window still gets its key frame.
  void requestKeyframe(std::uint8_t streamId);
  // Empty, not valid record for an unknown stream or one without encoder.
  CodecParameterSets getParameterSets(std::uint8_t streamId);
  // The capture size (unpadded); false for an unknown stream.
  bool getStreamResolution(std::uint8_t streamId, std::uint32_t& width, std::uint32_t& height);
  // Microseconds the stream's last crossing between CPU pixels and device textures took (0
  // while none ran: capture and encoder take the same kind); false for an unknown stream.
  // Without the session lock, so the encoder's delivery may ask.
  bool getConversionTime(std::uint8_t streamId, std::uint64_t& microseconds) const;

  // "Software" here (or "NVENC", "AMF", "Unknown", "None"); empty before initialize.
  std::string getEncoderName() const;
  std::vector<protocol::WindowInfo> getAvailableWindows();
  // A copy of the template new encoders are made from.
  EncoderConfig getEncoderConfig() const;
  bool isInitialized() const;
  // The display's refresh rate the pacer found (Hz), or its default before initialize.
  float refreshRate() const;
  // The pacer's switch (on by default); false before initialize made the pacer.
  bool isVSyncEnabled() const;
  // Whether the display server offers what window capture needs.
  bool isCaptureSupported() const;

  // Adapter description and its memory in MiB, from the graphics device at initialize; empty
  // and 0 without one.
  std::string gpuName;
  std::uint64_t vramMB = 0;

 private:
  struct CaptureSession {
    explicit CaptureSession(std::shared_ptr<platform::GpuDevice> device) : converter(std::move(device)) {}

    // Serialises the per-frame work, every encoder call and the stop of this session; taken by
    // its capture thread and by the callers of the stream operations. Recursive: callbacks run
    // under it may ask for this stream's parameter sets or a key frame.
    std::recursive_mutex mutex;
    bool active = true;  // cleared under mutex when the session is stopped; a late delivery drops
    // Set once the capture has started: update leaves a session alone while it is starting.
    std::atomic<bool> started{false};
    // Set before the session is published and kept until it is destroyed.
    std::unique_ptr<WindowCapture> capture;
    std::uint32_t windowId = 0;
    // Under mutex.
    // Null after a failed re-creation: the stream is silent. Changed under mutex and encoderMutex
    // both: getParameterSets reads it under encoderMutex alone, because it is asked from the
    // encoder's own delivery thread, which the capture thread may be waiting for under mutex.
    std::shared_ptr<EncoderBase> encoder;
    std::mutex encoderMutex;
    std::uint32_t paddedWidth = 0;
    std::uint32_t paddedHeight = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t encoderFps = 0;  // the frame rate the encoder was made for
    // Padding and crossing to the encoder's kind; its targets are made on first need per size.
    FrameConverter converter;
    // Encoder-sized target of the sharpening pass, made on first need: the pass writes the
    // window's region only, so its bands keep the black of that first clear.
    platform::CpuImage casOutputImage;
    // width and height packed (width high), readable without the session lock.
    std::atomic<std::uint64_t> size{0};
  };
  using SessionPtr = std::shared_ptr<CaptureSession>;

  // The session of a stream, pinned; null when there is none.
  SessionPtr findSession(std::uint8_t streamId) const;
  void onFrameCaptured(std::uint8_t streamId, const platform::CaptureFrame& frame);
  // Makes the session's encoder for `width` × `height` (padded) from the template; the one
  // place encoders are created. `replacing` selects the re-creation log lines.
  bool createEncoder(CaptureSession& session, std::uint8_t streamId, std::uint32_t width, std::uint32_t height,
                     bool replacing);
  // Shuts the session's encoder down (its last delivery returns first) and drops it. Under
  // session.mutex.
  static void releaseEncoder(CaptureSession& session);
  void deliverEncoded(std::uint8_t streamId, const EncodedFrame& frame);
  void notifyResolutionChange(std::uint8_t streamId, std::uint32_t width, std::uint32_t height);
  EncoderConfig templateFor(std::uint32_t paddedWidth, std::uint32_t paddedHeight) const;
  // The sharpening step on CPU pixels (the session's width × height region of `frame`) with the
  // switched-on `cas`: the sharpened picture (already padded) or nothing, when the pass fails
  // and `frame` goes on.
  bool sharpen(CaptureSession& session, CASProcessor& cas, const platform::CpuFrame& frame);
  // Frees what a session's frames were prepared in (a new encoder size, or the stop). Under
  // session.mutex.
  static void releaseFrameTargets(CaptureSession& session);
  // Encoder shutdown under the session lock, then the capture stopped after it. Only by the
  // thread that took the session out of the table; never with sessionsMutex_ held.
  static void stopSession(CaptureSession& session);

  std::shared_ptr<platform::WindowList> windowSystem_;
  std::shared_ptr<platform::CaptureSourceFactory> captureFactory_;
  CreateEncoderFunction createEncoder_;
  AvailableEncodersFunction availableEncoders_;
  std::shared_ptr<platform::DisplayModes> displayModes_;
  std::shared_ptr<platform::GpuDevice> gpuDevice_;

  // Made by the first initialize and kept until destruction: capture threads may be sharpening
  // whenever a later initialize runs, so that one resets its switches instead of replacing it.
  // Published through casProcessorView_, which capture threads and setters read without a lock.
  std::unique_ptr<CASProcessor> casProcessor_;
  std::atomic<CASProcessor*> casProcessorView_{nullptr};
  // Whether gpuDevice_ readied its sharpening pass (at initialize); read by every frame.
  std::atomic<bool> deviceSharpens_{false};

  // Guards sessions_ and initialized_ (the table only, never held while calling out); taken by
  // the caller threads of the stream operations (main, signaling, video I/O) and by every
  // capture thread to pin its session.
  mutable std::mutex sessionsMutex_;
  std::unordered_map<std::uint8_t, SessionPtr> sessions_;
  bool initialized_ = false;

  // Replaceable while capture threads call them.
  HandlerSlot<FrameCallback> frameCallback_;
  HandlerSlot<ResolutionChangeCallback> resolutionChangeCallback_;

  // Guards encoderConfig_, encoderName_ and framePacer_; taken by the template setters (main thread) and by whoever creates an
  // encoder. Never held while calling out, so settings can change under the application's locks.
  mutable std::mutex templateMutex_;
  EncoderConfig encoderConfig_;
  std::string encoderName_;
  std::unique_ptr<FramePacer> framePacer_;  // replaced by every initialize
  // encoderConfig_.fps, read by every frame without templateMutex_.
  std::atomic<std::uint32_t> targetFps_{0};
};

}  // namespace parvalon::host
