// parvalon-screenshot --pid PID --out FILE.png [--wait SECONDS]
// Saves the window of process PID (as the window manager lists it) as a PNG.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "XcbScreen.h"

int main(int argc, char** argv) {
  pid_t pid = 0;
  std::string out;
  double waitSeconds = 5;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--pid") pid = static_cast<pid_t>(std::atoi(argv[i + 1]));
    else if (key == "--out") out = argv[i + 1];
    else if (key == "--wait") waitSeconds = std::atof(argv[i + 1]);
  }
  if (pid <= 0 || out.empty()) {
    std::fprintf(stderr, "usage: parvalon-screenshot --pid PID --out FILE.png [--wait SECONDS]\n");
    return 2;
  }
  parvalon::tools::XcbScreen screen;
  if (!screen.ok()) {
    std::fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  // The window may not be mapped yet: look for it for a bounded time.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(waitSeconds);
  xcb_window_t window = 0;
  while ((window = screen.windowOf(pid)) == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  if (window == 0) {
    std::fprintf(stderr, "no window of process %d\n", static_cast<int>(pid));
    return 1;
  }
  if (!screen.grab(window).savePng(out)) {
    std::fprintf(stderr, "cannot read or save the window\n");
    return 1;
  }
  return 0;
}
