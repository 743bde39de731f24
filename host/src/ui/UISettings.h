#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "protocol/DefaultPorts.h"

namespace parvalon::host {

// The record the dashboard edits and hands to the settings-changed callback. The initialisers
// are the dashboard's own defaults (also what "Reset to Defaults" restores).
struct UISettings {
  std::int32_t signalingPort = protocol::kDefaultSignalingPort;
  std::int32_t videoPort = protocol::kDefaultVideoPort;
  std::int32_t audioPort = protocol::kDefaultAudioPort;
  std::int32_t inputPort = protocol::kDefaultInputPort;
  std::int32_t qualityPreset = 2;
  std::int32_t targetFps = 72;
  std::int32_t bitrateKbps = 50000;
  std::int32_t maxBitrateKbps = 100000;
  std::string codec = "h264";
  std::int32_t audioBitrateKbps = 128;
  bool micPassthrough = false;
  std::int32_t micVolume = 85;
  bool noiseCancellation = true;
  bool trackControllers = true;
  bool forwardTracking = false;
  bool lowLatencyMode = true;
  bool adaptiveBitrate = true;
  bool sliceEncoding = true;
  bool sharpeningEnabled = false;
  float sharpness = 0.7f;
  bool fullRangeColor = false;
  bool vsyncEnabled = false;
  // The desktop session starts the host (its autostart entry exists); read from the entry at start.
  bool startWithSession = false;

  bool operator==(const UISettings&) const = default;
};

// One entry of the "Quality Preset" combo; Custom (the last) leaves the bitrates alone.
struct QualityPreset {
  const char* label;
  std::int32_t bitrateKbps;
  std::int32_t maxBitrateKbps;
};

inline constexpr std::int32_t kCustomQualityPreset = 4;
inline constexpr std::array<QualityPreset, 5> kQualityPresets{{
    {"Low (10 Mbps)", 10000, 15000},
    {"Medium (20 Mbps)", 20000, 30000},
    {"High (50 Mbps)", 50000, 75000},
    {"Ultra (100 Mbps)", 100000, 150000},
    {"Custom", 0, 0},
}};

}  // namespace parvalon::host
