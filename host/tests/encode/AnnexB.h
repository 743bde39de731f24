#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace parvalon::host::testing {

// One NAL unit of an Annex B stream: its bytes after the start code.
struct NalUnit {
  std::vector<std::uint8_t> bytes;
  int h264Type() const { return bytes.empty() ? -1 : bytes[0] & 0x1F; }
  int hevcType() const { return bytes.empty() ? -1 : (bytes[0] >> 1) & 0x3F; }
};

// Splits at every 00 00 01 (a preceding zero of a 4-byte code is dropped with it). Independent
// of the host's scan so a fault there does not hide itself.
inline std::vector<NalUnit> splitAnnexB(const std::uint8_t* data, std::size_t size) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i + 2 < size; ++i) {
    if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) starts.push_back(i + 3);
  }
  std::vector<NalUnit> units;
  for (std::size_t k = 0; k < starts.size(); ++k) {
    std::size_t end = k + 1 < starts.size() ? starts[k + 1] - 3 : size;
    while (end > starts[k] && data[end - 1] == 0 && k + 1 < starts.size()) --end;
    units.push_back({std::vector<std::uint8_t>(data + starts[k], data + end)});
  }
  return units;
}

// Exp-Golomb reader over a NAL unit's payload (emulation-prevention bytes removed).
class BitReader {
 public:
  explicit BitReader(const std::vector<std::uint8_t>& nal, std::size_t headerBytes) {
    int zeros = 0;
    for (std::size_t i = headerBytes; i < nal.size(); ++i) {
      if (zeros >= 2 && nal[i] == 3) {
        zeros = 0;
        continue;
      }
      zeros = nal[i] == 0 ? zeros + 1 : 0;
      rbsp_.push_back(nal[i]);
    }
  }
  unsigned bit() {
    if (pos_ >= rbsp_.size() * 8) return 0;
    const unsigned b = (rbsp_[pos_ / 8] >> (7 - pos_ % 8)) & 1;
    ++pos_;
    return b;
  }
  unsigned bits(int n) {
    unsigned v = 0;
    for (int i = 0; i < n; ++i) v = (v << 1) | bit();
    return v;
  }
  unsigned ue() {
    int zeros = 0;
    while (bit() == 0 && zeros < 32) ++zeros;
    return ((1u << zeros) - 1) + bits(zeros);
  }

 private:
  std::vector<std::uint8_t> rbsp_;
  std::size_t pos_ = 0;
};

}  // namespace parvalon::host::testing
