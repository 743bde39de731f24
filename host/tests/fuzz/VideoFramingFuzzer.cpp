// The byte stream a client sends on the video connection, read the way the server reads it
// (exactly the pending bytes each time, 4194304 bytes at most per message) and decoded as
// client messages. Whatever decodes must encode back to the bytes it came from.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "protocol/ClientMessages.h"
#include "protocol/FramedReader.h"

namespace {

using namespace parvalon::protocol;

constexpr std::uint32_t kMaxVideoMessage = 4194304;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

void checkBody(std::span<const std::uint8_t> body) {
  const auto message = decodeVideoClientMessage(body);
  const std::uint8_t type = body.empty() ? 0 : body[0];
  const bool decodable = (type == kClientMessageInput && body.size() >= 13) ||
                         (type == kClientMessageFeedback && body.size() >= 13) ||
                         (type == kClientMessageKeyframeRequest && body.size() >= 2);
  require(message.has_value() == decodable);
  if (!message) return;

  if (const auto* keyframe = std::get_if<KeyframeRequest>(&*message)) {
    require(keyframe->streamId == body[1]);
    return;
  }
  // Whole message with length prefix; compare its body with the first 13 received bytes.
  std::vector<std::uint8_t> encoded = std::holds_alternative<ClientFeedback>(*message)
                                          ? encodeFeedbackMessage(std::get<ClientFeedback>(*message))
                                          : encodeClientInputMessage(std::get<ClientInput>(*message));
  require(encoded.size() == 4 + 13);
  std::vector<std::uint8_t> expected(body.begin(), body.begin() + 13);
  if (type == kClientMessageInput) expected[4] = 0;  // record byte 3 is not read
  require(std::equal(expected.begin(), expected.end(), encoded.begin() + 4));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FramedReader reader(kMaxVideoMessage);
  std::size_t at = 0;
  // Every step takes at least 4 bytes or stops, so the input size bounds the loop.
  for (std::size_t step = 0; step <= size; ++step) {
    const auto target = reader.pending();
    if (target.empty() || size - at < target.size()) break;
    const bool header = reader.phase() == FramedReader::Phase::Header;
    std::copy_n(data + at, target.size(), target.begin());
    at += target.size();
    const auto outcome = reader.complete();
    if (header) {
      require(outcome != FramedReader::Outcome::Message);
      require((outcome == FramedReader::Outcome::TooLarge) == (reader.length() > kMaxVideoMessage));
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
