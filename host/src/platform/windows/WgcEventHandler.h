#pragma once

#include <atomic>
#include <functional>

#include "platform/windows/WgcInterop.h"

namespace parvalon::host::platform::win32 {

// A TypedEventHandler delegate (FrameArrived, Closed) that runs a callable. Agile, because the
// free-threaded frame pool calls it on its worker threads. Reference-counted like any COM object:
// the event source keeps it until the pool or item is closed.
class WgcEventHandler final : public wgc::ITypedEventHandler {
 public:
  // `iid` is the delegate's parameterised interface id; `onInvoke` must not throw.
  WgcEventHandler(const GUID& iid, std::function<void()> onInvoke);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Invoke(IInspectable* sender, IInspectable* args) override;

 private:
  ~WgcEventHandler() = default;  // through Release only

  const GUID iid_;
  std::function<void()> onInvoke_;
  std::atomic<ULONG> references_{1};
};

}  // namespace parvalon::host::platform::win32
