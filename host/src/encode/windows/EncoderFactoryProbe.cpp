#include <windows.h>
#include <dxgi.h>
#include <wrl/client.h>

#include <string>

#include "encode/EncoderFactory.h"
#include "encode/SoftwareEncoderEntry.h"

namespace parvalon::host {

namespace {

// The vendor of the adapter a default Direct3D 11 device is made on (DXGI's first adapter).
std::optional<std::uint32_t> readDefaultAdapterVendor() {
  Microsoft::WRL::ComPtr<IDXGIFactory1> factory;
  if (FAILED(CreateDXGIFactory1(IID_PPV_ARGS(factory.GetAddressOf())))) return std::nullopt;
  Microsoft::WRL::ComPtr<IDXGIAdapter1> adapter;
  if (FAILED(factory->EnumAdapters1(0, adapter.GetAddressOf()))) return std::nullopt;
  DXGI_ADAPTER_DESC1 desc{};
  if (FAILED(adapter->GetDesc1(&desc))) return std::nullopt;
  return desc.VendorId;
}

// Read once: a DXGI factory costs a noticeable part of a stream start (150 ms under wine), and
// the adapter does not change under a running host.
std::optional<std::uint32_t> defaultAdapterVendor() {
  static const std::optional<std::uint32_t> vendor = readDefaultAdapterVendor();
  return vendor;
}

std::uint32_t libraryLoadError(const char* library) {
  const std::string name(library);
  const std::wstring wide(name.begin(), name.end());  // the runtime names are ASCII
  HMODULE module = LoadLibraryW(wide.c_str());
  if (module == nullptr) {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_MOD_NOT_FOUND;
  }
  FreeLibrary(module);
  return 0;
}

}  // namespace

EncoderFactory::AdapterProbe EncoderFactory::systemProbe(const platform::GpuDevice* device) {
  AdapterProbe probe;
  if (device != nullptr) {
    // The device's own adapter (read through DXGI when the device was made); 0 means unknown.
    if (device->vendorId() != 0) probe.vendorId = device->vendorId();
  } else {
    probe.vendorId = defaultAdapterVendor();
  }
  probe.libraryLoadError = libraryLoadError;
  probe.softwareUsable = softwareEncoderUsable();
  return probe;
}

}  // namespace parvalon::host
