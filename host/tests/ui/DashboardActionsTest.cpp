#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/DashboardActions.h"
#include "ui/DashboardState.h"
#include "ui/UIManager.h"

namespace parvalon::host {
namespace {

protocol::WindowInfo window(std::uint32_t id, std::string title) {
  protocol::WindowInfo info;
  info.id = id;
  info.title = std::move(title);
  info.processName = "proc" + std::to_string(id);
  return info;
}

// Target and maximum bitrate, per settings change.
using Bitrates = std::vector<std::pair<std::int32_t, std::int32_t>>;

// The dashboard's state and actions, nothing drawn.
struct Dashboard {
  DashboardState state;
  DashboardActions actions{state};
  std::vector<UISettings> changes;
  std::vector<std::uint32_t> starts;
  std::vector<std::uint8_t> stops;
  bool startResult = true;
  std::uint8_t nextStream = 1;  // the host's numbering

  Dashboard() {
    actions.onSettingsChanged = [this](const UISettings& s) { changes.push_back(s); };
    actions.onStartCapture = [this](std::uint32_t windowId) -> std::optional<std::uint8_t> {
      starts.push_back(windowId);
      if (!startResult) return std::nullopt;
      return nextStream++;
    };
    actions.onStopCapture = [this](std::uint8_t streamId) { stops.push_back(streamId); };
  }
  Bitrates bitrates() const {
    Bitrates out;
    for (const auto& c : changes) out.emplace_back(c.bitrateKbps, c.maxBitrateKbps);
    return out;
  }
};

struct PresetCase {
  std::int32_t index;
  std::int32_t bitrateKbps;
  std::int32_t maxBitrateKbps;
};

class QualityPresetTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(QualityPresetTest, SetsBitratesAndFiresOneChange) {
  Dashboard d;
  d.state.settings().bitrateKbps = 35000;
  d.state.settings().maxBitrateKbps = 52500;
  d.actions.selectQualityPreset(GetParam().index);
  ASSERT_EQ(d.bitrates(), (Bitrates{{GetParam().bitrateKbps, GetParam().maxBitrateKbps}}));
  EXPECT_EQ(d.changes[0].qualityPreset, GetParam().index);
  EXPECT_EQ(d.state.settings(), d.changes[0]);
}

INSTANTIATE_TEST_SUITE_P(Presets, QualityPresetTest,
                         ::testing::Values(PresetCase{0, 10000, 15000}, PresetCase{1, 20000, 30000},
                                           PresetCase{2, 50000, 75000}, PresetCase{3, 100000, 150000},
                                           // Custom leaves whatever the slider set.
                                           PresetCase{4, 35000, 52500}));

TEST(DashboardSettings, PresetOutOfRangeChangesNothing) {
  Dashboard d;
  d.actions.selectQualityPreset(5);
  d.actions.selectQualityPreset(-1);
  EXPECT_TRUE(d.changes.empty());
  EXPECT_EQ(d.state.settings(), UISettings{});
}

TEST(DashboardSettings, MediumThenSliderSwitchesToCustomWithMaximumOneAndAHalfTimesTarget) {
  Dashboard d;
  d.actions.selectQualityPreset(1);
  d.actions.setBitrateFromSlider(35);
  ASSERT_EQ(d.bitrates(), (Bitrates{{20000, 30000}, {35000, 52500}}));
  EXPECT_EQ(d.changes[1].qualityPreset, kCustomQualityPreset);
}

TEST(DashboardSettings, SliderValueTypedOutsideItsRangeIsClamped) {
  Dashboard d;
  d.actions.setBitrateFromSlider(1000);
  d.actions.setBitrateFromSlider(0);
  EXPECT_EQ(d.bitrates(), (Bitrates{{150000, 225000}, {5000, 7500}}));
}

TEST(DashboardSettings, ResetToDefaultsRestoresEveryFieldAndFiresOnce) {
  Dashboard d;
  UISettings& s = d.state.settings();
  s.signalingPort = 1;
  s.videoPort = 2;
  s.audioPort = 3;
  s.inputPort = 4;
  s.targetFps = 120;
  s.codec = "hevc";
  s.audioBitrateKbps = 320;
  s.micPassthrough = true;
  s.micVolume = 10;
  s.noiseCancellation = false;
  s.trackControllers = false;
  s.forwardTracking = true;
  s.lowLatencyMode = false;
  s.adaptiveBitrate = false;
  s.sliceEncoding = false;
  s.sharpeningEnabled = true;
  s.sharpness = 0.2f;
  s.fullRangeColor = true;
  s.vsyncEnabled = true;
  d.actions.setBitrateFromSlider(35);
  d.changes.clear();

  d.actions.resetToDefaults();

  ASSERT_EQ(d.changes.size(), 1u);
  const UISettings& r = d.changes[0];
  EXPECT_EQ(r.signalingPort, 9876);
  EXPECT_EQ(r.videoPort, 9944);
  EXPECT_EQ(r.audioPort, 9945);
  EXPECT_EQ(r.inputPort, 9946);
  EXPECT_EQ(r.qualityPreset, 2);  // High
  EXPECT_EQ(r.targetFps, 72);
  EXPECT_EQ(r.bitrateKbps, 50000);  // the slider shows 50
  EXPECT_EQ(r.maxBitrateKbps, 100000);
  EXPECT_EQ(r.codec, "h264");
  EXPECT_EQ(r.audioBitrateKbps, 128);
  EXPECT_FALSE(r.micPassthrough);
  EXPECT_EQ(r.micVolume, 85);
  EXPECT_TRUE(r.noiseCancellation);
  EXPECT_TRUE(r.trackControllers);
  EXPECT_FALSE(r.forwardTracking);
  EXPECT_TRUE(r.lowLatencyMode);
  EXPECT_TRUE(r.adaptiveBitrate);
  EXPECT_TRUE(r.sliceEncoding);
  EXPECT_FALSE(r.sharpeningEnabled);
  EXPECT_FLOAT_EQ(r.sharpness, 0.7f);
  EXPECT_FALSE(r.fullRangeColor);
  EXPECT_FALSE(r.vsyncEnabled);
}

TEST(DashboardSettings, FrameRateButtonSetsTargetFps) {
  Dashboard d;
  d.actions.setTargetFps(90);
  ASSERT_EQ(d.changes.size(), 1u);
  EXPECT_EQ(d.changes[0].targetFps, 90);
}

// A dashboard without a back end never draws, yet its widgets' actions work.
TEST(DashboardSettings, WidgetsWorkWithoutCallbacksOrBackend) {
  UIManager ui{nullptr};
  EXPECT_FALSE(ui.initialize());
  ui.render();
  EXPECT_FALSE(ui.frameDrawn());
  ui.actions().selectQualityPreset(0);
  ui.actions().resetToDefaults();
  ui.state().setWindowList({window(7, "a")});
  ui.actions().toggleWindow(0);
  EXPECT_EQ(ui.state().settings(), UISettings{});
  EXPECT_FALSE(ui.state().windows()[0].streaming);  // nothing started it
}

// The marks follow the host's streams, whoever started them: a window a headset streams shows
// "Streaming" too, but a click on it starts the dashboard's own stream and never stops the
// headset's.
TEST(DashboardWindowList, MarksFollowTheHostsStreamsOfEveryOwner) {
  Dashboard d;
  d.state.setWindowList({window(10, "ten"), window(20, "twenty"), window(30, "thirty")});
  d.state.setStreams({StreamMark{20, 1, false}});  // the headset streams window 20
  d.nextStream = 2;
  const auto& w = d.state.windows();
  EXPECT_FALSE(w[0].streaming);
  EXPECT_TRUE(w[1].streaming);
  EXPECT_FALSE(w[1].dashboardStream);

  d.actions.toggleWindow(1);
  EXPECT_EQ(d.starts, std::vector<std::uint32_t>{20});
  EXPECT_EQ(d.state.windows()[1].dashboardStream, std::optional<std::uint8_t>(2));
  d.actions.toggleWindow(1);
  EXPECT_EQ(d.stops, std::vector<std::uint8_t>{2});  // its own, not the headset's 1
  EXPECT_TRUE(d.state.windows()[1].streaming);

  // The list is replaced: marks come from the streams, not from the old entries.
  d.state.setStreams({StreamMark{20, 1, false}, StreamMark{30, 3, true}});
  d.state.setWindowList({window(40, "forty"), window(30, "thirty"), window(20, "twenty renamed")});
  EXPECT_FALSE(d.state.windows()[0].streaming);
  EXPECT_EQ(d.state.windows()[1].dashboardStream, std::optional<std::uint8_t>(3));
  EXPECT_TRUE(d.state.windows()[2].streaming);
  EXPECT_EQ(d.state.windows()[2].title, "twenty renamed");
  // A dashboard stream that ended by itself (its window closed) loses its mark.
  d.state.setStreams({});
  EXPECT_FALSE(d.state.windows()[1].streaming);
  EXPECT_FALSE(d.state.windows()[1].dashboardStream);
}

TEST(DashboardWindowList, ClickTwiceStartsThenStopsWithTheHostsNumbers) {
  Dashboard d;
  d.state.setWindowList({window(10, "ten"), window(20, "twenty")});
  d.actions.toggleWindow(0);
  d.actions.toggleWindow(0);
  d.actions.toggleWindow(0);
  EXPECT_EQ(d.starts, (std::vector<std::uint32_t>{10, 10}));
  EXPECT_EQ(d.stops, std::vector<std::uint8_t>{1});
  EXPECT_TRUE(d.state.windows()[0].streaming);
  EXPECT_EQ(d.state.windows()[0].dashboardStream, std::optional<std::uint8_t>(2));
}

TEST(DashboardWindowList, FailedStartStaysReady) {
  Dashboard d;
  d.state.setWindowList({window(10, "ten"), window(20, "twenty")});
  d.startResult = false;
  d.actions.toggleWindow(0);
  EXPECT_FALSE(d.state.windows()[0].streaming);
  EXPECT_FALSE(d.state.windows()[0].dashboardStream);
  EXPECT_TRUE(d.stops.empty());
}

TEST(DashboardWindowList, ClickOutsideTheListDoesNothing) {
  Dashboard d;
  d.actions.toggleWindow(0);
  EXPECT_TRUE(d.starts.empty());
}

// The answers to waiting clients and the removal of a trusted one: each names the entry the
// operator clicked, and the entry leaves the shown list before the host's next push.
struct TrustDashboard : Dashboard {
  std::vector<std::uint64_t> allowed;
  std::vector<std::uint64_t> denied;
  std::vector<std::pair<std::string, std::string>> removed;

  TrustDashboard() {
    actions.onAllowClient = [this](std::uint64_t sessionId) { allowed.push_back(sessionId); };
    actions.onDenyClient = [this](std::uint64_t sessionId) { denied.push_back(sessionId); };
    actions.onRemoveTrustedClient = [this](const std::string& address, const std::string& clientName) {
      removed.emplace_back(address, clientName);
    };
    TrustView view;
    view.pending = {{11, "first", "127.0.0.11"}, {12, "second", "127.0.0.12"}, {13, "", "127.0.0.13"}};
    view.trusted = {{"Lab Quest", "127.0.0.2", "today"}, {"", "127.0.0.3", "yesterday"}};
    state.setTrustView(view);
  }
};

TEST(DashboardTrust, AllowAndDenyAnswerTheClickedSessionAndTakeItOffTheList) {
  TrustDashboard d;
  d.actions.denyPending(1);
  EXPECT_EQ(d.denied, std::vector<std::uint64_t>{12});
  // The list closed up: index 1 is now the third client.
  d.actions.allowPending(1);
  EXPECT_EQ(d.allowed, std::vector<std::uint64_t>{13});
  ASSERT_EQ(d.state.trustView().pending.size(), 1u);
  EXPECT_EQ(d.state.trustView().pending[0].sessionId, 11u);
}

TEST(DashboardTrust, RemoveNamesTheTrustedClientByAddressAndStoredName) {
  TrustDashboard d;
  d.actions.removeTrusted(1);
  d.actions.removeTrusted(0);
  EXPECT_EQ(d.removed, (std::vector<std::pair<std::string, std::string>>{{"127.0.0.3", ""},
                                                                         {"127.0.0.2", "Lab Quest"}}));
  EXPECT_TRUE(d.state.trustView().trusted.empty());
}

TEST(DashboardTrust, ClickOutsideTheListsDoesNothing) {
  TrustDashboard d;
  d.actions.allowPending(3);
  d.actions.denyPending(3);
  d.actions.removeTrusted(2);
  EXPECT_TRUE(d.allowed.empty());
  EXPECT_TRUE(d.denied.empty());
  EXPECT_TRUE(d.removed.empty());
  EXPECT_EQ(d.state.trustView().pending.size(), 3u);
  EXPECT_EQ(d.state.trustView().trusted.size(), 2u);
}

TEST(DashboardTrust, AnswersWithoutCallbacksStillTakeTheEntryOff) {
  DashboardState state;
  DashboardActions actions{state};
  TrustView view;
  view.pending = {{11, "first", "127.0.0.11"}};
  view.trusted = {{"Lab Quest", "127.0.0.2", "today"}};
  state.setTrustView(view);
  actions.allowPending(0);
  actions.removeTrusted(0);
  EXPECT_EQ(state.trustView(), TrustView{});
}

// What the status bar and the connection card show: a new connection at once, its changing
// figures at most four times a second, so that a steady dashboard is not redrawn every frame.
TEST(DashboardShownStatus, FiguresWaitAQuarterSecondButANewConnectionShowsAtOnce) {
  DashboardState state;
  ConnectionStatus status;
  status.connected = true;
  status.clientName = "Lab Quest";
  status.fps = 72;
  state.setConnectionStatus(status);
  state.refreshShownStatus(10.0);
  EXPECT_EQ(state.shownStatus(), status);

  ConnectionStatus faster = status;
  faster.fps = 90;
  state.setConnectionStatus(faster);
  state.refreshShownStatus(10.2);
  EXPECT_EQ(state.shownStatus().fps, 72);
  state.refreshShownStatus(10.25);
  EXPECT_EQ(state.shownStatus().fps, 90);

  // Another client, or the same one gone, replaces the figures without waiting.
  ConnectionStatus other = faster;
  other.clientName = "Other Quest";
  state.setConnectionStatus(other);
  state.refreshShownStatus(10.3);
  EXPECT_EQ(state.shownStatus(), other);
  state.setConnectionStatus(ConnectionStatus{});
  state.refreshShownStatus(10.31);
  EXPECT_FALSE(state.shownStatus().connected);
}

}  // namespace
}  // namespace parvalon::host
