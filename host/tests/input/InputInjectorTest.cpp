#include "input/InputInjector.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "fakes/FakeInputSink.h"
#include "fakes/FakeWindowSystem.h"
#include "fakes/LogCapture.h"
#include "input/FocusManager.h"

namespace parvalon::host {
namespace platform {
// Readable records in failure messages.
void PrintTo(const InputRecord& r, std::ostream* os) {
  if (r.type == InputRecord::Type::Mouse) {
    *os << "mouse{" << r.dx << "," << r.dy << ",data " << r.mouseData << ",flags 0x" << std::hex << r.mouseFlags << "}";
  } else {
    *os << "key{vk 0x" << std::hex << r.virtualKey << ",scan 0x" << r.scanCode << ",flags 0x" << r.keyFlags << "}";
  }
}
}  // namespace platform
namespace {

using platform::InputRecord;
using Records = std::vector<InputRecord>;

constexpr platform::WindowHandle kTarget = 0x1a2b;
constexpr platform::WindowHandle kOther = 0x3c4d;

InputRecord move(std::int32_t dx, std::int32_t dy) { return InputRecord::mouse(dx, dy, 0, 0xC001); }
InputRecord key(std::uint16_t vk, std::uint16_t scan, std::uint32_t flags) { return InputRecord::key(vk, scan, flags); }

class InputInjectorTest : public ::testing::Test {
 protected:
  InputInjectorTest() {
    windows_->addWindow({.handle = kTarget, .rect = platform::WindowRect{100, 50, 1280, 720}});
    injector_.initialize(InjectorConfig{});
  }

  testing::LogCapture log_;
  std::shared_ptr<fakes::FakeWindowSystem> windows_ = std::make_shared<fakes::FakeWindowSystem>();
  std::shared_ptr<fakes::FakeInputSink> sink_ = std::make_shared<fakes::FakeInputSink>();
  InputInjector injector_{windows_, sink_};
};

TEST_F(InputInjectorTest, InitializeLogsConfigurationAndScreen) {
  EXPECT_TRUE(log_.has(testing::LogCapture::kInfo, "Input injector initialized (absolute mode: true, verify clicks: true)"));
  EXPECT_TRUE(log_.has(testing::LogCapture::kInfo, "Virtual screen: 1920x1080 at (0,0)"));
}

// The worked example: window (100,50)–(1380,770) on a 1920 × 1080 desktop.
TEST_F(InputInjectorTest, MapsWindowFractionToDesktopPixelAndVirtualDesk) {
  injector_.setTargetWindow(kTarget);
  EXPECT_EQ(injector_.windowToScreen(32768, 65535), (std::pair<std::int32_t, std::int32_t>{740, 770}));
  sink_->clear();
  injector_.mouseMove(32768, 65535);
  // (740 × 65535 + 960) / 1920 and (770 × 65535 + 540) / 1080, truncated.
  EXPECT_EQ(sink_->batches(), std::vector<Records>{{move(25258, 46724)}});
}

// Where the capture shows only part of the window (the client area, under Windows' GDI capture),
// fractions are of that part: a quarter of the stream is a quarter of the client area.
TEST_F(InputInjectorTest, FractionsAreOfThePartTheCaptureShows) {
  windows_->addWindow({.handle = kOther,
                       .rect = platform::WindowRect{100, 50, 1280, 720},
                       .shownRect = platform::WindowRect{108, 81, 1264, 681}});
  injector_.setTargetWindow(kOther);
  // (1264 × 16384 + 632) / 65535 + 108 and (681 × 16384 + 340) / 65535 + 81; over the whole
  // window it would be (420, 230).
  EXPECT_EQ(injector_.windowToScreen(16384, 16384), (std::pair<std::int32_t, std::int32_t>{424, 251}));
}

TEST_F(InputInjectorTest, DesktopPositionsOutsideTheScreenClamp) {
  EXPECT_EQ(injector_.screenToNormalized(-1, -500), (std::pair<std::int32_t, std::int32_t>{0, 0}));
  EXPECT_EQ(injector_.screenToNormalized(1920, 5000), (std::pair<std::int32_t, std::int32_t>{65535, 65535}));
  injector_.mouseButtonAt(-40, 2000, 0, true);
  EXPECT_EQ(sink_->records().front(), move(0, 65535));
}

TEST_F(InputInjectorTest, InvalidMetricsPassPositionsThrough) {
  windows_->setVirtualScreen({0, 0, 0, 1080});
  injector_.updateScreenMetrics();
  injector_.mouseMove(1234, 54321);  // no target window
  EXPECT_EQ(sink_->batches(), std::vector<Records>{{move(1234, 54321)}});
  EXPECT_EQ(injector_.normalizedToScreen(7, 9), (std::pair<std::int32_t, std::int32_t>{7, 9}));
}

TEST_F(InputInjectorTest, WithoutTargetAMoveCarriesTheFractionAsGiven) {
  injector_.mouseMove(100, 200);
  EXPECT_EQ(sink_->batches(), std::vector<Records>{{move(100, 200)}});
}

TEST_F(InputInjectorTest, UpdatedMetricsChangeTheMapping) {
  windows_->setVirtualScreen({-1920, 0, 3840, 1080});
  injector_.updateScreenMetrics();
  // Pixel 0 is the middle of a desktop that starts at -1920: (1920 × 65535 + 1920) / 3840.
  EXPECT_EQ(injector_.screenToNormalized(0, 0).first, 32768);
}

TEST_F(InputInjectorTest, RelativeModeScalesAndTruncates) {
  injector_.initialize(InjectorConfig{.absoluteMode = false, .relativeScale = 1.5f, .verifyClicks = true});
  injector_.setTargetWindow(kTarget);
  injector_.mouseMove(3, 65535);
  EXPECT_EQ(sink_->batches(), std::vector<Records>{{InputRecord::mouse(4, 98302, 0, 0x0001)}});
}

struct ButtonCase {
  std::uint8_t button;
  std::uint32_t downFlags;
  std::uint32_t upFlags;
  std::uint32_t data;
};
class InputInjectorButtons : public InputInjectorTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(InputInjectorButtons, MoveThenButtonRecordInOneBatch) {
  const ButtonCase c = GetParam();
  injector_.mouseButtonAt(960, 540, c.button, true);
  injector_.mouseButtonAt(960, 540, c.button, false);
  // (960 × 65535 + 960) / 1920 = 32768, (540 × 65535 + 540) / 1080 = 32768.
  EXPECT_EQ(sink_->batches(), (std::vector<Records>{{move(32768, 32768), InputRecord::mouse(0, 0, c.data, c.downFlags)},
                                                    {move(32768, 32768), InputRecord::mouse(0, 0, c.data, c.upFlags)}}));
}

INSTANTIATE_TEST_SUITE_P(Buttons, InputInjectorButtons,
                         ::testing::Values(ButtonCase{0, 0x0002, 0x0004, 0}, ButtonCase{1, 0x0008, 0x0010, 0},
                                           ButtonCase{2, 0x0020, 0x0040, 0}, ButtonCase{3, 0x0080, 0x0100, 1},
                                           ButtonCase{4, 0x0080, 0x0100, 2},  // XBUTTON2
                                           ButtonCase{7, 0, 0, 0}));          // a record that does nothing

TEST_F(InputInjectorTest, MouseButtonPressesAtTheLastMappedPosition) {
  injector_.setTargetWindow(kTarget);
  injector_.mouseMove(32768, 65535);  // desktop (740, 770)
  sink_->clear();
  injector_.mouseButton(0, true);
  EXPECT_EQ(sink_->batches(), (std::vector<Records>{{move(25258, 46724), InputRecord::mouse(0, 0, 0, 0x0002)}}));
}

TEST_F(InputInjectorTest, WheelDeltaIsSignExtended) {
  injector_.mouseWheel(-120);
  EXPECT_EQ(sink_->batches(), std::vector<Records>{{InputRecord::mouse(0, 0, 0xFFFFFF88u, 0x0800)}});
}

TEST_F(InputInjectorTest, ShiftAIsSynchronisedBeforeAndAfter) {
  injector_.keyEvent(0x41, true, 0x01);
  EXPECT_EQ(sink_->batches(), (std::vector<Records>{{key(0x10, 0, 0)}, {key(0x41, 0x1E, 0)}}));
  sink_->clear();
  injector_.keyEvent(0x41, false, 0x00);
  EXPECT_EQ(sink_->batches(), (std::vector<Records>{{key(0x10, 0, 0x2)}, {key(0x41, 0x1E, 0x2)}}));
}

TEST_F(InputInjectorTest, ModifiersSynchroniseInShiftCtrlAltWinOrder) {
  injector_.keyEvent(0x41, true, 0x0F);
  EXPECT_EQ(sink_->records(),
            (Records{key(0x10, 0, 0), key(0x11, 0, 0), key(0x12, 0, 0), key(0x5B, 0, 0), key(0x41, 0x1E, 0)}));
  sink_->clear();
  injector_.keyEvent(0x41, true, 0x0A);  // Shift and Alt let go, Ctrl and Win still held
  EXPECT_EQ(sink_->records(), (Records{key(0x10, 0, 0x2), key(0x12, 0, 0x2), key(0x41, 0x1E, 0)}));
}

class InputInjectorExtendedKeys : public InputInjectorTest,
                                  public ::testing::WithParamInterface<std::pair<std::uint8_t, bool>> {};

TEST_P(InputInjectorExtendedKeys, ExtendedFlagFollowsTheKey) {
  const auto [vk, extended] = GetParam();
  injector_.keyEvent(vk, true, 0);
  ASSERT_EQ(sink_->records().size(), 1u);
  EXPECT_EQ(sink_->records()[0].keyFlags, extended ? 0x1u : 0x0u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, InputInjectorExtendedKeys,
    ::testing::Values(std::pair<std::uint8_t, bool>{0x25, true}, std::pair<std::uint8_t, bool>{0xA2, false},
                      std::pair<std::uint8_t, bool>{0x21, true}, std::pair<std::uint8_t, bool>{0x28, true},
                      std::pair<std::uint8_t, bool>{0x2D, true}, std::pair<std::uint8_t, bool>{0x2E, true},
                      std::pair<std::uint8_t, bool>{0x6F, true}, std::pair<std::uint8_t, bool>{0x90, true},
                      std::pair<std::uint8_t, bool>{0xA3, true}, std::pair<std::uint8_t, bool>{0xA5, true},
                      std::pair<std::uint8_t, bool>{0x20, false}, std::pair<std::uint8_t, bool>{0x29, false},
                      std::pair<std::uint8_t, bool>{0x2C, false}, std::pair<std::uint8_t, bool>{0x6E, false},
                      std::pair<std::uint8_t, bool>{0xA4, false}, std::pair<std::uint8_t, bool>{0x0D, false}));

TEST_F(InputInjectorTest, LeftArrowRecordCarriesScanCodeAndExtendedFlag) {
  injector_.keyEvent(0x25, false, 0);
  EXPECT_EQ(sink_->records(), Records{key(0x25, 0x4B, 0x3)});
}

TEST_F(InputInjectorTest, TypeCharacterSendsTheFullCodeUnitDownThenUp) {
  injector_.typeCharacter(0x20AC);
  EXPECT_EQ(sink_->batches(), (std::vector<Records>{{key(0, 0x20AC, 0x4)}, {key(0, 0x20AC, 0x6)}}));
}

TEST_F(InputInjectorTest, VideoChannelCharacterIsLimitedToItsEightBitCode) {
  injector_.processInputPacket(InputPacket{.type = 2, .action = 3, .x = 0x20AC, .y = 0, .code = 0xE9});
  EXPECT_EQ(sink_->batches(), (std::vector<Records>{{key(0, 0xE9, 0x4)}, {key(0, 0xE9, 0x6)}}));
}

TEST_F(InputInjectorTest, PacketWheelMovesThenTurns) {
  injector_.setTargetWindow(kTarget);
  injector_.processInputPacket(InputPacket{.type = 1, .action = 4, .x = 32768, .y = 65535, .wheelDelta = 240});
  EXPECT_EQ(sink_->batches(), (std::vector<Records>{{move(25258, 46724)}, {InputRecord::mouse(0, 0, 240, 0x0800)}}));
}

TEST_F(InputInjectorTest, PacketsOfUnknownTypeOrActionDoNothing) {
  injector_.processInputPacket(InputPacket{.type = 3, .action = 1});
  injector_.processInputPacket(InputPacket{.type = 1, .action = 9});
  injector_.processInputPacket(InputPacket{.type = 2, .action = 0});
  EXPECT_TRUE(sink_->batches().empty());
}

TEST_F(InputInjectorTest, ClickOnTheTargetOrItsChildIsNotAMismatch) {
  windows_->addWindow({.handle = 0x77, .rect = platform::WindowRect{700, 700, 100, 100}, .parent = kTarget});
  injector_.setTargetWindow(kTarget);
  int reports = 0;
  injector_.setClickMismatchCallback([&](platform::WindowHandle, platform::WindowHandle) { ++reports; });
  injector_.processInputPacket(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 32768});  // (740, 410)
  injector_.processInputPacket(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 64000});  // child at (740, 753)
  EXPECT_EQ(reports, 0);
  EXPECT_FALSE(log_.contains("Click target mismatch"));
}

TEST_F(InputInjectorTest, CoveredClickIsReportedAndStillInjected) {
  fakes::FakeWindowSystem::Window cover{.handle = kOther, .rect = platform::WindowRect{600, 300, 400, 400}};
  windows_ = std::make_shared<fakes::FakeWindowSystem>();
  windows_->addWindow(cover);
  windows_->addWindow({.handle = kTarget, .rect = platform::WindowRect{100, 50, 1280, 720}});
  InputInjector injector{windows_, sink_};
  injector.initialize(InjectorConfig{});
  injector.setTargetWindow(kTarget);
  std::vector<std::pair<platform::WindowHandle, platform::WindowHandle>> reports;
  injector.setClickMismatchCallback([&](platform::WindowHandle a, platform::WindowHandle b) {
    reports.emplace_back(a, b);
    injector.mouseMove(0, 0);  // the callback may inject itself: it runs outside the injector's lock
  });
  sink_->clear();
  injector.processInputPacket(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 32768, .code = 0});
  EXPECT_EQ(reports, (std::vector<std::pair<platform::WindowHandle, platform::WindowHandle>>{{kTarget, kOther}}));
  EXPECT_EQ(log_.count(testing::LogCapture::kWarn, "Click target mismatch: intended 1a2b, actual 3c4d"), 1u);
  // (740, 410) → (740 × 65535 + 960) / 1920, (410 × 65535 + 540) / 1080.
  EXPECT_EQ(sink_->batches().back(), (Records{move(25258, 24879), InputRecord::mouse(0, 0, 0, 0x0002)}));
}

TEST_F(InputInjectorTest, ClickOutsideEveryWindowIsAMismatchWithNoWindow) {
  injector_.setTargetWindow(kTarget);
  // The bottom edge fraction maps to desktop row 770, just below the window.
  injector_.processInputPacket(InputPacket{.type = 1, .action = 2, .x = 0, .y = 65535});
  EXPECT_TRUE(log_.has(testing::LogCapture::kWarn, "Click target mismatch: intended 1a2b, actual 0"));
}

TEST_F(InputInjectorTest, ShortInsertCountIsLogged) {
  sink_->setInsertLimit(1);
  injector_.mouseButtonAt(10, 10, 0, true);
  EXPECT_TRUE(log_.has(testing::LogCapture::kWarn, "SendInput: sent 1 of 2 inputs"));
}

TEST_F(InputInjectorTest, ResizeUsesTheLargerMinimumSize) {
  windows_->modifyWindow(kTarget, [](auto& w) { w.minimumSize = platform::WindowSize{1600, 900}; });
  EXPECT_TRUE(injector_.resizeWindow(kTarget, 1280, 720, true));
  EXPECT_EQ(windows_->windowRect(kTarget)->width, 1600);
  EXPECT_EQ(windows_->windowRect(kTarget)->height, 900);
  EXPECT_EQ(windows_->windowRect(kTarget)->x, 100);  // position kept
  EXPECT_TRUE(log_.has(testing::LogCapture::kInfo, "Window resized to 1600x900 (client: 1280x720)"));
}

TEST_F(InputInjectorTest, ResizeBelowTheMinimumOnOneAxisOnly) {
  windows_->modifyWindow(kTarget, [](auto& w) { w.minimumSize = platform::WindowSize{0, 900}; });
  EXPECT_TRUE(injector_.resizeWindow(kTarget, 800, 600, false));
  // Centred on the primary screen: ((1920 − 800) / 2, (1080 − 900) / 2).
  const auto rect = *windows_->windowRect(kTarget);
  EXPECT_EQ((std::vector<std::int32_t>{rect.x, rect.y, rect.width, rect.height}), (std::vector<std::int32_t>{560, 90, 800, 900}));
}

TEST_F(InputInjectorTest, ResizeFailures) {
  EXPECT_FALSE(injector_.resizeWindow(0x999, 640, 480, true));
  EXPECT_TRUE(log_.has(testing::LogCapture::kError, "Invalid window handle for resize"));
  EXPECT_TRUE(windows_->callsFor(0x999) == std::vector<std::string>{"isWindow"});

  windows_->setResizeFails(true);
  windows_->setLastError(8);
  EXPECT_FALSE(injector_.resizeWindow(kTarget, 640, 480, true));
  EXPECT_TRUE(log_.has(testing::LogCapture::kError, "SetWindowPos failed: 8"));

  windows_->modifyWindow(kTarget, [](auto& w) { w.rect.reset(); });
  EXPECT_FALSE(injector_.resizeWindow(kTarget, 640, 480, true));
  EXPECT_TRUE(log_.has(testing::LogCapture::kError, "Failed to get window rect: 8"));
}

// A window manager answers a resize request later, or never (a maximised window keeps its size):
// an accepted request alone is not a resize.
TEST_F(InputInjectorTest, ResizeSucceedsOnlyOnceTheWindowShowsTheSize) {
  windows_->modifyWindow(kTarget, [](auto& w) { w.resizeShowsAfterReads = 5; });
  EXPECT_TRUE(injector_.resizeWindow(kTarget, 800, 600, true));
  EXPECT_TRUE(log_.has(testing::LogCapture::kInfo, "Window resized to 800x600 (client: 800x600)"));

  windows_->modifyWindow(kTarget, [](auto& w) {
    w.resizeShowsAfterReads = fakes::FakeWindowSystem::kNeverResized;
    w.minimumSize = platform::WindowSize{1000, 0};
  });
  EXPECT_FALSE(injector_.resizeWindow(kTarget, 640, 480, true));
  // Compared with the size asked for after the minimum-size clamp.
  EXPECT_TRUE(log_.has(testing::LogCapture::kError, "Window 1a2b stayed 800x600 instead of 1000x480"));
  EXPECT_FALSE(log_.has(testing::LogCapture::kInfo, "Window resized to 1000x480 (client: 640x480)"));

  // A window already of the size asked for is resized at once, whatever the manager does.
  windows_->modifyWindow(kTarget, [](auto& w) { w.minimumSize = platform::WindowSize{}; });
  EXPECT_TRUE(injector_.resizeWindow(kTarget, 800, 600, true));
}

// A client that vanishes mid-drag or mid-shortcut must not leave anything held on the desktop.
TEST_F(InputInjectorTest, ReleaseHeldInputLetsGoOfEverythingPressed) {
  injector_.keyEvent(0x41, true, 0x03);  // Shift + Ctrl + A held
  injector_.keyEvent(0x2E, true, 0x03);  // and Delete
  injector_.keyEvent(0x2E, false, 0x03);  // Delete let go again
  injector_.mouseButtonAt(10, 10, 0, true);
  injector_.mouseButtonAt(10, 10, 3, true);
  injector_.mouseButtonAt(10, 10, 1, true);
  injector_.mouseButtonAt(10, 10, 1, false);
  sink_->clear();
  injector_.releaseHeldInput();
  EXPECT_EQ(sink_->batches(),
            (std::vector<Records>{{InputRecord::mouse(0, 0, 0, 0x0004), InputRecord::mouse(0, 0, 1, 0x0100),
                                   key(0x41, 0x1E, 0x2), key(0x10, 0, 0x2), key(0x11, 0, 0x2)}}));
  EXPECT_EQ(sink_->restoreCalls(), 1);
  EXPECT_TRUE(log_.has(testing::LogCapture::kInfo, "Released 3 keys and 2 buttons left held"));

  // Nothing is left, and the modifier state starts over: Shift is pressed again when asked.
  sink_->clear();
  injector_.releaseHeldInput();
  EXPECT_TRUE(sink_->batches().empty());
  injector_.keyEvent(0x41, true, 0x01);
  EXPECT_EQ(sink_->records(), (Records{key(0x10, 0, 0), key(0x41, 0x1E, 0)}));
}

// Held input belongs to the origin that pressed it: one connection's release or end never
// lets go of what another still holds.
class InputInjectorOriginsTest : public InputInjectorTest {
 protected:
  static constexpr InputOrigin kHeadset{1, 1};
  static constexpr InputOrigin kSecond{2, 1};
};

TEST_F(InputInjectorOriginsTest, AKeyHeldByTwoGoesUpWithTheLastOne) {
  injector_.keyEvent(0x41, true, 0, kHeadset);
  injector_.keyEvent(0x41, true, 0, kSecond);  // a press of its own: sent
  EXPECT_EQ(sink_->records(), (Records{key(0x41, 0x1E, 0), key(0x41, 0x1E, 0)}));
  sink_->clear();
  injector_.keyEvent(0x41, false, 0, kSecond);  // the headset still holds it
  injector_.releaseHeldInput(kSecond.source);
  EXPECT_TRUE(sink_->records().empty());
  EXPECT_EQ(sink_->restoreCalls(), 0);
  injector_.releaseHeldInput(kHeadset.source);
  EXPECT_EQ(sink_->records(), (Records{key(0x41, 0x1E, 0x2)}));
  EXPECT_EQ(sink_->restoreCalls(), 1);  // nothing is held any more
}

TEST_F(InputInjectorOriginsTest, AButtonReleaseUnderAnotherDragOnlyMoves) {
  injector_.mouseButtonAt(960, 540, 0, true, kHeadset);
  injector_.mouseButtonAt(960, 540, 0, true, kSecond);
  sink_->clear();
  injector_.mouseButtonAt(10, 10, 0, false, kSecond);
  EXPECT_EQ(sink_->batches(), std::vector<Records>{{move(341, 607)}});
  sink_->clear();
  injector_.mouseButtonAt(10, 10, 0, false, kHeadset);
  EXPECT_EQ(sink_->records(), (Records{move(341, 607), InputRecord::mouse(0, 0, 0, 0x0004)}));
}

// Each origin's modifier bits are its own: a second device typing without Ctrl does not cut
// the headset's Ctrl-drag short, and the headset's end lets go of its Ctrl.
TEST_F(InputInjectorOriginsTest, SynchronisedModifiersAreHeldPerOrigin) {
  injector_.keyEvent(0x41, true, 0x02, kHeadset);
  injector_.mouseButtonAt(10, 10, 0, true, kHeadset);
  sink_->clear();
  injector_.keyEvent(0x2E, true, 0x00, kSecond);
  injector_.keyEvent(0x2E, false, 0x00, kSecond);
  injector_.keyEvent(0x25, true, 0x02, kSecond);  // wants Ctrl too: already down
  EXPECT_EQ(sink_->records(), (Records{key(0x2E, 0x53, 0x1), key(0x2E, 0x53, 0x3), key(0x25, 0x4B, 0x1)}));
  sink_->clear();
  injector_.releaseHeldInput(kHeadset.source);  // Ctrl stays: the second device wants it
  EXPECT_EQ(sink_->records(), (Records{InputRecord::mouse(0, 0, 0, 0x0004), key(0x41, 0x1E, 0x2)}));
  EXPECT_TRUE(log_.has(testing::LogCapture::kInfo, "Released 1 keys and 1 buttons left held"));
  sink_->clear();
  injector_.keyEvent(0x25, false, 0x00, kSecond);  // lets go of Ctrl, then of the arrow
  EXPECT_EQ(sink_->records(), (Records{key(0x11, 0, 0x2), key(0x25, 0x4B, 0x3)}));
}

// A session's end lets go of what was pressed for its streams, on any connection, and of
// nothing else; a session without streams touches nothing.
TEST_F(InputInjectorOriginsTest, ReleaseForStreamsTakesOnlyThoseStreamsHolds) {
  injector_.keyEvent(0x41, true, 0x01, InputOrigin{1, 1});
  injector_.mouseButtonAt(10, 10, 1, true, InputOrigin{2, 2});
  injector_.keyEvent(0x2E, true, 0x00, InputOrigin{3, 2});
  sink_->clear();
  injector_.releaseHeldInputForStreams({});
  EXPECT_TRUE(sink_->records().empty());
  EXPECT_EQ(sink_->restoreCalls(), 0);
  const std::uint8_t second[] = {2, 7};
  injector_.releaseHeldInputForStreams(second);
  EXPECT_EQ(sink_->records(), (Records{InputRecord::mouse(0, 0, 0, 0x0010), key(0x2E, 0x53, 0x3)}));
  EXPECT_EQ(sink_->restoreCalls(), 0);  // stream 1's Shift+A is still held
  sink_->clear();
  const std::uint8_t first[] = {1};
  injector_.releaseHeldInputForStreams(first);
  EXPECT_EQ(sink_->records(), (Records{key(0x41, 0x1E, 0x2), key(0x10, 0, 0x2)}));
  EXPECT_EQ(sink_->restoreCalls(), 1);
}

TEST_F(InputInjectorOriginsTest, AnInjectorThatGoesAwayLetsGoOfWhatIsHeld) {
  {
    InputInjector injector{windows_, sink_};
    injector.keyEvent(0x41, true, 0x01, kHeadset);
    injector.mouseButtonAt(10, 10, 0, true, kSecond);
    sink_->clear();
  }
  EXPECT_EQ(sink_->records(),
            (Records{InputRecord::mouse(0, 0, 0, 0x0004), key(0x41, 0x1E, 0x2), key(0x10, 0, 0x2)}));
}

// The input channel's policy: the stream's window comes to the front before a press (a press
// still goes out when it cannot), the pointer moves on its own first, no click is verified,
// and a character is the 16-bit unit in x.
class InputChannelPolicyTest : public InputInjectorTest {
 protected:
  InputChannelPolicyTest() {
    // A window covering the target's middle: a verified click there would be a mismatch.
    windows_->addWindow({.handle = kOther, .rect = platform::WindowRect{600, 300, 400, 400}});
    focus_.initialize(FocusConfig{10, 10, false});
    injector_.setTargetWindow(kTarget);
    windows_->setForeground(kOther);
    sink_->clear();
  }
  void send(const InputPacket& packet, platform::WindowHandle streamWindow = kTarget) {
    injector_.processInputPacket(packet, {}, InputPolicy::inputChannel(&focus_), streamWindow);
  }

  FocusManager focus_{windows_, [](std::chrono::milliseconds) {}};
};

TEST_F(InputChannelPolicyTest, APressFocusesTheStreamsWindowThenMovesAndPresses) {
  send(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 32768, .code = 1});
  EXPECT_EQ(windows_->foregroundWindow(), kTarget);
  EXPECT_FALSE(log_.contains("Click target mismatch"));
  // (740, 410): the move alone, then the move with the button.
  EXPECT_EQ(sink_->batches(),
            (std::vector<Records>{{move(25258, 24879)}, {move(25258, 24879), InputRecord::mouse(0, 0, 0, 0x0008)}}));
}

TEST_F(InputChannelPolicyTest, AFailedFocusIsLoggedAndThePressStillGoesOut) {
  windows_->modifyWindow(kTarget, [](auto& w) { w.frontAfterSetForeground = 0; });
  windows_->setAttachSucceeds(false);
  send(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 32768});
  EXPECT_EQ(log_.count(testing::LogCapture::kWarn, "Failed to bring window 1a2b to foreground, click may go to wrong window"),
            1u);
  EXPECT_EQ(sink_->records().back(), InputRecord::mouse(0, 0, 0, 0x0002));
}

TEST_F(InputChannelPolicyTest, NoWindowNoMoveOrReleaseIsFocused) {
  send(InputPacket{.type = 1, .action = 2, .x = 32768, .y = 32768}, platform::kNoWindow);  // unknown stream
  send(InputPacket{.type = 1, .action = 1, .x = 32768, .y = 32768});
  send(InputPacket{.type = 1, .action = 3, .x = 32768, .y = 32768});
  EXPECT_EQ(windows_->foregroundWindow(), kOther);
  EXPECT_EQ(sink_->records().size(), 7u);  // press: 1 + 2, move: 1, release: 1 + 2
}

TEST_F(InputChannelPolicyTest, WheelReleaseAndCharacterBecomeTheirRecords) {
  send(InputPacket{.type = 1, .action = 4, .x = 32768, .y = 65535, .wheelDelta = -240});
  send(InputPacket{.type = 1, .action = 3, .x = 32768, .y = 65535, .code = 4});
  send(InputPacket{.type = 1, .action = 9});  // unknown action: nothing
  send(InputPacket{.type = 2, .action = 3, .x = 0x20AC, .code = 0xE9});
  EXPECT_EQ(sink_->records(),
            (Records{move(25258, 46724), InputRecord::mouse(0, 0, static_cast<std::uint32_t>(-240), 0x0800),
                     move(25258, 46724), move(25258, 46724), InputRecord::mouse(0, 0, 2, 0x0100),
                     key(0, 0x20AC, 0x4), key(0, 0x20AC, 0x6)}));
}

}  // namespace
}  // namespace parvalon::host
