#pragma once

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "logging/Logging.h"
#include "logging/UISink.h"

namespace parvalon::host::testing {

// Collects the host logger's lines from its construction on. One sink is installed per process;
// each LogCapture clears what earlier ones saw.
class LogCapture {
 public:
  struct Line {
    int level;
    std::string text;  // the message only
  };

  LogCapture() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.lines.clear();
  }

  std::vector<Line> lines() const {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.lines;
  }
  // Number of lines at `level` (spdlog level number) whose message equals `text`.
  std::size_t count(int level, const std::string& text) const {
    const auto all = lines();
    return static_cast<std::size_t>(std::count_if(all.begin(), all.end(), [&](const Line& l) {
      return l.level == level && l.text == text;
    }));
  }
  bool contains(const std::string& fragment) const {
    const auto all = lines();
    return std::any_of(all.begin(), all.end(),
                       [&](const Line& l) { return l.text.find(fragment) != std::string::npos; });
  }
  std::size_t countAtLeast(int level) const {
    const auto all = lines();
    return static_cast<std::size_t>(
        std::count_if(all.begin(), all.end(), [&](const Line& l) { return l.level >= level; }));
  }

 private:
  struct State {
    // Guards lines; taken by every logging thread and the test thread.
    std::mutex mutex;
    std::vector<Line> lines;
    State() {
      initLogging("ParvalonHost", false, spdlog::level::debug);
      auto sink = std::make_shared<UISinkMt>();
      sink->set_pattern("%v");
      sink->setCallback([this](int level, const std::string& text) {
        std::lock_guard lock(mutex);
        lines.push_back({level, text});
      });
      addSink(sink);
    }
  };
  static State& state() {
    static State s;
    return s;
  }
};

inline constexpr int kInfo = 2;
inline constexpr int kWarn = 3;
inline constexpr int kError = 4;

}  // namespace parvalon::host::testing
