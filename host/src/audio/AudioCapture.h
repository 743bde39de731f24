#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "platform/AudioEndpoint.h"

namespace parvalon::host {

struct AudioCaptureConfig {
  // Reported by getFormat only while no mix format is known; the stream always runs in the
  // device's own mix format.
  std::uint32_t sampleRate = 48000;
  std::uint32_t channels = 2;
  std::uint32_t bitsPerSample = 16;
  // true: what the default render device plays; false: the default capture device.
  bool loopback = true;
};

// Interleaved signed 16-bit samples (frames × channels of them, valid during the call only),
// the frame count and the device's rate and channel count.
using AudioCallback = std::function<void(const std::int16_t* samples, std::uint32_t frames,
                                         std::uint32_t sampleRate, std::uint32_t channels)>;

// Loopback capture of the default output device, delivered as 16-bit packets on a capture
// thread of raised priority.
//
// Threads: initialize, start, stop and destruction on the owner's (main) thread; the callback
// runs on the capture thread, which alone touches the endpoint's packet calls and the
// conversion buffer.
class AudioCapture {
 public:
  static constexpr std::chrono::milliseconds kWaitTimeout{100};  // bounds how late a stop is seen
  static constexpr float kInt16Scale = 32767.0f;

  // `endpoint` must not be null.
  explicit AudioCapture(std::unique_ptr<platform::AudioEndpoint> endpoint = platform::AudioEndpoint::create());
  ~AudioCapture();
  AudioCapture(const AudioCapture&) = delete;
  AudioCapture& operator=(const AudioCapture&) = delete;

  // Opens the device; call it once, before start.
  bool initialize(const AudioCaptureConfig& config);
  bool start(AudioCallback callback);
  void stop();
  // With a mix format: its rate, its channel count and 16 (what the callback delivers);
  // before one is known: the configured values.
  void getFormat(std::uint32_t& rate, std::uint32_t& channels, std::uint32_t& bits) const;
  bool isCapturing() const { return running_.load(); }

  // trunc(clamp(s, -1, 1) × 32767): -1.0 gives -32767, never -32768. NaN gives 0.
  static std::int16_t floatToInt16(float sample);

 private:
  bool initializeDevice(bool loopback);
  void captureThread();
  void deliver(const platform::AudioPacket& packet);

  AudioCaptureConfig config_;
  std::unique_ptr<platform::AudioEndpoint> endpoint_;
  std::optional<platform::AudioMixFormat> mixFormat_;  // set by a successful initialize
  std::thread thread_;
  std::atomic<bool> running_{false};
  std::atomic<bool> stopRequested_{false};
  AudioCallback callback_;                 // replaced only while the thread is not running
  std::vector<std::int16_t> conversion_;   // capture thread only; kept between packets
};

}  // namespace parvalon::host
