#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

#include <nlohmann/json.hpp>

namespace parvalon::host::test {

// Holds `port` for this process until it ends: a lock file per port, which a second claim (here
// or in a test running beside this one) cannot take.
inline bool claimPortForThisProcess(std::uint16_t port) {
  std::error_code ignored;
  const auto folder = std::filesystem::temp_directory_path() / "parvalon-test-ports";
  std::filesystem::create_directories(folder, ignored);
  const int fd = ::open((folder / std::to_string(port)).c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  return true;  // the descriptor stays open on purpose
}

// A TCP port nobody listens on right now and no other test has claimed. The kernel draws a
// bind to port 0 from the whole range each time, so two picks coincide now and then (a set of
// four about once in 1500): each pick is claimed, and a taken one is drawn again.
inline std::uint16_t freeTcpPort() {
  for (int attempt = 0; attempt < 200; ++attempt) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_ANY);
    socklen_t len = sizeof(sa);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof(sa)) == 0 &&
                       ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len) == 0;
    ::close(fd);
    if (bound && claimPortForThisProcess(ntohs(sa.sin_port))) return ntohs(sa.sin_port);
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
