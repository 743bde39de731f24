#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ui/AboutPage.h"
#include "ui/AudioPage.h"
#include "ui/DashboardActions.h"
#include "ui/DashboardAssets.h"
#include "ui/DashboardBackend.h"
#include "ui/DashboardPage.h"
#include "ui/DashboardState.h"
#include "ui/InputPage.h"
#include "ui/LogView.h"
#include "ui/SettingsPage.h"
#include "ui/StatusBar.h"
#include "ui/StreamingPage.h"

namespace parvalon::host {

// The operator's dashboard, drawn with Dear ImGui through a platform back end: the frame with
// its sidebar and status bar around the selected page, handed to the back end only when it
// changed. It owns no host logic: what it shows is pushed into state() by the main loop, and
// what the operator asks for leaves through the callbacks of actions(). Main thread only,
// except addLogEntry.
class UIManager {
 public:
  enum Page : std::int32_t { kDashboard = 0, kStreaming, kAudio, kInput, kSettings, kLogs, kAbout, kPageCount };

  // `backend` may be null: the dashboard's state and actions then work without drawing.
  explicit UIManager(std::unique_ptr<DashboardBackend> backend, DashboardResources resources = DashboardResources());
  ~UIManager();
  UIManager(const UIManager&) = delete;
  UIManager& operator=(const UIManager&) = delete;

  bool initialize();
  // Builds the frame; hands it to the back end only when it differs from the one on screen.
  void render();
  void shutdown();
  bool isInitialized() const { return initialized_; }
  // Whether the last render drew into the back buffer (the caller presents only then): an
  // unchanged dashboard costs no drawing, which matters on a software renderer.
  bool frameDrawn() const { return frameDrawn_; }
  // The window's contents were lost (exposed, resized): the next frame is drawn whatever it holds.
  void invalidateFrame() { frameOnScreen_ = false; }

  DashboardState& state() { return state_; }
  const DashboardState& state() const { return state_; }
  DashboardActions& actions() { return actions_; }
  // Any thread (the log sink's callback).
  void addLogEntry(int level, const std::string& message) { logView_.addLogEntry(level, message); }
  LogView& logView() { return logView_; }

  std::int32_t currentPage() const { return currentPage_; }
  void setCurrentPage(std::int32_t page) { currentPage_ = page; }
  bool hasLogo() const { return assets_.logo() != nullptr; }
  bool hasOwnFont() const { return assets_.hasOwnFont(); }

 private:
  void drawSidebar(float height);
  void navigationButton(const char* label, std::int32_t page);
  void drawPage();

  std::unique_ptr<DashboardBackend> backend_;
  DashboardResources resources_;
  DashboardAssets assets_;
  DashboardState state_;
  DashboardActions actions_{state_};
  LogView logView_;
  DashboardPage dashboardPage_{state_, actions_, assets_};
  StreamingPage streamingPage_{state_, actions_, assets_};
  AudioPage audioPage_{state_, actions_, assets_};
  InputPage inputPage_{state_, actions_, assets_};
  SettingsPage settingsPage_{state_, actions_, assets_};
  AboutPage aboutPage_{state_, assets_};
  StatusBar statusBar_{state_};
  std::int32_t currentPage_ = kDashboard;
  bool initialized_ = false;
  bool frameOnScreen_ = false;
  bool frameDrawn_ = false;
  std::uint64_t frameDigest_ = 0;
};

}  // namespace parvalon::host
