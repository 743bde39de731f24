#pragma once

#include <cstdint>
#include <memory>
#include <vector>

struct OpusEncoder;  // libopus

namespace parvalon::host {

struct OpusConfig {
  std::int32_t sampleRate = 48000;
  std::int32_t channels = 2;
  std::int32_t bitrate = 128000;  // bit/s
  std::int32_t frameSize = 480;   // samples per channel in one frame (10 ms at 48 kHz)
  std::int32_t complexity = 5;    // 0..10
  // Restricted low-delay application and a fixed 10 ms frame duration.
  bool lowDelay = true;
};

// One libopus encoder for low-delay music; each encode makes one raw Opus packet.
//
// Threads: encode runs on the audio capture thread; initialize and destroy on the main thread
// while nothing encodes. No lock.
class OpusAudioEncoder {
 public:
  static constexpr std::size_t kMaxPacketBytes = 4000;

  OpusAudioEncoder();
  ~OpusAudioEncoder();
  OpusAudioEncoder(const OpusAudioEncoder&) = delete;
  OpusAudioEncoder& operator=(const OpusAudioEncoder&) = delete;

  bool initialize(const OpusConfig& config);
  // Encodes one frame of frameSize × channels interleaved samples; empty when nothing came out.
  std::vector<std::uint8_t> encode(const std::int16_t* samples, int frameSize);
  // Frees the encoder; the object can be initialized again.
  void destroy();

  int frameSize() const { return config_.frameSize; }
  int channels() const { return config_.channels; }

 private:
  struct EncoderDeleter {
    void operator()(::OpusEncoder* encoder) const;
  };

  std::unique_ptr<::OpusEncoder, EncoderDeleter> encoder_;
  OpusConfig config_;
  std::vector<std::uint8_t> output_;  // kMaxPacketBytes, reused for every packet
};

}  // namespace parvalon::host
