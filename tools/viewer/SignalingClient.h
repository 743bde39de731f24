#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace parvalon::viewer {

// The viewer's side of the signaling WebSocket: writes are queued in order, received
// messages wait in an inbox until the caller takes them. Runs its own I/O thread.
class SignalingClient {
 public:
  // Messages kept when nobody takes them; the oldest go first.
  static constexpr std::size_t kInboxLimit = 4096;

  SignalingClient();
  ~SignalingClient();
  SignalingClient(const SignalingClient&) = delete;
  SignalingClient& operator=(const SignalingClient&) = delete;

  bool connect(const std::string& host, std::uint16_t port, std::chrono::milliseconds timeout);
  bool isConnected() const;
  // Queues one compact JSON text; false once the connection is gone.
  bool send(const nlohmann::json& message);
  // Takes the oldest message for which `match` holds, waiting up to `timeout`.
  std::optional<nlohmann::json> waitFor(const std::function<bool(const nlohmann::json&)>& match,
                                        std::chrono::milliseconds timeout);
  std::optional<nlohmann::json> waitForType(const std::string& type, std::chrono::milliseconds timeout);
  // Takes every message received so far.
  std::vector<nlohmann::json> drain();
  // Sends the queued messages, then a WebSocket close, waiting up to `timeout` for both.
  void close(std::chrono::milliseconds timeout = std::chrono::seconds(2));
  // Drops the connection without a close handshake (a crashed client).
  void abort();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace parvalon::viewer
