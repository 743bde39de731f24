#include "ui/AboutPage.h"

#include <fmt/format.h>
#include <imgui.h>

#include <ParvalonVersion.h>

#include "protocol/SignalingMessages.h"
#include "ui/DashboardAssets.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardState.h"
#include "ui/DashboardWidgets.h"

namespace parvalon::host {
namespace {

using namespace palette;
using namespace widgets;

constexpr const char* kProductAddress = "https://parvalon.dev";
constexpr const char* kVersionText = "Version 1.1.0";
constexpr const char* kDescription =
    "A native VR window streaming platform for Meta Quest. Stream individual windows to your headset with "
    "ultra-low latency.";

}  // namespace

void AboutPage::draw() {
  const DashboardFonts& fonts = assets_.fonts();
  const SystemInformation& info = state_.systemInformation();
  pageTitle(fonts, "About", nullptr);
  space(layout::kBlockGap);
  if (assets_.logo() != nullptr) {
    ImGui::Image(assets_.logo(), ImVec2(layout::kAboutLogoSize, layout::kAboutLogoSize));
    space(layout::kNearGap);
  }
  ImGui::PushFont(fonts.title);
  ImGui::TextColored(kAccentHover, "Parvalon Native");
  ImGui::PopFont();
  ImGui::TextColored(kTextSecondary, "%s", kVersionText);
  ImGui::SameLine();
  // kVersionText is what the dashboard has always said; the installed package's own version
  // is the one a user reports.
  ImGui::TextColored(kTextSecondary, "(package %s, protocol %s)", PARVALON_VERSION, protocol::kHostVersion);
  space(layout::kParagraphGap);
  ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + layout::kAboutTextWidth);
  ImGui::TextWrapped("%s", kDescription);
  ImGui::PopTextWrapPos();

  heading(fonts, "System Information", layout::kBlockGap);
  labelValue("Graphics Card:", layout::kAboutValueColumn, kTextPrimary, info.gpuName);
  labelValue("VRAM:", layout::kAboutValueColumn, kTextPrimary, fmt::format("{} MB", info.vramMB));
  labelValue("Hardware Encoder:", layout::kAboutValueColumn, encoderColour(info.encoderName), info.encoderName);
  labelValue(info.captureAboutLabel.c_str(), layout::kAboutValueColumn, info.wgcSupported ? kSuccess : kWarning,
             info.captureValue());
  space(layout::kBlockGap);
  ImGui::TextColored(kAccentHover, "%s", kProductAddress);
}

}  // namespace parvalon::host
