#pragma once

#include <optional>
#include <string>
#include <vector>

namespace parvalon::testpattern {

inline constexpr const char* kUsage =
    "usage: parvalon-testpattern [--title TEXT] [--width N] [--height N] [--x N] [--y N]\n"
    "         [--fps N] [--input-log FILE] [--id-file FILE] [--duration SECONDS]\n"
    "         [--static] [--blank] [--no-icon] [--override-redirect] [--latin1-title]\n"
    "         [--min-width N] [--min-height N] [--class TEXT]\n";

// The pattern window's command line, the same on every platform. Texts are UTF-8.
struct PatternOptions {
  static constexpr int kDefaultWidth = 1280;
  static constexpr int kDefaultHeight = 720;
  static constexpr int kDefaultFps = 60;

  std::string title = "Parvalon Test Pattern";
  int width = kDefaultWidth;  // client area
  int height = kDefaultHeight;
  int x = 0;
  int y = 0;
  bool positioned = false;
  int fps = kDefaultFps;
  std::string inputLog;  // one JSON line per input event, appended
  std::string idFile;    // the window's id in decimal, written whole once it is shown
  double durationS = 0;  // 0: until closed
  bool animate = true;
  bool blank = false;  // background only: a plain window to cover others with
  bool icon = true;
  bool overrideRedirect = false;  // X11 only
  bool latin1Title = false;       // X11 only
  int minWidth = 0;  // smallest size the window may be given; 0: none
  int minHeight = 0;
  std::string windowClass = "ParvalonTestPattern";

  // The options of `args` (without the program name); nothing on an unknown option or a bad value.
  static std::optional<PatternOptions> parse(const std::vector<std::string>& args);
};

}  // namespace parvalon::testpattern
