#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "fakes/Environment.h"
#include "fakes/TestFolder.h"

namespace parvalon::host::testing {

// Drives a fake encoder runtime through its "<prefix>_<NAME>" environment variables and reads
// back the calls it logged (the runtime's half: FakeRuntimeEnvironment.h). One per test: the
// log lives in the test's own folder, and every variable is put back when the test ends, so the
// next test starts from a well-behaved runtime.
class FakeRuntimeControl {
 public:
  using Lines = std::vector<std::string>;

  // `settings` are the runtime's other variables, cleared so that none leaks in from outside.
  FakeRuntimeControl(const std::string& prefix, std::initializer_list<const char*> settings)
      : prefix_(prefix), folder_(prefix), log_(folder_.path() / "calls.log") {
    set("LOG", log_.string());
    for (const char* name : settings) environment_.unset(prefix_ + "_" + name);
  }

  void set(const std::string& name, const std::string& value) { environment_.set(prefix_ + "_" + name, value); }
  // An empty folder of the test's own.
  const std::filesystem::path& folder() const { return folder_.path(); }

  // Every line logged so far.
  Lines lines() const {
    Lines out;
    std::ifstream in(log_);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }
  // The lines logged after the first `mark` (a count of lines()).
  Lines linesSince(std::size_t mark) const {
    Lines all = lines();
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all.size())), all.end());
  }
  // Forgets what was logged so far.
  void clear() { std::ofstream(log_, std::ios::trunc); }

 private:
  std::string prefix_;
  ScopedEnvironment environment_;
  TestFolder folder_;
  std::filesystem::path log_;
};

}  // namespace parvalon::host::testing
