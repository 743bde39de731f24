#include "capture/FrameConverter.h"

#include <chrono>
#include <cstring>
#include <new>

#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr std::size_t kBytesPerPixel = 4;

bool sized(const platform::GpuTexture* texture, std::uint32_t width, std::uint32_t height) {
  return texture != nullptr && texture->width() == width && texture->height() == height;
}

}  // namespace

FrameConverter::FrameConverter(std::shared_ptr<platform::GpuDevice> device) : device_(std::move(device)) {}

void FrameConverter::reset() {
  paddingImage_ = platform::CpuImage();
  paddingTexture_.reset();
  sharpenedTexture_.reset();
  staging_.reset();
  readBackImage_ = platform::CpuImage();
  uploadTexture_.reset();
}

bool FrameConverter::pad(const platform::CaptureFrame& frame, std::uint32_t paddedWidth, std::uint32_t paddedHeight,
                         platform::CaptureFrame& padded) {
  if (frame.width() == paddedWidth && frame.height() == paddedHeight) {
    padded = frame;
    return true;
  }
  if (frame.isTexture()) return padTexture(frame, paddedWidth, paddedHeight, padded);
  // Made once per encoder size; its right and bottom bands keep the black of that first clear.
  if (paddingImage_.width() != paddedWidth || paddingImage_.height() != paddedHeight) {
    try {
      paddingImage_.resize(paddedWidth, paddedHeight);
    } catch (const std::bad_alloc&) {
      paddingImage_ = platform::CpuImage();
      PV_LOG_ERROR("Failed to create padding texture");
      return false;
    }
  }
  const platform::CpuFrame& cpu = frame.cpu();
  const std::size_t rowBytes = static_cast<std::size_t>(frame.width()) * kBytesPerPixel;
  for (std::uint32_t y = 0; y < frame.height(); ++y) std::memcpy(paddingImage_.row(y), cpu.row(y), rowBytes);
  padded = paddingImage_.view(frame.timestampUs());
  return true;
}

bool FrameConverter::makeBlackTarget(const platform::CaptureFrame& frame, std::uint32_t paddedWidth,
                                     std::uint32_t paddedHeight, std::unique_ptr<platform::GpuTexture>& target) {
  if (sized(target.get(), paddedWidth, paddedHeight)) return true;
  target.reset();
  if (device_) target = device_->createTextureLike(*frame.texture(), paddedWidth, paddedHeight);
  if (!target) return false;
  // Once: what is written into it later covers the content region only, never the bands.
  device_->clearToBlack(*target);
  return true;
}

bool FrameConverter::sharpen(const platform::CaptureFrame& frame, std::uint32_t paddedWidth,
                             std::uint32_t paddedHeight, float sharpness, platform::CaptureFrame& sharpened) {
  if (!frame.isTexture() || !device_) return false;
  if (!makeBlackTarget(frame, paddedWidth, paddedHeight, sharpenedTexture_)) {
    PV_LOG_WARN("Failed to create CAS output texture");
    return false;
  }
  if (!device_->sharpen(*frame.texture(), *sharpenedTexture_, frame.width(), frame.height(), sharpness)) return false;
  sharpened = platform::CaptureFrame(sharpenedTexture_.get(), paddedWidth, paddedHeight, frame.timestampUs());
  return true;
}

bool FrameConverter::padTexture(const platform::CaptureFrame& frame, std::uint32_t paddedWidth,
                                std::uint32_t paddedHeight, platform::CaptureFrame& padded) {
  if (!makeBlackTarget(frame, paddedWidth, paddedHeight, paddingTexture_)) {
    PV_LOG_ERROR("Failed to create padding texture");
    return false;
  }
  if (!device_->copyRegion(*frame.texture(), *paddingTexture_, frame.width(), frame.height())) {
    reportFailure("Failed to copy the frame into the padding texture");
    return false;
  }
  failing_ = false;
  padded = platform::CaptureFrame(paddingTexture_.get(), paddedWidth, paddedHeight, frame.timestampUs());
  return true;
}

bool FrameConverter::convert(const platform::CaptureFrame& frame, platform::FrameKind kind,
                             platform::CaptureFrame& converted) {
  if (frame.kind() == kind) {
    converted = frame;
    return true;
  }
  if (!device_) {
    reportFailure("No graphics device to convert the frame for the encoder");
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  const bool ok = kind == platform::FrameKind::Cpu ? readBack(frame, converted) : upload(frame, converted);
  if (!ok) return false;
  failing_ = false;
  lastConversionUs_.store(static_cast<std::uint64_t>(
                              std::chrono::duration_cast<std::chrono::microseconds>(
                                  std::chrono::steady_clock::now() - start)
                                  .count()),
                          std::memory_order_relaxed);
  return true;
}

bool FrameConverter::readBack(const platform::CaptureFrame& frame, platform::CaptureFrame& converted) {
  const platform::GpuTexture& source = *frame.texture();
  if (!sized(staging_.get(), source.width(), source.height())) {
    staging_ = device_->createTexture(source.width(), source.height(), platform::GpuDevice::TextureUse::Readback);
    if (!staging_) {
      reportFailure("Failed to create the read-back texture");
      return false;
    }
  }
  if (!device_->readBack(source, *staging_, readBackImage_)) {
    reportFailure("Failed to read the frame texture back");
    return false;
  }
  // The texture may be larger than its content (a frame pool); the frame keeps its own size.
  platform::CpuFrame cpu = readBackImage_.view(frame.timestampUs());
  cpu.width = frame.width();
  cpu.height = frame.height();
  converted = cpu;
  return true;
}

bool FrameConverter::upload(const platform::CaptureFrame& frame, platform::CaptureFrame& converted) {
  if (!sized(uploadTexture_.get(), frame.width(), frame.height())) {
    uploadTexture_ = device_->createTexture(frame.width(), frame.height(), platform::GpuDevice::TextureUse::Render);
    if (!uploadTexture_) {
      reportFailure("Failed to create the upload texture");
      return false;
    }
  }
  if (!device_->upload(frame.cpu(), *uploadTexture_)) {
    reportFailure("Failed to upload the frame");
    return false;
  }
  converted = platform::CaptureFrame(uploadTexture_.get(), frame.width(), frame.height(), frame.timestampUs());
  return true;
}

void FrameConverter::reportFailure(const char* message) {
  if (failing_) return;
  failing_ = true;
  PV_LOG_ERROR("{}", message);
}

}  // namespace parvalon::host
