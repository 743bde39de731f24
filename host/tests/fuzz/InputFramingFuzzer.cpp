// The byte stream of the input channel: messages of at most 1024 bytes, each decoded as one
// input record from its first 12 bytes, which must encode back to the same bytes.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzSupport.h"
#include "protocol/ClientMessages.h"

namespace {

using namespace parvalon::protocol;

constexpr std::uint32_t kMaxInputMessage = 1024;

using parvalon::fuzz::require;

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
  parvalon::fuzz::readFramedStream(data, size, kMaxInputMessage, checkBody);
  return 0;
}
