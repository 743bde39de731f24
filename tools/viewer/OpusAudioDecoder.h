#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct OpusDecoder;

namespace parvalon::viewer {

// Opus → interleaved 16-bit PCM at 48 kHz stereo, the format the host encodes.
class OpusAudioDecoder {
 public:
  static constexpr int kSampleRate = 48000;
  static constexpr int kChannels = 2;

  OpusAudioDecoder() = default;
  ~OpusAudioDecoder();
  OpusAudioDecoder(const OpusAudioDecoder&) = delete;
  OpusAudioDecoder& operator=(const OpusAudioDecoder&) = delete;

  bool open();
  // Decodes one packet; the frames decoded, or -1 (and no samples) on a bad or empty packet.
  // A null packet asks for concealment of one lost 10 ms packet.
  int decode(const std::uint8_t* packet, std::size_t size, std::vector<std::int16_t>& pcm);

 private:
  OpusDecoder* decoder_ = nullptr;
};

}  // namespace parvalon::viewer
