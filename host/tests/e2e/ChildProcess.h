#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace parvalon::host::test {

// One program run by a test, its output in a file, ended by its process id.
class ChildProcess {
 public:
  ChildProcess(std::filesystem::path program, std::vector<std::string> args, std::filesystem::path outputFile)
      : program_(std::move(program)), args_(std::move(args)), output_(std::move(outputFile)) {}
  ~ChildProcess() { kill(SIGKILL); wait(std::chrono::seconds(5)); }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool start() {
    std::vector<std::string> all{program_.string()};
    all.insert(all.end(), args_.begin(), args_.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int rc = posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  void kill(int sig) const {
    if (pid_ > 0) ::kill(pid_, sig);
  }

  // Exit code once the program ended within `timeout`; nothing on time-out or a signal.
  std::optional<int> wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (pid_ > 0) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        if (WIFEXITED(status)) return WEXITSTATUS(status);
        return std::nullopt;
      }
      if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
  }

  std::string output() const {
    std::ifstream in(output_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  bool waitForOutput(const std::string& text, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (output().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

 private:
  std::filesystem::path program_;
  std::vector<std::string> args_;
  std::filesystem::path output_;
  pid_t pid_ = -1;
};

}  // namespace parvalon::host::test
