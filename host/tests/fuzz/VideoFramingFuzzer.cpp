// The byte stream a client sends on the video connection, read the way the server reads it
// (exactly the pending bytes each time, 4194304 bytes at most per message) and decoded as
// client messages. Whatever decodes must encode back to the bytes it came from.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "FuzzSupport.h"
#include "protocol/ClientMessages.h"

namespace {

using namespace parvalon::protocol;

constexpr std::uint32_t kMaxVideoMessage = 4194304;

using parvalon::fuzz::require;

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
  parvalon::fuzz::readFramedStream(data, size, kMaxVideoMessage, checkBody);
  return 0;
}
