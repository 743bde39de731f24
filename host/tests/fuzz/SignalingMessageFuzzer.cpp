// Client messages through the signaling handler with every callback installed. The input is up
// to eight messages separated by 0x1e, alternately from two sessions; afterwards both sessions
// end. Every reply must be canonical JSON of a known type, one reply at most per message, and every
// callback must name the session the message came from.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>
#include <spdlog/sinks/null_sink.h>
#include <spdlog/spdlog.h>

#include "FuzzSupport.h"
#include "network/SignalingMessageHandler.h"

namespace {

using parvalon::host::SignalingMessageHandler;
using parvalon::host::SignalingPeer;

using parvalon::fuzz::require;

class RecordingPeer : public SignalingPeer {
 public:
  RecordingPeer(std::string address, std::uint64_t sessionId) : address_(std::move(address)), sessionId_(sessionId) {}
  std::uint64_t sessionId() const override { return sessionId_; }
  const std::string& remoteAddress() const override { return address_; }
  void send(std::string text) override { sent.push_back(std::move(text)); }
  std::vector<std::string> sent;

 private:
  std::string address_;
  std::uint64_t sessionId_;
};

void checkReply(const std::string& text) {
  static const std::set<std::string> kReplyTypes{"welcome", "window_list", "stream_started", "error",
                                                 "stream_stopped", "window_resized", "pong"};
  const auto json = nlohmann::json::parse(text, nullptr, false);
  require(json.is_object());
  const auto type = json.find("type");
  require(type != json.end() && type->is_string());
  require(kReplyTypes.count(type->get<std::string>()) == 1);
  // Sorted keys, no whitespace: dumping what was parsed gives the same bytes.
  require(json.dump() == text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Log lines are still formatted (placeholders and all), just not written anywhere.
  auto logger = std::make_shared<spdlog::logger>("ParvalonHost", std::make_shared<spdlog::sinks::null_sink_mt>());
  logger->set_level(spdlog::level::debug);
  spdlog::set_default_logger(logger);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> messages;
  for (std::size_t start = 0; messages.size() < 8;) {
    const auto end = input.find('\x1e', start);
    messages.push_back(input.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }

  SignalingMessageHandler handler;
  using parvalon::host::SignalingClient;
  using parvalon::host::StreamStartResult;
  std::uint64_t currentSession = 0;
  std::uint64_t endedSession = 0;
  std::uint8_t nextStream = 1;
  std::string currentText;
  handler.updateCallbacks([&](parvalon::host::SignalingCallbacks& cb) {
    cb.windowList = [&] {
      // The raw message as a window title: arbitrary bytes reach the strict UTF-8 serializer.
      parvalon::protocol::WindowInfo w;
      w.id = static_cast<std::uint32_t>(currentText.size());
      w.title = currentText;
      w.x = -1;
      return std::vector<parvalon::protocol::WindowInfo>{w, {}};
    };
    cb.streamRequest = [&](std::uint32_t windowId, const SignalingClient& client) {
      require(client.sessionId == currentSession);
      if (windowId % 3 == 1) return StreamStartResult{StreamStartResult::Status::LimitReached, 0};
      if (windowId & 1) return StreamStartResult{};
      return StreamStartResult{StreamStartResult::Status::Started, nextStream++};
    };
    cb.streamStop = [&](std::uint8_t, const SignalingClient& client) { require(client.sessionId == currentSession); };
    cb.clientConnected = [&](const SignalingClient& client, const parvalon::protocol::ClientHello&) {
      require(!client.address.empty() && client.sessionId == currentSession);
    };
    cb.windowResize = [&](std::uint32_t windowId, std::uint32_t, std::uint32_t, const SignalingClient& client) {
      require(client.sessionId == currentSession);
      return windowId % 3 == 0;
    };
    cb.keyframeRequest = [&](std::uint8_t, const SignalingClient& client) { require(client.sessionId == currentSession); };
    cb.sessionEnded = [&](const SignalingClient& client, bool) { require(client.sessionId == endedSession); };
  });

  auto a = std::make_shared<RecordingPeer>("127.0.0.1", 1);
  auto b = std::make_shared<RecordingPeer>("::1", 2);
  for (std::size_t i = 0; i < messages.size(); ++i) {
    auto& peer = (i % 2 == 0) ? a : b;
    currentSession = peer->sessionId();
    currentText = std::string(messages[i]);
    const auto before = peer->sent.size();
    handler.handleMessage(messages[i], [peer] { return peer; });
    require(peer->sent.size() - before <= 1);
  }
  // A message from a session that is gone: nothing may be sent anywhere.
  const auto sentBefore = a->sent.size() + b->sent.size();
  handler.handleMessage(messages.front(), [] { return std::shared_ptr<SignalingPeer>(); });
  require(a->sent.size() + b->sent.size() == sentBefore);

  for (const auto& text : a->sent) checkReply(text);
  for (const auto& text : b->sent) checkReply(text);

  for (const auto& ended : {a, b}) {
    endedSession = ended->sessionId();
    handler.sessionEnded(*ended, ended == a);
  }
  return 0;
}
