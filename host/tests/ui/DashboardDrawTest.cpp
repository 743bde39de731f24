#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/HeadlessBackend.h"
#include "fakes/LogCapture.h"
#include "ui/UIManager.h"

// Frames of the real dashboard drawn through Dear ImGui without a window: every page, clicks on
// the window list and the log, initialisation with and without the font and logo files.
namespace parvalon::host {
namespace {

using testing::HeadlessBackend;

const std::string kLogo = std::string(PARVALON_SOURCE_DIR) + "/host/assets/logo.png";

DashboardResources resources(std::string logo = kLogo) {
  DashboardResources r;
  r.logoFile = std::move(logo);
  r.localAddress = [] { return std::string("192.0.2.10"); };
  return r;
}

protocol::WindowInfo window(std::uint32_t id, std::string title) {
  protocol::WindowInfo info;
  info.id = id;
  info.title = std::move(title);
  info.processName = "app";
  return info;
}

class DashboardDraw : public ::testing::Test {
 protected:
  void start(DashboardResources r = resources()) {
    ui = std::make_unique<UIManager>(std::make_unique<HeadlessBackend>(state), std::move(r));
    ASSERT_TRUE(ui->initialize());
  }
  void frame() { ui->render(); }
  // A press and a release at `at`, then a frame with the mouse away.
  void click(ImVec2 at) {
    state.mousePos = at;
    state.mouseDown = false;
    frame();
    state.mouseDown = true;
    frame();
    state.mouseDown = false;
    frame();
    state.mousePos = ImVec2(-1, -1);
    frame();
  }

  HeadlessBackend::State state;
  std::unique_ptr<UIManager> ui;
};

TEST_F(DashboardDraw, InitialisesWithFontsLogoAndAddress) {
  testing::LogCapture log;
  start();
  EXPECT_TRUE(ui->isInitialized());
  EXPECT_TRUE(ui->hasOwnFont());
  EXPECT_TRUE(ui->hasLogo());
  EXPECT_EQ(state.texturesCreated, 1);
  EXPECT_EQ(ui->state().localIpAddress(), "192.0.2.10");
  EXPECT_TRUE(log.has(testing::kInfo, "Detected local IP address: 192.0.2.10"));
  EXPECT_TRUE(log.has(testing::kInfo, "Loaded logo texture: 256x256"));
  EXPECT_TRUE(log.has(testing::kInfo, "UI Manager initialized with Parvalon purple theme"));
  ui->shutdown();
  EXPECT_FALSE(ui->isInitialized());
  EXPECT_EQ(state.texturesDestroyed, 1);
  EXPECT_FALSE(state.initialized);
  EXPECT_TRUE(ui->initialize());  // a second start after shutdown works
}

TEST_F(DashboardDraw, MissingFontAndLogoStillInitialise) {
  testing::LogCapture log;
  DashboardResources r = resources("/nonexistent/logo.png");
  r.fontFiles = {"/nonexistent/DejaVuSans.ttf"};
  state.executableFolder = "/nonexistent/bin";
  start(std::move(r));
  EXPECT_FALSE(ui->hasOwnFont());
  EXPECT_FALSE(ui->hasLogo());
  EXPECT_TRUE(log.has(testing::kWarn,
                      "Failed to load logo texture from: /nonexistent/bin/../../../host/assets/logo.png"));
  for (int page = 0; page < UIManager::kPageCount; ++page) {
    ui->setCurrentPage(page);
    frame();
  }
}

TEST_F(DashboardDraw, LogoFoundBesideTheExecutable) {
  // An executable three folders below a tree finds <tree>/host/assets/logo.png (the build copies
  // the logo to <build>/host/assets for <build>/host/src/main/ParvalonHost).
  state.executableFolder = std::string(PARVALON_SOURCE_DIR) + "/host/src/main";
  start(resources("/nonexistent/logo.png"));
  EXPECT_TRUE(ui->hasLogo());
}

TEST_F(DashboardDraw, TextureUploadFailureLeavesNoLogo) {
  testing::LogCapture log;
  state.failTextures = true;
  start();
  EXPECT_FALSE(ui->hasLogo());
  EXPECT_TRUE(log.has(testing::kError, "Failed to create logo texture"));
}

TEST_F(DashboardDraw, EveryPageDrawsInEveryState) {
  start();
  ui->state().setWindowList({window(1, std::string(300, 'x')), window(2, "Terminal")});
  ui->logView().addLogEntry(3, "warned");
  for (bool connected : {false, true}) {
    ConnectionStatus status;
    status.connected = connected;
    status.clientName = "Lab Quest";
    ui->state().setConnectionStatus(status);
    ui->state().settings().sharpeningEnabled = connected;
    ui->state().settings().micPassthrough = connected;
    for (int page = 0; page < UIManager::kPageCount; ++page) {
      ui->setCurrentPage(page);
      frame();
      frame();
    }
  }
  ui->setCurrentPage(UIManager::kDashboard);
  state.displaySize = ImVec2(0, 0);  // minimised
  frame();
}

// A software renderer pays for every drawn frame: an unchanged dashboard is not drawn again,
// while any visible change, or lost window contents, is.
TEST_F(DashboardDraw, OnlyChangedFramesAreDrawn) {
  start();
  for (int i = 0; i < 5; ++i) frame();  // Dear ImGui settles its layout over the first frames
  const int settled = state.framesDrawn;
  EXPECT_GE(settled, 1);
  for (int i = 0; i < 10; ++i) frame();
  EXPECT_EQ(state.framesDrawn, settled);
  EXPECT_FALSE(ui->frameDrawn());

  ConnectionStatus status;
  status.connected = true;
  status.clientName = "Headset";
  status.fps = 72;
  ui->state().setConnectionStatus(status);
  frame();
  EXPECT_TRUE(ui->frameDrawn());
  EXPECT_EQ(state.framesDrawn, settled + 1);
  // A live figure is shown four times a second: frames of 1/60 s pass before it appears.
  status.latencyMs = 4.5f;
  ui->state().setConnectionStatus(status);
  int framesUntilShown = 0;
  while (state.framesDrawn == settled + 1 && framesUntilShown < 60) {
    frame();
    ++framesUntilShown;
  }
  EXPECT_EQ(state.framesDrawn, settled + 2);
  EXPECT_GE(framesUntilShown, 10);
  EXPECT_LE(framesUntilShown, 16);
  frame();
  EXPECT_EQ(state.framesDrawn, settled + 2);
  // A new client is shown at once.
  status.clientName = "Other headset";
  ui->state().setConnectionStatus(status);
  frame();
  EXPECT_EQ(state.framesDrawn, settled + 3);

  ui->invalidateFrame();
  frame();
  EXPECT_EQ(state.framesDrawn, settled + 4);
  state.displaySize = ImVec2(1000, 700);
  frame();
  EXPECT_EQ(state.framesDrawn, settled + 5);

  // Minimised: nothing to draw into. Restored at the same size, the unchanged dashboard is drawn
  // again, not left as the background a blank present would have shown.
  state.displaySize = ImVec2(0, 0);
  frame();
  EXPECT_FALSE(ui->frameDrawn());
  state.displaySize = ImVec2(1000, 700);
  frame();
  EXPECT_EQ(state.framesDrawn, settled + 6);
}

TEST_F(DashboardDraw, SidebarButtonSelectsThePage) {
  start();
  frame();
  // The navigation buttons start below the 140 px logo area, one under the other, from x = 15.
  bool reached = false;
  for (float y = 150; y < 840 && !reached; y += 8) {
    click(ImVec2(100, y));
    reached = ui->currentPage() == UIManager::kLogs;
  }
  EXPECT_TRUE(reached);
}

TEST_F(DashboardDraw, ClickingAWindowStartsThenStopsItsStream) {
  start();
  std::vector<std::uint32_t> starts;
  std::vector<std::uint8_t> stops;
  ui->actions().onStartCapture = [&](std::uint32_t w) -> std::optional<std::uint8_t> {
    starts.push_back(w);
    return 5;
  };
  ui->actions().onStopCapture = [&](std::uint8_t s) { stops.push_back(s); };
  ui->state().setWindowList({window(77, "Test Pattern")});
  frame();
  // Find the list item from the top of the content down (the list sits below the two cards).
  ImVec2 at;
  for (float y = 300; y < 800 && starts.empty(); y += 8) {
    at = ImVec2(700, y);
    click(at);
  }
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0], 77u);
  EXPECT_TRUE(ui->state().windows()[0].streaming);
  click(at);
  ASSERT_EQ(stops.size(), 1u);
  EXPECT_EQ(stops[0], 5);
  EXPECT_FALSE(ui->state().windows()[0].streaming);
}

// The clipboard call of the platform may log (a window-system error); logging re-enters the
// log view. Writing the clipboard while the log lock is held would deadlock here.
TEST_F(DashboardDraw, ClickOnALogLineCopiesItWithoutHoldingTheLogLock) {
  start();
  ui->setCurrentPage(UIManager::kLogs);
  ui->logView().addLogEntry(4, "the failing line");
  const std::string expected = LogView::fullText(ui->logView().entries()[0]);
  state.onClipboardWrite = [this] { ui->logView().addLogEntry(3, "clipboard call logged"); };
  frame();
  for (float y = 150; y < 500 && state.clipboardWrites.empty(); y += 6) click(ImVec2(700, y));
  ASSERT_FALSE(state.clipboardWrites.empty());
  EXPECT_EQ(state.clipboardWrites[0], expected);
  EXPECT_EQ(ui->logView().entries().back().message, "clipboard call logged");
}

TEST_F(DashboardDraw, LogsPageWithAFullStoreDraws) {
  start();
  ui->setCurrentPage(UIManager::kLogs);
  for (int i = 0; i < 1200; ++i) ui->addLogEntry(i % 6, "line " + std::to_string(i));
  frame();
  frame();
  EXPECT_EQ(ui->logView().entries().size(), 1000u);
}

}  // namespace
}  // namespace parvalon::host
