#pragma once

#include <mutex>
#include <set>
#include <string>

#include "encode/amf/AmfApi.h"
#include "encode/FakeRuntimeEnvironment.h"

namespace parvalon::host::testing {

// The fake AMF runtime's memory: what the test asked of it and the log of every call made on
// it, one line each, appended to the file the test reads. PARVALON_FAKE_AMF_LOG and
// PARVALON_FAKE_AMF_FAIL are FakeRuntimeEnvironment's (n-th calls count from AMFInit); these
// are read when AMFInit runs:
//
//   PARVALON_FAKE_AMF_VERSION  the runtime's version (hex); AMFInit refuses newer requests
//   PARVALON_FAKE_AMF_LAG      an output becomes ready only after that many further submissions
//   PARVALON_FAKE_AMF_INTRA    time stamps delivered as intra (not IDR) pictures, comma separated
//   PARVALON_FAKE_AMF_EXTRA    "1": a non-buffer data object comes out before every output
class FakeAmfRecorder {
 public:
  static FakeAmfRecorder& instance();

  void configure();
  void record(const std::string& line);
  // Counts the call; the result the test configured for it, else AMF_OK.
  amf::AMF_RESULT result(const std::string& call);

  amf::amf_uint64 version() const { return version_; }
  int outputLag() const { return outputLag_; }
  bool isIntra(amf::amf_pts pts) const { return intra_.count(pts) != 0; }
  bool extraDataFirst() const { return extraDataFirst_; }

 private:
  static constexpr const char* kPrefix = "PARVALON_FAKE_AMF";

  // Guards every member; the runtime's callers may come from any thread.
  mutable std::mutex mutex_;
  FakeRuntimeEnvironment environment_{kPrefix};
  amf::amf_uint64 version_ = 0;
  int outputLag_ = 0;
  std::set<amf::amf_pts> intra_;
  bool extraDataFirst_ = false;
};

}  // namespace parvalon::host::testing
