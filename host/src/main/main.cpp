// Process entry: logging, the dashboard window, the Application, the main loop, tear-down.

#include <time.h>

#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include <ParvalonVersion.h>

#include "app/Application.h"
#include "app/AutostartEntry.h"
#include "app/HostCommandLine.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "logging/UISink.h"
#include "main/MainWindow.h"
#include "platform/CaptureMethod.h"
#include "platform/DataFolder.h"
#include "platform/linux/DisplayGpu.h"
#include "ui/GlfwOpenGl3Backend.h"
#include "ui/LogView.h"
#include "ui/SystemInformation.h"
#include "ui/UIManager.h"

namespace {

// Set by SIGINT/SIGTERM; the loop then ends exactly as when the window is closed.
std::atomic<bool> stopSignalled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void onStopSignal(int) { stopSignalled.store(true); }

// The window list is refreshed every this many loop iterations (about once a second).
constexpr int kWindowListInterval = 60;
// The loop reports its own cost at debug level once per this many iterations.
constexpr int kLoopCostInterval = 600;

const char* onOff(bool value) { return value ? "ON" : "OFF"; }

std::int64_t cpuNs(clockid_t clock) {
  timespec ts{};
  clock_gettime(clock, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// CPU time the loop costs, sampled every kLoopCostInterval iterations: the main thread's own
// and the whole process's (which adds the renderer's threads and every other subsystem).
class LoopCost {
 public:
  LoopCost() : threadNs_(cpuNs(CLOCK_THREAD_CPUTIME_ID)), processNs_(cpuNs(CLOCK_PROCESS_CPUTIME_ID)) {}
  void iterationDone() {
    if (++iterations_ < kLoopCostInterval) return;
    const std::int64_t threadNs = cpuNs(CLOCK_THREAD_CPUTIME_ID);
    const std::int64_t processNs = cpuNs(CLOCK_PROCESS_CPUTIME_ID);
    PV_LOG_DEBUG("Main loop: {:.2f} ms CPU per iteration on the main thread, {:.2f} ms in the process, over {} iterations",
                 static_cast<double>(threadNs - threadNs_) / 1e6 / iterations_,
                 static_cast<double>(processNs - processNs_) / 1e6 / iterations_, iterations_);
    threadNs_ = threadNs;
    processNs_ = processNs;
    iterations_ = 0;
  }

 private:
  std::int64_t threadNs_;
  std::int64_t processNs_;
  int iterations_ = 0;
};

// The dashboard starts from the stored settings; the preset shows High whatever the bitrate.
void fillDashboardSettings(parvalon::host::UISettings& ui, const parvalon::host::Settings& settings) {
  ui.signalingPort = settings.signalingPort;
  ui.videoPort = settings.videoPort;
  ui.audioPort = settings.audioPort;
  ui.inputPort = settings.inputPort;
  ui.targetFps = static_cast<std::int32_t>(settings.targetFps.load());
  ui.bitrateKbps = static_cast<std::int32_t>(settings.targetBitrate.load());
  ui.maxBitrateKbps = static_cast<std::int32_t>(settings.maxBitrate.load());
  ui.sharpeningEnabled = settings.sharpeningEnabled;
  ui.sharpness = settings.sharpness;
  ui.vsyncEnabled = settings.vsyncEnabled;
  ui.fullRangeColor = settings.fullRangeColor;
  ui.qualityPreset = 2;
}

// The three dashboard actions lead into the application; they run on the main thread from
// inside render, never alongside update.
void installDashboardCallbacks(parvalon::host::UIManager& dashboard, parvalon::host::Application& application) {
  using namespace parvalon::host;
  dashboard.onSettingsChanged = [&application](const UISettings& s) {
    PV_LOG_INFO("Settings changed - FPS: {}, Bitrate: {} kbps, Sharpening: {} ({:.1f}), VSync: {}, FullRange: {}",
                s.targetFps, s.bitrateKbps, onOff(s.sharpeningEnabled), s.sharpness, onOff(s.vsyncEnabled),
                onOff(s.fullRangeColor));
    application.applySettings(static_cast<std::uint32_t>(s.bitrateKbps), static_cast<std::uint32_t>(s.maxBitrateKbps),
                              static_cast<std::uint32_t>(s.targetFps));
    application.applySharpeningSettings(s.sharpeningEnabled, s.sharpness);
    application.applyVSyncSettings(s.vsyncEnabled);
    application.applyFullRangeColorSettings(s.fullRangeColor);
  };
  dashboard.onStartCapture = [&application](std::uint32_t windowId) {
    PV_LOG_INFO("Start capture requested for window {}", windowId);
    return application.startCapture(windowId);
  };
  dashboard.onStopCapture = [&application](std::uint8_t streamId) {
    PV_LOG_INFO("Stop capture requested for stream {}", streamId);
    application.stopCapture(streamId);
  };
  dashboard.onAllowClient = [&application](std::uint64_t sessionId) { application.allowClient(sessionId); };
  dashboard.onDenyClient = [&application](std::uint64_t sessionId) { application.denyClient(sessionId); };
  dashboard.onRemoveTrustedClient = [&application](const std::string& address, const std::string& clientName) {
    application.removeTrustedClient(address, clientName);
  };
}

std::vector<parvalon::host::StreamMark> streamMarks(parvalon::host::Application& application) {
  std::vector<parvalon::host::StreamMark> marks;
  for (const auto& stream : application.streamedWindows()) {
    marks.push_back({stream.windowId, stream.streamId, stream.fromDashboard});
  }
  return marks;
}

// The running executable; the installed share folder (beside its folder) and the autostart
// entry's command are found from it.
std::filesystem::path executablePath() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

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
  resources.installedLogoFile =
      (executablePath().parent_path() / PARVALON_SHARE_FROM_BIN / "logo.png").lexically_normal().string();
  auto dashboard = std::make_unique<UIManager>(std::make_unique<GlfwOpenGl3Backend>(window.handle()), resources);
  if (!dashboard->initialize()) {
    PV_LOG_ERROR("Failed to initialize UI");
    return 1;
  }

  // Lines from any thread reach the log view from here on; the callback is dropped before the
  // dashboard goes.
  auto sink = std::make_shared<UISinkMt>();
  UIManager* const view = dashboard.get();
  sink->setCallback([view](int level, const std::string& line) { view->addLogEntry(LogView::levelFromSink(level), line); });
  // Also on an escaping exception, the callback goes before the dashboard does.
  struct DetachSink {
    std::shared_ptr<UISinkMt> sink;
    ~DetachSink() { sink->setCallback({}); }
  } detachSink{sink};
  addSink(sink);
  PV_LOG_INFO("UI log sink attached");
  PV_LOG_INFO("Streaming optimizations active: GPU MaxFrameLatency=1, D3D11 Multithread, Priority Boost, Encoder AQ");

  const Settings& settings = application->settings();
  fillDashboardSettings(dashboard->settings(), settings);
  PV_LOG_INFO("UI initialized with settings: bitrate={} kbps, fps={}, ports={}/{}/{}/{}", settings.targetBitrate.load(),
              settings.targetFps.load(), settings.signalingPort, settings.videoPort, settings.audioPort,
              settings.inputPort);
  installDashboardCallbacks(*dashboard, *application);
  // The startup switch shows whether the session's autostart entry exists, and writes or removes it.
  AutostartEntry autostart(AutostartEntry::userFolder(), executablePath().string());
  dashboard->settings().startWithSession = autostart.isEnabled();
  dashboard->onSettingsChanged = [&autostart, applySettings = std::move(dashboard->onSettingsChanged)](
                                     const UISettings& s) {
    applySettings(s);
    autostart.setEnabled(s.startWithSession);
  };
  // The GPU line names what the display renders with: the capture path here uses no adapter.
  const auto gpu = platform::linux_x11::describeDisplayGpu(GlfwOpenGl3Backend::rendererName(),
                                                           platform::linux_x11::listDrmCards());
  dashboard->setSystemInformation(SystemInformation::describe(application->getEncoderName(), gpu.name, gpu.vramMB,
                                                              platform::captureMethodNames(),
                                                              application->captureSupported()));

  PV_LOG_INFO("Application initialized, entering main loop...");
  int windowListCounter = 0;
  LoopCost cost;
  while (true) {
    window.pollEvents();
    if (window.closeRequested() || stopSignalled.load()) break;
    window.applyPendingResize();
    application->update();
    dashboard->setConnectionStatus(application->connectionStatus());
    dashboard->setTrustView(application->trustView());
    dashboard->setStreams(streamMarks(*application));
    if (++windowListCounter >= kWindowListInterval) {
      windowListCounter = 0;
      dashboard->setWindowList(application->getWindowList());
    }
    if (window.takeContentsLost()) dashboard->invalidateFrame();
    dashboard->render();
    window.present(dashboard->frameDrawn());
    cost.iterationDone();
  }

  // The dashboard goes first: its callbacks lead into the application.
  detachSink.sink->setCallback({});
  dashboard->shutdown();
  dashboard.reset();
  application->shutdown();
  application.reset();
  window.destroy();
  PV_LOG_INFO("Parvalon Host exiting");
  return 0;
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
