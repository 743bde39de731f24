#include "protocol/PacketHeaders.h"

#include <algorithm>

namespace parvalon::protocol {

void putU16(std::uint8_t* out, std::uint16_t v) {
  out[0] = static_cast<std::uint8_t>(v);
  out[1] = static_cast<std::uint8_t>(v >> 8);
}

void putU32(std::uint8_t* out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint16_t getU16(const std::uint8_t* in) {
  return static_cast<std::uint16_t>(in[0] | (in[1] << 8));
}

std::uint32_t getU32(const std::uint8_t* in) {
  return static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
         (static_cast<std::uint32_t>(in[2]) << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
}

namespace {

void putCommon(std::uint8_t* out, const CommonPacketHeader& c) {
  out[0] = c.version;
  out[1] = c.packetType;
  out[2] = c.streamId;
  out[3] = c.flags;
  putU16(out + 4, c.sequence);
  putU16(out + 6, c.payloadLength);
}

CommonPacketHeader getCommon(const std::uint8_t* in) {
  CommonPacketHeader c;
  c.version = in[0];
  c.packetType = in[1];
  c.streamId = in[2];
  c.flags = in[3];
  c.sequence = getU16(in + 4);
  c.payloadLength = getU16(in + 6);
  return c;
}

}  // namespace

VideoPacketHeader makeVideoPacketHeader(std::uint8_t streamId, std::size_t payloadSize,
                                        std::uint16_t sequence, std::uint32_t timestamp90kHz,
                                        bool isKeyframe) {
  VideoPacketHeader h;
  h.length = static_cast<std::uint32_t>(payloadSize + 16);
  h.common = {kPacketVersion, kPacketTypeVideo, streamId, kVideoFlags, sequence,
              static_cast<std::uint16_t>(std::min<std::size_t>(payloadSize + 8, kPayloadLengthSaturated))};
  h.timestamp = timestamp90kHz;
  h.frameType = isKeyframe ? kFrameTypeKey : kFrameTypeOther;
  return h;
}

AudioPacketHeader makeAudioPacketHeader(std::uint8_t streamId, std::size_t payloadSize,
                                        std::uint16_t sequence, std::uint32_t timestampMs) {
  AudioPacketHeader h;
  h.length = static_cast<std::uint32_t>(payloadSize + 12);
  // Audio's payloadLength wraps instead of saturating; the length field is authoritative.
  h.common = {kPacketVersion, kPacketTypeAudio, streamId, kAudioFlags, sequence,
              static_cast<std::uint16_t>(payloadSize + 4)};
  h.timestamp = timestampMs;
  return h;
}

std::array<std::uint8_t, kVideoPacketHeaderBytes> encode(const VideoPacketHeader& h) {
  std::array<std::uint8_t, kVideoPacketHeaderBytes> out{};
  putU32(out.data(), h.length);
  putCommon(out.data() + 4, h.common);
  putU32(out.data() + 12, h.timestamp);
  out[16] = h.frameType;
  out[17] = 0;
  out[18] = 1;
  out[19] = 0;
  return out;
}

std::array<std::uint8_t, kAudioPacketHeaderBytes> encode(const AudioPacketHeader& h) {
  std::array<std::uint8_t, kAudioPacketHeaderBytes> out{};
  putU32(out.data(), h.length);
  putCommon(out.data() + 4, h.common);
  putU32(out.data() + 12, h.timestamp);
  return out;
}

std::optional<VideoPacketHeader> decodeVideoPacketHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kVideoPacketHeaderBytes) return std::nullopt;
  VideoPacketHeader h;
  h.length = getU32(bytes.data());
  h.common = getCommon(bytes.data() + 4);
  h.timestamp = getU32(bytes.data() + 12);
  h.frameType = bytes[16];
  return h;
}

std::optional<AudioPacketHeader> decodeAudioPacketHeader(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kAudioPacketHeaderBytes) return std::nullopt;
  AudioPacketHeader h;
  h.length = getU32(bytes.data());
  h.common = getCommon(bytes.data() + 4);
  h.timestamp = getU32(bytes.data() + 12);
  return h;
}

}  // namespace parvalon::protocol
