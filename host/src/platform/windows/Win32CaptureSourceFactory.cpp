#include "platform/windows/Win32CaptureSourceFactory.h"

#include "platform/windows/GdiCaptureSourceFactory.h"

namespace parvalon::host::platform {

std::shared_ptr<CaptureSourceFactory> CaptureSourceFactory::createDefault() { return win32::captureMethods(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::win32 {

namespace {

// Windows.Graphics.Capture goes first once its factory is part of the build: it reads covered
// windows and is paced by the compositor. Until then it has no factory (logged as not built in).
std::shared_ptr<CaptureSourceFactory> windowsGraphicsCaptureFactory() { return nullptr; }

}  // namespace

std::shared_ptr<CaptureMethodSelection> captureMethods() {
  // One choice serves every capture of the process.
  static const std::shared_ptr<CaptureMethodSelection> selection = std::make_shared<CaptureMethodSelection>(
      std::vector<CaptureMethodSelection::Method>{
          {"Windows Graphics Capture", windowsGraphicsCaptureFactory()},
          {"GDI", std::make_shared<GdiCaptureSourceFactory>()},
      });
  return selection;
}

}  // namespace parvalon::host::platform::win32
