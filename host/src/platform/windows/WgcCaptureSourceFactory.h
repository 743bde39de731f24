#pragma once

#include <wrl/client.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/CaptureSource.h"
#include "platform/windows/WgcInterop.h"

namespace parvalon::host::platform::win32 {

// Window capture through Windows.Graphics.Capture (Windows 10 1903 and later). Sources deliver
// textures on the Direct3D 11 device of CaptureOptions::device, which must be a D3D11Device.
// Wine implements none of the service: isSupported says so there.
class WgcCaptureSourceFactory final : public CaptureSourceFactory {
 public:
  // The OS build (from the registry) and the service's own support check, and the activation of
  // the capture item's factory; `reason` carries the line saying what failed.
  bool isSupported(std::string& reason) override;
  // "  Windows Build: {}" and "  GraphicsCaptureSession::IsSupported(): {}" (YES/NO).
  std::vector<std::string> diagnostics() override;
  // The device wrapper and the capture item for the window; a failure of the service is
  // reported with the capture-failure lines and fills `error`.
  std::unique_ptr<CaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                        std::string& error) override;

 private:
  // GraphicsCaptureSession::IsSupported; any failure reads as false.
  bool sessionSupported();
  // The two activation factories, obtained once (under mutex_).
  HRESULT activateFactories();

  // Guards the cached factories; taken by the callers of create and isSupported.
  std::mutex mutex_;
  Microsoft::WRL::ComPtr<wgc::IGraphicsCaptureItemInterop> itemInterop_;
  Microsoft::WRL::ComPtr<wgc::IDirect3D11CaptureFramePoolStatics2> poolStatics_;
};

}  // namespace parvalon::host::platform::win32
