#pragma once

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <spdlog/spdlog.h>

#include "logging/Logging.h"
#include "logging/UISink.h"

namespace parvalon::host::test {

// Starts console-only logging and keeps every line (message text only) for assertions.
class LogCapture {
 public:
  LogCapture() {
    initLogging("ParvalonHost", false, spdlog::level::debug);
    spdlog::default_logger_raw()->sinks()[0]->set_level(spdlog::level::off);
    sink_ = std::make_shared<UISinkMt>();
    sink_->set_pattern("%l|%v");
    sink_->setCallback([this](int, const std::string& line) {
      std::lock_guard lock(mutex_);
      lines_.push_back(line);
    });
    addSink(sink_);
  }
  ~LogCapture() {
    sink_->setCallback(nullptr);
    shutdownLogging();
  }

  std::vector<std::string> lines() {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  // Number of lines equal to "<level>|<text>", e.g. count("error|Failed to open settings file for writing").
  int count(const std::string& line) {
    const auto all = lines();
    return static_cast<int>(std::count(all.begin(), all.end(), line));
  }
  bool containsPrefix(const std::string& prefix) {
    for (const auto& l : lines()) {
      if (l.rfind(prefix, 0) == 0) return true;
    }
    return false;
  }

 private:
  std::shared_ptr<UISinkMt> sink_;
  std::mutex mutex_;  // guards lines_; every logging thread
  std::vector<std::string> lines_;
};

}  // namespace parvalon::host::test
