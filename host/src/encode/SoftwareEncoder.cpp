#include "encode/SoftwareEncoder.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <exception>

#include <libyuv/convert_from_argb.h>

#include "encode/ParameterSets.h"
#include "encode/X264Codec.h"
#include "encode/X265Codec.h"
#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr double kAverageKeep = 0.95;
constexpr double kAverageSample = 0.05;
// Both libraries refuse pictures larger than a level 6.2 frame; this keeps the I420 buffer sane.
constexpr std::uint32_t kMaxDimension = 8192;

std::int64_t nowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

SoftwareEncoder::SoftwareEncoder() = default;

SoftwareEncoder::~SoftwareEncoder() { shutdown(); }

bool SoftwareEncoder::isAvailable() { return X264Codec::isUsable(); }

bool SoftwareEncoder::validate(const EncoderConfig& config) {
  if (config.fps == 0) {
    PV_LOG_ERROR("Invalid encoder configuration: fps must be greater than 0");
    return false;
  }
  if (config.width == 0 || config.height == 0 || config.width % 2 != 0 || config.height % 2 != 0 ||
      config.width > kMaxDimension || config.height > kMaxDimension) {
    PV_LOG_ERROR("Invalid encoder configuration: size {}x{} (even, 2 to {} pixels)", config.width,
                 config.height, kMaxDimension);
    return false;
  }
  if (config.bitrateKbps == 0) {
    PV_LOG_ERROR("Invalid encoder configuration: bitrate must be greater than 0");
    return false;
  }
  return true;
}

bool SoftwareEncoder::initialize(const EncoderConfig& config) {
  if (initialized_) {
    PV_LOG_WARN("Software encoder already initialized");
    return true;
  }
  if (!validate(config)) return false;
  config_ = config;
  hevc_ = isHevcCodec(config.codec);
  if (hevc_) {
    codec_ = std::make_unique<X265Codec>();
  } else {
    codec_ = std::make_unique<X264Codec>();
  }
  if (!codec_->open(config_)) {
    codec_.reset();
    return false;
  }
  const std::size_t lumaSize = static_cast<std::size_t>(config_.width) * config_.height;
  for (std::size_t i = 0; i < (config_.pipelined ? buffers_.size() : 1); ++i) {
    buffers_[i] = PictureBuffer{};
    buffers_[i].yuv.assign(lumaSize + lumaSize / 2, 0);
  }
  output_.reserve(lumaSize);
  frameCounter_ = 0;
  initialized_ = true;
  if (config_.pipelined) pipelineThread_ = std::thread([this] { runPipeline(); });
  if (config_.fullRange) {
    PV_LOG_INFO("Software {}: Full range color (0-255) enabled", hevc_ ? "HEVC" : "H.264");
  }
  PV_LOG_INFO("Software encoder initialized: {}x{} @ {} kbps, {} fps ({})", config_.width,
              config_.height, config_.bitrateKbps, config_.fps, hevc_ ? "libx265" : "libx264");
  return true;
}

SoftwareEncoder::Planes SoftwareEncoder::planesOf(PictureBuffer& buffer) const {
  const std::size_t lumaSize = static_cast<std::size_t>(config_.width) * config_.height;
  std::uint8_t* y = buffer.yuv.data();
  const int width = static_cast<int>(config_.width);
  return Planes{y, y + lumaSize, y + lumaSize + lumaSize / 4, width, width / 2};
}

void SoftwareEncoder::padPlanes(PictureBuffer& buffer, std::uint32_t width, std::uint32_t height) {
  if (width == buffer.paddedForWidth && height == buffer.paddedForHeight) return;
  buffer.paddedForWidth = width;
  buffer.paddedForHeight = height;
  // What the conversion makes of opaque black, so a padded picture encodes as a copied one.
  const std::uint8_t blackLuma = config_.fullRange ? 0 : 16;
  constexpr std::uint8_t kNeutralChroma = 128;
  const std::uint32_t fullWidth = config_.width;
  const std::uint32_t fullHeight = config_.height;
  const Planes planes = planesOf(buffer);
  const auto paint = [](std::uint8_t* plane, std::uint32_t stride, std::uint32_t rows, std::uint32_t usedWidth,
                        std::uint32_t usedHeight, std::uint8_t value) {
    for (std::uint32_t row = 0; row < rows; ++row) {
      std::uint8_t* line = plane + static_cast<std::size_t>(row) * stride;
      if (row >= usedHeight) {
        std::memset(line, value, stride);
      } else if (usedWidth < stride) {
        std::memset(line + usedWidth, value, stride - usedWidth);
      }
    }
  };
  paint(planes.y, fullWidth, fullHeight, width, height, blackLuma);
  // The conversion writes a chroma sample for every started pair of pixels.
  const std::uint32_t chromaWidth = (width + 1) / 2;
  const std::uint32_t chromaHeight = (height + 1) / 2;
  paint(planes.u, fullWidth / 2, fullHeight / 2, chromaWidth, chromaHeight, kNeutralChroma);
  paint(planes.v, fullWidth / 2, fullHeight / 2, chromaWidth, chromaHeight, kNeutralChroma);
}

void SoftwareEncoder::shutdown() {
  if (!initialized_) return;
  PV_LOG_INFO("Shutting down Software encoder...");
  stopPipeline();
  codec_.reset();
  for (PictureBuffer& buffer : buffers_) buffer = PictureBuffer{};
  output_.clear();
  output_.shrink_to_fit();
  initialized_ = false;
}

void SoftwareEncoder::stopPipeline() {
  if (!pipelineThread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(pipelineMutex_);
    stopping_ = true;
    queued_.clear();  // a stopped stream is not worth another picture
  }
  pipelineChanged_.notify_all();
  pipelineThread_.join();
  stopping_ = false;
  encoding_ = -1;
}

bool SoftwareEncoder::encodeFrame(const platform::CpuFrame& frame) {
  if (!initialized_ || frame.data == nullptr) return false;
  if (frame.width == 0 || frame.height == 0 || frame.width > config_.width || frame.height > config_.height ||
      frame.stride < frame.width * 4) {
    PV_LOG_ERROR("Frame {}x{} (stride {}) does not fit the encoder size {}x{}", frame.width,
                 frame.height, frame.stride, config_.width, config_.height);
    return false;
  }
  std::size_t index = 0;
  if (config_.pipelined) {
    // Both buffers busy means one is encoding and one waits: the codec is behind, so the
    // caller waits too rather than piling pictures up.
    std::unique_lock<std::mutex> lock(pipelineMutex_);
    const auto isFree = [&](std::size_t i) {
      return static_cast<int>(i) != encoding_ && std::find(queued_.begin(), queued_.end(), i) == queued_.end();
    };
    pipelineChanged_.wait(lock, [&] { return isFree(0) || isFree(1); });
    index = isFree(0) ? 0 : 1;
  }
  PictureBuffer& buffer = buffers_[index];
  const std::int64_t start = nowUs();
  const Planes planes = planesOf(buffer);
  // libyuv's "ARGB" is B, G, R, A in memory: our BGRA. J420 is the full-range variant.
  const auto convert = config_.fullRange ? libyuv::ARGBToJ420 : libyuv::ARGBToI420;
  padPlanes(buffer, frame.width, frame.height);
  convert(frame.data, static_cast<int>(frame.stride), planes.y, planes.lumaStride, planes.u, planes.chromaStride,
          planes.v, planes.chromaStride, static_cast<int>(frame.width), static_cast<int>(frame.height));
  buffer.pts = frameCounter_++;
  buffer.forceIdr = keyframeRequested_.exchange(false);
  buffer.conversionUs = nowUs() - start;
  if (!config_.pipelined) return encodeAndDeliver(buffer);
  {
    std::lock_guard<std::mutex> lock(pipelineMutex_);
    queued_.push_back(index);
  }
  pipelineChanged_.notify_all();
  return true;
}

void SoftwareEncoder::runPipeline() {
  for (;;) {
    std::size_t index = 0;
    {
      std::unique_lock<std::mutex> lock(pipelineMutex_);
      pipelineChanged_.wait(lock, [&] { return stopping_ || !queued_.empty(); });
      if (stopping_) return;
      index = queued_.front();
      queued_.pop_front();
      encoding_ = static_cast<int>(index);
    }
    try {
      if (!encodeAndDeliver(buffers_[index])) PV_LOG_WARN("Failed to encode picture {}", buffers_[index].pts);
    } catch (const std::exception& e) {
      PV_LOG_ERROR("Encoded picture {} not delivered: {}", buffers_[index].pts, e.what());
    } catch (...) {
      PV_LOG_ERROR("Encoded picture {} not delivered: unknown exception", buffers_[index].pts);
    }
    {
      std::lock_guard<std::mutex> lock(pipelineMutex_);
      encoding_ = -1;
    }
    pipelineChanged_.notify_all();
  }
}

bool SoftwareEncoder::encodeAndDeliver(PictureBuffer& buffer) {
  const Planes planes = planesOf(buffer);
  SoftwareCodec::Picture picture;
  picture.planes[0] = planes.y;
  picture.planes[1] = planes.u;
  picture.planes[2] = planes.v;
  picture.strides[0] = planes.lumaStride;
  picture.strides[1] = planes.chromaStride;
  picture.strides[2] = planes.chromaStride;
  picture.pts = buffer.pts;
  picture.forceIdr = buffer.forceIdr;

  const std::int64_t start = nowUs();
  SoftwareCodec::Output result;
  {
    std::lock_guard<std::mutex> lock(codecMutex_);
    if (!codec_->encode(picture, output_, result)) return false;
  }
  const bool isKeyframe = result.isKeyframe;
  const std::int64_t encodeUs = nowUs() - start;

  if (isKeyframe) {
    std::lock_guard<std::mutex> lock(parameterSetMutex_);
    extractParameterSets(output_.data(), output_.size(), hevc_, parameterSets_);
  }
  {
    std::lock_guard<std::mutex> lock(statsMutex_);
    stageTimes_ = StageTimes{buffer.conversionUs, encodeUs};
    ++stats_.framesEncoded;
    stats_.bytesEncoded += output_.size();
    const double sampleMs = static_cast<double>(buffer.conversionUs + encodeUs) / 1000.0;
    stats_.avgEncodeTimeMs = stats_.avgEncodeTimeMs * kAverageKeep + sampleMs * kAverageSample;
  }
  if (!output_.empty() && frameCallback_) {
    EncodedFrame out;
    out.data = output_.data();
    out.size = output_.size();
    out.timestamp = nowUs();
    out.isKeyframe = isKeyframe;
    out.frameNumber = static_cast<std::uint32_t>(result.pts);
    frameCallback_(out);
  }
  return true;
}

void SoftwareEncoder::requestKeyframe() { keyframeRequested_ = true; }

void SoftwareEncoder::setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  if (!initialized_) return;
  bool applied = false;
  if (targetKbps != 0) {
    std::lock_guard<std::mutex> lock(codecMutex_);
    applied = codec_->setBitrate(targetKbps, maxKbps);
  }
  if (!applied) {
    PV_LOG_WARN("Failed to reconfigure bitrate: {} / {} kbps", targetKbps, maxKbps);
    return;
  }
  config_.bitrateKbps = targetKbps;
  config_.maxBitrateKbps = maxKbps;
  PV_LOG_INFO("Bitrate updated to {} / {} kbps", targetKbps, maxKbps);
}

void SoftwareEncoder::setFrameCallback(FrameCallback callback) {
  frameCallback_ = std::move(callback);
}

EncoderStats SoftwareEncoder::getStats() const {
  std::lock_guard<std::mutex> lock(statsMutex_);
  return stats_;
}

bool SoftwareEncoder::reconfigure(const EncoderConfig& config) {
  if (!initialized_) return false;
  if (config.width != config_.width || config.height != config_.height) {
    PV_LOG_WARN("Resolution change requires re-initialization");
    return false;
  }
  setBitrate(config.bitrateKbps, config.maxBitrateKbps);
  return true;
}

CodecParameterSets SoftwareEncoder::getParameterSets() const {
  std::lock_guard<std::mutex> lock(parameterSetMutex_);
  return parameterSets_;
}

}  // namespace parvalon::host
