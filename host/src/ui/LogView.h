#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <deque>
#include <vector>

namespace parvalon::host {

struct DashboardFonts;

// One line of the live log.
struct LogEntry {
  std::int32_t level = 0;
  std::string timestamp;
  std::string message;
};

// The dashboard's live log: the last 1000 lines of the host with their arrival time, the Logs
// page that shows them (level colours, filter, copy, auto-scroll). Bounded in bytes as well as
// lines, so that a few huge lines cannot hold the host's memory.
class LogView {
 public:
  static constexpr std::size_t kMaxEntries = 1000;
  // What the stored texts (timestamps and messages) may hold together; the oldest lines go first.
  static constexpr std::size_t kDefaultByteBudget = 4u << 20;
  // A longer message keeps this many bytes (whole characters) and says how long it was.
  static constexpr std::size_t kMaxLineBytes = 4096;

  explicit LogView(std::size_t byteBudget = kDefaultByteBudget) : byteBudget_(byteBudget) {}
  static constexpr const char* kFilterItems[] = {"All", "Debug+", "Info+", "Warn+", "Error+"};
  static constexpr int kFilterCount = 5;

  // The dashboard's level for an spdlog level number: trace..critical keep their number, info
  // and anything else (off) show as info.
  static int levelFromSink(int spdlogLevel);
  // The 7-character tag of a level ("[INFO] ", "[???]  " for unknown levels).
  static const char* levelTag(int level);
  // "%H:%M:%S." in local time followed by the milliseconds without leading zeros.
  static std::string formatTimestamp(std::chrono::system_clock::time_point at);
  // timestamp + " " + tag + " " + message.
  static std::string fullText(const LogEntry& entry);
  // `message` as stored: at most kMaxLineBytes of it, cut on a character, then " [cut from N bytes]".
  static std::string storedMessage(std::string_view message);
  // Whether an entry of `level` is shown under filter index `filter`.
  static bool passesFilter(int level, int filter);

  // Any thread. Stamps the line with the current time and keeps the newest kMaxEntries lines
  // that fit the byte budget (the newest line always stays).
  void addLogEntry(int level, const std::string& message);
  void clear();
  // Every entry's full text followed by "\n" (the filter does not apply).
  std::string copyAllText() const;
  // A copy of the entries, oldest first.
  std::vector<LogEntry> entries() const;
  // The entries the current filter shows, oldest first.
  std::vector<LogEntry> visibleEntries() const;

  bool autoScroll = true;
  int logLevelFilter = 0;

  // Main thread, inside a Dear ImGui frame: the Logs page.
  void drawPage(const DashboardFonts& fonts);

 private:
  static std::size_t storedBytes(const LogEntry& entry) { return entry.timestamp.size() + entry.message.size(); }

  const std::size_t byteBudget_;
  // Guards logEntries_ and storedBytes_; taken by every thread that logs and by the main thread
  // while drawing. Nothing may log while it is held (it is not recursive and logging re-enters
  // addLogEntry).
  mutable std::mutex logMutex_;
  std::deque<LogEntry> logEntries_;
  std::size_t storedBytes_ = 0;  // storedBytes of every entry in logEntries_
};

}  // namespace parvalon::host
