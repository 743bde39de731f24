#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "support/ReadFile.h"
#include "app/Settings.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "platform/DataFolder.h"

namespace fs = std::filesystem;

namespace parvalon::host {
namespace {

// A profile folder outside ASCII and outside every ANSI code page (C:\Users\José\...\日本).
const fs::path kUnicodeName(u8"Jos\u00e9 \u65e5\u672c");

#ifdef _WIN32
constexpr const wchar_t* kFolderVariable = L"LOCALAPPDATA";
#else
constexpr const char* kFolderVariable = "XDG_DATA_HOME";
#endif

// Points the data folder's variable at a folder for one test, in the form the OS keeps it: the
// wide value on Windows (a narrow one would pass through the ANSI code page), bytes on Linux.
class ScopedFolderVariable {
 public:
  explicit ScopedFolderVariable(const fs::path& folder) {
#ifdef _WIN32
    if (const wchar_t* old = _wgetenv(kFolderVariable)) old_ = old;
    _wputenv_s(kFolderVariable, folder.c_str());
#else
    if (const char* old = std::getenv(kFolderVariable)) old_ = old;
    ::setenv(kFolderVariable, folder.c_str(), 1);
#endif
  }
  ScopedFolderVariable(const ScopedFolderVariable&) = delete;
  ScopedFolderVariable& operator=(const ScopedFolderVariable&) = delete;
  ~ScopedFolderVariable() {
#ifdef _WIN32
    _wputenv_s(kFolderVariable, old_ ? old_->c_str() : L"");  // empty removes it
#else
    if (old_) {
      ::setenv(kFolderVariable, old_->c_str(), 1);
    } else {
      ::unsetenv(kFolderVariable);
    }
#endif
  }

 private:
  std::optional<fs::path::string_type> old_;
};

using test::readFile;

// The UTF-8 text a log line shows for a path on either platform (for UTF-8 names).
std::string utf8(const fs::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

// Each test gets a data folder named `name` below its own temporary folder, found through the
// platform's variable, and leaves logging shut down.
class DataFolderNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = fs::temp_directory_path() /
            ("parvalon-folder-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(base_);
    fs::create_directories(base_);
  }
  void TearDown() override {
    shutdownLogging();
    variable_.reset();
    std::error_code ignored;
    fs::remove_all(base_, ignored);
  }

  // The folder the host is to use; neither it nor its Parvalon folder exists yet.
  fs::path useFolder(const fs::path& name) {
    const auto folder = base_ / name;
    variable_.emplace(folder);
    return folder;
  }

  // Settings written through the folder lookup land in the folder, replace the file on a second
  // save, and load back.
  static void expectSettingsRoundTrip(const fs::path& folder) {
    const auto found = platform::logDataFolder();
    ASSERT_TRUE(found.has_value());
    ASSERT_EQ(*found, folder);

    Settings saved(found);
    saved.videoPort = 10000;
    saved.targetFps = 90;
    saved.preferredEncoder = "software";
    saved.sharpeningEnabled = true;
    ASSERT_TRUE(saved.save());
    saved.targetBitrate = 12345;
    ASSERT_TRUE(saved.save());
    const auto file = folder / "Parvalon" / "settings.json";
    EXPECT_TRUE(fs::is_regular_file(file));
    auto temporary = file;
    temporary += ".tmp";
    EXPECT_FALSE(fs::exists(temporary));
    EXPECT_NE(readFile(file).find("\"targetBitrate\": 12345"), std::string::npos);

    Settings loaded(found);
    ASSERT_TRUE(loaded.load());
    EXPECT_EQ(loaded.videoPort, 10000);
    EXPECT_EQ(loaded.targetFps.load(), 90u);
    EXPECT_EQ(loaded.targetBitrate.load(), 12345u);
    EXPECT_EQ(loaded.preferredEncoder, "software");
    EXPECT_TRUE(loaded.sharpeningEnabled);
  }

  // The log file opens in <folder>/Parvalon/logs and receives the lines, the settings path
  // included as `pathText` (the text a log line shows for that path).
  static void expectLogFileWritten(const fs::path& folder, const std::string& pathText) {
    EXPECT_EQ(logFolder(), folder / "Parvalon" / "logs");
    initLogging("ParvalonHost", true, spdlog::level::debug);
    Settings settings(folder);
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(settings.getSettingsPath(), pathText);
    PV_LOG_WARN("line after the save");  // a warning flushes the file

    const auto file = folder / "Parvalon" / "logs" / "ParvalonHost.log";
    ASSERT_TRUE(fs::is_regular_file(file));
    const auto text = readFile(file);
    EXPECT_NE(text.find("Logging initialized for ParvalonHost"), std::string::npos) << text;
    EXPECT_NE(text.find("Settings saved to " + pathText), std::string::npos) << text;
    EXPECT_NE(text.find("line after the save"), std::string::npos) << text;
  }

  fs::path base_;
  std::optional<ScopedFolderVariable> variable_;
};

TEST_F(DataFolderNameTest, SettingsRoundTripInAUnicodeFolder) {
  expectSettingsRoundTrip(useFolder(kUnicodeName));
}

TEST_F(DataFolderNameTest, LogFileIsWrittenInAUnicodeFolder) {
  const auto folder = useFolder(kUnicodeName);
  expectLogFileWritten(folder, utf8(folder / "Parvalon" / "settings.json"));
}

#ifndef _WIN32
// Linux names are bytes, not text: a name that is not UTF-8 still works, and the log shows
// those bytes as they are.
TEST_F(DataFolderNameTest, NameThatIsNotUtf8WorksOnLinux) {
  const auto folder = useFolder("bytes-\xff\xfe");
  expectSettingsRoundTrip(folder);
  expectLogFileWritten(folder, (folder / "Parvalon" / "settings.json").string());
}
#endif

}  // namespace
}  // namespace parvalon::host
