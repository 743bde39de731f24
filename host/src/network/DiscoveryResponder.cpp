#include "network/DiscoveryResponder.h"

#include <array>
#include <chrono>

#include "logging/Log.h"

namespace parvalon::host {

namespace {
constexpr std::chrono::milliseconds kWaitSlice{1000};
}  // namespace

DiscoveryResponder::DiscoveryResponder(std::string hostName, std::uint16_t port,
                                       std::uint16_t listenPort, std::string bindAddress)
    : hostName_(std::move(hostName)), port_(port), listenPort_(listenPort), bindAddress_(std::move(bindAddress)) {}

std::optional<std::uint32_t> DiscoveryResponder::parseIpv4(const std::string& text) {
  std::uint32_t address = 0;
  int parts = 0;
  std::size_t i = 0;
  while (parts < 4) {
    std::uint32_t part = 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
      part = part * 10 + static_cast<std::uint32_t>(text[i] - '0');
      ++i;
      ++digits;
    }
    if (digits == 0 || digits > 3 || part > 255) return std::nullopt;
    address = (address << 8) | part;
    if (++parts < 4) {
      if (i >= text.size() || text[i] != '.') return std::nullopt;
      ++i;
    }
  }
  if (i != text.size()) return std::nullopt;
  return address;
}

DiscoveryResponder::~DiscoveryResponder() { stop(); }

bool DiscoveryResponder::start() {
  if (running_.load()) {
    PV_LOG_WARN("Discovery responder already running");
    return true;
  }
  if (const int err = socket_.open()) {
    PV_LOG_ERROR("Failed to create discovery socket: {}", err);
    return false;
  }
  if (const int err = socket_.setReuseAddress(true)) {
    PV_LOG_WARN("Failed to set SO_REUSEADDR: {}", err);
  }
  if (const int err = socket_.setBroadcast(true)) {
    PV_LOG_WARN("Failed to set SO_BROADCAST: {}", err);
  }
  std::uint32_t address = 0;
  if (!bindAddress_.empty()) {
    const auto parsed = parseIpv4(bindAddress_);
    if (!parsed) {
      PV_LOG_ERROR("Failed to bind discovery socket: '{}' is not an IPv4 address", bindAddress_);
      socket_.close();
      return false;
    }
    address = *parsed;
  }
  if (const int err = socket_.bindTo(address, listenPort_)) {
    PV_LOG_ERROR("Failed to bind discovery socket to port {}: {}", listenPort_, err);
    socket_.close();
    return false;
  }
  boundPort_ = socket_.localPort();
  running_ = true;
  listener_ = std::thread([this] { listenerThread(); });
  PV_LOG_INFO("Discovery responder started on UDP port {}", boundPort_.load());
  return true;
}

void DiscoveryResponder::stop() {
  if (!running_.exchange(false)) return;
  // Shut down first so a blocked wait returns; close only after the listener has left.
  socket_.shutdown();
  if (listener_.joinable()) listener_.join();
  socket_.close();
  boundPort_ = 0;
  PV_LOG_INFO("Discovery responder stopped");
}

void DiscoveryResponder::listenerThread() {
  // One byte more than a request may take, so an oversized one is told apart.
  std::array<std::uint8_t, protocol::kDiscoveryMaxDatagram + 1> buffer{};
  while (running_.load()) {
    if (socket_.waitReadable(kWaitSlice) != platform::UdpSocket::Wait::Readable) continue;
    const auto received =
        socket_.receive(std::span<std::uint8_t>(buffer.data(), protocol::kDiscoveryMaxDatagram));
    if (received.error != 0) {
      if (running_.load() && !platform::UdpSocket::isInterruption(received.error) &&
          !platform::UdpSocket::isConnectionReset(received.error)) {
        PV_LOG_WARN("Discovery recvfrom error: {}", received.error);
      }
      continue;
    }
    buffer[received.size] = 0;
    const auto clientName =
        protocol::parseDiscoveryRequest(std::span<const std::uint8_t>(buffer.data(), received.size));
    if (!clientName) continue;
    PV_LOG_INFO("Discovery request from {} ({})", received.from.addressText(), *clientName);
    sendResponse(received.from);
  }
}

void DiscoveryResponder::sendResponse(const platform::UdpPeer& to) {
  const auto reply = protocol::buildDiscoveryReply(hostName_, port_);
  if (const int err = socket_.sendTo(reply, to)) {
    PV_LOG_ERROR("Failed to send discovery response: {}", err);
  }
}

}  // namespace parvalon::host
