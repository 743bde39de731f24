#include "UnavailableCaptureSourceFactory.h"

namespace parvalon::host::platform {

std::shared_ptr<CaptureSourceFactory> CaptureSourceFactory::createDefault() {
  static const std::shared_ptr<CaptureSourceFactory> factory =
      std::make_shared<windows::UnavailableCaptureSourceFactory>();
  return factory;
}

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::windows {

bool UnavailableCaptureSourceFactory::isSupported(std::string& reason) {
  reason = kReason;
  return false;
}

std::vector<std::string> UnavailableCaptureSourceFactory::diagnostics() { return {std::string("  ") + kReason}; }

std::unique_ptr<CaptureSource> UnavailableCaptureSourceFactory::create(WindowHandle, const CaptureOptions&,
                                                                       std::string& error) {
  error = kReason;
  return nullptr;
}

}  // namespace parvalon::host::platform::windows
