#include "encode/ParameterSets.h"

namespace parvalon::host {

namespace {

constexpr std::size_t kMinScanLength = 5;
constexpr std::uint8_t kH264TypeMask = 0x1F;
constexpr std::uint8_t kH264Sps = 7;
constexpr std::uint8_t kH264Pps = 8;
constexpr std::uint8_t kHevcTypeMask = 0x7E;
constexpr std::uint8_t kHevcVps = 0x40;
constexpr std::uint8_t kHevcSps = 0x42;
constexpr std::uint8_t kHevcPps = 0x44;

// Length of the start code at p (3 or 4), 0 when there is none.
std::size_t startCodeAt(const std::uint8_t* d, std::size_t length, std::size_t p) {
  if (p + 2 < length && d[p] == 0 && d[p + 1] == 0 && d[p + 2] == 1) return 3;
  if (p + 3 < length && d[p] == 0 && d[p + 1] == 0 && d[p + 2] == 0 && d[p + 3] == 1) return 4;
  return 0;
}

// First zero byte of the next start code after nalStart, or length. A start code that begins
// less than four bytes before the end is not looked for: the unit runs to the end.
std::size_t nalEnd(const std::uint8_t* d, std::size_t length, std::size_t nalStart) {
  for (std::size_t q = nalStart + 1; q + 3 < length; ++q) {
    if (d[q] == 0 && d[q + 1] == 0 && (d[q + 2] == 1 || (d[q + 2] == 0 && d[q + 3] == 1))) return q;
  }
  return length;
}

}  // namespace

void extractParameterSets(const std::uint8_t* data, std::size_t length, bool hevc,
                          CodecParameterSets& sets) {
  if (data == nullptr || length < kMinScanLength) return;
  std::size_t p = 0;
  while (p + 4 < length) {
    const std::size_t codeLength = startCodeAt(data, length, p);
    if (codeLength == 0) {
      ++p;
      continue;
    }
    const std::size_t start = p + codeLength;
    if (start >= length) break;
    const std::size_t end = nalEnd(data, length, start);
    const std::uint8_t header = data[start];
    std::vector<std::uint8_t>* target = nullptr;
    if (hevc) {
      switch (header & kHevcTypeMask) {
        case kHevcVps: target = &sets.vps; break;
        case kHevcSps: target = &sets.sps; break;
        case kHevcPps: target = &sets.pps; break;
        default: break;
      }
    } else {
      switch (header & kH264TypeMask) {
        case kH264Sps: target = &sets.sps; break;
        case kH264Pps: target = &sets.pps; break;
        default: break;
      }
    }
    if (target != nullptr) target->assign(data + start, data + end);
    p = end;
  }
  sets.valid = !sets.sps.empty() && !sets.pps.empty();
}

}  // namespace parvalon::host
