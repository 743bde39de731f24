#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace parvalon::protocol {

inline constexpr std::uint8_t kPacketVersion = 1;
inline constexpr std::uint8_t kPacketTypeVideo = 1;
inline constexpr std::uint8_t kPacketTypeAudio = 2;
inline constexpr std::uint8_t kVideoFlags = 1;
inline constexpr std::uint8_t kAudioFlags = 0;
inline constexpr std::uint8_t kFrameTypeKey = 1;
inline constexpr std::uint8_t kFrameTypeOther = 3;
inline constexpr std::size_t kLengthFieldBytes = 4;
inline constexpr std::size_t kCommonHeaderBytes = 8;
inline constexpr std::size_t kVideoPacketHeaderBytes = 20;  // length + common + video header
inline constexpr std::size_t kAudioPacketHeaderBytes = 16;  // length + common + timestamp
inline constexpr std::uint16_t kPayloadLengthSaturated = 65535;

// Offsets 4-11 of every video and audio packet.
struct CommonPacketHeader {
  std::uint8_t version = kPacketVersion;
  std::uint8_t packetType = 0;
  std::uint8_t streamId = 0;
  std::uint8_t flags = 0;
  std::uint16_t sequence = 0;
  std::uint16_t payloadLength = 0;
};

struct VideoPacketHeader {
  std::uint32_t length = 0;
  CommonPacketHeader common;
  std::uint32_t timestamp = 0;  // 90 kHz
  std::uint8_t frameType = kFrameTypeOther;
};

struct AudioPacketHeader {
  std::uint32_t length = 0;
  CommonPacketHeader common;
  std::uint32_t timestamp = 0;  // milliseconds
};

// Header of one video packet for a payload of `payloadSize` bytes.
VideoPacketHeader makeVideoPacketHeader(std::uint8_t streamId, std::size_t payloadSize,
                                        std::uint16_t sequence, std::uint32_t timestamp90kHz,
                                        bool isKeyframe);
AudioPacketHeader makeAudioPacketHeader(std::uint8_t streamId, std::size_t payloadSize,
                                        std::uint16_t sequence, std::uint32_t timestampMs);

std::array<std::uint8_t, kVideoPacketHeaderBytes> encode(const VideoPacketHeader& h);
std::array<std::uint8_t, kAudioPacketHeaderBytes> encode(const AudioPacketHeader& h);

// Readers for a client of these channels; nullopt when fewer bytes than a header are given.
std::optional<VideoPacketHeader> decodeVideoPacketHeader(std::span<const std::uint8_t> bytes);
std::optional<AudioPacketHeader> decodeAudioPacketHeader(std::span<const std::uint8_t> bytes);

// Little-endian helpers shared by the protocol's encoders.
void putU16(std::uint8_t* out, std::uint16_t v);
void putU32(std::uint8_t* out, std::uint32_t v);
std::uint16_t getU16(const std::uint8_t* in);
std::uint32_t getU32(const std::uint8_t* in);

}  // namespace parvalon::protocol
