#include "FakeAmfRecorder.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace parvalon::host::testing {

namespace {

constexpr amf::amf_uint64 kDefaultVersion = amf::amfFullVersion(1, 5, 0, 0);

std::string variable(const char* name) {
  char value[1024];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  if (length == 0 || length >= sizeof value) return {};
  return std::string(value, length);
}

}  // namespace

FakeAmfRecorder& FakeAmfRecorder::instance() {
  static FakeAmfRecorder recorder;
  return recorder;
}

void FakeAmfRecorder::configure() {
  std::lock_guard lock(mutex_);
  logPath_ = variable("PARVALON_FAKE_AMF_LOG");
  failures_.clear();
  callCounts_.clear();
  std::stringstream failList(variable("PARVALON_FAKE_AMF_FAIL"));
  for (std::string entry; std::getline(failList, entry, ',');) {
    const auto equals = entry.find('=');
    if (equals == std::string::npos) continue;
    failures_[entry.substr(0, equals)] = std::atoi(entry.c_str() + equals + 1);
  }
  const std::string version = variable("PARVALON_FAKE_AMF_VERSION");
  version_ = version.empty() ? kDefaultVersion : std::strtoull(version.c_str(), nullptr, 16);
  outputLag_ = std::atoi(variable("PARVALON_FAKE_AMF_LAG").c_str());
  intra_.clear();
  std::stringstream intraList(variable("PARVALON_FAKE_AMF_INTRA"));
  for (std::string entry; std::getline(intraList, entry, ',');) intra_.insert(std::atoll(entry.c_str()));
  extraDataFirst_ = variable("PARVALON_FAKE_AMF_EXTRA") == "1";
}

void FakeAmfRecorder::record(const std::string& line) {
  std::lock_guard lock(mutex_);
  if (logPath_.empty()) return;
  // Opened per line so the log is complete whenever the test reads it, even with the library
  // still loaded.
  if (FILE* file = std::fopen(logPath_.c_str(), "ab")) {
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
}

amf::AMF_RESULT FakeAmfRecorder::result(const std::string& call) {
  std::lock_guard lock(mutex_);
  const int count = ++callCounts_[call];
  if (auto it = failures_.find(call + "#" + std::to_string(count)); it != failures_.end()) {
    return static_cast<amf::AMF_RESULT>(it->second);
  }
  if (auto it = failures_.find(call); it != failures_.end()) return static_cast<amf::AMF_RESULT>(it->second);
  return amf::AMF_OK;
}

}  // namespace parvalon::host::testing
