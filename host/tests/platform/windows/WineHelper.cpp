// A small Windows program the Linux end-to-end test runs under wine next to ParvalonHost.exe:
//   parvalon-win32-helper.exe windows   shows the test's windows (titles below), prints "ready"
//                                       and keeps them until it is ended (at most 5 minutes)
//   parvalon-win32-helper.exe close     posts WM_CLOSE to the host's window; exit 0 when found
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "TestWindow.h"

namespace {

using parvalon::host::test::TestWindow;

constexpr DWORD kLifetimeMs = 5 * 60 * 1000;

int showWindows() {
  std::vector<std::unique_ptr<TestWindow>> windows;
  // Non-ASCII on purpose: the Linux client compares the UTF-8 bytes.
  windows.push_back(std::make_unique<TestWindow>(
      TestWindow::Options{L"ParvalonWineWindow", L"Parvalon Wine \u00c4rger \u7a93"}));
  windows.push_back(std::make_unique<TestWindow>(TestWindow::Options{L"ParvalonWineWindow2", L"Parvalon Wine second"}));
  // Never listed: a tool window.
  windows.push_back(std::make_unique<TestWindow>(
      TestWindow::Options{L"ParvalonWineTool", L"Parvalon Wine tool", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW}));
  for (const auto& window : windows) {
    if (!window->hwnd()) return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kLifetimeMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    TestWindow::pumpMessages();
  }
  return 0;
}

int closeHost() {
  const HWND host = FindWindowW(L"ParvalonHostClass", L"Parvalon Host");
  if (!host) return 1;
  return PostMessageW(host, WM_CLOSE, 0, 0) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "windows") == 0) return showWindows();
  if (argc == 2 && std::strcmp(argv[1], "close") == 0) return closeHost();
  std::fprintf(stderr, "usage: parvalon-win32-helper.exe windows|close\n");
  return 2;
}
