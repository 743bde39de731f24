#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/CaptureFrame.h"
#include "platform/CpuFrame.h"
#include "platform/GpuDevice.h"
#include "platform/GpuTexture.h"

namespace parvalon::host {

// Brings one stream's captured frames to its encoder: pads them to the encoder size on the side
// where their pixels are (rows into a CPU image, or a region copy into a device texture; either
// target cleared to black once, so its right and bottom bands stay black), and crosses over
// when the encoder takes the other kind (read-back through a staging texture for a CPU encoder,
// upload for a texture encoder). Texture frames are sharpened where they are, on the device,
// into an encoder-sized texture that is then already padded. The images and textures are made
// on first need and kept until reset, so a frame of an unchanged size allocates nothing.
//
// Not thread-safe: one per stream, used under that stream's lock. A result frame refers to an
// image or texture of this object and stays valid until the next call.
class FrameConverter {
 public:
  // `device` (may be null) is the one texture frames live on; without it only CPU frames work.
  explicit FrameConverter(std::shared_ptr<platform::GpuDevice> device);

  // Drops every image and texture: the encoder size changed or the stream stopped.
  void reset();

  // `frame`'s content (width × height) in a paddedWidth × paddedHeight frame of the same kind;
  // `frame` itself when it already has that size. False (the frame is dropped, retried with the
  // next) when the padding target cannot be made: error "Failed to create padding texture".
  bool pad(const platform::CaptureFrame& frame, std::uint32_t paddedWidth, std::uint32_t paddedHeight,
           platform::CaptureFrame& padded);

  // The device's sharpening pass over texture `frame` (its width × height content) at
  // `sharpness`, into a paddedWidth × paddedHeight texture whose bands are black: `sharpened`
  // needs no padding. False, and `frame` goes on unsharpened, when there is no device, the
  // target cannot be made (warning "Failed to create CAS output texture"; tried again with the
  // next frame) or the pass fails (the device warns).
  bool sharpen(const platform::CaptureFrame& frame, std::uint32_t paddedWidth, std::uint32_t paddedHeight,
               float sharpness, platform::CaptureFrame& sharpened);

  // `frame` as `kind`, the same size; `frame` itself when it already is that kind. False (the
  // frame is dropped) when there is no device or the crossing fails; one error line until a
  // crossing works again.
  bool convert(const platform::CaptureFrame& frame, platform::FrameKind kind, platform::CaptureFrame& converted);

  // Microseconds the last crossing took; 0 until one ran.
  std::uint64_t lastConversionUs() const { return lastConversionUs_.load(std::memory_order_relaxed); }

 private:
  bool padTexture(const platform::CaptureFrame& frame, std::uint32_t paddedWidth, std::uint32_t paddedHeight,
                  platform::CaptureFrame& padded);
  // `target` made like `frame`'s texture at the padded size and cleared to black, unless it
  // already has that size; false when it cannot be made.
  bool makeBlackTarget(const platform::CaptureFrame& frame, std::uint32_t paddedWidth, std::uint32_t paddedHeight,
                       std::unique_ptr<platform::GpuTexture>& target);
  bool readBack(const platform::CaptureFrame& frame, platform::CaptureFrame& converted);
  bool upload(const platform::CaptureFrame& frame, platform::CaptureFrame& converted);
  // Logs `message` once per run of failures.
  void reportFailure(const char* message);

  std::shared_ptr<platform::GpuDevice> device_;
  platform::CpuImage paddingImage_;
  std::unique_ptr<platform::GpuTexture> paddingTexture_;
  std::unique_ptr<platform::GpuTexture> sharpenedTexture_;
  std::unique_ptr<platform::GpuTexture> staging_;
  platform::CpuImage readBackImage_;
  std::unique_ptr<platform::GpuTexture> uploadTexture_;
  bool failing_ = false;
  // Written under the stream's lock, read by anyone (the stream benchmark's figures).
  std::atomic<std::uint64_t> lastConversionUs_{0};
};

}  // namespace parvalon::host
