#pragma once

#include <windows.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

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

// Drives the fake runtime (host/tests/encode/nvenc/FakeNvencRuntime.cpp) through its
// environment variables and reads back what it recorded. One per test; it resets the variables
// when it ends so the next test starts from a well-behaved runtime.
class FakeNvencLog {
 public:
  FakeNvencLog() {
    char folder[MAX_PATH];
    char file[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "nve", 0, file);
    path_ = file;
    SetEnvironmentVariableA("PARVALON_FAKE_NVENC_LOG", path_.c_str());
    SetEnvironmentVariableA("PARVALON_FAKE_NVENC_FAIL", nullptr);
    SetEnvironmentVariableA("PARVALON_FAKE_NVENC_MAX_VERSION", nullptr);
  }
  ~FakeNvencLog() {
    SetEnvironmentVariableA("PARVALON_FAKE_NVENC_LOG", nullptr);
    SetEnvironmentVariableA("PARVALON_FAKE_NVENC_FAIL", nullptr);
    SetEnvironmentVariableA("PARVALON_FAKE_NVENC_MAX_VERSION", nullptr);
    DeleteFileA(path_.c_str());
  }
  FakeNvencLog(const FakeNvencLog&) = delete;
  FakeNvencLog& operator=(const FakeNvencLog&) = delete;

  // "call=status[,call#n=status...]" or "load"; see the fake's header comment.
  void fail(const std::string& spec) { SetEnvironmentVariableA("PARVALON_FAKE_NVENC_FAIL", spec.c_str()); }
  void maxVersion(const std::string& value) {
    SetEnvironmentVariableA("PARVALON_FAKE_NVENC_MAX_VERSION", value.c_str());
  }
  // Forgets what was recorded so far.
  void clear() { std::ofstream(path_, std::ios::trunc); }

  // Every recorded line, including the DLL's "load" and "unload".
  std::vector<RuntimeCall> all() const {
    std::vector<RuntimeCall> calls;
    std::ifstream in(path_);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::istringstream words(line);
      RuntimeCall call;
      words >> call.name;
      std::string word;
      while (words >> word) {
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
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& call : calls()) out.push_back(call.name);
    return out;
  }
  std::vector<std::string> allNames() const {
    std::vector<std::string> out;
    for (const auto& call : all()) out.push_back(call.name);
    return out;
  }

 private:
  std::string path_;
};

}  // namespace parvalon::host::testing
