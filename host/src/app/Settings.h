#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "protocol/DefaultPorts.h"

namespace parvalon::host {

// The host's persisted configuration: settings.json in <local application data>/Parvalon.
// Fields read by other threads (congestion control, the frame callback) are atomics.
class Settings {
 public:
  static constexpr std::uint32_t kDefaultTargetBitrate = 20000;
  static constexpr std::uint32_t kDefaultMaxBitrate = 50000;
  static constexpr std::uint32_t kDefaultTargetFps = 72;
  static constexpr const char* kDefaultPreferredEncoder = "nvenc";
  static constexpr float kDefaultSharpness = 0.7f;
  static constexpr std::uint32_t kDefaultMaxStreams = 8;
  static constexpr const char* kFileName = "settings.json";
  static constexpr const char* kDefaultBindAddress = "0.0.0.0";
  // Where audio is recorded: what the default output device plays (loopback), or the default
  // recording device (for a sound server whose monitor is the recording device, as under wine).
  static constexpr const char* kAudioEndpointLoopback = "loopback";
  static constexpr const char* kAudioEndpointDefaultCapture = "default-capture";
  static constexpr const char* kDefaultAudioCaptureEndpoint = kAudioEndpointLoopback;

  // The sharpening strength in its range [0, 1] (upper bound first); NaN has no place in the
  // range and becomes the default.
  static float clampSharpness(float sharpness);

  // The folder that holds "Parvalon": the platform's local application-data folder, as
  // SystemInfo finds it; nullopt means "none known" (relative settings.json).
  explicit Settings(std::optional<std::filesystem::path> dataFolder);

  void resetToDefaults();
  bool load();
  bool save();
  // Full path of the file; creates the Parvalon folder. Throws std::filesystem::filesystem_error
  // when that folder cannot be created.
  std::filesystem::path settingsFile() const;
  // The same path as text for log lines (UTF-8 on Windows).
  std::string getSettingsPath() const;

  std::uint16_t signalingPort = protocol::kDefaultSignalingPort;
  std::uint16_t videoPort = protocol::kDefaultVideoPort;
  std::uint16_t audioPort = protocol::kDefaultAudioPort;
  std::uint16_t inputPort = protocol::kDefaultInputPort;
  std::atomic<std::uint32_t> targetBitrate{kDefaultTargetBitrate};
  std::atomic<std::uint32_t> maxBitrate{kDefaultMaxBitrate};
  std::atomic<std::uint32_t> targetFps{kDefaultTargetFps};
  std::string preferredEncoder = kDefaultPreferredEncoder;
  bool sharpeningEnabled = false;
  float sharpness = kDefaultSharpness;
  bool vsyncEnabled = false;
  bool fullRangeColor = false;
  // Streams running at once, from the dashboard and every client together.
  std::uint32_t maxStreams = kDefaultMaxStreams;
  // Web origins allowed to open the signaling WebSocket (none: no web page may).
  std::vector<std::string> allowedOrigins;
  // The first client to connect while no client is trusted is trusted at once.
  bool trustFirstClient = true;
  // Unknown clients join only with the PIN the dashboard shows (the welcome says requiresAuth).
  bool requirePin = false;
  // The IPv4 address every port listens on; "0.0.0.0" is every interface, "127.0.0.1" this PC only.
  std::string bindAddress = kDefaultBindAddress;
  // kAudioEndpointLoopback or kAudioEndpointDefaultCapture; load replaces any other value with
  // the default.
  std::string audioCaptureEndpoint = kDefaultAudioCaptureEndpoint;
  bool audioCaptureLoopback() const { return audioCaptureEndpoint != kAudioEndpointDefaultCapture; }

 private:
  std::optional<std::filesystem::path> dataFolder_;
};

}  // namespace parvalon::host
