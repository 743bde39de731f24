#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include <vector>

#include "app/ClientApproval.h"
#include "app/CongestionControl.h"
#include "app/PcmFormatConverter.h"
#include "app/PcmFrameBatcher.h"
#include "app/Settings.h"
#include "app/StreamPriorityBoost.h"
#include "network/SignalingCallbacks.h"
#include "protocol/DiscoveryMessages.h"
#include "protocol/WindowInfo.h"
#include "platform/SystemInfo.h"
#include "app/ConnectionStats.h"
#include "ui/ConnectionStatus.h"
#include "ui/TrustView.h"

namespace parvalon::protocol {
struct ClientFeedback;
struct ClientInput;
struct InputEvent;
}  // namespace parvalon::protocol

namespace parvalon::host::platform {
class InputSink;
class ScreenChangeWatcher;
class WindowSystem;
}  // namespace parvalon::host::platform

namespace parvalon::host {

class AudioCapture;
class CaptureOrchestrator;
class DiscoveryResponder;
class FocusManager;
class InputInjector;
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
  // How long the streams of a session that ended wait for their client to come back.
  static constexpr std::chrono::seconds kSessionGrace{10};

  using OrchestratorFactory = std::function<std::unique_ptr<CaptureOrchestrator>()>;
  using AudioCaptureFactory = std::function<std::unique_ptr<AudioCapture>()>;
  using SteadyNow = std::function<CongestionControl::Clock::time_point()>;
  // Where client input goes; a null member takes the desktop's own.
  struct InputSeams {
    std::shared_ptr<platform::WindowSystem> windowSystem;
    std::shared_ptr<platform::InputSink> sink;
    std::function<std::unique_ptr<platform::ScreenChangeWatcher>(std::function<void()> onChange)> screenWatcher;
  };
  // What the application runs on. Every member left as it is takes the real one; tests put
  // fakes in the ones they script. (Each has an initialiser so that a designated list may
  // leave it out without a missing-initialiser warning.)
  struct Dependencies {
    std::unique_ptr<platform::SystemInfo> system{};  // null: this machine's
    OrchestratorFactory orchestratorFactory{};       // null: the real capture and encoders
    // The UDP port the discovery responder binds (tests pass 0 for a free one).
    std::uint16_t discoveryPort = kDiscoveryPort;
    AudioCaptureFactory audioCaptureFactory{};  // null: the real loopback capture
    // The clock of congestion control and the connection figures (null: the steady clock);
    // tests drive it by hand.
    SteadyNow clock{};
    InputSeams input{};
  };

  Application();
  explicit Application(Dependencies dependencies);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  bool initialize();
  void update();
  void shutdown();

  // A stream the operator starts from the dashboard, numbered by the one allocator that also
  // numbers the clients' streams; nullopt when it does not start.
  std::optional<std::uint8_t> startCapture(std::uint32_t windowId);
  void stopCapture(std::uint8_t streamId);

  bool applySettings(std::uint32_t targetBitrateKbps, std::uint32_t maxBitrateKbps, std::uint32_t fps);
  bool applySharpeningSettings(bool enabled, float sharpness);
  bool applyVSyncSettings(bool enabled);
  bool applyFullRangeColorSettings(bool enabled);
  void onDisplayChange();

  void handleResolutionChange(std::uint8_t streamId, std::uint32_t width, std::uint32_t height);
  bool handleWindowResize(std::uint32_t windowId, std::uint32_t width, std::uint32_t height);

  // Client input (the input channel and input messages on the video channel), routed to the
  // stream's window; public so they can be driven directly.
  // `connection`: the channel's number for the connection the input came on (0: none).
  void onInputEvent(const protocol::InputEvent& event, std::uint64_t connection = 0);
  void onClientInput(const protocol::ClientInput& input, std::uint64_t connection = 0);
  // A connection of the input or video channel ended or was replaced: what it pressed is let go.
  void onInputConnectionGone(std::uint64_t connection);
  // A signaling session ended: input pressed for the streams it owned is let go, on whichever
  // connection it came; another session's end (no streams) touches nothing.
  void onSignalingSessionGone(const std::vector<std::uint8_t>& ownedStreams);

  std::string getEncoderName() const;
  std::vector<protocol::WindowInfo> getWindowList();
  bool isClientConnected() const;
  // What the dashboard shows about the headset, measured (empty while no client is connected).
  ConnectionStatus connectionStatus() const { return stats_.snapshot(isClientConnected()); }
  // Whether the display server offers what window capture needs.
  bool captureSupported() const;
  // The stream number audio packets are tagged with, when one is assigned.
  std::optional<std::uint8_t> audioStream() const;

  // The client path of a stream (signaling callbacks); public so they can be driven directly.
  // A session acts only on the streams it started and their windows.
  StreamStartResult onStreamRequest(std::uint32_t windowId, const SignalingClient& client);
  void onStreamStop(std::uint8_t streamId, const SignalingClient& client);
  void onClientHello(const SignalingClient& client, const protocol::ClientHello& hello);
  // Who may use the host (signaling callbacks and the channels' gate); public so they can be
  // driven directly. A session is approved once its client is trusted.
  void onSessionOpened(const SignalingClient& client);
  SessionAdmission admission(const SignalingClient& client) const;
  bool addressApproved(const std::string& address) const;

  // The operator's answers on the dashboard. Allow trusts the waiting client and sends its
  // sessions a fresh window list (false when no such client waits); Deny closes its sessions and
  // ignores it for a minute; Remove takes a client off the list and closes what it let in.
  bool allowClient(std::uint64_t sessionId);
  void denyClient(std::uint64_t sessionId);
  void removeTrustedClient(const std::string& address, const std::string& clientName);
  // What the dashboard shows about waiting and trusted clients.
  TrustView trustView() const;
  // A client that closed its session is done: its streams stop. One whose connection broke
  // keeps them for kSessionGrace, for the same client to resume them.
  void onSessionEnded(const SignalingClient& client, bool clientClosed);
  bool onWindowResizeRequest(std::uint32_t windowId, std::uint32_t width, std::uint32_t height,
                             const SignalingClient& client);
  void onClientKeyframeRequest(std::uint8_t streamId, const SignalingClient& client);
  void onEncodedFrame(std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size, bool isKeyframe);
  void onClientFeedback(const protocol::ClientFeedback& feedback);
  void onKeyframeRequest(std::uint8_t streamId);
  // Client streams currently registered (stream -> window).
  std::unordered_map<std::uint8_t, std::uint32_t> clientStreams();
  // Every running stream, whoever started it.
  struct StreamedWindow {
    std::uint8_t streamId = 0;
    std::uint32_t windowId = 0;
    bool fromDashboard = false;
  };
  std::vector<StreamedWindow> streamedWindows();

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  bool isRunning() const { return running_.load(); }

  std::string gpuName;
  std::uint64_t vramMB = 0;

 private:
  enum class StreamOwner : std::uint8_t { Dashboard, Client };

  // One stream's bookkeeping, from its start request until it ends for any reason. Client
  // streams get a stream_config, adopt the congestion-control bitrate and count for the
  // priority boost; dashboard streams get a stream_config only after a size change.
  struct StreamRecord {
    std::uint32_t windowId = 0;
    StreamOwner owner = StreamOwner::Dashboard;
    bool configDue = false;           // stream_config goes out with the next key frame that has parameter sets
    bool countedForPriority = false;  // holds one count of priorityBoost_
    bool carriesAudio = false;        // audio packets are tagged with this stream's number
    bool captureStarted = false;      // false while the orchestrator is still starting the capture
    std::uint64_t generation = 0;     // tells a stream from an earlier one of the same number
    // A client stream's owner: its session (0 once that session ended) and who it was, so that
    // the same client coming back within the grace period takes the stream over again.
    std::uint64_t ownerSession = 0;
    std::string ownerAddress;
    std::string ownerName;
    std::optional<CongestionControl::Clock::time_point> orphanedUntil;
  };
  // What a signaling session said about itself in its hello.
  struct ClientIdentity {
    std::string address;
    std::string clientName;
    std::string deviceName;
  };
  struct StreamRef {
    std::uint8_t streamId;
    std::uint64_t generation;
  };

  // The start path of both owners: numbers the stream and makes its record before the capture
  // runs, so the first key frame (which may be encoded before startCapture returns) finds it.
  // LimitReached or Failed (and no record) when the stream does not start.
  StreamStartResult startStream(std::uint32_t windowId, StreamOwner owner, const SignalingClient* client);
  // The next stream number not in use (1, 2, …, 255, 0, 1, …); nullopt when all are. stateMutex_ held.
  std::optional<std::uint8_t> allocateStreamIdLocked();
  // Stops the streams whose session ended longer than kSessionGrace ago.
  void stopOrphanedStreams();
  // The dashboard names the client that owns the streams. stateMutex_ held.
  void showClientLocked(const std::string& address, const std::string& clientName, const std::string& deviceName);
  // The one end of every stream (client stop, dashboard stop, session gone, window closed):
  // forgets the record, its priority count and its audio role. With a generation, only that
  // incarnation of the stream number is released.
  void releaseStream(std::uint8_t streamId, std::optional<std::uint64_t> generation = std::nullopt);
  // Streams that the orchestrator no longer holds (their window closed) end here.
  void releaseEndedStreams();
  // The record's streams, taken under stateMutex_ so that the caller can call the orchestrator
  // after releasing it (the frame path holds the orchestrator's lock while it takes stateMutex_).
  std::vector<StreamRef> streamSnapshot(bool clientOnly, bool startedOnly);
  void updateClientBitrates(std::uint32_t targetKbps, std::uint32_t maxKbps);
  // Makes streamId's record the audio carrier when none is and audio is capturing. stateMutex_ held.
  void assignAudioStreamLocked(StreamRecord& record, std::uint8_t streamId);
  std::string discoveryHostName();
  bool initializeAudio();
  // The trust list beside the settings and the approval rules of the settings.
  void initializeApproval();
  // Registers an approved session's identity and shows it when no other client owns streams.
  // stateMutex_ held.
  void admitSessionLocked(const SignalingClient& client, const std::string& clientName, const std::string& deviceName);
  // Capture thread: batches the device's packets into Opus frames for the audio stream.
  void audioPump(const std::int16_t* samples, std::uint32_t frames, std::uint32_t sampleRate,
                 std::uint32_t channels);
  // Ends audio for good: no stream is assigned from now on, then the capture thread stops and
  // the capture and the encoder are released.
  void releaseAudio();
  bool startNetwork();
  // The input side: the injector and the focus manager, whose failures are logged as they
  // happen, and the screen watcher. Made before the servers start, which hand it client input.
  bool initializeInput();
  // Points the injector at the stream's window and returns it; kNoWindow (the injector keeps
  // its target) for a stream that is not running.
  std::uint32_t retargetInput(std::uint8_t streamId);
  void installCallbacks();
  // Broadcasts the stream's decoder configuration when it is due. Capture thread, with the
  // orchestrator's lock and networkMutex_ held.
  void sendStreamConfigIfDue(std::uint8_t streamId);

  std::unique_ptr<platform::SystemInfo> system_;
  Settings settings_;  // in system_'s data folder
  OrchestratorFactory orchestratorFactory_;
  AudioCaptureFactory audioCaptureFactory_;
  SteadyNow clock_;
  std::unique_ptr<CaptureOrchestrator> captureOrchestrator_;
  std::unique_ptr<AudioCapture> audioCapture_;
  std::unique_ptr<OpusAudioEncoder> opusEncoder_;
  // The input side outlives the servers that call it (members go in reverse order).
  InputSeams inputSeams_;
  std::unique_ptr<InputInjector> inputInjector_;
  std::unique_ptr<FocusManager> focusManager_;
  std::unique_ptr<platform::ScreenChangeWatcher> screenWatcher_;
  // Made in initialize before the servers that ask it; declared before them so that it goes after.
  std::unique_ptr<ClientApproval> approval_;
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

  PcmFormatConverter pcmConverter_;
  PcmFrameBatcher pcmBuffer_;
  std::atomic<bool> running_{false};
  // Mirror of the carrying record for the audio capture thread, which reads it lock-free;
  // written under stateMutex_.
  std::atomic<std::uint8_t> audioStreamId_{0};
  std::atomic<bool> audioStreamAssigned_{false};

  // Guards streams_, nextGeneration_, nextStreamId_, clients_, audioReleased_ and the priority count; taken by the
  // signaling, video, input and capture threads and by the main thread. Innermost: nothing
  // calls the orchestrator or a server while holding it.
  std::mutex stateMutex_;
  std::unordered_map<std::uint8_t, StreamRecord> streams_;
  std::uint64_t nextGeneration_ = 0;
  std::uint8_t nextStreamId_ = 1;
  std::unordered_map<std::uint64_t, ClientIdentity> clients_;  // signaling sessions that said hello
  // Set once audio is being released (shutdown, failed start): no stream is assigned after it,
  // so audioCapture_ is never read while it goes away.
  bool audioReleased_ = false;
  CongestionControl congestion_;
  // The measured connection figures; fed by the signaling, video and capture threads.
  ConnectionStats stats_;
  bool clientWasConnected_ = false;  // main thread: notices the last client leaving

  // Statistics of the encoded-frame path; serialised by the orchestrator's lock.
  std::uint64_t frameCounter_ = 0;
  std::uint32_t keyframeCounter_ = 0;
};

}  // namespace parvalon::host
