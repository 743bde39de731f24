#pragma once

#include "platform/CaptureSource.h"

namespace parvalon::host::platform::windows {

// Window capture of the Windows host until Windows.Graphics.Capture is built in: unsupported,
// with the reason in the capture diagnostics, and every source refused.
class UnavailableCaptureSourceFactory : public CaptureSourceFactory {
 public:
  static constexpr const char* kReason = "Windows.Graphics.Capture is not part of this build";

  bool isSupported(std::string& reason) override;
  std::vector<std::string> diagnostics() override;
  std::unique_ptr<CaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                        std::string& error) override;
};

}  // namespace parvalon::host::platform::windows
