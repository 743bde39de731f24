#include "ui/DashboardPage.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <fmt/format.h>
#include <imgui.h>

#include "ui/DashboardActions.h"
#include "ui/DashboardAssets.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardState.h"
#include "ui/DashboardWidgets.h"
#include "ui/FitText.h"

namespace parvalon::host {
namespace {

using namespace palette;
using namespace widgets;

// Opens a card: a rounded child window of `size` on the card colour.
void beginCard(const char* id, ImVec2 size, float rounding, ImGuiWindowFlags flags) {
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kCard);
  ImGui::PushStyleVar(ImGuiStyleVar_ChildRounding, rounding);
  ImGui::BeginChild(id, size, true, flags);
}

void endCard() {
  ImGui::EndChild();
  ImGui::PopStyleVar();
  ImGui::PopStyleColor();
}

// A row of a card: its label at the card's inset, its value in the card's value column.
void cardRow(const char* label, const ImVec4& valueColour, const std::string& value) {
  ImGui::SetCursorPosX(layout::kCardInset);
  labelValue(label, layout::kCardValueColumn, valueColour, value);
}

}  // namespace

void DashboardPage::draw() {
  pageTitle(assets_.fonts(), "Dashboard", nullptr);
  drawApprovalPrompts();
  space(layout::kParagraphGap);
  drawConnectionCard();
  ImGui::SameLine(0, layout::kBlockGap);
  drawSystemCard();
  heading(assets_.fonts(), "Available Windows", layout::kBlockGap);
  ImGui::TextColored(kTextSecondary, "Select windows to stream to your Quest headset");
  space(layout::kNearGap);
  drawWindowList();
}

void DashboardPage::drawApprovalPrompts() {
  const TrustView& trust = state_.trustView();
  if (!trust.pin.empty()) {
    space(layout::kLineGap);
    ImGui::TextColored(kTextSecondary, "Pairing PIN:");
    ImGui::SameLine();
    ImGui::PushFont(assets_.fonts().heading);
    ImGui::TextColored(kAccentHover, "%s", trust.pin.c_str());
    ImGui::PopFont();
  }
  std::optional<std::size_t> allowed;
  std::optional<std::size_t> denied;
  for (std::size_t i = 0; i < trust.pending.size(); ++i) {
    const auto& pending = trust.pending[i];
    space(layout::kLineGap);
    ImGui::PushID(static_cast<int>(i));
    const std::string name = pending.clientName.empty() ? std::string("a headset") : pending.clientName;
    ImGui::TextColored(kWarning, "Allow %s at %s?", name.c_str(), pending.address.c_str());
    ImGui::SameLine(0, layout::kWideButtonGap);
    ImGui::PushStyleColor(ImGuiCol_Button, kAccent);
    if (ImGui::Button("Allow", ImVec2(layout::kSmallButtonWidth, 0))) allowed = i;
    ImGui::PopStyleColor();
    ImGui::SameLine(0, layout::kButtonGap);
    if (ImGui::Button("Deny", ImVec2(layout::kSmallButtonWidth, 0))) denied = i;
    ImGui::PopID();
  }
  // Acted on after the loop: either call changes the list being drawn.
  if (allowed) actions_.allowPending(*allowed);
  if (denied) actions_.denyPending(*denied);
}

void DashboardPage::drawConnectionCard() {
  const ConnectionStatus& status = state_.shownStatus();
  beginCard("ConnectionCard", ImVec2(layout::kCardWidth, layout::kConnectionCardHeight), layout::kCardRounding,
            ImGuiWindowFlags_NoScrollbar);
  heading(assets_.fonts(), "Connection Status", 0);
  if (status.connected) {
    statusDot(kDotConnected);
    ImGui::TextColored(kSuccess, "Connected");
    ImGui::TextColored(kTextSecondary, "Client: %s", status.clientName.c_str());
    ImGui::TextColored(kTextSecondary, "IP: %s", status.clientAddress.c_str());
  } else {
    statusDot(kDotWaiting);
    ImGui::TextColored(kTextMuted, "Waiting for connection...");
    const UISettings& settings = state_.settings();
    const struct {
      const char* label;
      const char* scheme;
      std::int32_t port;
    } endpoints[] = {{"Signaling:", "ws", settings.signalingPort},
                     {"Video:", "tcp", settings.videoPort},
                     {"Audio:", "tcp", settings.audioPort},
                     {"Input:", "tcp", settings.inputPort}};
    for (const auto& endpoint : endpoints) {
      cardRow(endpoint.label, kAccentHover,
              fmt::format("{}://{}:{}", endpoint.scheme, state_.localIpAddress(), endpoint.port));
    }
  }
  endCard();
}

void DashboardPage::drawSystemCard() {
  const SystemInformation& info = state_.systemInformation();
  beginCard("SystemCard", ImVec2(layout::kCardWidth, layout::kSystemCardHeight), layout::kCardRounding,
            ImGuiWindowFlags_NoScrollbar);
  heading(assets_.fonts(), "System Information", 0);
  cardRow("GPU:", kTextPrimary, info.gpuName);
  cardRow("Encoder:", encoderColour(info.encoderName), info.encoderName);
  cardRow("VRAM:", kTextPrimary, fmt::format("{} MB", info.vramMB));
  cardRow(info.captureLabel.c_str(), info.wgcSupported ? kSuccess : kWarning, info.captureValue());
  endCard();
}

void DashboardPage::drawWindowList() {
  const auto& windows = state_.windows();
  beginCard("WindowList",
            ImVec2(ImGui::GetContentRegionAvail().x - layout::kWindowListMargin, layout::kWindowListHeight),
            layout::kListRounding, ImGuiWindowFlags_None);
  if (windows.empty()) {
    space(layout::kBlockGap);
    centredText(kTextMuted, "No windows available for capture");
    centredText(kTextMuted, "Open some applications to see them here");
  } else {
    const float itemWidth = ImGui::GetWindowWidth() - layout::kWindowListMargin;
    const float textWidth = itemWidth - layout::kWindowItemTextReserve;
    const auto measure = [](std::string_view text) {
      return ImGui::CalcTextSize(text.data(), text.data() + text.size()).x;
    };
    std::optional<std::size_t> clicked;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const WindowEntry& entry = windows[i];
      ImGui::PushID(static_cast<int>(i));
      ImGui::SetCursorPosX(layout::kWindowItemX);
      const ImVec2 item = ImGui::GetCursorPos();
      ImGui::PushStyleColor(ImGuiCol_Header, kListItem);
      ImGui::PushStyleColor(ImGuiCol_HeaderHovered, kCardHover);
      ImGui::PushStyleColor(ImGuiCol_HeaderActive, kAccentDark);
      if (ImGui::Selectable("##item", entry.dashboardStream.has_value(), 0,
                            ImVec2(itemWidth, layout::kWindowItemHeight))) {
        clicked = i;
      }
      ImGui::PopStyleColor(3);

      ImGui::SetCursorPos(ImVec2(item.x + layout::kWindowItemTextX, item.y + layout::kWindowItemTitleY));
      ImGui::PushFont(assets_.fonts().heading);
      ImGui::TextColored(kTextPrimary, "%s", fitText(entry.title, textWidth, measure).c_str());
      ImGui::PopFont();
      ImGui::SetCursorPos(ImVec2(item.x + layout::kWindowItemTextX, item.y + layout::kWindowItemProcessY));
      ImGui::TextColored(kTextMuted, "%s", fitText(entry.processName, textWidth, measure).c_str());
      ImGui::SetCursorPos(
          ImVec2(item.x + itemWidth - layout::kWindowItemStateFromRight, item.y + layout::kWindowItemStateY));
      if (entry.streaming) {
        ImGui::TextColored(kSuccess, "Streaming");
      } else {
        ImGui::TextColored(kTextMuted, "Ready");
      }
      ImGui::SetCursorPos(ImVec2(item.x, item.y + layout::kWindowItemHeight + layout::kWindowItemGap));
      ImGui::PopID();
    }
    if (clicked) actions_.toggleWindow(*clicked);
  }
  endCard();
}

}  // namespace parvalon::host
