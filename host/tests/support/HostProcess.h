#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "support/ChildProcess.h"

namespace parvalon::host::test {

// Runs the real ParvalonHost with a private data folder (its working folder too) and ends it by
// its process id.
class HostProcess {
 public:
  static std::filesystem::path binary() { return std::filesystem::path(PARVALON_BINARY_DIR) / "host/src/main/ParvalonHost"; }

  explicit HostProcess(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {
    std::filesystem::create_directories(dataFolder_);
    options_.output = dataFolder_ / "stdout.txt";
    options_.workingFolder = dataFolder_;
    options_.environment["XDG_DATA_HOME"] = dataFolder_.string();
  }

  // Environment changes for the child: a value sets the variable, nullopt removes it.
  void setEnv(const std::string& name, std::optional<std::string> value) { options_.environment[name] = std::move(value); }

  bool start() {
    process_.emplace(binary(), std::vector<std::string>{}, options_);
    return process_->start();
  }
  // Starts the host and waits (bounded) until its main loop runs.
  bool startAndWaitForMainLoop() { return start() && waitForLog("Application initialized, entering main loop..."); }
  // Ends a running host as the desktop would (SIGTERM); its exit code, nullopt when it hung or
  // crashed. Nothing when it was not started.
  std::optional<int> terminate() {
    if (!process_ || !process_->running()) return std::nullopt;
    signal(SIGTERM);
    return wait();
  }

  std::filesystem::path logFile() const { return dataFolder_ / "Parvalon" / "logs" / "ParvalonHost.log"; }
  std::string log() const { return readFile(logFile()); }
  std::string output() const { return readFile(options_.output); }

  // Waits (bounded) until the log file or the console output holds `text`.
  bool waitForLog(const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (log().find(text) != std::string::npos || output().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  pid_t pid() const { return process_ ? process_->pid() : -1; }
  void signal(int sig) const {
    if (process_) process_->kill(sig);
  }
  // Waits (bounded) for the process to end; its exit code, or nullopt on time-out or a crash.
  std::optional<int> wait(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    return process_ ? process_->wait(timeout) : std::nullopt;
  }

 private:
  std::filesystem::path dataFolder_;
  ChildProcess::Options options_;
  std::optional<ChildProcess> process_;
};

}  // namespace parvalon::host::test
