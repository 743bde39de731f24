#include "platform/windows/GdiCaptureSourceFactory.h"

#include "platform/windows/GdiCaptureSource.h"

namespace parvalon::host::platform::win32 {

bool GdiCaptureSourceFactory::isSupported(std::string&) { return true; }

std::vector<std::string> GdiCaptureSourceFactory::diagnostics() {
  return {"  GDI: BitBlt of the client area; covered or minimized parts read black"};
}

std::unique_ptr<CaptureSource> GdiCaptureSourceFactory::create(WindowHandle window, const CaptureOptions& options,
                                                               std::string& error) {
  return GdiCaptureSource::create(window, options, error);
}

}  // namespace parvalon::host::platform::win32
