#pragma once

// The one way tests and benchmarks run another program: spawned directly (no shell), its
// output in a file, ended by its own process id and always reaped.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
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
#include <utility>
#include <vector>

#include "support/ReadFile.h"

extern char** environ;

namespace parvalon::host::test {

class ChildProcess {
 public:
  struct Options {
    std::filesystem::path output;         // standard output and error; empty: discarded
    std::filesystem::path workingFolder;  // empty: this process's
    // Changes to this process's environment: a value sets the variable, nullopt removes it.
    std::map<std::string, std::optional<std::string>> environment;
    bool searchPath = false;  // look `program` up in PATH (a bare name such as "ffmpeg")
  };

  ChildProcess(std::filesystem::path program, std::vector<std::string> args, Options options)
      : program_(std::move(program)), args_(std::move(args)), options_(std::move(options)) {}
  ChildProcess(std::filesystem::path program, std::vector<std::string> args, std::filesystem::path outputFile)
      : ChildProcess(std::move(program), std::move(args), Options{std::move(outputFile), {}, {}, false}) {}
  // A program still running when its owner goes is killed: a failed test never leaves one behind.
  ~ChildProcess() {
    kill(SIGKILL);
    wait(std::chrono::seconds(5));
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool start() {
    std::vector<std::string> all{program_.string()};
    all.insert(all.end(), args_.begin(), args_.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings = environmentEntries();
    std::vector<char*> envp;
    for (auto& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string output = options_.output.empty() ? std::string("/dev/null") : options_.output.string();
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (!options_.workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, options_.workingFolder.c_str());
    const auto spawn = options_.searchPath ? ::posix_spawnp : ::posix_spawn;
    const int rc = spawn(&pid_, all.front().c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  pid_t pid() const { return pid_; }
  bool running() const { return pid_ > 0; }
  // What the program used (CPU time among it), once `wait` has seen it end.
  const rusage& resourceUsage() const { return usage_; }

  void kill(int sig) const {
    if (pid_ > 0) ::kill(pid_, sig);
  }

  // Exit code once the program ended within `timeout`; nothing on time-out or a signal.
  std::optional<int> wait(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (pid_ > 0) {
      int status = 0;
      if (::wait4(pid_, &status, WNOHANG, &usage_) == pid_) {
        pid_ = -1;
        if (WIFEXITED(status)) return WEXITSTATUS(status);
        return std::nullopt;
      }
      if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
  }

  // Asks the program to end (SIGTERM) and kills it when it has not within `grace`.
  void stop(std::chrono::milliseconds grace = std::chrono::seconds(5)) {
    if (pid_ <= 0) return;
    kill(SIGTERM);
    wait(grace);
    kill(SIGKILL);
    wait(std::chrono::seconds(5));
  }

  std::string output() const { return readFile(options_.output); }

  bool waitForOutput(const std::string& text, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (output().find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

 private:
  std::vector<std::string> environmentEntries() const {
    std::map<std::string, std::string> vars;
    for (char** e = environ; *e != nullptr; ++e) {
      const std::string entry(*e);
      const auto eq = entry.find('=');
      if (eq != std::string::npos) vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& [name, value] : options_.environment) {
      if (value) vars[name] = *value; else vars.erase(name);
    }
    std::vector<std::string> entries;
    for (const auto& [name, value] : vars) entries.push_back(name + "=" + value);
    return entries;
  }

  std::filesystem::path program_;
  std::vector<std::string> args_;
  Options options_;
  pid_t pid_ = -1;
  rusage usage_{};
};

}  // namespace parvalon::host::test
