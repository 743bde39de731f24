#pragma once

#include <cstdint>
#include <optional>

#include "PatternStamp.h"

struct AVFrame;

namespace parvalon::viewer {

// Reads the test pattern's time stamp from a decoded picture's luma, and tells a new stamp
// from one already seen (a window that did not change is captured again with the same stamp).
class StampReader {
 public:
  std::optional<testpattern::Stamp> read(const AVFrame& picture);
  // The stamp when its frame counter differs from the last new one, else nothing.
  std::optional<testpattern::Stamp> readNew(const AVFrame& picture);

 private:
  std::optional<std::uint32_t> lastFrame_;
};

}  // namespace parvalon::viewer
