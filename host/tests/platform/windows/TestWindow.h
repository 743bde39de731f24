#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace parvalon::host::test {

// A top-level window of the calling process with a window class of its own, for the window
// list tests and the cross-platform helper. Destroyed (and its class unregistered) with the object.
class TestWindow {
 public:
  struct Options {
    std::wstring className;
    std::wstring title;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    bool visible = true;
    HICON classIcon = nullptr;  // the class's big icon (the class keeps no small one)
    int width = 320;
    int height = 200;
  };

  explicit TestWindow(const Options& options) : className_(options.className) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = options.classIcon;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = className_.c_str();
    RegisterClassExW(&windowClass);
    hwnd_ = CreateWindowExW(options.exStyle, className_.c_str(), options.title.c_str(), options.style, 40, 30,
                            options.width, options.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ && options.visible) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    pumpMessages();
  }
  ~TestWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    UnregisterClassW(className_.c_str(), GetModuleHandleW(nullptr));
    pumpMessages();
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  std::uint64_t handle() const { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(hwnd_)); }

  // Runs the messages already queued for this thread's windows.
  static void pumpMessages() {
    MSG message{};
    for (int i = 0; i < 1000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // An icon with an alpha channel whose pixels (0xAARRGGBB) come from `pixel(x, y)`.
  static HICON makeIcon(int width, int height, const std::function<std::uint32_t(int, int)>& pixel) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = width;
    header.bV5Height = -height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    auto* out = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) out[y * width + x] = pixel(x, y);
    }
    // An all-zero AND mask: the alpha channel alone decides coverage.
    const std::vector<std::uint8_t> maskBits(static_cast<std::size_t>((width + 15) / 16 * 2 * height), 0);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, maskBits.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
  }

 private:
  std::wstring className_;
  HWND hwnd_ = nullptr;
};

}  // namespace parvalon::host::test
