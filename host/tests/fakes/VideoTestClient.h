#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "protocol/PacketHeaders.h"

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
      : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
    if (localAddress != 0) {
      sockaddr_in local{};
      local.sin_family = AF_INET;
      local.sin_addr.s_addr = htonl(localAddress);
      ::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof(local));
    }
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&sa), sizeof(sa)) == 0;
    // As a headset (and the viewer) does: small input messages go out at once, not after the
    // host's acknowledgement of the previous one.
    const int one = 1;
    if (noDelay) ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  }
  ~VideoTestClient() { ::close(fd_); }
  VideoTestClient(const VideoTestClient&) = delete;
  VideoTestClient& operator=(const VideoTestClient&) = delete;

  bool connected() const { return connected_; }

  std::optional<Packet> read(std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Packet p;
    if (!readExact(p.raw.data(), p.raw.size(), deadline)) return std::nullopt;
    p.header = *protocol::decodeVideoPacketHeader(p.raw);
    // The length field counts everything after itself.
    if (p.header.length < p.raw.size() - 4) return std::nullopt;
    p.payload.resize(p.header.length - (p.raw.size() - 4));
    if (!readExact(p.payload.data(), p.payload.size(), deadline)) return std::nullopt;
    return p;
  }
  std::optional<AudioPacket> readAudio(std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::array<std::uint8_t, protocol::kAudioPacketHeaderBytes> raw{};
    if (!readExact(raw.data(), raw.size(), deadline)) return std::nullopt;
    AudioPacket p;
    p.header = *protocol::decodeAudioPacketHeader(raw);
    // The length field counts everything after itself.
    if (p.header.length < raw.size() - 4) return std::nullopt;
    p.payload.resize(p.header.length - (raw.size() - 4));
    if (!readExact(p.payload.data(), p.payload.size(), deadline)) return std::nullopt;
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
  bool send(const std::vector<std::uint8_t>& bytes) {
    return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
  }

 private:
  template <typename ReadOne>
  static bool drainsWithin(ReadOne readOne) {
    for (int i = 0; i < 1000; ++i) {
      if (!readOne()) return true;
    }
    return false;
  }
  bool readExact(std::uint8_t* out, std::size_t size, std::chrono::steady_clock::time_point deadline) {
    std::size_t got = 0;
    while (got < size) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return false;
      pollfd pfd{fd_, POLLIN, 0};
      if (::poll(&pfd, 1, static_cast<int>(left.count())) <= 0) return false;
      const ssize_t n = ::recv(fd_, out + got, size - got, 0);
      if (n <= 0) return false;
      got += static_cast<std::size_t>(n);
    }
    return true;
  }

  int fd_;
  bool connected_ = false;
};

}  // namespace parvalon::host::testing
