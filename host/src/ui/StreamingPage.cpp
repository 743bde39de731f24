#include "ui/StreamingPage.h"

#include <cstddef>
#include <iterator>

#include <fmt/format.h>
#include <imgui.h>

#include "ui/DashboardActions.h"
#include "ui/DashboardAssets.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardState.h"
#include "ui/DashboardWidgets.h"

namespace parvalon::host {
namespace {

using namespace palette;
using namespace widgets;

constexpr const char* kCodecItems[] = {"H.264", "HEVC (H.265)"};

}  // namespace

void StreamingPage::draw() {
  const DashboardFonts& fonts = assets_.fonts();
  UISettings& settings = state_.settings();
  pageTitle(fonts, "Streaming", "Configure video quality and encoding settings");

  heading(fonts, "Quality Preset", layout::kSectionGap);
  ImGui::SetNextItemWidth(layout::kPresetComboWidth);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, layout::kPresetComboPadding);
  std::int32_t preset = settings.qualityPreset;
  const bool presetChanged = ImGui::Combo(
      "##QualityPreset", &preset,
      [](void*, int index, const char** text) {
        *text = kQualityPresets[static_cast<std::size_t>(index)].label;
        return true;
      },
      nullptr, static_cast<int>(kQualityPresets.size()));
  ImGui::PopStyleVar();
  if (presetChanged) actions_.selectQualityPreset(preset);

  heading(fonts, "Target Frame Rate", layout::kSectionGap);
  bool first = true;
  for (const std::int32_t fps : kFrameRates) {
    if (!first) ImGui::SameLine(0, layout::kButtonGap);
    first = false;
    const bool selected = settings.targetFps == fps;
    ImGui::PushStyleColor(ImGuiCol_Button, selected ? kAccent : kCard);
    ImGui::PushStyleColor(ImGuiCol_ButtonHovered, selected ? kAccentHover : kCardHover);
    const bool clicked = ImGui::Button(fmt::format("{} Hz", fps).c_str(), layout::kFrameRateButton);
    ImGui::PopStyleColor(2);
    if (clicked) actions_.setTargetFps(fps);
  }

  heading(fonts, "Video Bitrate", layout::kSectionGap);
  note("Higher bitrate improves quality but increases latency");
  ImGui::SetNextItemWidth(layout::kBitrateSliderWidth);
  int mbps = settings.bitrateKbps / 1000;
  if (ImGui::SliderInt("##Bitrate", &mbps, DashboardActions::kMinBitrateMbps, DashboardActions::kMaxBitrateMbps,
                       "%d Mbps")) {
    actions_.setBitrateFromSlider(mbps);
  }

  heading(fonts, "Video Codec", layout::kSectionGap);
  ImGui::SetNextItemWidth(layout::kCodecComboWidth);
  int codec = settings.codec == "h264" ? 0 : 1;
  if (ImGui::Combo("##Codec", &codec, kCodecItems, static_cast<int>(std::size(kCodecItems)))) {
    settings.codec = codec == 0 ? "h264" : "hevc";
    actions_.settingsChanged();
  }

  heading(fonts, "Advanced Options", layout::kSectionGap);
  ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, layout::kCheckboxPadding);
  const struct {
    const char* label;
    bool* value;
    const char* text;
  } options[] = {
      {"Low Latency Mode", &settings.lowLatencyMode, "Optimizes for minimal motion-to-photon latency"},
      {"Adaptive Bitrate", &settings.adaptiveBitrate, "Automatically adjusts bitrate based on network conditions"},
      {"Slice-based Encoding", &settings.sliceEncoding, "Enables parallel encoding for lower latency"},
  };
  for (const auto& option : options) {
    if (ImGui::Checkbox(option.label, option.value)) actions_.settingsChanged();
    note(option.text);
  }
  drawVideoQuality();
  ImGui::PopStyleVar();
}

void StreamingPage::drawVideoQuality() {
  UISettings& settings = state_.settings();
  heading(assets_.fonts(), "Video Quality", layout::kSectionGap);
  ImGui::TextColored(kTextSecondary, "Post-processing effects applied before encoding");
  if (ImGui::Checkbox("Enable Sharpening (CAS)", &settings.sharpeningEnabled)) actions_.settingsChanged();
  ImGui::SameLine();
  ImGui::TextColored(kTextMuted, "(?)");
  tooltip(
      "Contrast Adaptive Sharpening (AMD FidelityFX)\nImproves text and UI clarity before encoding.\nAdds slight GPU "
      "overhead.");
  if (settings.sharpeningEnabled) {
    ImGui::TextColored(kTextSecondary, "Sharpness");
    ImGui::SetNextItemWidth(layout::kSliderWidth);
    if (ImGui::SliderFloat("##Sharpness", &settings.sharpness, 0.0f, 1.0f, "%.1f")) actions_.settingsChanged();
    note("0.0 = Off, 0.7 = Default, 1.0 = Maximum");
  }
  if (ImGui::Checkbox("VSync Frame Pacing", &settings.vsyncEnabled)) actions_.settingsChanged();
  tooltip(
      "Synchronize frame capture with monitor VSync.\nReduces screen tearing and improves frame consistency.\nMay add "
      "up to 1 frame of latency.");
  if (ImGui::Checkbox("Full Range Color", &settings.fullRangeColor)) actions_.settingsChanged();
  tooltip(
      "Expand color range from limited (16-235) to full (0-255).\nImproves color accuracy and reduces banding in "
      "gradients.\nRequires encoder restart to take effect.");
}

}  // namespace parvalon::host
