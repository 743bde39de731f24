#include "StreamStats.h"

#include <algorithm>
#include <cmath>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

namespace parvalon::viewer {

void StreamStats::onVideoPacket(std::int64_t nowUs, std::size_t bytes, bool keyFrame) {
  if (!firstPacketUs_) firstPacketUs_ = nowUs;
  lastPacketUs_ = nowUs;
  videoBytes_ += bytes;
  if (keyFrame) ++keyFrames_;
}

void StreamStats::onDecoded(std::int64_t decodeUs) {
  ++frames_;
  decodeMs_.push_back(static_cast<double>(decodeUs) / 1000.0);
}

void StreamStats::onLatency(std::int64_t drawnUs, std::int64_t decodedUs) {
  latencyMs_.push_back(static_cast<double>(decodedUs - drawnUs) / 1000.0);
}

void StreamStats::onAudioPacket(std::uint16_t sequence) {
  ++audioPackets_;
  if (lastAudioSequence_) {
    const auto missing = static_cast<std::uint16_t>(sequence - static_cast<std::uint16_t>(*lastAudioSequence_ + 1));
    if (missing != 0) {
      ++audioGaps_;
      audioLost_ += missing;
    }
  }
  lastAudioSequence_ = sequence;
}

double StreamStats::percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const double rank = std::ceil(p / 100.0 * static_cast<double>(values.size()));
  const auto index = static_cast<std::size_t>(std::clamp(rank, 1.0, static_cast<double>(values.size()))) - 1;
  return values[index];
}

StreamStats::Summary StreamStats::summary() const {
  Summary s;
  s.frames = frames_;
  s.keyFrames = keyFrames_;
  s.decodeErrors = decodeErrors_;
  s.videoBytes = videoBytes_;
  if (firstPacketUs_) s.seconds = static_cast<double>(lastPacketUs_ - *firstPacketUs_) / 1e6;
  // Rates over the span from the first to the last packet: n packets make n - 1 intervals.
  if (s.seconds > 0) {
    s.fps = frames_ > 1 ? static_cast<double>(frames_ - 1) / s.seconds : 0;
    s.bitrateKbps = static_cast<double>(videoBytes_) * 8.0 / 1000.0 / s.seconds;
  }
  s.decodeP50Ms = percentile(decodeMs_, 50);
  s.decodeP99Ms = percentile(decodeMs_, 99);
  s.latencySamples = latencyMs_.size();
  s.latencyP50Ms = percentile(latencyMs_, 50);
  s.latencyP99Ms = percentile(latencyMs_, 99);
  s.audioPackets = audioPackets_;
  s.audioGaps = audioGaps_;
  s.audioLostPackets = audioLost_;
  s.width = width_;
  s.height = height_;
  s.windowId = windowId_;
  s.streamId = streamId_;
  s.videoReconnects = reconnects_;
  s.framesAfterReconnect = reconnects_ > 0 ? frames_ - framesAtReconnect_ : 0;
  s.keyframeRequests = keyframeRequests_;
  s.streamStopped = streamStopped_;
  return s;
}

std::string StreamStats::toJson() const {
  const Summary s = summary();
  nlohmann::json j;
  j["frames"] = s.frames;
  j["keyFrames"] = s.keyFrames;
  j["decodeErrors"] = s.decodeErrors;
  j["videoBytes"] = s.videoBytes;
  j["seconds"] = s.seconds;
  j["fps"] = s.fps;
  j["bitrateKbps"] = s.bitrateKbps;
  j["decodeTimeMs"] = {{"p50", s.decodeP50Ms}, {"p99", s.decodeP99Ms}};
  j["latencyMs"] = {{"samples", s.latencySamples}, {"p50", s.latencyP50Ms}, {"p99", s.latencyP99Ms}};
  j["audioPackets"] = s.audioPackets;
  j["audioGaps"] = s.audioGaps;
  j["audioLostPackets"] = s.audioLostPackets;
  j["width"] = s.width;
  j["height"] = s.height;
  j["windowId"] = s.windowId;
  j["streamId"] = s.streamId;
  j["videoReconnects"] = s.videoReconnects;
  j["framesAfterReconnect"] = s.framesAfterReconnect;
  j["keyframeRequests"] = s.keyframeRequests;
  j["streamStopped"] = s.streamStopped;
  return j.dump(2) + "\n";
}

std::string StreamStats::toText() const {
  const Summary s = summary();
  std::string out = fmt::format(
      "frames {} (key frames {}, decode errors {}) in {:.2f} s: {:.1f} fps, {:.0f} kbit/s, {}x{}\n"
      "decode time p50 {:.2f} ms, p99 {:.2f} ms\n",
      s.frames, s.keyFrames, s.decodeErrors, s.seconds, s.fps, s.bitrateKbps, s.width, s.height, s.decodeP50Ms,
      s.decodeP99Ms);
  if (s.latencySamples > 0) {
    out += fmt::format("end-to-end latency p50 {:.2f} ms, p99 {:.2f} ms ({} samples)\n", s.latencyP50Ms, s.latencyP99Ms,
                       s.latencySamples);
  } else {
    out += "end-to-end latency: no time stamp in the picture\n";
  }
  out += fmt::format("audio packets {}, gaps {} ({} packets lost)\n", s.audioPackets, s.audioGaps, s.audioLostPackets);
  return out;
}

}  // namespace parvalon::viewer
