#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "app/PcmFrameBatcher.h"
#include "app/Settings.h"
#include "app/StreamPriorityBoost.h"
#include "platform/SystemInfo.h"

namespace parvalon::host {

// Owns every subsystem of the host, brings them up and down in order and wires their
// callbacks. Created, driven and destroyed by the process entry on the main thread.
class Application {
 public:
  static constexpr std::uint16_t kDiscoveryPort = 9877;
  static constexpr const char* kFallbackHostName = "Parvalon Host";

  Application();
  explicit Application(std::unique_ptr<platform::SystemInfo> system);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  bool initialize();
  void update();
  void shutdown();

  bool startCapture(std::uint32_t windowId, std::uint8_t streamId);
  void stopCapture(std::uint8_t streamId);

  bool applySettings(std::uint32_t targetBitrateKbps, std::uint32_t maxBitrateKbps, std::uint32_t fps);
  bool applySharpeningSettings(bool enabled, float sharpness);
  bool applyVSyncSettings(bool enabled);
  bool applyFullRangeColorSettings(bool enabled);
  void onDisplayChange();

  std::string getEncoderName() const;
  bool isClientConnected() const;

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  bool isRunning() const { return running_.load(); }

  std::string gpuName;
  std::uint64_t vramMB = 0;

 private:
  void boostStreamingPriority(std::uint8_t streamId);
  // Makes streamId the audio stream when none is assigned and audio is capturing.
  void assignAudioStream(std::uint8_t streamId);
  std::string discoveryHostName();

  Settings settings_;
  std::unique_ptr<platform::SystemInfo> system_;
  StreamPriorityBoost priorityBoost_;

  PcmFrameBatcher pcmBuffer_;
  std::atomic<bool> running_{false};
  std::atomic<std::uint8_t> audioStreamId_{0};
  std::atomic<bool> audioStreamAssigned_{false};

  // Guards streamConfigSent_, streamWindows_ and congestion-control commits; taken by the
  // signaling, video, input and capture threads and by the main thread.
  std::mutex stateMutex_;
  std::unordered_map<std::uint8_t, bool> streamConfigSent_;
  std::unordered_map<std::uint8_t, std::uint32_t> streamWindows_;
  std::atomic<std::uint32_t> currentBitrateKbps_{0};
};

}  // namespace parvalon::host
