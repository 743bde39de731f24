#include "StreamSession.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <chrono>
#include <cstdio>
#include <regex>

#include "PngWriter.h"
#include "StreamWindow.h"
#include "protocol/Base64.h"
#include "logging/Log.h"
#include "protocol/ClientMessages.h"
#include "protocol/PacketHeaders.h"
#include "protocol/SignalingMessages.h"

namespace parvalon::viewer {

using namespace std::chrono_literals;

namespace {

constexpr auto kConnectTimeout = 5s;
constexpr auto kReplyTimeout = 5s;
// The first key frame may wait for the capture to start and the encoder to open.
constexpr auto kConfigTimeout = 15s;
constexpr auto kStopTimeout = 2s;
constexpr auto kChannelPoll = 20ms;
constexpr auto kLoopSleep = 5ms;
// With --frames, give up when no picture came for this long.
constexpr std::int64_t kStallUs = 15'000'000;

std::int64_t nowMs() { return monotonicMicros() / 1000; }

bool isType(const nlohmann::json& m, const char* type) { return m.is_object() && m.value("type", "") == type; }

std::vector<std::uint8_t> parameterSet(const nlohmann::json& m, const char* key) {
  if (!m.contains(key) || !m[key].is_string()) return {};
  auto bytes = protocol::decodeBase64(m[key].get<std::string>());
  if (!bytes) {
    PV_LOG_WARN("stream_config carries a {} that is not Base64", key);
    return {};
  }
  return *bytes;
}

}  // namespace

std::int64_t monotonicMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

StreamSession::StreamSession(ViewerOptions options) : options_(std::move(options)) {}

StreamSession::~StreamSession() {
  finish();
  if (lastPicture_ != nullptr) av_frame_free(&lastPicture_);
}

bool StreamSession::greet() {
  signaling_.send({{"type", "hello"}, {"clientName", "parvalon-viewer"}});
  const auto welcome = signaling_.waitForType("welcome", kReplyTimeout);
  if (!welcome) {
    PV_LOG_ERROR("No welcome from {}:{}", options_.host, options_.port);
    return false;
  }
  try {
    videoPort_ = protocol::readNumber<std::uint32_t>(*welcome, "videoPort");
    audioPort_ = protocol::readNumber<std::uint32_t>(*welcome, "audioPort");
    inputPort_ = protocol::readNumber<std::uint32_t>(*welcome, "inputPort");
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Unreadable welcome: {}", e.what());
    return false;
  }
  if (videoPort_ == 0 || videoPort_ > 65535) {
    PV_LOG_ERROR("The welcome names no usable video port");
    return false;
  }
  PV_LOG_INFO("Connected to {} {} (video {}, audio {}, input {})", welcome->value("hostName", "?"),
              welcome->value("hostVersion", "?"), videoPort_, audioPort_, inputPort_);
  return true;
}

std::optional<std::uint32_t> StreamSession::resolveWindow() {
  if (options_.windowId) return options_.windowId;
  signaling_.send({{"type", "window_list_request"}});
  const auto list = signaling_.waitForType("window_list", kReplyTimeout);
  if (!list || !list->contains("windows") || !(*list)["windows"].is_array()) {
    PV_LOG_ERROR("No window list from the host");
    return std::nullopt;
  }
  const std::regex pattern(options_.titleRegex);
  for (const auto& w : (*list)["windows"]) {
    const std::string title = w.value("title", "");
    if (std::regex_search(title, pattern)) {
      const auto id = protocol::readNumber<std::uint32_t>(w, "id");
      PV_LOG_INFO("Window {:x} \"{}\" matches '{}'", id, title, options_.titleRegex);
      return id;
    }
  }
  PV_LOG_ERROR("No window title matches '{}' ({} windows listed)", options_.titleRegex, (*list)["windows"].size());
  return std::nullopt;
}

bool StreamSession::subscribe(std::uint32_t windowId) {
  signaling_.send({{"type", "stream_start"}, {"windowId", windowId}});
  const auto reply = signaling_.waitFor(
      [](const nlohmann::json& m) { return isType(m, "stream_started") || isType(m, "error"); }, kReplyTimeout);
  if (!reply) {
    PV_LOG_ERROR("No answer to stream_start");
    return false;
  }
  if (isType(*reply, "error")) {
    PV_LOG_ERROR("The host refused the stream: {} {}", reply->value("code", 0u), reply->value("message", ""));
    return false;
  }
  const auto id = protocol::readNumber<std::uint8_t>(*reply, "streamId");
  streamId_ = id;
  {
    std::lock_guard lock(mutex_);
    stats_.setStream(windowId, id);
  }
  PV_LOG_INFO("Streaming window {:x} as stream {}", windowId, id);
  return true;
}

void StreamSession::acceptConfig(const nlohmann::json& m) {
  PendingConfig config;
  config.width = protocol::readNumber<std::uint32_t>(m, "width");
  config.height = protocol::readNumber<std::uint32_t>(m, "height");
  for (const char* key : {"sps", "pps"}) {
    auto set = parameterSet(m, key);
    if (!set.empty()) config.parameterSets.push_back(std::move(set));
  }
  PV_LOG_INFO("stream_config for stream {}: {}x{}, codec {}", streamId_.load(), config.width, config.height,
              m.value("codec", ""));
  std::lock_guard lock(mutex_);
  stats_.setSize(config.width, config.height);
  pendingConfig_ = std::move(config);
  configSeen_ = true;
}

bool StreamSession::awaitConfig(const std::atomic<bool>& interrupted) {
  const auto deadline = std::chrono::steady_clock::now() + kConfigTimeout;
  const int id = streamId_.load();
  while (std::chrono::steady_clock::now() < deadline && !interrupted) {
    const auto config = signaling_.waitFor(
        [id](const nlohmann::json& m) {
          return isType(m, "stream_config") && protocol::readNumber<std::uint8_t>(m, "streamId") == id;
        },
        100ms);
    if (config) {
      acceptConfig(*config);
      return true;
    }
    if (!signaling_.isConnected()) break;
  }
  PV_LOG_ERROR("No stream_config for stream {}", id);
  return false;
}

void StreamSession::handleSignaling(const nlohmann::json& m) {
  try {
    if (isType(m, "pong")) {
      rtt_.onPong(protocol::readNumber<std::int32_t>(m, "timestamp"), nowMs());
    } else if (isType(m, "stream_config") && protocol::readNumber<std::uint8_t>(m, "streamId") == streamId_.load()) {
      acceptConfig(m);
    } else if (isType(m, "error")) {
      PV_LOG_WARN("Host error: {}", protocol::serialize(m));
    }
  } catch (const std::exception& e) {
    PV_LOG_WARN("Unreadable signaling message: {}", e.what());
  }
}

void StreamSession::sendFeedback() {
  protocol::ClientFeedback feedback;
  feedback.decodeTimeMs = static_cast<std::uint16_t>(std::min<std::uint32_t>(lastDecodeMs_.load(), 65535));
  feedback.rttMs = static_cast<std::uint16_t>(std::min<std::uint32_t>(rtt_.last().value_or(0), 65535));
  const auto bytes = protocol::encodeFeedbackMessage(feedback);
  video_.writeAll(bytes.data(), bytes.size());
}

void StreamSession::sendInput(const protocol::InputEvent& event) {
  if (!input_.isOpen()) return;
  const auto bytes = protocol::encodeInputEventMessage(event);
  input_.writeAll(bytes.data(), bytes.size());
}

void StreamSession::sendInputSteps() {
  if (!input_.isOpen()) {
    PV_LOG_ERROR("No input connection: the --input steps are not sent");
    return;
  }
  InputForwarder forwarder(static_cast<std::uint8_t>(streamId_.load()));
  for (const auto& step : options_.inputSteps) {
    if (step.kind == InputStep::Kind::CloseInput) {
      input_.close();
      PV_LOG_INFO("Closed the input connection");
      return;
    }
    for (const auto& e : step.events(forwarder)) sendInput(e);
  }
  PV_LOG_INFO("Sent {} input steps", options_.inputSteps.size());
}

int StreamSession::run(const std::atomic<bool>& interrupted) {
  if (!signaling_.connect(options_.host, options_.port, kConnectTimeout)) return 1;
  if (!greet()) return 1;
  const auto windowId = resolveWindow();
  if (!windowId) return 1;
  // The channels are open before the subscription, so the first key frame finds them.
  if (!video_.connect(options_.host, static_cast<std::uint16_t>(videoPort_), kConnectTimeout)) return 1;
  if (audioPort_ == 0 || audioPort_ > 65535 || !audio_.connect(options_.host, static_cast<std::uint16_t>(audioPort_), kConnectTimeout)) {
    PV_LOG_WARN("Continuing without the audio channel");
  }
  if (inputPort_ == 0 || inputPort_ > 65535 || !input_.connect(options_.host, static_cast<std::uint16_t>(inputPort_), kConnectTimeout)) {
    PV_LOG_WARN("Continuing without the input channel");
  }
  videoThread_ = std::thread([this] { videoLoop(); });
  audioThread_ = std::thread([this] { audioLoop(); });

  if (!subscribe(*windowId) || !awaitConfig(interrupted)) {
    stop();
    finish();
    return 1;
  }

  std::unique_ptr<StreamWindow> window;
  if (options_.show) {
    window = std::make_unique<StreamWindow>(static_cast<std::uint8_t>(streamId_.load()),
                                            [this](const protocol::InputEvent& e) { sendInput(e); });
    std::uint32_t w, h;
    {
      std::lock_guard lock(mutex_);
      const auto s = stats_.summary();
      w = s.width;
      h = s.height;
    }
    if (!window->open("Parvalon Viewer", w > 0 ? static_cast<int>(w) : 1280, h > 0 ? static_cast<int>(h) : 720)) {
      window.reset();
    }
  }

  const std::int64_t startUs = monotonicMicros();
  std::int64_t lastFeedbackMs = 0;
  std::int64_t lastPingMs = 0;
  std::uint64_t lastFrames = 0;
  std::int64_t lastProgressUs = startUs;
  std::uint64_t drawnSerial = 0;
  bool reconnectDone = false;
  bool inputSent = options_.inputSteps.empty();
  bool failed = false;
  while (!interrupted) {
    for (const auto& m : signaling_.drain()) handleSignaling(m);
    const std::int64_t nowUs = monotonicMicros();
    const std::int64_t ms = nowUs / 1000;
    const double elapsedS = static_cast<double>(nowUs - startUs) / 1e6;
    const std::uint64_t frames = decodedFrames_.load();
    if (frames != lastFrames) {
      lastFrames = frames;
      lastProgressUs = nowUs;
    }
    if (options_.seconds && elapsedS >= *options_.seconds) break;
    if (options_.frames && frames >= *options_.frames) break;
    if (options_.frames && nowUs - lastProgressUs > kStallUs) {
      PV_LOG_ERROR("No picture for {} s", kStallUs / 1'000'000);
      failed = true;
      break;
    }
    if (videoFailed_) {
      failed = true;
      break;
    }
    if (!signaling_.isConnected()) {
      PV_LOG_ERROR("The signaling connection closed");
      failed = true;
      break;
    }
    if (ms - lastFeedbackMs >= kFeedbackIntervalMs) {
      lastFeedbackMs = ms;
      sendFeedback();
    }
    if (ms - lastPingMs >= kPingIntervalMs) {
      lastPingMs = ms;
      signaling_.send({{"type", "ping"}, {"timestamp", RttTracker::timestampFor(ms)}});
    }
    // Once a picture shows, the host has the window and its place on the desktop.
    if (!inputSent && frames > 0) {
      inputSent = true;
      sendInputSteps();
    }
    if (options_.reconnectVideoAfterS && !reconnectDone && elapsedS >= *options_.reconnectVideoAfterS) {
      reconnectDone = true;
      reconnectWanted_ = true;
    }
    if (window) {
      RgbImage frame;
      {
        std::lock_guard lock(mutex_);
        if (shownSerial_ != drawnSerial) {
          drawnSerial = shownSerial_;
          frame = shown_;
        }
      }
      if (frame.width > 0) window->draw(frame);
      if (!window->pump()) break;
    }
    std::this_thread::sleep_for(kLoopSleep);
  }
  window.reset();
  stop();
  finish();
  std::lock_guard lock(mutex_);
  const auto s = stats_.summary();
  return (!failed && s.frames > 0 && s.streamStopped) ? 0 : 1;
}

void StreamSession::stop() {
  const int id = streamId_.load();
  if (id < 0 || !signaling_.isConnected()) return;
  signaling_.send({{"type", "stream_stop"}, {"streamId", id}});
  const auto stopped = signaling_.waitFor(
      [id](const nlohmann::json& m) {
        return isType(m, "stream_stopped") && protocol::readNumber<std::int32_t>(m, "streamId") == id;
      },
      kStopTimeout);
  std::lock_guard lock(mutex_);
  stats_.setStreamStopped(stopped.has_value());
  if (!stopped) PV_LOG_WARN("No stream_stopped for stream {}", id);
}

void StreamSession::finish() {
  if (stopping_.exchange(true)) return;
  video_.shutdown();
  audio_.shutdown();
  if (videoThread_.joinable()) videoThread_.join();
  if (audioThread_.joinable()) audioThread_.join();
  video_.close();
  audio_.close();
  input_.close();
  signaling_.close();
  wav_.close();
  if (record_.is_open()) record_.close();

  if (!options_.snapshotPath.empty()) {
    RgbImage image;
    if (lastPicture_ != nullptr && converter_.convert(*lastPicture_, static_cast<int>(configWidth_), static_cast<int>(configHeight_), image) &&
        writePng(options_.snapshotPath, image)) {
      PV_LOG_INFO("Snapshot {}x{} written to {}", image.width, image.height, options_.snapshotPath);
    } else if (lastPicture_ == nullptr) {
      PV_LOG_ERROR("No picture decoded: no snapshot written");
    }
  }
  std::string text, json;
  {
    std::lock_guard lock(mutex_);
    text = stats_.toText();
    json = stats_.toJson();
  }
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
  if (!options_.statsPath.empty()) {
    std::ofstream out(options_.statsPath, std::ios::trunc);
    out << json;
    if (!out) PV_LOG_ERROR("Cannot write statistics to {}", options_.statsPath);
  }
}

bool StreamSession::readVideoPacket(std::vector<std::uint8_t>& packet) {
  packet.resize(protocol::kLengthFieldBytes);
  auto r = video_.readExact(packet.data(), packet.size(), kChannelPoll);
  if (r == TcpConnection::ReadResult::Timeout) return false;
  if (r == TcpConnection::ReadResult::Ok) {
    const std::uint32_t length = protocol::getU32(packet.data());
    if (length < protocol::kVideoPacketHeaderBytes - protocol::kLengthFieldBytes || length > kMaxVideoPacketBytes) {
      PV_LOG_ERROR("Video packet length {} is out of range: the stream is out of step", length);
      videoFailed_ = true;
      return false;
    }
    packet.resize(protocol::kLengthFieldBytes + length);
    r = video_.readExact(packet.data() + protocol::kLengthFieldBytes, length, 10s);
    if (r == TcpConnection::ReadResult::Ok) return true;
  }
  if (!stopping_ && !reconnectWanted_) {
    PV_LOG_ERROR("The video connection closed");
    videoFailed_ = true;
  }
  return false;
}

void StreamSession::reconnectVideo() {
  video_.close();
  gate_.onReconnect();
  if (!video_.connect(options_.host, static_cast<std::uint16_t>(videoPort_), kConnectTimeout)) {
    videoFailed_ = true;
    return;
  }
  std::lock_guard lock(mutex_);
  stats_.onVideoReconnect();
  PV_LOG_INFO("Reopened the video connection");
}

void StreamSession::decodePackets(std::vector<VideoPacket> packets) {
  for (auto& p : packets) {
    if (record_.is_open()) record_.write(reinterpret_cast<const char*>(p.payload.data()), static_cast<std::streamsize>(p.payload.size()));
    const std::int64_t t0 = monotonicMicros();
    const auto result = decoder_.decode(p.payload.data(), p.payload.size());
    const std::int64_t t1 = monotonicMicros();
    if (result == VideoDecoder::Result::Error) {
      PV_LOG_WARN("Decode error in a {} frame: waiting for a key frame", p.keyFrame ? "key" : "predicted");
      gate_.onDecodeError();
      std::lock_guard lock(mutex_);
      stats_.onDecodeError();
      continue;
    }
    if (result != VideoDecoder::Result::Picture) continue;
    const AVFrame* picture = decoder_.picture();
    const auto stamp = stamps_.readNew(*picture);
    lastDecodeMs_ = static_cast<std::uint32_t>((t1 - t0 + 500) / 1000);
    av_frame_unref(lastPicture_);
    av_frame_ref(lastPicture_, picture);
    RgbImage image;
    if (options_.show) converter_.convert(*picture, static_cast<int>(configWidth_), static_cast<int>(configHeight_), image);
    std::lock_guard lock(mutex_);
    stats_.onDecoded(t1 - t0);
    if (stamp) stats_.onLatency(static_cast<std::int64_t>(stamp->timeUs), t1);
    if (options_.show) {
      shown_ = std::move(image);
      ++shownSerial_;
    }
    ++decodedFrames_;
  }
}

void StreamSession::videoLoop() {
  lastPicture_ = av_frame_alloc();
  if (!options_.recordPath.empty()) {
    record_.open(options_.recordPath, std::ios::binary | std::ios::trunc);
    if (!record_) PV_LOG_ERROR("Cannot write the recording {}", options_.recordPath);
  }
  bool gateHasStream = false;
  std::vector<std::uint8_t> packet;
  while (!stopping_ && !videoFailed_) {
    if (!gateHasStream && streamId_.load() >= 0) {
      gate_.setStream(static_cast<std::uint8_t>(streamId_.load()));
      gateHasStream = true;
    }
    std::optional<PendingConfig> config;
    {
      std::lock_guard lock(mutex_);
      config.swap(pendingConfig_);
    }
    if (config) {
      configWidth_ = config->width;
      configHeight_ = config->height;
      if (!decoder_.isOpen()) {
        if (!decoder_.open(options_.codec, config->parameterSets)) {
          videoFailed_ = true;
          break;
        }
        parameterSetBytes_.clear();
        for (const auto& set : config->parameterSets) {
          const auto annexB = VideoDecoder::withStartCode(set);
          parameterSetBytes_.insert(parameterSetBytes_.end(), annexB.begin(), annexB.end());
        }
        if (record_.is_open()) record_.write(reinterpret_cast<const char*>(parameterSetBytes_.data()), static_cast<std::streamsize>(parameterSetBytes_.size()));
      }
      decodePackets(gate_.onConfig());
    }
    if (reconnectWanted_) {
      reconnectVideo();
      reconnectWanted_ = false;
      continue;
    }
    if (gate_.takeKeyframeRequest(monotonicMicros() / 1000)) {
      const auto bytes = protocol::encodeKeyframeRequestMessage(static_cast<std::uint8_t>(streamId_.load()));
      video_.writeAll(bytes.data(), bytes.size());
      PV_LOG_INFO("Asked for a key frame of stream {}", streamId_.load());
      std::lock_guard lock(mutex_);
      stats_.onKeyframeRequest();
    }
    if (!readVideoPacket(packet)) continue;
    const auto header = protocol::decodeVideoPacketHeader(packet);
    if (!header || header->common.packetType != protocol::kPacketTypeVideo) {
      PV_LOG_WARN("Ignoring a packet that is not video");
      continue;
    }
    const int ours = streamId_.load();
    const bool key = header->frameType == protocol::kFrameTypeKey;
    if (ours < 0 || ours == header->common.streamId) {
      std::lock_guard lock(mutex_);
      stats_.onVideoPacket(monotonicMicros(), packet.size() - protocol::kVideoPacketHeaderBytes, key);
    }
    VideoPacket p;
    p.streamId = header->common.streamId;
    p.keyFrame = key;
    p.timestamp90kHz = header->timestamp;
    p.payload.assign(packet.begin() + protocol::kVideoPacketHeaderBytes, packet.end());
    decodePackets(gate_.onPacket(std::move(p)));
  }
}

void StreamSession::audioLoop() {
  if (!audio_.isOpen()) return;
  if (!options_.audioPath.empty() && opus_.open() &&
      !wav_.open(options_.audioPath, OpusAudioDecoder::kSampleRate, OpusAudioDecoder::kChannels)) {
    PV_LOG_ERROR("Audio will not be written");
  }
  std::vector<std::uint8_t> packet;
  std::vector<std::int16_t> pcm;
  while (!stopping_) {
    packet.resize(protocol::kLengthFieldBytes);
    auto r = audio_.readExact(packet.data(), packet.size(), 100ms);
    if (r == TcpConnection::ReadResult::Timeout) continue;
    if (r != TcpConnection::ReadResult::Ok) break;
    const std::uint32_t length = protocol::getU32(packet.data());
    if (length < protocol::kAudioPacketHeaderBytes - protocol::kLengthFieldBytes || length > kMaxAudioPacketBytes) {
      PV_LOG_ERROR("Audio packet length {} is out of range: leaving the audio channel", length);
      break;
    }
    packet.resize(protocol::kLengthFieldBytes + length);
    if (audio_.readExact(packet.data() + protocol::kLengthFieldBytes, length, 10s) != TcpConnection::ReadResult::Ok) break;
    const auto header = protocol::decodeAudioPacketHeader(packet);
    if (!header || header->common.packetType != protocol::kPacketTypeAudio) continue;
    {
      std::lock_guard lock(mutex_);
      stats_.onAudioPacket(header->common.sequence);
    }
    if (wav_.isOpen()) {
      const int frames = opus_.decode(packet.data() + protocol::kAudioPacketHeaderBytes,
                                      packet.size() - protocol::kAudioPacketHeaderBytes, pcm);
      if (frames > 0) wav_.write(pcm.data(), static_cast<std::size_t>(frames));
    }
  }
  if (!stopping_) PV_LOG_INFO("The audio channel closed");
}

}  // namespace parvalon::viewer
