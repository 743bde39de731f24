#include "audio/OpusAudioEncoder.h"

#include <opus.h>

#include "logging/Log.h"

namespace parvalon::host {

void OpusAudioEncoder::EncoderDeleter::operator()(::OpusEncoder* encoder) const {
  opus_encoder_destroy(encoder);
}

OpusAudioEncoder::OpusAudioEncoder() = default;
OpusAudioEncoder::~OpusAudioEncoder() = default;

bool OpusAudioEncoder::initialize(const OpusConfig& config) {
  if (encoder_) {
    PV_LOG_WARN("Opus encoder already initialized");
    return true;
  }
  config_ = config;
  const int application = config_.lowDelay ? OPUS_APPLICATION_RESTRICTED_LOWDELAY : OPUS_APPLICATION_AUDIO;
  int error = OPUS_OK;
  encoder_.reset(opus_encoder_create(config_.sampleRate, config_.channels, application, &error));
  if (error != OPUS_OK || !encoder_) {
    encoder_.reset();
    PV_LOG_ERROR("Failed to create Opus encoder: {}", opus_strerror(error != OPUS_OK ? error : OPUS_ALLOC_FAIL));
    return false;
  }
  opus_encoder_ctl(encoder_.get(), OPUS_SET_BITRATE(config_.bitrate));
  opus_encoder_ctl(encoder_.get(), OPUS_SET_COMPLEXITY(config_.complexity));
  opus_encoder_ctl(encoder_.get(), OPUS_SET_SIGNAL(OPUS_SIGNAL_MUSIC));
  if (config_.lowDelay) {
    opus_encoder_ctl(encoder_.get(), OPUS_SET_EXPERT_FRAME_DURATION(OPUS_FRAMESIZE_10_MS));
  }
  output_.assign(kMaxPacketBytes, 0);
  PV_LOG_INFO("Opus encoder initialized: {} Hz, {} ch, {} kbps", config_.sampleRate, config_.channels,
              config_.bitrate / 1000);
  return true;
}

std::vector<std::uint8_t> OpusAudioEncoder::encode(const std::int16_t* samples, int frameSize) {
  if (!encoder_) return {};
  // libopus reads the samples before it checks anything else; a null buffer is a bad argument.
  const opus_int32 result =
      samples == nullptr ? OPUS_BAD_ARG
                         : opus_encode(encoder_.get(), samples, frameSize, output_.data(),
                                       static_cast<opus_int32>(output_.size()));
  if (result < 0) {
    PV_LOG_ERROR("Opus encode error: {}", opus_strerror(result));
    return {};
  }
  return std::vector<std::uint8_t>(output_.begin(), output_.begin() + result);
}

void OpusAudioEncoder::destroy() {
  encoder_.reset();
}

}  // namespace parvalon::host
