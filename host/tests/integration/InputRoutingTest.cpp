// The real host on the virtual desktop, driven through its input and video channels by a
// hand-made client, checked against the test pattern's input log.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "support/HostProcess.h"
#include "support/FreePortSettings.h"
#include "fakes/ScopedKeyboardLayout.h"
#include "fakes/TestFolder.h"
#include "support/VideoTestClient.h"
#include "fakes/WsTestClient.h"
#include "input/LoggedPattern.h"
#include "protocol/ClientMessages.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using nlohmann::json;

namespace parvalon::host {
namespace {

using testing::waitFor;

constexpr std::uint8_t kMouse = 1, kKeyboard = 2;
constexpr std::uint8_t kMove = 1, kDown = 2, kUp = 3, kWheel = 4;
constexpr std::uint8_t kKeyDown = 1, kKeyUp = 2, kCharacter = 3;

// The headset: signaling, the video channel (read and thrown away on a thread of its own, so
// the host's writes never stall) and the input channel.
class HeadsetClient {
 public:
  explicit HeadsetClient(const test::HostPorts& ports) : ws_(ports.signaling), video_(ports.video), input_(ports.input) {
    drain_ = std::thread([this] {
      for (int i = 0; i < 100000 && !stop_.load(); ++i) video_.read(100ms);
    });
  }
  ~HeadsetClient() {
    stop_ = true;
    drain_.join();
  }
  int startStream(platform::WindowHandle window) {
    ws_.send(R"({"type":"hello","clientName":"input test"})");
    if (!ws_.readOfType("welcome")) return -1;
    ws_.send(json{{"type", "stream_start"}, {"windowId", window}}.dump());
    const auto started = ws_.readOfType("stream_started");
    return started ? started->at("streamId").get<int>() : -1;
  }
  bool sendInput(const protocol::InputEvent& e) { return input_.send(protocol::encodeInputEventMessage(e)); }
  bool sendVideoInput(const protocol::InputEvent& e) {
    return video_.send(protocol::encodeClientInputMessage(
        protocol::ClientInput{e.streamId, e.type, e.action, e.x, e.y, e.code, e.modifiers, e.wheelDelta}));
  }
  testing::WsTestClient& signaling() { return ws_; }

 private:
  testing::WsTestClient ws_;
  testing::VideoTestClient video_;
  testing::VideoTestClient input_;
  std::atomic<bool> stop_{false};
  std::thread drain_;
};

protocol::InputEvent event(std::uint8_t stream, std::uint8_t type, std::uint8_t action, std::uint16_t x = 0,
                           std::uint16_t y = 0, std::uint8_t code = 0, std::uint8_t modifiers = 0,
                           std::int16_t wheel = 0) {
  return protocol::InputEvent{stream, type, action, x, y, code, modifiers, wheel};
}

// Which channel carries the events of a case.
enum class Path { InputChannel, VideoChannel };

class InputRoutingTest : public ::testing::TestWithParam<Path> {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs the virtual desktop (scripts/test.sh starts it)";
    ports_ = test::writeSettingsWithFreePorts(folder_.path());
    host_.emplace(folder_.path());
    ASSERT_TRUE(host_->startAndWaitForMainLoop()) << host_->output();
  }
  void TearDown() override {
    client_.reset();
    if (host_) {
      EXPECT_EQ(host_->terminate(), 0) << host_->output();
    }
    host_.reset();
  }
  std::unique_ptr<LoggedPattern> pattern(const std::string& name, std::vector<std::string> args) {
    auto p = std::make_unique<LoggedPattern>(name, std::move(args));
    EXPECT_TRUE(testing::waitUntilManaged(*windows_, p->window()));
    return p;
  }
  // A client streaming the window; its stream number.
  std::uint8_t stream(const LoggedPattern& p) {
    client_ = std::make_unique<HeadsetClient>(ports_);
    const int id = client_->startStream(p.window());
    EXPECT_GE(id, 0);
    EXPECT_TRUE(host_->waitForLog("TCP input client connected from 127.0.0.1:"));
    EXPECT_TRUE(host_->waitForLog("TCP client connected from 127.0.0.1:"));
    return static_cast<std::uint8_t>(id);
  }
  bool send(const protocol::InputEvent& e) {
    return GetParam() == Path::InputChannel ? client_->sendInput(e) : client_->sendVideoInput(e);
  }

  testing::TestFolder folder_{"parvalon-input-routing"};
  test::HostPorts ports_;
  std::optional<test::HostProcess> host_;
  std::unique_ptr<HeadsetClient> client_;
  std::shared_ptr<platform::WindowSystem> windows_ = platform::WindowSystem::create();
};

TEST_P(InputRoutingTest, ClickLandsOnTheWindowPixelTheClientChose) {
  auto p = pattern("click", {"--x", "210", "--y", "130", "--width", "802", "--height", "601", "--static"});
  const std::uint8_t id = stream(*p);
  const std::uint16_t x = 16384, y = 49151;  // (0.25, 0.75)
  ASSERT_TRUE(send(event(id, kMouse, kMove, x, y)));
  ASSERT_TRUE(send(event(id, kMouse, kDown, x, y)));
  ASSERT_TRUE(send(event(id, kMouse, kUp, x, y)));
  ASSERT_TRUE(waitFor([&] { return p->of("button").size() >= 2; })) << host_->log();
  EXPECT_EQ(p->buttons(), "1+ 1-");
  const auto press = p->of("button")[0];
  EXPECT_NEAR(press.value("x", -100), 0.25 * 802, 1.0);
  EXPECT_NEAR(press.value("y", -100), 0.75 * 601, 1.0);
}

TEST_P(InputRoutingTest, OtherButtonsAndTheWheelArrive) {
  auto p = pattern("buttons", {"--x", "100", "--y", "100", "--static"});
  const std::uint8_t id = stream(*p);
  for (std::uint8_t code : {1, 2, 3, 4}) {
    ASSERT_TRUE(send(event(id, kMouse, kDown, 30000, 30000, code)));
    ASSERT_TRUE(send(event(id, kMouse, kUp, 30000, 30000, code)));
  }
  ASSERT_TRUE(send(event(id, kMouse, kWheel, 30000, 30000, 0, 0, 120)));
  ASSERT_TRUE(send(event(id, kMouse, kWheel, 30000, 30000, 0, 0, -120)));
  const std::string expected = "3+ 3- 2+ 2- 8+ 8- 9+ 9- 4+ 4- 5+ 5-";
  EXPECT_TRUE(waitFor([&] { return p->buttons() == expected; })) << p->buttons();
}

TEST_P(InputRoutingTest, ShiftAArrivesAsCapitalA) {
  auto p = pattern("shift", {"--x", "100", "--y", "100", "--static"});
  const std::uint8_t id = stream(*p);
  ASSERT_TRUE(send(event(id, kMouse, kDown, 32768, 32768)));  // a click first, as a user gives the window focus
  ASSERT_TRUE(send(event(id, kMouse, kUp, 32768, 32768)));
  ASSERT_TRUE(send(event(id, kKeyboard, kKeyDown, 0, 0, 0x41, 0x01)));
  ASSERT_TRUE(send(event(id, kKeyboard, kKeyUp, 0, 0, 0x41, 0x01)));
  ASSERT_TRUE(send(event(id, kKeyboard, kKeyDown, 0, 0, 0x41, 0x00)));
  ASSERT_TRUE(send(event(id, kKeyboard, kKeyUp, 0, 0, 0x41, 0x00)));
  EXPECT_TRUE(waitFor([&] { return p->text() == "Aa"; })) << p->text();
}

INSTANTIATE_TEST_SUITE_P(Paths, InputRoutingTest, ::testing::Values(Path::InputChannel, Path::VideoChannel),
                         [](const auto& info) { return info.param == Path::InputChannel ? "InputChannel" : "VideoChannel"; });

// The rest run on the input channel: it alone carries whole UTF-16 characters and focuses
// before a click.
class InputChannelTest : public InputRoutingTest {};

TEST_P(InputChannelTest, TypedTextArrivesExactly) {
  auto p = pattern("type", {"--x", "100", "--y", "100", "--static"});
  const std::uint8_t id = stream(*p);
  ASSERT_TRUE(send(event(id, kMouse, kDown, 32768, 32768)));
  ASSERT_TRUE(send(event(id, kMouse, kUp, 32768, 32768)));
  for (char16_t unit : utf16(U"Hello, é€ 😀")) ASSERT_TRUE(send(event(id, kKeyboard, kCharacter, unit)));
  EXPECT_TRUE(waitFor([&] { return p->text() == "Hello, é€ 😀"; })) << p->text();
}

// The characters the user chose, whatever layout the desktop has: the German one moves Y, Z and
// most punctuation, and keys still mean what they mean on a US keyboard.
TEST_P(InputChannelTest, TypedTextAndKeysArriveWithAGermanLayout) {
  const testing::ScopedKeyboardLayout german("de");
  ASSERT_TRUE(german.loaded());
  auto p = pattern("german", {"--x", "100", "--y", "100", "--static"});
  const std::uint8_t id = stream(*p);
  ASSERT_TRUE(send(event(id, kMouse, kDown, 32768, 32768)));
  ASSERT_TRUE(send(event(id, kMouse, kUp, 32768, 32768)));
  for (char16_t unit : utf16(U"Hello, é€ 😀 yz@")) ASSERT_TRUE(send(event(id, kKeyboard, kCharacter, unit)));
  for (std::uint8_t vk : {0x5A, 0x59}) {  // Z, Y
    ASSERT_TRUE(send(event(id, kKeyboard, kKeyDown, 0, 0, vk)));
    ASSERT_TRUE(send(event(id, kKeyboard, kKeyUp, 0, 0, vk)));
  }
  EXPECT_TRUE(waitFor([&] { return p->text() == "Hello, é€ 😀 yz@zy"; })) << p->text();
}

TEST_P(InputChannelTest, TwoHundredCharactersArriveInOrder) {
  auto p = pattern("burst", {"--x", "100", "--y", "100", "--static"});
  const std::uint8_t id = stream(*p);
  ASSERT_TRUE(send(event(id, kMouse, kDown, 32768, 32768)));
  ASSERT_TRUE(send(event(id, kMouse, kUp, 32768, 32768)));
  std::string expected;
  for (int i = 0; i < 200; ++i) {
    const char c = "abcdefghijklmnopqrstuvwxyz0123456789"[(i * 7) % 36];
    expected.push_back(c);
    ASSERT_TRUE(send(event(id, kKeyboard, kCharacter, static_cast<std::uint16_t>(c))));
  }
  EXPECT_TRUE(waitFor([&] { return p->text() == expected; }, 15000ms)) << p->text();
}

TEST_P(InputChannelTest, ButtonDownActivatesACoveredWindowAndTheClickLandsOnIt) {
  auto below = pattern("below", {"--x", "300", "--y", "200", "--width", "600", "--height", "400", "--static"});
  auto cover = pattern("cover", {"--x", "250", "--y", "150", "--width", "700", "--height", "500", "--blank"});
  ASSERT_TRUE(waitFor([&] { return windows_->foregroundWindow() == cover->window(); }));
  const std::uint8_t id = stream(*below);
  ASSERT_TRUE(send(event(id, kMouse, kDown, 32768, 32768)));
  ASSERT_TRUE(send(event(id, kMouse, kUp, 32768, 32768)));
  EXPECT_TRUE(waitFor([&] { return below->buttons() == "1+ 1-"; })) << below->buttons();
  EXPECT_EQ(windows_->foregroundWindow(), below->window());
  EXPECT_EQ(cover->buttons(), "");
}

// The video channel verifies clicks: one that another window takes is reported (and pressed).
TEST_P(InputChannelTest, ClickOnACoveredPointOfTheVideoChannelIsAMismatch) {
  auto below = pattern("mbelow", {"--x", "300", "--y", "200", "--width", "600", "--height", "400", "--static"});
  auto cover = pattern("mcover", {"--x", "250", "--y", "150", "--width", "700", "--height", "500", "--blank"});
  const std::uint8_t id = stream(*below);
  ASSERT_TRUE(client_->sendVideoInput(event(id, kMouse, kDown, 32768, 32768)));
  ASSERT_TRUE(client_->sendVideoInput(event(id, kMouse, kUp, 32768, 32768)));
  char intended[64];
  std::snprintf(intended, sizeof intended, "Click mismatch: intended %llx, actual ",
                static_cast<unsigned long long>(below->window()));
  EXPECT_TRUE(host_->waitForLog(intended)) << host_->log();
  EXPECT_TRUE(waitFor([&] { return cover->buttons() == "1+ 1-"; })) << cover->buttons();
}

TEST_P(InputChannelTest, WindowResizeResizesAndTheNextStreamConfigHasTheNewSize) {
  auto p = pattern("resize", {"--x", "100", "--y", "100", "--width", "640", "--height", "480"});
  const std::uint8_t id = stream(*p);
  auto& ws = client_->signaling();
  ws.send(json{{"type", "window_resize"}, {"streamId", id}, {"windowId", p->window()}, {"width", 800}, {"height", 600}}.dump());
  const auto reply = ws.readOfType("window_resized");
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->at("success"), true);
  EXPECT_TRUE(waitFor([&] {
    const auto r = windows_->clientRect(p->window());
    return r && r->width == 800 && r->height == 600;
  }));
  std::optional<json> config;
  for (int i = 0; i < 20; ++i) {
    config = ws.readOfType("stream_config");
    if (!config || config->at("width") == 800) break;
  }
  ASSERT_TRUE(config);
  EXPECT_EQ(config->at("width"), 800);
  EXPECT_EQ(config->at("height"), 600);
  EXPECT_EQ(config->at("streamId"), id);
}

TEST_P(InputChannelTest, DisconnectWithShiftAndTheLeftButtonHeldReleasesBoth) {
  auto p = pattern("release", {"--x", "100", "--y", "100", "--static"});
  const std::uint8_t id = stream(*p);
  ASSERT_TRUE(send(event(id, kKeyboard, kKeyDown, 0, 0, 0x41, 0x01)));  // Shift+A held
  ASSERT_TRUE(send(event(id, kMouse, kDown, 32768, 32768)));            // mid-drag
  ASSERT_TRUE(waitFor([&] { return p->buttons() == "1+"; })) << p->buttons();
  client_.reset();
  EXPECT_TRUE(waitFor([&] { return p->buttons() == "1+ 1-"; })) << p->buttons();
  EXPECT_TRUE(waitFor([&] {
    for (const auto& k : p->of("key")) {
      if (!k.value("pressed", true) && k.value("keysym", 0u) == 0xFFE1) return true;  // Shift_L released
    }
    return false;
  }));
}

INSTANTIATE_TEST_SUITE_P(Input, InputChannelTest, ::testing::Values(Path::InputChannel),
                         [](const auto&) { return "InputChannel"; });

}  // namespace
}  // namespace parvalon::host
