#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace parvalon::protocol {

inline constexpr std::uint8_t kClientMessageInput = 3;
inline constexpr std::uint8_t kClientMessageFeedback = 4;
inline constexpr std::uint8_t kClientMessageKeyframeRequest = 16;
inline constexpr std::size_t kClientRecordBytes = 12;
inline constexpr std::size_t kInputEventBytes = 12;

// Client feedback on the video connection; the first 8 bytes are carried but not read.
struct ClientFeedback {
  std::array<std::uint8_t, 8> reserved{};
  std::uint16_t decodeTimeMs = 0;
  std::uint16_t rttMs = 0;
};

// One input event of the headset, as both input paths carry it: the input channel's record
// (`InputEvent`) and the video connection's (`ClientInput`) differ only in their byte layout.
// For a character event on the input channel `x` holds a UTF-16 code unit.
struct InputEvent {
  std::uint8_t streamId = 0;
  std::uint8_t type = 0;
  std::uint8_t action = 0;
  std::uint16_t x = 0;
  std::uint16_t y = 0;
  std::uint8_t code = 0;
  std::uint8_t modifiers = 0;
  std::int16_t wheelDelta = 0;
};

// The event as the video connection carries it (byte 3 of its record is not read); a type of
// its own so that the video connection's messages stay distinct.
struct ClientInput : InputEvent {};

struct KeyframeRequest {
  std::uint8_t streamId = 0;
};

using VideoClientMessage = std::variant<ClientInput, ClientFeedback, KeyframeRequest>;

// One body of the video connection; nullopt for unknown types and too-short bodies.
std::optional<VideoClientMessage> decodeVideoClientMessage(std::span<const std::uint8_t> body);
// One body of the input channel; nullopt when shorter than 12 bytes. Bytes 12 on are ignored.
std::optional<InputEvent> decodeInputEvent(std::span<const std::uint8_t> body);

ClientFeedback decodeClientFeedback(std::span<const std::uint8_t, kClientRecordBytes> record);
ClientInput decodeClientInput(std::span<const std::uint8_t, kClientRecordBytes> record);

// Encoders for a client: whole messages, length prefix included.
std::vector<std::uint8_t> encodeFeedbackMessage(const ClientFeedback& feedback);
std::vector<std::uint8_t> encodeClientInputMessage(const ClientInput& input);
std::vector<std::uint8_t> encodeKeyframeRequestMessage(std::uint8_t streamId);
std::vector<std::uint8_t> encodeInputEventMessage(const InputEvent& event);

}  // namespace parvalon::protocol
