#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "ui/ConnectionStatus.h"

namespace parvalon::host {

// Measures what the status bar shows about the headset: frames and megabits per second sent on
// the video channel over the last second, the client's last reported round-trip time, and who
// the client is. Fed from the network and capture threads, read by the main loop.
class ConnectionStats {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  static constexpr const char* kDefaultClientName = "Meta Quest";
  static constexpr std::chrono::milliseconds kWindow{1000};
  // Bounds the frame record even when nobody asks for a snapshot (far above any real rate).
  static constexpr std::size_t kMaxRecordedFrames = 4096;

  // `clock` defaults to the steady clock; tests pass their own.
  explicit ConnectionStats(Clock clock = {});

  // A signaling client connected from `address`: the name and latency start over.
  void onClientConnected(const std::string& address);
  // The client's hello: `clientName` when non-empty, else `deviceName`, else the default name.
  void onClientHello(std::string_view clientName, std::string_view deviceName);
  void onClientDisconnected();
  // One video packet of `bytes` written to the video channel.
  void onVideoFrame(std::uint64_t bytes);
  // The round-trip time of the client's latest feedback.
  void onFeedback(std::uint16_t rttMs);

  // The figures for the dashboard; with `connected` false everything is empty or zero.
  ConnectionStatus snapshot(bool connected) const;

 private:
  struct Frame {
    std::chrono::steady_clock::time_point at;
    std::uint64_t bytes;
  };
  void dropOld(std::chrono::steady_clock::time_point now) const;

  Clock clock_;
  // Guards every field below; taken by the capture, video, signaling and main threads.
  mutable std::mutex mutex_;
  mutable std::deque<Frame> frames_;
  std::string clientName_ = kDefaultClientName;
  std::string clientAddress_;
  float latencyMs_ = 0.0f;
};

}  // namespace parvalon::host
