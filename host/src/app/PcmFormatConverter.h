#pragma once

#include <cstdint>
#include <vector>

namespace parvalon::host {

// Turns captured interleaved 16-bit PCM at the device's own rate and channel count into the
// 48000 Hz stereo the Opus encoder takes. Without it a device mixing at 44100 Hz would be heard
// 8.8 % sharp and a 5.1 device as noise. Channels: mono is doubled; of more than two, the first
// two (front left and right) are kept. Rate: linear interpolation, continuous across packets; a
// new device rate starts afresh. Used only by the audio capture thread.
class PcmFormatConverter {
 public:
  static constexpr std::uint32_t kOutputRate = 48000;
  static constexpr std::uint32_t kOutputChannels = 2;

  // Whether packets in this format go to the encoder as they are.
  static bool passesThrough(std::uint32_t rate, std::uint32_t channels) {
    return rate == kOutputRate && channels == kOutputChannels;
  }

  // The packet's frames as 48000 Hz stereo, interleaved; valid until the next call. Empty for
  // a packet without frames, rate or channels.
  const std::vector<std::int16_t>& convert(const std::int16_t* samples, std::uint32_t frames, std::uint32_t rate,
                                           std::uint32_t channels);

 private:
  std::uint32_t rate_ = 0;
  // Where the next output frame falls, in input frames from the first frame of stereo_.
  double position_ = 0.0;
  // stereo_ starts with the previous packet's last frame, so interpolation spans packets.
  std::vector<std::int16_t> stereo_;
  std::vector<std::int16_t> out_;
};

}  // namespace parvalon::host
