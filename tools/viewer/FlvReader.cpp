#include "FlvReader.h"

namespace parvalon::viewer {
namespace {

constexpr std::size_t kFileHeaderBytes = 9;
constexpr std::size_t kPreviousTagSizeBytes = 4;
constexpr std::size_t kTagHeaderBytes = 11;
constexpr std::uint8_t kTagVideo = 9;
constexpr std::uint8_t kCodecAvc = 7;
constexpr std::uint8_t kFrameKey = 1;
constexpr std::uint8_t kAvcSequenceHeader = 0;
constexpr std::uint8_t kAvcNalus = 1;
constexpr std::size_t kMaxTagBytes = 64u << 20;

std::uint32_t be(const std::uint8_t* p, std::size_t n) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < n; ++i) v = (v << 8) | p[i];
  return v;
}

void appendNal(std::vector<std::uint8_t>& out, const std::uint8_t* nal, std::size_t size) {
  out.insert(out.end(), {0, 0, 0, 1});
  out.insert(out.end(), nal, nal + size);
}

}  // namespace

bool FlvReader::fail(std::string why) {
  failed_ = true;
  error_ = std::move(why);
  buffer_.clear();
  return false;
}

bool FlvReader::feed(const std::uint8_t* data, std::size_t size, std::vector<Unit>& out) {
  if (failed_) return false;
  buffer_.insert(buffer_.end(), data, data + size);
  std::size_t at = 0;
  if (!headerDone_) {
    if (buffer_.size() < kFileHeaderBytes + kPreviousTagSizeBytes) return true;
    if (buffer_[0] != 'F' || buffer_[1] != 'L' || buffer_[2] != 'V') return fail("not an FLV stream");
    const std::uint32_t headerSize = be(&buffer_[5], 4);
    if (headerSize < kFileHeaderBytes || headerSize > 1024) return fail("bad FLV header size");
    if (buffer_.size() < headerSize + kPreviousTagSizeBytes) return true;
    at = headerSize + kPreviousTagSizeBytes;
    headerDone_ = true;
  }
  for (;;) {
    if (buffer_.size() - at < kTagHeaderBytes) break;
    const std::uint32_t dataSize = be(&buffer_[at + 1], 3);
    if (dataSize > kMaxTagBytes) return fail("FLV tag too large");
    const std::size_t whole = kTagHeaderBytes + dataSize + kPreviousTagSizeBytes;
    if (buffer_.size() - at < whole) break;
    if (buffer_[at] == kTagVideo && !parseTag(&buffer_[at + kTagHeaderBytes], dataSize, out)) return false;
    at += whole;
  }
  buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(at));
  return true;
}

bool FlvReader::parseTag(const std::uint8_t* tag, std::size_t size, std::vector<Unit>& out) {
  if (size < 5) return fail("short FLV video tag");
  if ((tag[0] & 0x0F) != kCodecAvc) return fail("FLV video is not H.264");
  const bool key = (tag[0] >> 4) == kFrameKey;
  if (tag[1] == kAvcSequenceHeader) return parseConfig(tag + 5, size - 5, out);
  if (tag[1] == kAvcNalus) return parseNalus(tag + 5, size - 5, key, out);
  return true;  // end of sequence
}

bool FlvReader::parseConfig(const std::uint8_t* p, std::size_t size, std::vector<Unit>& out) {
  if (size < 7) return fail("short decoder configuration record");
  lengthSize_ = static_cast<std::size_t>(p[4] & 0x03) + 1;
  Unit unit;
  unit.parameterSets = true;
  std::size_t at = 5;
  for (int group = 0; group < 2; ++group) {
    if (at >= size) return fail("truncated decoder configuration record");
    const std::size_t count = group == 0 ? (p[at] & 0x1F) : p[at];
    ++at;
    for (std::size_t i = 0; i < count; ++i) {
      if (size - at < 2) return fail("truncated parameter set length");
      const std::size_t n = be(p + at, 2);
      at += 2;
      if (size - at < n) return fail("truncated parameter set");
      appendNal(unit.annexB, p + at, n);
      at += n;
    }
  }
  out.push_back(std::move(unit));
  return true;
}

bool FlvReader::parseNalus(const std::uint8_t* p, std::size_t size, bool key, std::vector<Unit>& out) {
  Unit unit;
  unit.keyFrame = key;
  std::size_t at = 0;
  while (at < size) {
    if (size - at < lengthSize_) return fail("truncated NAL length");
    const std::size_t n = be(p + at, lengthSize_);
    at += lengthSize_;
    if (size - at < n) return fail("NAL unit longer than its tag");
    appendNal(unit.annexB, p + at, n);
    at += n;
  }
  out.push_back(std::move(unit));
  return true;
}

}  // namespace parvalon::viewer
