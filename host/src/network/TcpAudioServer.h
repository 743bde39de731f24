#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "network/TcpChannel.h"

namespace parvalon::host {

// The audio channel: one client at a time, Opus packets out, nothing ever read.
class TcpAudioServer {
 public:
  static constexpr int kSocketBufferBytes = 65536;
  // A client that stops reading is dropped after this long instead of stalling audio capture.
  static constexpr std::chrono::milliseconds kSendDeadline{2000};
  // The first packets after start (and after each sequence wrap) are logged in full.
  static constexpr std::uint16_t kLoggedPacketCount = 3;

  // Port 0 binds a free port (see boundPort); `bindAddress` empty listens on every interface.
  explicit TcpAudioServer(std::uint16_t port, const std::string& bindAddress = {});
  ~TcpAudioServer();
  TcpAudioServer(const TcpAudioServer&) = delete;
  TcpAudioServer& operator=(const TcpAudioServer&) = delete;

  bool start();
  void stop();

  // Writes one audio packet to the client, or discards it when no client is connected. A failed
  // write drops the client.
  void sendAudioData(std::uint8_t streamId, const std::uint8_t* data, std::size_t size);

  // Who may connect (and, on a channel that reads, whose messages are handled); see TcpChannel.
  void setConnectionFilter(TcpChannel::ConnectionFilter filter);

  std::uint16_t boundPort() const;
  bool hasClient() const;

 private:
  std::uint16_t sequence_ = 0;  // guarded by the channel's connection lock (taken in send)
  TcpChannel channel_;
};

}  // namespace parvalon::host
