#pragma once

#include <cstdint>
#include <vector>

namespace parvalon::host {

// The stream's parameter sets, each one NAL unit without its start code (vps for HEVC only).
struct CodecParameterSets {
  std::vector<std::uint8_t> sps;
  std::vector<std::uint8_t> pps;
  std::vector<std::uint8_t> vps;
  bool valid = false;  // sps and pps both present
};

}  // namespace parvalon::host
