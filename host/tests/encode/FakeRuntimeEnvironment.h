#pragma once

#include <map>
#include <string>
#include <utility>

namespace parvalon::host::testing {

// The fake runtimes' half of FakeRuntimeControl: inside the fake DLL, the "<prefix>_<NAME>"
// variables the test set, the call log "<prefix>_LOG" the test reads, and the failures it asked
// for in "<prefix>_FAIL": "Call=status,Call#n=status" makes every call of that name (or only
// its n-th) return that status; an entry without a status is a flag ("load").
class FakeRuntimeEnvironment {
 public:
  explicit FakeRuntimeEnvironment(std::string prefix) : prefix_(std::move(prefix)) {}

  // The variable as the test holds it now; empty when unset.
  std::string value(const std::string& name) const;
  // Appends one line to the call log.
  void record(const std::string& line) const;

  // Reads the failure list again; the calls counted so far stay counted.
  void readFailures();
  bool hasFailure(const std::string& entry) const { return failures_.count(entry) != 0; }
  // Counts the call; the status the list gives this one, else `success`.
  int result(const std::string& call, int success);

 private:
  std::string prefix_;
  std::map<std::string, int> failures_;
  std::map<std::string, int> callCounts_;
};

}  // namespace parvalon::host::testing
