#include "protocol/SignalingMessages.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace parvalon::protocol {

using nlohmann::json;

json toJson(const WelcomeMessage& m) {
  return json{{"type", m.type},
              {"hostName", m.hostName},
              {"hostVersion", m.hostVersion},
              {"videoPort", m.videoPort},
              {"audioPort", m.audioPort},
              {"inputPort", m.inputPort},
              {"protocol", m.protocol},
              {"supportedCodecs", m.supportedCodecs},
              {"requiresAuth", m.requiresAuth}};
}

json toJson(const StreamStartedMessage& m) {
  return json{{"type", m.type},   {"windowId", m.windowId}, {"streamId", m.streamId},
              {"width", m.width}, {"height", m.height},     {"codec", m.codec}};
}

json toJson(const ErrorMessage& m) {
  return json{{"type", m.type}, {"code", m.code}, {"message", m.message}};
}

json toJson(const StreamConfig& m) {
  return json{{"type", m.type},
              {"windowId", m.windowId},
              {"streamId", m.streamId},
              {"width", m.width},
              {"height", m.height},
              {"codec", m.codec},
              {"sps", m.sps},
              {"pps", m.pps},
              {"targetBitrate", m.targetBitrate},
              {"targetFps", m.targetFps}};
}

json toJson(const WindowInfo& w) {
  return json{{"id", w.id},
              {"title", w.title},
              {"processName", w.processName},
              {"className", w.className},
              {"x", w.x},
              {"y", w.y},
              {"width", w.width},
              {"height", w.height},
              {"isMinimized", w.isMinimized},
              {"isMaximized", w.isMaximized},
              {"isVisible", w.isVisible},
              {"iconBase64", w.iconBase64}};
}

json windowListJson(const std::vector<WindowInfo>& windows) {
  json list = json::array();
  for (const auto& w : windows) list.push_back(toJson(w));
  return json{{"type", "window_list"}, {"windows", std::move(list)}};
}

json streamStoppedJson(std::int32_t streamId) {
  return json{{"type", "stream_stopped"}, {"streamId", streamId}};
}

json windowResizedJson(const WindowResizeRequest& r, bool success) {
  return json{{"type", "window_resized"}, {"streamId", r.streamId}, {"windowId", r.windowId},
              {"width", r.width},          {"height", r.height},     {"success", success}};
}

json pongJson(std::int32_t timestamp) {
  return json{{"type", "pong"}, {"timestamp", timestamp}};
}

std::string serialize(const json& value) {
  return value.dump(-1, ' ', false, json::error_handler_t::strict);
}

std::optional<MessageType> classifyMessageType(std::string_view type) {
  static const std::pair<std::string_view, MessageType> kTypes[] = {
      {"hello", MessageType::Hello},
      {"window_list_request", MessageType::WindowListRequest},
      {"stream_start", MessageType::StreamStart},
      {"stream_subscribe", MessageType::StreamStart},
      {"stream_stop", MessageType::StreamStop},
      {"stream_unsubscribe", MessageType::StreamStop},
      {"window_resize", MessageType::WindowResize},
      {"request_keyframe", MessageType::RequestKeyframe},
      {"keyframe_request", MessageType::RequestKeyframe},
      {"ping", MessageType::Ping},
      {"welcome", MessageType::Welcome},
      {"window_list", MessageType::WindowList},
      {"stream_started", MessageType::StreamStarted},
      {"error", MessageType::Error},
      {"pong", MessageType::Pong},
      {"window_resized", MessageType::WindowResized},
  };
  for (const auto& [text, value] : kTypes) {
    if (text == type) return value;
  }
  return std::nullopt;
}

json parseMessage(std::string_view text) {
  return json::parse(text.begin(), text.end(), nullptr, true, false);
}

namespace detail {

std::uint64_t readRawNumber(const json& message, const char* key) {
  const auto it = message.find(key);
  if (it == message.end()) return 0;
  switch (it->type()) {
    case json::value_t::number_integer:
      return static_cast<std::uint64_t>(it->get<std::int64_t>());
    case json::value_t::number_unsigned:
      return it->get<std::uint64_t>();
    case json::value_t::boolean:
      return it->get<bool>() ? 1 : 0;
    case json::value_t::number_float: {
      // Converting a float outside the int64 range is undefined behaviour: such values read as 0.
      constexpr double kLimit = 9223372036854775808.0;  // 2^63
      const double v = it->get<double>();
      if (!std::isfinite(v) || std::fabs(v) >= kLimit) return 0;
      return static_cast<std::uint64_t>(static_cast<std::int64_t>(v));
    }
    default:
      throw std::runtime_error(std::string("field '") + key + "' must be a number, but is " +
                               it->type_name());
  }
}

}  // namespace detail

std::string readText(const json& message, const char* key) {
  if (!message.is_object()) return {};
  const auto it = message.find(key);
  if (it == message.end() || !it->is_string()) return {};
  return it->get<std::string>();
}

ClientHello readClientHello(const json& message) {
  ClientHello hello{readText(message, "clientName"), readText(message, "deviceName"), readText(message, "pin")};
  // A headset may send the PIN as the number typed; an unsigned integer is written out as four digits.
  if (const auto it = message.find("pin"); it != message.end() && it->is_number_unsigned()) {
    const auto value = it->get<std::uint64_t>();
    hello.pin = std::to_string(value);
    if (hello.pin.size() < 4) hello.pin.insert(0, 4 - hello.pin.size(), '0');
  }
  return hello;
}

}  // namespace parvalon::protocol
