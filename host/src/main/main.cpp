// Linux process entry: the command-line answers, the stop signals, logging and the fatal path.
// Everything between the first log line and the last is the host loop's.

#include <atomic>
#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "app/AutostartEntry.h"
#include "app/HostCommandLine.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "main/HostLoop.h"
#include "main/MainWindow.h"
#include "platform/DataFolder.h"
#include "platform/linux/DisplayGpu.h"
#include "ui/GlfwOpenGl3Backend.h"

namespace {

// Set by SIGINT/SIGTERM; the loop then ends exactly as when the window is closed.
std::atomic<bool> stopSignalled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void onStopSignal(int) { stopSignalled.store(true); }

void installSignalHandlers() {
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

// The running executable; the installed share folder (beside its folder) and the autostart
// entry's command are found from it.
std::filesystem::path executablePath() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

int run() {
  using namespace parvalon::host;
  AutostartEntry autostart(AutostartEntry::userFolder(), executablePath().string());

  HostLoop::Parts parts;
  parts.createWindow = []() -> std::unique_ptr<DashboardWindow> {
    auto window = std::make_unique<MainWindow>();
    if (!window->create()) {
      PV_LOG_ERROR("Failed to create window");
      return nullptr;
    }
    return window;
  };
  parts.resources.installedLogoFile =
      (executablePath().parent_path() / PARVALON_SHARE_FROM_BIN / "logo.png").lexically_normal().string();
  // The GPU line names what the display renders with: the capture path here uses no adapter.
  parts.displayGpu = [] {
    const auto gpu = platform::linux_x11::describeDisplayGpu(GlfwOpenGl3Backend::rendererName(),
                                                             platform::linux_x11::listDrmCards());
    return HostLoop::GpuLine{gpu.name, gpu.vramMB};
  };
  parts.stopRequested = [] { return stopSignalled.load(); };
  parts.startsWithSession = [&autostart] { return autostart.isEnabled(); };
  parts.setStartsWithSession = [&autostart](bool enabled) { autostart.setEnabled(enabled); };
  return HostLoop(std::move(parts)).run();
}

}  // namespace

int main(int argc, char** argv) {
  using parvalon::host::HostCommandLine;
  const HostCommandLine::Folders folders{parvalon::host::platform::localAppDataFolder(), parvalon::host::logFolder()};
  if (const auto answer = HostCommandLine::answer(std::vector<std::string>(argv + 1, argv + argc), folders)) {
    std::fputs(answer->text.c_str(), answer->toStderr ? stderr : stdout);
    return answer->exitCode;
  }
  installSignalHandlers();
  parvalon::host::initLogging("ParvalonHost", true, spdlog::level::debug);
  int code = 1;
  try {
    code = run();
  } catch (const std::exception& e) {
    PV_LOG_CRITICAL("Unhandled exception: {}", e.what());
    std::fprintf(stderr, "Parvalon Host - Fatal Error: %s\n", e.what());
    code = 1;
  }
  parvalon::host::shutdownLogging();
  return code;
}
