#pragma once

#include <cstdint>

#include "platform/CpuFrame.h"
#include "platform/GpuTexture.h"

namespace parvalon::host::platform {

// Where a frame's pixels are: in memory, or in a B8G8R8A8 texture on the capture's GpuDevice.
enum class FrameKind { Cpu, Texture };

// One captured frame, either kind. It converts implicitly from a CpuFrame, so a CPU capture
// hands its view over as before. The pixels (or texture) are valid during the callback only.
// A frame without pixels (null data or texture) only announces its size.
class CaptureFrame {
 public:
  CaptureFrame() = default;
  CaptureFrame(const CpuFrame& cpu)  // NOLINT(google-explicit-constructor): CPU sources pass CpuFrame
      : kind_(FrameKind::Cpu), cpu_(cpu), width_(cpu.width), height_(cpu.height), timestampUs_(cpu.timestampUs) {}
  // width × height is the content size; the texture may be larger (the frame pool's size).
  CaptureFrame(const GpuTexture* texture, std::uint32_t width, std::uint32_t height, std::int64_t timestampUs)
      : kind_(FrameKind::Texture), texture_(texture), width_(width), height_(height), timestampUs_(timestampUs) {}

  FrameKind kind() const { return kind_; }
  bool isTexture() const { return kind_ == FrameKind::Texture; }
  bool hasPixels() const { return kind_ == FrameKind::Cpu ? cpu_.data != nullptr : texture_ != nullptr; }
  std::uint32_t width() const { return width_; }
  std::uint32_t height() const { return height_; }
  std::int64_t timestampUs() const { return timestampUs_; }
  // The pixels of a Cpu frame (an empty view for a texture frame).
  const CpuFrame& cpu() const { return cpu_; }
  // So consumers that only ever see CPU sources (X11 tests and benchmarks) take a CpuFrame as
  // before; a texture frame reads as an empty view there.
  operator const CpuFrame&() const { return cpu_; }  // NOLINT(google-explicit-constructor)
  // The texture of a Texture frame (null for a Cpu frame).
  const GpuTexture* texture() const { return texture_; }

 private:
  FrameKind kind_ = FrameKind::Cpu;
  CpuFrame cpu_;
  const GpuTexture* texture_ = nullptr;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
  std::int64_t timestampUs_ = 0;
};

}  // namespace parvalon::host::platform
