#pragma once

#include <string>
#include <string_view>

namespace parvalon::host::platform {

// The processor's model name ("model name" of /proc/cpuinfo on Linux), empty when unknown.
std::string cpuModelName();

// The first "model name" value of a /proc/cpuinfo text, trimmed; empty when there is none.
inline std::string cpuModelFromCpuinfo(std::string_view text) {
  constexpr std::string_view kKey = "model name";
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (line.substr(0, kKey.size()) != kKey) continue;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t' || value.back() == '\r')) value.remove_suffix(1);
    if (!value.empty()) return std::string(value);
  }
  return {};
}

}  // namespace parvalon::host::platform
