#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "ApplicationHarness.h"
#include "support/VideoTestClient.h"
#include "fakes/WsTestClient.h"
#include "input/InputInjector.h"
#include "protocol/ClientMessages.h"
#include "ui/HeadlessBackend.h"
#include "ui/UIManager.h"

// Strangers on the network: the headset on 127.0.0.1 is the first client and streams; a client
// on 127.0.0.2 (Linux routes all of 127/8 to lo) gets nothing until the operator allows it on the
// dashboard, and nothing again once it is removed.
namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
using nlohmann::json;

constexpr std::uint32_t kStrangerAddress = 0x7F000002;  // 127.0.0.2
const std::string kStranger = "127.0.0.2";

class ClientTrustTest : public ApplicationHarness {
 protected:
  std::unique_ptr<testing::WsTestClient> stranger(const std::string& hello) {
    auto ws = std::make_unique<testing::WsTestClient>(ports_.signaling, 3s, std::nullopt, kStranger);
    ws->send(hello);
    return ws;
  }
  static json request(testing::WsTestClient& ws, const std::string& message) {
    ws.send(message);
    const auto reply = ws.read();
    return reply ? json::parse(*reply) : json();
  }
  static protocol::InputEvent click(std::uint8_t streamId) {
    return {.streamId = streamId, .type = InputInjector::kTypeMouse, .action = InputInjector::kActionButtonDown};
  }
};

const json kAwaiting = {{"code", 1002}, {"message", "awaiting approval on the host"}, {"type", "error"}};
const json kNoWindows = {{"type", "window_list"}, {"windows", json::array()}};

TEST_F(ClientTrustTest, FirstHeadsetStreamsAndAStrangerGetsNothingUntilAllowedOnTheDashboard) {
  startApp();
  testing::WsTestClient headset(ports_.signaling);
  headset.send(R"({"type":"hello","clientName":"Quest 3"})");
  ASSERT_TRUE(headset.readOfType("welcome"));
  ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("Trusted the first client at 127.0.0.1"); }));
  testing::VideoTestClient video(ports_.video);
  ASSERT_TRUE(testing::waitUntil([&] { return log_.contains("TCP client connected from 127.0.0.1:"); }));
  ASSERT_EQ(subscribe(headset), 1);
  ASSERT_TRUE(source()->pushFilledFrame(10, 20, 30));
  ASSERT_TRUE(video.read());

  // The stranger is welcomed as the protocol says, and shown nothing.
  auto ws = stranger(R"({"type":"hello","clientName":"stranger"})");
  const auto welcome = ws->readOfType("welcome");
  ASSERT_TRUE(welcome);
  EXPECT_EQ(welcome->at("requiresAuth"), false);
  EXPECT_EQ(request(*ws, R"({"type":"window_list_request"})"), kNoWindows);
  EXPECT_EQ(request(*ws, R"({"type":"stream_start","windowId":8193})"), kAwaiting);
  EXPECT_EQ(request(*ws, R"({"type":"stream_stop","streamId":1})"), kAwaiting);
  EXPECT_EQ(request(*ws, R"({"type":"ping","timestamp":5})"), (json{{"timestamp", 5}, {"type", "pong"}}));
  EXPECT_EQ(app_->clientStreams().size(), 1u);  // the headset's stream is untouched

  // Its channels are closed at once and what it sends reaches no window.
  sink_->clear();
  testing::VideoTestClient strangerVideo(ports_.video, true, kStrangerAddress);
  testing::VideoTestClient strangerInput(ports_.input, true, kStrangerAddress);
  ASSERT_TRUE(testing::waitUntil([&] {
    return log_.contains("TCP connection from 127.0.0.2 refused: no approved signaling session from that address") &&
           log_.contains("TCP input connection from 127.0.0.2 refused");
  }));
  strangerInput.send(protocol::encodeInputEventMessage(click(1)));
  EXPECT_FALSE(strangerVideo.read(500ms));
  EXPECT_FALSE(testing::waitUntil([&] { return !sink_->records().empty(); }, 500ms));
  ASSERT_TRUE(source()->pushFilledFrame(10, 20, 30));
  EXPECT_TRUE(video.read());  // the headset's channel was not replaced

  // The operator allows it on the dashboard.
  testing::HeadlessBackend::State state;
  UIManager ui(std::make_unique<testing::HeadlessBackend>(state));
  ASSERT_TRUE(ui.initialize());
  int allowed = 0;
  ui.actions().onAllowClient = [&](std::uint64_t sessionId) {
    ++allowed;
    app_->allowClient(sessionId);
  };
  ui.actions().onDenyClient = [&](std::uint64_t) { ADD_FAILURE() << "Deny clicked"; };
  ASSERT_TRUE(testing::waitUntil([&] { return app_->trustView().pending.size() == 1; }));
  ui.state().setTrustView(app_->trustView());
  EXPECT_EQ(ui.state().trustView().pending[0].clientName, "stranger");
  EXPECT_EQ(ui.state().trustView().pending[0].address, kStranger);
  // The prompt sits under the page title: press and release on each spot, left to right, until
  // the Allow button (left of Deny) answers.
  for (float y = 50; y < 160 && allowed == 0; y += 6) {
    for (float x = 300; x < 1100 && allowed == 0; x += 15) {
      state.mousePos = ImVec2(x, y);
      for (const bool down : {false, true, false}) {
        state.mouseDown = down;
        ui.render();
      }
    }
  }
  ASSERT_EQ(allowed, 1);
  EXPECT_TRUE(app_->trustView().pending.empty());

  // A fresh window list comes unasked, and the stranger streams like the headset.
  const auto list = ws->readOfType("window_list");
  ASSERT_TRUE(list);
  ASSERT_EQ(list->at("windows").size(), 1u);
  EXPECT_EQ(list->at("windows")[0].at("id"), kWindow);
  const auto started = request(*ws, R"({"type":"stream_start","windowId":8193})");
  EXPECT_EQ(started.value("type", ""), "stream_started");
  testing::VideoTestClient allowedVideo(ports_.video, true, kStrangerAddress);
  EXPECT_TRUE(testing::waitUntil([&] { return log_.contains("TCP client connected from 127.0.0.2:"); }));
  ASSERT_EQ(app_->trustView().trusted.size(), 2u);

  // Removed from the list, it is closed, and its next connection waits again.
  app_->removeTrustedClient(kStranger, "stranger");
  EXPECT_TRUE(testing::waitUntil([&] { return !ws->read(); }));
  auto again = stranger(R"({"type":"hello","clientName":"stranger"})");
  ASSERT_TRUE(again->readOfType("welcome"));
  EXPECT_EQ(request(*again, R"({"type":"stream_start","windowId":8193})"), kAwaiting);
  testing::VideoTestClient laterVideo(ports_.video, true, kStrangerAddress);
  EXPECT_FALSE(laterVideo.read(500ms));
  EXPECT_TRUE(testing::waitUntil([&] {
    return log_.count(testing::kWarn,
                      "TCP connection from 127.0.0.2 refused: no approved signaling session from that address") == 2u;
  }));
}

TEST_F(ClientTrustTest, DenyClosesTheStrangerAndItsNextHelloWithinAMinute) {
  startApp();
  testing::WsTestClient headset(ports_.signaling);
  headset.send(R"({"type":"hello","clientName":"Quest 3"})");
  ASSERT_TRUE(headset.readOfType("welcome"));
  auto ws = stranger(R"({"type":"hello","clientName":"stranger"})");
  ASSERT_TRUE(ws->readOfType("welcome"));
  ASSERT_TRUE(testing::waitUntil([&] { return app_->trustView().pending.size() == 1; }));
  app_->denyClient(app_->trustView().pending[0].sessionId);
  EXPECT_TRUE(testing::waitUntil([&] { return !ws->read(); }));
  auto again = stranger(R"({"type":"hello","clientName":"stranger"})");
  ASSERT_TRUE(again->readOfType("welcome"));
  EXPECT_EQ(json::parse(again->read().value()),
            (json{{"code", 1002}, {"message", "refused by the host"}, {"type", "error"}}));
  EXPECT_FALSE(again->read());  // closed
  EXPECT_TRUE(app_->trustView().pending.empty());
}

TEST_F(ClientTrustTest, WithRequirePinAWrongPinIsRefusedAndTheRightOneAdmits) {
  ports_ = test::writeSettingsWithFreePorts(root_, json{{"requirePin", true}});
  app_ = makeApp();
  ASSERT_TRUE(app_->initialize());
  const std::string pin = app_->trustView().pin;
  ASSERT_EQ(pin.size(), 4u);
  const std::string wrong = pin == "0000" ? "1111" : "0000";

  auto guess = stranger(json{{"type", "hello"}, {"clientName", "guest"}, {"pin", wrong}}.dump());
  const auto welcome = guess->readOfType("welcome");
  ASSERT_TRUE(welcome);
  EXPECT_EQ(welcome->at("requiresAuth"), true);
  EXPECT_EQ(json::parse(guess->read().value()), (json{{"code", 1002}, {"message", "wrong PIN"}, {"type", "error"}}));
  EXPECT_EQ(request(*guess, R"({"type":"window_list_request"})"), kNoWindows);

  auto paired = stranger(json{{"type", "hello"}, {"clientName", "guest"}, {"pin", pin}}.dump());
  ASSERT_TRUE(paired->readOfType("welcome"));
  const auto list = request(*paired, R"({"type":"window_list_request"})");
  ASSERT_EQ(list.value("type", ""), "window_list");
  EXPECT_EQ(list.at("windows").size(), 1u);
  EXPECT_TRUE(app_->addressApproved(kStranger));
}

}  // namespace
}  // namespace parvalon::host
