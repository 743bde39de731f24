#include "FakeAmfContext.h"

#include <string>

#include "FakeAmfSurface.h"

namespace parvalon::host::testing {

FakeAmfContext::FakeAmfContext() : FakeAmfObject("Context") {}

amf::AMF_RESULT FakeAmfContext::Terminate() {
  log("Terminate");
  device_ = nullptr;
  return fail("Terminate");
}

amf::AMF_RESULT FakeAmfContext::InitDX11(void* pDX11Device, amf::AMF_DX_VERSION dxVersionRequired) {
  log("InitDX11 device=" + fakeAmfPointer(pDX11Device) + " version=" + std::to_string(static_cast<int>(dxVersionRequired)));
  if (const amf::AMF_RESULT failure = fail("InitDX11"); failure != amf::AMF_OK) return failure;
  if (pDX11Device == nullptr) return amf::AMF_NO_DEVICE;
  device_ = pDX11Device;
  return amf::AMF_OK;
}

void* FakeAmfContext::GetDX11Device(amf::AMF_DX_VERSION) {
  log("GetDX11Device");
  return device_;
}

amf::AMF_RESULT FakeAmfContext::CreateSurfaceFromDX11Native(void* pDX11Surface, amf::AMFSurface** ppSurface,
                                                            amf::AMFSurfaceObserver* pObserver) {
  log("CreateSurfaceFromDX11Native texture=" + fakeAmfPointer(pDX11Surface) +
      " observer=" + (pObserver == nullptr ? "null" : "set"));
  if (ppSurface != nullptr) *ppSurface = nullptr;
  if (const amf::AMF_RESULT failure = fail("CreateSurfaceFromDX11Native"); failure != amf::AMF_OK) return failure;
  if (ppSurface == nullptr || pDX11Surface == nullptr) return amf::AMF_INVALID_POINTER;
  if (device_ == nullptr) return amf::AMF_NOT_INITIALIZED;
  *ppSurface = new FakeAmfSurface(pDX11Surface);
  return amf::AMF_OK;
}

// Everything below is outside what the encoder may call.
amf::AMF_RESULT FakeAmfContext::InitDX9(void*) { return unexpected("InitDX9"); }
void* FakeAmfContext::GetDX9Device(amf::AMF_DX_VERSION) {
  unexpected("GetDX9Device");
  return nullptr;
}
amf::AMF_RESULT FakeAmfContext::LockDX9() { return unexpected("LockDX9"); }
amf::AMF_RESULT FakeAmfContext::UnlockDX9() { return unexpected("UnlockDX9"); }
amf::AMF_RESULT FakeAmfContext::LockDX11() { return unexpected("LockDX11"); }
amf::AMF_RESULT FakeAmfContext::UnlockDX11() { return unexpected("UnlockDX11"); }
amf::AMF_RESULT FakeAmfContext::InitOpenCL(void*) { return unexpected("InitOpenCL"); }
void* FakeAmfContext::GetOpenCLContext() {
  unexpected("GetOpenCLContext");
  return nullptr;
}
void* FakeAmfContext::GetOpenCLCommandQueue() {
  unexpected("GetOpenCLCommandQueue");
  return nullptr;
}
void* FakeAmfContext::GetOpenCLDeviceID() {
  unexpected("GetOpenCLDeviceID");
  return nullptr;
}
amf::AMF_RESULT FakeAmfContext::GetOpenCLComputeFactory(amf::AMFComputeFactory**) {
  return unexpected("GetOpenCLComputeFactory");
}
amf::AMF_RESULT FakeAmfContext::InitOpenCLEx(amf::AMFComputeDevice*) { return unexpected("InitOpenCLEx"); }
amf::AMF_RESULT FakeAmfContext::LockOpenCL() { return unexpected("LockOpenCL"); }
amf::AMF_RESULT FakeAmfContext::UnlockOpenCL() { return unexpected("UnlockOpenCL"); }
amf::AMF_RESULT FakeAmfContext::InitOpenGL(amf::amf_handle, amf::amf_handle, amf::amf_handle) {
  return unexpected("InitOpenGL");
}
amf::amf_handle FakeAmfContext::GetOpenGLContext() {
  unexpected("GetOpenGLContext");
  return nullptr;
}
amf::amf_handle FakeAmfContext::GetOpenGLDrawable() {
  unexpected("GetOpenGLDrawable");
  return nullptr;
}
amf::AMF_RESULT FakeAmfContext::LockOpenGL() { return unexpected("LockOpenGL"); }
amf::AMF_RESULT FakeAmfContext::UnlockOpenGL() { return unexpected("UnlockOpenGL"); }
amf::AMF_RESULT FakeAmfContext::InitXV(void*) { return unexpected("InitXV"); }
void* FakeAmfContext::GetXVDevice() {
  unexpected("GetXVDevice");
  return nullptr;
}
amf::AMF_RESULT FakeAmfContext::LockXV() { return unexpected("LockXV"); }
amf::AMF_RESULT FakeAmfContext::UnlockXV() { return unexpected("UnlockXV"); }
amf::AMF_RESULT FakeAmfContext::InitGralloc(void*) { return unexpected("InitGralloc"); }
void* FakeAmfContext::GetGrallocDevice() {
  unexpected("GetGrallocDevice");
  return nullptr;
}
amf::AMF_RESULT FakeAmfContext::LockGralloc() { return unexpected("LockGralloc"); }
amf::AMF_RESULT FakeAmfContext::UnlockGralloc() { return unexpected("UnlockGralloc"); }
amf::AMF_RESULT FakeAmfContext::AllocBuffer(amf::AMF_MEMORY_TYPE, amf::amf_size, amf::AMFBuffer**) {
  return unexpected("AllocBuffer");
}
amf::AMF_RESULT FakeAmfContext::AllocSurface(amf::AMF_MEMORY_TYPE, amf::AMF_SURFACE_FORMAT, amf::amf_int32,
                                             amf::amf_int32, amf::AMFSurface**) {
  return unexpected("AllocSurface");
}
amf::AMF_RESULT FakeAmfContext::AllocAudioBuffer(amf::AMF_MEMORY_TYPE, int, amf::amf_int32, amf::amf_int32,
                                                 amf::amf_int32, amf::AMFAudioBuffer**) {
  return unexpected("AllocAudioBuffer");
}
amf::AMF_RESULT FakeAmfContext::CreateBufferFromHostNative(void*, amf::amf_size, amf::AMFBuffer**,
                                                           amf::AMFBufferObserver*) {
  return unexpected("CreateBufferFromHostNative");
}
amf::AMF_RESULT FakeAmfContext::CreateSurfaceFromHostNative(amf::AMF_SURFACE_FORMAT, amf::amf_int32, amf::amf_int32,
                                                            amf::amf_int32, amf::amf_int32, void*, amf::AMFSurface**,
                                                            amf::AMFSurfaceObserver*) {
  return unexpected("CreateSurfaceFromHostNative");
}
amf::AMF_RESULT FakeAmfContext::CreateSurfaceFromDX9Native(void*, amf::AMFSurface**, amf::AMFSurfaceObserver*) {
  return unexpected("CreateSurfaceFromDX9Native");
}

}  // namespace parvalon::host::testing
