#include "ui/LogView.h"

#include <imgui.h>
#include <spdlog/details/os.h>

#include <ctime>
#include <fmt/format.h>

#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardWidgets.h"
#include "ui/Utf8Prefix.h"

namespace parvalon::host {
namespace {

constexpr float kAutoScrollSlackPx = 20.0f;

const ImVec4& levelColour(int level) {
  using namespace palette;
  switch (level) {
    case 0: return kLogTrace;
    case 1: return kLogDebug;
    case 2: return kLogInfo;
    case 3: return kLogWarn;
    case 4: return kLogError;
    case 5: return kLogCritical;
    default: return kTextSecondary;
  }
}

}  // namespace

int LogView::levelFromSink(int spdlogLevel) {
  switch (spdlogLevel) {
    case 0:
    case 1:
    case 3:
    case 4:
    case 5:
      return spdlogLevel;
    default:
      return 2;
  }
}

const char* LogView::levelTag(int level) {
  switch (level) {
    case 0: return "[TRACE]";
    case 1: return "[DEBUG]";
    case 2: return "[INFO] ";
    case 3: return "[WARN] ";
    case 4: return "[ERROR]";
    case 5: return "[CRIT] ";
    default: return "[???]  ";
  }
}

std::string LogView::formatTimestamp(std::chrono::system_clock::time_point at) {
  const auto seconds = std::chrono::time_point_cast<std::chrono::seconds>(at);
  auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(at - seconds).count();
  if (millis < 0) millis += 1000;  // times before the epoch round towards zero
  const std::tm local = spdlog::details::os::localtime(std::chrono::system_clock::to_time_t(at));
  char clock[16] = {};
  std::strftime(clock, sizeof clock, "%H:%M:%S", &local);
  return fmt::format("{}.{}", clock, millis);
}

std::string LogView::fullText(const LogEntry& entry) {
  return entry.timestamp + " " + levelTag(entry.level) + " " + entry.message;
}

bool LogView::passesFilter(int level, int filter) { return filter <= 0 || level >= filter; }

std::string LogView::storedMessage(std::string_view message) {
  if (message.size() <= kMaxLineBytes) return std::string(message);
  std::string stored(message.substr(0, utf8PrefixLength(message, kMaxLineBytes)));
  stored += fmt::format(" [cut from {} bytes]", message.size());
  return stored;
}

void LogView::addLogEntry(int level, const std::string& message) {
  // Cut before the lock and before any copy of the whole line.
  LogEntry entry{level, formatTimestamp(std::chrono::system_clock::now()), storedMessage(message)};
  const std::size_t bytes = storedBytes(entry);
  std::lock_guard lock(logMutex_);
  logEntries_.push_back(std::move(entry));
  storedBytes_ += bytes;
  while (logEntries_.size() > kMaxEntries || (storedBytes_ > byteBudget_ && logEntries_.size() > 1)) {
    storedBytes_ -= storedBytes(logEntries_.front());
    logEntries_.pop_front();
  }
}

void LogView::clear() {
  std::lock_guard lock(logMutex_);
  logEntries_.clear();
  storedBytes_ = 0;
}

std::string LogView::copyAllText() const {
  std::lock_guard lock(logMutex_);
  std::string text;
  for (const auto& entry : logEntries_) {
    text += fullText(entry);
    text += '\n';
  }
  return text;
}

std::vector<LogEntry> LogView::entries() const {
  std::lock_guard lock(logMutex_);
  return {logEntries_.begin(), logEntries_.end()};
}

std::vector<LogEntry> LogView::visibleEntries() const {
  std::lock_guard lock(logMutex_);
  std::vector<LogEntry> out;
  for (const auto& entry : logEntries_) {
    if (passesFilter(entry.level, logLevelFilter)) out.push_back(entry);
  }
  return out;
}

void LogView::drawPage(const DashboardFonts& fonts) {
  widgets::pageTitle(fonts, "Logs", "Real-time application logs");
  space(layout::kNearGap);

  // The clipboard is written only after logMutex_ is released: the platform's clipboard call
  // may log (a windowing error), which would re-enter addLogEntry.
  std::optional<std::string> clipboard;

  ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, layout::kLogToolbarRounding);
  ImGui::PushStyleColor(ImGuiCol_Button, palette::kCard);
  ImGui::PushStyleColor(ImGuiCol_ButtonHovered, palette::kCardHover);
  if (ImGui::Button("Clear Logs")) clear();
  ImGui::SameLine();
  if (ImGui::Button("Copy All")) clipboard = copyAllText();
  if (ImGui::IsItemHovered()) ImGui::SetTooltip("Copy all logs to clipboard");
  ImGui::SameLine();
  ImGui::Checkbox("Auto-scroll", &autoScroll);
  ImGui::SameLine(ImGui::GetWindowWidth() - layout::kLogFilterFromRight);
  ImGui::SetNextItemWidth(layout::kLogFilterWidth);
  ImGui::Combo("##LogLevel", &logLevelFilter, kFilterItems, kFilterCount);
  ImGui::PopStyleColor(2);
  ImGui::PopStyleVar();

  ImGui::TextColored(palette::kTextMuted, "Tip: Right-click a log entry to copy it");
  space(layout::kLineGap);

  ImGui::PushStyleColor(ImGuiCol_ChildBg, palette::kBackground);
  ImGui::BeginChild("LogScroll", ImVec2(0, -layout::kLogListBottomMargin), true, ImGuiWindowFlags_HorizontalScrollbar);
  {
    std::lock_guard lock(logMutex_);
    for (std::size_t i = 0; i < logEntries_.size(); ++i) {
      const LogEntry& entry = logEntries_[i];
      if (!passesFilter(entry.level, logLevelFilter)) continue;
      ImGui::PushID(static_cast<int>(i));
      const ImVec2 start = ImGui::GetCursorPos();
      if (ImGui::Selectable("##logline", false,
                            ImGuiSelectableFlags_SpanAllColumns | ImGuiSelectableFlags_AllowDoubleClick)) {
        clipboard = fullText(entry);
      }
      if (ImGui::BeginPopupContextItem("LogContextMenu")) {
        if (ImGui::MenuItem("Copy")) clipboard = fullText(entry);
        if (ImGui::MenuItem("Copy Message Only")) clipboard = entry.message;
        ImGui::EndPopup();
      }
      ImGui::SetCursorPos(start);
      ImGui::TextColored(palette::kTextSecondary, "%s", entry.timestamp.c_str());
      ImGui::SameLine();
      ImGui::TextColored(levelColour(entry.level), "%s", levelTag(entry.level));
      ImGui::SameLine();
      ImGui::TextColored(palette::kTextPrimary, "%s", entry.message.c_str());
      ImGui::PopID();
    }
    // Follow new lines only while the view is at (or within a few pixels of) its end, so a user
    // who scrolled up to read is not pulled down.
    if (autoScroll && ImGui::GetScrollY() >= ImGui::GetScrollMaxY() - kAutoScrollSlackPx) {
      ImGui::SetScrollHereY(1.0f);
    }
  }
  ImGui::EndChild();
  ImGui::PopStyleColor();

  if (clipboard) ImGui::SetClipboardText(clipboard->c_str());
}

}  // namespace parvalon::host
