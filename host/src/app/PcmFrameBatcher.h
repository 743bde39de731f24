#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace parvalon::host {

// Collects interleaved PCM into whole encoder frames: every full frame of samplesPerFrame
// samples is handed to the emitter at once, the remainder waits for the next push.
// Used only by the audio capture thread.
class PcmFrameBatcher {
 public:
  using Emit = std::function<void(const std::int16_t* samples, std::size_t count)>;

  PcmFrameBatcher(std::size_t samplesPerFrame, std::size_t reserveSamples);

  void push(const std::int16_t* samples, std::size_t count, const Emit& emit);
  std::size_t buffered() const { return buffer_.size(); }
  void clear() { buffer_.clear(); }

 private:
  std::size_t samplesPerFrame_;
  std::vector<std::int16_t> buffer_;
};

}  // namespace parvalon::host
