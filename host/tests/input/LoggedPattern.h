#pragma once

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/PatternInputLog.h"
#include "support/TestPatternProcess.h"

namespace parvalon::host {

// A test pattern window with its own input log.
struct LoggedPattern : test::PatternInputLog {
  LoggedPattern(const std::string& name, std::vector<std::string> args)
      : test::PatternInputLog(std::filesystem::temp_directory_path() /
                              ("parvalon-input-" + std::to_string(getpid()) + "-" + name + ".log")) {
    std::filesystem::remove(path());
    args.push_back("--input-log");
    args.push_back(path().string());
    process = std::make_unique<testing::TestPatternProcess>(args);
  }
  ~LoggedPattern() {
    process.reset();
    std::filesystem::remove(path());
  }
  platform::WindowHandle window() const { return process->window(); }

  std::unique_ptr<testing::TestPatternProcess> process;
};

std::u16string utf16(const std::u32string& text) {
  std::u16string out;
  for (char32_t c : text) {
    if (c >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c));
    }
  }
  return out;
}

}  // namespace parvalon::host
