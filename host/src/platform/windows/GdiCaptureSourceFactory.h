#pragma once

#include "platform/CaptureSource.h"

namespace parvalon::host::platform::win32 {

// GDI window capture: present on every Windows (and under wine), so it is the method of last
// resort where Windows.Graphics.Capture is missing (older builds, remote sessions).
class GdiCaptureSourceFactory final : public CaptureSourceFactory {
 public:
  bool isSupported(std::string& reason) override;
  std::vector<std::string> diagnostics() override;
  std::unique_ptr<CaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                        std::string& error) override;
};

}  // namespace parvalon::host::platform::win32
