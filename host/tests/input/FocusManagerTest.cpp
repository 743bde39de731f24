#include "input/FocusManager.h"

#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakeWindowSystem.h"
#include "fakes/LogCapture.h"

namespace parvalon::host {
void PrintTo(const FocusResult& r, std::ostream* os) {
  *os << "{" << r.success << ", " << r.strategy << ", " << r.errorCode << "}";
}
namespace {

using std::chrono::milliseconds;

constexpr platform::WindowHandle kWindow = 0xa1;
constexpr platform::WindowHandle kFront = 0xf0;
constexpr std::uint64_t kFrontThread = 0x42;

// The calls that change the desktop, in order (queries left out).
std::vector<std::string> actions(const fakes::FakeWindowSystem& windows) {
  static const std::vector<std::string> kActions = {"restoreWindow", "showWindow", "bringWindowToTop",
                                                    "setForegroundWindow", "setFocus", "setActiveWindow",
                                                    "attachThreadInput", "detachThreadInput"};
  std::vector<std::string> out;
  for (const auto& call : windows.calls()) {
    for (const auto& name : kActions) {
      if (call.rfind(name + "(", 0) == 0) out.push_back(call);
    }
  }
  return out;
}

class FocusManagerTest : public ::testing::Test {
 protected:
  FocusManagerTest() {
    windows_->addWindow({.handle = kFront, .threadId = kFrontThread});
    windows_->addWindow({.handle = kWindow, .threadId = 0x99});
    windows_->setForeground(kFront);
  }
  void start(FocusConfig config) {
    manager_.initialize(config);
    windows_->clearCalls();
  }

  testing::LogCapture log_;
  std::shared_ptr<fakes::FakeWindowSystem> windows_ = std::make_shared<fakes::FakeWindowSystem>();
  std::vector<milliseconds> sleeps_;
  FocusManager manager_{windows_, [this](milliseconds d) { sleeps_.push_back(d); }};
  std::vector<std::pair<platform::WindowHandle, std::string>> failures_;
  void recordFailures() {
    manager_.setFocusFailureCallback(
        [this](platform::WindowHandle w, const char* reason) { failures_.emplace_back(w, reason); });
  }
};

TEST_F(FocusManagerTest, InitializeLogsTheConfiguration) {
  manager_.initialize(FocusConfig{10, 10, false});
  EXPECT_TRUE(log_.has(testing::LogCapture::kInfo, "FocusManager initialized (poll: 10ms x 10, save/restore: false)"));
}

TEST_F(FocusManagerTest, InvalidHandleFailsWithCodeSix) {
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(0x5555), (FocusResult{false, 0, 6}));
  EXPECT_EQ(manager_.focusWindow(platform::kNoWindow), (FocusResult{false, 0, 6}));
  EXPECT_EQ(log_.count(testing::LogCapture::kWarn, "focusWindow called with invalid hwnd"), 2u);
  EXPECT_TRUE(actions(*windows_).empty());
}

TEST_F(FocusManagerTest, ChildOfTheForegroundWindowIsAlreadyInFront) {
  windows_->addWindow({.handle = 0xc1, .parent = kFront});
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(0xc1), (FocusResult{true, 0, 0}));
  EXPECT_TRUE(actions(*windows_).empty());
  EXPECT_TRUE(sleeps_.empty());
}

TEST_F(FocusManagerTest, MinimizedWindowRestoredToTheFront) {
  windows_->modifyWindow(kWindow, [](auto& w) {
    w.minimized = true;
    w.frontOnRestore = true;
  });
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{true, 1, 0}));
  EXPECT_EQ(sleeps_, std::vector<milliseconds>{milliseconds(10)});
  EXPECT_EQ(actions(*windows_), std::vector<std::string>{"restoreWindow(a1)"});
}

// openbox can keep the active-window mark on a window it has just minimised; reporting that
// window as already in front would leave the click on a window nobody sees.
TEST_F(FocusManagerTest, MinimizedWindowStillMarkedActiveIsRestored) {
  windows_->modifyWindow(kWindow, [](auto& w) {
    w.minimized = true;
    w.frontOnRestore = true;
  });
  windows_->setForeground(kWindow);
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{true, 1, 0}));
  EXPECT_EQ(actions(*windows_), std::vector<std::string>{"restoreWindow(a1)"});
}

TEST_F(FocusManagerTest, HiddenWindowShownButNotInFrontGoesOnToTheMainStep) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.visible = false; });
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{true, 2, 0}));
  EXPECT_EQ(sleeps_, std::vector<milliseconds>{milliseconds(10)});  // the restore step's wait only
  EXPECT_EQ(actions(*windows_), (std::vector<std::string>{"showWindow(a1)", "showWindow(a1)", "bringWindowToTop(a1)",
                                                          "setForegroundWindow(a1)"}));
}

TEST_F(FocusManagerTest, MainStepBringsTheWindowToTheFront) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 1; });
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{true, 2, 0}));
  EXPECT_EQ(actions(*windows_),
            (std::vector<std::string>{"showWindow(a1)", "bringWindowToTop(a1)", "setForegroundWindow(a1)"}));
  EXPECT_TRUE(sleeps_.empty());
}

TEST_F(FocusManagerTest, AttachStepWhenTheMainStepDoesNotHold) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 2; });
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{true, 3, 0}));
  // The attach is refused (as on X11): no focus or activation calls, nothing to detach.
  EXPECT_EQ(actions(*windows_), (std::vector<std::string>{"showWindow(a1)", "bringWindowToTop(a1)",
                                                          "setForegroundWindow(a1)", "attachThreadInput(7001,42)",
                                                          "bringWindowToTop(a1)", "setForegroundWindow(a1)"}));
  EXPECT_EQ(sleeps_, std::vector<milliseconds>(10, milliseconds(10)));
}

TEST_F(FocusManagerTest, AttachedInputAlsoFocusesAndDetachesAfterwards) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 2; });
  windows_->setAttachSucceeds(true);
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{true, 3, 0}));
  const auto calls = actions(*windows_);
  EXPECT_EQ(std::vector<std::string>(calls.begin() + 3, calls.end()),
            (std::vector<std::string>{"attachThreadInput(7001,42)", "bringWindowToTop(a1)", "setForegroundWindow(a1)",
                                      "setFocus(a1)", "setActiveWindow(a1)", "detachThreadInput(7001,42)"}));
}

TEST_F(FocusManagerTest, AllStrategiesFailedReportsTheReason) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 0; });
  windows_->setLastError(5);
  start(FocusConfig{});
  recordFailures();
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{false, 0, 5}));
  EXPECT_TRUE(log_.has(testing::LogCapture::kWarn, "All focus strategies failed for hwnd a1"));
  EXPECT_EQ(failures_, (std::vector<std::pair<platform::WindowHandle, std::string>>{
                           {kWindow, "Click inside this panel once to enable typing"}}));
  // Main step 10 × 10 ms, attach step 50 / 10 = 5 polls.
  EXPECT_EQ(sleeps_, std::vector<milliseconds>(15, milliseconds(10)));
}

TEST_F(FocusManagerTest, PollCountZeroStillChecksOnce) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 0; });
  start(FocusConfig{0, 10, false});
  EXPECT_FALSE(manager_.focusWindow(kWindow).success);
  EXPECT_EQ(sleeps_, std::vector<milliseconds>(1 + 5, milliseconds(10)));
}

TEST_F(FocusManagerTest, LongPollIntervalGivesTheAttachStepOnePoll) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 0; });
  start(FocusConfig{10, 100, false});
  EXPECT_FALSE(manager_.focusWindow(kWindow).success);
  EXPECT_EQ(sleeps_, std::vector<milliseconds>(10 + 1, milliseconds(100)));
}

TEST_F(FocusManagerTest, NoForegroundWindowSkipsTheAttach) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 2; });
  windows_->setForeground(platform::kNoWindow);
  start(FocusConfig{});
  EXPECT_EQ(manager_.focusWindow(kWindow), (FocusResult{true, 3, 0}));
  const auto calls = actions(*windows_);
  EXPECT_EQ(calls.back(), "setForegroundWindow(a1)");
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("attach", 0) == 0; }), 0);
}

TEST_F(FocusManagerTest, SavedForegroundIsTakenOnceAndGivenBack) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 0; });
  windows_->addWindow({.handle = 0xb2});
  start(FocusConfig{10, 10, true});
  EXPECT_FALSE(manager_.focusWindow(kWindow).success);
  windows_->setForeground(0xb2);
  EXPECT_FALSE(manager_.focusWindow(kWindow).success);
  windows_->clearCalls();
  manager_.restoreFocus();
  EXPECT_EQ(actions(*windows_), std::vector<std::string>{"setForegroundWindow(f0)"});  // the first one, not b2
  EXPECT_EQ(windows_->foregroundWindow(), kFront);
  windows_->clearCalls();
  manager_.restoreFocus();  // no longer initialized: nothing
  EXPECT_TRUE(actions(*windows_).empty());
}

TEST_F(FocusManagerTest, InvalidHandleLeavesTheSavedWindowAlone) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 0; });
  start(FocusConfig{10, 10, true});
  manager_.focusWindow(0x5555);
  windows_->setForeground(0xb2);
  manager_.focusWindow(kWindow);  // saves b2 now: the invalid call saved nothing
  windows_->addWindow({.handle = 0xb2});
  windows_->clearCalls();
  manager_.restoreFocus();
  EXPECT_EQ(actions(*windows_), std::vector<std::string>{"setForegroundWindow(b2)"});
}

TEST_F(FocusManagerTest, DestroyedSavedWindowIsNotRestored) {
  windows_->modifyWindow(kWindow, [](auto& w) { w.frontAfterSetForeground = 0; });
  start(FocusConfig{10, 10, true});
  manager_.focusWindow(kWindow);
  windows_->removeWindow(kFront);
  windows_->clearCalls();
  manager_.restoreFocus();
  EXPECT_TRUE(actions(*windows_).empty());
}

}  // namespace
}  // namespace parvalon::host
