#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "encode/FakeRuntimeControl.h"

namespace parvalon::host::testing {

// One call the fake NVENC runtime recorded: its name and its "key=value" arguments.
struct RuntimeCall {
  std::string name;
  std::map<std::string, std::string> args;
  std::string arg(const std::string& key) const {
    const auto it = args.find(key);
    return it == args.end() ? "<missing>" : it->second;
  }
};

// The fake NVENC runtime (FakeNvencRuntime.cpp), with its log read as calls. set("FAIL", ...)
// takes "call=status[,call#n=status...]" or "load"; set("MAX_VERSION", ...) the driver's newest
// API.
class FakeNvencLog : public FakeRuntimeControl {
 public:
  FakeNvencLog() : FakeRuntimeControl("PARVALON_FAKE_NVENC", {"FAIL", "MAX_VERSION"}) {}

  // Every recorded line, including the DLL's "load" and "unload".
  std::vector<RuntimeCall> all() const {
    std::vector<RuntimeCall> calls;
    for (const std::string& line : lines()) {
      std::istringstream words(line);
      RuntimeCall call;
      words >> call.name;
      for (std::string word; words >> word;) {
        const auto equals = word.find('=');
        if (equals == std::string::npos) {
          call.name += " " + word;
        } else {
          call.args[word.substr(0, equals)] = word.substr(equals + 1);
        }
      }
      calls.push_back(std::move(call));
    }
    return calls;
  }
  // The runtime calls alone.
  std::vector<RuntimeCall> calls() const {
    std::vector<RuntimeCall> out;
    for (auto& call : all()) {
      if (call.name.rfind("nvEnc", 0) == 0 || call.name.rfind("NvEncode", 0) == 0) out.push_back(call);
    }
    return out;
  }
  std::vector<std::string> names() const { return namesOf(calls()); }
  std::vector<std::string> allNames() const { return namesOf(all()); }

 private:
  static std::vector<std::string> namesOf(const std::vector<RuntimeCall>& calls) {
    std::vector<std::string> out;
    for (const auto& call : calls) out.push_back(call.name);
    return out;
  }
};

}  // namespace parvalon::host::testing
