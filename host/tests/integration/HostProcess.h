#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace parvalon::host::test {

// Runs the real ParvalonHost with a private data folder and ends it by its process id.
class HostProcess {
 public:
  static std::filesystem::path binary() { return std::filesystem::path(PARVALON_BINARY_DIR) / "host/src/main/ParvalonHost"; }

  explicit HostProcess(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {
    std::filesystem::create_directories(dataFolder_);
  }
  ~HostProcess() {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      int status = 0;
      ::waitpid(pid_, &status, 0);
    }
  }

  // Environment changes for the child: a value sets the variable, nullopt removes it.
  void setEnv(const std::string& name, std::optional<std::string> value) { env_[name] = std::move(value); }

  bool start() {
    std::map<std::string, std::string> vars;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string entry(*e);
      const auto eq = entry.find('=');
      if (eq != std::string::npos) vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    vars["XDG_DATA_HOME"] = dataFolder_.string();
    for (const auto& [name, value] : env_) {
      if (value) vars[name] = *value; else vars.erase(name);
    }
    std::vector<std::string> envStrings;
    for (const auto& [name, value] : vars) envStrings.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& s : envStrings) envp.push_back(s.data());
    envp.push_back(nullptr);

    const std::string exe = binary().string();
    const std::string out = (dataFolder_ / "stdout.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addchdir_np(&actions, dataFolder_.c_str());
    char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
    const int rc = posix_spawn(&pid_, exe.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  std::filesystem::path logFile() const { return dataFolder_ / "Parvalon" / "logs" / "ParvalonHost.log"; }
  std::string log() const { return readFile(logFile()); }
  std::string output() const { return readFile(dataFolder_ / "stdout.txt"); }

  // Waits (bounded) until the log file or the console output holds `text`.
  bool waitForLog(const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (log().find(text) != std::string::npos || output().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  pid_t pid() const { return pid_; }

  void signal(int sig) const {
    if (pid_ > 0) ::kill(pid_, sig);
  }

  // Waits (bounded) for the process to end; its exit code, or nullopt on time-out or a crash.
  std::optional<int> wait(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (pid_ > 0 && std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      const pid_t done = ::waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        pid_ = -1;
        if (WIFEXITED(status)) return WEXITSTATUS(status);
        return std::nullopt;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
  }

 private:
  static std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::filesystem::path dataFolder_;
  std::map<std::string, std::optional<std::string>> env_;
  pid_t pid_ = -1;
};

}  // namespace parvalon::host::test
