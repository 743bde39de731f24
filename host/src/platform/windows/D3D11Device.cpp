#include "platform/windows/D3D11Device.h"

#include <d3d11_4.h>
#include <dxgi1_2.h>

#include <cstring>
#include <iterator>
#include <new>

#include "logging/Log.h"
#include "platform/windows/D3D11Texture.h"
#include "platform/windows/Win32Text.h"

namespace parvalon::host::platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

constexpr UINT kMaximumFrameLatency = 1;
constexpr INT kGpuThreadPriority = 7;
constexpr DXGI_FORMAT kFrameFormat = DXGI_FORMAT_B8G8R8A8_UNORM;
constexpr std::size_t kBytesPerPixel = 4;

// HRESULTs print as the unsigned code ("0x887a0001"), not as a negative long.
std::uint32_t code(HRESULT hr) { return static_cast<std::uint32_t>(hr); }

HRESULT createDevice(ComPtr<ID3D11Device>& device, ComPtr<ID3D11DeviceContext>& context, D3D_FEATURE_LEVEL& level) {
  const D3D_FEATURE_LEVEL levels[] = {D3D_FEATURE_LEVEL_11_1, D3D_FEATURE_LEVEL_11_0};
  return D3D11CreateDevice(nullptr, D3D_DRIVER_TYPE_HARDWARE, nullptr, D3D11_CREATE_DEVICE_BGRA_SUPPORT, levels,
                           static_cast<UINT>(std::size(levels)), D3D11_SDK_VERSION, device.ReleaseAndGetAddressOf(),
                           &level, context.ReleaseAndGetAddressOf());
}

// The Direct3D texture behind a GpuTexture of this platform; null for anything else.
ID3D11Texture2D* nativeOf(const GpuTexture& texture) {
  const auto* d3d = dynamic_cast<const D3D11Texture*>(&texture);
  return d3d != nullptr ? d3d->native() : nullptr;
}

std::unique_ptr<GpuTexture> make(ID3D11Device* device, const D3D11_TEXTURE2D_DESC& desc) {
  ComPtr<ID3D11Texture2D> texture;
  if (FAILED(device->CreateTexture2D(&desc, nullptr, texture.GetAddressOf()))) return nullptr;
  try {
    return std::make_unique<D3D11Texture>(std::move(texture));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

std::shared_ptr<D3D11Device> D3D11Device::create() {
  ComPtr<ID3D11Device> device;
  ComPtr<ID3D11DeviceContext> context;
  D3D_FEATURE_LEVEL level{};
  HRESULT hr = createDevice(device, context, level);
  if (FAILED(hr)) hr = createDevice(device, context, level);  // once more: a driver that was just resetting
  if (FAILED(hr)) {
    PV_LOG_ERROR("Failed to create D3D11 device: {:#x}", code(hr));
    return nullptr;
  }
  PV_LOG_INFO("D3D11 device created with feature level {:#x}", static_cast<unsigned>(level));
  std::shared_ptr<D3D11Device> created(new D3D11Device(std::move(device), std::move(context)));
  created->describeAndTune();
  return created;
}

D3D11Device::D3D11Device(ComPtr<ID3D11Device> device, ComPtr<ID3D11DeviceContext> context)
    : device_(std::move(device)), context_(std::move(context)) {}

void D3D11Device::describeAndTune() {
  ComPtr<IDXGIDevice> dxgi;
  if (SUCCEEDED(device_.As(&dxgi))) {
    ComPtr<IDXGIAdapter> adapter;
    DXGI_ADAPTER_DESC desc{};
    if (SUCCEEDED(dxgi->GetAdapter(adapter.GetAddressOf())) && SUCCEEDED(adapter->GetDesc(&desc))) {
      adapterName_ = utf16ToUtf8(std::wstring_view(desc.Description, wcsnlen(desc.Description, std::size(desc.Description))));
      dedicatedMemoryMB_ = static_cast<std::uint64_t>(desc.DedicatedVideoMemory) >> 20;
      vendorId_ = desc.VendorId;
      PV_LOG_INFO("GPU: {} (VRAM: {} MB)", adapterName_, dedicatedMemoryMB_);
    }
    ComPtr<IDXGIDevice1> dxgi1;
    if (SUCCEEDED(dxgi.As(&dxgi1))) {
      const HRESULT hr = dxgi1->SetMaximumFrameLatency(kMaximumFrameLatency);
      if (SUCCEEDED(hr)) {
        PV_LOG_INFO("GPU MaximumFrameLatency set to 1 (reduced from default 3)");
      } else {
        PV_LOG_WARN("Failed to set GPU MaximumFrameLatency: {:#x}", code(hr));
      }
    }
    if (SUCCEEDED(dxgi->SetGPUThreadPriority(kGpuThreadPriority))) PV_LOG_INFO("GPU thread priority set to 7 (maximum)");
  }
  ComPtr<ID3D11Multithread> multithread;
  if (SUCCEEDED(context_.As(&multithread))) {
    multithread->SetMultithreadProtected(TRUE);
    PV_LOG_INFO("D3D11 multithread protection enabled");
  } else {
    PV_LOG_WARN("Failed to enable D3D11 multithread protection");
  }
}

std::unique_ptr<GpuTexture> D3D11Device::createTextureLike(const GpuTexture& like, std::uint32_t width,
                                                           std::uint32_t height) {
  ID3D11Texture2D* source = nativeOf(like);
  if (source == nullptr || width == 0 || height == 0) return nullptr;
  D3D11_TEXTURE2D_DESC desc{};
  source->GetDesc(&desc);
  // Format, mips, array, samples, CPU access and misc flags stay those of the captured texture.
  desc.Width = width;
  desc.Height = height;
  desc.Usage = D3D11_USAGE_DEFAULT;
  desc.BindFlags = D3D11_BIND_SHADER_RESOURCE | D3D11_BIND_RENDER_TARGET;
  return make(device_.Get(), desc);
}

std::unique_ptr<GpuTexture> D3D11Device::createTexture(std::uint32_t width, std::uint32_t height, TextureUse use) {
  if (width == 0 || height == 0) return nullptr;
  D3D11_TEXTURE2D_DESC desc{};
  desc.Width = width;
  desc.Height = height;
  desc.MipLevels = 1;
  desc.ArraySize = 1;
  desc.Format = kFrameFormat;
  desc.SampleDesc.Count = 1;
  if (use == TextureUse::Readback) {
    desc.Usage = D3D11_USAGE_STAGING;
    desc.CPUAccessFlags = D3D11_CPU_ACCESS_READ;
  } else {
    desc.Usage = D3D11_USAGE_DEFAULT;
    desc.BindFlags = D3D11_BIND_SHADER_RESOURCE | D3D11_BIND_RENDER_TARGET;
  }
  return make(device_.Get(), desc);
}

bool D3D11Device::clearToBlack(GpuTexture& texture) {
  ID3D11Texture2D* target = nativeOf(texture);
  if (target == nullptr) return false;
  ComPtr<ID3D11RenderTargetView> view;
  if (FAILED(device_->CreateRenderTargetView(target, nullptr, view.GetAddressOf()))) return false;
  const FLOAT black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  std::lock_guard lock(contextMutex_);
  context_->ClearRenderTargetView(view.Get(), black);
  return true;
}

bool D3D11Device::copyRegion(const GpuTexture& source, GpuTexture& target, std::uint32_t width,
                             std::uint32_t height) {
  ID3D11Texture2D* from = nativeOf(source);
  ID3D11Texture2D* to = nativeOf(target);
  if (from == nullptr || to == nullptr || width > source.width() || height > source.height() ||
      width > target.width() || height > target.height()) {
    return false;
  }
  const D3D11_BOX box{0, 0, 0, width, height, 1};
  std::lock_guard lock(contextMutex_);
  context_->CopySubresourceRegion(to, 0, 0, 0, 0, from, 0, &box);
  return true;
}

bool D3D11Device::initializeSharpening() {
  std::lock_guard lock(contextMutex_);
  if (!sharpeningTried_) {
    sharpeningTried_ = true;
    cas_.initialize(device_.Get());
  }
  return cas_.isInitialized();
}

bool D3D11Device::sharpen(const GpuTexture& input, GpuTexture& output, std::uint32_t width, std::uint32_t height,
                          float sharpness) {
  ID3D11Texture2D* from = nativeOf(input);
  ID3D11Texture2D* to = nativeOf(output);
  if (from == nullptr || to == nullptr) return false;
  std::lock_guard lock(contextMutex_);
  return cas_.apply(context_.Get(), from, to, width, height, sharpness);
}

bool D3D11Device::readBack(const GpuTexture& source, GpuTexture& staging, CpuImage& target) {
  ID3D11Texture2D* from = nativeOf(source);
  ID3D11Texture2D* stage = nativeOf(staging);
  if (from == nullptr || stage == nullptr || source.width() != staging.width() ||
      source.height() != staging.height()) {
    return false;
  }
  if (target.width() != staging.width() || target.height() != staging.height()) {
    try {
      target.resize(staging.width(), staging.height());
    } catch (const std::bad_alloc&) {
      target = CpuImage();
      return false;
    }
  }
  std::lock_guard lock(contextMutex_);
  context_->CopyResource(stage, from);
  D3D11_MAPPED_SUBRESOURCE mapped{};
  if (FAILED(context_->Map(stage, 0, D3D11_MAP_READ, 0, &mapped))) return false;
  const std::size_t rowBytes = static_cast<std::size_t>(target.width()) * kBytesPerPixel;
  const auto* rows = static_cast<const std::uint8_t*>(mapped.pData);
  for (std::uint32_t y = 0; y < target.height(); ++y) {
    std::memcpy(target.row(y), rows + static_cast<std::size_t>(y) * mapped.RowPitch, rowBytes);
  }
  context_->Unmap(stage, 0);
  return true;
}

bool D3D11Device::upload(const CpuFrame& source, GpuTexture& target) {
  ID3D11Texture2D* to = nativeOf(target);
  if (to == nullptr || source.data == nullptr || source.width > target.width() || source.height > target.height()) {
    return false;
  }
  const D3D11_BOX box{0, 0, 0, source.width, source.height, 1};
  std::lock_guard lock(contextMutex_);
  context_->UpdateSubresource(to, 0, &box, source.data, source.stride, 0);
  return true;
}

}  // namespace parvalon::host::platform::win32

namespace parvalon::host::platform {

std::shared_ptr<GpuDevice> GpuDevice::createDefault() { return win32::D3D11Device::create(); }

}  // namespace parvalon::host::platform
