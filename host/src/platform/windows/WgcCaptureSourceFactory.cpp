#include "platform/windows/WgcCaptureSourceFactory.h"

#include <roapi.h>
#include <winstring.h>

#include <cstdint>
#include <system_error>

#include "logging/Log.h"
#include "platform/windows/D3D11Device.h"
#include "platform/windows/WgcCaptureSource.h"
#include "platform/windows/WgcFailureReport.h"
#include "platform/windows/WindowsBuild.h"

namespace parvalon::host::platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

// WinRT calls need the calling thread in an apartment; the multithreaded one, once per thread
// (a thread already in another apartment keeps it, which serves as well).
void enterApartment() {
  thread_local bool entered = false;
  if (entered) return;
  RoInitialize(RO_INIT_MULTITHREADED);
  entered = true;
}

template <std::size_t N>
HRESULT activationFactory(const wchar_t (&className)[N], REFIID iid, void** factory) {
  HSTRING_HEADER header{};
  HSTRING name = nullptr;
  const HRESULT hr = WindowsCreateStringReference(className, N - 1, &header, &name);
  if (FAILED(hr)) return hr;
  return RoGetActivationFactory(name, iid, factory);
}

std::string errorText(HRESULT hr) { return fmt::format("WinRT error 0x{:08x}", static_cast<std::uint32_t>(hr)); }

}  // namespace

bool WgcCaptureSourceFactory::sessionSupported() {
  enterApartment();
  ComPtr<wgc::IGraphicsCaptureSessionStatics> statics;
  boolean supported = false;
  if (FAILED(activationFactory(wgc::kGraphicsCaptureSessionClass, wgc::kIidGraphicsCaptureSessionStatics,
                               reinterpret_cast<void**>(statics.GetAddressOf())))) {
    return false;
  }
  return SUCCEEDED(statics->IsSupported(&supported)) && supported;
}

HRESULT WgcCaptureSourceFactory::activateFactories() {
  enterApartment();
  std::lock_guard lock(mutex_);
  if (itemInterop_ && poolStatics_) return S_OK;
  HRESULT hr = activationFactory(wgc::kGraphicsCaptureItemClass, wgc::kIidGraphicsCaptureItemInterop,
                                 reinterpret_cast<void**>(itemInterop_.ReleaseAndGetAddressOf()));
  if (SUCCEEDED(hr)) {
    hr = activationFactory(wgc::kFramePoolClass, wgc::kIidDirect3D11CaptureFramePoolStatics2,
                           reinterpret_cast<void**>(poolStatics_.ReleaseAndGetAddressOf()));
  }
  return hr;
}

bool WgcCaptureSourceFactory::isSupported(std::string& reason) {
  const int build = readWindowsBuildNumber();
  // An unreadable build (0) is let through: the service's own check decides.
  if (build >= 1 && build < kFirstCaptureBuild) {
    reason = fmt::format(
        "Windows version too old! Build {} detected, but 18362 (Windows 10 version 1903, May 2019 Update) or later "
        "is required for window capture. Please update Windows to use this feature.",
        build);
    return false;
  }
  if (!sessionSupported() || FAILED(activateFactories())) {
    reason = fmt::format("Windows Graphics Capture is not supported on this system. Windows Build: {}", build);
    return false;
  }
  return true;
}

std::vector<std::string> WgcCaptureSourceFactory::diagnostics() {
  return {fmt::format("  Windows Build: {}", readWindowsBuildNumber()),
          fmt::format("  GraphicsCaptureSession::IsSupported(): {}", sessionSupported() ? "YES" : "NO")};
}

std::unique_ptr<CaptureSource> WgcCaptureSourceFactory::create(WindowHandle window, const CaptureOptions& options,
                                                               std::string& error) {
  auto device = std::dynamic_pointer_cast<D3D11Device>(options.device);
  if (!device) {
    error = "Windows Graphics Capture needs the Direct3D 11 device";
    return nullptr;
  }
  HRESULT hr = activateFactories();
  WgcCaptureSource::Parts parts;
  parts.device = device;
  if (SUCCEEDED(hr)) {
    PV_LOG_INFO("Creating Direct3D device wrapper...");
    ComPtr<IDXGIDevice> dxgi;
    if (FAILED(device->native()->QueryInterface(__uuidof(IDXGIDevice), reinterpret_cast<void**>(dxgi.GetAddressOf())))) {
      error = "Failed to get DXGI device";
      PV_LOG_ERROR("Failed to start capture: {}", error);
      return nullptr;
    }
    if (FAILED(CreateDirect3D11DeviceFromDXGIDevice(dxgi.Get(), parts.deviceWrapper.GetAddressOf()))) {
      error = "Failed to create Direct3D11 device";
      PV_LOG_ERROR("Failed to start capture: {}", error);
      return nullptr;
    }
    PV_LOG_INFO("Direct3D device wrapper created successfully");
    PV_LOG_INFO("Creating capture item for window {:x}...", window);
    std::lock_guard lock(mutex_);
    hr = itemInterop_->CreateForWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window)),
                                       wgc::kIidGraphicsCaptureItem, reinterpret_cast<void**>(parts.item.GetAddressOf()));
    parts.poolStatics = poolStatics_;
  }
  if (SUCCEEDED(hr) && !parts.item) {
    error = "Failed to create capture item for window";
    PV_LOG_ERROR("Failed to start capture: {}", error);
    return nullptr;
  }
  if (SUCCEEDED(hr)) hr = parts.item->get_Size(&parts.size);
  if (FAILED(hr)) {
    logWgcCaptureFailure(hr, std::system_category().message(hr));
    error = errorText(hr);
    return nullptr;
  }
  return std::make_unique<WgcCaptureSource>(std::move(parts));
}

}  // namespace parvalon::host::platform::win32
