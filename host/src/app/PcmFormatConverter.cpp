#include "app/PcmFormatConverter.h"

#include <cmath>

namespace parvalon::host {

const std::vector<std::int16_t>& PcmFormatConverter::convert(const std::int16_t* samples, std::uint32_t frames,
                                                             std::uint32_t rate, std::uint32_t channels) {
  out_.clear();
  if (samples == nullptr || frames == 0 || rate == 0 || channels == 0) return out_;
  if (rate != rate_) {
    rate_ = rate;
    position_ = 0.0;
    stereo_.clear();
  }
  // Keep only the previous packet's last frame in front of this packet's frames.
  if (stereo_.size() > 2) stereo_.erase(stereo_.begin(), stereo_.end() - 2);
  for (std::uint32_t f = 0; f < frames; ++f) {
    const std::int16_t* frame = samples + static_cast<std::size_t>(f) * channels;
    stereo_.push_back(frame[0]);
    stereo_.push_back(channels == 1 ? frame[0] : frame[1]);
  }
  const std::size_t available = stereo_.size() / 2;
  const double step = static_cast<double>(rate) / kOutputRate;
  // Each output frame needs the input frame after its position.
  while (position_ + 1.0 < static_cast<double>(available)) {
    const auto index = static_cast<std::size_t>(position_);
    const double fraction = position_ - static_cast<double>(index);
    for (std::size_t c = 0; c < 2; ++c) {
      const double a = stereo_[index * 2 + c];
      const double b = stereo_[(index + 1) * 2 + c];
      out_.push_back(static_cast<std::int16_t>(std::lround(a + (b - a) * fraction)));
    }
    position_ += step;
  }
  // The last frame stays as the next packet's first.
  position_ -= static_cast<double>(available - 1);
  return out_;
}

}  // namespace parvalon::host
