#include "OpusAudioDecoder.h"

#include <opus/opus.h>

#include "logging/Log.h"

namespace parvalon::viewer {
namespace {
constexpr int kMaxFrames = 5760;  // 120 ms at 48 kHz, the longest Opus packet
constexpr int kLostFrames = 480;  // one 10 ms packet
}  // namespace

OpusAudioDecoder::~OpusAudioDecoder() {
  if (decoder_ != nullptr) opus_decoder_destroy(decoder_);
}

bool OpusAudioDecoder::open() {
  int error = OPUS_OK;
  decoder_ = opus_decoder_create(kSampleRate, kChannels, &error);
  if (error != OPUS_OK || decoder_ == nullptr) {
    PV_LOG_ERROR("Failed to create the Opus decoder: {}", opus_strerror(error));
    decoder_ = nullptr;
    return false;
  }
  return true;
}

int OpusAudioDecoder::decode(const std::uint8_t* packet, std::size_t size, std::vector<std::int16_t>& pcm) {
  // Every Opus packet holds at least its TOC byte. libopus takes an empty one for a lost packet
  // and would conceal a whole 120 ms into the recording.
  if (decoder_ == nullptr || (packet != nullptr && size == 0)) {
    pcm.clear();
    return -1;
  }
  pcm.resize(static_cast<std::size_t>(kMaxFrames) * kChannels);
  const int frames = packet == nullptr ? opus_decode(decoder_, nullptr, 0, pcm.data(), kLostFrames, 0)
                                       : opus_decode(decoder_, packet, static_cast<opus_int32>(size), pcm.data(), kMaxFrames, 0);
  if (frames < 0) {
    pcm.clear();
    return -1;
  }
  pcm.resize(static_cast<std::size_t>(frames) * kChannels);
  return frames;
}

}  // namespace parvalon::viewer
