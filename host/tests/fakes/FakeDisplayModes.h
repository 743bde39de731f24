#pragma once

#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "platform/DisplayModes.h"

namespace parvalon::host::test {

// A display with a fixed list of outputs; records which output indices were asked for.
class FakeDisplayModes final : public platform::DisplayModes {
 public:
  explicit FakeDisplayModes(std::vector<std::vector<platform::DisplayModeTiming>> outputs = {})
      : outputs_(std::move(outputs)) {}

  std::optional<std::vector<platform::DisplayModeTiming>> outputModes(std::uint32_t index) override {
    std::lock_guard lock(mutex_);
    asked_.push_back(index);
    if (index >= outputs_.size()) return std::nullopt;
    return outputs_[index];
  }

  std::vector<std::uint32_t> asked() {
    std::lock_guard lock(mutex_);
    return asked_;
  }

 private:
  // Guards asked_; taken by the pacer's caller and the test thread.
  std::mutex mutex_;
  std::vector<std::vector<platform::DisplayModeTiming>> outputs_;
  std::vector<std::uint32_t> asked_;
};

}  // namespace parvalon::host::test
