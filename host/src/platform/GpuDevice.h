#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/CpuFrame.h"
#include "platform/GpuTexture.h"

namespace parvalon::host::platform {

// The graphics device captures and encoders share (Windows: the orchestrator's Direct3D 11
// device). Only what the frame path needs: textures made like another at a new size, a clear
// to black, a region copy, the sharpening pass, and the two crossings between device textures
// and CPU pixels.
//
// Threads: any capture thread may call any operation; the device serialises its own use.
// A texture passed in must have been made by this device (or delivered on it by a capture).
class GpuDevice {
 public:
  // What a new texture is for.
  enum class TextureUse {
    // Copy target and shader input on the device (padding, upload target).
    Render,
    // Read back to the CPU (Windows: a staging texture); only a readBack source.
    Readback,
  };

  virtual ~GpuDevice() = default;

  // Adapter description (UTF-8), dedicated video memory in MiB, PCI vendor id.
  virtual std::string adapterName() const = 0;
  virtual std::uint64_t dedicatedMemoryMB() const = 0;
  virtual std::uint32_t vendorId() const = 0;

  // A texture of width × height with the format and flags of `like` (the captured texture is
  // the template), usable as copy target and shader input. Null when it cannot be made.
  virtual std::unique_ptr<GpuTexture> createTextureLike(const GpuTexture& like, std::uint32_t width,
                                                        std::uint32_t height) = 0;
  // A B8G8R8A8 texture of width × height for `use`. Null when it cannot be made.
  virtual std::unique_ptr<GpuTexture> createTexture(std::uint32_t width, std::uint32_t height, TextureUse use) = 0;
  // Every pixel of `texture` to opaque black.
  virtual bool clearToBlack(GpuTexture& texture) = 0;
  // The width × height top-left region of `source` to the top-left corner of `target`; false
  // when the region does not fit either.
  virtual bool copyRegion(const GpuTexture& source, GpuTexture& target, std::uint32_t width,
                          std::uint32_t height) = 0;
  // Readies the sharpening pass (Windows: compiles its shaders). False, after error lines that
  // say why, when this device cannot sharpen; a second call returns the first result.
  virtual bool initializeSharpening() = 0;
  // Contrast-adaptive sharpening of the width × height top-left region of `input` into the same
  // region of `output` (a Render texture) at `sharpness` in [0, 1], alpha opaque; the rest of
  // `output` keeps its contents. False (with a warning) when the pass is not ready or the
  // textures cannot take part in it.
  virtual bool sharpen(const GpuTexture& input, GpuTexture& output, std::uint32_t width, std::uint32_t height,
                       float sharpness) = 0;
  // The whole of `source` into `target` (resized to its size when it differs), through
  // `staging`, a Readback texture of the same size.
  virtual bool readBack(const GpuTexture& source, GpuTexture& staging, CpuImage& target) = 0;
  // The pixels of `source` into the top-left corner of `target`, a Render texture at least as
  // large.
  virtual bool upload(const CpuFrame& source, GpuTexture& target) = 0;

  // The device of this platform's frame path: null where captures and encoders work on CPU
  // pixels (Linux), or when no device could be made (a line says why).
  static std::shared_ptr<GpuDevice> createDefault();
};

}  // namespace parvalon::host::platform
