#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "app/HostCommandLine.h"

namespace parvalon::host {
namespace {

// The folders as each system names them; the help prints them with the system's separator.
#ifdef _WIN32
const HostCommandLine::Folders kFolders{std::filesystem::path(R"(C:\Users\u\AppData\Local)"),
                                        std::filesystem::path(R"(C:\Users\u\AppData\Local\Parvalon\logs)")};
constexpr const char* kSettingsLine = R"(Settings: C:\Users\u\AppData\Local\Parvalon\settings.json)";
constexpr const char* kLogsLine = R"(Logs:     C:\Users\u\AppData\Local\Parvalon\logs\ParvalonHost.log)";
constexpr const char* kRelativeLogsLine = R"(Logs:     logs\ParvalonHost.log)";
#else
const HostCommandLine::Folders kFolders{std::filesystem::path("/home/u/.local/share"),
                                        std::filesystem::path("/home/u/.local/share/Parvalon/logs")};
constexpr const char* kSettingsLine = "Settings: /home/u/.local/share/Parvalon/settings.json";
constexpr const char* kLogsLine = "Logs:     /home/u/.local/share/Parvalon/logs/ParvalonHost.log";
constexpr const char* kRelativeLogsLine = "Logs:     logs/ParvalonHost.log";
#endif

TEST(HostCommandLine, NoArgumentsRunsTheHost) { EXPECT_FALSE(HostCommandLine::answer({}, kFolders)); }

TEST(HostCommandLine, VersionPrintsTheProjectVersion) {
  const auto answer = HostCommandLine::answer({"--version"}, kFolders);
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->exitCode, 0);
  EXPECT_FALSE(answer->toStderr);
  EXPECT_TRUE(std::regex_match(answer->text, std::regex("ParvalonHost [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << answer->text;
}

TEST(HostCommandLine, HelpNamesWhatItDoesTheFilesAndThePorts) {
  for (const char* spelling : {"--help", "-h"}) {
    const auto answer = HostCommandLine::answer({spelling}, kFolders);
    ASSERT_TRUE(answer) << spelling;
    EXPECT_EQ(answer->exitCode, 0);
    EXPECT_FALSE(answer->toStderr);
    const std::string& help = answer->text;
    EXPECT_NE(help.find("streams application windows"), std::string::npos) << help;
    EXPECT_NE(help.find(std::string(kSettingsLine) + "\n"), std::string::npos) << help;
    EXPECT_NE(help.find(std::string(kLogsLine) + "\n"), std::string::npos) << help;
    for (const char* port : {"TCP  9876  signaling (WebSocket)", "TCP  9944  video", "TCP  9945  audio",
                             "TCP  9946  input", "UDP  9877  discovery"}) {
      EXPECT_NE(help.find(port), std::string::npos) << port << "\n" << help;
    }
  }
}

TEST(HostCommandLine, WithoutADataFolderTheSettingsAreInTheWorkingFolder) {
  const auto answer = HostCommandLine::answer({"--help"}, {std::nullopt, "logs"});
  ASSERT_TRUE(answer);
  EXPECT_NE(answer->text.find("Settings: settings.json\n"), std::string::npos) << answer->text;
  EXPECT_NE(answer->text.find(std::string(kRelativeLogsLine) + "\n"), std::string::npos) << answer->text;
}

TEST(HostCommandLine, AnythingElsePrintsTheHelpToStderrAndExitsTwo) {
  const struct {
    std::vector<std::string> args;
    std::string unexpected;
  } cases[] = {{{"--verbose"}, "--verbose"},     {{"stream", "--help"}, "stream"}, {{""}, ""},
               {{"--help", "extra"}, "extra"},  {{"--version", "--help"}, "--help"}, {{"-version"}, "-version"}};
  const std::string help = HostCommandLine::helpText(kFolders);
  for (const auto& c : cases) {
    const auto answer = HostCommandLine::answer(c.args, kFolders);
    ASSERT_TRUE(answer) << c.unexpected;
    EXPECT_EQ(answer->exitCode, 2) << c.unexpected;
    EXPECT_TRUE(answer->toStderr) << c.unexpected;
    EXPECT_EQ(answer->text, "ParvalonHost: unexpected argument '" + c.unexpected + "'\n" + help);
  }
}

}  // namespace
}  // namespace parvalon::host
