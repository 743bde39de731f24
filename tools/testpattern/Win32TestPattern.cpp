// parvalon-testpattern on Windows: the same pattern, options and input log as on X11 (shared),
// shown in a Win32 window from a BGRA buffer. Mouse and keyboard messages are logged as they
// arrive; typed text comes as WM_CHAR units, a surrogate pair becoming one character.

#include <windows.h>
#include <windowsx.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "InputLog.h"
#include "PatternCanvas.h"
#include "PatternOptions.h"
#include "PatternPainter.h"
#include "PatternStamp.h"

namespace tp = parvalon::testpattern;

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr int kWheelNotch = WHEEL_DELTA;
// X11's button numbers, which the input log uses on every platform.
constexpr int kLeft = 1, kMiddle = 2, kRight = 3, kWheelUp = 4, kWheelDown = 5, kWheelLeft = 6, kWheelRight = 7,
              kBack = 8, kForward = 9;

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::string narrow(const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  out.resize(static_cast<std::size_t>(n - 1));
  return out;
}

// The icon a window list reads: kListedIconSize square, straight alpha as on X11.
HICON createIcon() {
  const int size = static_cast<int>(tp::kListedIconSize);
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof(header);
  header.bV5Width = size;
  header.bV5Height = -size;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr) return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (std::uint32_t y = 0; y < tp::kListedIconSize; ++y) {
    for (std::uint32_t x = 0; x < tp::kListedIconSize; ++x) pixels[y * tp::kListedIconSize + x] = tp::iconPixel(tp::kListedIconSize, x, y);
  }
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour;
  info.hbmMask = mask;
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colour);
  DeleteObject(mask);
  return icon;
}

void writeIdFile(const std::string& path, HWND window) {
  // Written whole under a temporary name, so a reader never sees half an id.
  const std::filesystem::path file(std::u8string(path.begin(), path.end()));
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary);
    out << static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)) << '\n';
  }
  std::error_code ignored;
  std::filesystem::rename(temp, file, ignored);
}

class Win32Pattern {
 public:
  explicit Win32Pattern(const tp::PatternOptions& options)
      : options_(options), painter_(options.width, options.height, options.blank), log_(options.inputLog) {}

  bool logOk() const { return log_.ok(); }
  bool create(HINSTANCE instance);
  int run();

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void resize(int width, int height);
  void show(HDC dc) const;
  void showNow() const;
  void logButton(int button, bool pressed, LPARAM lParam) { log_.button(button, pressed, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }
  void logWheel(WPARAM wParam, LPARAM lParam, int& remainder, int positive, int negative);

  tp::PatternOptions options_;
  tp::PatternPainter painter_;
  tp::PatternCanvas canvas_;
  tp::InputLog log_;
  HWND window_ = nullptr;
  HICON icon_ = nullptr;
  int wheelRemainder_ = 0;
  int hwheelRemainder_ = 0;
};

bool Win32Pattern::create(HINSTANCE instance) {
  const std::wstring className = widen(options_.windowClass);
  if (options_.icon) icon_ = createIcon();
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon_;
  windowClass.hIconSm = icon_;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = className.c_str();
  if (!RegisterClassExW(&windowClass)) return false;

  resize(options_.width, options_.height);
  RECT frame{0, 0, options_.width, options_.height};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  const int x = options_.positioned ? options_.x : CW_USEDEFAULT;
  const int y = options_.positioned ? options_.y : CW_USEDEFAULT;
  window_ = CreateWindowExW(0, className.c_str(), widen(options_.title).c_str(), kStyle, x, y, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  std::printf("parvalon-testpattern window 0x%x\n", static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(window_)));
  std::fflush(stdout);
  if (!options_.idFile.empty()) writeIdFile(options_.idFile, window_);
  return true;
}

int Win32Pattern::run() {
  const auto start = std::chrono::steady_clock::now();
  const auto interval = std::chrono::microseconds(1000000 / options_.fps);
  auto nextFrame = start;
  while (true) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return 0;
      TranslateMessage(&message);  // key presses become WM_CHAR units
      DispatchMessageW(&message);
    }
    const auto now = std::chrono::steady_clock::now();
    if (options_.durationS > 0 && now - start >= std::chrono::duration<double>(options_.durationS)) {
      DestroyWindow(window_);
      return 0;
    }
    if (options_.animate && now >= nextFrame) {
      canvas_.apply(painter_.drawFrame(tp::steadyMicros()));
      showNow();
      nextFrame += interval;
      if (nextFrame <= now) nextFrame = now + interval;
    }
    const auto wait = options_.animate ? nextFrame - std::chrono::steady_clock::now() : std::chrono::milliseconds(100);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(wait).count();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ms > 0 ? ms : 0), QS_ALLINPUT);
  }
}

LRESULT CALLBACK Win32Pattern::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Pattern*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  self->window_ = window;
  return self->onMessage(message, wParam, lParam);
}

LRESULT Win32Pattern::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED && LOWORD(lParam) > 0 && HIWORD(lParam) > 0) {
        resize(LOWORD(lParam), HIWORD(lParam));
        InvalidateRect(window_, nullptr, FALSE);
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the pattern covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window_, &paint);
      show(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_GETMINMAXINFO:
      if (options_.minWidth > 0 || options_.minHeight > 0) {
        RECT frame{0, 0, options_.minWidth, options_.minHeight};
        AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        if (options_.minWidth > 0) info->ptMinTrackSize.x = frame.right - frame.left;
        if (options_.minHeight > 0) info->ptMinTrackSize.y = frame.bottom - frame.top;
      }
      return 0;
    case WM_MOUSEMOVE:
      log_.motion(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONDOWN: logButton(kLeft, true, lParam); return 0;
    case WM_LBUTTONUP: logButton(kLeft, false, lParam); return 0;
    case WM_MBUTTONDOWN: logButton(kMiddle, true, lParam); return 0;
    case WM_MBUTTONUP: logButton(kMiddle, false, lParam); return 0;
    case WM_RBUTTONDOWN: logButton(kRight, true, lParam); return 0;
    case WM_RBUTTONUP: logButton(kRight, false, lParam); return 0;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
      logButton(GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? kBack : kForward, message == WM_XBUTTONDOWN, lParam);
      return TRUE;
    case WM_MOUSEWHEEL:
      logWheel(wParam, lParam, wheelRemainder_, kWheelUp, kWheelDown);
      return 0;
    case WM_MOUSEHWHEEL:
      logWheel(wParam, lParam, hwheelRemainder_, kWheelRight, kWheelLeft);
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: {
      // Scan code with the extended-key flag as 0x100 (right Ctrl, arrows, ...).
      const auto scan = static_cast<std::uint32_t>((lParam >> 16) & 0x1FF);
      log_.virtualKey(scan, static_cast<std::uint32_t>(wParam), message == WM_KEYDOWN || message == WM_SYSKEYDOWN);
      if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) break;  // Alt+F4 and the like
      return 0;
    }
    case WM_CHAR:
      log_.charUnit(static_cast<std::uint16_t>(wParam));
      return 0;
    case WM_CLOSE:
      DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// Whole notches, as X11 reports them: a press and a release of the wheel's button each; what
// is left of a notch waits for the next message.
void Win32Pattern::logWheel(WPARAM wParam, LPARAM lParam, int& remainder, int positive, int negative) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};  // screen coordinates for the wheel
  ScreenToClient(window_, &point);
  remainder += GET_WHEEL_DELTA_WPARAM(wParam);
  for (int i = 0; i < 64 && (remainder >= kWheelNotch || remainder <= -kWheelNotch); ++i) {
    const int button = remainder > 0 ? positive : negative;
    log_.button(button, true, point.x, point.y);
    log_.button(button, false, point.x, point.y);
    remainder += remainder > 0 ? -kWheelNotch : kWheelNotch;
  }
}

void Win32Pattern::resize(int width, int height) {
  painter_.resize(width, height);
  canvas_.resize(width, height);
  canvas_.apply(painter_.drawAll(tp::steadyMicros()));
}

void Win32Pattern::show(HDC dc) const {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = canvas_.width();
  info.bmiHeader.biHeight = -canvas_.height();  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(canvas_.width()), static_cast<DWORD>(canvas_.height()), 0, 0, 0,
                    static_cast<UINT>(canvas_.height()), canvas_.pixels(), &info, DIB_RGB_COLORS);
}

void Win32Pattern::showNow() const {
  if (HDC dc = GetDC(window_)) {
    show(dc);
    ReleaseDC(window_, dc);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(narrow(argv[i]));
  const auto options = tp::PatternOptions::parse(args);
  if (!options) {
    std::fputs(tp::kUsage, stderr);
    return 2;
  }
  if (options->overrideRedirect || options->latin1Title) {
    std::fputs("parvalon-testpattern: --override-redirect and --latin1-title are X11 options\n", stderr);
    return 2;
  }
  // Window pixels are screen pixels, whatever the display's scale.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  Win32Pattern pattern(*options);
  if (!pattern.logOk()) {
    std::fprintf(stderr, "parvalon-testpattern: cannot open %s\n", options->inputLog.c_str());
    return 1;
  }
  if (!pattern.create(GetModuleHandleW(nullptr))) {
    std::fprintf(stderr, "parvalon-testpattern: cannot create the window (error %lu)\n", GetLastError());
    return 1;
  }
  return pattern.run();
}
