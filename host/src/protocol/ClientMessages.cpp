#include "protocol/ClientMessages.h"

#include <algorithm>

#include "protocol/PacketHeaders.h"

namespace parvalon::protocol {

namespace {

std::vector<std::uint8_t> withLength(std::vector<std::uint8_t> body) {
  std::vector<std::uint8_t> out(kLengthFieldBytes + body.size());
  putU32(out.data(), static_cast<std::uint32_t>(body.size()));
  std::copy(body.begin(), body.end(), out.begin() + kLengthFieldBytes);
  return out;
}

}  // namespace

ClientFeedback decodeClientFeedback(std::span<const std::uint8_t, kClientRecordBytes> r) {
  ClientFeedback f;
  std::copy_n(r.data(), f.reserved.size(), f.reserved.begin());
  f.decodeTimeMs = getU16(r.data() + 8);
  f.rttMs = getU16(r.data() + 10);
  return f;
}

ClientInput decodeClientInput(std::span<const std::uint8_t, kClientRecordBytes> r) {
  ClientInput in;
  in.streamId = r[0];
  in.type = r[1];
  in.action = r[2];
  in.x = getU16(r.data() + 4);
  in.y = getU16(r.data() + 6);
  in.code = r[8];
  in.modifiers = r[9];
  in.wheelDelta = static_cast<std::int16_t>(getU16(r.data() + 10));
  return in;
}

std::optional<VideoClientMessage> decodeVideoClientMessage(std::span<const std::uint8_t> body) {
  if (body.empty()) return std::nullopt;
  switch (body[0]) {
    case kClientMessageInput:
      if (body.size() < 1 + kClientRecordBytes) return std::nullopt;
      return decodeClientInput(body.subspan(1).first<kClientRecordBytes>());
    case kClientMessageFeedback:
      if (body.size() < 1 + kClientRecordBytes) return std::nullopt;
      return decodeClientFeedback(body.subspan(1).first<kClientRecordBytes>());
    case kClientMessageKeyframeRequest:
      if (body.size() < 2) return std::nullopt;
      return KeyframeRequest{body[1]};
    default:
      return std::nullopt;
  }
}

std::optional<InputEvent> decodeInputEvent(std::span<const std::uint8_t> body) {
  if (body.size() < kInputEventBytes) return std::nullopt;
  InputEvent e;
  e.streamId = body[0];
  e.type = body[1];
  e.action = body[2];
  e.x = getU16(body.data() + 3);
  e.y = getU16(body.data() + 5);
  e.code = body[7];
  e.modifiers = body[8];
  e.wheelDelta = static_cast<std::int16_t>(getU16(body.data() + 9));
  return e;
}

std::vector<std::uint8_t> encodeFeedbackMessage(const ClientFeedback& f) {
  std::vector<std::uint8_t> body(1 + kClientRecordBytes);
  body[0] = kClientMessageFeedback;
  std::copy(f.reserved.begin(), f.reserved.end(), body.begin() + 1);
  putU16(body.data() + 9, f.decodeTimeMs);
  putU16(body.data() + 11, f.rttMs);
  return withLength(std::move(body));
}

std::vector<std::uint8_t> encodeClientInputMessage(const ClientInput& in) {
  std::vector<std::uint8_t> body(1 + kClientRecordBytes);
  body[0] = kClientMessageInput;
  body[1] = in.streamId;
  body[2] = in.type;
  body[3] = in.action;
  putU16(body.data() + 5, in.x);
  putU16(body.data() + 7, in.y);
  body[9] = in.code;
  body[10] = in.modifiers;
  putU16(body.data() + 11, static_cast<std::uint16_t>(in.wheelDelta));
  return withLength(std::move(body));
}

std::vector<std::uint8_t> encodeKeyframeRequestMessage(std::uint8_t streamId) {
  return withLength({kClientMessageKeyframeRequest, streamId});
}

std::vector<std::uint8_t> encodeInputEventMessage(const InputEvent& e) {
  std::vector<std::uint8_t> body(kInputEventBytes);
  body[0] = e.streamId;
  body[1] = e.type;
  body[2] = e.action;
  putU16(body.data() + 3, e.x);
  putU16(body.data() + 5, e.y);
  body[7] = e.code;
  body[8] = e.modifiers;
  putU16(body.data() + 9, static_cast<std::uint16_t>(e.wheelDelta));
  return withLength(std::move(body));
}

}  // namespace parvalon::protocol
