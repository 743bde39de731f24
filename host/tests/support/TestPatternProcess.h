#pragma once

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "fakes/WaitUntil.h"
#include "platform/WindowSystem.h"
#include "support/ChildProcess.h"

namespace parvalon::host::testing {

// Runs a shell command (bounded by `timeout`) and returns its standard output.
inline std::string runCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(("timeout 10 " + command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  pclose(pipe);
  return output;
}

// The shared bounded wait, with the longer default the desktop needs.
template <class F>
bool waitFor(F&& condition, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  return waitUntil(std::forward<F>(condition), limit);
}

// One parvalon-testpattern window, ended (SIGTERM, then SIGKILL) when the object goes.
class TestPatternProcess {
 public:
  // `binary`: another copy of the test pattern program to run (default: the built one).
  explicit TestPatternProcess(std::vector<std::string> args, std::string binary = PARVALON_TESTPATTERN_PATH)
      : idFile_(std::filesystem::temp_directory_path() /
                ("parvalon-tp-" + std::to_string(getpid()) + "-" + std::to_string(++counter_) + ".id")),
        process_(binary, withIdFile(std::move(args), idFile_), test::ChildProcess::Options{}) {
    std::filesystem::remove(idFile_);
    if (process_.start()) waitFor([this] { return readId(); });
  }
  ~TestPatternProcess() { terminate(); }
  TestPatternProcess(const TestPatternProcess&) = delete;
  TestPatternProcess& operator=(const TestPatternProcess&) = delete;

  platform::WindowHandle window() const { return window_; }
  std::string hexId() const {
    char b[32];
    std::snprintf(b, sizeof b, "0x%llx", static_cast<unsigned long long>(window_));
    return b;
  }

  // Ends the process, which destroys its window.
  void terminate() {
    process_.stop();
    std::filesystem::remove(idFile_);
  }

 private:
  static std::vector<std::string> withIdFile(std::vector<std::string> args, const std::filesystem::path& idFile) {
    args.push_back("--id-file");
    args.push_back(idFile.string());
    if (std::find(args.begin(), args.end(), "--duration") == args.end()) {
      args.push_back("--duration");
      args.push_back("120");  // never outlives a hung test for long
    }
    return args;
  }
  bool readId() {
    std::ifstream in(idFile_);
    unsigned long long id = 0;
    if (!(in >> id)) return false;
    window_ = id;
    return true;
  }

  static inline int counter_ = 0;
  std::filesystem::path idFile_;
  test::ChildProcess process_;
  platform::WindowHandle window_ = 0;
};

// Waits until the window manager shows the window (mapped, listed in the stacking order).
inline bool waitUntilManaged(platform::WindowSystem& windows, platform::WindowHandle window,
                             std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  const bool managed = waitFor([&] {
    const auto all = windows.topLevelWindows();
    if (std::find(all.begin(), all.end(), window) == all.end()) return false;
    const auto rect = windows.clientRect(window);
    return rect && rect->width > 0;
  }, limit);
  std::this_thread::sleep_for(std::chrono::milliseconds(150));  // first expose drawn
  return managed;
}

}  // namespace parvalon::host::testing
