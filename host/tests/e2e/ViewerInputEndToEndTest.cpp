// The viewer used as a person uses it: clicks and keys sent to the viewer's own window drive
// the streamed test pattern through the real host.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/ChildProcess.h"
#include "support/HostProcess.h"
#include "support/FreePortSettings.h"
#include "input/LoggedPattern.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

using testing::runCommand;
using testing::waitFor;

class ViewerInputEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs the virtual desktop (scripts/test.sh starts it)";
    root_ = fs::temp_directory_path() / ("parvalon-viewer-input-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    ports_ = test::writeSettingsWithFreePorts(root_);
    pattern_ = std::make_unique<LoggedPattern>(
        "viewer", std::vector<std::string>{"--title", "Parvalon Viewer Input Pattern", "--x", "40", "--y", "40",
                                           "--width", "640", "--height", "360", "--static"});
    ASSERT_TRUE(testing::waitUntilManaged(*windows_, pattern_->window()));
    host_.emplace(root_);
    ASSERT_TRUE(host_->startAndWaitForMainLoop()) << host_->output();
  }
  void TearDown() override {
    viewer_.reset();
    if (host_) {
      EXPECT_EQ(host_->terminate(), 0) << host_->output();
    }
    host_.reset();
    pattern_.reset();
    runCommand("xdotool mousemove 1910 1070");
    fs::remove_all(root_);
  }

  fs::path root_;
  test::HostPorts ports_;
  std::unique_ptr<LoggedPattern> pattern_;
  std::optional<test::HostProcess> host_;
  std::unique_ptr<test::ChildProcess> viewer_;
  std::shared_ptr<platform::WindowSystem> windows_ = platform::WindowSystem::create();
};

TEST_F(ViewerInputEndToEnd, ClicksAndKeysInTheViewerWindowDriveTheStreamedWindow) {
  viewer_ = std::make_unique<test::ChildProcess>(
      fs::path(PARVALON_BINARY_DIR) / "tools/viewer/parvalon-viewer",
      std::vector<std::string>{"stream", "--host", "127.0.0.1", "--port", std::to_string(ports_.signaling), "--window",
                               std::to_string(pattern_->window()), "--seconds", "60", "--show"},
      root_ / "viewer.txt");
  ASSERT_TRUE(viewer_->start());
  std::string viewerWindow;
  ASSERT_TRUE(waitFor([&] {
    viewerWindow = runCommand("xdotool search --name '^Parvalon Viewer$'");
    return !viewerWindow.empty();
  }, 20000ms)) << viewer_->output();
  viewerWindow = viewerWindow.substr(0, viewerWindow.find('\n'));
  // Beside the pattern, so that the pointer the host moves never lands on the viewer.
  runCommand("xdotool windowmove --sync " + viewerWindow + " 900 500");
  ASSERT_TRUE(host_->waitForLog("TCP input client connected from 127.0.0.1:")) << viewer_->output();
  ASSERT_TRUE(waitFor([&] {
    return runCommand("xdotool getwindowgeometry " + viewerWindow).find("Geometry: 640x360") != std::string::npos;
  })) << runCommand("xdotool getwindowgeometry " + viewerWindow);

  // The pointer over the viewer at (0.25, 0.75) of its picture, then a click delivered to the
  // viewer's window alone: only the host can press anything in the pattern.
  runCommand("xdotool mousemove --window " + viewerWindow + " 160 270");
  runCommand("xdotool click --window " + viewerWindow + " 1");
  ASSERT_TRUE(waitFor([&] { return pattern_->buttons() == "1+ 1-"; })) << pattern_->buttons() << "\n" << viewer_->output();
  const auto press = pattern_->of("button")[0];
  EXPECT_NEAR(press.value("x", -100), 160, 1.0);
  EXPECT_NEAR(press.value("y", -100), 270, 1.0);

  runCommand("xdotool type --window " + viewerWindow + " 'Hello'");
  EXPECT_TRUE(waitFor([&] { return pattern_->text() == "Hello"; })) << pattern_->text();
}

}  // namespace
}  // namespace parvalon::host
