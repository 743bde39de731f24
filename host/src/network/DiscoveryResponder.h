#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include "protocol/DiscoveryMessages.h"
#include "platform/UdpSocket.h"

namespace parvalon::host {

// Answers "PARVALON_DISCOVER" datagrams with the host name and the signaling port.
class DiscoveryResponder {
 public:
  static constexpr std::uint16_t kDiscoveryPort = protocol::kDiscoveryPort;

  // `listenPort` is the UDP port to bind (tests pass 0 for a free one); `bindAddress` the dotted
  // IPv4 address to listen on (empty: every interface, where broadcasts arrive).
  DiscoveryResponder(std::string hostName, std::uint16_t port,
                     std::uint16_t listenPort = kDiscoveryPort, std::string bindAddress = {});

  // Dotted IPv4 text in host byte order; nullopt when it is not exactly four numbers 0..255.
  static std::optional<std::uint32_t> parseIpv4(const std::string& text);
  ~DiscoveryResponder();
  DiscoveryResponder(const DiscoveryResponder&) = delete;
  DiscoveryResponder& operator=(const DiscoveryResponder&) = delete;

  bool start();
  void stop();

  bool isRunning() const { return running_.load(); }
  // The bound UDP port while running (the actual one when 0 was asked for).
  std::uint16_t boundPort() const { return boundPort_.load(); }

 private:
  void listenerThread();
  void sendResponse(const platform::UdpPeer& to);

  std::string hostName_;
  std::uint16_t port_;
  std::uint16_t listenPort_;
  std::string bindAddress_;
  platform::UdpSocket socket_;
  std::thread listener_;
  std::atomic<bool> running_{false};
  std::atomic<std::uint16_t> boundPort_{0};
};

}  // namespace parvalon::host
