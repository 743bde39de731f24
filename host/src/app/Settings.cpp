#include "app/Settings.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <system_error>

#include <nlohmann/json.hpp>

#include "app/AtomicFile.h"
#include "logging/Log.h"
#include "platform/DataFolder.h"

namespace parvalon::host {
namespace {

using nlohmann::json;

// Any JSON number (or boolean as 1/0) into an unsigned integer field, keeping the low bits.
// A float goes through a 64-bit integer; NaN, infinities and magnitudes of 2^63 or more
// have no such integer and read as 0 (the plain cast would be undefined behaviour).
template <class T>
T readInteger(const json& value) {
  if (value.is_number_float()) {
    const double d = value.get<double>();
    if (!std::isfinite(d) || std::fabs(d) >= 9223372036854775808.0) return 0;
    return static_cast<T>(static_cast<std::uint64_t>(static_cast<std::int64_t>(d)));
  }
  if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
  // Unsigned and signed values convert; anything else throws the library's type error.
  return static_cast<T>(value.get<std::uint64_t>());
}

template <class T>
void readInteger(const json& root, const char* key, T& field) {
  if (const auto it = root.find(key); it != root.end()) field = readInteger<T>(*it);
}

template <class T>
void readInteger(const json& root, const char* key, std::atomic<T>& field) {
  if (const auto it = root.find(key); it != root.end()) field.store(readInteger<T>(*it));
}

// Any JSON number (or boolean as 1/0) into the sharpness, clamped to its range in double
// precision first, so a magnitude beyond float (1e39) never becomes an infinity.
void readSharpness(const json& root, float& field) {
  const auto it = root.find("sharpness");
  if (it == root.end()) return;
  const double value = it->is_boolean() ? (it->get<bool>() ? 1.0 : 0.0) : it->get<double>();
  field = Settings::clampSharpness(static_cast<float>(std::max(std::min(value, 1.0), 0.0)));
}

void readBool(const json& root, const char* key, bool& field) {
  if (const auto it = root.find(key); it != root.end()) {
    if (!it->is_boolean()) {
      throw json::type_error::create(302, std::string("type must be boolean, but is ") + it->type_name(), &*it);
    }
    field = it->get<bool>();
  }
}

// An array of strings; any other value (or an element that is not a string) fails the load.
void readStrings(const json& root, const char* key, std::vector<std::string>& field) {
  if (const auto it = root.find(key); it != root.end()) field = it->get<std::vector<std::string>>();
}

// A string naming one of the capture endpoints; another string is logged and the default kept.
void readAudioCaptureEndpoint(const json& root, std::string& field) {
  const auto it = root.find("audioCaptureEndpoint");
  if (it == root.end()) return;
  const auto value = it->get<std::string>();
  if (value == Settings::kAudioEndpointLoopback || value == Settings::kAudioEndpointDefaultCapture) {
    field = value;
    return;
  }
  PV_LOG_WARN("Unknown audioCaptureEndpoint \"{}\", using \"{}\"", value, Settings::kDefaultAudioCaptureEndpoint);
  field = Settings::kDefaultAudioCaptureEndpoint;
}

}  // namespace

float Settings::clampSharpness(float sharpness) {
  if (std::isnan(sharpness)) return kDefaultSharpness;
  return std::max(std::min(sharpness, 1.0f), 0.0f);
}

Settings::Settings(std::optional<std::filesystem::path> dataFolder) : dataFolder_(std::move(dataFolder)) {}

void Settings::resetToDefaults() {
  signalingPort = protocol::kDefaultSignalingPort;
  videoPort = protocol::kDefaultVideoPort;
  audioPort = protocol::kDefaultAudioPort;
  inputPort = protocol::kDefaultInputPort;
  targetBitrate = kDefaultTargetBitrate;
  maxBitrate = kDefaultMaxBitrate;
  targetFps = kDefaultTargetFps;
  preferredEncoder = kDefaultPreferredEncoder;
  sharpeningEnabled = false;
  sharpness = kDefaultSharpness;
  vsyncEnabled = false;
  fullRangeColor = false;
  maxStreams = kDefaultMaxStreams;
  allowedOrigins.clear();
  trustFirstClient = true;
  requirePin = false;
  bindAddress = kDefaultBindAddress;
  audioCaptureEndpoint = kDefaultAudioCaptureEndpoint;
}

std::filesystem::path Settings::settingsFile() const {
  if (!dataFolder_) return kFileName;
  const auto folder = *dataFolder_ / "Parvalon";
  std::filesystem::create_directories(folder);
  return folder / kFileName;
}

std::string Settings::getSettingsPath() const { return platform::pathText(settingsFile()); }

bool Settings::load() {
  try {
    // The path itself, not text of it: on Windows that opens the file by its wide name.
    std::ifstream in(settingsFile(), std::ios::binary);
    if (!in.is_open()) return false;
    const json root = json::parse(in, nullptr, true, false);
    if (root.is_object()) {
      readInteger(root, "signalingPort", signalingPort);
      readInteger(root, "videoPort", videoPort);
      readInteger(root, "audioPort", audioPort);
      readInteger(root, "inputPort", inputPort);
      readInteger(root, "targetBitrate", targetBitrate);
      readInteger(root, "maxBitrate", maxBitrate);
      readInteger(root, "targetFps", targetFps);
      if (const auto it = root.find("preferredEncoder"); it != root.end()) {
        preferredEncoder = it->get<std::string>();
      }
      readBool(root, "sharpeningEnabled", sharpeningEnabled);
      readSharpness(root, sharpness);
      readBool(root, "vsyncEnabled", vsyncEnabled);
      readBool(root, "fullRangeColor", fullRangeColor);
      readInteger(root, "maxStreams", maxStreams);
      readStrings(root, "allowedOrigins", allowedOrigins);
      readBool(root, "trustFirstClient", trustFirstClient);
      readBool(root, "requirePin", requirePin);
      if (const auto it = root.find("bindAddress"); it != root.end()) bindAddress = it->get<std::string>();
      readAudioCaptureEndpoint(root, audioCaptureEndpoint);
    }
    PV_LOG_INFO("Settings loaded from {}", getSettingsPath());
    return true;
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Failed to load settings: {}", e.what());
    return false;
  }
}

bool Settings::save() {
  try {
    json root;
    root["signalingPort"] = signalingPort;
    root["videoPort"] = videoPort;
    root["audioPort"] = audioPort;
    root["inputPort"] = inputPort;
    root["targetBitrate"] = targetBitrate.load();
    root["maxBitrate"] = maxBitrate.load();
    root["targetFps"] = targetFps.load();
    root["preferredEncoder"] = preferredEncoder;
    root["sharpeningEnabled"] = sharpeningEnabled;
    // Never a non-finite number: the library writes those as null, which the next load rejects.
    root["sharpness"] = static_cast<double>(clampSharpness(sharpness));
    root["vsyncEnabled"] = vsyncEnabled;
    root["fullRangeColor"] = fullRangeColor;
    root["maxStreams"] = maxStreams;
    root["allowedOrigins"] = allowedOrigins;
    // Written only when changed, so that a default file stays the one every host writes.
    if (!trustFirstClient) root["trustFirstClient"] = trustFirstClient;
    if (requirePin) root["requirePin"] = requirePin;
    if (bindAddress != kDefaultBindAddress) root["bindAddress"] = bindAddress;
    root["audioCaptureEndpoint"] = audioCaptureEndpoint;
    // Serialise first: invalid UTF-8 throws here, before the file is touched.
    const std::string text = root.dump(4);

    const std::filesystem::path path = settingsFile();
    try {
      writeFileAtomically(path, text);
    } catch (const AtomicFileOpenError&) {
      PV_LOG_ERROR("Failed to open settings file for writing");
      return false;
    }
    PV_LOG_INFO("Settings saved to {}", platform::pathText(path));
    return true;
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Failed to save settings: {}", e.what());
    return false;
  }
}

}  // namespace parvalon::host
