#pragma once

#include <cstdint>
#include <vector>

#include "encode/EncoderBase.h"

namespace parvalon::host::testing {

// One access unit an encoder delivered, copied out of its callback.
struct DeliveredFrame {
  std::vector<std::uint8_t> bytes;
  bool isKeyframe = false;
  std::uint32_t frameNumber = 0;
  std::int64_t timestamp = 0;

  static DeliveredFrame of(const EncodedFrame& f) {
    return {std::vector<std::uint8_t>(f.data, f.data + f.size), f.isKeyframe, f.frameNumber, f.timestamp};
  }
};

// Makes the encoder append a copy of every access unit it delivers to `frames`.
inline void collectDeliveredFrames(EncoderBase& encoder, std::vector<DeliveredFrame>& frames) {
  encoder.setFrameCallback([&frames](const EncodedFrame& f) { frames.push_back(DeliveredFrame::of(f)); });
}

}  // namespace parvalon::host::testing
