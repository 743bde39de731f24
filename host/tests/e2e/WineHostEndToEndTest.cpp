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
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "support/ChildProcess.h"
#include "fakes/WsTestClient.h"

namespace fs = std::filesystem;
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
constexpr const char* kHelperProcess = "parvalon-win32-helper.exe";

fs::path windowsBuild() {
  if (const char* dir = std::getenv("PARVALON_WINDOWS_BUILD_DIR")) return dir;
  return PARVALON_WINDOWS_BUILD_DIR_DEFAULT;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::uint16_t freePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  socklen_t length = sizeof(address);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

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

class WineHost : public ::testing::Test {
 protected:
  void SetUp() override {
    build_ = windowsBuild();
    hostExe_ = build_ / "host/src/main/ParvalonHost.exe";
    helperExe_ = build_ / "host/tests/platform/windows" / kHelperProcess;
    if (!fs::exists(hostExe_) || !fs::exists(helperExe_)) {
      GTEST_SKIP() << "no Windows build at " << build_ << " (ParvalonHost.exe and " << kHelperProcess
                   << "); scripts/test.sh builds it, or set PARVALON_WINDOWS_BUILD_DIR";
    }
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs the virtual desktop (scripts/test.sh)";
    prefix_ = build_ / "wine";
    wineRun_ = fs::path(PARVALON_SOURCE_DIR) / "scripts/lib/wine-run.sh";
    work_ = fs::temp_directory_path() / ("parvalon-wine-host-" + std::to_string(::getpid()));
    fs::remove_all(work_);
    fs::create_directories(work_);
  }

  void TearDown() override {
    if (!settingsFile_.empty()) {
      if (previousSettings_) {
        std::ofstream(settingsFile_, std::ios::binary) << *previousSettings_;
      } else {
        fs::remove(settingsFile_);
      }
    }
    if (!work_.empty()) fs::remove_all(work_);
  }

  std::unique_ptr<test::ChildProcess> wine(const fs::path& exe, const std::string& argument, const char* output) {
    std::vector<std::string> args{prefix_.string(), exe.string()};
    if (!argument.empty()) args.push_back(argument);
    return std::make_unique<test::ChildProcess>(wineRun_, args, work_ / output);
  }

  // C:\users\<name>\AppData\Local of the prefix (the prefix exists once a program ran in it).
  std::optional<fs::path> localAppData() const {
    std::error_code ec;
    for (const auto& user : fs::directory_iterator(prefix_ / "drive_c/users", ec)) {
      if (user.path().filename() != "Public" && fs::is_directory(user.path() / "AppData/Local")) {
        return user.path() / "AppData/Local";
      }
    }
    return std::nullopt;
  }

  fs::path build_, hostExe_, helperExe_, prefix_, wineRun_, work_, settingsFile_;
  std::optional<std::string> previousSettings_;
};

TEST_F(WineHost, ServesLinuxClientListsWineWindowsAnswersDiscoveryAndExitsCleanly) {
  // Port 9877 is fixed: run under flock /tmp/parvalon-discovery.lock like every host test.
  auto helper = wine(helperExe_, "windows", "helper.txt");
  ASSERT_TRUE(helper->start());
  // The first program in a fresh prefix also creates it.
  ASSERT_TRUE(helper->waitForOutput("ready", 90s)) << helper->output();

  const auto local = localAppData();
  ASSERT_TRUE(local) << "no user folder in " << prefix_;
  fs::create_directories(*local / "Parvalon");
  settingsFile_ = *local / "Parvalon/settings.json";
  if (fs::exists(settingsFile_)) previousSettings_ = readFile(settingsFile_);
  const std::uint16_t signaling = freePort(), video = freePort(), audio = freePort(), input = freePort();
  const nlohmann::json settings{
      {"signalingPort", signaling}, {"videoPort", video}, {"audioPort", audio}, {"inputPort", input}};
  std::ofstream(settingsFile_, std::ios::binary) << settings.dump(4);

  const fs::path logFile = *local / "Parvalon/logs/ParvalonHost.log";
  std::error_code ec;
  const auto logStart = fs::exists(logFile) ? fs::file_size(logFile, ec) : 0;
  const auto log = [&] {
    const std::string all = readFile(logFile);
    return all.size() >= logStart ? all.substr(logStart) : all;
  };

  auto host = wine(hostExe_, "", "host.txt");
  ASSERT_TRUE(host->start());
  const auto deadline = std::chrono::steady_clock::now() + 90s;
  while (log().find("Application initialized, entering main loop...") == std::string::npos &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(100ms);
  }
  ASSERT_NE(log().find("Application initialized, entering main loop..."), std::string::npos)
      << host->output() << "\n---- log\n" << log();
  // The settings came from the local application-data folder of the prefix.
  EXPECT_NE(log().find("Settings loaded from C:\\users\\"), std::string::npos) << log();
  EXPECT_NE(log().find("\\AppData\\Local\\Parvalon\\settings.json"), std::string::npos) << log();

  {
    testing::WsTestClient client(signaling, 10s);
    client.send(R"({"type":"hello","clientName":"Wine test"})");
    EXPECT_EQ(client.read(), std::optional<std::string>(expectedWelcome(video, audio, input)));

    client.send(R"({"type":"window_list_request"})");
    const auto list = client.readOfType("window_list");
    ASSERT_TRUE(list);
    bool first = false, second = false, tool = false;
    for (const auto& window : list->at("windows")) {
      const std::string title = window.value("title", "");
      if (title == kFirstTitle) {
        first = true;
        EXPECT_EQ(window.value("className", ""), "ParvalonWineWindow");
        EXPECT_EQ(window.value("processName", ""), kHelperProcess);
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

  auto closer = wine(helperExe_, "close", "close.txt");
  ASSERT_TRUE(closer->start());
  EXPECT_EQ(closer->wait(60s), 0) << closer->output();
  EXPECT_EQ(host->wait(60s), 0) << host->output();

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
