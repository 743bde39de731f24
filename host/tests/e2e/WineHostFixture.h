#pragma once

// ParvalonHost.exe under wine on the virtual desktop, driven from Linux over 127.0.0.1: the
// fixture of every WineHost case. Needs the Windows build (scripts/test.sh makes it).

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/ChildProcess.h"
#include "support/ReadFile.h"
#include "support/FreePortSettings.h"

namespace parvalon::host::test {

inline std::filesystem::path windowsBuild() {
  if (const char* dir = std::getenv("PARVALON_WINDOWS_BUILD_DIR")) return dir;
  return PARVALON_WINDOWS_BUILD_DIR_DEFAULT;
}

// A Linux path as the programs in the prefix name it (drive Z: is the Linux root).
inline std::string windowsPath(const std::filesystem::path& path) { return "Z:" + path.string(); }

inline constexpr const char* kWineHelperProcess = "parvalon-win32-helper.exe";
inline constexpr const char* kHostReadyLine = "Application initialized, entering main loop...";

class WineHost : public ::testing::Test {
 protected:
  void SetUp() override {
    build_ = windowsBuild();
    hostExe_ = build_ / "host/src/main/ParvalonHost.exe";
    helperExe_ = build_ / "host/tests/platform/windows" / kWineHelperProcess;
    patternExe_ = build_ / "tools/testpattern/parvalon-testpattern.exe";
    for (const auto& exe : {hostExe_, helperExe_, patternExe_}) {
      if (!std::filesystem::exists(exe)) {
        GTEST_SKIP() << "no Windows build at " << build_ << " (" << exe.filename()
                     << "); scripts/test.sh builds it, or set PARVALON_WINDOWS_BUILD_DIR";
      }
    }
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs the virtual desktop (scripts/test.sh)";
    prefix_ = build_ / "wine";
    wineRun_ = std::filesystem::path(PARVALON_SOURCE_DIR) / "scripts/lib/wine-run.sh";
    work_ = std::filesystem::temp_directory_path() / ("parvalon-wine-host-" + std::to_string(::getpid()));
    std::filesystem::remove_all(work_);
    std::filesystem::create_directories(work_);
  }

  void TearDown() override {
    // The host first: it reads the settings file that is put back below.
    stopHost();
    if (!settingsFile_.empty()) {
      if (previousSettings_) {
        std::ofstream(settingsFile_, std::ios::binary) << *previousSettings_;
      } else {
        std::filesystem::remove(settingsFile_);
      }
    }
    if (!trustFile_.empty()) std::filesystem::remove(trustFile_);
    if (!work_.empty()) std::filesystem::remove_all(work_);
  }

  std::unique_ptr<ChildProcess> wine(const std::filesystem::path& exe, const std::vector<std::string>& arguments,
                                     const char* output) {
    std::vector<std::string> args{prefix_.string(), exe.string()};
    args.insert(args.end(), arguments.begin(), arguments.end());
    return std::make_unique<ChildProcess>(wineRun_, args, work_ / output);
  }

  // C:\users\<name>\AppData\Local of the prefix (the prefix exists once a program ran in it).
  std::optional<std::filesystem::path> localAppData() const {
    std::error_code ec;
    for (const auto& user : std::filesystem::directory_iterator(prefix_ / "drive_c/users", ec)) {
      if (user.path().filename() != "Public" && std::filesystem::is_directory(user.path() / "AppData/Local")) {
        return user.path() / "AppData/Local";
      }
    }
    return std::nullopt;
  }

  // A first short run of the pattern makes a fresh prefix, which the host's settings go into.
  void makePrefix() {
    auto prefixMaker = wine(patternExe_, {"--title", "Parvalon Wine prefix", "--duration", "0.2"}, "prefix.txt");
    ASSERT_TRUE(prefixMaker->start());
    ASSERT_EQ(prefixMaker->wait(std::chrono::seconds(120)), 0) << prefixMaker->output();
  }

  // A fresh prefix, the host on free ports with `extraSettings`, then the Win32 pattern with
  // `patternArguments` once its window is shown. GDI reads only what is on screen: the pattern
  // opens after the host, above its window. Callers check HasFailure().
  std::unique_ptr<ChildProcess> startHostAndPattern(const std::vector<std::string>& patternArguments,
                                                    const nlohmann::json& extraSettings = nlohmann::json::object()) {
    makePrefix();
    if (HasFailure()) return nullptr;
    startHost(extraSettings);
    if (HasFailure()) return nullptr;
    return openPattern(patternArguments);
  }

  // Starts ParvalonHost.exe on free ports with the `extra` settings (in the prefix; what was there
  // before the first start is put back in TearDown) and waits for its main loop. Call once a
  // program made the prefix, and again after stopHost for a host with other settings.
  void startHost(const nlohmann::json& extra = nlohmann::json::object()) {
    const auto local = localAppData();
    ASSERT_TRUE(local) << "no user folder in " << prefix_;
    if (settingsFile_.empty()) {
      settingsFile_ = *local / "Parvalon/settings.json";
      if (std::filesystem::exists(settingsFile_)) previousSettings_ = readFile(settingsFile_);
    }
    ports_ = writeSettingsWithFreePorts(*local, extra);
    // Each test meets the host as a first install does: nobody trusted yet, so its first client
    // is (another test's client, left in the prefix, would make this one wait for approval).
    trustFile_ = *local / "Parvalon/trusted-clients.json";
    std::filesystem::remove(trustFile_);

    logFile_ = *local / "Parvalon/logs/ParvalonHost.log";
    std::error_code ec;
    logStart_ = std::filesystem::exists(logFile_) ? std::filesystem::file_size(logFile_, ec) : 0;
    host_ = wine(hostExe_, {}, "host.txt");
    ASSERT_TRUE(host_->start());
    ASSERT_TRUE(waitForLog(kHostReadyLine, std::chrono::seconds(90))) << host_->output() << "\n---- log\n" << log();
  }

  void stopHost() {
    if (!host_) return;
    host_->kill(SIGKILL);
    host_->wait(std::chrono::seconds(20));
    host_.reset();
  }

  // The Win32 test pattern with `arguments`, once its window is shown. GDI reads only what is on
  // screen: open it after the host, above the host's window.
  std::unique_ptr<ChildProcess> openPattern(const std::vector<std::string>& arguments,
                                            const char* output = "pattern.txt") {
    auto pattern = wine(patternExe_, arguments, output);
    if (!pattern->start() || !pattern->waitForOutput("parvalon-testpattern window", std::chrono::seconds(60))) {
      ADD_FAILURE() << "the pattern did not open: " << pattern->output();
      return nullptr;
    }
    return pattern;
  }

  // What this run of the host wrote to its log file.
  std::string log() const {
    const std::string all = readFile(logFile_);
    return all.size() >= logStart_ ? all.substr(logStart_) : all;
  }

  // The log file is written behind the events: bounded polling.
  bool waitForLog(const std::string& text, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (log().find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
  }

  std::filesystem::path build_, hostExe_, helperExe_, patternExe_, prefix_, wineRun_, work_, settingsFile_, logFile_,
      trustFile_;
  std::optional<std::string> previousSettings_;
  std::uintmax_t logStart_ = 0;
  HostPorts ports_;
  std::unique_ptr<ChildProcess> host_;
};

}  // namespace parvalon::host::test
