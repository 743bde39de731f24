#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ApplicationHarness.h"
#include "support/VideoTestClient.h"
#include "fakes/WsTestClient.h"
#include "input/FocusManager.h"
#include "input/InputInjector.h"
#include "protocol/ClientMessages.h"
#include "platform/VirtualDesk.h"

namespace parvalon::host {
namespace {

using namespace platform::input_flags;
using platform::InputRecord;
using nlohmann::json;

constexpr std::uint32_t kOther = 0x2002;

// The headset's side of the input paths: the input channel (12-byte events) and input
// messages on the video channel, both plain TCP clients on 127.0.0.1.
using TcpClient = testing::VideoTestClient;

protocol::InputEvent mouseEvent(std::uint8_t stream, std::uint8_t action, std::uint16_t x, std::uint16_t y,
                                std::uint8_t button = 0) {
  return {.streamId = stream, .type = InputInjector::kTypeMouse, .action = action, .x = x, .y = y, .code = button};
}

protocol::InputEvent keyEvent(std::uint8_t stream, std::uint8_t action, std::uint8_t vk, std::uint8_t modifiers) {
  return {.streamId = stream, .type = InputInjector::kTypeKeyboard, .action = action, .code = vk, .modifiers = modifiers};
}

protocol::ClientInput asClientInput(const protocol::InputEvent& e) {
  return protocol::ClientInput{e};  // the same event, in the video connection's layout
}

// The absolute move record for a desktop pixel on the harness's 1920 × 1080 desktop.
InputRecord moveTo(std::int32_t px, std::int32_t py, std::int64_t width = 1920, std::int64_t height = 1080) {
  return InputRecord::mouse(static_cast<std::int32_t>(platform::toVirtualDesk(px, width)),
                            static_cast<std::int32_t>(platform::toVirtualDesk(py, height)), 0,
                            kMouseMove | kMouseVirtualDesk | kMouseAbsolute);
}

class ApplicationInputTest : public ApplicationHarness {
 protected:
  void SetUp() override {
    ApplicationHarness::SetUp();
    fakes::FakeWindowSystem::Window other;
    other.handle = kOther;
    other.title = "other";
    other.rect = platform::WindowRect{1000, 500, 200, 100};
    windows_->addWindow(other);
  }
  void startWithStreams() {
    startApp();
    ASSERT_EQ(request(kWindow), 1);
    ASSERT_EQ(request(kOther), 2);
    sink_->clear();
  }
  bool waitForRecords(std::size_t count) {
    return testing::waitUntil([&] { return sink_->records().size() >= count; });
  }
};

// After a stream stops, its number no longer points the injector at its window: the event
// lands in the window of the stream that was targeted last.
TEST_F(ApplicationInputTest, InputForAStoppedStreamNoLongerRetargets) {
  startWithStreams();
  app_->onInputEvent(mouseEvent(2, InputInjector::kActionMove, 0, 0));
  app_->onInputEvent(mouseEvent(1, InputInjector::kActionMove, 0, 0));
  app_->onStreamStop(2, kHeadset);
  app_->onInputEvent(mouseEvent(2, InputInjector::kActionMove, 0, 0));
  EXPECT_EQ(sink_->records(), (std::vector<InputRecord>{moveTo(1000, 500), moveTo(0, 0), moveTo(0, 0)}));
}

// A client stream's start points the injector at its window; the operator's dashboard stream
// never does, and input naming its number does not reach its window either (the headset's
// clicks stay in the headset's window).
TEST_F(ApplicationInputTest, OnlyClientStreamsAreInputTargets) {
  startApp();
  ASSERT_EQ(request(kOther), 1);
  const auto dashboard = app_->startCapture(kWindow);
  ASSERT_EQ(dashboard, std::optional<std::uint8_t>(2));
  sink_->clear();
  app_->onInputEvent(mouseEvent(9, InputInjector::kActionMove, 0, 0));  // unknown: keeps the client's window
  app_->onInputEvent(mouseEvent(*dashboard, InputInjector::kActionMove, 0, 0));
  EXPECT_EQ(sink_->records(), (std::vector<InputRecord>{moveTo(1000, 500), moveTo(1000, 500)}));
}

// The input channel focuses the stream's window before a press, and injects the press even
// when the window cannot be brought to the front.
TEST_F(ApplicationInputTest, ButtonDownOnTheInputChannelFocusesTheWindowFirst) {
  startWithStreams();
  windows_->setForeground(kOther);
  TcpClient input(ports_.input);
  ASSERT_TRUE(input.send(protocol::encodeInputEventMessage(mouseEvent(1, InputInjector::kActionButtonDown, 32768, 65535, 1))));
  ASSERT_TRUE(waitForRecords(3));
  EXPECT_EQ(windows_->foregroundWindow(), kWindow);
  // (32768, 65535) of the 640 × 480 window at the origin is its pixel (320, 480).
  EXPECT_EQ(sink_->records(), (std::vector<InputRecord>{moveTo(320, 480), moveTo(320, 480),
                                                        InputRecord::mouse(0, 0, 0, kMouseRightDown)}));
  EXPECT_EQ(log_.count(testing::kWarn, "Failed to bring window 2001 to foreground, click may go to wrong window"), 0u);
}

TEST_F(ApplicationInputTest, InputForAnUnknownStreamIsInjectedSilentlyWithoutFocusing) {
  startWithStreams();
  windows_->setForeground(kOther);
  app_->onInputEvent(mouseEvent(9, InputInjector::kActionButtonDown, 0, 0));
  EXPECT_EQ(windows_->foregroundWindow(), kOther);
  EXPECT_EQ(sink_->records().back(), InputRecord::mouse(0, 0, 0, kMouseLeftDown));
  EXPECT_FALSE(log_.contains("unknown stream"));
}

// Video-channel input for a stream nobody runs: one warning per message, injected all the same.
TEST_F(ApplicationInputTest, VideoChannelInputForAnUnknownStreamLogsOncePerMessageAndIsInjected) {
  startWithStreams();
  TcpClient video(ports_.video);
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(video.send(protocol::encodeClientInputMessage(asClientInput(mouseEvent(9, InputInjector::kActionMove, 0, 0)))));
  }
  ASSERT_TRUE(waitForRecords(3));
  EXPECT_TRUE(testing::waitUntil([&] { return log_.count(testing::kWarn, "Input received for unknown stream 9") == 3u; }));
  EXPECT_EQ(sink_->records().size(), 3u);
  // A known stream is targeted and not warned about; the character is the 8-bit code.
  auto character = keyEvent(2, InputInjector::kActionCharacter, 'x', 0);
  character.x = 0x20AC;
  ASSERT_TRUE(video.send(protocol::encodeClientInputMessage(asClientInput(character))));
  ASSERT_TRUE(waitForRecords(5));
  EXPECT_EQ(sink_->records()[3], InputRecord::key(0, 'x', kKeyUnicode));
  EXPECT_EQ(log_.count(testing::kWarn, "Input received for unknown stream 2"), 0u);
}

// Both paths hand every field of the record over: the wheel's delta and a key's modifiers.
TEST_F(ApplicationInputTest, BothPathsCarryEveryFieldOfTheEvent) {
  startWithStreams();
  auto wheel = mouseEvent(1, InputInjector::kActionWheel, 0, 0);
  wheel.wheelDelta = -360;
  const auto keyDown = keyEvent(1, InputInjector::kActionKeyDown, 0x41, InputInjector::kModifierCtrl);
  const auto keyUp = keyEvent(1, InputInjector::kActionKeyUp, 0x41, 0);
  const std::vector<InputRecord> expected{moveTo(0, 0),
                                          InputRecord::mouse(0, 0, static_cast<std::uint32_t>(-360), kMouseWheel),
                                          InputRecord::key(InputInjector::kVkControl, 0, 0),
                                          InputRecord::key(0x41, 0x1E, 0),
                                          InputRecord::key(InputInjector::kVkControl, 0, kKeyUp),
                                          InputRecord::key(0x41, 0x1E, kKeyUp)};
  for (const auto& e : {wheel, keyDown, keyUp}) app_->onInputEvent(e);
  EXPECT_EQ(sink_->records(), expected);
  sink_->clear();
  for (const auto& e : {wheel, keyDown, keyUp}) app_->onClientInput(asClientInput(e));
  EXPECT_EQ(sink_->records(), expected);
}

// A verified click on the video channel that another window covers is reported, and pressed.
TEST_F(ApplicationInputTest, ClickMismatchOnTheVideoChannelIsLogged) {
  startWithStreams();
  windows_->modifyWindow(kOther, [](auto& w) { w.rect = platform::WindowRect{0, 0, 100, 100}; });
  windows_->bringWindowToTop(kOther);
  app_->onClientInput(asClientInput(mouseEvent(1, InputInjector::kActionButtonDown, 0, 0)));
  EXPECT_EQ(log_.count(testing::kWarn, "Click mismatch: intended 2001, actual 2002 - z-order or coordinate issue"), 1u);
  EXPECT_EQ(sink_->records().back(), InputRecord::mouse(0, 0, 0, kMouseLeftDown));
}

struct ResizeCase {
  const char* name;
  bool resizeFails;
  int resizeShowsAfterReads;  // the window manager's part (FakeWindowSystem::Window)
  std::uint32_t windowId;
  bool success;
  const char* logLine;
};

class ApplicationResizeTest : public ApplicationInputTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(ApplicationResizeTest, WindowResizeAnswersWithTheResult) {
  const ResizeCase& c = GetParam();
  startApp();
  windows_->setResizeFails(c.resizeFails);
  windows_->modifyWindow(kWindow, [&](auto& w) {
    w.rect = platform::WindowRect{30, 40, 640, 480};
    w.resizeShowsAfterReads = c.resizeShowsAfterReads;
  });
  testing::WsTestClient ws(ports_.signaling);
  ASSERT_EQ(subscribe(ws), 1);  // a client resizes only the windows it streams
  ws.send(json{{"type", "window_resize"}, {"streamId", 1}, {"windowId", c.windowId}, {"width", 800}, {"height", 600}}.dump());
  const auto reply = ws.readOfType("window_resized");
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->at("success"), c.success);
  EXPECT_EQ(log_.count(testing::kInfo, "Client-initiated window resize: window=" + fakes::FakeWindowSystem::hex(c.windowId) +
                                           ", size=800x600"), c.windowId == kWindow ? 1u : 0u);
  EXPECT_TRUE(log_.contains(c.logLine));
  const auto rect = windows_->windowRect(kWindow).value();
  if (c.success) {
    EXPECT_EQ(rect.width, 800);
    EXPECT_EQ(rect.height, 600);
    EXPECT_EQ(rect.x, 30);  // the position is kept
  } else {
    EXPECT_EQ(rect.width, 640);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplicationResizeTest,
    ::testing::Values(ResizeCase{"Resized", false, 0, kWindow, true, "Window 2001 resized successfully to 800x600"},
                      ResizeCase{"ResizedLater", false, 3, kWindow, true, "Window 2001 resized successfully to 800x600"},
                      ResizeCase{"Refused", true, 0, kWindow, false, "Failed to resize window 2001 to 800x600"},
                      // Accepted, but the window manager kept the size (a maximised window).
                      ResizeCase{"KeptByTheWindowManager", false, fakes::FakeWindowSystem::kNeverResized, kWindow,
                                 false, "Failed to resize window 2001 to 800x600"},
                      ResizeCase{"NotStreamedByThisClient", false, 0, kOther, false,
                                 "Window resize refused: window 2002 is not streamed to the client at 127.0.0.1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ApplicationInputTest, ResizeOfSomethingThatIsNoWindowIsRefused) {
  startApp();
  EXPECT_FALSE(app_->handleWindowResize(0x9999, 800, 600));
  EXPECT_EQ(log_.count(testing::kError, "Invalid window ID for resize: 9999"), 1u);
}

// A connection that ends mid-drag or mid-shortcut: what it pressed is let go, modifiers
// included, whichever channel it came on and whether it left or was replaced.
struct GoneCase {
  const char* name;
  bool videoChannel;  // else the input channel
  bool replaced;      // else the client closes
};

class ApplicationConnectionGoneTest : public ApplicationInputTest, public ::testing::WithParamInterface<GoneCase> {
 protected:
  std::uint16_t port() const { return GetParam().videoChannel ? ports_.video : ports_.input; }
  bool send(TcpClient& client, const protocol::InputEvent& e) {
    return client.send(GetParam().videoChannel ? protocol::encodeClientInputMessage(asClientInput(e))
                                               : protocol::encodeInputEventMessage(e));
  }
};

TEST_P(ApplicationConnectionGoneTest, HeldKeysAndButtonsAreReleased) {
  startWithStreams();
  auto client = std::make_unique<TcpClient>(port());
  ASSERT_TRUE(send(*client, keyEvent(1, InputInjector::kActionKeyDown, 0x41, InputInjector::kModifierCtrl)));
  ASSERT_TRUE(send(*client, mouseEvent(1, InputInjector::kActionButtonDown, 0, 0)));
  const InputRecord leftDown = InputRecord::mouse(0, 0, 0, kMouseLeftDown);
  ASSERT_TRUE(testing::waitUntil([&] {
    const auto r = sink_->records();
    return std::find(r.begin(), r.end(), leftDown) != r.end();
  }));
  sink_->clear();
  std::unique_ptr<TcpClient> next;
  if (GetParam().replaced) {
    next = std::make_unique<TcpClient>(port());
  } else {
    client.reset();
  }
  ASSERT_TRUE(waitForRecords(3));
  EXPECT_EQ(sink_->records(), (std::vector<InputRecord>{InputRecord::mouse(0, 0, 0, kMouseLeftUp),
                                                        InputRecord::key(0x41, 0x1E, kKeyUp),
                                                        InputRecord::key(InputInjector::kVkControl, 0, kKeyUp)}));
  EXPECT_GE(sink_->restoreCalls(), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, ApplicationConnectionGoneTest,
                         ::testing::Values(GoneCase{"InputChannelCloses", false, false},
                                           GoneCase{"InputChannelIsReplaced", false, true},
                                           GoneCase{"VideoChannelCloses", true, false},
                                           GoneCase{"VideoChannelIsReplaced", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A second device (or a `parvalon-viewer list`) that comes and goes must not end the
// headset's drag.
TEST_F(ApplicationInputTest, AnotherSignalingSessionsEndReleasesNothing) {
  startWithStreams();
  TcpClient input(ports_.input);
  ASSERT_TRUE(input.send(protocol::encodeInputEventMessage(mouseEvent(1, InputInjector::kActionButtonDown, 0, 0))));
  ASSERT_TRUE(waitForRecords(3));
  sink_->clear();
  auto other = std::make_unique<testing::WsTestClient>(ports_.signaling);
  other->send(R"({"type":"hello","clientName":"list"})");
  ASSERT_TRUE(other->read().has_value());
  other->dropConnection();
  ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("WebSocket read failed") || log_.contains("Client disconnected"); }));
  EXPECT_FALSE(testing::waitUntil([&] { return !sink_->records().empty(); }, std::chrono::milliseconds(500)));
  EXPECT_EQ(sink_->restoreCalls(), 0);
}

// The session that owned a stream ends: what was pressed for that stream goes up, on
// whichever connection it came; what was pressed for other streams stays held.
TEST_F(ApplicationInputTest, SignalingSessionGoneReleasesOnlyItsStreamsInput) {
  startWithStreams();
  app_->onClientInput(asClientInput(mouseEvent(1, InputInjector::kActionButtonDown, 0, 0)), 11);
  app_->onInputEvent(keyEvent(2, InputInjector::kActionKeyDown, 0x41, InputInjector::kModifierShift), 12);
  sink_->clear();
  app_->onSignalingSessionGone({});
  app_->onSignalingSessionGone({3});
  EXPECT_TRUE(sink_->records().empty());
  app_->onSignalingSessionGone({2});
  EXPECT_EQ(sink_->records(), (std::vector<InputRecord>{InputRecord::key(0x41, 0x1E, kKeyUp),
                                                        InputRecord::key(InputInjector::kVkShift, 0, kKeyUp)}));
  sink_->clear();
  app_->onSignalingSessionGone({1});
  EXPECT_EQ(sink_->records(), std::vector<InputRecord>{InputRecord::mouse(0, 0, 0, kMouseLeftUp)});
}

// Two connections drag with the same button: the button goes up only when both have ended.
TEST_F(ApplicationInputTest, AButtonHeldOnTwoConnectionsGoesUpWithTheLast) {
  startWithStreams();
  auto video = std::make_unique<TcpClient>(ports_.video);
  auto input = std::make_unique<TcpClient>(ports_.input);
  const auto down = mouseEvent(1, InputInjector::kActionButtonDown, 0, 0);
  ASSERT_TRUE(video->send(protocol::encodeClientInputMessage(asClientInput(down))));
  ASSERT_TRUE(input->send(protocol::encodeInputEventMessage(down)));
  const InputRecord leftDown = InputRecord::mouse(0, 0, 0, kMouseLeftDown);
  ASSERT_TRUE(testing::waitUntil([&] {
    const auto r = sink_->records();
    return std::count(r.begin(), r.end(), leftDown) == 2;
  }));
  sink_->clear();
  video.reset();
  ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("TCP client disconnected"); }));
  EXPECT_FALSE(testing::waitUntil([&] { return !sink_->records().empty(); }, std::chrono::milliseconds(300)));
  input.reset();
  ASSERT_TRUE(waitForRecords(1));
  EXPECT_EQ(sink_->records(), std::vector<InputRecord>{InputRecord::mouse(0, 0, 0, kMouseLeftUp)});
}

TEST_F(ApplicationInputTest, ADesktopSizeChangeRemapsPositions) {
  startWithStreams();
  ASSERT_TRUE(screenChanged_);
  windows_->setVirtualScreen(platform::WindowRect{0, 0, 3840, 2160});
  screenChanged_();
  EXPECT_EQ(log_.count(testing::kInfo, "Display configuration changed, updating input metrics"), 1u);
  app_->onInputEvent(mouseEvent(2, InputInjector::kActionMove, 0, 0));
  EXPECT_EQ(sink_->records(), std::vector<InputRecord>{moveTo(1000, 500, 3840, 2160)});
}

// The input server's thread calls the injector: it stops before the input side goes.
TEST_F(ApplicationInputTest, ShutdownStopsTheInputServerBeforeReleasingTheInputSide) {
  startApp();
  app_->shutdown();
  const auto texts = log_.texts();
  const auto stopped = std::find(texts.begin(), texts.end(), "TCP input server stopped");
  const auto complete = std::find(texts.begin(), texts.end(), "Application shutdown complete");
  ASSERT_NE(stopped, texts.end());
  EXPECT_LT(stopped, complete);
}

}  // namespace
}  // namespace parvalon::host
