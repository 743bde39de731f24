#include "platform/windows/Win32CaptureSourceFactory.h"

#include "platform/windows/GdiCaptureSourceFactory.h"
#include "platform/windows/WgcCaptureSourceFactory.h"

namespace parvalon::host::platform {

std::shared_ptr<CaptureSourceFactory> CaptureSourceFactory::createDefault() { return win32::captureMethods(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::win32 {

namespace {
constexpr const char* kGdiMethod = "GDI";
}  // namespace

std::shared_ptr<CaptureMethodSelection> captureMethods() {
  // One choice serves every capture of the process.
  static const std::shared_ptr<CaptureMethodSelection> selection = std::make_shared<CaptureMethodSelection>(
      std::vector<CaptureMethodSelection::Method>{
          // Windows.Graphics.Capture reads covered windows and is paced by the compositor; GDI serves
          // where it is missing (older Windows, remote sessions, wine).
          {"Windows Graphics Capture", std::make_shared<WgcCaptureSourceFactory>()},
          {kGdiMethod, std::make_shared<GdiCaptureSourceFactory>()},
      });
  return selection;
}

bool captureShowsClientArea() { return captureMethods()->chosenName() == kGdiMethod; }

}  // namespace parvalon::host::platform::win32
