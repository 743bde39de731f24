#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/TestPatternProcess.h"
#include "XcbScreen.h"
#include "support/FreePortSettings.h"
#include "support/VideoTestClient.h"
#include "fakes/TestFolder.h"
#include "fakes/WaitUntil.h"
#include "fakes/WsTestClient.h"
#include "support/HostProcess.h"

// The real host's dashboard on the virtual desktop: pixels of its window, clicks with xdotool,
// a headset's channels, and closing the window. Screenshots land in <build>/test-artifacts/ui.
namespace parvalon::host {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using tools::Rgb;
using tools::Shot;

bool isNear(Rgb actual, Rgb expected, int tolerance) {
  return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
         std::abs(actual.b - expected.b) <= tolerance;
}

::testing::AssertionResult near(Rgb actual, Rgb expected, int tolerance = 3) {
  if (isNear(actual, expected, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << actual.r << ", " << actual.g << ", " << actual.b
                                       << ") expected (" << expected.r << ", " << expected.g << ", " << expected.b
                                       << ")";
}

struct Rect {
  int x, y, width, height;
};

// Pixels of `colour` inside `area`.
int countColour(const Shot& shot, Rect area, Rgb colour, int tolerance = 6) {
  int count = 0;
  for (int y = area.y; y < std::min(area.y + area.height, shot.height); ++y) {
    for (int x = area.x; x < std::min(area.x + area.width, shot.width); ++x) {
      if (isNear(shot.at(x, y), colour, tolerance)) ++count;
    }
  }
  return count;
}

constexpr Rgb kSidebar{13, 13, 20};
constexpr Rgb kAccent{115, 89, 230};
constexpr Rgb kDotWaiting{115, 115, 140};
constexpr Rgb kDotConnected{77, 217, 140};
constexpr Rgb kSuccess{77, 217, 140};
constexpr Rgb kBackground{15, 15, 26};
constexpr Rgb kInfoTag{102, 204, 102};
constexpr Rgb kWarnTag{255, 204, 51};
// Inside the navigation buttons, right of their labels: Dashboard and Logs (the sixth).
constexpr int kButtonX = 235;
constexpr int kDashboardButtonY = 203;
constexpr int kStreamingButtonY = kDashboardButtonY + 52;  // 48 px buttons, 4 px apart
constexpr int kLogsButtonY = kDashboardButtonY + 5 * 52;
// "  About" sits 80 px above the sidebar's end: the bar, 15 px, then the button.
constexpr int kAboutButtonY = 900 - 56 - 80 + 1 + 15 + 24;
// The status bar's dot: at (25, 18) in the bar, centre 6 px right and 8 px down.
constexpr int kDotX = 25 + 6;
constexpr int kDotFromBottom = 56 - 18 - 8;
// Streaming page: the "Quality Preset" combo and, once open, its "Medium (20 Mbps)" line.
constexpr int kPresetComboX = 420;
constexpr int kPresetComboY = 169;
constexpr int kMediumItemY = 249;
// Logs page: the "##LogLevel" combo, its "Warn+" line, and the scrolling log area.
constexpr int kLevelComboX = 1285;
constexpr int kLevelComboY = 121;
constexpr int kWarnItemY = 259;
constexpr Rect kLogArea{262, 190, 1130, 630};
// Dashboard page: the first line of the window list.
constexpr int kFirstWindowX = 600;
constexpr int kFirstWindowY = 450;
constexpr Rect kFirstWindowTitle{290, 435, 250, 25};
constexpr Rect kFirstWindowState{1220, 435, 160, 40};

int runCommand(const std::string& command) { return std::system(command.c_str()); }

// One real host with free ports and its own data folder, and its window on the desktop.
class DashboardWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs the virtual desktop (scripts/test.sh)";
    ports_ = test::writeSettingsWithFreePorts(folder_.path());
  }
  void TearDown() override { host_.reset(); }

  void startHost() {
    host_ = std::make_unique<test::HostProcess>(folder_.path());
    ASSERT_TRUE(host_->startAndWaitForMainLoop()) << host_->output();
    ASSERT_TRUE(screen_.ok());
    ASSERT_TRUE(testing::waitUntil([&] { return (window_ = screen_.windowOf(host_->pid())) != 0; }, 10s));
    // The first frames may still be the clear colour: wait until the sidebar is drawn.
    ASSERT_TRUE(waitForShot([&] { return near(shot_.at(5, 450), kSidebar); }))
        << (shot_.rgb.empty() ? std::string("no image") : std::string(near(shot_.at(5, 450), kSidebar).message()));
  }

  bool grab() {
    shot_ = screen_.grab(window_);
    return !shot_.rgb.empty() && shot_.width >= 1400 && shot_.height >= 900;
  }
  // Grabs until `check` holds for the latest picture (bounded).
  template <class Check>
  bool waitForShot(Check check, std::chrono::milliseconds limit = 30s) {
    return testing::waitUntil([&] { return grab() && static_cast<bool>(check()); }, limit);
  }
  void save(const std::string& name) const {
    const fs::path folder = fs::path(PARVALON_BINARY_DIR) / "test-artifacts" / "ui";
    fs::create_directories(folder);
    shot_.savePng((folder / name).string());
  }
  Rgb dot() const { return shot_.at(kDotX, shot_.height - kDotFromBottom); }

  // A click at window coordinates. The pauses let the dashboard see the pointer over the spot in
  // a frame of its own (it reads the pointer once per frame); the pointer then leaves for an
  // empty spot so no hover colour stays behind.
  void click(int x, int y) {
    const std::string id = std::to_string(window_);
    ASSERT_EQ(runCommand("xdotool mousemove --window " + id + " " + std::to_string(x) + " " + std::to_string(y) +
                         " sleep 0.3 click 1 sleep 0.3 mousemove --window " + id + " 1390 890 sleep 0.2"),
              0);
  }
  // Clicks a navigation button and waits until it shows selected.
  void openPage(int buttonY, const char* name) {
    click(kButtonX, buttonY);
    EXPECT_TRUE(waitForShot([&] { return near(shot_.at(kButtonX, buttonY), kAccent); }))
        << name << ": " << near(shot_.at(kButtonX, buttonY), kAccent).message();
  }

  // Closes the window as a window manager does: the host ends with 0 and the exit line is the
  // last line of its own.
  void closeAndExpectCleanExit() {
    screen_.requestClose(window_);
    EXPECT_EQ(host_->wait(20s), 0);
    const std::string log = host_->log();
    const std::string last = "Parvalon Host exiting";
    const auto at = log.rfind(last);
    ASSERT_NE(at, std::string::npos) << log;
    // Only the logger's own farewell follows the exit line.
    const std::string rest = log.substr(at + last.size());
    EXPECT_EQ(std::count(rest.begin(), rest.end(), '\n'), 2) << rest;
    EXPECT_NE(rest.find("Shutting down logging"), std::string::npos) << rest;
  }

  std::size_t logCount(const std::string& text) const {
    const std::string log = host_->log();
    std::size_t count = 0;
    for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + text.size())) ++count;
    return count;
  }

  testing::TestFolder folder_{"parvalon-dashboard"};
  test::HostPorts ports_;
  std::unique_ptr<test::HostProcess> host_;
  tools::XcbScreen screen_;
  xcb_window_t window_ = 0;
  Shot shot_;
};

TEST_F(DashboardWindow, DrawsTheThemeSwitchesPagesAndClosesCleanly) {
  startHost();
  save("dashboard.png");
  EXPECT_TRUE(near(shot_.at(5, 450), kSidebar));
  EXPECT_TRUE(near(shot_.at(kButtonX, kDashboardButtonY), kAccent));
  EXPECT_TRUE(near(shot_.at(kButtonX, kLogsButtonY), kSidebar));
  EXPECT_TRUE(waitForShot([&] { return near(dot(), kDotWaiting); }));
  EXPECT_TRUE(near(shot_.at(shot_.width - 40, 60), kBackground));
  EXPECT_TRUE(near(shot_.at(shot_.width - 40, shot_.height - 10), kSidebar));  // status bar

  const struct {
    const char* name;
    int y;
  } pages[] = {{"streaming", kStreamingButtonY},          {"audio", kDashboardButtonY + 2 * 52},
               {"input", kDashboardButtonY + 3 * 52},     {"settings", kDashboardButtonY + 4 * 52},
               {"logs", kLogsButtonY},                    {"about", kAboutButtonY},
               {"dashboard-again", kDashboardButtonY}};
  for (const auto& page : pages) {
    openPage(page.y, page.name);
    if (page.y != kDashboardButtonY) {
      EXPECT_TRUE(near(shot_.at(kButtonX, kDashboardButtonY), kSidebar)) << page.name;
    }
    save(std::string("page-") + page.name + ".png");
  }
  closeAndExpectCleanExit();
}

// A headset says hello (the dot turns green), the operator picks the Medium preset (saved at
// once, four times) and filters the log down to warnings.
TEST_F(DashboardWindow, ClientStatusPresetAndLogFilter) {
  startHost();
  EXPECT_TRUE(waitForShot([&] { return near(dot(), kDotWaiting); }));
  save("status-waiting.png");

  testing::WsTestClient ws(ports_.signaling);
  ws.send(R"({"type":"hello","clientName":"Dashboard Test Headset"})");
  ASSERT_TRUE(ws.read());
  EXPECT_TRUE(waitForShot([&] { return near(dot(), kDotConnected); })) << near(dot(), kDotConnected).message();
  save("status-connected.png");

  openPage(kStreamingButtonY, "streaming");
  const std::size_t savesBefore = logCount("Settings saved to");
  click(kPresetComboX, kPresetComboY);
  ASSERT_TRUE(grab());
  save("streaming-preset-open.png");
  click(kPresetComboX, kMediumItemY);
  const fs::path settingsFile = folder_.path() / "Parvalon" / "settings.json";
  nlohmann::json stored;
  EXPECT_TRUE(testing::waitUntil([&] {
    std::ifstream in(settingsFile);
    stored = nlohmann::json::parse(in, nullptr, false);
    return stored.is_object() && stored.value("targetBitrate", 0) == 20000 && stored.value("maxBitrate", 0) == 30000 &&
           logCount("Settings saved to") == savesBefore + 4;
  }, 10s)) << stored.dump() << "\n" << host_->log();
  EXPECT_EQ(logCount("Settings saved to"), savesBefore + 4);
  EXPECT_EQ(logCount("Settings changed - FPS: 72, Bitrate: 20000 kbps"), 1u);
  ASSERT_TRUE(grab());
  save("streaming-medium.png");

  // Three warnings for the log view, the newest lines when its page opens.
  for (int i = 0; i < 3; ++i) ws.send(R"({"type":"dashboard_test_unknown"})");
  ASSERT_TRUE(testing::waitUntil([&] { return logCount("Unknown message type: 'dashboard_test_unknown'") == 3; }));
  openPage(kLogsButtonY, "logs");
  // Every level shows at first: info lines in green, the warnings in yellow.
  EXPECT_TRUE(waitForShot([&] {
    return countColour(shot_, kLogArea, kInfoTag) > 20 && countColour(shot_, kLogArea, kWarnTag) > 20;
  })) << countColour(shot_, kLogArea, kInfoTag) << " info, " << countColour(shot_, kLogArea, kWarnTag) << " warn";
  save("logs-all.png");
  click(kLevelComboX, kLevelComboY);
  ASSERT_TRUE(grab());
  save("logs-filter-open.png");
  click(kLevelComboX, kWarnItemY);
  EXPECT_TRUE(waitForShot([&] {
    return countColour(shot_, kLogArea, kInfoTag) == 0 && countColour(shot_, kLogArea, kWarnTag) > 20;
  })) << countColour(shot_, kLogArea, kInfoTag) << " info, " << countColour(shot_, kLogArea, kWarnTag) << " warn";
  save("logs-warn.png");

  closeAndExpectCleanExit();
}

// A click on the test pattern in the window list streams it to the headset's video channel; a
// second click stops the stream.
TEST_F(DashboardWindow, WindowListClicksStartAndStopAStream) {
  testing::TestPatternProcess pattern({"--title", "A Dashboard Pattern", "--width", "320", "--height", "240"});
  ASSERT_NE(pattern.window(), 0u);
  startHost();
  // The video channel admits the address of a signaling session only.
  testing::WsTestClient headset(ports_.signaling);
  testing::VideoTestClient video(ports_.video);
  ASSERT_TRUE(video.connected());
  ASSERT_TRUE(host_->waitForLog("TCP client connected from 127.0.0.1"));

  // The window list arrives with the 60th loop iteration: wait for the first line's title.
  EXPECT_TRUE(waitForShot([&] { return countColour(shot_, kFirstWindowTitle, Rgb{242, 242, 250}, 12) > 20; }))
      << "window list empty";
  save("window-list.png");
  click(kFirstWindowX, kFirstWindowY);
  const std::string start = "Started capture for window " + std::to_string(pattern.window()) + " on stream 1";
  ASSERT_TRUE(host_->waitForLog(start, 10s)) << host_->log();
  int packets = 0;
  for (int i = 0; i < 3; ++i) {
    const auto packet = video.read(5s);
    ASSERT_TRUE(packet) << i;
    EXPECT_EQ(packet->header.common.streamId, 1);
    ++packets;
  }
  EXPECT_EQ(packets, 3);
  EXPECT_TRUE(waitForShot([&] { return countColour(shot_, kFirstWindowState, kSuccess) > 10; })) << "no \"Streaming\"";
  save("window-streaming.png");

  click(kFirstWindowX, kFirstWindowY);
  ASSERT_TRUE(host_->waitForLog("Stop capture requested for stream 1", 10s)) << host_->log();
  ASSERT_TRUE(host_->waitForLog("Stopped capture for stream 1", 10s)) << host_->log();
  // What was in flight drains; after that nothing more comes.
  for (int i = 0; i < 200 && video.read(1s); ++i) {
  }
  EXPECT_FALSE(video.read(1s));
  EXPECT_TRUE(waitForShot([&] { return countColour(shot_, kFirstWindowState, kSuccess) == 0; }));
  save("window-stopped.png");
  closeAndExpectCleanExit();
}

}  // namespace
}  // namespace parvalon::host
