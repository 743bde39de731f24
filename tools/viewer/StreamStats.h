#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace parvalon::viewer {

// What a viewer run measured. Times are CLOCK_MONOTONIC microseconds, the clock the host and
// the test pattern stamp with.
class StreamStats {
 public:
  struct Summary {
    std::uint64_t frames = 0;
    std::uint64_t keyFrames = 0;
    std::uint64_t decodeErrors = 0;
    std::uint64_t videoBytes = 0;
    double seconds = 0;
    double fps = 0;
    double bitrateKbps = 0;
    double decodeP50Ms = 0;
    double decodeP99Ms = 0;
    std::uint64_t latencySamples = 0;
    double latencyP50Ms = 0;
    double latencyP99Ms = 0;
    std::uint64_t audioPackets = 0;
    std::uint64_t audioGaps = 0;
    std::uint64_t audioLostPackets = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t windowId = 0;
    int streamId = -1;
    std::uint64_t videoReconnects = 0;
    std::uint64_t framesAfterReconnect = 0;
    std::uint64_t keyframeRequests = 0;
    bool streamStopped = false;
  };

  // One video packet received (counted in the bit rate whether or not it decodes).
  void onVideoPacket(std::int64_t nowUs, std::size_t bytes, bool keyFrame);
  void onDecoded(std::int64_t decodeUs);
  void onDecodeError() { ++decodeErrors_; }
  // One end-to-end sample: the time a pixel was drawn and the time it was decoded here.
  void onLatency(std::int64_t drawnUs, std::int64_t decodedUs);
  // An audio packet with its sequence number; a jump in the sequence is a gap.
  void onAudioPacket(std::uint16_t sequence);
  void setSize(std::uint32_t width, std::uint32_t height) { width_ = width; height_ = height; }
  void setStream(std::uint32_t windowId, std::uint8_t streamId) { windowId_ = windowId; streamId_ = streamId; }
  // The video connection was dropped and opened again; frames count afresh after it.
  void onVideoReconnect() { ++reconnects_; framesAtReconnect_ = frames_; }
  void onKeyframeRequest() { ++keyframeRequests_; }
  void setStreamStopped(bool stopped) { streamStopped_ = stopped; }

  Summary summary() const;
  std::string toJson() const;
  std::string toText() const;

  // Nearest-rank percentile (p in 0..100) of `values`; 0 for no values.
  static double percentile(std::vector<double> values, double p);

 private:
  std::uint64_t frames_ = 0;
  std::uint64_t keyFrames_ = 0;
  std::uint64_t decodeErrors_ = 0;
  std::uint64_t videoBytes_ = 0;
  std::optional<std::int64_t> firstPacketUs_;
  std::int64_t lastPacketUs_ = 0;
  std::vector<double> decodeMs_;
  std::vector<double> latencyMs_;
  std::uint64_t audioPackets_ = 0;
  std::uint64_t audioGaps_ = 0;
  std::uint64_t audioLost_ = 0;
  std::optional<std::uint16_t> lastAudioSequence_;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
  std::uint32_t windowId_ = 0;
  int streamId_ = -1;
  std::uint64_t reconnects_ = 0;
  std::uint64_t framesAtReconnect_ = 0;
  std::uint64_t keyframeRequests_ = 0;
  bool streamStopped_ = false;
};

}  // namespace parvalon::viewer
