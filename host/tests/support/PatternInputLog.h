#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

namespace parvalon::host::test {

// A test pattern's --input-log, read back (JSON lines; the X11 and the Win32 pattern write the
// same). Reads the file afresh on every call, so a bounded wait can poll it.
class PatternInputLog {
 public:
  explicit PatternInputLog(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  std::vector<nlohmann::json> lines() const {
    std::vector<nlohmann::json> out;
    std::ifstream in(path_);
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

 private:
  std::filesystem::path path_;
};

}  // namespace parvalon::host::test
