#pragma once

// What the fuzz targets share: the check that stops the fuzzer, and a framed byte stream read the
// way the channel servers read it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/FramedReader.h"

namespace parvalon::fuzz {

// A broken invariant stops the fuzzer with the input that broke it.
inline void require(bool condition) {
  if (!condition) __builtin_trap();
}

// Reads `data` as length-prefixed messages of at most `maxMessage` bytes, taking exactly the
// pending bytes each time as the servers do; every whole message's body goes to `checkBody`.
template <class CheckBody>
void readFramedStream(const std::uint8_t* data, std::size_t size, std::uint32_t maxMessage, CheckBody&& checkBody) {
  using protocol::FramedReader;
  FramedReader reader(maxMessage);
  std::size_t at = 0;
  // Every step takes at least 4 bytes or stops, so the input size bounds the loop.
  for (std::size_t step = 0; step <= size; ++step) {
    const auto target = reader.pending();
    if (target.empty() || size - at < target.size()) break;
    const bool header = reader.phase() == FramedReader::Phase::Header;
    std::copy_n(data + at, target.size(), target.begin());
    at += target.size();
    const auto outcome = reader.complete();
    if (header) {
      require(outcome != FramedReader::Outcome::Message);
      require((outcome == FramedReader::Outcome::TooLarge) == (reader.length() > maxMessage));
      require((outcome == FramedReader::Outcome::Skipped) == (reader.length() == 0));
    } else {
      require(outcome == FramedReader::Outcome::Message);
      require(reader.body().size() == reader.length());
      checkBody(std::span<const std::uint8_t>(reader.body()));
    }
    if (outcome == FramedReader::Outcome::TooLarge) {
      require(reader.pending().empty());
      break;
    }
  }
}

}  // namespace parvalon::fuzz
