#include "FakeAmfRecorder.h"

#include <cstdlib>
#include <sstream>

namespace parvalon::host::testing {

namespace {

constexpr amf::amf_uint64 kDefaultVersion = amf::amfFullVersion(1, 5, 0, 0);

}  // namespace

FakeAmfRecorder& FakeAmfRecorder::instance() {
  static FakeAmfRecorder recorder;
  return recorder;
}

void FakeAmfRecorder::configure() {
  std::lock_guard lock(mutex_);
  environment_ = FakeRuntimeEnvironment(kPrefix);  // the calls count from here
  const std::string version = environment_.value("VERSION");
  version_ = version.empty() ? kDefaultVersion : std::strtoull(version.c_str(), nullptr, 16);
  outputLag_ = std::atoi(environment_.value("LAG").c_str());
  intra_.clear();
  std::stringstream intraList(environment_.value("INTRA"));
  for (std::string entry; std::getline(intraList, entry, ',');) intra_.insert(std::atoll(entry.c_str()));
  extraDataFirst_ = environment_.value("EXTRA") == "1";
}

void FakeAmfRecorder::record(const std::string& line) {
  std::lock_guard lock(mutex_);
  environment_.record(line);
}

amf::AMF_RESULT FakeAmfRecorder::result(const std::string& call) {
  std::lock_guard lock(mutex_);
  return static_cast<amf::AMF_RESULT>(environment_.result(call, amf::AMF_OK));
}

}  // namespace parvalon::host::testing
