#pragma once

#include <cstdint>
#include <vector>

#include "encode/EncoderConfig.h"

namespace parvalon::host {

// Colour description written into the VUI. The BGRA conversion uses the BT.601 matrix (the one
// libyuv implements for both ranges); primaries and transfer are those of a BT.709 desktop.
inline constexpr int kVuiColourPrimaries = 1;  // BT.709
inline constexpr int kVuiTransfer = 1;         // BT.709
inline constexpr int kVuiMatrix = 6;           // SMPTE 170M, the BT.601 matrix
inline constexpr int kVuiVideoFormat = 5;      // unspecified

// Upper bound of slices per picture (x264 needs one thread a slice).
inline constexpr int kMaxSlices = 32;

// Rate-control buffer in kbit: one frame's worth of the peak rate, at least 1 (fps is not 0).
inline std::uint32_t vbvBufferKbit(std::uint32_t maxKbps, std::uint32_t fps) {
  const std::uint32_t size = maxKbps / fps;
  return size == 0 ? 1 : size;
}

// One software video codec library behind SoftwareEncoder: takes I420 pictures, returns one
// Annex B access unit per picture without SEI or access-unit delimiters.
class SoftwareCodec {
 public:
  struct Picture {
    const std::uint8_t* planes[3] = {nullptr, nullptr, nullptr};  // Y, U, V
    int strides[3] = {0, 0, 0};
    std::int64_t pts = 0;
    bool forceIdr = false;
  };

  virtual ~SoftwareCodec() = default;

  // Opens the library encoder for the configuration; logs one line and returns false on failure.
  virtual bool open(const EncoderConfig& config) = 0;
  // What came out of one encode call.
  struct Output {
    bool isKeyframe = false;  // an IDR picture
    std::int64_t pts = 0;     // the pts of the picture the access unit belongs to
  };

  // Encodes one picture. `out` is replaced by the access unit that came out (empty when the
  // library returned nothing); false with a logged line on a library error.
  virtual bool encode(const Picture& picture, std::vector<std::uint8_t>& out, Output& result) = 0;
  // Applies new target and peak rates to the open encoder; false when the library refuses.
  virtual bool setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) = 0;
};

}  // namespace parvalon::host
