#pragma once

#include <atomic>
#include <cstdint>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "CommandLine.h"
#include "OpusAudioDecoder.h"
#include "RgbConverter.h"
#include "RgbImage.h"
#include "RttTracker.h"
#include "SignalingClient.h"
#include "StampReader.h"
#include "StreamStats.h"
#include "TcpConnection.h"
#include "VideoDecoder.h"
#include "VideoPacketGate.h"
#include "WavWriter.h"
#include "protocol/ClientMessages.h"

struct AVFrame;

namespace parvalon::viewer {

// Largest video packet accepted from the host; a longer length means the stream is out of
// step, not a picture.
inline constexpr std::uint32_t kMaxVideoPacketBytes = 64u << 20;
inline constexpr std::uint32_t kMaxAudioPacketBytes = 65536 + 12;
inline constexpr std::int64_t kFeedbackIntervalMs = 100;
inline constexpr std::int64_t kPingIntervalMs = 1000;

// Steady-clock (CLOCK_MONOTONIC) time, the clock the host and the test pattern stamp with.
std::int64_t monotonicMicros();

// The `stream` command: one subscribed window from hello to stream_stop.
class StreamSession {
 public:
  explicit StreamSession(ViewerOptions options);
  ~StreamSession();
  StreamSession(const StreamSession&) = delete;
  StreamSession& operator=(const StreamSession&) = delete;

  // Exit status: 0 when pictures were decoded and the stream stopped cleanly.
  int run(const std::atomic<bool>& interrupted);

 private:
  struct PendingConfig {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::vector<std::uint8_t>> parameterSets;
  };

  bool greet();
  std::optional<std::uint32_t> resolveWindow();
  bool subscribe(std::uint32_t windowId);
  bool awaitConfig(const std::atomic<bool>& interrupted);
  void handleSignaling(const nlohmann::json& message);
  void acceptConfig(const nlohmann::json& message);
  void stop();
  void finish();

  void videoLoop();
  bool readVideoPacket(std::vector<std::uint8_t>& packet);
  void reconnectVideo();
  void decodePackets(std::vector<VideoPacket> packets);
  void audioLoop();
  void sendFeedback();
  void sendInput(const protocol::InputEvent& event);
  void sendInputSteps();

  ViewerOptions options_;
  SignalingClient signaling_;
  TcpConnection video_;
  TcpConnection audio_;
  TcpConnection input_;
  std::uint32_t videoPort_ = 0;
  std::uint32_t audioPort_ = 0;
  std::uint32_t inputPort_ = 0;
  std::thread videoThread_;
  std::thread audioThread_;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> reconnectWanted_{false};
  std::atomic<bool> videoFailed_{false};
  std::atomic<int> streamId_{-1};
  std::atomic<std::uint64_t> decodedFrames_{0};
  std::atomic<std::uint32_t> lastDecodeMs_{0};
  RttTracker rtt_;  // main thread

  // Guards the fields below; taken by the main, video and audio threads.
  mutable std::mutex mutex_;
  StreamStats stats_;
  std::optional<PendingConfig> pendingConfig_;
  bool configSeen_ = false;
  RgbImage shown_;
  std::uint64_t shownSerial_ = 0;

  // Video thread only (read by the main thread after it is joined).
  VideoPacketGate gate_;
  VideoDecoder decoder_;
  StampReader stamps_;
  RgbConverter converter_;
  std::uint32_t configWidth_ = 0;
  std::uint32_t configHeight_ = 0;
  std::vector<std::uint8_t> parameterSetBytes_;
  std::ofstream record_;
  AVFrame* lastPicture_ = nullptr;

  // Audio thread only.
  OpusAudioDecoder opus_;
  WavWriter wav_;
};

}  // namespace parvalon::viewer
