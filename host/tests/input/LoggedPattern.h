#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/TestPatternProcess.h"

namespace parvalon::host {

// A test pattern window with its own input log.
struct LoggedPattern {
  LoggedPattern(const std::string& name, std::vector<std::string> args)
      : log(std::filesystem::temp_directory_path() / ("parvalon-input-" + std::to_string(getpid()) + "-" + name + ".log")) {
    std::filesystem::remove(log);
    args.push_back("--input-log");
    args.push_back(log.string());
    process = std::make_unique<testing::TestPatternProcess>(args);
  }
  ~LoggedPattern() {
    process.reset();
    std::filesystem::remove(log);
  }
  platform::WindowHandle window() const { return process->window(); }
  std::vector<nlohmann::json> lines() const {
    std::vector<nlohmann::json> out;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) {
      auto parsed = nlohmann::json::parse(line, nullptr, false);
      if (!parsed.is_discarded()) out.push_back(parsed);
    }
    return out;
  }
  std::vector<nlohmann::json> of(const std::string& type) const {
    std::vector<nlohmann::json> out;
    for (auto& l : lines()) {
      if (l.value("type", "") == type) out.push_back(l);
    }
    return out;
  }
  std::string text() const {
    std::string out;
    for (const auto& l : of("text")) out += l.value("text", "");
    return out;
  }
  // "4+ 4- 5+" for the buttons pressed (+) and released (-), in order.
  std::string buttons() const {
    std::string out;
    for (const auto& l : of("button")) {
      out += (out.empty() ? "" : " ") + std::to_string(l.value("button", 0)) + (l.value("pressed", false) ? "+" : "-");
    }
    return out;
  }

  std::filesystem::path log;
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
