#include "ui/UIManager.h"

#include <algorithm>
#include <utility>

#include "logging/Log.h"
#include "platform/LocalAddress.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardWidgets.h"
#include "ui/DrawDataDigest.h"

namespace parvalon::host {
namespace {

using namespace palette;

constexpr const char* kPageLabels[UIManager::kPageCount] = {"  Dashboard", "  Streaming", "  Audio", "  Input",
                                                            "  Settings",  "  Logs",      "  About"};

}  // namespace

UIManager::UIManager(std::unique_ptr<DashboardBackend> backend, DashboardResources resources)
    : backend_(std::move(backend)), resources_(std::move(resources)) {}

UIManager::~UIManager() { shutdown(); }

bool UIManager::initialize() {
  if (initialized_) return true;
  if (!backend_) return false;

  state_.setLocalIpAddress(resources_.localAddress ? resources_.localAddress() : platform::detectLocalIpv4Address());
  PV_LOG_INFO("Detected local IP address: {}", state_.localIpAddress());

  IMGUI_CHECKVERSION();
  ImGui::CreateContext();
  ImGuiIO& io = ImGui::GetIO();
  io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
  io.IniFilename = nullptr;

  assets_.loadFonts(resources_.fontFiles);
  DashboardAssets::applyTheme();

  if (!backend_->initialize()) {
    ImGui::DestroyContext();
    return false;
  }
  assets_.loadLogo(resources_, *backend_);

  initialized_ = true;
  PV_LOG_INFO("UI Manager initialized with Parvalon purple theme");
  return true;
}

void UIManager::shutdown() {
  if (!initialized_) return;
  assets_.release(*backend_);
  backend_->shutdown();
  ImGui::DestroyContext();
  initialized_ = false;
}

void UIManager::render() {
  frameDrawn_ = false;
  if (!initialized_) return;
  backend_->newFrame();
  ImGui::NewFrame();
  state_.refreshShownStatus(ImGui::GetTime());

  const ImVec2 display = ImGui::GetIO().DisplaySize;
  const float w = std::max(display.x, layout::kSidebarWidth + 1.0f);
  const float h = std::max(display.y, layout::kStatusBarHeight + 1.0f);
  ImGui::SetNextWindowPos(ImVec2(0, 0));
  ImGui::SetNextWindowSize(ImVec2(w, h));
  ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
  ImGui::PushStyleColor(ImGuiCol_WindowBg, kBackground);
  ImGui::Begin("Parvalon Host", nullptr,
               ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                   ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoCollapse |
                   ImGuiWindowFlags_NoBringToFrontOnFocus);
  ImGui::PopStyleColor();
  ImGui::PopStyleVar();

  drawSidebar(h - layout::kStatusBarHeight);
  ImGui::SameLine(0, 0);
  ImGui::BeginChild("Content", ImVec2(w - layout::kSidebarWidth, h - layout::kStatusBarHeight), false);
  ImGui::SetCursorPos(layout::kPageOrigin);
  drawPage();
  ImGui::EndChild();

  ImGui::SetCursorPos(ImVec2(0, h - layout::kStatusBarHeight));
  statusBar_.draw(w);

  ImGui::End();
  ImGui::Render();
  ImDrawData* data = ImGui::GetDrawData();
  if (display.x <= 0.0f || display.y <= 0.0f) {
    // Minimised, or a restore the window system has not finished: nothing would show, and
    // presenting the bare background would leave it on screen until something changes.
    frameOnScreen_ = false;
    return;
  }
  const std::uint64_t digest = drawDataDigest(*data);
  frameDrawn_ = !frameOnScreen_ || digest != frameDigest_;
  if (frameDrawn_) {
    backend_->renderDrawData(data);
    frameDigest_ = digest;
    frameOnScreen_ = true;
  }
}

void UIManager::navigationButton(const char* label, std::int32_t page) {
  const bool selected = currentPage_ == page;
  ImGui::PushFont(assets_.fonts().heading);
  ImGui::PushStyleVar(ImGuiStyleVar_ButtonTextAlign, ImVec2(0.0f, 0.5f));
  ImGui::PushStyleColor(ImGuiCol_Button, selected ? kAccent : kTransparent);
  ImGui::PushStyleColor(ImGuiCol_ButtonHovered, selected ? kAccentHover : kCardHover);
  ImGui::PushStyleColor(ImGuiCol_Text, selected ? kTextPrimary : kTextSecondary);
  ImGui::SetCursorPosX(layout::kNavigationX);
  const bool clicked = ImGui::Button(label, layout::kNavigationButton);
  ImGui::PopStyleColor(3);
  ImGui::PopStyleVar();
  ImGui::PopFont();
  if (clicked) currentPage_ = page;
}

void UIManager::drawSidebar(float height) {
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kBackgroundDark);
  ImGui::BeginChild("Sidebar", ImVec2(layout::kSidebarWidth, height), false, ImGuiWindowFlags_NoScrollbar);

  ImGui::BeginChild("LogoArea", ImVec2(layout::kSidebarWidth, layout::kLogoAreaHeight), false,
                    ImGuiWindowFlags_NoScrollbar);
  space(layout::kLogoTop);
  if (assets_.logo() != nullptr) {
    ImGui::SetCursorPosX(layout::kSidebarLogoX);
    ImGui::Image(assets_.logo(), ImVec2(layout::kSidebarLogoSize, layout::kSidebarLogoSize));
  }
  space(layout::kLineGap);
  ImGui::PushFont(assets_.fonts().title);
  widgets::centredText(kAccentHover, "PARVALON");
  ImGui::PopFont();
  ImGui::EndChild();

  space(layout::kLineGap);
  widgets::gradientBar(layout::kSidebarRuleWidth, layout::kSidebarRuleHeight, kRuleLeft, kRuleRight);
  space(layout::kSectionGap);

  for (std::int32_t page = kDashboard; page <= kLogs; ++page) {
    navigationButton(kPageLabels[page], page);
    space(layout::kNavigationGap);
  }

  // About sits at the bottom, below a rule.
  const float rest = height - ImGui::GetCursorPosY() - layout::kSidebarFooter;
  if (rest > 0) space(rest);
  widgets::gradientBar(layout::kSidebarRuleWidth, layout::kSidebarFooterRuleHeight, kFooterRuleLeft,
                       kFooterRuleRight);
  space(layout::kNearGap);
  navigationButton(kPageLabels[kAbout], kAbout);

  ImGui::EndChild();
  ImGui::PopStyleColor();
}

void UIManager::drawPage() {
  switch (currentPage_) {
    case kDashboard: dashboardPage_.draw(); break;
    case kStreaming: streamingPage_.draw(); break;
    case kAudio: audioPage_.draw(); break;
    case kInput: inputPage_.draw(); break;
    case kSettings: settingsPage_.draw(); break;
    case kLogs: logView_.drawPage(assets_.fonts()); break;
    case kAbout: aboutPage_.draw(); break;
    default: currentPage_ = kDashboard; break;
  }
}

}  // namespace parvalon::host
