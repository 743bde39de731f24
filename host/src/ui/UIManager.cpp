#include "ui/UIManager.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fmt/format.h>
#include <stb/stb_image.h>

#include <ParvalonVersion.h>

#include "logging/Log.h"
#include "platform/LocalAddress.h"
#include "protocol/SignalingMessages.h"
#include "ui/DashboardBackend.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DrawDataDigest.h"
#include "ui/Utf8Prefix.h"

namespace parvalon::host {
namespace {

using namespace palette;

constexpr const char* kPageLabels[UIManager::kPageCount] = {"  Dashboard", "  Streaming", "  Audio", "  Input",
                                                            "  Settings",  "  Logs",      "  About"};
constexpr const char* kCodecItems[] = {"H.264", "HEVC (H.265)"};
constexpr const char* kProductAddress = "https://parvalon.dev";
constexpr const char* kVersionText = "Version 1.1.0";
constexpr const char* kDescription =
    "A native VR window streaming platform for Meta Quest. Stream individual windows to your headset with "
    "ultra-low latency.";
constexpr float kWindowItemHeight = 56.0f;

// The Settings page's startup switches that only show: toggled, read by nothing else.
#ifdef _WIN32
bool startWithSystem = false;  // no Startup-folder entry on Windows yet
#endif
bool startMinimized = false;

ImU32 rgb(int r, int g, int b, int a = 255) { return IM_COL32(r, g, b, a); }

bool encoderMissing(const std::string& name) { return name.empty() || name == "None"; }

// A filled dot the height of a text line, followed on the same line by what comes next.
void statusDot(ImU32 colour) {
  const ImVec2 at = ImGui::GetCursorScreenPos();
  const float line = ImGui::GetTextLineHeight();
  ImGui::GetWindowDrawList()->AddCircleFilled(ImVec2(at.x + 6.0f, at.y + line * 0.5f), 6.0f, colour);
  ImGui::Dummy(ImVec2(12.0f, line));
  ImGui::SameLine();
}

// A horizontal two-colour bar at x = 20 of the current window, then the cursor moves below it.
void gradientBar(float width, float height, ImU32 left, ImU32 right) {
  const ImVec2 cursor = ImGui::GetCursorScreenPos();
  const ImVec2 from(ImGui::GetWindowPos().x + 20.0f, cursor.y);
  ImGui::GetWindowDrawList()->AddRectFilledMultiColor(from, ImVec2(from.x + width, from.y + height), left, right,
                                                      right, left);
  ImGui::Dummy(ImVec2(width, height));
}

void centredText(const ImVec4& colour, const char* text) {
  const float width = ImGui::CalcTextSize(text).x;
  ImGui::SetCursorPosX(std::max(0.0f, (ImGui::GetWindowWidth() - width) * 0.5f));
  ImGui::TextColored(colour, "%s", text);
}

void note(const char* text) { ImGui::TextColored(kTextMuted, "%s", text); }

void tooltip(const char* text) {
  if (ImGui::IsItemHovered()) ImGui::SetTooltip("%s", text);
}

void labelValue(const char* label, float valueX, const ImVec4& valueColour, const std::string& value) {
  const float labelEnd = ImGui::GetCursorPosX() + ImGui::CalcTextSize(label).x;
  ImGui::TextColored(kTextSecondary, "%s", label);
  // DejaVu Sans runs wider than the font the columns were laid out for: a long label pushes its
  // value right instead of running into it.
  if (labelEnd + ImGui::GetStyle().ItemInnerSpacing.x <= valueX) {
    ImGui::SameLine(valueX);
  } else {
    ImGui::SameLine();
  }
  ImGui::TextColored(valueColour, "%s", value.c_str());
}

const ImVec4& encoderColour(const std::string& name) { return encoderMissing(name) ? kWarning : kSuccess; }

}  // namespace

UIManager::UIManager(std::unique_ptr<DashboardBackend> backend, DashboardResources resources)
    : backend_(std::move(backend)), resources_(std::move(resources)) {}

UIManager::~UIManager() {
  shutdown();
  onSettingsChanged = nullptr;
  onStartCapture = nullptr;
  onStopCapture = nullptr;
}

bool UIManager::initialize() {
  if (initialized_) return true;
  if (!backend_) return false;

  localIpAddress_ = resources_.localAddress ? resources_.localAddress() : platform::detectLocalIpv4Address();
  PV_LOG_INFO("Detected local IP address: {}", localIpAddress_);

  IMGUI_CHECKVERSION();
  ImGui::CreateContext();
  ImGuiIO& io = ImGui::GetIO();
  io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
  io.IniFilename = nullptr;

  loadFonts();
  applyTheme();

  if (!backend_->initialize()) {
    ImGui::DestroyContext();
    return false;
  }
  loadLogoTexture();

  initialized_ = true;
  PV_LOG_INFO("UI Manager initialized with Parvalon purple theme");
  return true;
}

void UIManager::loadFonts() {
  ImGuiIO& io = ImGui::GetIO();
  ImFontConfig config;
  config.OversampleH = 3;
  config.OversampleV = 2;
  config.PixelSnapH = true;
  ownFont_ = false;
  for (const auto& file : resources_.fontFiles) {
    // Checked first: Dear ImGui asserts on a font file it cannot open.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) continue;
    bodyFont_ = io.Fonts->AddFontFromFileTTF(file.c_str(), kBodyFontPx, &config);
    if (bodyFont_ == nullptr) continue;
    headingFont_ = io.Fonts->AddFontFromFileTTF(file.c_str(), kHeadingFontPx, &config);
    titleFont_ = io.Fonts->AddFontFromFileTTF(file.c_str(), kTitleFontPx, &config);
    ownFont_ = true;
    break;
  }
  if (!ownFont_) {
    bodyFont_ = io.Fonts->AddFontDefault();
    headingFont_ = bodyFont_;
    titleFont_ = bodyFont_;
  }
  io.Fonts->Build();
}

bool UIManager::loadLogoTexture() {
  int width = 0;
  int height = 0;
  int channels = 0;
  unsigned char* pixels = stbi_load(resources_.logoFile.c_str(), &width, &height, &channels, 4);
  std::string fallback;
  if (pixels == nullptr) {
    fallback = backend_->executableFolder() + kLogoBesideExecutable;
    pixels = stbi_load(fallback.c_str(), &width, &height, &channels, 4);
  }
  if (pixels == nullptr && !resources_.installedLogoFile.empty()) {
    pixels = stbi_load(resources_.installedLogoFile.c_str(), &width, &height, &channels, 4);
  }
  if (pixels == nullptr) {
    PV_LOG_WARN("Failed to load logo texture from: {}", fallback);
    return false;
  }
  ImTextureID texture = backend_->createTexture(pixels, width, height);
  stbi_image_free(pixels);
  if (texture == nullptr) {
    PV_LOG_ERROR("Failed to create logo texture");
    return false;
  }
  logoTexture_ = texture;
  logoWidth_ = width;
  logoHeight_ = height;
  PV_LOG_INFO("Loaded logo texture: {}x{}", width, height);
  return true;
}

void UIManager::applyTheme() {
  ImGuiStyle& style = ImGui::GetStyle();
  style.WindowPadding = ImVec2(20, 20);
  style.WindowRounding = 0;
  style.WindowBorderSize = 0;
  style.ChildRounding = 12;
  style.ChildBorderSize = 1;
  style.PopupRounding = 10;
  style.PopupBorderSize = 1;
  style.FramePadding = ImVec2(14, 10);
  style.FrameRounding = 8;
  style.FrameBorderSize = 0;
  style.ItemSpacing = ImVec2(12, 12);
  style.ItemInnerSpacing = ImVec2(10, 8);
  style.IndentSpacing = 28;
  style.ScrollbarSize = 14;
  style.ScrollbarRounding = 8;
  style.GrabMinSize = 14;
  style.GrabRounding = 6;
  style.TabRounding = 8;
  style.TabBorderSize = 0;

  ImVec4* c = style.Colors;
  const ImVec4 clear(0, 0, 0, 0);
  c[ImGuiCol_Text] = kTextPrimary;
  c[ImGuiCol_TextDisabled] = kTextMuted;
  for (int slot : {ImGuiCol_WindowBg, ImGuiCol_ScrollbarBg}) c[slot] = kBackground;
  for (int slot : {ImGuiCol_ChildBg, ImGuiCol_BorderShadow}) c[slot] = clear;
  for (int slot : {ImGuiCol_PopupBg, ImGuiCol_FrameBgActive, ImGuiCol_Button, ImGuiCol_Header, ImGuiCol_ResizeGrip,
                   ImGuiCol_Tab, ImGuiCol_TabUnfocused, ImGuiCol_TabUnfocusedActive}) {
    c[slot] = kCard;
  }
  for (int slot : {ImGuiCol_Border, ImGuiCol_Separator}) c[slot] = ImVec4(0.20f, 0.20f, 0.30f, 1.0f);
  for (int slot : {ImGuiCol_FrameBg, ImGuiCol_ScrollbarGrab}) c[slot] = kListItem;
  for (int slot : {ImGuiCol_FrameBgHovered, ImGuiCol_ScrollbarGrabHovered}) c[slot] = kCardHover;
  for (int slot : {ImGuiCol_TitleBg, ImGuiCol_TitleBgActive, ImGuiCol_TitleBgCollapsed, ImGuiCol_MenuBarBg}) {
    c[slot] = kBackgroundDark;
  }
  for (int slot : {ImGuiCol_ScrollbarGrabActive, ImGuiCol_ButtonHovered, ImGuiCol_HeaderHovered,
                   ImGuiCol_SeparatorHovered, ImGuiCol_ResizeGripHovered, ImGuiCol_TabHovered, ImGuiCol_PlotLines,
                   ImGuiCol_PlotHistogram, ImGuiCol_NavHighlight, ImGuiCol_NavWindowingHighlight}) {
    c[slot] = kAccent;
  }
  for (int slot : {ImGuiCol_CheckMark, ImGuiCol_SeparatorActive, ImGuiCol_ResizeGripActive}) c[slot] = kAccentHover;
  c[ImGuiCol_SliderGrab] = kSliderGrab;
  for (int slot : {ImGuiCol_SliderGrabActive, ImGuiCol_PlotLinesHovered, ImGuiCol_PlotHistogramHovered,
                   ImGuiCol_DragDropTarget}) {
    c[slot] = kAccentLight;
  }
  for (int slot : {ImGuiCol_ButtonActive, ImGuiCol_HeaderActive, ImGuiCol_TabActive}) c[slot] = kAccentDark;
  c[ImGuiCol_TextSelectedBg] = ImVec4(0.45f, 0.35f, 0.90f, 0.35f);
  c[ImGuiCol_NavWindowingDimBg] = ImVec4(0, 0, 0, 0.5f);
  c[ImGuiCol_ModalWindowDimBg] = ImVec4(0, 0, 0, 0.6f);
}

void UIManager::shutdown() {
  if (!initialized_) return;
  if (logoTexture_ != nullptr) {
    backend_->destroyTexture(logoTexture_);
    logoTexture_ = nullptr;
    logoWidth_ = 0;
    logoHeight_ = 0;
  }
  backend_->shutdown();
  ImGui::DestroyContext();
  bodyFont_ = headingFont_ = titleFont_ = nullptr;
  initialized_ = false;
}

// ---- state and actions ----

void UIManager::setWindowList(const std::vector<protocol::WindowInfo>& list) {
  windows_.clear();
  windows_.reserve(list.size());
  for (const auto& info : list) windows_.push_back(WindowEntry{info.id, info.title, info.processName, false, std::nullopt});
  applyStreamMarks();
}

void UIManager::setStreams(const std::vector<StreamMark>& streams) {
  streams_ = streams;
  applyStreamMarks();
}

void UIManager::applyStreamMarks() {
  for (auto& entry : windows_) {
    entry.streaming = false;
    entry.dashboardStream.reset();
    for (const auto& stream : streams_) {
      if (stream.windowId != entry.windowId) continue;
      entry.streaming = true;
      if (stream.fromDashboard) entry.dashboardStream = stream.streamId;
    }
  }
}

void UIManager::fireSettingsChanged() {
  if (onSettingsChanged) onSettingsChanged(settings_);
}

void UIManager::selectQualityPreset(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(kQualityPresets.size())) return;
  settings_.qualityPreset = index;
  if (index != kCustomQualityPreset) {
    settings_.bitrateKbps = kQualityPresets[static_cast<std::size_t>(index)].bitrateKbps;
    settings_.maxBitrateKbps = kQualityPresets[static_cast<std::size_t>(index)].maxBitrateKbps;
  }
  fireSettingsChanged();
}

void UIManager::setBitrateFromSlider(std::int32_t mbps) {
  // A typed-in (Ctrl+click) value can leave the slider's range.
  mbps = std::clamp(mbps, kMinBitrateMbps, kMaxBitrateMbps);
  settings_.qualityPreset = kCustomQualityPreset;
  settings_.bitrateKbps = mbps * 1000;
  settings_.maxBitrateKbps = mbps * 1500;
  fireSettingsChanged();
}

void UIManager::setTargetFps(std::int32_t fps) {
  settings_.targetFps = fps;
  fireSettingsChanged();
}

void UIManager::resetToDefaults() {
  settings_ = UISettings{};
  fireSettingsChanged();
}

void UIManager::toggleWindow(std::size_t index) {
  if (index >= windows_.size()) return;
  WindowEntry& entry = windows_[index];
  if (entry.dashboardStream) {
    const std::uint8_t streamId = *entry.dashboardStream;
    if (onStopCapture) onStopCapture(streamId);
    std::erase_if(streams_, [&](const StreamMark& s) { return s.streamId == streamId && s.fromDashboard; });
    applyStreamMarks();
    return;
  }
  // A window a headset streams gets a stream of the dashboard's own: the headset's goes on.
  const std::uint32_t windowId = entry.windowId;
  const auto streamId = onStartCapture ? onStartCapture(windowId) : std::nullopt;
  if (!streamId) return;
  streams_.push_back(StreamMark{windowId, *streamId, true});
  applyStreamMarks();
}

void UIManager::allowPending(std::size_t index) {
  if (index >= trust_.pending.size()) return;
  const auto sessionId = trust_.pending[index].sessionId;
  trust_.pending.erase(trust_.pending.begin() + static_cast<std::ptrdiff_t>(index));
  if (onAllowClient) onAllowClient(sessionId);
}

void UIManager::denyPending(std::size_t index) {
  if (index >= trust_.pending.size()) return;
  const auto sessionId = trust_.pending[index].sessionId;
  trust_.pending.erase(trust_.pending.begin() + static_cast<std::ptrdiff_t>(index));
  if (onDenyClient) onDenyClient(sessionId);
}

void UIManager::removeTrusted(std::size_t index) {
  if (index >= trust_.trusted.size()) return;
  const TrustedClientView entry = trust_.trusted[index];
  trust_.trusted.erase(trust_.trusted.begin() + static_cast<std::ptrdiff_t>(index));
  if (onRemoveTrustedClient) onRemoveTrustedClient(entry.address, entry.clientName);
}

std::string UIManager::fitText(const std::string& text, float maxWidth,
                               const std::function<float(std::string_view)>& measure) {
  // Runs every frame for every listed window, so the cost must not grow with the text: only
  // its first kMaxFittedTextBytes are looked at, and the cut is found by halving.
  const std::string_view considered(text.data(), utf8PrefixLength(text, kMaxFittedTextBytes));
  if (considered.size() == text.size() && measure(text) <= maxWidth) return text;

  std::vector<std::size_t> characterEnds;
  for (std::size_t end = 0; end < considered.size();) {
    end += utf8CharacterLength(considered, end);
    characterEnds.push_back(end);
  }
  // Widths grow with the prefix, so the prefixes that fit with "..." come first: find the
  // longest of them (none: "..." alone).
  std::string candidate;
  const auto fits = [&](std::size_t bytes) {
    candidate.assign(considered.substr(0, bytes));
    candidate += "...";
    return measure(candidate) <= maxWidth;
  };
  std::size_t kept = 0;
  std::size_t low = 0;
  std::size_t high = characterEnds.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (fits(characterEnds[middle])) {
      kept = characterEnds[middle];
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return std::string(considered.substr(0, kept)) + "...";
}

// ---- drawing ----

void UIManager::render() {
  frameDrawn_ = false;
  if (!initialized_) return;
  backend_->newFrame();
  ImGui::NewFrame();
  refreshShownStatus();

  const ImVec2 display = ImGui::GetIO().DisplaySize;
  const float w = std::max(display.x, kSidebarWidth + 1.0f);
  const float h = std::max(display.y, kStatusBarHeight + 1.0f);
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

  drawSidebar(h - kStatusBarHeight);
  ImGui::SameLine(0, 0);
  ImGui::BeginChild("Content", ImVec2(w - kSidebarWidth, h - kStatusBarHeight), false);
  ImGui::SetCursorPos(ImVec2(30, 25));
  drawPage();
  ImGui::EndChild();

  ImGui::SetCursorPos(ImVec2(0, h - kStatusBarHeight));
  drawStatusBar(w);

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

void UIManager::refreshShownStatus() {
  constexpr double kFigureRefreshSeconds = 0.25;
  const double now = ImGui::GetTime();
  const bool sameConnection = status_.connected == shownStatus_.connected &&
                              status_.clientName == shownStatus_.clientName &&
                              status_.clientAddress == shownStatus_.clientAddress;
  if (sameConnection && shownStatusAt_ >= 0.0 && now - shownStatusAt_ < kFigureRefreshSeconds) return;
  shownStatus_ = status_;
  shownStatusAt_ = now;
}

bool UIManager::navigationButton(const char* label, std::int32_t page) {
  const bool selected = currentPage_ == page;
  ImGui::PushFont(headingFont_);
  ImGui::PushStyleVar(ImGuiStyleVar_ButtonTextAlign, ImVec2(0.0f, 0.5f));
  ImGui::PushStyleColor(ImGuiCol_Button, selected ? kAccent : kTransparent);
  ImGui::PushStyleColor(ImGuiCol_ButtonHovered, selected ? kAccentHover : kCardHover);
  ImGui::PushStyleColor(ImGuiCol_Text, selected ? kTextPrimary : kTextSecondary);
  ImGui::SetCursorPosX(15);
  const bool clicked = ImGui::Button(label, ImVec2(230, 48));
  ImGui::PopStyleColor(3);
  ImGui::PopStyleVar();
  ImGui::PopFont();
  if (clicked) currentPage_ = page;
  return clicked;
}

void UIManager::drawSidebar(float height) {
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kBackgroundDark);
  ImGui::BeginChild("Sidebar", ImVec2(kSidebarWidth, height), false, ImGuiWindowFlags_NoScrollbar);

  ImGui::BeginChild("LogoArea", ImVec2(kSidebarWidth, 140), false, ImGuiWindowFlags_NoScrollbar);
  space(25);
  if (logoTexture_ != nullptr) {
    ImGui::SetCursorPosX(100);
    ImGui::Image(logoTexture_, ImVec2(60, 60));
  }
  space(10);
  ImGui::PushFont(titleFont_);
  centredText(kAccentHover, "PARVALON");
  ImGui::PopFont();
  ImGui::EndChild();

  space(10);
  gradientBar(220, 2, rgb(115, 89, 230, 100), rgb(140, 102, 250, 100));
  space(25);

  for (std::int32_t page = kDashboard; page <= kLogs; ++page) {
    navigationButton(kPageLabels[page], page);
    space(4);
  }

  const float rest = height - ImGui::GetCursorPosY() - 80.0f;
  if (rest > 0) space(rest);
  gradientBar(220, 1, rgb(50, 50, 80, 150), rgb(80, 60, 120, 150));
  space(15);
  navigationButton(kPageLabels[kAbout], kAbout);

  ImGui::EndChild();
  ImGui::PopStyleColor();
}

void UIManager::drawStatusBar(float width) {
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kBackgroundDark);
  ImGui::BeginChild("StatusBar", ImVec2(width, kStatusBarHeight), false, ImGuiWindowFlags_NoScrollbar);
  ImGui::SetCursorPos(ImVec2(25, 18));
  const ImVec2 at = ImGui::GetCursorScreenPos();
  ImGui::GetWindowDrawList()->AddCircleFilled(ImVec2(at.x + 6, at.y + 8), 6,
                                              shownStatus_.connected ? rgb(77, 217, 140) : rgb(115, 115, 140));
  ImGui::Dummy(ImVec2(20, 0));
  ImGui::SameLine();
  if (shownStatus_.connected) {
    ImGui::TextColored(kSuccess, "Connected to %s", shownStatus_.clientName.c_str());
  } else if (trust_.pending.empty()) {
    ImGui::TextColored(kTextMuted, "Waiting for client...");
  }
  if (!trust_.pending.empty()) {
    if (shownStatus_.connected) ImGui::SameLine(0, 25);
    ImGui::TextColored(kWarning, trust_.pending.size() == 1 ? "A headset is waiting for approval"
                                                            : "%zu headsets are waiting for approval",
                       trust_.pending.size());
  }

  ImGui::SameLine(width - 400);
  if (shownStatus_.connected) {
    ImGui::TextColored(kTextSecondary, "FPS:");
    ImGui::SameLine();
    ImGui::TextColored(kTextPrimary, "%d", shownStatus_.fps);
    ImGui::SameLine(0, 25);
    ImGui::TextColored(kTextSecondary, "Latency:");
    ImGui::SameLine();
    ImGui::TextColored(kTextPrimary, "%.1f ms", static_cast<double>(shownStatus_.latencyMs));
    ImGui::SameLine(0, 25);
    ImGui::TextColored(kTextSecondary, "Bitrate:");
    ImGui::SameLine();
    ImGui::TextColored(kTextPrimary, "%.1f Mbps", static_cast<double>(shownStatus_.bitrateMbps));
  } else {
    ImGui::TextColored(kTextSecondary, "Encoder:");
    ImGui::SameLine();
    ImGui::TextColored(encoderColour(systemInfo_.encoderName), "%s", systemInfo_.encoderName.c_str());
  }
  ImGui::EndChild();
  ImGui::PopStyleColor();
}

void UIManager::pageTitle(const char* title, const char* subtitle) {
  ImGui::PushFont(titleFont_);
  ImGui::TextColored(kTextPrimary, "%s", title);
  ImGui::PopFont();
  if (subtitle != nullptr) ImGui::TextColored(kTextSecondary, "%s", subtitle);
}

void UIManager::heading(const char* text, float spaceBefore) {
  space(spaceBefore);
  ImGui::PushFont(headingFont_);
  ImGui::TextColored(kTextPrimary, "%s", text);
  ImGui::PopFont();
}

void UIManager::drawPage() {
  switch (currentPage_) {
    case kDashboard: drawDashboardPage(); break;
    case kStreaming: drawStreamingPage(); break;
    case kAudio: drawAudioPage(); break;
    case kInput: drawInputPage(); break;
    case kSettings: drawSettingsPage(); break;
    case kLogs: logView_.drawPage(titleFont_); break;
    case kAbout: drawAboutPage(); break;
    default: currentPage_ = kDashboard; break;
  }
}

void UIManager::drawDashboardPage() {
  pageTitle("Dashboard", nullptr);
  drawApprovalPrompts();
  space(20);
  drawConnectionCard();
  ImGui::SameLine(0, 30);
  drawSystemCard();
  heading("Available Windows", 30);
  ImGui::TextColored(kTextSecondary, "Select windows to stream to your Quest headset");
  space(15);
  drawWindowList();
}

void UIManager::drawApprovalPrompts() {
  if (!trust_.pin.empty()) {
    space(10);
    ImGui::TextColored(kTextSecondary, "Pairing PIN:");
    ImGui::SameLine();
    ImGui::PushFont(headingFont_);
    ImGui::TextColored(kAccentHover, "%s", trust_.pin.c_str());
    ImGui::PopFont();
  }
  std::optional<std::size_t> allowed;
  std::optional<std::size_t> denied;
  for (std::size_t i = 0; i < trust_.pending.size(); ++i) {
    const auto& pending = trust_.pending[i];
    space(10);
    ImGui::PushID(static_cast<int>(i));
    const std::string name = pending.clientName.empty() ? std::string("a headset") : pending.clientName;
    ImGui::TextColored(kWarning, "Allow %s at %s?", name.c_str(), pending.address.c_str());
    ImGui::SameLine(0, 20);
    ImGui::PushStyleColor(ImGuiCol_Button, kAccent);
    if (ImGui::Button("Allow", ImVec2(90, 0))) allowed = i;
    ImGui::PopStyleColor();
    ImGui::SameLine(0, 10);
    if (ImGui::Button("Deny", ImVec2(90, 0))) denied = i;
    ImGui::PopID();
  }
  // Acted on after the loop: either call changes the list being drawn.
  if (allowed) allowPending(*allowed);
  if (denied) denyPending(*denied);
}

void UIManager::drawConnectionCard() {
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kCard);
  ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, 16);
  ImGui::BeginChild("ConnectionCard", ImVec2(420, 230), true, ImGuiWindowFlags_NoScrollbar);
  heading("Connection Status", 0);
  if (shownStatus_.connected) {
    statusDot(rgb(77, 217, 140));
    ImGui::TextColored(kSuccess, "Connected");
    ImGui::TextColored(kTextSecondary, "Client: %s", shownStatus_.clientName.c_str());
    ImGui::TextColored(kTextSecondary, "IP: %s", shownStatus_.clientAddress.c_str());
  } else {
    statusDot(rgb(165, 165, 191));
    ImGui::TextColored(kTextMuted, "Waiting for connection...");
    const struct {
      const char* label;
      const char* scheme;
      std::int32_t port;
    } endpoints[] = {{"Signaling:", "ws", settings_.signalingPort},
                     {"Video:", "tcp", settings_.videoPort},
                     {"Audio:", "tcp", settings_.audioPort},
                     {"Input:", "tcp", settings_.inputPort}};
    for (const auto& endpoint : endpoints) {
      ImGui::SetCursorPosX(20);
      labelValue(endpoint.label, 130, kAccentHover,
                 fmt::format("{}://{}:{}", endpoint.scheme, localIpAddress_, endpoint.port));
    }
  }
  ImGui::EndChild();
  ImGui::PopStyleVar();
  ImGui::PopStyleColor();
}

void UIManager::drawSystemCard() {
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kCard);
  ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, 16);
  ImGui::BeginChild("SystemCard", ImVec2(420, 200), true, ImGuiWindowFlags_NoScrollbar);
  heading("System Information", 0);
  ImGui::SetCursorPosX(20);
  labelValue("GPU:", 130, kTextPrimary, systemInfo_.gpuName);
  ImGui::SetCursorPosX(20);
  labelValue("Encoder:", 130, encoderColour(systemInfo_.encoderName), systemInfo_.encoderName);
  ImGui::SetCursorPosX(20);
  labelValue("VRAM:", 130, kTextPrimary, fmt::format("{} MB", systemInfo_.vramMB));
  ImGui::SetCursorPosX(20);
  labelValue(systemInfo_.captureLabel.c_str(), 130, systemInfo_.wgcSupported ? kSuccess : kWarning,
             systemInfo_.captureValue());
  ImGui::EndChild();
  ImGui::PopStyleVar();
  ImGui::PopStyleColor();
}

void UIManager::drawWindowList() {
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kCard);
  ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, 12);
  ImGui::BeginChild("WindowList", ImVec2(ImGui::GetContentRegionAvail().x - 30, 350), true);
  if (windows_.empty()) {
    space(30);
    centredText(kTextMuted, "No windows available for capture");
    centredText(kTextMuted, "Open some applications to see them here");
  } else {
    const float itemWidth = ImGui::GetWindowWidth() - 30;
    const auto measure = [](std::string_view text) {
      return ImGui::CalcTextSize(text.data(), text.data() + text.size()).x;
    };
    std::optional<std::size_t> clicked;
    for (std::size_t i = 0; i < windows_.size(); ++i) {
      const WindowEntry& entry = windows_[i];
      ImGui::PushID(static_cast<int>(i));
      ImGui::SetCursorPosX(10);
      const ImVec2 item = ImGui::GetCursorPos();
      ImGui::PushStyleColor(ImGuiCol_Header, kListItem);
      ImGui::PushStyleColor(ImGuiCol_HeaderHovered, kCardHover);
      ImGui::PushStyleColor(ImGuiCol_HeaderActive, kAccentDark);
      if (ImGui::Selectable("##item", entry.dashboardStream.has_value(), 0, ImVec2(itemWidth, kWindowItemHeight))) {
        clicked = i;
      }
      ImGui::PopStyleColor(3);

      ImGui::SetCursorPos(ImVec2(item.x + 20, item.y + 10));
      ImGui::PushFont(headingFont_);
      ImGui::TextColored(kTextPrimary, "%s", fitText(entry.title, itemWidth - 200, measure).c_str());
      ImGui::PopFont();
      ImGui::SetCursorPos(ImVec2(item.x + 20, item.y + 32));
      ImGui::TextColored(kTextMuted, "%s", fitText(entry.processName, itemWidth - 200, measure).c_str());
      ImGui::SetCursorPos(ImVec2(item.x + itemWidth - 100, item.y + 18));
      if (entry.streaming) {
        ImGui::TextColored(kSuccess, "Streaming");
      } else {
        ImGui::TextColored(kTextMuted, "Ready");
      }
      ImGui::SetCursorPos(ImVec2(item.x, item.y + kWindowItemHeight + 5));
      ImGui::PopID();
    }
    if (clicked) toggleWindow(*clicked);
  }
  ImGui::EndChild();
  ImGui::PopStyleVar();
  ImGui::PopStyleColor();
}

void UIManager::drawStreamingPage() {
  pageTitle("Streaming", "Configure video quality and encoding settings");

  heading("Quality Preset", 25);
  ImGui::SetNextItemWidth(350);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(14, 12));
  std::int32_t preset = settings_.qualityPreset;
  const bool presetChanged = ImGui::Combo(
      "##QualityPreset", &preset,
      [](void*, int index, const char** text) {
        *text = kQualityPresets[static_cast<std::size_t>(index)].label;
        return true;
      },
      nullptr, static_cast<int>(kQualityPresets.size()));
  ImGui::PopStyleVar();
  if (presetChanged) selectQualityPreset(preset);

  heading("Target Frame Rate", 25);
  bool first = true;
  for (const std::int32_t fps : kFrameRates) {
    if (!first) ImGui::SameLine(0, 10);
    first = false;
    const bool selected = settings_.targetFps == fps;
    ImGui::PushStyleColor(ImGuiCol_Button, selected ? kAccent : kCard);
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, selected ? kAccentHover : kCardHover);
    const bool clicked = ImGui::Button(fmt::format("{} Hz", fps).c_str(), ImVec2(90, 45));
    ImGui::PopStyleColor(2);
    if (clicked) setTargetFps(fps);
  }

  heading("Video Bitrate", 25);
  note("Higher bitrate improves quality but increases latency");
  ImGui::SetNextItemWidth(450);
  int mbps = settings_.bitrateKbps / 1000;
  if (ImGui::SliderInt("##Bitrate", &mbps, kMinBitrateMbps, kMaxBitrateMbps, "%d Mbps")) setBitrateFromSlider(mbps);

  heading("Video Codec", 25);
  ImGui::SetNextItemWidth(250);
  int codec = settings_.codec == "h264" ? 0 : 1;
  if (ImGui::Combo("##Codec", &codec, kCodecItems, 2)) {
    settings_.codec = codec == 0 ? "h264" : "hevc";
    fireSettingsChanged();
  }

  heading("Advanced Options", 25);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, ImVec2(6, 6));
  const struct {
    const char* label;
    bool* value;
    const char* text;
  } options[] = {
      {"Low Latency Mode", &settings_.lowLatencyMode, "Optimizes for minimal motion-to-photon latency"},
      {"Adaptive Bitrate", &settings_.adaptiveBitrate, "Automatically adjusts bitrate based on network conditions"},
      {"Slice-based Encoding", &settings_.sliceEncoding, "Enables parallel encoding for lower latency"},
  };
  for (const auto& option : options) {
    if (ImGui::Checkbox(option.label, option.value)) fireSettingsChanged();
    note(option.text);
  }

  heading("Video Quality", 25);
  ImGui::TextColored(kTextSecondary, "Post-processing effects applied before encoding");
  if (ImGui::Checkbox("Enable Sharpening (CAS)", &settings_.sharpeningEnabled)) fireSettingsChanged();
  ImGui::SameLine();
  ImGui::TextColored(kTextMuted, "(?)");
  tooltip(
      "Contrast Adaptive Sharpening (AMD FidelityFX)\nImproves text and UI clarity before encoding.\nAdds slight GPU "
      "overhead.");
  if (settings_.sharpeningEnabled) {
    ImGui::TextColored(kTextSecondary, "Sharpness");
    ImGui::SetNextItemWidth(350);
    if (ImGui::SliderFloat("##Sharpness", &settings_.sharpness, 0.0f, 1.0f, "%.1f")) fireSettingsChanged();
    note("0.0 = Off, 0.7 = Default, 1.0 = Maximum");
  }
  if (ImGui::Checkbox("VSync Frame Pacing", &settings_.vsyncEnabled)) fireSettingsChanged();
  tooltip(
      "Synchronize frame capture with monitor VSync.\nReduces screen tearing and improves frame consistency.\nMay add "
      "up to 1 frame of latency.");
  if (ImGui::Checkbox("Full Range Color", &settings_.fullRangeColor)) fireSettingsChanged();
  tooltip(
      "Expand color range from limited (16-235) to full (0-255).\nImproves color accuracy and reduces banding in "
      "gradients.\nRequires encoder restart to take effect.");
  ImGui::PopStyleVar();
}

void UIManager::drawAudioPage() {
  pageTitle("Audio", "Configure audio streaming and microphone settings");
  heading("Audio Quality", 25);
  ImGui::SetNextItemWidth(400);
  if (ImGui::SliderInt("##AudioQuality", &settings_.audioBitrateKbps, 64, 320, "%d kbps")) fireSettingsChanged();

  heading("Microphone", 25);
  if (ImGui::Checkbox("Enable Microphone Passthrough", &settings_.micPassthrough)) fireSettingsChanged();
  note("Forward Quest microphone audio to PC");
  if (settings_.micPassthrough) {
    ImGui::TextColored(kTextSecondary, "Microphone Volume");
    ImGui::SetNextItemWidth(350);
    if (ImGui::SliderInt("##MicVolume", &settings_.micVolume, 0, 100, "%d %%")) fireSettingsChanged();
    if (ImGui::Checkbox("Noise Cancellation", &settings_.noiseCancellation)) fireSettingsChanged();
    note("Reduce background noise from microphone");
  }
}

void UIManager::drawInputPage() {
  pageTitle("Input", "Configure controller and tracking input");
  space(25);
  if (ImGui::Checkbox("Track Controllers", &settings_.trackControllers)) fireSettingsChanged();
  note("Use Quest controllers as mouse/keyboard input");
  if (ImGui::Checkbox("Forward Tracking Data", &settings_.forwardTracking)) fireSettingsChanged();
  note("Send headset and controller tracking to PC applications");
}

void UIManager::drawSettingsPage() {
  pageTitle("Settings", "Application configuration");

  heading("Network (TCP)", 25);
  note("Each channel has its own port: signaling over WebSocket, video, audio and input over TCP.");
  const struct {
    const char* label;
    const char* format;
    std::int32_t port;
  } rows[] = {{"Signaling:", "{} (WebSocket)", settings_.signalingPort},
              {"Video Port:", "{} (TCP)", settings_.videoPort},
              {"Audio Port:", "{} (TCP)", settings_.audioPort},
              {"Input Port:", "{} (TCP)", settings_.inputPort}};
  for (const auto& row : rows) {
    labelValue(row.label, 180, kAccentHover, fmt::format(fmt::runtime(row.format), row.port));
  }

  drawTrustedClients();

  heading("Startup", 25);
#ifdef _WIN32
  ImGui::Checkbox("Start with Windows", &startWithSystem);
#else
  if (ImGui::Checkbox("Start with the desktop session", &settings_.startWithSession)) fireSettingsChanged();
#endif
  ImGui::Checkbox("Start Minimized", &startMinimized);

  space(25);
  ImGui::PushStyleColor(ImGuiCol_Button, kCard);
  ImGui::PushStyleColor(ImGuiCol_ButtonHovered, kError);
  const bool reset = ImGui::Button("Reset to Defaults", ImVec2(180, 45));
  ImGui::PopStyleColor(2);
  if (reset) resetToDefaults();
}

void UIManager::drawTrustedClients() {
  heading("Trusted Headsets", 25);
  if (trust_.trusted.empty()) {
    note("No headset is trusted yet: the first to connect is, or allow one on the Dashboard.");
    return;
  }
  note("Only these clients may use the host; remove one to make it ask again.");
  std::optional<std::size_t> removed;
  for (std::size_t i = 0; i < trust_.trusted.size(); ++i) {
    const auto& entry = trust_.trusted[i];
    ImGui::PushID(static_cast<int>(i));
    ImGui::TextColored(kTextPrimary, "%s", entry.clientName.empty() ? "(unnamed)" : entry.clientName.c_str());
    ImGui::SameLine(220);
    ImGui::TextColored(kAccentHover, "%s", entry.address.c_str());
    ImGui::SameLine(400);
    ImGui::TextColored(kTextSecondary, "last connected %s", entry.lastConnected.c_str());
    ImGui::SameLine(680);
    if (ImGui::SmallButton("Remove")) removed = i;
    ImGui::PopID();
  }
  if (removed) removeTrusted(*removed);
}

void UIManager::drawAboutPage() {
  pageTitle("About", nullptr);
  space(30);
  if (logoTexture_ != nullptr) {
    ImGui::Image(logoTexture_, ImVec2(80, 80));
    space(15);
  }
  ImGui::PushFont(titleFont_);
  ImGui::TextColored(kAccentHover, "Parvalon Native");
  ImGui::PopFont();
  ImGui::TextColored(kTextSecondary, "%s", kVersionText);
  ImGui::SameLine();
  // kVersionText is what the dashboard has always said; the installed package's own version
  // is the one a user reports.
  ImGui::TextColored(kTextSecondary, "(package %s, protocol %s)", PARVALON_VERSION, protocol::kHostVersion);
  space(20);
  ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + 500);
  ImGui::TextWrapped("%s", kDescription);
  ImGui::PopTextWrapPos();

  heading("System Information", 30);
  labelValue("Graphics Card:", 200, kTextPrimary, systemInfo_.gpuName);
  labelValue("VRAM:", 200, kTextPrimary, fmt::format("{} MB", systemInfo_.vramMB));
  labelValue("Hardware Encoder:", 200, encoderColour(systemInfo_.encoderName), systemInfo_.encoderName);
  labelValue(systemInfo_.captureAboutLabel.c_str(), 200, systemInfo_.wgcSupported ? kSuccess : kWarning,
             systemInfo_.captureValue());
  space(30);
  ImGui::TextColored(kAccentHover, "%s", kProductAddress);
}

}  // namespace parvalon::host
