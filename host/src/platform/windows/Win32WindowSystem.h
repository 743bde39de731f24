#pragma once

#include <windows.h>

#include <string>

#include "platform/WindowSystem.h"

namespace parvalon::host::platform::win32 {

// The desktop through the plain window functions; every call is safe from any thread.
class Win32WindowSystem final : public WindowSystem {
 public:
  // QueryFullProcessImageNameW's buffer, in characters.
  static constexpr DWORD kImagePathChars = MAX_PATH;
  // GetClassNameW's buffer, in characters.
  static constexpr int kClassNameChars = 256;
  // WM_GETICON and WM_GETMINMAXINFO wait this long for a window that does not answer.
  static constexpr UINT kMessageTimeoutMs = 100;

  std::vector<WindowHandle> topLevelWindows() override;
  bool isWindow(WindowHandle window) override;
  bool isVisible(WindowHandle window) override;
  std::string title(WindowHandle window) override;
  WindowStyle style(WindowHandle window) override;
  bool isCloaked(WindowHandle window) override;
  std::string className(WindowHandle window) override;
  std::optional<WindowRect> windowRect(WindowHandle window) override;
  std::optional<WindowRect> clientRect(WindowHandle window) override;
  std::optional<WindowRect> shownRect(WindowHandle window) override;
  bool isMinimized(WindowHandle window) override;
  bool isMaximized(WindowHandle window) override;
  std::string processImagePath(WindowHandle window) override;
  // Draws and encodes the icon itself (the PNG is in IconImage::png).
  std::optional<IconImage> icon(WindowHandle window) override;

  // ---- Input: foreground, focus, window-from-point, resize, screen metrics ----
  WindowHandle foregroundWindow() override;
  bool setForegroundWindow(WindowHandle window) override;
  bool bringWindowToTop(WindowHandle window) override;
  bool showWindow(WindowHandle window, ShowMode mode) override;
  bool setFocus(WindowHandle window) override;
  bool setActiveWindow(WindowHandle window) override;
  std::uint64_t windowThreadId(WindowHandle window) override;
  std::uint64_t currentThreadId() override;
  bool attachThreadInput(std::uint64_t thread, std::uint64_t toThread, bool attach) override;
  std::uint32_t lastError() override;
  WindowHandle windowFromPoint(std::int32_t x, std::int32_t y) override;
  WindowHandle rootAncestor(WindowHandle window) override;
  std::optional<WindowSize> windowSizeForClient(WindowHandle window, std::int32_t clientWidth,
                                                std::int32_t clientHeight) override;
  WindowSize minimumSize(WindowHandle window) override;
  bool setWindowSize(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     bool move) override;
  WindowRect virtualScreen() override;
  WindowSize primaryScreenSize() override;

  static HWND toHwnd(WindowHandle window);
  static WindowHandle fromHwnd(HWND window);

 private:
  // The owning process's executable path in UTF-16; empty when the process cannot be queried.
  static std::wstring imagePath(HWND window);
  // The first icon of the chain: WM_GETICON big and small, the class icons, the executable's.
  // `owned` is set when the caller must destroy it.
  static HICON findIcon(HWND window, bool& owned);
};

}  // namespace parvalon::host::platform::win32
