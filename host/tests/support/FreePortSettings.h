#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/ip/udp.hpp>
#include <nlohmann/json.hpp>

namespace parvalon::host::test {

// Holds TCP `port` for this process until it ends: a UDP socket bound to the same number, which
// a second claim (here or in a test process running beside this one) cannot bind, and which the
// system releases with the process however it ends. Servers under test bind only TCP there.
inline bool claimPortForThisProcess(std::uint16_t port) {
  static boost::asio::io_context io;
  static std::mutex mutex;  // guards claims: tests may pick ports from several threads
  static std::vector<std::unique_ptr<boost::asio::ip::udp::socket>> claims;
  std::lock_guard lock(mutex);
  auto claim = std::make_unique<boost::asio::ip::udp::socket>(io);
  boost::system::error_code ec;
  claim->open(boost::asio::ip::udp::v4(), ec);
  if (!ec) claim->bind({boost::asio::ip::address_v4::any(), port}, ec);
  if (ec) return false;
  claims.push_back(std::move(claim));  // stays bound on purpose
  return true;
}

// A TCP port nobody listens on right now and no other test has claimed. The system draws a
// bind to port 0 from the whole range each time, so two picks coincide now and then (a set of
// four about once in 1500): each pick is claimed, and a taken one is drawn again.
inline std::uint16_t freeTcpPort() {
  boost::asio::io_context io;
  for (int attempt = 0; attempt < 200; ++attempt) {
    boost::asio::ip::tcp::acceptor probe(io);
    boost::system::error_code ec;
    probe.open(boost::asio::ip::tcp::v4(), ec);
    if (!ec) probe.bind({boost::asio::ip::address_v4::any(), 0}, ec);
    const std::uint16_t port = ec ? 0 : probe.local_endpoint(ec).port();
    probe.close(ec);
    if (port != 0 && claimPortForThisProcess(port)) return port;
  }
  throw std::runtime_error("no free TCP port could be claimed");
}

struct HostPorts {
  std::uint16_t signaling = 0;
  std::uint16_t video = 0;
  std::uint16_t audio = 0;
  std::uint16_t input = 0;
};

// Writes <dataHome>/Parvalon/settings.json with four free ports, so that hosts of tests running
// side by side never collide on the default ports.
inline HostPorts writeSettingsWithFreePorts(const std::filesystem::path& dataHome, nlohmann::json extra = {}) {
  HostPorts ports{freeTcpPort(), freeTcpPort(), freeTcpPort(), freeTcpPort()};
  nlohmann::json settings = extra.is_object() ? extra : nlohmann::json::object();
  settings["signalingPort"] = ports.signaling;
  settings["videoPort"] = ports.video;
  settings["audioPort"] = ports.audio;
  settings["inputPort"] = ports.input;
  std::filesystem::create_directories(dataHome / "Parvalon");
  std::ofstream(dataHome / "Parvalon" / "settings.json") << settings.dump();
  return ports;
}

}  // namespace parvalon::host::test
