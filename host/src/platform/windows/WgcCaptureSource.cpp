#include "platform/windows/WgcCaptureSource.h"

#include <chrono>
#include <exception>
#include <system_error>

#include "logging/Log.h"
#include "platform/windows/D3D11Texture.h"
#include "platform/windows/WgcEventHandler.h"
#include "platform/windows/WgcFailureReport.h"

namespace parvalon::host::platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

constexpr std::int32_t kPoolBuffers = 2;

std::int64_t steadyMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Closes a session or pool; errors are ignored and the stop goes on.
void closeQuietly(IUnknown* object) {
  if (object == nullptr) return;
  ComPtr<wgc::IClosable> closable;
  if (SUCCEEDED(object->QueryInterface(wgc::kIidClosable, reinterpret_cast<void**>(closable.GetAddressOf())))) {
    closable->Close();
  }
}

}  // namespace

WgcCaptureSource::WgcCaptureSource(Parts parts) : parts_(std::move(parts)), poolSize_(parts_.size) {
  gate_->source = this;
}

WgcCaptureSource::~WgcCaptureSource() { stop(); }

CaptureSize WgcCaptureSource::size() const {
  return CaptureSize{static_cast<std::uint32_t>(parts_.size.Width), static_cast<std::uint32_t>(parts_.size.Height)};
}

bool WgcCaptureSource::start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) {
  onFrame_ = std::move(onFrame);
  onClosed_ = std::move(onClosed);
  HRESULT hr = parts_.poolStatics->CreateFreeThreaded(parts_.deviceWrapper.Get(), wgc::kB8G8R8A8UIntNormalized,
                                                      kPoolBuffers, parts_.size, pool_.GetAddressOf());
  const std::shared_ptr<Gate> gate = gate_;
  EventRegistrationToken closedToken{};
  EventRegistrationToken frameToken{};
  if (SUCCEEDED(hr)) {
    auto* closed = new WgcEventHandler(wgc::kIidItemClosedHandler, [gate] {
      std::lock_guard lock(gate->mutex);
      if (gate->source != nullptr) gate->source->onItemClosed();
    });
    hr = parts_.item->add_Closed(closed, &closedToken);
    closed->Release();
  }
  if (SUCCEEDED(hr)) {
    auto* arrived = new WgcEventHandler(wgc::kIidFrameArrivedHandler, [gate] {
      std::lock_guard lock(gate->mutex);
      if (gate->source != nullptr) gate->source->onFrameArrived();
    });
    hr = pool_->add_FrameArrived(arrived, &frameToken);
    arrived->Release();
  }
  if (SUCCEEDED(hr)) hr = pool_->CreateCaptureSession(parts_.item.Get(), session_.GetAddressOf());
  if (SUCCEEDED(hr)) {
    // Later interface versions; a system without one fails with E_NOINTERFACE like any error.
    ComPtr<wgc::IGraphicsCaptureSession3> session3;
    hr = session_->QueryInterface(wgc::kIidGraphicsCaptureSession3, reinterpret_cast<void**>(session3.GetAddressOf()));
    if (SUCCEEDED(hr)) hr = session3->put_IsBorderRequired(false);
  }
  if (SUCCEEDED(hr)) {
    ComPtr<wgc::IGraphicsCaptureSession2> session2;
    hr = session_->QueryInterface(wgc::kIidGraphicsCaptureSession2, reinterpret_cast<void**>(session2.GetAddressOf()));
    if (SUCCEEDED(hr)) hr = session2->put_IsCursorCaptureEnabled(true);
  }
  if (SUCCEEDED(hr)) hr = session_->StartCapture();
  if (FAILED(hr)) {
    logWgcCaptureFailure(hr, std::system_category().message(hr));
    error = fmt::format("WinRT error 0x{:08x}", static_cast<std::uint32_t>(hr));
    stop();
    return false;
  }
  return true;
}

void WgcCaptureSource::recreateFramePool(std::uint32_t width, std::uint32_t height) {
  std::lock_guard lock(gate_->mutex);
  if (!pool_ || stopped_.load()) return;
  const wgc::SizeInt32 size{static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
  // Announced again with the next frame when the pool cannot be made.
  if (SUCCEEDED(pool_->Recreate(parts_.deviceWrapper.Get(), wgc::kB8G8R8A8UIntNormalized, kPoolBuffers, size))) {
    poolSize_ = size;
  }
}

void WgcCaptureSource::onFrameArrived() {
  try {
    ComPtr<wgc::IDirect3D11CaptureFrame> frame;
    if (FAILED(pool_->TryGetNextFrame(frame.GetAddressOf())) || !frame) return;
    wgc::SizeInt32 content{};
    if (FAILED(frame->get_ContentSize(&content)) || content.Width <= 0 || content.Height <= 0) return;
    const auto width = static_cast<std::uint32_t>(content.Width);
    const auto height = static_cast<std::uint32_t>(content.Height);
    if (content.Width != poolSize_.Width || content.Height != poolSize_.Height) {
      // Without texture: the consumer re-creates the pool at the new size.
      if (onFrame_) onFrame_(CaptureFrame(nullptr, width, height, steadyMicros()));
      return;
    }
    ComPtr<IInspectable> surface;
    ComPtr<wgc::IDirect3DDxgiInterfaceAccess> access;
    ComPtr<ID3D11Texture2D> texture;
    HRESULT hr = frame->get_Surface(surface.GetAddressOf());
    if (SUCCEEDED(hr)) {
      hr = surface->QueryInterface(wgc::kIidDirect3DDxgiInterfaceAccess,
                                   reinterpret_cast<void**>(access.GetAddressOf()));
    }
    if (SUCCEEDED(hr)) hr = access->GetInterface(__uuidof(ID3D11Texture2D), reinterpret_cast<void**>(texture.GetAddressOf()));
    if (FAILED(hr)) {
      PV_LOG_ERROR("Failed to get texture from frame: {:x}", static_cast<std::uint32_t>(hr));
      return;
    }
    const D3D11Texture wrapped(std::move(texture));
    if (onFrame_) onFrame_(CaptureFrame(&wrapped, width, height, steadyMicros()));
  } catch (const std::exception& e) {
    PV_LOG_ERROR("Error processing frame: {}", e.what());
  }
}

void WgcCaptureSource::onItemClosed() {
  if (stopped_.load()) return;
  if (onClosed_) onClosed_();
}

void WgcCaptureSource::stop() {
  {
    // Waits for a delivery on another thread; later events find no source.
    std::lock_guard lock(gate_->mutex);
    gate_->source = nullptr;
  }
  if (stopped_.exchange(true)) return;
  closeQuietly(session_.Get());
  session_.Reset();
  closeQuietly(pool_.Get());
  // pool_ stays referenced until destruction: a delivery running on this thread still uses it.
}

}  // namespace parvalon::host::platform::win32
