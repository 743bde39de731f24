#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "ui/LogView.h"

namespace parvalon::host {
namespace {

struct LevelCase {
  int sinkLevel;
  int shownLevel;
};

class LogLevelMappingTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LogLevelMappingTest, MapsSpdlogLevelToViewLevel) {
  EXPECT_EQ(LogView::levelFromSink(GetParam().sinkLevel), GetParam().shownLevel);
}

// spdlog: 0 trace, 1 debug, 2 info, 3 warn, 4 err, 5 critical, 6 off.
INSTANTIATE_TEST_SUITE_P(SpdlogLevels, LogLevelMappingTest,
                         ::testing::Values(LevelCase{0, 0}, LevelCase{1, 1}, LevelCase{2, 2}, LevelCase{3, 3},
                                           LevelCase{4, 4}, LevelCase{5, 5}, LevelCase{6, 2}, LevelCase{-1, 2},
                                           LevelCase{42, 2}));

TEST(LogViewTags, EveryLevelHasItsSevenCharacterTag) {
  EXPECT_STREQ(LogView::levelTag(0), "[TRACE]");
  EXPECT_STREQ(LogView::levelTag(1), "[DEBUG]");
  EXPECT_STREQ(LogView::levelTag(2), "[INFO] ");
  EXPECT_STREQ(LogView::levelTag(3), "[WARN] ");
  EXPECT_STREQ(LogView::levelTag(4), "[ERROR]");
  EXPECT_STREQ(LogView::levelTag(5), "[CRIT] ");
  EXPECT_STREQ(LogView::levelTag(9), "[???]  ");
  EXPECT_STREQ(LogView::levelTag(-3), "[???]  ");
}

std::chrono::system_clock::time_point atMillis(std::time_t seconds, int millis) {
  return std::chrono::system_clock::from_time_t(seconds) + std::chrono::milliseconds(millis);
}

std::string localClock(std::time_t seconds) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  char text[16] = {};
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  return text;
}

TEST(LogViewTimestamp, MillisecondsHaveNoLeadingZeros) {
  const std::time_t second = 1700000000;  // any whole second
  const std::string clock = localClock(second);
  EXPECT_EQ(LogView::formatTimestamp(atMillis(second, 7)), clock + ".7");
  EXPECT_EQ(LogView::formatTimestamp(atMillis(second, 42)), clock + ".42");
  EXPECT_EQ(LogView::formatTimestamp(atMillis(second, 250)), clock + ".250");
  EXPECT_EQ(LogView::formatTimestamp(atMillis(second, 0)), clock + ".0");
  EXPECT_EQ(LogView::formatTimestamp(atMillis(second, 999)), clock + ".999");
}

TEST(LogViewTimestamp, NewEntryIsStampedWithTheClockOfArrival) {
  LogView view;
  view.addLogEntry(2, "hello");
  const auto entries = view.entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(std::regex_match(entries[0].timestamp, std::regex(R"(\d\d:\d\d:\d\d\.(0|[1-9]\d{0,2}))")))
      << entries[0].timestamp;
  EXPECT_EQ(entries[0].message, "hello");
  EXPECT_EQ(entries[0].level, 2);
}

TEST(LogViewStore, The1001stLineRemovesTheOldest) {
  LogView view;
  for (int i = 0; i < 1001; ++i) view.addLogEntry(2, "line " + std::to_string(i));
  const auto entries = view.entries();
  ASSERT_EQ(entries.size(), 1000u);
  EXPECT_EQ(entries.front().message, "line 1");
  EXPECT_EQ(entries.back().message, "line 1000");
  view.addLogEntry(3, "one more");
  EXPECT_EQ(view.entries().size(), 1000u);
  EXPECT_EQ(view.entries().front().message, "line 2");
}

// Bytes the stored entries hold (their texts).
std::size_t storedBytes(const std::vector<LogEntry>& entries) {
  std::size_t bytes = 0;
  for (const auto& entry : entries) bytes += entry.timestamp.size() + entry.message.size();
  return bytes;
}

TEST(LogViewBudget, HugeLinesAreCutAndTheStoreStaysWithinFourMebibytes) {
  // Forty 16 MB lines used to cost the host some 200 MB more; 1 MiB lines show the same.
  LogView view;
  const std::string huge(1 << 20, 'x');
  for (int i = 0; i < 40; ++i) view.addLogEntry(4, huge);
  const auto entries = view.entries();
  ASSERT_FALSE(entries.empty());
  for (const auto& entry : entries) ASSERT_EQ(entry.message, std::string(4096, 'x') + " [cut from 1048576 bytes]");
  EXPECT_LE(storedBytes(entries), 4u << 20);
  EXPECT_EQ(entries.size(), 40u);  // cut lines are small: none had to go
}

TEST(LogViewBudget, CutLineEndsOnAWholeCharacter) {
  // "a" then two-byte "é"s: byte 4096 is the middle of one, which is left out whole.
  std::string line = "a";
  for (int i = 0; i < 3000; ++i) line += "\xC3\xA9";
  LogView view;
  view.addLogEntry(2, line);
  EXPECT_EQ(view.entries().at(0).message, line.substr(0, 4095) + " [cut from 6001 bytes]");
}

TEST(LogViewBudget, MalformedUtf8IsCutWithinThreeBytesOfTheLimit) {
  LogView view;
  view.addLogEntry(2, std::string(5000, '\x80'));
  const std::string& message = view.entries().at(0).message;
  const std::size_t kept = message.find(" [cut from 5000 bytes]");
  ASSERT_NE(kept, std::string::npos);
  EXPECT_GE(kept, 4093u);
  EXPECT_LE(kept, 4096u);
}

TEST(LogViewBudget, LineOfExactlyTheLimitIsKeptWhole) {
  LogView view;
  view.addLogEntry(2, std::string(4096, 'y'));
  view.addLogEntry(2, std::string(4097, 'z'));
  const auto entries = view.entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].message, std::string(4096, 'y'));
  EXPECT_EQ(entries[1].message, std::string(4096, 'z') + " [cut from 4097 bytes]");
}

TEST(LogViewBudget, OldestLinesGoFirstWhenTheBytesRunOut) {
  // Room for three lines of 1000 bytes (with their timestamps), not four.
  LogView view(3100);
  for (int i = 0; i < 5; ++i) view.addLogEntry(2, std::string(999, 'a') + std::to_string(i));
  auto entries = view.entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries.front().message.back(), '2');
  EXPECT_EQ(entries.back().message.back(), '4');
  EXPECT_LE(storedBytes(entries), 3100u);

  // The budget counts bytes, not lines: a short line still fits beside the three.
  view.addLogEntry(2, "short");
  entries = view.entries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries.front().message.back(), '2');
  EXPECT_EQ(entries.back().message, "short");
}

TEST(LogViewBudget, ClearGivesTheWholeBudgetBack) {
  LogView view(3100);
  for (int i = 0; i < 3; ++i) view.addLogEntry(2, std::string(1000, 'a'));
  view.clear();
  for (int i = 0; i < 3; ++i) view.addLogEntry(2, std::string(1000, 'b'));
  EXPECT_EQ(view.entries().size(), 3u);
}

TEST(LogViewBudget, NewestLineStaysEvenWhenItAloneIsOverBudget) {
  LogView view(100);
  view.addLogEntry(2, "old");
  view.addLogEntry(4, std::string(500, 'e'));
  const auto entries = view.entries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].level, 4);
}

TEST(LogViewStore, ClearRemovesEverything) {
  LogView view;
  view.addLogEntry(2, "a");
  view.addLogEntry(4, "b");
  view.clear();
  EXPECT_TRUE(view.entries().empty());
  EXPECT_EQ(view.copyAllText(), "");
}

TEST(LogViewStore, LinesFromManyThreadsAreAllKept) {
  LogView view;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&view, t] {
      for (int i = 0; i < 200; ++i) view.addLogEntry(t, "t" + std::to_string(t));
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(view.entries().size(), 800u);
}

struct FilterCase {
  int filter;
  std::vector<std::string> shown;
};

class LogViewFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(LogViewFilterTest, ShowsLevelsAtOrAboveTheChoice) {
  LogView view;
  const char* names[] = {"trace", "debug", "info", "warn", "error", "critical"};
  for (int level = 0; level <= 5; ++level) view.addLogEntry(level, names[level]);
  view.logLevelFilter = GetParam().filter;
  std::vector<std::string> shown;
  for (const auto& entry : view.visibleEntries()) shown.push_back(entry.message);
  EXPECT_EQ(shown, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, LogViewFilterTest,
    ::testing::Values(FilterCase{0, {"trace", "debug", "info", "warn", "error", "critical"}},
                      FilterCase{1, {"debug", "info", "warn", "error", "critical"}},
                      FilterCase{2, {"info", "warn", "error", "critical"}},
                      FilterCase{3, {"warn", "error", "critical"}}, FilterCase{4, {"error", "critical"}}));

TEST(LogViewFilter, FilterItemsAreTheFiveChoices) {
  ASSERT_EQ(LogView::kFilterCount, 5);
  EXPECT_STREQ(LogView::kFilterItems[0], "All");
  EXPECT_STREQ(LogView::kFilterItems[1], "Debug+");
  EXPECT_STREQ(LogView::kFilterItems[2], "Info+");
  EXPECT_STREQ(LogView::kFilterItems[3], "Warn+");
  EXPECT_STREQ(LogView::kFilterItems[4], "Error+");
}

TEST(LogViewCopy, CopyAllTakesEveryLineWhateverTheFilter) {
  LogView view;
  view.addLogEntry(1, "quiet detail");
  view.addLogEntry(3, "a warning");
  view.logLevelFilter = 3;
  const auto entries = view.entries();
  const std::string expected = entries[0].timestamp + " [DEBUG] quiet detail\n" + entries[1].timestamp +
                               " [WARN]  a warning\n";
  EXPECT_EQ(view.copyAllText(), expected);
}

TEST(LogViewCopy, FullTextIsTimestampTagAndMessage) {
  EXPECT_EQ(LogView::fullText({2, "12:00:01.5", "[2024-01-01 12:00:01.005] [ParvalonHost] [info] hi"}),
            "12:00:01.5 [INFO]  [2024-01-01 12:00:01.005] [ParvalonHost] [info] hi");
  EXPECT_EQ(LogView::fullText({7, "1:2:3.4", "x"}), "1:2:3.4 [???]   x");
}

}  // namespace
}  // namespace parvalon::host
