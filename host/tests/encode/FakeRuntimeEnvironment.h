#pragma once

#include <map>
#include <string>
#include <utility>

namespace parvalon::host::testing {

// The fake runtimes' half of FakeRuntimeControl: inside the fake DLL, the "<prefix>_<NAME>"
// variables the test set and the call log "<prefix>_LOG" it reads.
class FakeRuntimeEnvironment {
 public:
  explicit FakeRuntimeEnvironment(std::string prefix) : prefix_(std::move(prefix)) {}

  // The variable as the test holds it now; empty when unset.
  std::string value(const std::string& name) const;
  // Appends one line to the call log.
  void record(const std::string& line) const;
  // Counts the call, then reads "<prefix>_FAIL" as it is now: "Call=status,Call#n=status" makes
  // every call of that name (or only its n-th since this object began) return that status. The
  // first entry that names this call gives its status; without one, `success`.
  int result(const std::string& call, int success);

 private:
  std::string prefix_;
  std::map<std::string, int> callCounts_;
};

}  // namespace parvalon::host::testing
