#pragma once

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/ChildProcess.h"
#include "support/HostProcess.h"
#include "ViewerRun.h"

namespace parvalon::host::test {

inline constexpr const char* kPatternTitle = "Parvalon E2E Pattern";

inline std::string hexText(const std::string& prefix, std::uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", v);
  return prefix + text;
}

// One host and one 640x360 pattern window shared by a suite: starting them is the slow part.
// A suite calls startHostAndPattern from SetUpTestSuite and stopHostAndPattern from
// TearDownTestSuite; ready_ says whether both came up.
class ViewerFixture : public ::testing::Test {
 protected:
  static void startHostAndPattern(const std::string& name) {
    folder_ = std::filesystem::temp_directory_path() / ("parvalon-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    pattern_ = new ChildProcess(binary("tools/testpattern/parvalon-testpattern"),
                                {"--title", kPatternTitle, "--width", "640", "--height", "360"}, folder_ / "pattern.txt");
    host_ = new HostProcess(folder_ / "host");
    if (!pattern_->start() || !pattern_->waitForOutput("parvalon-testpattern window", std::chrono::seconds(10))) return;
    if (!host_->startAndWaitForMainLoop()) return;
    ready_ = true;
  }

  static void stopHostAndPattern() {
    if (host_ != nullptr) host_->terminate();
    delete host_;
    delete pattern_;
    host_ = nullptr;
    pattern_ = nullptr;
    ready_ = false;
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
  }

  // Runs the viewer to its end (bounded); its exit code and output.
  static std::pair<std::optional<int>, std::string> viewer(const std::vector<std::string>& args, const char* name,
                                                           std::chrono::milliseconds timeout = std::chrono::seconds(40)) {
    return runViewer(args, folder_ / (std::string(name) + ".txt"), timeout);
  }

  static nlohmann::json readJson(const std::filesystem::path& path) { return readJsonFile(path); }

  static std::size_t countInLog(const std::string& text) {
    const std::string log = host_->output();  // the console is written line by line
    std::size_t n = 0;
    for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
    return n;
  }

  static inline std::filesystem::path folder_;
  static inline ChildProcess* pattern_ = nullptr;
  static inline HostProcess* host_ = nullptr;
  static inline bool ready_ = false;
};

}  // namespace parvalon::host::test
