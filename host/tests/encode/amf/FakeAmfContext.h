#pragma once

#include "FakeAmfObject.h"

namespace parvalon::host::testing {

// A context: bound to a Direct3D 11 device, wraps textures in surfaces. The other back ends
// (DX9, OpenCL, OpenGL, XV, Gralloc) and the allocations are refused and logged.
class FakeAmfContext final : public FakeAmfObject<amf::AMFContext> {
 public:
  FakeAmfContext();

  amf::AMF_RESULT PV_AMF_STD_CALL Terminate() override;
  amf::AMF_RESULT PV_AMF_STD_CALL InitDX9(void* pDX9Device) override;
  void* PV_AMF_STD_CALL GetDX9Device(amf::AMF_DX_VERSION dxVersionRequired) override;
  amf::AMF_RESULT PV_AMF_STD_CALL LockDX9() override;
  amf::AMF_RESULT PV_AMF_STD_CALL UnlockDX9() override;
  amf::AMF_RESULT PV_AMF_STD_CALL InitDX11(void* pDX11Device, amf::AMF_DX_VERSION dxVersionRequired) override;
  void* PV_AMF_STD_CALL GetDX11Device(amf::AMF_DX_VERSION dxVersionRequired) override;
  amf::AMF_RESULT PV_AMF_STD_CALL LockDX11() override;
  amf::AMF_RESULT PV_AMF_STD_CALL UnlockDX11() override;
  amf::AMF_RESULT PV_AMF_STD_CALL InitOpenCL(void* pCommandQueue) override;
  void* PV_AMF_STD_CALL GetOpenCLContext() override;
  void* PV_AMF_STD_CALL GetOpenCLCommandQueue() override;
  void* PV_AMF_STD_CALL GetOpenCLDeviceID() override;
  amf::AMF_RESULT PV_AMF_STD_CALL GetOpenCLComputeFactory(amf::AMFComputeFactory** ppFactory) override;
  amf::AMF_RESULT PV_AMF_STD_CALL InitOpenCLEx(amf::AMFComputeDevice* pDevice) override;
  amf::AMF_RESULT PV_AMF_STD_CALL LockOpenCL() override;
  amf::AMF_RESULT PV_AMF_STD_CALL UnlockOpenCL() override;
  amf::AMF_RESULT PV_AMF_STD_CALL InitOpenGL(amf::amf_handle hOpenGLContext, amf::amf_handle hWindow,
                                             amf::amf_handle hDC) override;
  amf::amf_handle PV_AMF_STD_CALL GetOpenGLContext() override;
  amf::amf_handle PV_AMF_STD_CALL GetOpenGLDrawable() override;
  amf::AMF_RESULT PV_AMF_STD_CALL LockOpenGL() override;
  amf::AMF_RESULT PV_AMF_STD_CALL UnlockOpenGL() override;
  amf::AMF_RESULT PV_AMF_STD_CALL InitXV(void* pXVDevice) override;
  void* PV_AMF_STD_CALL GetXVDevice() override;
  amf::AMF_RESULT PV_AMF_STD_CALL LockXV() override;
  amf::AMF_RESULT PV_AMF_STD_CALL UnlockXV() override;
  amf::AMF_RESULT PV_AMF_STD_CALL InitGralloc(void* pGrallocDevice) override;
  void* PV_AMF_STD_CALL GetGrallocDevice() override;
  amf::AMF_RESULT PV_AMF_STD_CALL LockGralloc() override;
  amf::AMF_RESULT PV_AMF_STD_CALL UnlockGralloc() override;
  amf::AMF_RESULT PV_AMF_STD_CALL AllocBuffer(amf::AMF_MEMORY_TYPE type, amf::amf_size size,
                                              amf::AMFBuffer** ppBuffer) override;
  amf::AMF_RESULT PV_AMF_STD_CALL AllocSurface(amf::AMF_MEMORY_TYPE type, amf::AMF_SURFACE_FORMAT format,
                                               amf::amf_int32 width, amf::amf_int32 height,
                                               amf::AMFSurface** ppSurface) override;
  amf::AMF_RESULT PV_AMF_STD_CALL AllocAudioBuffer(amf::AMF_MEMORY_TYPE type, int format, amf::amf_int32 samples,
                                                   amf::amf_int32 sampleRate, amf::amf_int32 channels,
                                                   amf::AMFAudioBuffer** ppAudioBuffer) override;
  amf::AMF_RESULT PV_AMF_STD_CALL CreateBufferFromHostNative(void* pHostBuffer, amf::amf_size size,
                                                             amf::AMFBuffer** ppBuffer,
                                                             amf::AMFBufferObserver* pObserver) override;
  amf::AMF_RESULT PV_AMF_STD_CALL CreateSurfaceFromHostNative(amf::AMF_SURFACE_FORMAT format, amf::amf_int32 width,
                                                              amf::amf_int32 height, amf::amf_int32 hPitch,
                                                              amf::amf_int32 vPitch, void* pData,
                                                              amf::AMFSurface** ppSurface,
                                                              amf::AMFSurfaceObserver* pObserver) override;
  amf::AMF_RESULT PV_AMF_STD_CALL CreateSurfaceFromDX9Native(void* pDX9Surface, amf::AMFSurface** ppSurface,
                                                             amf::AMFSurfaceObserver* pObserver) override;
  amf::AMF_RESULT PV_AMF_STD_CALL CreateSurfaceFromDX11Native(void* pDX11Surface, amf::AMFSurface** ppSurface,
                                                              amf::AMFSurfaceObserver* pObserver) override;

 private:
  void* device_ = nullptr;
};

}  // namespace parvalon::host::testing
