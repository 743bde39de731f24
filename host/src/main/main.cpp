// Process entry: logging, the dashboard window, the Application, the main loop, tear-down.

#include <atomic>
#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>

#include "app/Application.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "main/MainWindow.h"
#include "ui/GlfwOpenGl3Backend.h"
#include "ui/UIManager.h"

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

int run() {
  using namespace parvalon::host;

  PV_LOG_INFO("Parvalon Host starting...");
  PV_LOG_INFO("Version: {}", PARVALON_VERSION);

  MainWindow window;
  if (!window.create()) {
    PV_LOG_ERROR("Failed to create window");
    return 1;
  }

  auto application = std::make_unique<Application>();
  window.setDisplayChangeCallback([&application] {
    if (application) application->onDisplayChange();
    PV_LOG_INFO("Display configuration changed");
  });
  if (!application->initialize()) {
    PV_LOG_ERROR("Failed to initialize application");
    return 1;
  }

  DashboardResources resources;
  resources.installedLogoFile = PARVALON_SHARE_DIR "/logo.png";
  auto dashboard = std::make_unique<UIManager>(std::make_unique<GlfwOpenGl3Backend>(window.handle()), resources);
  if (!dashboard->initialize()) {
    PV_LOG_ERROR("Failed to initialize UI");
    return 1;
  }

  PV_LOG_INFO("Application initialized, entering main loop...");
  while (true) {
    window.pollEvents();
    if (window.closeRequested() || stopSignalled.load()) break;
    window.applyPendingResize();
    application->update();
    window.clear(0.06f, 0.06f, 0.10f, 1.0f);
    dashboard->render();
    window.present();
  }

  // The dashboard goes first: its callbacks lead into the application.
  dashboard->shutdown();
  dashboard.reset();
  application->shutdown();
  application.reset();
  window.destroy();
  PV_LOG_INFO("Parvalon Host exiting");
  return 0;
}

}  // namespace

int main() {
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
