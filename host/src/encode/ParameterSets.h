#pragma once

#include <cstddef>
#include <cstdint>

#include "encode/CodecParameterSets.h"

namespace parvalon::host {

// Scans an Annex B access unit and replaces the stored VPS (HEVC only), SPS and PPS with those it
// carries, start codes excluded; sets found earlier stay when this unit lacks them. `valid` is
// recomputed. Data shorter than 5 bytes is ignored. Every encoder uses this one scan; the caller
// holds its parameter-set lock around it.
void extractParameterSets(const std::uint8_t* data, std::size_t length, bool hevc,
                          CodecParameterSets& sets);

}  // namespace parvalon::host
