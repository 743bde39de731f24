#pragma once

// The test pattern a benchmark captures or streams: one size, in the screen's top-left corner,
// without an icon, ended when the object goes.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "platform/WindowSystem.h"
#include "support/TestPatternProcess.h"

namespace parvalon::bench {

struct PatternWindow {
  std::unique_ptr<host::testing::TestPatternProcess> process;
  host::platform::WindowRect rect;
};

// Opens the pattern and waits for its window at that size. Says why and gives nothing when it
// does not come up so (a screen smaller than the size, say).
inline std::optional<PatternWindow> openPatternWindow(host::platform::WindowSystem& windows, const std::string& title,
                                                      int width, int height, int fps) {
  PatternWindow pattern;
  pattern.process = std::make_unique<host::testing::TestPatternProcess>(std::vector<std::string>{
      "--title", title, "--width", std::to_string(width), "--height", std::to_string(height), "--x", "0", "--y", "0",
      "--fps", std::to_string(fps), "--no-icon", "--duration", "600"});
  const auto id = pattern.process->window();
  std::optional<host::platform::WindowRect> rect;
  host::testing::waitFor([&] {
    rect = id != 0 ? windows.clientRect(id) : std::nullopt;
    return rect && rect->width > 0;
  });
  if (!rect || rect->width != width || rect->height != height) {
    std::printf("%dx%d: the pattern window did not come up at that size (screen too small?)\n", width, height);
    return std::nullopt;
  }
  pattern.rect = *rect;
  return pattern;
}

}  // namespace parvalon::bench
