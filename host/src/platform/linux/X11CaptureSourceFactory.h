#pragma once

#include <mutex>

#include "platform/CaptureSource.h"
#include "platform/linux/X11Extensions.h"
#include "platform/linux/XcbUtil.h"

namespace parvalon::host::platform::linux_x11 {

// Probes the X server once (its own connection, kept for the diagnostics) and makes one
// X11CaptureSource, with a connection of its own, per capture.
class X11CaptureSourceFactory final : public CaptureSourceFactory {
 public:
  bool isSupported(std::string& reason) override;
  std::vector<std::string> diagnostics() override;
  std::unique_ptr<CaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                        std::string& error) override;

 private:
  void probe();

  // Guards the probe results; taken by every caller thread (capture starts).
  std::mutex mutex_;
  bool probed_ = false;
  XcbConnection connection_;
  std::string connectError_;
  std::string vendor_;
  std::uint32_t release_ = 0;
  X11Extensions extensions_;
};

}  // namespace parvalon::host::platform::linux_x11
