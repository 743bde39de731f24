#include "app/PcmFrameBatcher.h"

#include <algorithm>

namespace parvalon::host {

PcmFrameBatcher::PcmFrameBatcher(std::size_t samplesPerFrame, std::size_t reserveSamples)
    : samplesPerFrame_(samplesPerFrame) {
  buffer_.reserve(reserveSamples);
}

void PcmFrameBatcher::push(const std::int16_t* samples, std::size_t count, const Emit& emit) {
  if (samplesPerFrame_ == 0) return;
  buffer_.insert(buffer_.end(), samples, samples + count);
  std::size_t offset = 0;
  while (buffer_.size() - offset >= samplesPerFrame_) {
    emit(buffer_.data() + offset, samplesPerFrame_);
    offset += samplesPerFrame_;
  }
  // One compaction per push instead of one per frame: same result, fewer moves.
  if (offset > 0) buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace parvalon::host
