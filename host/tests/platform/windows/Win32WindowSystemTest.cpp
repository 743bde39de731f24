// The window list on a real (wine) desktop: windows this test creates, found through the Win32
// window system and the portable enumerator.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <stb/stb_image.h>

#include "TestWindow.h"
#include "capture/WindowEnumerator.h"
#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"
#include "platform/windows/Win32Text.h"
#include "platform/windows/Win32WindowSystem.h"
#include "protocol/Base64.h"

namespace parvalon::host {
namespace {

using test::TestWindow;
using testing::LogCapture;

constexpr const char* kProcessName = "parvalon_win32_tests.exe";
// Under a window manager the X11 driver applies a new Z order or window state only once the
// manager has answered; on a loaded machine that can take seconds, so the waits for it get a
// long bound (they end as soon as the state shows).
constexpr std::chrono::milliseconds kWindowManagerLimit{30000};

platform::WindowSystem& windowSystem() {
  static const std::shared_ptr<platform::WindowSystem> shared = platform::WindowSystem::create();
  return *shared;
}

std::optional<protocol::WindowInfo> listed(const std::vector<protocol::WindowInfo>& list, const TestWindow& window) {
  const auto id = static_cast<std::uint32_t>(window.handle() & 0xFFFFFFFFu);
  const auto it = std::find_if(list.begin(), list.end(), [id](const auto& info) { return info.id == id; });
  if (it == list.end()) return std::nullopt;
  return *it;
}

TEST(Win32WindowList, ListsOwnWindowWithExactTitleClassProcessAndRectangle) {
  // German umlauts, a CJK title and a character outside the BMP (a surrogate pair in UTF-16).
  TestWindow window({L"ParvalonListClass\u00c4", L"Gr\u00f6\u00dfe \u7a93 \U0001F5D4 Parvalon"});
  ASSERT_NE(window.hwnd(), nullptr);
  const auto list = WindowEnumerator::enumerateWindows(windowSystem());
  const auto info = listed(list, window);
  ASSERT_TRUE(info) << "own window missing from a list of " << list.size();
  EXPECT_EQ(info->title, "Gr\xC3\xB6\xC3\x9F" "e \xE7\xAA\x93 \xF0\x9F\x97\x94 Parvalon");
  EXPECT_EQ(info->className, "ParvalonListClass\xC3\x84");
  EXPECT_EQ(info->processName, kProcessName);
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(window.hwnd(), &rect));
  EXPECT_EQ(info->x, rect.left);
  EXPECT_EQ(info->y, rect.top);
  EXPECT_EQ(info->width, 320);
  EXPECT_EQ(info->height, 200);
  EXPECT_TRUE(info->isVisible);
  EXPECT_FALSE(info->isMinimized);
  EXPECT_FALSE(info->isMaximized);
}

TEST(Win32WindowList, ReportsMinimizedAndMaximizedWindows) {
  TestWindow minimized({L"ParvalonMinClass", L"Parvalon minimized"});
  TestWindow maximized({L"ParvalonMaxClass", L"Parvalon maximized"});
  ShowWindow(minimized.hwnd(), SW_MINIMIZE);
  ShowWindow(maximized.hwnd(), SW_MAXIMIZE);
  // Under a window manager the states apply once the manager has answered: the list is read
  // again until both show (or the wait ends and the expectations below report what it saw).
  std::optional<protocol::WindowInfo> small;
  std::optional<protocol::WindowInfo> large;
  testing::waitUntil([&] {
    TestWindow::pumpMessages();
    const auto list = WindowEnumerator::enumerateWindows(windowSystem());
    small = listed(list, minimized);
    large = listed(list, maximized);
    return small && large && small->isMinimized && large->isMaximized;
  }, kWindowManagerLimit);
  ASSERT_TRUE(small && large);
  EXPECT_TRUE(small->isMinimized);
  EXPECT_FALSE(small->isMaximized);
  EXPECT_TRUE(large->isMaximized);
  EXPECT_FALSE(large->isMinimized);
}

// An unpaired surrogate in a title must not break the list's JSON: it becomes U+FFFD.
TEST(Win32WindowList, UnpairedSurrogateInTitleBecomesReplacementCharacter) {
  const std::wstring title = std::wstring(L"Odd ") + wchar_t(0xD800) + L" title";
  TestWindow window({L"ParvalonOddClass", title});
  EXPECT_EQ(windowSystem().title(window.handle()), "Odd \xEF\xBF\xBD title");
  EXPECT_EQ(platform::win32::utf16ToUtf8(std::wstring(1, wchar_t(0xDC00)) + L"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(platform::win32::utf16ToUtf8(L""), "");
}

struct FilterCase {
  const char* name;
  DWORD style;
  DWORD exStyle;
  bool visible;
  const wchar_t* title;
  bool listed;
};

class Win32WindowFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(Win32WindowFilter, ListsOnlyCapturableWindows) {
  const FilterCase& c = GetParam();
  TestWindow window({std::wstring(L"ParvalonFilter") + platform::win32::utf8ToUtf16(c.name), c.title, c.style, c.exStyle, c.visible});
  ASSERT_NE(window.hwnd(), nullptr);
  EXPECT_EQ(listed(WindowEnumerator::enumerateWindows(windowSystem()), window).has_value(), c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, Win32WindowFilter,
    ::testing::Values(
        FilterCase{"Overlapped", WS_OVERLAPPEDWINDOW, 0, true, L"Parvalon overlapped", true},
        // A tool window is never listed, even with a caption.
        FilterCase{"Tool", WS_OVERLAPPEDWINDOW, WS_EX_TOOLWINDOW, true, L"Parvalon tool", false},
        // No caption and no border: listed only when it declares itself an application window.
        FilterCase{"Captionless", WS_POPUP, 0, true, L"Parvalon captionless", false},
        FilterCase{"CaptionlessApp", WS_POPUP, WS_EX_APPWINDOW, true, L"Parvalon app popup", true},
        // A thin border alone counts as a caption.
        FilterCase{"Bordered", WS_POPUP | WS_BORDER, 0, true, L"Parvalon bordered", true},
        FilterCase{"Hidden", WS_OVERLAPPEDWINDOW, 0, false, L"Parvalon hidden", false},
        FilterCase{"Untitled", WS_OVERLAPPEDWINDOW, 0, true, L"", false},
        FilterCase{"ExcludedTitle", WS_OVERLAPPEDWINDOW, 0, true, L"Program Manager", false}),
    [](const auto& info) { return std::string(info.param.name); });

// EnumWindows gives the Z order, topmost first; the list sorts by title bytes and leaves windows
// of equal title in that order.
std::vector<std::string> listedTestClasses() {
  std::vector<std::string> classes;
  for (const auto& info : WindowEnumerator::enumerateWindows(windowSystem())) {
    if (info.className.rfind("ParvalonZ", 0) == 0) classes.push_back(info.className);
  }
  return classes;
}

// Raises `window` and waits (bounded) until the Z order shows it above `other`: with a window
// manager the X11 driver applies the new order only once the manager has restacked.
bool raiseAbove(const TestWindow& window, const TestWindow& other) {
  SetWindowPos(window.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return testing::waitUntil([&] {
    TestWindow::pumpMessages();
    const auto z = windowSystem().topLevelWindows();
    const auto top = std::find(z.begin(), z.end(), window.handle());
    return top != z.end() && std::find(top, z.end(), other.handle()) != z.end();
  }, kWindowManagerLimit);
}

TEST(Win32WindowList, KeepsZOrderAmongEqualTitlesAfterSortingByTitle) {
  TestWindow lower({L"ParvalonZLower", L"a Parvalon"});
  TestWindow first({L"ParvalonZFirst", L"Parvalon same"});
  TestWindow second({L"ParvalonZSecond", L"Parvalon same"});
  TestWindow upper({L"ParvalonZUpper", L"B Parvalon"});

  ASSERT_TRUE(raiseAbove(first, second));
  // "B" sorts before "P" before "a" (upper case before lower case in byte order).
  EXPECT_EQ(listedTestClasses(),
            (std::vector<std::string>{"ParvalonZUpper", "ParvalonZFirst", "ParvalonZSecond", "ParvalonZLower"}));

  // Raising the other one swaps the pair in the list too.
  ASSERT_TRUE(raiseAbove(second, first));
  EXPECT_EQ(listedTestClasses(),
            (std::vector<std::string>{"ParvalonZUpper", "ParvalonZSecond", "ParvalonZFirst", "ParvalonZLower"}));
}

// ---- input-side operations: resize to a client size, the root of a child window

TEST(Win32WindowOperations, ResizesToAClientSizeKeepingThePosition) {
  TestWindow window({L"ParvalonResizeClass", L"Parvalon resize"});
  platform::WindowSystem& windows = windowSystem();
  const auto outer = windows.windowSizeForClient(window.handle(), 640, 360);
  ASSERT_TRUE(outer);
  // The frame and caption of an overlapped window add to the client size.
  EXPECT_GT(outer->width, 640);
  EXPECT_GT(outer->height, 360);
  const auto before = windows.windowRect(window.handle());
  ASSERT_TRUE(before);
  ASSERT_TRUE(windows.setWindowSize(window.handle(), 0, 0, outer->width, outer->height, false));
  TestWindow::pumpMessages();
  const auto client = windows.clientRect(window.handle());
  ASSERT_TRUE(client);
  EXPECT_EQ(client->width, 640);
  EXPECT_EQ(client->height, 360);
  const auto after = windows.windowRect(window.handle());
  ASSERT_TRUE(after);
  EXPECT_EQ(after->x, before->x);
  EXPECT_EQ(after->y, before->y);
  EXPECT_FALSE(windows.windowSizeForClient(0x7FFF0000u, 640, 360));
}

TEST(Win32WindowOperations, ChildWindowLeadsToItsTopLevelWindow) {
  TestWindow parent({L"ParvalonParentClass", L"Parvalon parent"});
  HWND child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, parent.hwnd(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(child, nullptr);
  const auto childHandle = platform::win32::Win32WindowSystem::fromHwnd(child);
  EXPECT_EQ(windowSystem().rootAncestor(childHandle), parent.handle());
  EXPECT_TRUE(windowSystem().isWindow(childHandle));
  DestroyWindow(child);
  EXPECT_FALSE(windowSystem().isWindow(childHandle));
  EXPECT_FALSE(windowSystem().isWindow(platform::kNoWindow));
}

// ---- icons

struct Decoded {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;
  // RGBA of one pixel.
  std::vector<unsigned char> at(int x, int y) const {
    const auto* p = rgba.data() + (static_cast<std::size_t>(y) * width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
  }
};

Decoded decodeIcon(const std::string& base64) {
  Decoded out;
  const auto bytes = protocol::decodeBase64(base64);
  if (!bytes || bytes->empty()) return out;
  int channels = 0;
  unsigned char* pixels = stbi_load_from_memory(bytes->data(), static_cast<int>(bytes->size()), &out.width,
                                                &out.height, &channels, 4);
  if (!pixels) return out;
  out.rgba.assign(pixels, pixels + static_cast<std::size_t>(out.width) * out.height * 4);
  stbi_image_free(pixels);
  return out;
}

// Left half opaque red, right half opaque blue, bottom row fully transparent green (black once
// drawn over black).
std::uint32_t testIconPixel(int x, int y, int size) {
  if (y == size - 1) return 0x0000FF00u;
  return x < size / 2 ? 0xFFFF0000u : 0xFF0000FFu;
}

TEST(Win32WindowIcon, WindowIconIsAPngOfItsSizeAndColoursOverBlack) {
  constexpr int kSize = 32;
  HICON icon = TestWindow::makeIcon(kSize, kSize, [](int x, int y) { return testIconPixel(x, y, kSize); });
  ASSERT_NE(icon, nullptr);
  TestWindow window({L"ParvalonIconClass", L"Parvalon icon"});
  SendMessageW(window.hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  LogCapture log;
  const auto info = listed(WindowEnumerator::enumerateWindows(windowSystem()), window);
  ASSERT_TRUE(info);
  const Decoded png = decodeIcon(info->iconBase64);
  ASSERT_EQ(png.width, kSize) << info->iconBase64;
  ASSERT_EQ(png.height, kSize);
  EXPECT_EQ(png.at(2, 2), (std::vector<unsigned char>{255, 0, 0, 255}));
  EXPECT_EQ(png.at(kSize - 3, 2), (std::vector<unsigned char>{0, 0, 255, 255}));
  EXPECT_EQ(png.at(3, kSize - 1), (std::vector<unsigned char>{0, 0, 0, 255}));
  EXPECT_EQ(log.countAtLeast(LogCapture::kWarn), 0u);
  DestroyIcon(icon);
}

// Without WM_GETICON answers the class icon is used, at its own size.
TEST(Win32WindowIcon, FallsBackToTheClassIcon) {
  constexpr int kSize = 48;
  HICON icon = TestWindow::makeIcon(kSize, kSize, [](int, int) { return 0xFF00FF00u; });
  ASSERT_NE(icon, nullptr);
  TestWindow::Options options{L"ParvalonClassIconClass", L"Parvalon class icon"};
  options.classIcon = icon;
  TestWindow window(options);
  const Decoded png = decodeIcon(WindowEnumerator::getWindowIconBase64(windowSystem(), window.handle()));
  ASSERT_EQ(png.width, kSize);
  ASSERT_EQ(png.height, kSize);
  EXPECT_EQ(png.at(kSize / 2, kSize / 2), (std::vector<unsigned char>{0, 255, 0, 255}));
  DestroyIcon(icon);
}

TEST(Win32WindowIcon, HandleThatNamesNoWindowHasNoIconAndNoWarning) {
  LogCapture log;
  EXPECT_EQ(WindowEnumerator::getWindowIconBase64(windowSystem(), 0x7FFF0000u), "");
  EXPECT_EQ(log.countAtLeast(LogCapture::kWarn), 0u);
}

}  // namespace
}  // namespace parvalon::host
