#pragma once

// parvalon-viewer run by a test to its end, and what it wrote.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/ChildProcess.h"

namespace parvalon::host::test {

inline std::filesystem::path binary(const char* relative) { return std::filesystem::path(PARVALON_BINARY_DIR) / relative; }
inline std::filesystem::path viewerBinary() { return binary("tools/viewer/parvalon-viewer"); }

// Runs the viewer to its end (bounded); its exit code and output (kept in `outputFile`).
inline std::pair<std::optional<int>, std::string> runViewer(const std::vector<std::string>& args,
                                                            const std::filesystem::path& outputFile,
                                                            std::chrono::milliseconds timeout) {
  ChildProcess v(viewerBinary(), args, outputFile);
  if (!v.start()) return {std::nullopt, "could not start the viewer"};
  auto code = v.wait(timeout);
  return {code, v.output()};
}

// The viewer's --stats file; a discarded value when it is missing or broken.
inline nlohmann::json readJsonFile(const std::filesystem::path& path) {
  std::ifstream in(path);
  return nlohmann::json::parse(in, nullptr, false);
}

}  // namespace parvalon::host::test
