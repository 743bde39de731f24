#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "encode/EncoderBase.h"
#include "fakes/FakeGpuDevice.h"

namespace parvalon::host::testing {

// What every fake encoder made by one factory did, shared with the test.
struct FakeEncoderJournal {
  struct Frame {
    std::uint32_t width, height, stride;
    const std::uint8_t* data;        // the pointer handed in (valid only during the call)
    std::vector<std::uint8_t> pixels;  // copy, rows packed
    const platform::GpuTexture* texture = nullptr;  // the texture handed to encodeTexture
  };
  struct Instance {
    EncoderConfig config;
    std::vector<Frame> frames;
    int shutdowns = 0;
    int keyframeRequests = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> bitrates;
    bool destroyed = false;
  };

  // Guards everything below; taken by the test thread and the capture threads of the code under test.
  std::mutex mutex;
  std::vector<Instance> instances;
  int failNextCreates = 0;
  // What the encoders made from now on take (CPU pixels unless a test says textures).
  platform::FrameKind inputKind = platform::FrameKind::Cpu;
  bool failEncode = false;
  int createAttempts = 0;
  // Runs inside encodeFrame on the capture thread (with the session's lock held).
  std::function<void()> onEncode;
  // "encode-begin N", "encode-end N", "shutdown N" (N the instance index), in the order they happened.
  std::vector<std::string> events;
  // Encoders inside encodeFrame right now, and the most there ever were at once.
  int encoding = 0;
  int maxConcurrentEncodes = 0;

  std::size_t count() {
    std::lock_guard lock(mutex);
    return instances.size();
  }
  Instance instance(std::size_t index) {
    std::lock_guard lock(mutex);
    return instances.at(index);
  }
};

// Encodes nothing: records the frames and emits a fixed access unit per frame.
class FakeEncoder : public EncoderBase {
 public:
  static constexpr std::uint8_t kKeyUnit[] = {0, 0, 0, 1, 0x67, 0x4D, 0, 0, 0, 1, 0x68, 0xEE, 0, 0, 1, 0x65, 0x88};
  static constexpr std::uint8_t kDeltaUnit[] = {0, 0, 1, 0x41, 0x9A};

  FakeEncoder(std::shared_ptr<FakeEncoderJournal> journal, std::size_t index, platform::FrameKind kind)
      : journal_(std::move(journal)), index_(index), kind_(kind) {}
  ~FakeEncoder() override {
    std::lock_guard lock(journal_->mutex);
    journal_->instances[index_].destroyed = true;
  }

  const char* getName() const override { return "Fake"; }
  bool initialize(const EncoderConfig&) override { return true; }
  void shutdown() override {
    std::lock_guard lock(journal_->mutex);
    ++journal_->instances[index_].shutdowns;
    journal_->events.push_back("shutdown " + std::to_string(index_));
  }
  platform::FrameKind inputKind() const override { return kind_; }
  // Like a real encoder of the other kind, each refuses what it does not take.
  bool encodeFrame(const platform::CpuFrame& frame) override {
    if (kind_ != platform::FrameKind::Cpu) return false;
    FakeEncoderJournal::Frame record{frame.width, frame.height, frame.stride, frame.data, {}};
    for (std::uint32_t y = 0; y < frame.height; ++y) {
      record.pixels.insert(record.pixels.end(), frame.row(y), frame.row(y) + frame.width * 4);
    }
    return encode(std::move(record));
  }
  bool encodeTexture(const platform::GpuTexture& texture) override {
    const auto* fake = dynamic_cast<const fakes::FakeGpuTexture*>(&texture);
    if (kind_ != platform::FrameKind::Texture || fake == nullptr) return false;
    platform::CpuFrame view = fake->pixels.view();
    FakeEncoderJournal::Frame record{view.width, view.height, view.stride, nullptr, {}, &texture};
    for (std::uint32_t y = 0; y < view.height; ++y) {
      record.pixels.insert(record.pixels.end(), view.row(y), view.row(y) + view.width * 4);
    }
    return encode(std::move(record));
  }

 private:
  bool encode(FakeEncoderJournal::Frame record) {
    std::function<void()> hook;
    bool fail = false;
    {
      std::lock_guard lock(journal_->mutex);
      journal_->events.push_back("encode-begin " + std::to_string(index_));
      journal_->maxConcurrentEncodes = std::max(journal_->maxConcurrentEncodes, ++journal_->encoding);
      journal_->instances[index_].frames.push_back(std::move(record));
      hook = journal_->onEncode;
      fail = journal_->failEncode;
    }
    if (hook) hook();
    {
      std::lock_guard lock(journal_->mutex);
      --journal_->encoding;
      journal_->events.push_back("encode-end " + std::to_string(index_));
    }
    if (fail) return false;
    const bool key = frames_ == 0 || keyframeRequested_;
    keyframeRequested_ = false;
    EncodedFrame out;
    out.data = key ? kKeyUnit : kDeltaUnit;
    out.size = key ? sizeof(kKeyUnit) : sizeof(kDeltaUnit);
    out.isKeyframe = key;
    out.frameNumber = frames_++;
    if (callback_) callback_(out);
    return true;
  }

 public:
  void requestKeyframe() override {
    keyframeRequested_ = true;
    std::lock_guard lock(journal_->mutex);
    ++journal_->instances[index_].keyframeRequests;
  }
  void setBitrate(std::uint32_t target, std::uint32_t max) override {
    std::lock_guard lock(journal_->mutex);
    journal_->instances[index_].bitrates.emplace_back(target, max);
  }
  void setFrameCallback(FrameCallback callback) override { callback_ = std::move(callback); }
  EncoderStats getStats() const override { return {}; }
  bool isInitialized() const override { return true; }
  bool reconfigure(const EncoderConfig&) override { return false; }
  CodecParameterSets getParameterSets() const override {
    CodecParameterSets sets;
    sets.sps = {0x67, 0x4D};
    sets.pps = {0x68, 0xEE};
    sets.valid = true;
    return sets;
  }

  // The factory function the orchestrator is given.
  static std::function<std::unique_ptr<EncoderBase>(const EncoderConfig&)> factory(
      std::shared_ptr<FakeEncoderJournal> journal) {
    return [journal](const EncoderConfig& config) -> std::unique_ptr<EncoderBase> {
      std::lock_guard lock(journal->mutex);
      ++journal->createAttempts;
      if (journal->failNextCreates > 0) {
        --journal->failNextCreates;
        return nullptr;
      }
      journal->instances.push_back({config, {}, 0, 0, {}, false});
      return std::make_unique<FakeEncoder>(journal, journal->instances.size() - 1, journal->inputKind);
    };
  }

 private:
  std::shared_ptr<FakeEncoderJournal> journal_;
  std::size_t index_;
  platform::FrameKind kind_;
  FrameCallback callback_;
  std::uint32_t frames_ = 0;
  bool keyframeRequested_ = false;
};

}  // namespace parvalon::host::testing
