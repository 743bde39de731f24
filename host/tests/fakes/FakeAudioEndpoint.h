#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/AudioEndpoint.h"

namespace parvalon::host::test {

// An audio device that plays scripted packets. The test keeps the shared Device (the endpoint
// itself belongs to the AudioCapture under test and dies with it) to script packets and
// failures and to read back the calls, e.g. {"createEvent", "open loopback", "start", ...}.
class FakeAudioEndpoint final : public platform::AudioEndpoint {
 public:
  struct Packet {
    std::vector<std::uint8_t> bytes;
    std::uint32_t frames = 0;
    bool silent = false;
  };

  struct Device {
    // Script: set it before start (or under `mutex` once capture runs).
    bool createEventOk = true;
    OpenResult openResult{OpenStep::None, platform::kAudioOk, "Fake Speakers", {48000, 2, 32, true}};
    platform::AudioStatus startStatus = platform::kAudioOk;
    // The next N calls of each kind fail with failStatus.
    platform::AudioStatus failStatus = 0x88890001;
    int nextPacketSizeFailures = 0;
    int getBufferFailures = 0;
    int releaseBufferFailures = 0;
    // Runs on the stopping thread after the device is told to stop (set before start).
    std::function<void()> onStop;

    // Queues a packet and signals the event, as the device does when data is ready.
    void push(Packet packet) {
      {
        std::lock_guard lock(mutex);
        packets.push_back(std::move(packet));
        signalled = true;
      }
      changed.notify_all();
    }
    std::vector<std::string> calls() {
      std::lock_guard lock(mutex);
      return callLog;
    }
    std::size_t count(const std::string& call) {
      std::lock_guard lock(mutex);
      std::size_t n = 0;
      for (const auto& c : callLog) n += c == call ? 1 : 0;
      return n;
    }
    // Frame counts given to releaseBuffer, in order.
    std::vector<std::uint32_t> released() {
      std::lock_guard lock(mutex);
      return releasedFrames;
    }
    std::size_t pending() {
      std::lock_guard lock(mutex);
      return packets.size();
    }

    // Guards the fields below and, once capture runs, the script above; taken by the test
    // thread and the capture thread.
    std::mutex mutex;
    std::condition_variable changed;
    bool signalled = false;
    bool opened = false;
    std::deque<Packet> packets;
    std::vector<std::string> callLog;
    std::vector<std::uint32_t> releasedFrames;

    void record(std::string call) { callLog.push_back(std::move(call)); }
  };

  explicit FakeAudioEndpoint(std::shared_ptr<Device> device) : device_(std::move(device)) {}
  ~FakeAudioEndpoint() override {
    std::lock_guard lock(device_->mutex);
    device_->record("destroyed");
  }

  bool createEvent() override {
    std::lock_guard lock(device_->mutex);
    device_->record("createEvent");
    return device_->createEventOk;
  }
  OpenResult open(bool loopback) override {
    std::lock_guard lock(device_->mutex);
    device_->record(loopback ? "open loopback" : "open capture");
    device_->opened = device_->openResult.ok();
    return device_->openResult;
  }
  platform::AudioStatus start() override {
    std::lock_guard lock(device_->mutex);
    device_->record("start");
    return device_->opened ? device_->startStatus : device_->failStatus;
  }
  void stop() override {
    std::function<void()> hook;
    {
      std::lock_guard lock(device_->mutex);
      device_->record("stop");
      hook = device_->onStop;
    }
    if (hook) hook();
  }
  bool waitForData(std::chrono::milliseconds timeout) override {
    std::unique_lock lock(device_->mutex);
    if (!device_->changed.wait_for(lock, timeout, [this] { return device_->signalled; })) return false;
    device_->signalled = false;
    return true;
  }
  void wake() override {
    {
      std::lock_guard lock(device_->mutex);
      device_->record("wake");
      device_->signalled = true;
    }
    device_->changed.notify_all();
  }
  platform::AudioStatus nextPacketSize(std::uint32_t& frames) override {
    std::lock_guard lock(device_->mutex);
    frames = 0;
    if (device_->nextPacketSizeFailures > 0) {
      --device_->nextPacketSizeFailures;
      return device_->failStatus;
    }
    if (!device_->packets.empty()) frames = device_->packets.front().frames;
    return platform::kAudioOk;
  }
  platform::AudioStatus getBuffer(platform::AudioPacket& packet) override {
    std::lock_guard lock(device_->mutex);
    device_->record("getBuffer");
    if (device_->getBufferFailures > 0) {
      --device_->getBufferFailures;
      return device_->failStatus;
    }
    if (device_->packets.empty()) return device_->failStatus;
    const Packet& front = device_->packets.front();
    packet.data = front.silent ? nullptr : front.bytes.data();
    packet.frames = front.frames;
    packet.silent = front.silent;
    return platform::kAudioOk;
  }
  // The packet is given back (and gone) even when the call reports a failure.
  platform::AudioStatus releaseBuffer(std::uint32_t frames) override {
    std::lock_guard lock(device_->mutex);
    device_->releasedFrames.push_back(frames);
    if (!device_->packets.empty()) device_->packets.pop_front();
    if (device_->releaseBufferFailures > 0) {
      --device_->releaseBufferFailures;
      return device_->failStatus;
    }
    return platform::kAudioOk;
  }
  void raiseThreadPriority() override {
    std::lock_guard lock(device_->mutex);
    device_->record("raiseThreadPriority");
  }

  // Packet builders: interleaved samples of `channels` channels in the named format.
  static Packet floatPacket(const std::vector<float>& samples, std::uint32_t channels) {
    return bytesPacket(samples.data(), samples.size() * sizeof(float), samples.size() / channels);
  }
  static Packet int16Packet(const std::vector<std::int16_t>& samples, std::uint32_t channels) {
    return bytesPacket(samples.data(), samples.size() * sizeof(std::int16_t), samples.size() / channels);
  }
  // 24-bit little-endian integers, 3 bytes each.
  static Packet int24Packet(const std::vector<std::int32_t>& samples, std::uint32_t channels) {
    Packet packet;
    for (std::int32_t s : samples) {
      for (int b = 0; b < 3; ++b) packet.bytes.push_back(static_cast<std::uint8_t>((s >> (8 * b)) & 0xff));
    }
    packet.frames = static_cast<std::uint32_t>(samples.size() / channels);
    return packet;
  }
  static Packet silentPacket(std::uint32_t frames) {
    Packet packet;
    packet.frames = frames;
    packet.silent = true;
    return packet;
  }

 private:
  static Packet bytesPacket(const void* data, std::size_t size, std::size_t frames) {
    Packet packet;
    packet.bytes.resize(size);
    std::memcpy(packet.bytes.data(), data, size);
    packet.frames = static_cast<std::uint32_t>(frames);
    return packet;
  }

  std::shared_ptr<Device> device_;
};

}  // namespace parvalon::host::test
