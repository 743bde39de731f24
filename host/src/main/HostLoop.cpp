#include "main/HostLoop.h"

#include <cstdint>
#include <vector>

#include <ParvalonVersion.h>

#include "app/Application.h"
#include "logging/Log.h"
#include "logging/Logging.h"
#include "logging/UISink.h"
#include "main/LoopCost.h"
#include "main/PresentPacer.h"
#include "platform/CaptureMethod.h"
#include "ui/LogView.h"
#include "ui/SystemInformation.h"

namespace parvalon::host {
namespace {

const char* onOff(bool value) { return value ? "ON" : "OFF"; }

// The dashboard starts from the stored settings; the preset shows High whatever the bitrate.
void fillDashboardSettings(UISettings& ui, const Settings& settings) {
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

// The dashboard actions lead into the application; they run on the main thread from
// inside render, never alongside update.
void installDashboardCallbacks(DashboardActions& dashboard, Application& application) {
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

std::vector<StreamMark> streamMarks(Application& application) {
  std::vector<StreamMark> marks;
  for (const auto& stream : application.streamedWindows()) {
    marks.push_back({stream.windowId, stream.streamId, stream.fromDashboard});
  }
  return marks;
}

}  // namespace

int HostLoop::run() {
  PV_LOG_INFO("Parvalon Host starting...");
  PV_LOG_INFO("Version: {}", PARVALON_VERSION);

  // Declared in creation order: an early return or an exception takes them down in reverse.
  std::unique_ptr<DashboardWindow> window = parts_.createWindow ? parts_.createWindow() : nullptr;
  if (!window) return 1;  // the platform logged which step failed

  std::unique_ptr<Application> application =
      parts_.createApplication ? parts_.createApplication() : std::make_unique<Application>();
  window->setDisplayChangeCallback([&application] {
    if (application) application->onDisplayChange();
    PV_LOG_INFO("Display configuration changed");
  });
  if (!application->initialize()) {
    PV_LOG_ERROR("Failed to initialize application");
    return 1;
  }

  auto dashboard = std::make_unique<UIManager>(window->createDashboardBackend(), parts_.resources);
  if (!dashboard->initialize()) {
    PV_LOG_ERROR("Failed to initialize UI");
    return 1;
  }

  // Lines from any thread reach the log view from here on; the callback is dropped before the
  // dashboard goes, also when an exception escapes.
  auto sink = std::make_shared<UISinkMt>();
  UIManager* const view = dashboard.get();
  sink->setCallback([view](int level, const std::string& line) { view->addLogEntry(LogView::levelFromSink(level), line); });
  struct DetachSink {
    std::shared_ptr<UISinkMt> sink;
    ~DetachSink() { sink->setCallback({}); }
  } detachSink{sink};
  addSink(sink);
  PV_LOG_INFO("UI log sink attached");
  PV_LOG_INFO("Streaming optimizations active: GPU MaxFrameLatency=1, D3D11 Multithread, Priority Boost, Encoder AQ");

  const Settings& settings = application->settings();
  fillDashboardSettings(dashboard->state().settings(), settings);
  PV_LOG_INFO("UI initialized with settings: bitrate={} kbps, fps={}, ports={}/{}/{}/{}", settings.targetBitrate.load(),
              settings.targetFps.load(), settings.signalingPort, settings.videoPort, settings.audioPort,
              settings.inputPort);
  installDashboardCallbacks(dashboard->actions(), *application);
  if (parts_.startsWithSession && parts_.setStartsWithSession) {
    // The switch shows whether the session starts the host, and turns that on or off.
    dashboard->state().settings().startWithSession = parts_.startsWithSession();
    DashboardActions& actions = dashboard->actions();
    actions.onSettingsChanged = [set = parts_.setStartsWithSession,
                                 applySettings = std::move(actions.onSettingsChanged)](const UISettings& s) {
      applySettings(s);
      set(s.startWithSession);
    };
  }
  const GpuLine gpu = parts_.displayGpu ? parts_.displayGpu() : GpuLine{application->gpuName, application->vramMB};
  dashboard->state().setSystemInformation(SystemInformation::describe(application->getEncoderName(), gpu.name,
                                                                      gpu.vramMB, platform::captureMethodNames(),
                                                                      application->captureSupported()));

  PV_LOG_INFO("Application initialized, entering main loop...");
  int windowListCounter = 0;
  PresentPacer pacer;
  LoopCost cost;
  while (true) {
    window->pollEvents();
    if (window->closeRequested() || stopRequested()) break;
    // New back buffers hold nothing yet, as do exposed ones: the next frame is drawn whole.
    const bool resized = window->applyPendingResize();
    application->update();
    dashboard->state().setConnectionStatus(application->connectionStatus());
    dashboard->state().setTrustView(application->trustView());
    dashboard->state().setStreams(streamMarks(*application));
    if (++windowListCounter >= kWindowListInterval) {
      windowListCounter = 0;
      dashboard->state().setWindowList(application->getWindowList());
    }
    if (window->takeContentsLost() || resized) dashboard->invalidateFrame();
    dashboard->render();
    // An unchanged dashboard keeps the frame on screen; the pacer still holds the loop near the
    // display's rate where presenting does not wait for a vertical blank (or nothing was shown).
    if (dashboard->frameDrawn()) window->present();
    pacer.presented();
    cost.iterationDone();
  }

  // The dashboard goes first: its callbacks lead into the application.
  detachSink.sink->setCallback({});
  dashboard->shutdown();
  dashboard.reset();
  application->shutdown();
  application.reset();
  window.reset();
  PV_LOG_INFO("Parvalon Host exiting");
  return 0;
}

}  // namespace parvalon::host
