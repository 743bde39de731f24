#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/InputSink.h"

namespace parvalon::host::fakes {

// Records every batch of synthetic input as it was sent; can refuse part of a batch.
class FakeInputSink : public platform::InputSink {
 public:
  std::uint32_t sendInputs(std::span<const platform::InputRecord> records) override {
    std::lock_guard lock(mutex_);
    batches_.emplace_back(records.begin(), records.end());
    const auto n = static_cast<std::uint32_t>(records.size());
    return insertLimit_ ? std::min(n, *insertLimit_) : n;
  }
  // US scan codes of the keys the tests use (MapVirtualKeyW on a US layout).
  std::uint16_t scanCodeOf(std::uint8_t virtualKey) override {
    static const std::map<std::uint8_t, std::uint16_t> kCodes = {
        {0x41, 0x1E}, {0x25, 0x4B}, {0xA2, 0x1D}, {0x10, 0x2A}, {0x2E, 0x53}};
    const auto it = kCodes.find(virtualKey);
    return it == kCodes.end() ? 0 : it->second;
  }
  void restoreKeyboard() override {
    std::lock_guard lock(mutex_);
    ++restoreCalls_;
  }

  std::vector<std::vector<platform::InputRecord>> batches() const {
    std::lock_guard lock(mutex_);
    return batches_;
  }
  // Every record of every batch, in order.
  std::vector<platform::InputRecord> records() const {
    std::lock_guard lock(mutex_);
    std::vector<platform::InputRecord> all;
    for (const auto& b : batches_) all.insert(all.end(), b.begin(), b.end());
    return all;
  }
  void clear() {
    std::lock_guard lock(mutex_);
    batches_.clear();
  }
  void setInsertLimit(std::optional<std::uint32_t> limit) {
    std::lock_guard lock(mutex_);
    insertLimit_ = limit;
  }
  int restoreCalls() const {
    std::lock_guard lock(mutex_);
    return restoreCalls_;
  }

 private:
  // Guards every member; taken by the test thread and the threads that inject.
  mutable std::mutex mutex_;
  std::vector<std::vector<platform::InputRecord>> batches_;
  std::optional<std::uint32_t> insertLimit_;
  int restoreCalls_ = 0;
};

}  // namespace parvalon::host::fakes
