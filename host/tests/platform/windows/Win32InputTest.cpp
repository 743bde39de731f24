// Synthetic input through SendInput and the foreground sequence on a real (wine) desktop: the
// injector with the Win32 sink and window system types and clicks into a recorder window that
// pumps its messages on a thread of its own, as another program would.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <memory>
#include <vector>

#include "InputRecorderWindow.h"
#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"
#include "input/FocusManager.h"
#include "input/InputInjector.h"
#include "platform/InputSink.h"
#include "platform/VirtualDesk.h"
#include "platform/WindowSystem.h"
#include "platform/windows/Win32InputSink.h"

namespace parvalon::host {
namespace {

using test::InputRecorderWindow;
using Event = InputRecorderWindow::Event;
using testing::LogCapture;

// The window manager answers a raise or an activation on its own time; on a loaded machine that
// can take seconds (the waits end as soon as the state shows).
constexpr std::chrono::milliseconds kDesktopLimit{20000};
constexpr std::chrono::milliseconds kSettleTime{300};

std::shared_ptr<platform::WindowSystem> windowSystem() {
  static const std::shared_ptr<platform::WindowSystem> shared = platform::WindowSystem::create();
  return shared;
}

// The desktop truncates a coordinate to a pixel (× extent / 65536; some versions divide by
// 65535): every pixel of common desktop widths, rounded to a coordinate by the injector, must come
// back as itself under either division.
TEST(Win32InputSinkCoordinates, EveryPixelSurvivesTheDesktopsTruncation) {
  using platform::win32::Win32InputSink;
  EXPECT_EQ(Win32InputSink::exactAbsolute(9557, 1920), 9558);  // pixel 280, which 9557 misses
  EXPECT_EQ(Win32InputSink::exactAbsolute(0, 1920), 0);
  EXPECT_EQ(Win32InputSink::exactAbsolute(65535, 1920), 65502);  // the last pixel, 1919
  for (const std::int64_t extent : {640, 1080, 1920, 2560, 3840, 7680}) {
    int wrong = 0;
    for (std::int64_t pixel = 0; pixel < extent; ++pixel) {
      const auto value = static_cast<std::int32_t>(platform::toVirtualDesk(pixel, extent));
      const std::int64_t exact = Win32InputSink::exactAbsolute(value, static_cast<std::int32_t>(extent));
      if (exact * extent / 65536 != pixel || exact * extent / 65535 != pixel) ++wrong;
    }
    EXPECT_EQ(wrong, 0) << "desktop extent " << extent;
  }
}

class Win32InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    injector_.initialize(InjectorConfig{});
    focus_.initialize(FocusConfig{10, 10, false});
  }
  void TearDown() override { injector_.releaseHeldInput(); }

  // Waits until the window shows at its size and is the foreground window.
  void bringToFront(const InputRecorderWindow& window) {
    ASSERT_NE(window.hwnd(), nullptr);
    ASSERT_TRUE(testing::waitUntil([&] { return IsWindowVisible(window.hwnd()); }, kDesktopLimit));
    ASSERT_TRUE(testing::waitUntil([&] { return focus_.focusWindow(window.handle()).success; }, kDesktopLimit));
    ASSERT_TRUE(testing::waitUntil([&] { return GetForegroundWindow() == window.hwnd(); }, kDesktopLimit));
    // The window manager places a new window when it maps it, a moment after it shows: positions
    // are read once the rectangle has stayed put for a while.
    RECT last{};
    auto since = std::chrono::steady_clock::now();
    ASSERT_TRUE(testing::waitUntil(
        [&] {
          RECT now{};
          GetWindowRect(window.hwnd(), &now);
          if (!EqualRect(&now, &last)) {
            last = now;
            since = std::chrono::steady_clock::now();
          }
          return std::chrono::steady_clock::now() - since >= kSettleTime;
        },
        kDesktopLimit));
  }
  // The event fraction (0..65535 of the client area, which the GDI capture streams) whose pixel
  // is the client pixel (cx, cy).
  std::pair<std::uint16_t, std::uint16_t> fractionOf(const InputRecorderWindow& window, int cx, int cy) {
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    // The smallest fraction f with (extent × f + extent / 2) / 65535 reaching the offset.
    const auto fraction = [](std::int64_t offset, std::int64_t extent) {
      const std::int64_t numerator = offset * 65535 - extent / 2;
      return static_cast<std::uint16_t>(numerator <= 0 ? 0 : (numerator + extent - 1) / extent);
    };
    return {fraction(cx, client.right - client.left), fraction(cy, client.bottom - client.top)};
  }
  void click(std::uint16_t x, std::uint16_t y, InputOrigin origin = {}) {
    injector_.processInputPacket(InputPacket{InputInjector::kTypeMouse, InputInjector::kActionButtonDown, x, y}, origin);
    injector_.processInputPacket(InputPacket{InputInjector::kTypeMouse, InputInjector::kActionButtonUp, x, y}, origin);
  }

  LogCapture log_;
  std::shared_ptr<platform::InputSink> sink_ = platform::InputSink::create();
  InputInjector injector_{windowSystem(), sink_};
  FocusManager focus_{windowSystem()};
};

// The stream is the client area (GDI copies nothing else): a quarter of it is client (160, 120)
// of a 640 × 480 window, borderless or framed, through the desktop pixel, the virtual-desk
// coordinate and back without a pixel lost. Fractions of the framed window's outer rectangle
// would land the frame's share off.
TEST_F(Win32InputTest, ClickAtAQuarterOfTheStreamLandsOnTheExactClientPixel) {
  for (const DWORD style : {DWORD{WS_POPUP}, DWORD{WS_OVERLAPPEDWINDOW}}) {
    SCOPED_TRACE(style == WS_POPUP ? "borderless" : "framed");
    InputRecorderWindow recorder(style == WS_POPUP ? L"ParvalonInputPopup" : L"ParvalonInputQuarter", style, 640, 480);
    bringToFront(recorder);
    injector_.setTargetWindow(recorder.handle());
    click(16384, 16384);
    ASSERT_TRUE(testing::waitUntil([&] { return recorder.events(WM_LBUTTONUP).size() == 1; }, kDesktopLimit));
    EXPECT_EQ(recorder.events(WM_LBUTTONDOWN), (std::vector<Event>{{WM_LBUTTONDOWN, 160, 120}}));
    EXPECT_EQ(recorder.events(WM_LBUTTONUP), (std::vector<Event>{{WM_LBUTTONUP, 160, 120}}));
  }
  EXPECT_FALSE(log_.contains("Click target mismatch"));
}

// A framed window: fractions of the streamed client area reach client pixels exactly, and a
// press on a child control belongs to its top-level window, so click verification stays quiet.
TEST_F(Win32InputTest, ClicksReachClientPixelsOfAFramedWindowAndItsChild) {
  InputRecorderWindow recorder(L"ParvalonInputFramed", WS_OVERLAPPEDWINDOW, 640, 480, true);
  bringToFront(recorder);
  injector_.setTargetWindow(recorder.handle());
  std::vector<std::pair<int, int>> mismatches;
  injector_.setClickMismatchCallback([&](platform::WindowHandle, platform::WindowHandle) { mismatches.emplace_back(); });
  const auto [x1, y1] = fractionOf(recorder, 200, 150);
  click(x1, y1);
  const auto [x2, y2] = fractionOf(recorder, 480, 300);  // on the child control
  click(x2, y2);
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.events(WM_LBUTTONUP).size() == 2; }, kDesktopLimit));
  EXPECT_EQ(recorder.events(WM_LBUTTONDOWN),
            (std::vector<Event>{{WM_LBUTTONDOWN, 200, 150}, {WM_LBUTTONDOWN, 480, 300}}));
  EXPECT_TRUE(mismatches.empty());
  EXPECT_FALSE(log_.contains("Click target mismatch"));
}

// Characters go one UTF-16 unit at a time; the pair of an emoji arrives as two WM_CHAR in order.
TEST_F(Win32InputTest, TypedCharactersArriveAsTheirUtf16Units) {
  InputRecorderWindow recorder(L"ParvalonInputTyping", WS_OVERLAPPEDWINDOW, 640, 480);
  bringToFront(recorder);
  const std::vector<std::uint16_t> units = {0x0048, 0x00E9, 0x20AC, 0xD83D, 0xDE00};  // "Hé€😀"
  for (const std::uint16_t unit : units) injector_.typeCharacter(unit);
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.events(WM_CHAR).size() >= units.size(); }, kDesktopLimit));
  std::vector<std::uint32_t> received;
  for (const Event& e : recorder.events(WM_CHAR)) received.push_back(e.code);
  EXPECT_EQ(received, (std::vector<std::uint32_t>{0x0048, 0x00E9, 0x20AC, 0xD83D, 0xDE00}));
}

// What a connection holds goes up when it ends: the key, the modifier synchronised for it and
// the mouse button reach the window as released.
TEST_F(Win32InputTest, HeldKeysAndButtonsGoUpWhenTheirConnectionEnds) {
  InputRecorderWindow recorder(L"ParvalonInputHeld", WS_OVERLAPPEDWINDOW, 640, 480);
  bringToFront(recorder);
  injector_.setTargetWindow(recorder.handle());
  const InputOrigin connection{7, 1};
  injector_.processInputPacket(InputPacket{InputInjector::kTypeMouse, InputInjector::kActionMove, 32768, 32768});
  injector_.mouseButton(0, true, connection);
  injector_.keyEvent('A', true, InputInjector::kModifierShift, connection);
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.events(WM_KEYDOWN).size() >= 2; }, kDesktopLimit));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.events(WM_LBUTTONDOWN).size() == 1; }, kDesktopLimit));
  std::vector<std::uint32_t> downs;
  for (const Event& e : recorder.events(WM_KEYDOWN)) downs.push_back(e.code);
  EXPECT_EQ(downs, (std::vector<std::uint32_t>{VK_SHIFT, 'A'}));

  injector_.releaseHeldInput(connection.source);
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.events(WM_KEYUP).size() >= 2; }, kDesktopLimit));
  ASSERT_TRUE(testing::waitUntil([&] { return recorder.events(WM_LBUTTONUP).size() == 1; }, kDesktopLimit));
  std::vector<std::uint32_t> ups;
  for (const Event& e : recorder.events(WM_KEYUP)) ups.push_back(e.code);
  EXPECT_EQ(ups, (std::vector<std::uint32_t>{'A', VK_SHIFT}));
  EXPECT_EQ(log_.count(LogCapture::kInfo, "Released 2 keys and 1 buttons left held"), 1u);
}

// The foreground sequence with the Win32 calls: a window behind another comes to the front by
// the main step, a minimized one is restored; the attach step's calls reach the window's thread.
TEST_F(Win32InputTest, FocusBringsWindowsToTheFrontWithTheWin32Calls) {
  InputRecorderWindow first(L"ParvalonFocusFirst", WS_OVERLAPPEDWINDOW, 320, 200);
  InputRecorderWindow second(L"ParvalonFocusSecond", WS_OVERLAPPEDWINDOW, 320, 200);
  bringToFront(second);
  FocusResult result;
  ASSERT_TRUE(testing::waitUntil([&] { return (result = focus_.focusWindow(first.handle())).success; }, kDesktopLimit));
  EXPECT_EQ(GetForegroundWindow(), first.hwnd());

  ShowWindow(first.hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(testing::waitUntil([&] { return IsIconic(first.hwnd()) != FALSE; }, kDesktopLimit));
  EXPECT_FALSE(focus_.isForeground(first.handle()));
  ASSERT_TRUE(testing::waitUntil([&] { return (result = focus_.focusWindow(first.handle())).success; }, kDesktopLimit));
  EXPECT_FALSE(IsIconic(first.hwnd()));
  EXPECT_EQ(GetForegroundWindow(), first.hwnd());

  platform::WindowSystem& windows = *windowSystem();
  EXPECT_EQ(windows.windowThreadId(second.handle()), second.threadId());
  EXPECT_EQ(windows.currentThreadId(), GetCurrentThreadId());
  ASSERT_TRUE(windows.attachThreadInput(windows.currentThreadId(), second.threadId(), true));
  EXPECT_TRUE(windows.setFocus(second.handle()));
  EXPECT_TRUE(windows.setActiveWindow(second.handle()));
  EXPECT_TRUE(windows.attachThreadInput(windows.currentThreadId(), second.threadId(), false));
  // A thread that does not exist cannot be attached, and the reason is kept.
  EXPECT_FALSE(windows.attachThreadInput(windows.currentThreadId(), 0, true));
  EXPECT_NE(windows.lastError(), 0u);
}

// A destroyed window is refused with code 6 and nothing else is tried.
TEST_F(Win32InputTest, FocusOfADestroyedWindowFailsWithCodeSix) {
  std::uint64_t gone = 0;
  {
    InputRecorderWindow recorder(L"ParvalonFocusGone", WS_OVERLAPPEDWINDOW, 320, 200);
    gone = recorder.handle();
  }
  EXPECT_EQ(focus_.focusWindow(gone), (FocusResult{false, 0, 6}));
  EXPECT_TRUE(log_.contains("focusWindow called with invalid hwnd"));
}

}  // namespace
}  // namespace parvalon::host
