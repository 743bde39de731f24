// ParvalonHost.exe under wine on the virtual desktop, driven from Linux over 127.0.0.1: the
// welcome, the window list with windows of another Windows process, a discovery reply, and a
// clean exit when its window is closed. Needs the Windows build (scripts/test.sh makes it).
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "WineHostFixture.h"
#include "fakes/WsTestClient.h"

using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

// The welcome, exactly, for a host whose settings move the transport ports (it announces the
// ports it listens on).
std::string expectedWelcome(std::uint16_t video, std::uint16_t audio, std::uint16_t input) {
  return R"({"audioPort":)" + std::to_string(audio) +
         R"(,"hostName":"Parvalon Host","hostVersion":"1.0.5","inputPort":)" + std::to_string(input) +
         R"(,"protocol":"tcp","requiresAuth":false,"supportedCodecs":["h264"],"type":"welcome","videoPort":)" +
         std::to_string(video) + "}";
}
constexpr std::uint16_t kDiscoveryPort = 9877;
// The helper's window titles (UTF-8 of what it sets in UTF-16).
constexpr const char* kFirstTitle = "Parvalon Wine \xC3\x84rger \xE7\xAA\x93";
constexpr const char* kSecondTitle = "Parvalon Wine second";

// What wine's GetComputerNameA gives: the host name's first label in upper case, 15 at most.
std::string expectedComputerName() {
  char buffer[256] = {};
  ::gethostname(buffer, sizeof(buffer) - 1);
  std::string name(buffer);
  name = name.substr(0, name.find('.'));
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return name.substr(0, 15);
}

// One discovery request to 127.0.0.1:9877; the reply datagram or nothing within a few tries.
std::optional<std::string> discover() {
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  timeval timeout{2, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
  sockaddr_in host{};
  host.sin_family = AF_INET;
  host.sin_port = htons(kDiscoveryPort);
  host.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const std::string request = "PARVALON_DISCOVER:WineTest";
  std::optional<std::string> reply;
  for (int attempt = 0; attempt < 5 && !reply; ++attempt) {
    ::sendto(fd, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&host), sizeof(host));
    char buffer[512];
    const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
    if (n > 0) reply = std::string(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return reply;
}

using test::WineHost;

TEST_F(WineHost, ServesLinuxClientListsWineWindowsAnswersDiscoveryAndExitsCleanly) {
  // Port 9877 is fixed: run under flock /tmp/parvalon-discovery.lock like every host test.
  auto helper = wine(helperExe_, {"windows"}, "helper.txt");
  ASSERT_TRUE(helper->start());
  // The first program in a fresh prefix also creates it.
  ASSERT_TRUE(helper->waitForOutput("ready", 90s)) << helper->output();

  ASSERT_NO_FATAL_FAILURE(startHost());
  // The settings came from the local application-data folder of the prefix.
  EXPECT_NE(log().find("Settings loaded from C:\\users\\"), std::string::npos) << log();
  EXPECT_NE(log().find("\\AppData\\Local\\Parvalon\\settings.json"), std::string::npos) << log();
  const std::uint16_t signaling = ports_.signaling;

  {
    testing::WsTestClient client(signaling, 10s);
    client.send(R"({"type":"hello","clientName":"Wine test"})");
    EXPECT_EQ(client.read(), std::optional<std::string>(expectedWelcome(ports_.video, ports_.audio, ports_.input)));

    client.send(R"({"type":"window_list_request"})");
    const auto list = client.readOfType("window_list");
    ASSERT_TRUE(list);
    bool first = false, second = false, tool = false;
    for (const auto& window : list->at("windows")) {
      const std::string title = window.value("title", "");
      if (title == kFirstTitle) {
        first = true;
        EXPECT_EQ(window.value("className", ""), "ParvalonWineWindow");
        EXPECT_EQ(window.value("processName", ""), test::kWineHelperProcess);
        EXPECT_EQ(window.value("width", 0), 320);
        EXPECT_EQ(window.value("height", 0), 200);
      }
      second = second || title == kSecondTitle;
      tool = tool || title == "Parvalon Wine tool";
    }
    EXPECT_TRUE(first) << list->dump();
    EXPECT_TRUE(second) << list->dump();
    EXPECT_FALSE(tool) << list->dump();
  }

  const auto reply = discover();
  ASSERT_TRUE(reply) << log();
  EXPECT_EQ(*reply, std::string("PARVALON_HOST") + '\0' + expectedComputerName() + '\0' + std::to_string(signaling) + '\0');

  auto closer = wine(helperExe_, {"close"}, "close.txt");
  ASSERT_TRUE(closer->start());
  EXPECT_EQ(closer->wait(60s), 0) << closer->output();
  EXPECT_EQ(host_->wait(60s), 0) << host_->output();

  // "Parvalon Host exiting" is the host's last line; only the logger's own farewell follows.
  const std::string all = log();
  const std::string last = "Parvalon Host exiting";
  const auto at = all.rfind(last);
  ASSERT_NE(at, std::string::npos) << all;
  const std::string rest = all.substr(at + last.size());
  EXPECT_EQ(std::count(rest.begin(), rest.end(), '\n'), 2) << rest;
  EXPECT_NE(rest.find("Shutting down logging"), std::string::npos) << rest;
  EXPECT_NE(all.find("Application shutdown complete"), std::string::npos);

  helper->kill(SIGTERM);
  helper->wait(20s);
}

}  // namespace
}  // namespace parvalon::host
