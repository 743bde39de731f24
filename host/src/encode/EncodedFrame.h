#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace parvalon::host {

// One encoded access unit in Annex B form. The bytes belong to the encoder and are valid only
// while the frame callback runs; a receiver that keeps them copies them.
struct EncodedFrame {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  std::int64_t timestamp = 0;     // steady-clock microseconds at delivery
  bool isKeyframe = false;        // an IDR picture
  std::uint32_t frameNumber = 0;  // number of frames submitted before this one
};

// Receives every encoded access unit: inside encodeFrame, or on a pipelined encoder's thread.
using FrameCallback = std::function<void(const EncodedFrame&)>;

}  // namespace parvalon::host
