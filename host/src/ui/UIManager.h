#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/WindowInfo.h"
#include "ui/ConnectionStatus.h"
#include "ui/DashboardBackend.h"
#include "ui/LogView.h"
#include "ui/SystemInformation.h"
#include "ui/TrustView.h"
#include "ui/UISettings.h"

#include <imgui.h>

namespace parvalon::host {


// One line of the dashboard's window list.
struct WindowEntry {
  std::uint32_t windowId = 0;
  std::string title;
  std::string processName;
  bool streaming = false;                       // some stream captures it, whoever started it
  std::optional<std::uint8_t> dashboardStream;  // the stream the dashboard started for it, if any
};

// A running stream as the host reports it to the dashboard.
struct StreamMark {
  std::uint32_t windowId = 0;
  std::uint8_t streamId = 0;
  bool fromDashboard = false;
};

// Files and probes the dashboard uses at initialisation; tests replace them.
struct DashboardResources {
  std::vector<std::string> fontFiles{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                     "/usr/share/fonts/dejavu/DejaVuSans.ttf"};
  std::string logoFile = "assets/logo.png";
  // Tried when logoFile fails, after the path beside the executable.
  std::string installedLogoFile;
  std::function<std::string()> localAddress;  // null: the first up, non-loopback IPv4 address
};

// The operator's dashboard: pages, widgets and the live log, drawn with Dear ImGui through a
// platform back end. It owns no host logic: actions leave through the three callbacks, and what
// it shows is pushed in by the main loop. Main thread only, except addLogEntry.
class UIManager {
 public:
  enum Page : std::int32_t { kDashboard = 0, kStreaming, kAudio, kInput, kSettings, kLogs, kAbout, kPageCount };

  static constexpr float kBodyFontPx = 18.0f;
  static constexpr float kHeadingFontPx = 24.0f;
  static constexpr float kTitleFontPx = 32.0f;
  static constexpr float kSidebarWidth = 260.0f;
  static constexpr float kStatusBarHeight = 56.0f;
  static constexpr int kMinBitrateMbps = 5;
  static constexpr int kMaxBitrateMbps = 150;
  static constexpr std::int32_t kFrameRates[] = {72, 80, 90, 120};
  // Relative to the executable's folder: the source tree's asset from a build folder.
  static constexpr const char* kLogoBesideExecutable = "/../../../host/assets/logo.png";

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

  // Replaces the window list; the streaming marks come from the last setStreams.
  void setWindowList(const std::vector<protocol::WindowInfo>& list);
  // The host's running streams (the dashboard's and every client's), pushed every frame.
  void setStreams(const std::vector<StreamMark>& streams);
  // Any thread (the log sink's callback).
  void addLogEntry(int level, const std::string& message) { logView_.addLogEntry(level, message); }

  // Field writes of the main loop.
  UISettings& settings() { return settings_; }
  const UISettings& settings() const { return settings_; }
  void setSystemInformation(const SystemInformation& info) { systemInfo_ = info; }
  const SystemInformation& systemInformation() const { return systemInfo_; }
  void setConnectionStatus(const ConnectionStatus& status) { status_ = status; }
  const ConnectionStatus& connectionStatus() const { return status_; }
  // Waiting and trusted clients and the pairing PIN, pushed every frame.
  void setTrustView(const TrustView& view) { trust_ = view; }
  const TrustView& trustView() const { return trust_; }

  std::function<void(const UISettings&)> onSettingsChanged;
  // Starts a dashboard stream of the window; the host numbers it (nullopt: it did not start).
  std::function<std::optional<std::uint8_t>(std::uint32_t windowId)> onStartCapture;
  std::function<void(std::uint8_t streamId)> onStopCapture;
  // The operator's answer to a waiting client (its session), and a trusted client removed.
  std::function<void(std::uint64_t sessionId)> onAllowClient;
  std::function<void(std::uint64_t sessionId)> onDenyClient;
  std::function<void(const std::string& address, const std::string& clientName)> onRemoveTrustedClient;

  // What the widgets do, callable without drawing.
  void selectQualityPreset(std::int32_t index);
  void setBitrateFromSlider(std::int32_t mbps);
  void setTargetFps(std::int32_t fps);
  void resetToDefaults();
  // A click on window-list item `index`: stops the dashboard's stream of it, or starts one.
  void toggleWindow(std::size_t index);
  // The Allow and Deny buttons of waiting client `index`, and Remove of trusted client `index`.
  void allowPending(std::size_t index);
  void denyPending(std::size_t index);
  void removeTrusted(std::size_t index);

  const std::vector<WindowEntry>& windows() const { return windows_; }
  std::int32_t currentPage() const { return currentPage_; }
  void setCurrentPage(std::int32_t page) { currentPage_ = page; }
  const std::string& localIpAddress() const { return localIpAddress_; }
  bool hasLogo() const { return logoTexture_ != nullptr; }
  bool hasOwnFont() const { return ownFont_; }
  LogView& logView() { return logView_; }

  // Past this many bytes a text is never measured: no list line shows that much of it.
  static constexpr std::size_t kMaxFittedTextBytes = 1024;

  // `text` shortened so that it fits `maxWidth` as `measure` reports it: the longest prefix of
  // whole characters that fits followed by "...". A text longer than kMaxFittedTextBytes is
  // always shortened, to at most that many bytes. Measures O(log n) times.
  static std::string fitText(const std::string& text, float maxWidth,
                             const std::function<float(std::string_view)>& measure);

 private:
  void loadFonts();
  bool loadLogoTexture();
  static void applyTheme();
  void fireSettingsChanged();
  void refreshShownStatus();
  // Marks each listed window with the streams that capture it.
  void applyStreamMarks();

  void drawSidebar(float height);
  void drawStatusBar(float width);
  void drawPage();
  void drawDashboardPage();
  void drawConnectionCard();
  // "Allow <name> at <address>?" with Allow and Deny per waiting client, and the PIN.
  void drawApprovalPrompts();
  void drawTrustedClients();
  void drawSystemCard();
  void drawWindowList();
  void drawStreamingPage();
  void drawAudioPage();
  void drawInputPage();
  void drawSettingsPage();
  void drawAboutPage();
  void pageTitle(const char* title, const char* subtitle);
  void heading(const char* text, float spaceBefore);
  bool navigationButton(const char* label, std::int32_t page);

  std::unique_ptr<DashboardBackend> backend_;
  DashboardResources resources_;
  ImTextureID logoTexture_ = nullptr;
  std::int32_t logoWidth_ = 0;
  std::int32_t logoHeight_ = 0;
  ImFont* bodyFont_ = nullptr;
  ImFont* headingFont_ = nullptr;
  ImFont* titleFont_ = nullptr;
  bool ownFont_ = false;
  std::int32_t currentPage_ = kDashboard;
  UISettings settings_;
  SystemInformation systemInfo_;
  ConnectionStatus status_;
  TrustView trust_;
  // What the status bar and the connection card draw: `status_` at once when the connection
  // itself changes, its live figures four times a second (readable, and no redraw per frame).
  ConnectionStatus shownStatus_;
  double shownStatusAt_ = -1.0;
  std::vector<WindowEntry> windows_;
  std::vector<StreamMark> streams_;
  std::string localIpAddress_ = "0.0.0.0";
  bool initialized_ = false;
  bool frameOnScreen_ = false;
  bool frameDrawn_ = false;
  std::uint64_t frameDigest_ = 0;
  LogView logView_;
};

}  // namespace parvalon::host
