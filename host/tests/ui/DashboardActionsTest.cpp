#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// A dashboard without a back end: state and actions only, nothing drawn.
struct Dashboard {
  UIManager ui{nullptr};
  std::vector<UISettings> changes;
  std::vector<std::uint32_t> starts;
  std::vector<std::uint8_t> stops;
  bool startResult = true;
  std::uint8_t nextStream = 1;  // the host's numbering

  Dashboard() {
    ui.onSettingsChanged = [this](const UISettings& s) { changes.push_back(s); };
    ui.onStartCapture = [this](std::uint32_t windowId) -> std::optional<std::uint8_t> {
      starts.push_back(windowId);
      if (!startResult) return std::nullopt;
      return nextStream++;
    };
    ui.onStopCapture = [this](std::uint8_t streamId) { stops.push_back(streamId); };
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
  d.ui.settings().bitrateKbps = 35000;
  d.ui.settings().maxBitrateKbps = 52500;
  d.ui.selectQualityPreset(GetParam().index);
  ASSERT_EQ(d.changes.size(), 1u);
  EXPECT_EQ(d.changes[0].qualityPreset, GetParam().index);
  EXPECT_EQ(d.changes[0].bitrateKbps, GetParam().bitrateKbps);
  EXPECT_EQ(d.changes[0].maxBitrateKbps, GetParam().maxBitrateKbps);
  EXPECT_EQ(d.ui.settings(), d.changes[0]);
}

INSTANTIATE_TEST_SUITE_P(Presets, QualityPresetTest,
                         ::testing::Values(PresetCase{0, 10000, 15000}, PresetCase{1, 20000, 30000},
                                           PresetCase{2, 50000, 75000}, PresetCase{3, 100000, 150000},
                                           // Custom leaves whatever the slider set.
                                           PresetCase{4, 35000, 52500}));

TEST(DashboardSettings, PresetOutOfRangeChangesNothing) {
  Dashboard d;
  d.ui.selectQualityPreset(5);
  d.ui.selectQualityPreset(-1);
  EXPECT_TRUE(d.changes.empty());
  EXPECT_EQ(d.ui.settings(), UISettings{});
}

TEST(DashboardSettings, MediumThenSliderSwitchesToCustomWithMaximumOneAndAHalfTimesTarget) {
  Dashboard d;
  d.ui.selectQualityPreset(1);
  d.ui.setBitrateFromSlider(35);
  ASSERT_EQ(d.changes.size(), 2u);
  EXPECT_EQ(d.changes[0].bitrateKbps, 20000);
  EXPECT_EQ(d.changes[0].maxBitrateKbps, 30000);
  EXPECT_EQ(d.changes[1].qualityPreset, kCustomQualityPreset);
  EXPECT_EQ(d.changes[1].bitrateKbps, 35000);
  EXPECT_EQ(d.changes[1].maxBitrateKbps, 52500);
}

TEST(DashboardSettings, SliderValueTypedOutsideItsRangeIsClamped) {
  Dashboard d;
  d.ui.setBitrateFromSlider(1000);
  d.ui.setBitrateFromSlider(0);
  ASSERT_EQ(d.changes.size(), 2u);
  EXPECT_EQ(d.changes[0].bitrateKbps, 150000);
  EXPECT_EQ(d.changes[0].maxBitrateKbps, 225000);
  EXPECT_EQ(d.changes[1].bitrateKbps, 5000);
  EXPECT_EQ(d.changes[1].maxBitrateKbps, 7500);
}

TEST(DashboardSettings, ResetToDefaultsRestoresEveryFieldAndFiresOnce) {
  Dashboard d;
  UISettings& s = d.ui.settings();
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
  d.ui.setBitrateFromSlider(35);
  d.changes.clear();

  d.ui.resetToDefaults();

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
  d.ui.setTargetFps(90);
  ASSERT_EQ(d.changes.size(), 1u);
  EXPECT_EQ(d.changes[0].targetFps, 90);
}

TEST(DashboardSettings, WidgetsWorkWithoutCallbacks) {
  UIManager ui{nullptr};
  ui.selectQualityPreset(0);
  ui.resetToDefaults();
  ui.setWindowList({window(7, "a")});
  ui.toggleWindow(0);
  EXPECT_EQ(ui.settings(), UISettings{});
  EXPECT_FALSE(ui.windows()[0].streaming);  // nothing started it
}

// The marks follow the host's streams, whoever started them: a window a headset streams shows
// "Streaming" too, but a click on it starts the dashboard's own stream and never stops the
// headset's.
TEST(DashboardWindowList, MarksFollowTheHostsStreamsOfEveryOwner) {
  Dashboard d;
  d.ui.setWindowList({window(10, "ten"), window(20, "twenty"), window(30, "thirty")});
  d.ui.setStreams({StreamMark{20, 1, false}});  // the headset streams window 20
  d.nextStream = 2;
  const auto& w = d.ui.windows();
  EXPECT_FALSE(w[0].streaming);
  EXPECT_TRUE(w[1].streaming);
  EXPECT_FALSE(w[1].dashboardStream);

  d.ui.toggleWindow(1);
  EXPECT_EQ(d.starts, std::vector<std::uint32_t>{20});
  EXPECT_EQ(d.ui.windows()[1].dashboardStream, std::optional<std::uint8_t>(2));
  d.ui.toggleWindow(1);
  EXPECT_EQ(d.stops, std::vector<std::uint8_t>{2});  // its own, not the headset's 1
  EXPECT_TRUE(d.ui.windows()[1].streaming);

  // The list is replaced: marks come from the streams, not from the old entries.
  d.ui.setStreams({StreamMark{20, 1, false}, StreamMark{30, 3, true}});
  d.ui.setWindowList({window(40, "forty"), window(30, "thirty"), window(20, "twenty renamed")});
  EXPECT_FALSE(d.ui.windows()[0].streaming);
  EXPECT_EQ(d.ui.windows()[1].dashboardStream, std::optional<std::uint8_t>(3));
  EXPECT_TRUE(d.ui.windows()[2].streaming);
  EXPECT_EQ(d.ui.windows()[2].title, "twenty renamed");
  // A dashboard stream that ended by itself (its window closed) loses its mark.
  d.ui.setStreams({});
  EXPECT_FALSE(d.ui.windows()[1].streaming);
  EXPECT_FALSE(d.ui.windows()[1].dashboardStream);
}

TEST(DashboardWindowList, ClickTwiceStartsThenStopsWithTheHostsNumbers) {
  Dashboard d;
  d.ui.setWindowList({window(10, "ten"), window(20, "twenty")});
  d.ui.toggleWindow(0);
  d.ui.toggleWindow(0);
  d.ui.toggleWindow(0);
  EXPECT_EQ(d.starts, (std::vector<std::uint32_t>{10, 10}));
  EXPECT_EQ(d.stops, std::vector<std::uint8_t>{1});
  EXPECT_TRUE(d.ui.windows()[0].streaming);
  EXPECT_EQ(d.ui.windows()[0].dashboardStream, std::optional<std::uint8_t>(2));
}

TEST(DashboardWindowList, FailedStartStaysReady) {
  Dashboard d;
  d.ui.setWindowList({window(10, "ten"), window(20, "twenty")});
  d.startResult = false;
  d.ui.toggleWindow(0);
  EXPECT_FALSE(d.ui.windows()[0].streaming);
  EXPECT_FALSE(d.ui.windows()[0].dashboardStream);
  EXPECT_TRUE(d.stops.empty());
}

TEST(DashboardWindowList, ClickOutsideTheListDoesNothing) {
  Dashboard d;
  d.ui.toggleWindow(0);
  EXPECT_TRUE(d.starts.empty());
}

// One "character" is 10 px wide whatever it is, so widths are byte counts times ten.
float tenPerByte(std::string_view text) { return static_cast<float>(text.size()) * 10.0f; }

TEST(DashboardWindowTitle, FittingTitleIsKept) {
  EXPECT_EQ(UIManager::fitText("Terminal", 80, tenPerByte), "Terminal");
}

TEST(DashboardWindowTitle, LongTitleLosesCharactersUntilTheEllipsisFits) {
  EXPECT_EQ(UIManager::fitText("Terminal - bash", 80, tenPerByte), "Termi...");
}

TEST(DashboardWindowTitle, ShorteningNeverSplitsAMultiByteCharacter) {
  // "Grüße" is G r ü(2 bytes) ß(2 bytes) e: cutting bytes blindly would leave half of "ß".
  const std::string title = "Gr\xC3\xBC\xC3\x9F" "e und mehr";
  EXPECT_EQ(UIManager::fitText(title, 90, tenPerByte), "Gr\xC3\xBC\xC3\x9F...");
  EXPECT_EQ(UIManager::fitText(title, 80, tenPerByte), "Gr\xC3\xBC...");
}

// What the window list measures, counted: a per-frame cost that grows with the title shows here.
struct CountingMeasure {
  int calls = 0;
  std::size_t longest = 0;
  float operator()(std::string_view text) {
    ++calls;
    longest = std::max(longest, text.size());
    return tenPerByte(text);
  }
};

TEST(DashboardWindowTitle, HugeTitleCostsAFewShortMeasures) {
  // A 60 000-character title used to be measured 60 000 times a frame, one character shorter
  // each time (seconds per main-loop iteration).
  const std::string title(60000, 'x');
  CountingMeasure counting;
  const auto measure = [&counting](std::string_view text) { return counting(text); };
  EXPECT_EQ(UIManager::fitText(title, 400, measure), std::string(37, 'x') + "...");
  EXPECT_LE(counting.calls, 16);
  EXPECT_LE(counting.longest, 1024u + 3u);
}

TEST(DashboardWindowTitle, HugeTitleOnAWideListShowsItsFirstKilobyteCutOnACharacter) {
  // "a" then 30 000 two-byte "é": the first 1024 bytes would end in the middle of an "é".
  std::string title = "a";
  for (int i = 0; i < 30000; ++i) title += "\xC3\xA9";
  CountingMeasure counting;
  const auto onePerByte = [&counting](std::string_view text) {
    counting(text);
    return static_cast<float>(text.size());
  };
  std::string expected = "a";
  for (int i = 0; i < 511; ++i) expected += "\xC3\xA9";
  EXPECT_EQ(UIManager::fitText(title, 100000, onePerByte), expected + "...");
  EXPECT_LE(counting.calls, 16);
}

TEST(DashboardWindowTitle, MalformedUtf8IsStillCutNearTheLimit) {
  // Stray continuation bytes only: no character boundary anywhere, yet the cut must come.
  const std::string title(5000, '\x80');
  CountingMeasure counting;
  const auto measure = [&counting](std::string_view text) { return counting(text); };
  const std::string fitted = UIManager::fitText(title, 400, measure);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
  EXPECT_LE(fitted.size(), 40u);
  EXPECT_LE(counting.calls, 16);
}

// The shortening as it always was: drop the last whole character until the rest and "..."
// fit. For titles of ordinary length the result must not change.
std::string fitOneCharacterAtATime(const std::string& text, float maxWidth,
                                   const std::function<float(std::string_view)>& measure) {
  if (measure(text) <= maxWidth) return text;
  std::string shortened = text;
  while (!shortened.empty() && measure(shortened + "...") > maxWidth) {
    std::size_t start = shortened.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(shortened[start]) & 0xC0) == 0x80) --start;
    shortened.resize(start);
  }
  return shortened + "...";
}

TEST(DashboardWindowTitle, OrdinaryTitlesFitAsBeforeAtEveryWidth) {
  // Narrow "i", wide "W", continuation bytes of multi-byte characters cost nothing extra.
  const auto proportional = [](std::string_view text) {
    float width = 0;
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      width += c == 'i' ? 4.0f : c == 'W' ? 15.0f : (byte & 0xC0) == 0x80 ? 0.0f : 9.0f;
    }
    return width;
  };
  const std::vector<std::string> titles{
      "Terminal - bash", "Gr\xC3\xBC\xC3\x9F" "e und mehr", "WWW iii WWW", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E",
      "\xF0\x9F\x98\x80 smile \xF0\x9F\x98\x80", "", "x"};
  for (const auto& title : titles) {
    for (int width = -5; width <= 200; ++width) {
      for (const auto& measure : {std::function<float(std::string_view)>(tenPerByte),
                                  std::function<float(std::string_view)>(proportional)}) {
        EXPECT_EQ(UIManager::fitText(title, static_cast<float>(width), measure),
                  fitOneCharacterAtATime(title, static_cast<float>(width), measure))
            << title << " at " << width;
      }
    }
  }
}

}  // namespace
}  // namespace parvalon::host
