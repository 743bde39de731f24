#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "protocol/DefaultPorts.h"
#include "protocol/WindowInfo.h"

namespace parvalon::protocol {

// The `type` values the host recognises; the gaps are unused.
enum class MessageType : std::uint8_t {
  Hello = 0,
  Welcome = 1,
  WindowListRequest = 4,
  WindowList = 5,
  StreamStart = 10,
  StreamStarted = 11,
  StreamStop = 12,
  RequestKeyframe = 15,
  WindowResize = 16,
  WindowResized = 17,
  Error = 20,
  Ping = 21,
  Pong = 22,
};

inline constexpr const char* kHostName = "Parvalon Host";
inline constexpr const char* kHostVersion = "1.0.5";
inline constexpr const char* kStreamCodec = "h264";
inline constexpr const char* kStreamConfigCodec = "video/avc";
inline constexpr std::uint32_t kStreamStartErrorCode = 1001;
inline constexpr const char* kStreamStartErrorText = "Failed to start stream";
// A refused start beyond the host's stream limit: the same code, so a client treats it as a failed start.
// A request the host does not serve because the client is not (yet) allowed to use it.
inline constexpr std::uint32_t kAccessErrorCode = 1002;
inline constexpr const char* kStreamLimitErrorText = "Failed to start stream: too many streams on this host";

// The transport ports a welcome announces; the defaults are the channels' default ports.
struct TransportPorts {
  std::uint32_t videoPort = kDefaultVideoPort;
  std::uint32_t audioPort = kDefaultAudioPort;
  std::uint32_t inputPort = kDefaultInputPort;
};

struct WelcomeMessage {
  std::string type = "welcome";
  std::string hostName = kHostName;
  std::string hostVersion = kHostVersion;
  std::uint32_t videoPort = kDefaultVideoPort;
  std::uint32_t audioPort = kDefaultAudioPort;
  std::uint32_t inputPort = kDefaultInputPort;
  std::string protocol = "tcp";
  std::vector<std::string> supportedCodecs{kStreamCodec};
  bool requiresAuth = false;
};

struct StreamStartedMessage {
  std::string type = "stream_started";
  std::uint32_t windowId = 0;
  std::uint8_t streamId = 0;
  // The picture size is not known yet when a stream is accepted; it follows in stream_config.
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::string codec = kStreamCodec;
};

struct ErrorMessage {
  std::string type = "error";
  std::uint32_t code = kStreamStartErrorCode;
  std::string message = kStreamStartErrorText;
};

// Decoder configuration of one stream, filled by the application (SPS/PPS already Base64).
struct StreamConfig {
  std::string type = "stream_config";
  std::uint32_t windowId = 0;
  std::uint8_t streamId = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::string codec = kStreamConfigCodec;
  std::string sps;
  std::string pps;
  std::uint32_t targetBitrate = 0;
  std::uint32_t targetFps = 0;
};

// Who the client says it is in its hello; empty when a field is missing or not a string.
struct ClientHello {
  std::string clientName;
  std::string deviceName;
  std::string pin = {};  // the pairing PIN, as text (a number is written out); empty when none
};

struct WindowResizeRequest {
  std::int32_t streamId = 0;
  std::uint32_t windowId = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

nlohmann::json toJson(const WelcomeMessage& m);
nlohmann::json toJson(const StreamStartedMessage& m);
nlohmann::json toJson(const ErrorMessage& m);
nlohmann::json toJson(const StreamConfig& m);
nlohmann::json toJson(const WindowInfo& w);
nlohmann::json windowListJson(const std::vector<WindowInfo>& windows);
nlohmann::json streamStoppedJson(std::int32_t streamId);
nlohmann::json windowResizedJson(const WindowResizeRequest& request, bool success);
nlohmann::json pongJson(std::int32_t timestamp);

// Compact text with sorted keys and raw UTF-8; throws nlohmann::json::type_error on text
// that is not valid UTF-8.
std::string serialize(const nlohmann::json& value);

// Exact, case-sensitive match of a client `type` text, aliases included.
std::optional<MessageType> classifyMessageType(std::string_view type);

// Parses one message (no comments allowed); throws nlohmann::json::parse_error.
nlohmann::json parseMessage(std::string_view text);

namespace detail {
std::uint64_t readRawNumber(const nlohmann::json& message, const char* key);
}

// Reads a text field: absent or of another JSON type → empty (the message is not abandoned).
std::string readText(const nlohmann::json& message, const char* key);

// The naming fields of a hello message.
ClientHello readClientHello(const nlohmann::json& message);

// Reads a numeric field: absent → 0; number or boolean → truncated to T (a float goes through
// a 64-bit integer; NaN, infinities and magnitudes of 2^63 and more read as 0); any other JSON
// type throws std::runtime_error and the message is abandoned.
template <class T>
T readNumber(const nlohmann::json& message, const char* key) {
  return static_cast<T>(detail::readRawNumber(message, key));
}

}  // namespace parvalon::protocol
