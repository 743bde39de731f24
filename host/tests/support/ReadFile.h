#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace parvalon::host::test {

// A whole file's bytes; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace parvalon::host::test
