#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "main/DashboardWindow.h"
#include "ui/UIManager.h"

namespace parvalon::host {

class Application;

// The host from its first log line to its last, the same on every platform: the dashboard
// window, the Application, the dashboard and its log sink, the main loop (window messages,
// resize, update, status and streams, the window list every kWindowListInterval iterations,
// draw, present) and the tear-down in order. The process entry keeps only what is its own
// (signals or DPI awareness, logging, the fatal path) and hands the platform's pieces in.
class HostLoop {
 public:
  // The window list is refreshed every this many iterations (about once a second).
  static constexpr int kWindowListInterval = 60;

  struct GpuLine {
    std::string name;
    std::uint64_t vramMB = 0;
  };

  // What differs between the platforms besides the loop itself.
  struct Parts {
    // Creates the dashboard window after the start lines; null when that fails, after logging
    // the one error line of the step that failed.
    std::function<std::unique_ptr<DashboardWindow>()> createWindow;
    // Null: the real Application.
    std::function<std::unique_ptr<Application>()> createApplication;
    DashboardResources resources;
    // The dashboard's GPU line; null: the capture adapter the application found.
    std::function<GpuLine()> displayGpu;
    // Asked once an iteration; true ends the loop as closing the window does. Null: never.
    std::function<bool()> stopRequested;
    // The "start with the session" switch; both null where it is not offered.
    std::function<bool()> startsWithSession;
    std::function<void(bool)> setStartsWithSession;
  };

  explicit HostLoop(Parts parts) : parts_(std::move(parts)) {}

  // Start-up, the loop until the window closes, tear-down. 0 after a clean run, 1 when
  // start-up failed (what was made by then goes in reverse order).
  int run();

 private:
  bool stopRequested() const { return parts_.stopRequested && parts_.stopRequested(); }

  Parts parts_;
};

}  // namespace parvalon::host
