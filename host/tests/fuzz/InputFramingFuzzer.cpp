// The byte stream of the input channel: messages of at most 1024 bytes, each decoded as one
// input record from its first 12 bytes, which must encode back to the same bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/FramedReader.h"

namespace {

using namespace parvalon::protocol;

constexpr std::uint32_t kMaxInputMessage = 1024;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

void checkBody(std::span<const std::uint8_t> body) {
  const auto event = decodeInputEvent(body);
  require(event.has_value() == (body.size() >= kInputEventBytes));
  if (!event) return;
  const auto encoded = encodeInputEventMessage(*event);
  require(encoded.size() == 4 + kInputEventBytes);
  std::vector<std::uint8_t> expected(body.begin(), body.begin() + kInputEventBytes);
  expected[11] = 0;  // byte 11 is not read
  require(std::equal(expected.begin(), expected.end(), encoded.begin() + 4));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FramedReader reader(kMaxInputMessage);
  std::size_t at = 0;
  for (std::size_t step = 0; step <= size; ++step) {
    const auto target = reader.pending();
    if (target.empty() || size - at < target.size()) break;
    const bool header = reader.phase() == FramedReader::Phase::Header;
    std::copy_n(data + at, target.size(), target.begin());
    at += target.size();
    const auto outcome = reader.complete();
    if (header) {
      require(outcome != FramedReader::Outcome::Message);
      require((outcome == FramedReader::Outcome::TooLarge) == (reader.length() > kMaxInputMessage));
      require((outcome == FramedReader::Outcome::Skipped) == (reader.length() == 0));
    } else {
      require(outcome == FramedReader::Outcome::Message);
      require(reader.body().size() == reader.length());
      checkBody(reader.body());
    }
    if (outcome == FramedReader::Outcome::TooLarge) {
      require(reader.pending().empty());
      break;
    }
  }
  return 0;
}
