#pragma once

#include <cstdint>
#include <string>

namespace parvalon::host {

// What an encoder is asked to produce. Every encoder keeps its own copy.
struct EncoderConfig {
  std::uint32_t width = 1920;           // encode width, a multiple of 16 when the orchestrator sizes it
  std::uint32_t height = 1080;          // encode height, likewise
  std::uint32_t bitrateKbps = 20000;    // target rate
  std::uint32_t maxBitrateKbps = 50000; // peak rate; also sizes the rate-control buffer
  std::uint32_t fps = 72;               // frame rate numerator, the denominator is 1
  std::string codec = "h264";           // exactly "h265" or "hevc" selects HEVC
  std::string profile = "main";
  std::int32_t gopLength = 60;          // frames from one IDR picture to the next
  bool enableSlices = true;
  std::int32_t sliceCount = 4;          // slices per picture
  bool fullRange = false;               // full-range (0-255) colour in the VUI
  // Software encoder: the codec runs on a thread of its own, so the caller converts the next
  // picture while this one is encoded; output is then delivered on that thread, in order.
  bool pipelined = false;
};

// True for the two codec texts that select HEVC; anything else (upper case included) is H.264.
inline bool isHevcCodec(const std::string& codec) { return codec == "h265" || codec == "hevc"; }

}  // namespace parvalon::host
