#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/ApplicationHarness.h"
#include "logging/Log.h"
#include "main/DashboardWindow.h"
#include "main/HostLoop.h"
#include "main/PresentPacer.h"
#include "ui/HeadlessBackend.h"

namespace parvalon::host {
namespace {

constexpr const char* kWindowGone = "test: window destroyed";
constexpr const char* kDashboardGone = "test: dashboard back end shut down";

// What the scripted window does and what the loop did to it; outlives the window.
struct WindowScript {
  int closeAtPoll = 3;           // closeRequested from this poll on
  std::set<int> resizeAtPolls;   // a resize is pending in the iteration of these polls
  std::set<int> lostAtPolls;     // the contents are lost in the iteration of these polls
  std::function<void(int poll)> onPoll;
  bool failDashboard = false;

  int polls = 0;
  int resizesApplied = 0;
  std::vector<int> presentedAtPolls;
  std::function<void()> displayChange;
  testing::HeadlessBackend::State dashboard;
};

class JournalBackend : public testing::HeadlessBackend {
 public:
  JournalBackend(State& state, bool fail) : HeadlessBackend(state), fail_(fail) {}
  bool initialize() override { return !fail_ && HeadlessBackend::initialize(); }
  void shutdown() override {
    HeadlessBackend::shutdown();
    PV_LOG_INFO("{}", kDashboardGone);
  }

 private:
  bool fail_;
};

class ScriptedWindow : public DashboardWindow {
 public:
  explicit ScriptedWindow(WindowScript& script) : script_(script) {}
  ~ScriptedWindow() override { PV_LOG_INFO("{}", kWindowGone); }

  void pollEvents() override {
    ++script_.polls;
    if (script_.onPoll) script_.onPoll(script_.polls);
  }
  bool closeRequested() const override { return script_.polls >= script_.closeAtPoll; }
  bool applyPendingResize() override {
    if (!script_.resizeAtPolls.contains(script_.polls)) return false;
    ++script_.resizesApplied;
    return true;
  }
  bool takeContentsLost() override { return script_.lostAtPolls.contains(script_.polls); }
  void present() override { script_.presentedAtPolls.push_back(script_.polls); }
  std::unique_ptr<DashboardBackend> createDashboardBackend() override {
    return std::make_unique<JournalBackend>(script_.dashboard, script_.failDashboard);
  }
  void setDisplayChangeCallback(std::function<void()> callback) override { script_.displayChange = std::move(callback); }

 private:
  WindowScript& script_;
};

class HostLoopTest : public ApplicationHarness {
 protected:
  void SetUp() override {
    ApplicationHarness::SetUp();
    ports_ = test::writeSettingsWithFreePorts(root_);
  }

  HostLoop::Parts parts() {
    HostLoop::Parts parts;
    parts.createWindow = [this] { return std::make_unique<ScriptedWindow>(script_); };
    parts.createApplication = [this] { return makeApp(); };
    parts.resources.fontFiles = {};
    parts.resources.logoFile = {};
    parts.resources.localAddress = [] { return std::string("127.0.0.1"); };
    return parts;
  }
  int run() { return HostLoop(parts()).run(); }
  int at(const std::string& text) const { return log_.indexOf(text); }

  WindowScript script_;
};

TEST_F(HostLoopTest, ClosingTheWindowEndsTheLoopAndTearsDownDashboardApplicationWindowInOrder) {
  script_.closeAtPoll = 4;
  script_.onPoll = [this](int poll) {
    if (poll == 2) script_.displayChange();
  };
  EXPECT_EQ(run(), 0);

  // The poll that saw the close is the last: nothing is drawn after it.
  EXPECT_EQ(script_.polls, 4);
  EXPECT_TRUE(log_.has(testing::kInfo, "Display configuration changed"));
  const int loop = at("Application initialized, entering main loop...");
  ASSERT_GE(loop, 0);
  EXPECT_LT(loop, at(kDashboardGone));
  EXPECT_LT(at(kDashboardGone), at("Shutting down application..."));
  EXPECT_LT(at("Shutting down application..."), at("Application shutdown complete"));
  EXPECT_LT(at("Application shutdown complete"), at(kWindowGone));
  EXPECT_LT(at(kWindowGone), at("Parvalon Host exiting"));
  EXPECT_FALSE(script_.dashboard.initialized);
}

TEST_F(HostLoopTest, StopRequestEndsTheLoopAsClosingDoes) {
  script_.closeAtPoll = 1000;
  HostLoop::Parts p = parts();
  p.stopRequested = [this] { return script_.polls >= 3; };
  EXPECT_EQ(HostLoop(std::move(p)).run(), 0);
  EXPECT_EQ(script_.polls, 3);
  EXPECT_LT(at(kWindowGone), at("Parvalon Host exiting"));
}

// An unchanged dashboard is not presented again; a resize (even to the same size: the new back
// buffers hold nothing) and lost contents each bring exactly one drawn, presented frame.
TEST_F(HostLoopTest, ResizeAndLostContentsEachRedrawAndPresentOnceAndIdleFramesAreNotPresented) {
  script_.closeAtPoll = 41;
  script_.resizeAtPolls = {25};
  script_.lostAtPolls = {33};
  EXPECT_EQ(run(), 0);

  EXPECT_EQ(script_.resizesApplied, 1);
  ASSERT_FALSE(script_.presentedAtPolls.empty());
  EXPECT_EQ(script_.presentedAtPolls.front(), 1) << "the first frame is shown";
  std::vector<int> late;
  for (int poll : script_.presentedAtPolls) {
    if (poll >= 20) late.push_back(poll);
  }
  EXPECT_EQ(late, (std::vector<int>{25, 33}));
  EXPECT_EQ(static_cast<std::size_t>(script_.dashboard.framesDrawn), script_.presentedAtPolls.size());
}

// Where presenting returns at once (Xvfb, wine) or nothing is presented, the loop still holds
// near the display's rate instead of spinning a core.
TEST_F(HostLoopTest, IdleLoopIsPacedNearTheDisplayRate) {
  constexpr int kIterations = 30;
  script_.closeAtPoll = kIterations + 1;
  std::chrono::steady_clock::time_point firstPoll;
  script_.onPoll = [&](int poll) {
    if (poll == 1) firstPoll = std::chrono::steady_clock::now();
  };
  EXPECT_EQ(run(), 0);
  const auto elapsed = std::chrono::steady_clock::now() - firstPoll;
  // A lower bound only: a loaded machine may take longer, never shorter.
  EXPECT_GE(elapsed, (kIterations - 1) * PresentPacer::kFramePeriod);
  EXPECT_LT(script_.presentedAtPolls.size(), static_cast<std::size_t>(kIterations));
}

// The window list is read from the desktop once every 60 iterations, not every frame.
TEST_F(HostLoopTest, WindowListIsRefreshedOnEverySixtiethIteration) {
  const auto listings = [this] {
    const auto calls = windows_->calls();
    return std::count(calls.begin(), calls.end(), "topLevelWindows()");
  };
  script_.closeAtPoll = 122;
  std::vector<long> seen;  // listings made before the poll of iterations 1, 60, 61, 120, 121
  script_.onPoll = [&](int poll) {
    if (poll == 1 || poll == 60 || poll == 61 || poll == 120 || poll == 121) seen.push_back(listings());
  };
  EXPECT_EQ(run(), 0);
  ASSERT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen[1], seen[0]) << "nothing listed in the first 59 iterations";
  EXPECT_EQ(seen[2], seen[0] + 1) << "the 60th iteration lists once";
  EXPECT_EQ(seen[3], seen[2]);
  EXPECT_EQ(seen[4], seen[2] + 1) << "and the 120th again";
}

TEST_F(HostLoopTest, FailedWindowStopsBeforeTheApplicationIsMade) {
  HostLoop::Parts p = parts();
  bool applicationMade = false;
  p.createWindow = [] { return std::unique_ptr<DashboardWindow>(); };
  p.createApplication = [&] {
    applicationMade = true;
    return makeApp();
  };
  EXPECT_EQ(HostLoop(std::move(p)).run(), 1);
  EXPECT_FALSE(applicationMade);
  EXPECT_EQ(at("Parvalon Host exiting"), -1);
}

TEST_F(HostLoopTest, FailedDashboardTearsDownApplicationThenWindow) {
  script_.failDashboard = true;
  EXPECT_EQ(run(), 1);
  EXPECT_TRUE(log_.has(testing::kError, "Failed to initialize UI"));
  EXPECT_EQ(script_.polls, 0);
  EXPECT_LT(at("Failed to initialize UI"), at("Shutting down application..."));
  EXPECT_LT(at("Shutting down application..."), at(kWindowGone));
  EXPECT_EQ(at("Parvalon Host exiting"), -1);
}

}  // namespace
}  // namespace parvalon::host
