#pragma once

#include <wrl/client.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/CaptureSource.h"
#include "platform/windows/D3D11Device.h"
#include "platform/windows/WgcInterop.h"

namespace parvalon::host::platform::win32 {

// The live capture of one window through Windows.Graphics.Capture, delivering B8G8R8A8 textures
// of its frame pool on the orchestrator's Direct3D 11 device. The pool is free-threaded: frames
// arrive on the service's worker threads, which play the capture thread here (one delivery at a
// time). A frame whose content size differs from the pool size is delivered without texture,
// announcing the size; recreateFramePool re-creates the pool at it.
//
// The service redelivers only on change and paces by the compositor: requestFrame and setFps
// have nothing to ask of it.
class WgcCaptureSource final : public CaptureSource {
 public:
  // What WgcCaptureSourceFactory made for the window.
  struct Parts {
    std::shared_ptr<D3D11Device> device;
    Microsoft::WRL::ComPtr<IInspectable> deviceWrapper;  // IDirect3DDevice of `device`
    Microsoft::WRL::ComPtr<wgc::IGraphicsCaptureItem> item;
    Microsoft::WRL::ComPtr<wgc::IDirect3D11CaptureFramePoolStatics2> poolStatics;
    wgc::SizeInt32 size{};
  };

  explicit WgcCaptureSource(Parts parts);
  ~WgcCaptureSource() override;

  WgcCaptureSource(const WgcCaptureSource&) = delete;
  WgcCaptureSource& operator=(const WgcCaptureSource&) = delete;

  CaptureSize size() const override;
  bool start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) override;
  void recreateFramePool(std::uint32_t width, std::uint32_t height) override;
  void requestFrame() override {}
  void setFps(std::uint32_t) override {}
  void stop() override;

 private:
  // Handlers reach the source through this; stop empties it, so a late event finds nothing.
  // Recursive: a stop from inside a delivery (the same worker thread) must not wait for itself.
  struct Gate {
    std::recursive_mutex mutex;  // held for a whole delivery; taken by stop on any thread
    WgcCaptureSource* source = nullptr;
  };

  void onFrameArrived();
  void onItemClosed();

  Parts parts_;
  std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
  // Set by start, used by deliveries (under the gate) and closed by stop.
  Microsoft::WRL::ComPtr<wgc::IDirect3D11CaptureFramePool> pool_;
  Microsoft::WRL::ComPtr<wgc::IGraphicsCaptureSession> session_;
  FrameCallback onFrame_;
  ClosedCallback onClosed_;
  wgc::SizeInt32 poolSize_{};  // under the gate
  std::atomic<bool> stopped_{false};
};

}  // namespace parvalon::host::platform::win32
