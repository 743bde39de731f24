#pragma once

namespace parvalon::host::platform {

// How the dashboard names this platform's window capture: the row label of the system card,
// the row label of the About page, and the value shown when capture is available (when it is
// not, the dashboard says "Not Available").
struct CaptureMethodNames {
  const char* label;
  const char* aboutLabel;
  const char* availableValue;
};

CaptureMethodNames captureMethodNames();

}  // namespace parvalon::host::platform
