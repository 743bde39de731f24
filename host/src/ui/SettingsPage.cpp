#include "ui/SettingsPage.h"

#include <cstddef>
#include <cstdint>
#include <optional>

#include <fmt/format.h>
#include <imgui.h>

#include "ui/DashboardActions.h"
#include "ui/DashboardAssets.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardState.h"
#include "ui/DashboardWidgets.h"

namespace parvalon::host {

using namespace palette;
using namespace widgets;

void SettingsPage::draw() {
  const DashboardFonts& fonts = assets_.fonts();
  UISettings& settings = state_.settings();
  pageTitle(fonts, "Settings", "Application configuration");

  heading(fonts, "Network (TCP)", layout::kSectionGap);
  note("Each channel has its own port: signaling over WebSocket, video, audio and input over TCP.");
  const struct {
    const char* label;
    const char* format;
    std::int32_t port;
  } rows[] = {{"Signaling:", "{} (WebSocket)", settings.signalingPort},
              {"Video Port:", "{} (TCP)", settings.videoPort},
              {"Audio Port:", "{} (TCP)", settings.audioPort},
              {"Input Port:", "{} (TCP)", settings.inputPort}};
  for (const auto& row : rows) {
    labelValue(row.label, layout::kPageValueColumn, kAccentHover, fmt::format(fmt::runtime(row.format), row.port));
  }

  drawTrustedClients();

  heading(fonts, "Startup", layout::kSectionGap);
#ifdef _WIN32
  ImGui::Checkbox("Start with Windows", &state_.startWithSystem);
#else
  if (ImGui::Checkbox("Start with the desktop session", &settings.startWithSession)) actions_.settingsChanged();
#endif
  ImGui::Checkbox("Start Minimized", &state_.startMinimized);

  space(layout::kSectionGap);
  ImGui::PushStyleColor(ImGuiCol_Button, kCard);
  ImGui::PushStyleColor(ImGuiCol_ButtonHovered, kError);
  const bool reset = ImGui::Button("Reset to Defaults", layout::kLargeButton);
  ImGui::PopStyleColor(2);
  if (reset) actions_.resetToDefaults();
}

void SettingsPage::drawTrustedClients() {
  const auto& trusted = state_.trustView().trusted;
  heading(assets_.fonts(), "Trusted Headsets", layout::kSectionGap);
  if (trusted.empty()) {
    note("No headset is trusted yet: the first to connect is, or allow one on the Dashboard.");
    return;
  }
  note("Only these clients may use the host; remove one to make it ask again.");
  std::optional<std::size_t> removed;
  for (std::size_t i = 0; i < trusted.size(); ++i) {
    const auto& entry = trusted[i];
    ImGui::PushID(static_cast<int>(i));
    ImGui::TextColored(kTextPrimary, "%s", entry.clientName.empty() ? "(unnamed)" : entry.clientName.c_str());
    ImGui::SameLine(layout::kTrustedAddressX);
    ImGui::TextColored(kAccentHover, "%s", entry.address.c_str());
    ImGui::SameLine(layout::kTrustedLastConnectedX);
    ImGui::TextColored(kTextSecondary, "last connected %s", entry.lastConnected.c_str());
    ImGui::SameLine(layout::kTrustedRemoveX);
    if (ImGui::SmallButton("Remove")) removed = i;
    ImGui::PopID();
  }
  // Acted on after the loop: the removal changes the list being drawn.
  if (removed) actions_.removeTrusted(*removed);
}

}  // namespace parvalon::host
