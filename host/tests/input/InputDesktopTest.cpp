// XTest injection and the X11 window operations on the virtual desktop, checked against the
// test pattern's input log.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "LoggedPattern.h"
#include "support/TestPatternProcess.h"
#include "fakes/LogCapture.h"
#include "fakes/ScopedKeyboardLayout.h"
#include "input/FocusManager.h"
#include "input/InputInjector.h"
#include "platform/InputSink.h"
#include "platform/WindowSystem.h"
#include "platform/linux/XTestInputSink.h"

namespace parvalon::host {
namespace {

using host::testing::TestPatternProcess;
using host::testing::waitFor;
using nlohmann::json;

// Keycodes whose first keysym is `keysym` in the server's keymap now, lowest first.
std::vector<int> keycodesWithKeysym(std::uint32_t keysym) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const xcb_setup_t* setup = xcb_get_setup(c);
  const int count = setup->max_keycode - setup->min_keycode + 1;
  auto* reply = xcb_get_keyboard_mapping_reply(
      c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<std::uint8_t>(count)), nullptr);
  std::vector<int> found;
  if (reply) {
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
    for (int k = 0; k < count; ++k) {
      if (syms[k * reply->keysyms_per_keycode] == keysym) found.push_back(setup->min_keycode + k);
    }
    std::free(reply);
  }
  xcb_disconnect(c);
  return found;
}

// Asks the window manager to maximise a window or restore it (EWMH _NET_WM_STATE on both axes).
void requestMaximized(platform::WindowHandle window, bool maximized) {
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  auto atom = [c](const char* name) {
    xcb_atom_t value = XCB_ATOM_NONE;
    if (auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
                                            nullptr)) {
      value = reply->atom;
      std::free(reply);
    }
    return value;
  };
  constexpr std::uint32_t kRemove = 0, kAdd = 1, kSourceApplication = 1;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window);
  message.type = atom("_NET_WM_STATE");
  message.data.data32[0] = maximized ? kAdd : kRemove;
  message.data.data32[1] = atom("_NET_WM_STATE_MAXIMIZED_VERT");
  message.data.data32[2] = atom("_NET_WM_STATE_MAXIMIZED_HORZ");
  message.data.data32[3] = kSourceApplication;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const auto sent = xcb_send_event_checked(c, 0, root,
                                          XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                                          reinterpret_cast<const char*>(&message));
  xcb_generic_error_t* error = xcb_request_check(c, sent);
  EXPECT_EQ(error, nullptr) << "the state request was refused";
  std::free(error);
  xcb_disconnect(c);
}

// Each keymap change (the German layout, a spare keycode remapped or given back) makes the
// window manager grab its keys again; on a loaded machine it then takes seconds to manage a new
// window or restore one, so window-manager waits get a longer bound here.
constexpr std::chrono::milliseconds kWindowManagerLimit{30000};

class InputDesktopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs the virtual desktop";
    injector_.initialize(InjectorConfig{});
    focus_.initialize(FocusConfig{10, 10, false});
  }
  void TearDown() override { injector_.releaseHeldInput(); }

  std::unique_ptr<LoggedPattern> start(const std::string& name, std::vector<std::string> args) {
    auto pattern = std::make_unique<LoggedPattern>(name, std::move(args));
    EXPECT_TRUE(host::testing::waitUntilManaged(*windows_, pattern->window(), kWindowManagerLimit));
    return pattern;
  }
  // The window in front with the pointer over it, as a user would type into it.
  void focusForTyping(const LoggedPattern& pattern) {
    ASSERT_TRUE(focus_.focusWindow(pattern.window()).success);
    injector_.setTargetWindow(pattern.window());
    injector_.mouseMove(32768, 32768);
  }
  void type(const std::u32string& text) {
    for (char16_t unit : utf16(text)) injector_.typeCharacter(unit);
  }

  host::testing::LogCapture log_;
  std::shared_ptr<platform::WindowSystem> windows_ = platform::WindowSystem::create();
  std::shared_ptr<platform::InputSink> sink_ = platform::InputSink::create();
  InputInjector injector_{windows_, sink_};
  FocusManager focus_{windows_};
};

TEST_F(InputDesktopTest, VirtualScreenIsTheRootWindow) {
  const platform::WindowRect desk = windows_->virtualScreen();
  EXPECT_EQ(desk.width, 1920);
  EXPECT_EQ(desk.height, 1080);
  EXPECT_TRUE(log_.has(host::testing::LogCapture::kInfo, "Virtual screen: 1920x1080 at (0,0)"));
}

TEST_F(InputDesktopTest, ClickArrivesAtTheWindowPixel) {
  auto pattern = start("click", {"--x", "210", "--y", "130", "--width", "802", "--height", "601", "--static"});
  ASSERT_TRUE(focus_.focusWindow(pattern->window()).success);
  injector_.setTargetWindow(pattern->window());
  const auto rect = windows_->windowRect(pattern->window());
  ASSERT_TRUE(rect);
  // Normalised (0.25, 0.75) of the window.
  const std::uint16_t x = 16384, y = 49151;
  injector_.processInputPacket(InputPacket{.type = 1, .action = 2, .x = x, .y = y, .code = 0});
  injector_.processInputPacket(InputPacket{.type = 1, .action = 3, .x = x, .y = y, .code = 0});
  const std::int64_t ex = (std::int64_t{rect->width} * x + rect->width / 2) / 65535;
  const std::int64_t ey = (std::int64_t{rect->height} * y + rect->height / 2) / 65535;
  ASSERT_TRUE(waitFor([&] { return pattern->of("button").size() >= 2; }));
  const auto presses = pattern->of("button");
  EXPECT_EQ(pattern->buttons(), "1+ 1-");
  EXPECT_EQ(presses[0].value("x", -1), ex);
  EXPECT_EQ(presses[0].value("y", -1), ey);
  EXPECT_FALSE(log_.contains("Click target mismatch"));
}

TEST_F(InputDesktopTest, EveryButtonAndTheWheelArrive) {
  auto pattern = start("buttons", {"--x", "100", "--y", "100", "--static"});
  ASSERT_TRUE(focus_.focusWindow(pattern->window()).success);
  injector_.setTargetWindow(pattern->window());
  injector_.mouseMove(30000, 30000);
  for (std::uint8_t code : {1, 2, 3, 4}) {
    injector_.mouseButton(code, true);
    injector_.mouseButton(code, false);
  }
  injector_.mouseWheel(120);
  injector_.mouseWheel(-240);
  injector_.mouseWheel(60);  // half a notch: nothing yet
  injector_.mouseWheel(60);  // the other half: one notch up
  const std::string expected = "3+ 3- 2+ 2- 8+ 8- 9+ 9- 4+ 4- 5+ 5- 5+ 5- 4+ 4-";
  EXPECT_TRUE(waitFor([&] { return pattern->buttons() == expected; })) << pattern->buttons();
}

TEST_F(InputDesktopTest, TypedCharactersArriveExactly) {
  auto pattern = start("type", {"--x", "100", "--y", "100", "--static"});
  focusForTyping(*pattern);
  const std::string expected = "Hello, é€ 😀";
  type(U"Hello, é€ 😀");
  EXPECT_TRUE(waitFor([&] { return pattern->text() == expected; })) << pattern->text();
}

TEST_F(InputDesktopTest, TypedCharactersAndKeysArriveWithAGermanLayout) {
  const testing::ScopedKeyboardLayout german("de");
  ASSERT_TRUE(german.loaded());
  auto pattern = start("german", {"--x", "100", "--y", "100", "--static"});
  focusForTyping(*pattern);
  type(U"Hello, é€ 😀 yz@");
  // Keys keep their US meaning: Z is z, Shift+2 is @ — neither is where a German keyboard has it.
  for (std::uint8_t vk : {0x5A, 0x59}) {
    injector_.keyEvent(vk, true, 0);
    injector_.keyEvent(vk, false, 0);
  }
  injector_.keyEvent(0xBA, true, 0);  // VK_OEM_1: ';' on a US keyboard, a shifted key in German
  injector_.keyEvent(0xBA, false, 0);
  const std::string expected = "Hello, é€ 😀 yz@zy;";
  EXPECT_TRUE(waitFor([&] { return pattern->text() == expected; })) << pattern->text();
}

TEST_F(InputDesktopTest, ShiftAArrivesAsCapitalA) {
  auto pattern = start("shift", {"--x", "100", "--y", "100", "--static"});
  focusForTyping(*pattern);
  injector_.keyEvent(0x41, true, 0x01);
  injector_.keyEvent(0x41, false, 0x00);
  injector_.keyEvent(0x41, true, 0x00);
  injector_.keyEvent(0x41, false, 0x00);
  EXPECT_TRUE(waitFor([&] { return pattern->text() == "Aa"; })) << pattern->text();
}

TEST_F(InputDesktopTest, TwoHundredCharactersArriveInOrder) {
  auto pattern = start("burst", {"--x", "100", "--y", "100", "--static"});
  focusForTyping(*pattern);
  // Text as a person types it: mostly letters, some punctuation and characters no US key has.
  const std::u32string sentence = U"Grüße aus Köln, señor! Le café coûte 3,50 € — naïve Ångström? ";
  std::u32string text;
  while (text.size() < 200) text += sentence;
  text.resize(200);
  type(text);
  std::string expected;
  for (char32_t c : text) {
    // UTF-8 of the character, as the pattern logs it.
    if (c < 0x80) {
      expected.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      expected.push_back(static_cast<char>(0xC0 | (c >> 6)));
      expected.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {  // all of the sentence is in the basic multilingual plane
      expected.push_back(static_cast<char>(0xE0 | (c >> 12)));
      expected.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      expected.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  EXPECT_TRUE(waitFor([&] { return pattern->text() == expected; }, std::chrono::milliseconds(10000)))
      << pattern->text();
}

TEST_F(InputDesktopTest, ReleaseHeldInputLetsGoOfKeysButtonsAndSpareKeycodes) {
  auto pattern = start("release", {"--x", "100", "--y", "100", "--static"});
  focusForTyping(*pattern);
  type(U"é");
  injector_.keyEvent(0x41, true, 0x01);  // Shift + A held
  injector_.mouseButton(0, true);        // left button held
  ASSERT_TRUE(waitFor([&] { return pattern->buttons() == "1+"; }));
  EXPECT_EQ(keycodesWithKeysym(0xE9).size(), 1u);  // é still has its spare keycode
  injector_.releaseHeldInput();
  EXPECT_TRUE(waitFor([&] { return pattern->buttons() == "1+ 1-"; })) << pattern->buttons();
  EXPECT_TRUE(waitFor([&] {
    int shiftReleases = 0, aReleases = 0;
    for (const auto& k : pattern->of("key")) {
      if (k.value("pressed", true)) continue;
      const auto keysym = k.value("keysym", 0u);
      if (keysym == 0xFFE1) ++shiftReleases;                // Shift_L
      if (keysym == 'a' || keysym == 'A') ++aReleases;
    }
    return shiftReleases == 1 && aReleases == 1;
  }));
  EXPECT_TRUE(waitFor([] { return keycodesWithKeysym(0xE9).empty(); }));  // given back
}

// Typing "a" maps a spare keycode to `a`. The virtual key A still presses the layout's own
// key (programs that read keycodes see the real key), and its repeats and release after the
// spare's hold time still carry the keysym.
TEST_F(InputDesktopTest, VirtualKeyUsesTheLayoutsKeycodeAfterTheCharacterWasTyped) {
  auto pattern = start("vkspare", {"--x", "100", "--y", "100", "--static"});
  focusForTyping(*pattern);
  const std::vector<int> layout = keycodesWithKeysym('a');
  ASSERT_EQ(layout.size(), 1u);
  type(U"a");
  ASSERT_TRUE(waitFor([&] { return pattern->text() == "a"; })) << pattern->text();
  ASSERT_EQ(keycodesWithKeysym('a').size(), 2u);  // a spare typed it and is still mapped
  const std::size_t typedKeys = pattern->of("key").size();
  injector_.keyEvent(0x41, true, 0);
  // Held past the time an idle spare stays mapped; the next input gives idle spares back.
  std::this_thread::sleep_for(platform::linux_x11::XTestInputSink::kSpareKeyHold + std::chrono::milliseconds(300));
  injector_.mouseMove(32768, 32768);
  injector_.keyEvent(0x41, false, 0);
  // The server repeats a held key: every press until the release is the same key.
  ASSERT_TRUE(waitFor([&] {
    const auto keys = pattern->of("key");
    return keys.size() >= typedKeys + 2 && !keys.back().value("pressed", true);
  }));
  const auto keys = pattern->of("key");
  for (std::size_t i = typedKeys; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].value("keycode", 0), layout[0]) << keys[i].dump();
    EXPECT_EQ(keys[i].value("keysym", 0u), std::uint32_t{'a'}) << keys[i].dump();
  }
  EXPECT_TRUE(keys[typedKeys].value("pressed", false));
}

TEST_F(InputDesktopTest, CoveredWindowIsActivatedAndTheClickLandsOnIt) {
  auto below = start("below", {"--x", "300", "--y", "200", "--width", "600", "--height", "400", "--static"});
  auto cover = start("cover", {"--x", "250", "--y", "150", "--width", "700", "--height", "500", "--blank"});
  ASSERT_TRUE(focus_.focusWindow(cover->window()).success);
  const auto rect = windows_->windowRect(below->window());
  ASSERT_TRUE(rect);
  const std::int32_t cx = rect->x + rect->width / 2, cy = rect->y + rect->height / 2;
  EXPECT_EQ(windows_->rootAncestor(windows_->windowFromPoint(cx, cy)), cover->window());

  const FocusResult result = focus_.focusWindow(below->window());
  EXPECT_TRUE(result.success);
  EXPECT_EQ(windows_->foregroundWindow(), below->window());
  EXPECT_TRUE(waitFor([&] { return windows_->rootAncestor(windows_->windowFromPoint(cx, cy)) == below->window(); }));

  injector_.setTargetWindow(below->window());
  injector_.processInputPacket(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 32768, .code = 0});
  injector_.processInputPacket(InputPacket{.type = 1, .action = 3, .x = 32768, .y = 32768, .code = 0});
  EXPECT_TRUE(waitFor([&] { return below->buttons() == "1+ 1-"; })) << below->buttons();
  EXPECT_EQ(cover->buttons(), "");
}

TEST_F(InputDesktopTest, ClickOnACoveredPointIsReportedAsAMismatch) {
  auto below = start("mbelow", {"--x", "300", "--y", "200", "--width", "600", "--height", "400", "--static"});
  auto cover = start("mcover", {"--x", "250", "--y", "150", "--width", "700", "--height", "500", "--blank"});
  ASSERT_TRUE(focus_.focusWindow(cover->window()).success);
  std::vector<std::pair<platform::WindowHandle, platform::WindowHandle>> reports;
  injector_.setClickMismatchCallback([&](platform::WindowHandle a, platform::WindowHandle b) { reports.emplace_back(a, b); });
  injector_.setTargetWindow(below->window());
  injector_.processInputPacket(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 32768, .code = 0});
  injector_.processInputPacket(InputPacket{.type = 1, .action = 3, .x = 32768, .y = 32768, .code = 0});
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].first, below->window());
  EXPECT_EQ(windows_->rootAncestor(reports[0].second), cover->window());
  EXPECT_TRUE(log_.contains(fmt::format("Click target mismatch: intended {:x}, actual {:x}", below->window(),
                                        reports[0].second)));
  EXPECT_TRUE(waitFor([&] { return cover->buttons() == "1+ 1-"; })) << cover->buttons();  // injected anyway
}

TEST_F(InputDesktopTest, MinimizedWindowIsRestoredToTheFront) {
  auto pattern = start("minimized", {"--x", "100", "--y", "100", "--static"});
  ASSERT_EQ(std::system(("xdotool windowminimize --sync " + pattern->process->hexId()).c_str()), 0);
  ASSERT_TRUE(waitFor([&] { return windows_->isMinimized(pattern->window()); }, kWindowManagerLimit));
  const FocusResult result = focus_.focusWindow(pattern->window());
  EXPECT_TRUE(result.success);
  EXPECT_TRUE(waitFor([&] { return !windows_->isMinimized(pattern->window()); }, kWindowManagerLimit));
  EXPECT_EQ(windows_->foregroundWindow(), pattern->window());
}

TEST_F(InputDesktopTest, ResizeHonoursTheMinimumSize) {
  auto limited = start("minsize", {"--x", "100", "--y", "100", "--width", "1000", "--height", "750", "--min-width",
                                   "900", "--min-height", "700", "--static"});
  EXPECT_EQ(windows_->minimumSize(limited->window()).width, 900);
  EXPECT_TRUE(injector_.resizeWindow(limited->window(), 640, 480, true));
  EXPECT_TRUE(waitFor([&] {
    const auto r = windows_->clientRect(limited->window());
    return r && r->width == 900 && r->height == 700;
  }));
  EXPECT_TRUE(log_.has(host::testing::LogCapture::kInfo, "Window resized to 900x700 (client: 640x480)"));

  EXPECT_TRUE(injector_.resizeWindow(limited->window(), 1100, 800, true));
  EXPECT_TRUE(waitFor([&] {
    const auto r = windows_->clientRect(limited->window());
    return r && r->width == 1100 && r->height == 800;
  }));
  EXPECT_FALSE(injector_.resizeWindow(0x7fffff0, 640, 480, true));
}

// The window manager keeps a maximised window at the size of the screen whatever a resize asks:
// the resize must not be reported as done. Restored, the same window resizes again.
TEST_F(InputDesktopTest, ResizeOfAMaximisedWindowThatKeepsItsSizeFails) {
  auto pattern = start("maximised", {"--x", "100", "--y", "100", "--width", "700", "--height", "500", "--static"});
  const platform::WindowHandle window = pattern->window();
  requestMaximized(window, true);
  // The manager may show the maximised state before its final size: wait for a size that holds.
  std::optional<platform::WindowRect> maximised;
  auto heldSince = std::chrono::steady_clock::now();
  ASSERT_TRUE(waitFor([&] {
    const auto rect = windows_->windowRect(window);
    const auto now = std::chrono::steady_clock::now();
    if (rect != maximised) {
      maximised = rect;
      heldSince = now;
    }
    return windows_->isMaximized(window) && maximised && maximised->width > 700 && maximised->height > 500 &&
           now - heldSince >= std::chrono::milliseconds(300);
  }, kWindowManagerLimit));

  EXPECT_FALSE(injector_.resizeWindow(window, 640, 480, true));
  EXPECT_TRUE(log_.has(host::testing::LogCapture::kError,
                       fmt::format("Window {:x} stayed {}x{} instead of 640x480", window, maximised->width,
                                   maximised->height)));
  EXPECT_FALSE(log_.contains("Window resized to 640x480"));
  const auto after = windows_->windowRect(window);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->width, maximised->width);

  requestMaximized(window, false);
  ASSERT_TRUE(waitFor([&] { return !windows_->isMaximized(window); }, kWindowManagerLimit));
  EXPECT_TRUE(injector_.resizeWindow(window, 640, 480, true));
  EXPECT_TRUE(log_.has(host::testing::LogCapture::kInfo, "Window resized to 640x480 (client: 640x480)"));
  const auto restored = windows_->clientRect(window);
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->width, 640);
  EXPECT_EQ(restored->height, 480);
}

}  // namespace
}  // namespace parvalon::host
