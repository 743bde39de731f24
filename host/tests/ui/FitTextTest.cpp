#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/FitText.h"

// Window titles shortened to the list's width.
namespace parvalon::host {
namespace {

// One "character" is 10 px wide whatever it is, so widths are byte counts times ten.
float tenPerByte(std::string_view text) { return static_cast<float>(text.size()) * 10.0f; }

TEST(DashboardWindowTitle, FittingTitleIsKept) {
  EXPECT_EQ(fitText("Terminal", 80, tenPerByte), "Terminal");
}

TEST(DashboardWindowTitle, LongTitleLosesCharactersUntilTheEllipsisFits) {
  EXPECT_EQ(fitText("Terminal - bash", 80, tenPerByte), "Termi...");
}

TEST(DashboardWindowTitle, ShorteningNeverSplitsAMultiByteCharacter) {
  // "Grüße" is G r ü(2 bytes) ß(2 bytes) e: cutting bytes blindly would leave half of "ß".
  const std::string title = "Gr\xC3\xBC\xC3\x9F" "e und mehr";
  EXPECT_EQ(fitText(title, 90, tenPerByte), "Gr\xC3\xBC\xC3\x9F...");
  EXPECT_EQ(fitText(title, 80, tenPerByte), "Gr\xC3\xBC...");
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
  EXPECT_EQ(fitText(title, 400, measure), std::string(37, 'x') + "...");
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
  EXPECT_EQ(fitText(title, 100000, onePerByte), expected + "...");
  EXPECT_LE(counting.calls, 16);
}

TEST(DashboardWindowTitle, MalformedUtf8IsStillCutNearTheLimit) {
  // Stray continuation bytes only: no character boundary anywhere, yet the cut must come.
  const std::string title(5000, '\x80');
  CountingMeasure counting;
  const auto measure = [&counting](std::string_view text) { return counting(text); };
  const std::string fitted = fitText(title, 400, measure);
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
        EXPECT_EQ(fitText(title, static_cast<float>(width), measure),
                  fitOneCharacterAtATime(title, static_cast<float>(width), measure))
            << title << " at " << width;
      }
    }
  }
}

}  // namespace
}  // namespace parvalon::host
