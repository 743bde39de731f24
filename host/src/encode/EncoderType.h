#pragma once

namespace parvalon::host {

// The kinds of encoder; the values are part of log messages and settings.
enum class EncoderType : int {
  NVENC = 0,
  AMF = 1,
  QuickSync = 2,
  Software = 3,
};

// Display name used by log messages: "NVENC", "AMF", "QuickSync", "Software", else "Unknown".
const char* encoderTypeName(EncoderType type);

}  // namespace parvalon::host
