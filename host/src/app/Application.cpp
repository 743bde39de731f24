#include "app/Application.h"

#include <algorithm>

#include "audio/AudioCapture.h"
#include "audio/OpusAudioEncoder.h"
#include "protocol/Base64.h"
#include "capture/CaptureOrchestrator.h"
#include "input/FocusManager.h"
#include "input/InputInjector.h"
#include "platform/ScreenChangeWatcher.h"
#include "logging/Log.h"
#include "protocol/ClientMessages.h"
#include "protocol/PacketHeaders.h"
#include "network/DiscoveryResponder.h"
#include "network/SignalingServer.h"
#include "network/TcpAudioServer.h"
#include "network/TcpInputServer.h"
#include "network/TcpTransportServer.h"

namespace parvalon::host {
namespace {

constexpr std::size_t kOpusFrameSize = 480;  // 10 ms at 48 kHz
constexpr std::size_t kAudioChannels = 2;
constexpr std::size_t kPcmReserveFrames = 4;

const char* boolText(bool value) { return value ? "true" : "false"; }

// The address the servers bind: empty for every interface.
std::string listenAddress(const Settings& settings) {
  return settings.bindAddress == Settings::kDefaultBindAddress ? std::string() : settings.bindAddress;
}

}  // namespace

Application::Application() : Application(Dependencies{}) {}

Application::Application(Dependencies dependencies)
    : system_(dependencies.system ? std::move(dependencies.system) : platform::SystemInfo::create()),
      settings_(system_->localAppDataFolder()),
      orchestratorFactory_(std::move(dependencies.orchestratorFactory)),
      audioCaptureFactory_(std::move(dependencies.audioCaptureFactory)),
      clock_(dependencies.clock ? std::move(dependencies.clock)
                                : SteadyNow([] { return CongestionControl::Clock::now(); })),
      inputSeams_(std::move(dependencies.input)),
      discoveryPort_(dependencies.discoveryPort),
      priorityBoost_(*system_),
      pcmBuffer_(kOpusFrameSize * kAudioChannels, kPcmReserveFrames * kOpusFrameSize * kAudioChannels),
      stats_([this] { return clock_(); }) {}

Application::~Application() {
  if (running_.load()) shutdown();
  // After a failed start the capture thread may still run: it must end before the encoder,
  // the audio server and the PCM buffer it uses are released.
  releaseAudio();
}

bool Application::initialize() {
  PV_LOG_INFO("Initializing application subsystems...");
  if (!settings_.load()) {
    PV_LOG_WARN("Failed to load settings, using defaults");
    settings_.resetToDefaults();
  }

  initializeApproval();

  PV_LOG_INFO("Initializing capture system...");
  captureOrchestrator_ = orchestratorFactory_ ? orchestratorFactory_() : std::make_unique<CaptureOrchestrator>();
  if (!captureOrchestrator_ || !captureOrchestrator_->initialize()) {
    PV_LOG_ERROR("Failed to initialize capture orchestrator");
    return false;
  }
  PV_LOG_INFO("Using {} encoder", captureOrchestrator_->getEncoderName());
  captureOrchestrator_->setBitrate(settings_.targetBitrate, settings_.maxBitrate);
  captureOrchestrator_->setTargetFps(settings_.targetFps);
  PV_LOG_INFO("Encoder defaults set: {} kbps, {} fps", settings_.targetBitrate.load(), settings_.targetFps.load());
  captureOrchestrator_->setSharpeningEnabled(settings_.sharpeningEnabled);
  captureOrchestrator_->setSharpness(settings_.sharpness);
  captureOrchestrator_->setVSyncEnabled(settings_.vsyncEnabled);
  captureOrchestrator_->setFullRangeColor(settings_.fullRangeColor);
  gpuName = captureOrchestrator_->gpuName;
  vramMB = captureOrchestrator_->vramMB;
  if (!initializeInput()) return false;

  if (!initializeAudio()) PV_LOG_WARN("Audio capture not available");

  if (!startNetwork()) return false;
  installCallbacks();

  PV_LOG_INFO("Initializing discovery responder on port {}...", kDiscoveryPort);
  discoveryResponder_ = std::make_unique<DiscoveryResponder>(discoveryHostName(), settings_.signalingPort,
                                                             discoveryPort_, listenAddress(settings_));
  if (!discoveryResponder_->start()) {
    PV_LOG_WARN("Failed to start discovery responder - clients must connect manually");
  }

  PV_LOG_INFO("All subsystems initialized successfully");
  PV_LOG_INFO("Signaling: ws://localhost:{}", settings_.signalingPort);
  PV_LOG_INFO("Video:     tcp://localhost:{}", settings_.videoPort);
  PV_LOG_INFO("Audio:     tcp://localhost:{}", settings_.audioPort);
  PV_LOG_INFO("Input:     tcp://localhost:{}", settings_.inputPort);
  PV_LOG_INFO("Discovery: udp://broadcast:{}", kDiscoveryPort);
  running_ = true;
  return true;
}

bool Application::initializeAudio() {
  PV_LOG_INFO("Initializing audio capture...");
  audioCapture_ = audioCaptureFactory_ ? audioCaptureFactory_() : std::make_unique<AudioCapture>();
  AudioCaptureConfig captureConfig;
  captureConfig.sampleRate = 48000;
  captureConfig.channels = kAudioChannels;
  captureConfig.bitsPerSample = 16;
  captureConfig.loopback = settings_.audioCaptureLoopback();
  if (!audioCapture_ || !audioCapture_->initialize(captureConfig)) {
    PV_LOG_WARN("Failed to initialize audio capture");
    audioCapture_.reset();
    return false;
  }
  opusEncoder_ = std::make_unique<OpusAudioEncoder>();
  OpusConfig opusConfig;
  opusConfig.sampleRate = 48000;
  opusConfig.channels = kAudioChannels;
  opusConfig.bitrate = 128000;
  opusConfig.frameSize = kOpusFrameSize;
  opusConfig.complexity = 5;
  opusConfig.lowDelay = true;
  if (!opusEncoder_->initialize(opusConfig)) {
    PV_LOG_WARN("Failed to initialize Opus encoder");
    releaseAudio();
    return false;
  }
  pcmBuffer_.clear();
  const bool started = audioCapture_->start(
      [this](const std::int16_t* samples, std::uint32_t frames, std::uint32_t sampleRate, std::uint32_t channels) {
        audioPump(samples, frames, sampleRate, channels);
      });
  if (!started) {
    PV_LOG_WARN("Failed to start audio capture");
    releaseAudio();
    return false;
  }
  PV_LOG_INFO("Audio capture started");
  return true;
}

void Application::audioPump(const std::int16_t* samples, std::uint32_t frames, std::uint32_t sampleRate,
                            std::uint32_t channels) {
  // Reading the assignment first orders the rest: a stream is assigned only after every server
  // exists, and the capture is stopped before the encoder goes.
  if (!audioStreamAssigned_.load() || !opusEncoder_ || !audioServer_) return;
  const auto streamId = audioStreamId_.load();
  const int frameSize = opusEncoder_->frameSize();
  std::size_t count = static_cast<std::size_t>(frames) * channels;
  if (!PcmFormatConverter::passesThrough(sampleRate, channels)) {
    const auto& converted = pcmConverter_.convert(samples, frames, sampleRate, channels);
    samples = converted.data();
    count = converted.size();
  }
  pcmBuffer_.push(samples, count,
                  [&](const std::int16_t* frame, std::size_t) {
                    const auto packet = opusEncoder_->encode(frame, frameSize);
                    if (!packet.empty()) audioServer_->sendAudioData(streamId, packet.data(), packet.size());
                  });
}

void Application::releaseAudio() {
  {
    // After this no stream start reads audioCapture_, which goes away below.
    std::lock_guard lock(stateMutex_);
    audioReleased_ = true;
    audioStreamAssigned_ = false;
    for (auto& [streamId, record] : streams_) record.carriesAudio = false;
  }
  if (audioCapture_) {
    audioCapture_->stop();
    audioCapture_.reset();
  }
  if (opusEncoder_) {
    opusEncoder_->destroy();
    opusEncoder_.reset();
  }
}

std::optional<std::uint8_t> Application::audioStream() const {
  if (!audioStreamAssigned_.load()) return std::nullopt;
  return audioStreamId_.load();
}

bool Application::startNetwork() {
  const protocol::TransportPorts ports{settings_.videoPort, settings_.audioPort,
                                       settings_.inputPort};
  PV_LOG_INFO("Initializing signaling server on port {}...", settings_.signalingPort);
  SignalingLimits limits;
  limits.allowedOrigins = settings_.allowedOrigins;
  limits.bindAddress = listenAddress(settings_);
  limits.requiresAuth = settings_.requirePin;
  if (!limits.bindAddress.empty()) PV_LOG_INFO("Listening on {} only", limits.bindAddress);
  auto signaling = std::make_unique<SignalingServer>(settings_.signalingPort, ports, limits);
  const bool signalingStarted = signaling->start();
  {
    std::lock_guard lock(networkMutex_);
    signalingServer_ = std::move(signaling);
  }
  if (!signalingStarted) {
    PV_LOG_ERROR("Failed to start signaling server");
    return false;
  }

  PV_LOG_INFO("Initializing TCP transport server on port {}...", settings_.videoPort);
  // The channels serve only an address whose signaling session the operator approved; the gate
  // is in place before the first connection can arrive.
  const auto approvedOnly = [this](const std::string& address) { return addressApproved(address); };
  auto transport = std::make_unique<TcpTransportServer>(settings_.videoPort, listenAddress(settings_));
  transport->setConnectionFilter(approvedOnly);
  const bool transportStarted = transport->start();
  {
    std::lock_guard lock(networkMutex_);
    transportServer_ = std::move(transport);
  }
  if (!transportStarted) {
    PV_LOG_ERROR("Failed to start TCP transport server");
    return false;
  }
  transportServer_->setKeyframeRequestCallback([this](std::uint8_t streamId) { onKeyframeRequest(streamId); });

  PV_LOG_INFO("Initializing TCP audio server on port {}...", settings_.audioPort);
  audioServer_ = std::make_unique<TcpAudioServer>(settings_.audioPort, listenAddress(settings_));
  audioServer_->setConnectionFilter(approvedOnly);
  if (!audioServer_->start()) {
    PV_LOG_ERROR("Failed to start TCP audio server");
    return false;
  }

  PV_LOG_INFO("Initializing TCP input server on port {}...", settings_.inputPort);
  inputServer_ = std::make_unique<TcpInputServer>(settings_.inputPort, listenAddress(settings_));
  inputServer_->setConnectionFilter(approvedOnly);
  if (!inputServer_->start()) {
    PV_LOG_ERROR("Failed to start TCP input server");
    return false;
  }
  inputServer_->setInputEventCallback(
      [this](const protocol::InputEvent& event, std::uint64_t connection) { onInputEvent(event, connection); });
  inputServer_->setDisconnectCallback([this](std::uint64_t connection) { onInputConnectionGone(connection); });
  return true;
}

void Application::installCallbacks() {
  signalingServer_->setWindowListCallback([this] { return getWindowList(); });
  signalingServer_->setStreamRequestCallback(
      [this](std::uint32_t windowId, const SignalingClient& client) { return onStreamRequest(windowId, client); });
  signalingServer_->setStreamStopCallback(
      [this](std::uint8_t streamId, const SignalingClient& client) { onStreamStop(streamId, client); });
  signalingServer_->setWindowResizeCallback(
      [this](std::uint32_t windowId, std::uint32_t width, std::uint32_t height, const SignalingClient& client) {
        return onWindowResizeRequest(windowId, width, height, client);
      });
  signalingServer_->setKeyframeRequestCallback(
      [this](std::uint8_t streamId, const SignalingClient& client) { onClientKeyframeRequest(streamId, client); });
  signalingServer_->setClientConnectedCallback(
      [this](const SignalingClient& client, const protocol::ClientHello& hello) { onClientHello(client, hello); });
  signalingServer_->setSessionOpenedCallback([this](const SignalingClient& client) { onSessionOpened(client); });
  signalingServer_->setAdmissionCallback([this](const SignalingClient& client) { return admission(client); });
  signalingServer_->setSessionEndedCallback(
      [this](const SignalingClient& client, bool clientClosed) { onSessionEnded(client, clientClosed); });
  captureOrchestrator_->setFrameCallback(
      [this](std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size, bool isKeyframe) {
        onEncodedFrame(streamId, data, size, isKeyframe);
      });
  captureOrchestrator_->setResolutionChangeCallback(
      [this](std::uint8_t streamId, std::uint32_t width, std::uint32_t height) {
        handleResolutionChange(streamId, width, height);
      });
  transportServer_->setFeedbackCallback(
      [this](const protocol::ClientFeedback& feedback) { onClientFeedback(feedback); });
  transportServer_->setClientInputCallback(
      [this](const protocol::ClientInput& input, std::uint64_t connection) { onClientInput(input, connection); });
  transportServer_->setClientGoneCallback([this](std::uint64_t connection) { onInputConnectionGone(connection); });
}

void Application::update() {
  if (captureOrchestrator_) {
    captureOrchestrator_->update();
    releaseEndedStreams();
    stopOrphanedStreams();
  }
  if (signalingServer_) signalingServer_->poll();
  const bool connected = isClientConnected();
  if (clientWasConnected_ && !connected) stats_.onClientDisconnected();
  clientWasConnected_ = connected;
  if (transportServer_) transportServer_->poll();
}

std::vector<Application::StreamRef> Application::streamSnapshot(bool clientOnly, bool startedOnly) {
  std::vector<StreamRef> streams;
  std::lock_guard lock(stateMutex_);
  for (const auto& [streamId, record] : streams_) {
    if (clientOnly && record.owner != StreamOwner::Client) continue;
    if (startedOnly && !record.captureStarted) continue;
    streams.push_back({streamId, record.generation});
  }
  return streams;
}

void Application::releaseEndedStreams() {
  for (const auto& stream : streamSnapshot(false, true)) {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (captureOrchestrator_->getStreamResolution(stream.streamId, width, height)) continue;
    PV_LOG_INFO("Stream {} ended: its capture session is gone", stream.streamId);
    releaseStream(stream.streamId, stream.generation);
  }
}

void Application::updateClientBitrates(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  for (const auto& stream : streamSnapshot(true, false)) {
    captureOrchestrator_->updateStreamBitrate(stream.streamId, targetKbps, maxKbps);
  }
}

void Application::shutdown() {
  PV_LOG_INFO("Shutting down application...");
  running_ = false;
  releaseAudio();
  // Capture threads may still deliver frames until the orchestrator stops: each server is
  // stopped first (a blocked video write gives up), then released under networkMutex_, and
  // the frame path drops what arrives after that.
  if (transportServer_) {
    transportServer_->stop();
    std::lock_guard lock(networkMutex_);
    transportServer_.reset();
  }
  if (signalingServer_) {
    signalingServer_->stop();
    std::lock_guard lock(networkMutex_);
    signalingServer_.reset();
  }
  if (captureOrchestrator_) {
    captureOrchestrator_->shutdown();
    captureOrchestrator_.reset();
  }
  if (discoveryResponder_) {
    discoveryResponder_->stop();
    discoveryResponder_.reset();
  }
  // The input server's thread calls the injector and the focus manager: it ends first.
  if (inputServer_) inputServer_->stop();
  screenWatcher_.reset();
  if (focusManager_) {
    focusManager_->restoreFocus();
    focusManager_.reset();
  }
  inputInjector_.reset();
  PV_LOG_INFO("Application shutdown complete");
}

std::optional<std::uint8_t> Application::startCapture(std::uint32_t windowId) {
  if (!captureOrchestrator_) {
    PV_LOG_ERROR("Capture orchestrator not initialized");
    return std::nullopt;
  }
  const auto result = startStream(windowId, StreamOwner::Dashboard, nullptr);
  if (result.status != StreamStartResult::Status::Started) return std::nullopt;
  PV_LOG_INFO("Started capture for window {} on stream {}", windowId, result.streamId);
  return result.streamId;
}

void Application::stopCapture(std::uint8_t streamId) {
  if (!captureOrchestrator_) return;
  captureOrchestrator_->stopCapture(streamId);
  PV_LOG_INFO("Stopped capture for stream {}", streamId);
  releaseStream(streamId);
}

std::optional<std::uint8_t> Application::allocateStreamIdLocked() {
  for (int tried = 0; tried < 256; ++tried) {
    const std::uint8_t candidate = nextStreamId_++;
    if (streams_.find(candidate) == streams_.end()) return candidate;
  }
  return std::nullopt;
}

StreamStartResult Application::startStream(std::uint32_t windowId, StreamOwner owner, const SignalingClient* client) {
  StreamStartResult result;
  std::uint64_t generation = 0;
  {
    std::lock_guard lock(stateMutex_);
    if (streams_.size() >= settings_.maxStreams) {
      PV_LOG_WARN("Stream limit reached ({} streams running), refusing a stream of window {:x}", streams_.size(),
                  windowId);
      result.status = StreamStartResult::Status::LimitReached;
      return result;
    }
    const auto streamId = allocateStreamIdLocked();
    if (!streamId) return result;
    StreamRecord record;
    record.windowId = windowId;
    record.owner = owner;
    record.configDue = owner == StreamOwner::Client;
    record.generation = generation = ++nextGeneration_;
    if (client) {
      record.ownerSession = client->sessionId;
      record.ownerAddress = client->address;
      const auto known = clients_.find(client->sessionId);
      if (known != clients_.end()) record.ownerName = known->second.clientName;
    }
    streams_[*streamId] = record;
    result.streamId = *streamId;
  }
  if (owner == StreamOwner::Client) {
    PV_LOG_INFO("Stream request: windowId={:x}, streamId={}", windowId, result.streamId);
  }
  if (!captureOrchestrator_->startCapture(windowId, result.streamId)) {
    releaseStream(result.streamId, generation);
    return result;
  }
  result.status = StreamStartResult::Status::Started;
  std::lock_guard lock(stateMutex_);
  const auto it = streams_.find(result.streamId);
  if (it == streams_.end() || it->second.generation != generation) return result;  // already stopped
  StreamRecord& record = it->second;
  record.captureStarted = true;
  if (owner == StreamOwner::Client) {
    // The operator's own streams are no input targets: the headset's clicks stay in its window.
    if (inputInjector_) inputInjector_->setTargetWindow(windowId);
    record.countedForPriority = true;
    priorityBoost_.streamStarted();
    const auto known = clients_.find(record.ownerSession);
    if (known != clients_.end()) {
      showClientLocked(known->second.address, known->second.clientName, known->second.deviceName);
    } else {
      showClientLocked(record.ownerAddress, "", "");
    }
  }
  assignAudioStreamLocked(record, result.streamId);
  return result;
}

void Application::releaseStream(std::uint8_t streamId, std::optional<std::uint64_t> generation) {
  std::lock_guard lock(stateMutex_);
  const auto it = streams_.find(streamId);
  if (it == streams_.end() || (generation && it->second.generation != *generation)) return;
  if (it->second.countedForPriority) priorityBoost_.streamStopped();
  if (it->second.carriesAudio) audioStreamAssigned_ = false;
  streams_.erase(it);
}

void Application::assignAudioStreamLocked(StreamRecord& record, std::uint8_t streamId) {
  // Audio packets carry the number of one video stream; without audio capture none is chosen.
  if (record.carriesAudio || audioStreamAssigned_.load() || audioReleased_) return;
  if (!audioCapture_ || !audioCapture_->isCapturing()) return;
  record.carriesAudio = true;
  audioStreamId_ = streamId;
  audioStreamAssigned_ = true;
  PV_LOG_INFO("Audio is carried by stream {}", streamId);
}

void Application::onEncodedFrame(std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size,
                                 bool isKeyframe) {
  std::lock_guard network(networkMutex_);
  if (!transportServer_) return;  // shutting down: the transport is gone
  if (isKeyframe) sendStreamConfigIfDue(streamId);
  if (transportServer_->sendVideoFrame(streamId, data, static_cast<std::size_t>(size), isKeyframe)) {
    stats_.onVideoFrame(size + protocol::kVideoPacketHeaderBytes);
  }
  ++frameCounter_;
  if (isKeyframe) ++keyframeCounter_;
  if (frameCounter_ % 360 == 0) {
    PV_LOG_INFO("Stream {} stats: {} frames, {} keyframes sent", streamId, frameCounter_, keyframeCounter_);
  }
}

void Application::sendStreamConfigIfDue(std::uint8_t streamId) {
  protocol::StreamConfig config;
  std::uint64_t generation = 0;
  {
    std::lock_guard lock(stateMutex_);
    const auto it = streams_.find(streamId);
    if (it == streams_.end() || !it->second.configDue) return;  // sent already, or a dashboard stream
    config.windowId = it->second.windowId;
    generation = it->second.generation;
  }
  const auto sets = captureOrchestrator_->getParameterSets(streamId);
  if (!sets.valid) return;  // the next key frame tries again
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  captureOrchestrator_->getStreamResolution(streamId, width, height);
  {
    std::lock_guard lock(stateMutex_);
    const auto it = streams_.find(streamId);
    if (it == streams_.end() || it->second.generation != generation) return;  // stopped meanwhile
    it->second.configDue = false;
  }
  config.streamId = streamId;
  config.width = width;
  config.height = height;
  config.sps = protocol::encodeBase64(sets.sps);
  config.pps = protocol::encodeBase64(sets.pps);
  config.targetBitrate = settings_.targetBitrate;
  config.targetFps = settings_.targetFps;
  PV_LOG_INFO("Sending stream_config for stream {}: {}x{}, SPS={}B, PPS={}B", streamId, width, height,
              sets.sps.size(), sets.pps.size());
  // Sent before the frame is queued on the video channel, on this same thread.
  if (signalingServer_) signalingServer_->sendStreamConfig(config);
}

void Application::onKeyframeRequest(std::uint8_t streamId) {
  if (captureOrchestrator_) captureOrchestrator_->requestKeyframe(streamId);
}

void Application::onClientFeedback(const protocol::ClientFeedback& feedback) {
  stats_.onFeedback(feedback.rttMs);
  const auto now = clock_();
  const auto change = congestion_.onFeedback(feedback.rttMs, feedback.decodeTimeMs, settings_.targetBitrate, now);
  if (!change || !captureOrchestrator_) return;
  updateClientBitrates(change->bitrateKbps, change->maxBitrateKbps);
  congestion_.committed(change->bitrateKbps, now);
}

void Application::handleResolutionChange(std::uint8_t streamId, std::uint32_t width, std::uint32_t height) {
  PV_LOG_INFO("Resolution changed for stream {}: {}x{}", streamId, width, height);
  {
    // From now on a dashboard stream gets a stream_config too.
    std::lock_guard lock(stateMutex_);
    if (const auto it = streams_.find(streamId); it != streams_.end()) it->second.configDue = true;
  }
  if (captureOrchestrator_) captureOrchestrator_->requestKeyframe(streamId);
}

std::vector<Application::StreamedWindow> Application::streamedWindows() {
  std::vector<StreamedWindow> windows;
  std::lock_guard lock(stateMutex_);
  for (const auto& [streamId, record] : streams_) {
    windows.push_back({streamId, record.windowId, record.owner == StreamOwner::Dashboard});
  }
  return windows;
}

std::unordered_map<std::uint8_t, std::uint32_t> Application::clientStreams() {
  std::unordered_map<std::uint8_t, std::uint32_t> streams;
  std::lock_guard lock(stateMutex_);
  for (const auto& [streamId, record] : streams_) {
    if (record.owner == StreamOwner::Client) streams.emplace(streamId, record.windowId);
  }
  return streams;
}

bool Application::applySettings(std::uint32_t targetBitrateKbps, std::uint32_t maxBitrateKbps, std::uint32_t fps) {
  PV_LOG_INFO("Applying settings: bitrate={} kbps, maxBitrate={} kbps, fps={}", targetBitrateKbps, maxBitrateKbps,
              fps);
  settings_.targetBitrate = targetBitrateKbps;
  settings_.maxBitrate = maxBitrateKbps;
  settings_.targetFps = fps;
  congestion_.setCurrent(targetBitrateKbps);
  if (captureOrchestrator_) {
    captureOrchestrator_->setBitrate(targetBitrateKbps, maxBitrateKbps);
    captureOrchestrator_->setTargetFps(fps);
    updateClientBitrates(targetBitrateKbps, maxBitrateKbps);
  }
  return settings_.save();
}

bool Application::applySharpeningSettings(bool enabled, float sharpness) {
  PV_LOG_INFO("Applying sharpening settings: enabled={}, sharpness={:.2f}", boolText(enabled), sharpness);
  settings_.sharpeningEnabled = enabled;
  settings_.sharpness = Settings::clampSharpness(sharpness);
  if (captureOrchestrator_) {
    captureOrchestrator_->setSharpeningEnabled(enabled);
    captureOrchestrator_->setSharpness(sharpness);
  }
  return settings_.save();
}

bool Application::applyVSyncSettings(bool enabled) {
  PV_LOG_INFO("Applying VSync settings: enabled={}", boolText(enabled));
  settings_.vsyncEnabled = enabled;
  if (captureOrchestrator_) captureOrchestrator_->setVSyncEnabled(enabled);
  return settings_.save();
}

bool Application::applyFullRangeColorSettings(bool enabled) {
  PV_LOG_INFO("Applying full range color settings: enabled={}", boolText(enabled));
  settings_.fullRangeColor = enabled;
  if (captureOrchestrator_) captureOrchestrator_->setFullRangeColor(enabled);
  return settings_.save();
}

void Application::onDisplayChange() {
  PV_LOG_INFO("Display configuration changed, updating input metrics");
  if (inputInjector_) inputInjector_->updateScreenMetrics();
}

std::string Application::getEncoderName() const {
  return captureOrchestrator_ ? captureOrchestrator_->getEncoderName() : "None";
}

std::vector<protocol::WindowInfo> Application::getWindowList() {
  return captureOrchestrator_ ? captureOrchestrator_->getAvailableWindows() : std::vector<protocol::WindowInfo>{};
}

bool Application::isClientConnected() const {
  return signalingServer_ && signalingServer_->getClientCount() != 0;
}

bool Application::captureSupported() const {
  return captureOrchestrator_ && captureOrchestrator_->isCaptureSupported();
}

std::string Application::discoveryHostName() {
  const std::string name = system_->hostName();
  return name.empty() ? kFallbackHostName : name;
}

}  // namespace parvalon::host
