#include "encode/X265Codec.h"

#include "logging/Log.h"

namespace parvalon::host {

// A build without libx265 (Windows): HEVC is refused at open, H.264 through libx264 still works.
struct X265Codec::State {};

X265Codec::X265Codec() = default;

X265Codec::~X265Codec() = default;

bool X265Codec::open(const EncoderConfig&) {
  PV_LOG_ERROR("Software HEVC encoder unavailable: libx265 is not part of this build");
  return false;
}

bool X265Codec::encode(const Picture&, std::vector<std::uint8_t>&, Output&) { return false; }

bool X265Codec::setBitrate(std::uint32_t, std::uint32_t) { return false; }

}  // namespace parvalon::host
