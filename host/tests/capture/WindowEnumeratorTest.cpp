#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/LogCapture.h"
#include "protocol/Base64.h"
#include "capture/WindowEnumerator.h"
#include "fakes/FakeWindowSystem.h"

namespace parvalon::host {
namespace {

using fakes::FakeWindowSystem;
using testing::LogCapture;
using Strings = std::vector<std::string>;

FakeWindowSystem::Window normalWindow(platform::WindowHandle handle, std::string title) {
  FakeWindowSystem::Window w;
  w.handle = handle;
  w.title = std::move(title);
  w.className = "SomeApp";
  w.rect = platform::WindowRect{10, 20, 300, 200};
  w.processImagePath = "/usr/bin/someapp";
  return w;
}

// ---- the filter, rule by rule: whether the window is listed and which queries ran (a rule
// evaluated out of order shows as a different query sequence).

struct FilterCase {
  const char* name;
  void (*change)(FakeWindowSystem::Window&);
  bool listed;
  Strings queries;  // the queries the filter makes, in order
};

const Strings kAllQueries{"isVisible", "title", "style", "isCloaked", "className", "windowRect"};

class WindowFilter : public ::testing::TestWithParam<FilterCase> {};

INSTANTIATE_TEST_SUITE_P(
    Rules, WindowFilter,
    ::testing::Values(
        FilterCase{"Accepted", [](FakeWindowSystem::Window&) {}, true, kAllQueries},
        FilterCase{"Invisible", [](FakeWindowSystem::Window& w) { w.visible = false; }, false, {"isVisible"}},
        FilterCase{"EmptyTitle", [](FakeWindowSystem::Window& w) { w.title.clear(); }, false, {"isVisible", "title"}},
        FilterCase{"ToolWindowWithCaption",
                   [](FakeWindowSystem::Window& w) { w.style = {true, true, false}; }, false,
                   {"isVisible", "title", "style"}},
        FilterCase{"ToolWindowEvenWhenAppWindow",
                   [](FakeWindowSystem::Window& w) { w.style = {true, true, true}; }, false,
                   {"isVisible", "title", "style"}},
        FilterCase{"CaptionlessWithoutAppWindow",
                   [](FakeWindowSystem::Window& w) { w.style = {false, false, false}; }, false,
                   {"isVisible", "title", "style"}},
        FilterCase{"CaptionlessAppWindow", [](FakeWindowSystem::Window& w) { w.style = {false, false, true}; },
                   true, kAllQueries},
        FilterCase{"Cloaked", [](FakeWindowSystem::Window& w) { w.cloaked = true; }, false,
                   {"isVisible", "title", "style", "isCloaked"}},
        FilterCase{"ExcludedClass", [](FakeWindowSystem::Window& w) { w.className = "Shell_TrayWnd"; }, false,
                   {"isVisible", "title", "style", "isCloaked", "className"}},
        FilterCase{"ExcludedTitle", [](FakeWindowSystem::Window& w) { w.title = "Program Manager"; }, false,
                   {"isVisible", "title", "style", "isCloaked", "className"}},
        FilterCase{"ClassComparedCaseSensitively", [](FakeWindowSystem::Window& w) { w.className = "progman"; },
                   true, kAllQueries},
        FilterCase{"TitleComparedWhole", [](FakeWindowSystem::Window& w) { w.title = "Program Manager 2"; }, true,
                   kAllQueries},
        FilterCase{"NoRectangle", [](FakeWindowSystem::Window& w) { w.rect.reset(); }, false, kAllQueries},
        FilterCase{"ZeroWidth", [](FakeWindowSystem::Window& w) { w.rect = platform::WindowRect{0, 0, 0, 10}; },
                   false, kAllQueries},
        FilterCase{"NegativeHeight",
                   [](FakeWindowSystem::Window& w) { w.rect = platform::WindowRect{0, 0, 10, -5}; }, false,
                   kAllQueries},
        FilterCase{"MinimizedStillListed", [](FakeWindowSystem::Window& w) { w.minimized = true; }, true,
                   kAllQueries}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WindowFilter, AppliesRulesInOrder) {
  FakeWindowSystem windows;
  auto w = normalWindow(0x42, "Editor");
  GetParam().change(w);
  windows.addWindow(w);
  EXPECT_EQ(WindowEnumerator::isCapturableWindow(windows, 0x42), GetParam().listed);
  EXPECT_EQ(windows.callsFor(0x42), GetParam().queries);
}

class ExcludedNames : public ::testing::TestWithParam<std::pair<bool, std::string>> {};

std::vector<std::pair<bool, std::string>> excludedNames() {
  std::vector<std::pair<bool, std::string>> all;
  for (const char* c : {"Progman", "Shell_TrayWnd", "Shell_SecondaryTrayWnd", "NotifyIconOverflowWindow",
                        "Windows.UI.Core.CoreWindow", "ApplicationFrameWindow", "Xaml_WindowedPopupClass"}) {
    all.emplace_back(true, c);
  }
  for (const char* t : {"Program Manager", "Microsoft Text Input Application"}) all.emplace_back(false, t);
  return all;
}

INSTANTIATE_TEST_SUITE_P(Tables, ExcludedNames, ::testing::ValuesIn(excludedNames()));

TEST_P(ExcludedNames, NeverListed) {
  const auto& [isClass, name] = GetParam();
  FakeWindowSystem windows;
  auto w = normalWindow(7, "Shell");
  (isClass ? w.className : w.title) = name;
  windows.addWindow(w);
  windows.addWindow(normalWindow(8, "Other"));
  const auto list = WindowEnumerator::enumerateWindows(windows);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].id, 8u);
}

// ---- the list

TEST(WindowList, SortsByUtf8BytesUpperCaseFirst) {
  FakeWindowSystem windows;
  windows.addWindow(normalWindow(1, "a"));
  windows.addWindow(normalWindow(2, "\xC3\xA9t\xC3\xA9"));  // "été": bytes above every ASCII letter
  windows.addWindow(normalWindow(3, "B"));
  windows.addWindow(normalWindow(4, "ab"));
  windows.addWindow(normalWindow(5, "Z"));
  Strings titles;
  for (const auto& info : WindowEnumerator::enumerateWindows(windows)) titles.push_back(info.title);
  EXPECT_EQ(titles, (Strings{"B", "Z", "a", "ab", "\xC3\xA9t\xC3\xA9"}));
}

TEST(WindowList, SkipsRejectedWindowsAndKeepsEqualTitles) {
  FakeWindowSystem windows;
  windows.addWindow(normalWindow(1, "Same"));
  auto hidden = normalWindow(2, "Hidden");
  hidden.visible = false;
  windows.addWindow(hidden);
  windows.addWindow(normalWindow(3, "Same"));
  const auto list = WindowEnumerator::enumerateWindows(windows);
  ASSERT_EQ(list.size(), 2u);
  std::vector<std::uint32_t> ids{list[0].id, list[1].id};
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{1, 3}));
}

TEST(WindowList, FillsEveryField) {
  FakeWindowSystem windows;
  auto w = normalWindow(0x1'2345'6789ull, "Editor");  // a handle wider than 32 bits
  w.className = "EditorClass";
  w.rect = platform::WindowRect{-8, 30, 1366, 768};
  w.minimized = true;
  w.maximized = true;
  w.processImagePath = "C:\\Program Files\\Editor\\editor.exe";
  windows.addWindow(w);
  const auto list = WindowEnumerator::enumerateWindows(windows);
  ASSERT_EQ(list.size(), 1u);
  const auto& info = list[0];
  EXPECT_EQ(info.id, 0x23456789u);
  EXPECT_EQ(info.title, "Editor");
  EXPECT_EQ(info.className, "EditorClass");
  EXPECT_EQ(info.processName, "editor.exe");
  EXPECT_EQ(info.x, -8);
  EXPECT_EQ(info.y, 30);
  EXPECT_EQ(info.width, 1366);
  EXPECT_EQ(info.height, 768);
  EXPECT_TRUE(info.isMinimized);
  EXPECT_TRUE(info.isMaximized);
  EXPECT_TRUE(info.isVisible);
  EXPECT_EQ(info.iconBase64, "");
}

struct PathCase {
  std::string path;
  std::string name;
};
class ProcessName : public ::testing::TestWithParam<PathCase> {};
INSTANTIATE_TEST_SUITE_P(Paths, ProcessName,
                         ::testing::Values(PathCase{"/usr/bin/parvalon-testpattern", "parvalon-testpattern"},
                                           PathCase{"C:\\Windows\\notepad.exe", "notepad.exe"},
                                           PathCase{"D:/games\\mixed/app.exe", "app.exe"},
                                           PathCase{"bare.exe", "bare.exe"}, PathCase{"", ""},
                                           PathCase{"/trailing/", ""}));

TEST_P(ProcessName, IsTheLastPathComponent) {
  FakeWindowSystem windows;
  auto w = normalWindow(9, "T");
  w.processImagePath = GetParam().path;
  windows.addWindow(w);
  EXPECT_EQ(WindowEnumerator::getProcessName(windows, 9), GetParam().name);
}

// ---- icons

struct DecodedPng {
  int width = 0, height = 0, channels = 0;
  std::vector<unsigned char> rgba;
};

DecodedPng decodePngBase64(const std::string& text) {
  DecodedPng out;
  const auto bytes = protocol::decodeBase64(text);
  if (!bytes) return out;
  unsigned char* pixels = stbi_load_from_memory(bytes->data(), static_cast<int>(bytes->size()), &out.width,
                                                &out.height, &out.channels, 4);
  if (!pixels) return out;
  out.rgba.assign(pixels, pixels + out.width * out.height * 4);
  stbi_image_free(pixels);
  return out;
}

TEST(WindowIcon, IsAPngOfTheIconOverBlack) {
  FakeWindowSystem windows;
  auto w = normalWindow(5, "Icon");
  // opaque red, half-covered white, transparent green (must become black), quarter blue
  w.icon = platform::IconImage{2, 2, {0xFFFF0000u, 0x80FFFFFFu, 0x0000FF00u, 0x400000FFu}};
  windows.addWindow(w);
  LogCapture log;
  const DecodedPng png = decodePngBase64(WindowEnumerator::getWindowIconBase64(windows, 5));
  ASSERT_EQ(png.width, 2);
  ASSERT_EQ(png.height, 2);
  const std::vector<unsigned char> expected{255, 0, 0, 255,  128, 128, 128, 255,
                                            0,   0, 0, 255,  0,   0,   64,  255};
  EXPECT_EQ(png.rgba, expected);
  EXPECT_EQ(log.lines().size(), 0u);
}

TEST(WindowIcon, NoIconGivesEmptyTextWithoutWarning) {
  FakeWindowSystem windows;
  windows.addWindow(normalWindow(5, "Plain"));
  LogCapture log;
  EXPECT_EQ(WindowEnumerator::getWindowIconBase64(windows, 5), "");
  EXPECT_EQ(log.lines().size(), 0u);
}

TEST(WindowIcon, UnusableIconWarnsAndTheWindowIsStillListed) {
  FakeWindowSystem windows;
  auto w = normalWindow(0xab, "Broken");
  w.icon = platform::IconImage{4, 4, {0xFFFFFFFFu}};  // fewer pixels than its size says
  windows.addWindow(w);
  LogCapture log;
  const auto list = WindowEnumerator::enumerateWindows(windows);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].iconBase64, "");
  EXPECT_TRUE(log.has(LogCapture::kWarn, "getWindowIconBase64: PNG data is empty after encoding for hwnd ab"));
}

// A platform that encodes icons itself (Windows) hands over its PNG; it must reach the list
// byte for byte, and its failed encoding must be reported like ours.
TEST(WindowIcon, PlatformEncodedPngIsPassedThroughAndItsFailureWarns) {
  FakeWindowSystem windows;
  auto encoded = normalWindow(0x10, "Encoded");
  encoded.icon = platform::IconImage{2, 2, {}, {0x89, 'P', 'N', 'G'}};
  windows.addWindow(encoded);
  auto failed = normalWindow(0x11, "Failed");
  failed.icon = platform::IconImage{2, 2, {}, {}};
  windows.addWindow(failed);
  LogCapture log;
  EXPECT_EQ(WindowEnumerator::getWindowIconBase64(windows, 0x10), "iVBORw==");
  EXPECT_EQ(log.lines().size(), 0u);
  EXPECT_EQ(WindowEnumerator::getWindowIconBase64(windows, 0x11), "");
  EXPECT_TRUE(log.has(LogCapture::kWarn, "getWindowIconBase64: PNG data is empty after encoding for hwnd 11"));
}

}  // namespace
}  // namespace parvalon::host
