#pragma once

// The few Windows.Graphics.Capture ABI interfaces the WGC capture source calls. The mingw headers
// declare none of them and there is no C++/WinRT here, so they are declared from the published
// interface definitions (windows.graphics.capture.h, windows.graphics.capture.interop.h,
// windows.graphics.directx.direct3d11.interop.h): vtable order and IIDs as published.

#include <d3d11.h>
#include <dxgi.h>
#include <eventtoken.h>
#include <inspectable.h>
#include <windows.h>

#include <cstdint>

namespace parvalon::host::platform::win32::wgc {

// Windows.Graphics.SizeInt32.
struct SizeInt32 {
  std::int32_t Width;
  std::int32_t Height;
};

// Windows.Graphics.DirectX.DirectXPixelFormat.B8G8R8A8UIntNormalized (= DXGI_FORMAT_B8G8R8A8_UNORM).
constexpr std::int32_t kB8G8R8A8UIntNormalized = 87;

constexpr wchar_t kGraphicsCaptureItemClass[] = L"Windows.Graphics.Capture.GraphicsCaptureItem";
constexpr wchar_t kGraphicsCaptureSessionClass[] = L"Windows.Graphics.Capture.GraphicsCaptureSession";
constexpr wchar_t kFramePoolClass[] = L"Windows.Graphics.Capture.Direct3D11CaptureFramePool";

// {3628E81B-3CAC-4C60-B7F4-23CE0E0C3356}
constexpr GUID kIidGraphicsCaptureItemInterop = {
    0x3628e81b, 0x3cac, 0x4c60, {0xb7, 0xf4, 0x23, 0xce, 0x0e, 0x0c, 0x33, 0x56}};
// {A9B3D012-3DF2-4EE3-B8D1-8695F457D3C1}
constexpr GUID kIidDirect3DDxgiInterfaceAccess = {
    0xa9b3d012, 0x3df2, 0x4ee3, {0xb8, 0xd1, 0x86, 0x95, 0xf4, 0x57, 0xd3, 0xc1}};
// {79C3F95B-31F7-4EC2-A464-632EF5D30760}
constexpr GUID kIidGraphicsCaptureItem = {0x79c3f95b, 0x31f7, 0x4ec2, {0xa4, 0x64, 0x63, 0x2e, 0xf5, 0xd3, 0x07, 0x60}};
// {814E42A9-F70F-4AD7-939B-FDDCC6EB880D}
constexpr GUID kIidGraphicsCaptureSession = {
    0x814e42a9, 0xf70f, 0x4ad7, {0x93, 0x9b, 0xfd, 0xdc, 0xc6, 0xeb, 0x88, 0x0d}};
// {2C39AE40-7D2E-5044-804E-8B6799D4CF9E}
constexpr GUID kIidGraphicsCaptureSession2 = {
    0x2c39ae40, 0x7d2e, 0x5044, {0x80, 0x4e, 0x8b, 0x67, 0x99, 0xd4, 0xcf, 0x9e}};
// {F2CDD966-22AE-5EA1-9596-3A289344C3BE}
constexpr GUID kIidGraphicsCaptureSession3 = {
    0xf2cdd966, 0x22ae, 0x5ea1, {0x95, 0x96, 0x3a, 0x28, 0x93, 0x44, 0xc3, 0xbe}};
// {2224A540-5974-49AA-B232-0882536F4CB5}
constexpr GUID kIidGraphicsCaptureSessionStatics = {
    0x2224a540, 0x5974, 0x49aa, {0xb2, 0x32, 0x08, 0x82, 0x53, 0x6f, 0x4c, 0xb5}};
// {24EB6D22-1975-422E-82E7-780DBD8DDF24}
constexpr GUID kIidDirect3D11CaptureFramePool = {
    0x24eb6d22, 0x1975, 0x422e, {0x82, 0xe7, 0x78, 0x0d, 0xbd, 0x8d, 0xdf, 0x24}};
// {589B103F-6BBC-5DF5-A991-02E28B3B66D5}
constexpr GUID kIidDirect3D11CaptureFramePoolStatics2 = {
    0x589b103f, 0x6bbc, 0x5df5, {0xa9, 0x91, 0x02, 0xe2, 0x8b, 0x3b, 0x66, 0xd5}};
// {FA50C623-38DA-4B32-ACF3-FA9734AD800E}
constexpr GUID kIidDirect3D11CaptureFrame = {
    0xfa50c623, 0x38da, 0x4b32, {0xac, 0xf3, 0xfa, 0x97, 0x34, 0xad, 0x80, 0x0e}};
// {30D5A829-7FA4-4026-83BB-D75BAE4EA99E}: Windows.Foundation.IClosable.
constexpr GUID kIidClosable = {0x30d5a829, 0x7fa4, 0x4026, {0x83, 0xbb, 0xd7, 0x5b, 0xae, 0x4e, 0xa9, 0x9e}};
// {51A947F7-79CF-5A3E-A3A5-1289CFA6DFE8}: TypedEventHandler<Direct3D11CaptureFramePool, Object>.
constexpr GUID kIidFrameArrivedHandler = {
    0x51a947f7, 0x79cf, 0x5a3e, {0xa3, 0xa5, 0x12, 0x89, 0xcf, 0xa6, 0xdf, 0xe8}};
// {E9C610C0-A68C-5BD9-8021-8589346EEEE2}: TypedEventHandler<GraphicsCaptureItem, Object>.
constexpr GUID kIidItemClosedHandler = {
    0xe9c610c0, 0xa68c, 0x5bd9, {0x80, 0x21, 0x85, 0x89, 0x34, 0x6e, 0xee, 0xe2}};
// {94EA2B94-E9CC-49E0-C0FF-EE64CA8F5B90}: IAgileObject, so the free-threaded pool may call our
// handlers from any thread.
constexpr GUID kIidAgileObject = {0x94ea2b94, 0xe9cc, 0x49e0, {0xc0, 0xff, 0xee, 0x64, 0xca, 0x8f, 0x5b, 0x90}};

struct IGraphicsCaptureItemInterop : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CreateForWindow(HWND window, REFIID riid, void** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateForMonitor(HMONITOR monitor, REFIID riid, void** result) = 0;
};

struct IDirect3DDxgiInterfaceAccess : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetInterface(REFIID iid, void** p) = 0;
};

// TypedEventHandler<TSender, Object>: one Invoke taking the sender and the (empty) arguments.
struct ITypedEventHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(IInspectable* sender, IInspectable* args) = 0;
};

struct IGraphicsCaptureItem : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_DisplayName(HSTRING* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Size(SizeInt32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_Closed(ITypedEventHandler* handler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_Closed(EventRegistrationToken token) = 0;
};

struct IGraphicsCaptureSession : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE StartCapture() = 0;
};

struct IGraphicsCaptureSession2 : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_IsCursorCaptureEnabled(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsCursorCaptureEnabled(boolean value) = 0;
};

struct IGraphicsCaptureSession3 : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_IsBorderRequired(boolean* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsBorderRequired(boolean value) = 0;
};

struct IGraphicsCaptureSessionStatics : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE IsSupported(boolean* result) = 0;
};

struct IDirect3D11CaptureFrame : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE get_Surface(IInspectable** value) = 0;  // IDirect3DSurface
  virtual HRESULT STDMETHODCALLTYPE get_SystemRelativeTime(INT64* value) = 0;  // TimeSpan, 100 ns
  virtual HRESULT STDMETHODCALLTYPE get_ContentSize(SizeInt32* value) = 0;
};

struct IDirect3D11CaptureFramePool : IInspectable {
  // `device` is an IDirect3DDevice.
  virtual HRESULT STDMETHODCALLTYPE Recreate(IInspectable* device, std::int32_t pixelFormat, std::int32_t numberOfBuffers,
                                             SizeInt32 size) = 0;
  virtual HRESULT STDMETHODCALLTYPE TryGetNextFrame(IDirect3D11CaptureFrame** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_FrameArrived(ITypedEventHandler* handler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_FrameArrived(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateCaptureSession(IGraphicsCaptureItem* item,
                                                         IGraphicsCaptureSession** result) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DispatcherQueue(IInspectable** value) = 0;
};

struct IDirect3D11CaptureFramePoolStatics2 : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE CreateFreeThreaded(IInspectable* device, std::int32_t pixelFormat,
                                                       std::int32_t numberOfBuffers, SizeInt32 size,
                                                       IDirect3D11CaptureFramePool** result) = 0;
};

struct IClosable : IInspectable {
  virtual HRESULT STDMETHODCALLTYPE Close() = 0;
};

}  // namespace parvalon::host::platform::win32::wgc

// d3d11.dll: the WinRT IDirect3DDevice wrapper of a DXGI device (declared in
// windows.graphics.directx.direct3d11.interop.h, which mingw lacks).
extern "C" HRESULT WINAPI CreateDirect3D11DeviceFromDXGIDevice(IDXGIDevice* dxgiDevice, IInspectable** graphicsDevice);
