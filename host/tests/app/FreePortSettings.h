#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

namespace parvalon::host::test {

// A TCP port nobody listens on right now (the kernel's pick for a bind to port 0).
inline std::uint16_t freeTcpPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_addr.s_addr = htonl(INADDR_ANY);
  socklen_t len = sizeof(sa);
  ::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa));
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
  ::close(fd);
  return ntohs(sa.sin_port);
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
