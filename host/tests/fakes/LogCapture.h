#pragma once

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "logging/Logging.h"
#include "logging/UISink.h"

namespace parvalon::host::testing {

// Collects the host logger's messages from its construction on (one sink per process; each
// LogCapture forgets what earlier ones saw).
class LogCapture {
 public:
  struct Line {
    int level;
    std::string text;
  };
  static constexpr int kInfo = 2;
  static constexpr int kWarn = 3;
  static constexpr int kError = 4;

  LogCapture() {
    std::lock_guard lock(state().mutex);
    state().lines.clear();
  }
  std::vector<Line> lines() const {
    std::lock_guard lock(state().mutex);
    return state().lines;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& l : lines()) out.push_back(l.text);
    return out;
  }
  std::size_t count(const std::string& text) const {
    const auto all = lines();
    return static_cast<std::size_t>(std::count_if(all.begin(), all.end(), [&](const Line& l) { return l.text == text; }));
  }
  bool has(int level, const std::string& text) const {
    const auto all = lines();
    return std::any_of(all.begin(), all.end(), [&](const Line& l) { return l.level == level && l.text == text; });
  }
  bool contains(const std::string& fragment) const {
    const auto all = lines();
    return std::any_of(all.begin(), all.end(), [&](const Line& l) { return l.text.find(fragment) != std::string::npos; });
  }
  // Number of lines at `level` (spdlog level number) whose message equals `text`.
  std::size_t count(int level, const std::string& text) const {
    const auto all = lines();
    return static_cast<std::size_t>(std::count_if(all.begin(), all.end(), [&](const Line& l) {
      return l.level == level && l.text == text;
    }));
  }
  std::size_t countAtLeast(int level) const {
    const auto all = lines();
    return static_cast<std::size_t>(
        std::count_if(all.begin(), all.end(), [&](const Line& l) { return l.level >= level; }));
  }
  // Index of the first line equal to `text`, or -1.
  int indexOf(const std::string& text) const {
    const auto all = lines();
    for (std::size_t i = 0; i < all.size(); ++i) {
      if (all[i].text == text) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  struct State {
    // Guards lines; taken by every logging thread and the test thread.
    std::mutex mutex;
    std::vector<Line> lines;
    State() {
      initLogging("ParvalonHost", false, spdlog::level::debug);
      auto sink = std::make_shared<UISinkMt>();
      sink->set_pattern("%v");  // the sink drops the platform's line ending itself
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

inline constexpr int kInfo = LogCapture::kInfo;
inline constexpr int kWarn = LogCapture::kWarn;
inline constexpr int kError = LogCapture::kError;

}  // namespace parvalon::host::testing
