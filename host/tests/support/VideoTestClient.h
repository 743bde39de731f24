#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "protocol/PacketHeaders.h"
#include "support/LoopbackClient.h"

namespace parvalon::host::testing {

// A headset's video channel on 127.0.0.1: reads whole packets, each within a time-out. The
// audio channel is read the same way with readAudio.
class VideoTestClient {
 public:
  struct Packet {
    std::array<std::uint8_t, protocol::kVideoPacketHeaderBytes> raw{};
    protocol::VideoPacketHeader header;
    std::vector<std::uint8_t> payload;
  };
  struct AudioPacket {
    protocol::AudioPacketHeader header;
    std::vector<std::uint8_t> payload;
  };

  // `noDelay` false keeps Nagle's algorithm on, as a client may leave it. A `localAddress` other
  // than 0 (host byte order, 0x7F000002 for 127.0.0.2) is the loopback address it connects from.
  explicit VideoTestClient(std::uint16_t port, bool noDelay = true, std::uint32_t localAddress = 0)
      : connection_(port, LoopbackClient::Options{0, noDelay, true, localAddress}) {}

  bool connected() const { return connection_.connected(); }

  std::optional<Packet> read(std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Packet p;
    if (!connection_.readInto(p.raw.data(), p.raw.size(), deadline)) return std::nullopt;
    p.header = *protocol::decodeVideoPacketHeader(p.raw);
    if (!readPayload(p.header.length, p.raw.size(), p.payload, deadline)) return std::nullopt;
    return p;
  }
  std::optional<AudioPacket> readAudio(std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::array<std::uint8_t, protocol::kAudioPacketHeaderBytes> raw{};
    if (!connection_.readInto(raw.data(), raw.size(), deadline)) return std::nullopt;
    AudioPacket p;
    p.header = *protocol::decodeAudioPacketHeader(raw);
    if (!readPayload(p.header.length, raw.size(), p.payload, deadline)) return std::nullopt;
    return p;
  }
  // True when no packet arrives within `quiet` once what was already queued has drained; on
  // the audio channel, audioFallsSilent (each reads its own channel's framing).
  bool fallsSilent(std::chrono::milliseconds quiet) {
    return drainsWithin([&] { return read(quiet).has_value(); });
  }
  bool audioFallsSilent(std::chrono::milliseconds quiet) {
    return drainsWithin([&] { return readAudio(quiet).has_value(); });
  }
  bool send(const std::vector<std::uint8_t>& bytes) { return connection_.sendAll(bytes); }

 private:
  template <typename ReadOne>
  static bool drainsWithin(ReadOne readOne) {
    for (int i = 0; i < 1000; ++i) {
      if (!readOne()) return true;
    }
    return false;
  }
  // The length field counts everything after itself.
  bool readPayload(std::uint32_t length, std::size_t headerSize, std::vector<std::uint8_t>& payload,
                   std::chrono::steady_clock::time_point deadline) {
    if (length < headerSize - 4) return false;
    payload.resize(length - (headerSize - 4));
    return connection_.readInto(payload.data(), payload.size(), deadline);
  }

  LoopbackClient connection_;
};

}  // namespace parvalon::host::testing
