#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace parvalon::viewer {

struct VideoPacket {
  std::uint8_t streamId = 0;
  bool keyFrame = false;
  std::uint32_t timestamp90kHz = 0;
  std::vector<std::uint8_t> payload;
};

// Decides which received access units go to the decoder. Video and signaling travel on
// different sockets, so packets may arrive before the stream number (stream_started) or the
// decoder configuration (stream_config) is known: they are held until then. Decoding starts
// at a key frame; after a join mid-stream, a reconnect or a decode error the gate waits for
// the next key frame and asks for one (at most once per kKeyframeRetryMs).
class VideoPacketGate {
 public:
  static constexpr std::size_t kMaxHeldBytes = 64u << 20;
  static constexpr std::int64_t kKeyframeRetryMs = 500;

  void setStream(std::uint8_t streamId);
  // The stream's configuration arrived: returns the held packets that can be decoded.
  std::vector<VideoPacket> onConfig();
  std::vector<VideoPacket> onPacket(VideoPacket packet);
  void onDecodeError() { awaitingKey_ = true; }
  // A new video connection: whatever was in flight on the old one is gone.
  void onReconnect();
  // True when a key-frame request should be sent now (and counts it as sent).
  bool takeKeyframeRequest(std::int64_t nowMs);

  bool configured() const { return configured_; }
  bool awaitingKeyFrame() const { return awaitingKey_; }
  std::uint64_t droppedPackets() const { return dropped_; }
  std::size_t heldPackets() const { return held_.size(); }

 private:
  bool ours(const VideoPacket& p) const { return streamId_ && *streamId_ == p.streamId; }
  void hold(VideoPacket packet);

  std::optional<std::uint8_t> streamId_;
  bool configured_ = false;
  bool awaitingKey_ = true;
  std::deque<VideoPacket> held_;
  std::size_t heldBytes_ = 0;
  std::uint64_t dropped_ = 0;
  std::optional<std::int64_t> lastRequestMs_;
};

}  // namespace parvalon::viewer
