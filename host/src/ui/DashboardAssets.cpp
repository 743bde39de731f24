#include "ui/DashboardAssets.h"

#include <filesystem>
#include <system_error>

#include <stb/stb_image.h>

#include "logging/Log.h"
#include "ui/DashboardBackend.h"
#include "ui/DashboardPalette.h"

namespace parvalon::host {

using namespace palette;

void DashboardAssets::loadFonts(const std::vector<std::string>& fontFiles) {
  ImGuiIO& io = ImGui::GetIO();
  ImFontConfig config;
  config.OversampleH = 3;
  config.OversampleV = 2;
  config.PixelSnapH = true;
  ownFont_ = false;
  for (const auto& file : fontFiles) {
    // Checked first: Dear ImGui asserts on a font file it cannot open.
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) continue;
    fonts_.body = io.Fonts->AddFontFromFileTTF(file.c_str(), kBodyFontPx, &config);
    if (fonts_.body == nullptr) continue;
    fonts_.heading = io.Fonts->AddFontFromFileTTF(file.c_str(), kHeadingFontPx, &config);
    fonts_.title = io.Fonts->AddFontFromFileTTF(file.c_str(), kTitleFontPx, &config);
    ownFont_ = true;
    break;
  }
  if (!ownFont_) {
    fonts_.body = io.Fonts->AddFontDefault();
    fonts_.heading = fonts_.body;
    fonts_.title = fonts_.body;
  }
  io.Fonts->Build();
}

bool DashboardAssets::loadLogo(const DashboardResources& resources, DashboardBackend& backend) {
  int width = 0;
  int height = 0;
  int channels = 0;
  unsigned char* pixels = stbi_load(resources.logoFile.c_str(), &width, &height, &channels, 4);
  std::string fallback;
  if (pixels == nullptr) {
    fallback = backend.executableFolder() + kLogoBesideExecutable;
    pixels = stbi_load(fallback.c_str(), &width, &height, &channels, 4);
  }
  if (pixels == nullptr && !resources.installedLogoFile.empty()) {
    pixels = stbi_load(resources.installedLogoFile.c_str(), &width, &height, &channels, 4);
  }
  if (pixels == nullptr) {
    PV_LOG_WARN("Failed to load logo texture from: {}", fallback);
    return false;
  }
  ImTextureID texture = backend.createTexture(pixels, width, height);
  stbi_image_free(pixels);
  if (texture == nullptr) {
    PV_LOG_ERROR("Failed to create logo texture");
    return false;
  }
  logoTexture_ = texture;
  PV_LOG_INFO("Loaded logo texture: {}x{}", width, height);
  return true;
}

void DashboardAssets::release(DashboardBackend& backend) {
  if (logoTexture_ != nullptr) {
    backend.destroyTexture(logoTexture_);
    logoTexture_ = nullptr;
  }
  fonts_ = DashboardFonts{};
}

void DashboardAssets::applyTheme() {
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
  c[ImGuiCol_Text] = kTextPrimary;
  c[ImGuiCol_TextDisabled] = kTextMuted;
  for (int slot : {ImGuiCol_WindowBg, ImGuiCol_ScrollbarBg}) c[slot] = kBackground;
  for (int slot : {ImGuiCol_ChildBg, ImGuiCol_BorderShadow}) c[slot] = kTransparent;
  for (int slot : {ImGuiCol_PopupBg, ImGuiCol_FrameBgActive, ImGuiCol_Button, ImGuiCol_Header, ImGuiCol_ResizeGrip,
                   ImGuiCol_Tab, ImGuiCol_TabUnfocused, ImGuiCol_TabUnfocusedActive}) {
    c[slot] = kCard;
  }
  for (int slot : {ImGuiCol_Border, ImGuiCol_Separator}) c[slot] = kBorder;
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
  c[ImGuiCol_TextSelectedBg] = kTextSelection;
  c[ImGuiCol_NavWindowingDimBg] = kWindowingDim;
  c[ImGuiCol_ModalWindowDimBg] = kModalDim;
}

}  // namespace parvalon::host
