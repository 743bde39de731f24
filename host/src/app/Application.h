#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include <vector>

#include "app/CongestionControl.h"
#include "app/PcmFrameBatcher.h"
#include "app/Settings.h"
#include "app/StreamPriorityBoost.h"
#include "protocol/DiscoveryMessages.h"
#include "protocol/WindowInfo.h"
#include "platform/SystemInfo.h"

namespace parvalon::protocol {
struct ClientFeedback;
}

namespace parvalon::host {

class AudioCapture;
class CaptureOrchestrator;
class DiscoveryResponder;
class OpusAudioEncoder;
class SignalingServer;
class TcpAudioServer;
class TcpInputServer;
class TcpTransportServer;

// Owns every subsystem of the host, brings them up and down in order and wires their
// callbacks. Created, driven and destroyed by the process entry on the main thread.
class Application {
 public:
  static constexpr std::uint16_t kDiscoveryPort = protocol::kDiscoveryPort;
  static constexpr const char* kFallbackHostName = "Parvalon Host";

  Application();
  // Tests pass a fake system and an orchestrator factory (null: the real ones).
  using OrchestratorFactory = std::function<std::unique_ptr<CaptureOrchestrator>()>;
  using AudioCaptureFactory = std::function<std::unique_ptr<AudioCapture>()>;
  // `discoveryPort` is the UDP port the responder binds (tests pass 0 for a free one); the
  // audio factory (null: the real loopback capture) lets tests script the captured audio.
  explicit Application(std::unique_ptr<platform::SystemInfo> system, OrchestratorFactory orchestratorFactory = {},
                       std::uint16_t discoveryPort = kDiscoveryPort, AudioCaptureFactory audioCaptureFactory = {});
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  bool initialize();
  void update();
  void shutdown();

  bool startCapture(std::uint32_t windowId, std::uint8_t streamId);
  void stopCapture(std::uint8_t streamId);

  bool applySettings(std::uint32_t targetBitrateKbps, std::uint32_t maxBitrateKbps, std::uint32_t fps);
  bool applySharpeningSettings(bool enabled, float sharpness);
  bool applyVSyncSettings(bool enabled);
  bool applyFullRangeColorSettings(bool enabled);
  void onDisplayChange();

  void handleResolutionChange(std::uint8_t streamId, std::uint32_t width, std::uint32_t height);

  std::string getEncoderName() const;
  std::vector<protocol::WindowInfo> getWindowList();
  bool isClientConnected() const;
  // The stream number audio packets are tagged with, when one is assigned.
  std::optional<std::uint8_t> audioStream() const;

  // The client path of a stream (signaling callbacks); public so they can be driven directly.
  bool onStreamRequest(std::uint32_t windowId, std::uint8_t streamId);
  void onStreamStop(std::uint8_t streamId);
  void onEncodedFrame(std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size, bool isKeyframe);
  void onClientFeedback(const protocol::ClientFeedback& feedback);
  void onKeyframeRequest(std::uint8_t streamId);
  // Client streams currently registered (stream -> window).
  std::unordered_map<std::uint8_t, std::uint32_t> clientStreams();

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  bool isRunning() const { return running_.load(); }

  std::string gpuName;
  std::uint64_t vramMB = 0;

 private:
  void boostStreamingPriority(std::uint8_t streamId);
  // Priority and audio bookkeeping of a stream that ended (stopped or its window gone).
  void releaseStream(std::uint8_t streamId);
  // Client streams whose session the orchestrator removed get the bookkeeping of a stop.
  void releaseEndedClientStreams();
  // Makes streamId the audio stream when none is assigned and audio is capturing.
  void assignAudioStream(std::uint8_t streamId);
  std::string discoveryHostName();
  bool initializeAudio();
  // Capture thread: batches the device's packets into Opus frames for the audio stream.
  void audioPump(const std::int16_t* samples, std::uint32_t frames, std::uint32_t sampleRate,
                 std::uint32_t channels);
  // Stops the capture thread and releases the capture and the encoder.
  void releaseAudio();
  bool startNetwork();
  void installCallbacks();
  // Broadcasts the stream's decoder configuration when it has not been sent since the stream
  // started or changed size. Called with stateMutex_ held.
  void sendStreamConfigIfDue(std::uint8_t streamId);

  Settings settings_;
  std::unique_ptr<platform::SystemInfo> system_;
  OrchestratorFactory orchestratorFactory_;
  AudioCaptureFactory audioCaptureFactory_;
  std::unique_ptr<CaptureOrchestrator> captureOrchestrator_;
  std::unique_ptr<AudioCapture> audioCapture_;
  std::unique_ptr<OpusAudioEncoder> opusEncoder_;
  std::unique_ptr<SignalingServer> signalingServer_;
  std::unique_ptr<TcpTransportServer> transportServer_;
  std::unique_ptr<TcpAudioServer> audioServer_;
  std::unique_ptr<TcpInputServer> inputServer_;
  std::unique_ptr<DiscoveryResponder> discoveryResponder_;
  std::uint16_t discoveryPort_;
  // Guards signalingServer_ and transportServer_ against release during shutdown while the
  // orchestrator's capture threads still deliver frames; taken by those threads (inside the
  // orchestrator's lock, before stateMutex_) and by shutdown.
  std::mutex networkMutex_;
  StreamPriorityBoost priorityBoost_;

  PcmFrameBatcher pcmBuffer_;
  std::atomic<bool> running_{false};
  // Written by the stream start and stop paths (under audioAssignMutex_, so two starts cannot
  // both claim the audio), read lock-free by the audio capture thread.
  std::atomic<std::uint8_t> audioStreamId_{0};
  std::atomic<bool> audioStreamAssigned_{false};
  std::mutex audioAssignMutex_;

  // Guards streamConfigSent_, streamWindows_ and congestion-control commits; taken by the
  // signaling, video, input and capture threads and by the main thread.
  std::mutex stateMutex_;
  std::unordered_map<std::uint8_t, bool> streamConfigSent_;
  std::unordered_map<std::uint8_t, std::uint32_t> streamWindows_;
  CongestionControl congestion_;

  // Statistics of the encoded-frame path; serialised by the orchestrator's lock.
  std::uint64_t frameCounter_ = 0;
  std::uint32_t keyframeCounter_ = 0;
};

}  // namespace parvalon::host
