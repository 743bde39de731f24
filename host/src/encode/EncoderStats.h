#pragma once

#include <cstdint>

namespace parvalon::host {

// A snapshot of an encoder's counters.
struct EncoderStats {
  std::uint64_t framesEncoded = 0;
  std::uint64_t bytesEncoded = 0;
  double avgEncodeTimeMs = 0.0;  // moving average: old * 0.95 + sample * 0.05
};

}  // namespace parvalon::host
