#include "platform/windows/WgcEventHandler.h"

#include <utility>

namespace parvalon::host::platform::win32 {

WgcEventHandler::WgcEventHandler(const GUID& iid, std::function<void()> onInvoke)
    : iid_(iid), onInvoke_(std::move(onInvoke)) {}

HRESULT STDMETHODCALLTYPE WgcEventHandler::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualGUID(riid, iid_) || IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, wgc::kIidAgileObject)) {
    *object = static_cast<wgc::ITypedEventHandler*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE WgcEventHandler::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE WgcEventHandler::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE WgcEventHandler::Invoke(IInspectable*, IInspectable*) {
  // Nothing may escape into the capture service's thread.
  try {
    if (onInvoke_) onInvoke_();
  } catch (...) {
  }
  return S_OK;
}

}  // namespace parvalon::host::platform::win32
