#include "platform/windows/Win32WindowSystem.h"

#include <dwmapi.h>
#include <shellapi.h>

#include <memory>

#include "platform/windows/Win32CaptureSourceFactory.h"
#include "platform/windows/Win32IconRenderer.h"
#include "platform/windows/Win32Text.h"

namespace parvalon::host::platform {

std::shared_ptr<WindowSystem> WindowSystem::create() {
  static const std::shared_ptr<WindowSystem> shared = std::make_shared<win32::Win32WindowSystem>();
  return shared;
}

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::win32 {

namespace {

// Handle values 0 and 1 are not icons (some windows answer WM_GETICON with 1).
constexpr ULONG_PTR kFirstIconValue = 2;

BOOL CALLBACK collectWindow(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<WindowHandle>*>(context)->push_back(Win32WindowSystem::fromHwnd(window));
  return TRUE;  // always go on
}

HICON askForIcon(HWND window, WPARAM which) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, WM_GETICON, which, 0, SMTO_ABORTIFHUNG, Win32WindowSystem::kMessageTimeoutMs,
                           &result)) {
    return nullptr;
  }
  return result >= kFirstIconValue ? reinterpret_cast<HICON>(result) : nullptr;
}

HICON classIcon(HWND window, int index) {
  const ULONG_PTR value = GetClassLongPtrW(window, index);
  return value >= kFirstIconValue ? reinterpret_cast<HICON>(value) : nullptr;
}

struct ProcessHandle {
  HANDLE handle = nullptr;
  ~ProcessHandle() {
    if (handle) CloseHandle(handle);
  }
};

// Balances a successful CoInitializeEx (S_OK or S_FALSE); a thread in another apartment goes on
// without its own initialization.
struct ComScope {
  HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  ~ComScope() {
    if (SUCCEEDED(result)) CoUninitialize();
  }
};

}  // namespace

HWND Win32WindowSystem::toHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(window));
}

WindowHandle Win32WindowSystem::fromHwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(window));
}

std::vector<WindowHandle> Win32WindowSystem::topLevelWindows() {
  std::vector<WindowHandle> windows;
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool Win32WindowSystem::isWindow(WindowHandle window) { return window != kNoWindow && IsWindow(toHwnd(window)); }

bool Win32WindowSystem::isVisible(WindowHandle window) { return IsWindowVisible(toHwnd(window)); }

std::string Win32WindowSystem::title(WindowHandle window) {
  const HWND hwnd = toHwnd(window);
  const int length = GetWindowTextLengthW(hwnd);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return utf16ToUtf8(text);
}

WindowStyle Win32WindowSystem::style(WindowHandle window) {
  const HWND hwnd = toHwnd(window);
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  WindowStyle result;
  result.toolWindow = (exStyle & WS_EX_TOOLWINDOW) != 0;
  // Either bit of WS_CAPTION counts: a thin border alone is enough.
  result.hasCaption = (style & (WS_BORDER | WS_DLGFRAME)) != 0;
  result.appWindow = (exStyle & WS_EX_APPWINDOW) != 0;
  return result;
}

bool Win32WindowSystem::isCloaked(WindowHandle window) {
  DWORD cloaked = 0;
  // A failed query leaves 0: the window counts as shown.
  DwmGetWindowAttribute(toHwnd(window), DWMWA_CLOAKED, &cloaked, sizeof(cloaked));
  return cloaked != 0;
}

std::string Win32WindowSystem::className(WindowHandle window) {
  wchar_t name[kClassNameChars] = {};
  const int length = GetClassNameW(toHwnd(window), name, kClassNameChars);
  if (length <= 0) return {};
  return utf16ToUtf8(std::wstring_view(name, static_cast<std::size_t>(length)));
}

std::optional<WindowRect> Win32WindowSystem::windowRect(WindowHandle window) {
  RECT rect{};
  if (!GetWindowRect(toHwnd(window), &rect)) return std::nullopt;
  return WindowRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::optional<WindowRect> Win32WindowSystem::clientRect(WindowHandle window) {
  RECT rect{};
  if (!GetClientRect(toHwnd(window), &rect)) return std::nullopt;
  return WindowRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::optional<WindowRect> Win32WindowSystem::shownRect(WindowHandle window) {
  // Windows Graphics Capture shows the whole window, GDI the client area alone.
  if (!captureShowsClientArea()) return windowRect(window);
  const HWND hwnd = toHwnd(window);
  RECT rect{};
  POINT origin{0, 0};
  if (!GetClientRect(hwnd, &rect) || !ClientToScreen(hwnd, &origin)) return std::nullopt;
  return WindowRect{origin.x, origin.y, rect.right - rect.left, rect.bottom - rect.top};
}

bool Win32WindowSystem::isMinimized(WindowHandle window) { return IsIconic(toHwnd(window)); }

bool Win32WindowSystem::isMaximized(WindowHandle window) { return IsZoomed(toHwnd(window)); }

std::wstring Win32WindowSystem::imagePath(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == 0) return {};
  const ProcessHandle process{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId)};
  if (!process.handle) return {};
  wchar_t path[kImagePathChars] = {};
  DWORD size = kImagePathChars;
  if (!QueryFullProcessImageNameW(process.handle, 0, path, &size)) return {};
  return std::wstring(path, size);
}

std::string Win32WindowSystem::processImagePath(WindowHandle window) {
  return utf16ToUtf8(imagePath(toHwnd(window)));
}

HICON Win32WindowSystem::findIcon(HWND window, bool& owned) {
  owned = false;
  if (HICON icon = askForIcon(window, ICON_BIG)) return icon;
  if (HICON icon = askForIcon(window, ICON_SMALL)) return icon;
  if (HICON icon = classIcon(window, GCLP_HICON)) return icon;
  if (HICON icon = classIcon(window, GCLP_HICONSM)) return icon;
  const std::wstring path = imagePath(window);
  if (path.empty()) return nullptr;
  HICON large = nullptr;
  HICON small = nullptr;
  ExtractIconExW(path.c_str(), 0, &large, &small, 1);
  if (large) {
    if (small) DestroyIcon(small);
    owned = true;
    return large;
  }
  owned = small != nullptr;
  return small;
}

std::optional<IconImage> Win32WindowSystem::icon(WindowHandle window) {
  const ComScope com;
  bool owned = false;
  const HICON icon = findIcon(toHwnd(window), owned);
  if (!icon) return std::nullopt;
  auto image = Win32IconRenderer::render(icon);
  if (owned) DestroyIcon(icon);
  return image;
}

// ---- Input: foreground, focus, window-from-point, resize, screen metrics ----

WindowHandle Win32WindowSystem::foregroundWindow() { return fromHwnd(GetForegroundWindow()); }

bool Win32WindowSystem::setForegroundWindow(WindowHandle window) { return SetForegroundWindow(toHwnd(window)); }

bool Win32WindowSystem::bringWindowToTop(WindowHandle window) { return BringWindowToTop(toHwnd(window)); }

bool Win32WindowSystem::showWindow(WindowHandle window, ShowMode mode) {
  const HWND hwnd = toHwnd(window);
  if (!IsWindow(hwnd)) return false;
  // ShowWindow answers whether the window was visible before, not whether it worked.
  ShowWindow(hwnd, mode == ShowMode::Restore ? SW_RESTORE : SW_SHOW);
  return true;
}

bool Win32WindowSystem::setFocus(WindowHandle window) {
  SetLastError(ERROR_SUCCESS);
  // The previous focus may be null on success: only a set error is a failure.
  return SetFocus(toHwnd(window)) != nullptr || GetLastError() == ERROR_SUCCESS;
}

bool Win32WindowSystem::setActiveWindow(WindowHandle window) {
  SetLastError(ERROR_SUCCESS);
  return SetActiveWindow(toHwnd(window)) != nullptr || GetLastError() == ERROR_SUCCESS;
}

std::uint64_t Win32WindowSystem::windowThreadId(WindowHandle window) {
  return GetWindowThreadProcessId(toHwnd(window), nullptr);
}

std::uint64_t Win32WindowSystem::currentThreadId() { return GetCurrentThreadId(); }

bool Win32WindowSystem::attachThreadInput(std::uint64_t thread, std::uint64_t toThread, bool attach) {
  return AttachThreadInput(static_cast<DWORD>(thread), static_cast<DWORD>(toThread), attach ? TRUE : FALSE);
}

std::uint32_t Win32WindowSystem::lastError() { return GetLastError(); }

WindowHandle Win32WindowSystem::windowFromPoint(std::int32_t x, std::int32_t y) {
  return fromHwnd(WindowFromPoint(POINT{x, y}));
}

WindowHandle Win32WindowSystem::rootAncestor(WindowHandle window) {
  return fromHwnd(GetAncestor(toHwnd(window), GA_ROOT));
}

std::optional<WindowSize> Win32WindowSystem::windowSizeForClient(WindowHandle window, std::int32_t clientWidth,
                                                                 std::int32_t clientHeight) {
  const HWND hwnd = toHwnd(window);
  if (!IsWindow(hwnd)) return std::nullopt;
  RECT rect{0, 0, clientWidth, clientHeight};
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  if (!AdjustWindowRectEx(&rect, style, FALSE, exStyle)) return std::nullopt;
  return WindowSize{rect.right - rect.left, rect.bottom - rect.top};
}

WindowSize Win32WindowSystem::minimumSize(WindowHandle window) {
  MINMAXINFO info{};
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(toHwnd(window), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info), SMTO_ABORTIFHUNG,
                           kMessageTimeoutMs, &result)) {
    return {};
  }
  return WindowSize{info.ptMinTrackSize.x, info.ptMinTrackSize.y};
}

bool Win32WindowSystem::setWindowSize(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                                      std::int32_t height, bool move) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (!move) flags |= SWP_NOMOVE;
  return SetWindowPos(toHwnd(window), nullptr, x, y, width, height, flags);
}

WindowRect Win32WindowSystem::virtualScreen() {
  return WindowRect{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                    GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

WindowSize Win32WindowSystem::primaryScreenSize() {
  return WindowSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace parvalon::host::platform::win32
