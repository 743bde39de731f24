#include "platform/windows/DxgiDisplayModes.h"

#include <dwmapi.h>
#include <dxgi.h>

#include "logging/Log.h"
#include "platform/RefreshRateFallback.h"

namespace parvalon::host::platform {

std::shared_ptr<DisplayModes> DisplayModes::create() { return std::make_shared<win32::DxgiDisplayModes>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::win32 {

namespace {

template <class T>
struct ComRelease {
  T* p = nullptr;
  ~ComRelease() {
    if (p) p->Release();
  }
};

std::optional<RefreshRatio> compositorRate() {
  DWM_TIMING_INFO timing{};
  timing.cbSize = sizeof(timing);
  if (FAILED(DwmGetCompositionTimingInfo(nullptr, &timing))) return std::nullopt;
  return RefreshRatio{timing.rateRefresh.uiNumerator, timing.rateRefresh.uiDenominator};
}

}  // namespace

std::optional<std::vector<DisplayModeTiming>> DxgiDisplayModes::outputModes(std::uint32_t index) {
  ComRelease<IDXGIFactory1> factory;
  if (FAILED(CreateDXGIFactory1(__uuidof(IDXGIFactory1), reinterpret_cast<void**>(&factory.p)))) {
    PV_LOG_DEBUG("Display modes unavailable: no DXGI factory");
    return std::nullopt;
  }
  ComRelease<IDXGIAdapter1> adapter;
  if (FAILED(factory.p->EnumAdapters1(0, &adapter.p))) return std::nullopt;
  ComRelease<IDXGIOutput> output;
  if (FAILED(adapter.p->EnumOutputs(index, &output.p))) return std::nullopt;

  std::vector<RefreshRatio> rates;
  UINT count = 0;
  if (SUCCEEDED(output.p->GetDisplayModeList(DXGI_FORMAT_B8G8R8A8_UNORM, 0, &count, nullptr)) && count != 0) {
    std::vector<DXGI_MODE_DESC> modes(count);
    if (SUCCEEDED(output.p->GetDisplayModeList(DXGI_FORMAT_B8G8R8A8_UNORM, 0, &count, modes.data()))) {
      modes.resize(count);
      for (const DXGI_MODE_DESC& mode : modes) {
        rates.push_back(RefreshRatio{mode.RefreshRate.Numerator, mode.RefreshRate.Denominator});
      }
    }
  }
  return RefreshRateFallback::resolve(rates, compositorRate(), "DXGI", "DWM");
}

}  // namespace parvalon::host::platform::win32
