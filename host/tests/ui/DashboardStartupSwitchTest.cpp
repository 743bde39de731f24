#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/DashboardLayout.h"
#include "ui/HeadlessBackend.h"
#include "ui/UIManager.h"

// The Settings page's "Start with the desktop session" switch: it shows the record's
// startWithSession and hands a change to the settings callback, which writes or removes the
// autostart entry (a switch bound to anything else would leave the entry as it was).
namespace parvalon::host {
namespace {

using testing::HeadlessBackend;

class DashboardStartupSwitch : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no session autostart entry yet";
#endif
    DashboardResources resources;
    resources.localAddress = [] { return std::string("192.0.2.10"); };
    ui_ = std::make_unique<UIManager>(std::make_unique<HeadlessBackend>(state_), resources);
    ASSERT_TRUE(ui_->initialize());
    ui_->actions().onSettingsChanged = [this](const UISettings& s) { changes_.push_back(s.startWithSession); };
    ui_->setCurrentPage(UIManager::kSettings);
    for (int i = 0; i < 3; ++i) ui_->render();
  }

  // A press and a release at `at`, then a frame with the mouse away.
  void click(ImVec2 at) {
    for (const bool down : {false, true, false}) {
      state_.mousePos = at;
      state_.mouseDown = down;
      ui_->render();
    }
    state_.mousePos = ImVec2(-1, -1);
    ui_->render();
  }

  // Clicks down the page's left edge, below the port rows, until a click changes a setting; the
  // switch is the first widget there that does.
  std::optional<ImVec2> findSwitch() {
    for (float y = 120; y < 700; y += 6) {
      for (const float x : {layout::kSidebarWidth + 30.0f, layout::kSidebarWidth + 45.0f}) {
        click(ImVec2(x, y));
        if (!changes_.empty()) return ImVec2(x, y);
      }
    }
    return std::nullopt;
  }

  HeadlessBackend::State state_;
  std::unique_ptr<UIManager> ui_;
  std::vector<bool> changes_;
};

TEST_F(DashboardStartupSwitch, TogglingFiresTheSettingsCallbackWithTheNewState) {
  const auto at = findSwitch();
  ASSERT_TRUE(at) << "no click on the Settings page changed a setting";
  EXPECT_EQ(changes_, std::vector<bool>{true});
  EXPECT_TRUE(ui_->state().settings().startWithSession);
  click(*at);
  EXPECT_EQ(changes_, (std::vector<bool>{true, false}));
  EXPECT_FALSE(ui_->state().settings().startWithSession);
}

TEST_F(DashboardStartupSwitch, ShowsTheStateItWasGivenAtStart) {
  // The entry existed when the host started: the switch is on, and a click turns it off.
  ui_->state().settings().startWithSession = true;
  ui_->render();
  const auto at = findSwitch();
  ASSERT_TRUE(at);
  EXPECT_EQ(changes_, std::vector<bool>{false});
  // And it is the switch, not "Reset to Defaults" (which also turns autostart off): it turns on again.
  click(*at);
  EXPECT_EQ(changes_, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace parvalon::host
