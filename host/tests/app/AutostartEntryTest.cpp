#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/ReadFile.h"
#include "app/AutostartEntry.h"
#include "fakes/TestFolder.h"
#include "fakes/Environment.h"
#include "fakes/LogCapture.h"

namespace fs = std::filesystem;

namespace parvalon::host {
namespace {

using testing::LogCapture;
using testing::ScopedEnvironment;

using test::readFile;

// The whole entry as the session reads it, stated literally: a change to the template shows here.
constexpr const char* kInstalledEntry =
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Version=1.0\n"
    "Name=Parvalon Host\n"
    "GenericName=VR Window Streaming\n"
    "Comment=Stream application windows to a VR headset\n"
    "Exec=/usr/bin/ParvalonHost\n"
    "Icon=parvalon-host\n"
    "Terminal=false\n"
    "Categories=AudioVideo;Video;\n"
    "Keywords=VR;headset;Quest;stream;window;\n"
    "X-GNOME-Autostart-enabled=true\n";

class AutostartEntryTest : public ::testing::Test {
 protected:
  testing::TestFolder folder_{"parvalon-autostart"};
  const fs::path& root_ = folder_.path();
};

TEST_F(AutostartEntryTest, FolderFollowsXdgConfigHomeThenHome) {
  // Absolute as this system reads paths ("/cfg" has no drive on Windows).
  const fs::path config = root_ / "cfg";
  const fs::path home = root_ / "home";
  ScopedEnvironment env;
  env.set("XDG_CONFIG_HOME", config.string());
  env.set("HOME", home.string());
  EXPECT_EQ(AutostartEntry::userFolder(), config / "autostart");
  env.unset("XDG_CONFIG_HOME");
  EXPECT_EQ(AutostartEntry::userFolder(), home / ".config" / "autostart");
  // Empty or relative values are not a base folder; HOME serves instead.
  env.set("XDG_CONFIG_HOME", "");
  EXPECT_EQ(AutostartEntry::userFolder(), home / ".config" / "autostart");
  env.set("XDG_CONFIG_HOME", "relative/cfg");
  EXPECT_EQ(AutostartEntry::userFolder(), home / ".config" / "autostart");
  env.unset("HOME");
  EXPECT_EQ(AutostartEntry::userFolder(), std::nullopt);
}

TEST_F(AutostartEntryTest, EnableWritesTheEntryAndDisableRemovesIt) {
  LogCapture log;
  const fs::path folder = root_ / "config/autostart";  // does not exist yet
  AutostartEntry entry(folder, "/usr/bin/ParvalonHost");
  EXPECT_FALSE(entry.isEnabled());

  EXPECT_TRUE(entry.setEnabled(true));
  EXPECT_TRUE(entry.isEnabled());
  EXPECT_EQ(readFile(folder / "parvalon-host.desktop"), kInstalledEntry);
  EXPECT_FALSE(fs::exists(folder / "parvalon-host.desktop.partial"));
  EXPECT_TRUE(log.has(LogCapture::kInfo, "Autostart entry written: " + (folder / "parvalon-host.desktop").string()));

  // A second object (the next start of the host) sees the entry.
  EXPECT_TRUE(AutostartEntry(folder, "/elsewhere/ParvalonHost").isEnabled());

  EXPECT_TRUE(entry.setEnabled(false));
  EXPECT_FALSE(entry.isEnabled());
  EXPECT_FALSE(fs::exists(folder / "parvalon-host.desktop"));
  EXPECT_TRUE(log.has(LogCapture::kInfo, "Autostart entry removed: " + (folder / "parvalon-host.desktop").string()));
}

TEST_F(AutostartEntryTest, SettingTheStateItAlreadyHasTouchesNothing) {
  LogCapture log;
  AutostartEntry entry(root_, "/usr/bin/ParvalonHost");
  EXPECT_TRUE(entry.setEnabled(false));  // nothing to remove is no error
  EXPECT_FALSE(fs::exists(root_ / "parvalon-host.desktop"));

  // An entry the user edited stays as it is while autostart stays on (every settings change
  // passes the switch's state again).
  std::ofstream(root_ / "parvalon-host.desktop", std::ios::binary) << "[Desktop Entry]\nExec=ParvalonHost --edited\n";
  EXPECT_TRUE(entry.setEnabled(true));
  EXPECT_EQ(readFile(root_ / "parvalon-host.desktop"), "[Desktop Entry]\nExec=ParvalonHost --edited\n");
  EXPECT_FALSE(log.contains("Autostart entry"));
}

TEST_F(AutostartEntryTest, HiddenEntryCountsAsOffAndEnablingReplacesIt) {
  for (const char* off : {"Hidden=true", "X-GNOME-Autostart-enabled=false"}) {
    std::ofstream(root_ / "parvalon-host.desktop", std::ios::binary) << "[Desktop Entry]\r\nExec=ParvalonHost\r\n" << off << "\r\n";
    AutostartEntry entry(root_, "/usr/bin/ParvalonHost");
    EXPECT_FALSE(entry.isEnabled()) << off;
    EXPECT_TRUE(entry.setEnabled(true)) << off;
    EXPECT_TRUE(entry.isEnabled()) << off;
    EXPECT_EQ(readFile(root_ / "parvalon-host.desktop"), kInstalledEntry) << off;
  }
}

TEST_F(AutostartEntryTest, FailuresAreLoggedNotThrown) {
  LogCapture log;
  // No folder known at all (neither XDG_CONFIG_HOME nor HOME).
  AutostartEntry none(std::nullopt, "/usr/bin/ParvalonHost");
  EXPECT_FALSE(none.isEnabled());
  EXPECT_FALSE(none.setEnabled(true));
  EXPECT_TRUE(log.has(LogCapture::kError, "Failed to write autostart entry: neither XDG_CONFIG_HOME nor HOME is set"));

  // The autostart "folder" is a file.
  std::ofstream(root_ / "file") << "x";
  AutostartEntry underFile(root_ / "file", "/usr/bin/ParvalonHost");
  EXPECT_FALSE(underFile.setEnabled(true));
  EXPECT_FALSE(underFile.isEnabled());

  // A folder sits where the entry would go.
  fs::create_directories(root_ / "dir" / "parvalon-host.desktop");
  AutostartEntry overFolder(root_ / "dir", "/usr/bin/ParvalonHost");
  EXPECT_FALSE(overFolder.isEnabled());
  EXPECT_FALSE(overFolder.setEnabled(true));
  EXPECT_TRUE(log.contains("Failed to write autostart entry " + (root_ / "dir" / "parvalon-host.desktop").string()));
  EXPECT_FALSE(fs::exists(root_ / "dir" / "parvalon-host.desktop.partial"));
}

// The Exec key has its own quoting: a path with a space or a percent sign started nothing (or
// the wrong thing) when written as it is.
struct ExecCase {
  const char* path;
  const char* value;
};
class AutostartExecValue : public ::testing::TestWithParam<ExecCase> {};

TEST_P(AutostartExecValue, QuotesAndEscapesThePath) {
  EXPECT_EQ(AutostartEntry::execValue(GetParam().path), GetParam().value);
  const std::string text = AutostartEntry::text(GetParam().path);
  EXPECT_NE(text.find(std::string("\nExec=") + GetParam().value + "\n"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AutostartExecValue,
    ::testing::Values(ExecCase{"/usr/bin/ParvalonHost", "/usr/bin/ParvalonHost"},
                      ExecCase{"/opt/my apps/ParvalonHost", R"("/opt/my apps/ParvalonHost")"},
                      ExecCase{"/opt/100%/ParvalonHost", "/opt/100%%/ParvalonHost"},
                      // Inside quotes " $ ` \ take a backslash, and every backslash of the value
                      // is doubled by the file's string escapes on top.
                      ExecCase{R"(/opt/a"b$c/P)", R"("/opt/a\\"b\\$c/P")"},
                      ExecCase{R"(/opt/back\slash/P)", R"("/opt/back\\\\slash/P")"},
                      ExecCase{"/opt/line\nbreak/P", R"("/opt/line\nbreak/P")"}));

}  // namespace
}  // namespace parvalon::host
