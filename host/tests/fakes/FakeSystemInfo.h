#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemInfo.h"

namespace parvalon::host::test {

// Records every priority and timer call in order, e.g. {"raise", "begin", "restore", "end"}.
class FakeSystemInfo final : public platform::SystemInfo {
 public:
  std::string name = "testhost";
  bool refuseRaise = false;

  std::string hostName() override { return name; }
  bool raisePriority(std::string& error) override {
    record("raise");
    if (refuseRaise) error = "13 (Permission denied)";
    return !refuseRaise;
  }
  void restorePriority() override { record("restore"); }
  void beginTimerPeriod() override { record("begin"); }
  void endTimerPeriod() override { record("end"); }
  // The folder the test pointed the platform's variable at when it made the fake (Windows:
  // LOCALAPPDATA, which the real lookup does not read), so that settings land beside the logs.
  std::optional<std::filesystem::path> dataFolder = platform::logDataFolder();
  std::optional<std::filesystem::path> localAppDataFolder() override { return dataFolder; }

  std::vector<std::string> calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }

 private:
  void record(const char* call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(call);
  }
  std::mutex mutex_;  // guards calls_; any test thread
  std::vector<std::string> calls_;
};

}  // namespace parvalon::host::test
