#include "FakeRuntimeEnvironment.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace parvalon::host::testing {

std::string FakeRuntimeEnvironment::value(const std::string& name) const {
  // From the process, not from the DLL's own C runtime, whose copy dates from its load.
  char text[1024];
  const DWORD length = GetEnvironmentVariableA((prefix_ + "_" + name).c_str(), text, sizeof text);
  return length > 0 && length < sizeof text ? std::string(text, length) : std::string();
}

void FakeRuntimeEnvironment::record(const std::string& line) const {
  // Opened per line so the log is complete whenever the test reads it, even with the library
  // still loaded; without a log named, nothing opens.
  if (FILE* file = std::fopen(value("LOG").c_str(), "ab")) {
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
  }
}

int FakeRuntimeEnvironment::result(const std::string& call, int success) {
  const std::string nth = call + "#" + std::to_string(++callCounts_[call]);
  std::stringstream list(value("FAIL"));
  for (std::string entry; std::getline(list, entry, ',');) {
    const auto equals = entry.find('=');
    const std::string name = entry.substr(0, equals);
    if (equals != std::string::npos && (name == call || name == nth)) return std::atoi(entry.c_str() + equals + 1);
  }
  return success;
}

}  // namespace parvalon::host::testing
