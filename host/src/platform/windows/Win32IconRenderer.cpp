#include "platform/windows/Win32IconRenderer.h"

#include <objidl.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <cstring>

#include "logging/Log.h"

namespace parvalon::host::platform::win32 {

namespace {

using Microsoft::WRL::ComPtr;

constexpr LONG kBitsPerPixel = 32;
constexpr COLORREF kBlack = 0;
constexpr std::uint32_t kOpaque = 0xFF000000u;

// Deletes a GDI object when the scope ends; a null handle is skipped.
struct GdiObject {
  HGDIOBJ handle = nullptr;
  ~GdiObject() {
    if (handle) DeleteObject(handle);
  }
};

struct ScreenDc {
  HDC dc = GetDC(nullptr);
  ~ScreenDc() {
    if (dc) ReleaseDC(nullptr, dc);
  }
};

struct MemoryDc {
  HDC dc = nullptr;
  ~MemoryDc() {
    if (dc) DeleteDC(dc);
  }
};

// The PNG of a top-down 32-bit DIB; the failing step's HRESULT otherwise (S_OK with empty
// bytes when a step without a message of its own failed).
HRESULT encodePng(HBITMAP dib, UINT width, UINT height, std::vector<unsigned char>& png) {
  ComPtr<IWICImagingFactory> factory;
  HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory2, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
  if (FAILED(hr)) {
    PV_LOG_WARN("getWindowIconBase64: WIC factory creation failed: 0x{:08x}", static_cast<std::uint32_t>(hr));
    return hr;
  }
  ComPtr<IWICBitmap> bitmap;
  hr = factory->CreateBitmapFromHBITMAP(dib, nullptr, WICBitmapUseAlpha, &bitmap);
  if (FAILED(hr)) {
    PV_LOG_WARN("getWindowIconBase64: CreateBitmapFromHBITMAP failed");
    return hr;
  }
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) return S_OK;
  ComPtr<IWICBitmapEncoder> encoder;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder))) return S_OK;
  if (FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache))) return S_OK;
  ComPtr<IWICBitmapFrameEncode> frame;
  if (FAILED(encoder->CreateNewFrame(&frame, nullptr))) return S_OK;

  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  hr = frame->Initialize(nullptr);
  if (SUCCEEDED(hr)) hr = frame->SetSize(width, height);
  if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
  if (SUCCEEDED(hr)) hr = frame->WriteSource(bitmap.Get(), nullptr);
  if (SUCCEEDED(hr)) hr = frame->Commit();
  if (SUCCEEDED(hr)) hr = encoder->Commit();
  if (FAILED(hr)) {
    PV_LOG_WARN("getWindowIconBase64: PNG encoding failed at some step: 0x{:08x}", static_cast<std::uint32_t>(hr));
    return hr;
  }

  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream.Get(), &memory)) || !memory) return S_OK;
  // The block may be larger than what was written: the stream's own size is the PNG's.
  STATSTG stat{};
  SIZE_T size = GlobalSize(memory);
  if (SUCCEEDED(stream->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart < size) {
    size = static_cast<SIZE_T>(stat.cbSize.QuadPart);
  }
  if (const void* bytes = GlobalLock(memory)) {
    png.assign(static_cast<const unsigned char*>(bytes), static_cast<const unsigned char*>(bytes) + size);
    GlobalUnlock(memory);
  }
  return S_OK;
}

}  // namespace

std::optional<IconImage> Win32IconRenderer::render(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) {
    PV_LOG_WARN("getWindowIconBase64: GetIconInfo failed, error={}", GetLastError());
    return std::nullopt;
  }
  const GdiObject colour{info.hbmColor};
  const GdiObject mask{info.hbmMask};

  BITMAP bitmap{};
  if (!GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap)) {
    PV_LOG_WARN("getWindowIconBase64: GetObject failed, error={}", GetLastError());
    return std::nullopt;
  }
  const LONG width = bitmap.bmWidth;
  // A monochrome icon keeps its AND and XOR masks stacked in one bitmap of twice the height.
  const LONG height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;

  const ScreenDc screen;
  MemoryDc memory{CreateCompatibleDC(screen.dc)};
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = width;
  header.bmiHeader.biHeight = -height;  // top-down rows
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = kBitsPerPixel;
  header.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  const GdiObject dib{CreateDIBSection(screen.dc, &header, DIB_RGB_COLORS, &pixels, nullptr, 0)};
  if (!dib.handle || !pixels || width < 1 || height < 1) {
    PV_LOG_WARN("getWindowIconBase64: CreateDIBSection failed, error={}", GetLastError());
    return std::nullopt;
  }

  const HGDIOBJ previous = SelectObject(memory.dc, dib.handle);
  const RECT all{0, 0, width, height};
  const GdiObject black{CreateSolidBrush(kBlack)};
  FillRect(memory.dc, &all, static_cast<HBRUSH>(black.handle));
  DrawIconEx(memory.dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  SelectObject(memory.dc, previous);
  GdiFlush();

  // The picture is the icon composed over black, opaque everywhere. GDI leaves the alpha byte
  // of everything it draws without alpha at 0, which would make an icon without an alpha
  // channel a fully transparent PNG.
  auto* argb = static_cast<std::uint32_t*>(pixels);
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  for (std::size_t i = 0; i < count; ++i) argb[i] |= kOpaque;

  IconImage image;
  image.width = static_cast<std::uint32_t>(width);
  image.height = static_cast<std::uint32_t>(height);
  encodePng(static_cast<HBITMAP>(dib.handle), image.width, image.height, image.png);
  return image;
}

}  // namespace parvalon::host::platform::win32
