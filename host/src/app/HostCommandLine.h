#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace parvalon::host {

// The host's arguments. It runs without any; --help and --version answer and exit, and anything
// else prints the help to stderr and exits 2.
class HostCommandLine {
 public:
  static constexpr int kUsageExitCode = 2;

  // What to print and the exit code when the arguments ask for an answer instead of a run.
  struct Answer {
    std::string text;
    bool toStderr = false;
    int exitCode = 0;
  };

  // Where the help says the files are: the settings' data folder (nullopt: the working folder)
  // and the folder of the log files.
  struct Folders {
    std::optional<std::filesystem::path> dataFolder;
    std::filesystem::path logFolder;
  };

  // `args` without the program name; nothing means run the host.
  static std::optional<Answer> answer(const std::vector<std::string>& args, const Folders& folders);

  static std::string versionText();
  static std::string helpText(const Folders& folders);
};

}  // namespace parvalon::host
