#include "app/AutostartEntry.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <system_error>

#include <ParvalonDesktopEntry.h>

#include "logging/Log.h"

namespace parvalon::host {
namespace {

namespace fs = std::filesystem;

// An entry larger than this is not ours; only its start is looked at.
constexpr std::streamsize kMaxEntryBytes = 64 * 1024;

std::optional<fs::path> absoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  fs::path path(value);
  if (!path.is_absolute()) return std::nullopt;
  return path;
}

// Keys that switch an existing entry off: Hidden=true (the XDG rule) and GNOME's own key.
bool switchedOff(const std::string& entry) {
  std::istringstream lines(entry);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") return true;
  }
  return false;
}

}  // namespace

std::optional<fs::path> AutostartEntry::userFolder() {
  if (auto config = absoluteVariable("XDG_CONFIG_HOME")) return *config / "autostart";
  if (auto home = absoluteVariable("HOME")) return *home / ".config" / "autostart";
  return std::nullopt;
}

std::string AutostartEntry::execValue(const std::string& executable) {
  // Quoting: an argument with a reserved character goes in double quotes, inside which " ` $
  // and \ take a backslash. Field codes: a literal % is %%.
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  constexpr std::string_view kEscapedInQuotes = "\"`$\\";
  const bool quoted = executable.find_first_of(kReserved) != std::string::npos;
  std::string argument = quoted ? "\"" : "";
  for (const char c : executable) {
    if (c == '%') {
      argument += "%%";
      continue;
    }
    if (quoted && kEscapedInQuotes.find(c) != std::string_view::npos) argument += '\\';
    argument += c;
  }
  if (quoted) argument += '"';
  // Then the string escapes every value of the file has, applied before the quoting is read.
  std::string value;
  for (const char c : argument) {
    switch (c) {
      case '\\': value += "\\\\"; break;
      case '\n': value += "\\n"; break;
      case '\t': value += "\\t"; break;
      case '\r': value += "\\r"; break;
      default: value += c;
    }
  }
  return value;
}

std::string AutostartEntry::text(const std::string& executable) {
  std::string entry = kDesktopEntryTemplate;
  const std::string placeholder = "@EXEC@";
  if (const auto at = entry.find(placeholder); at != std::string::npos) {
    entry.replace(at, placeholder.size(), execValue(executable));
  }
  return entry + kAutostartLine + "\n";
}

AutostartEntry::AutostartEntry(std::optional<fs::path> folder, std::string executable)
    : folder_(std::move(folder)), executable_(std::move(executable)) {}

std::optional<fs::path> AutostartEntry::path() const {
  if (!folder_) return std::nullopt;
  return *folder_ / kFileName;
}

bool AutostartEntry::isEnabled() const {
  const auto file = path();
  std::error_code ec;
  if (!file || !fs::is_regular_file(*file, ec)) return false;
  std::ifstream in(*file, std::ios::binary);
  std::string entry(static_cast<std::size_t>(kMaxEntryBytes), '\0');
  in.read(entry.data(), kMaxEntryBytes);
  entry.resize(static_cast<std::size_t>(in.gcount()));
  return !switchedOff(entry);
}

bool AutostartEntry::setEnabled(bool enabled) {
  if (enabled == isEnabled()) return true;
  return enabled ? write() : remove();
}

bool AutostartEntry::write() {
  const auto file = path();
  if (!file) {
    PV_LOG_ERROR("Failed to write autostart entry: neither XDG_CONFIG_HOME nor HOME is set");
    return false;
  }
  // Written beside and renamed over, so the session never reads half an entry.
  const fs::path partial = file->string() + ".partial";
  std::error_code ec;
  fs::create_directories(*folder_, ec);
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text(executable_);
    out.close();
    if (!out) {
      fs::remove(partial, ec);
      PV_LOG_ERROR("Failed to write autostart entry {}: cannot write the file", file->string());
      return false;
    }
  }
  fs::rename(partial, *file, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    PV_LOG_ERROR("Failed to write autostart entry {}: {}", file->string(), ec.message());
    return false;
  }
  PV_LOG_INFO("Autostart entry written: {}", file->string());
  return true;
}

bool AutostartEntry::remove() {
  const auto file = path();
  std::error_code ec;
  if (!file || !fs::remove(*file, ec) || ec) {
    PV_LOG_ERROR("Failed to remove autostart entry {}: {}", file ? file->string() : std::string("(none)"),
                 ec ? ec.message() : std::string("it does not exist"));
    return false;
  }
  PV_LOG_INFO("Autostart entry removed: {}", file->string());
  return true;
}

}  // namespace parvalon::host
