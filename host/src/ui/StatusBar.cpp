#include "ui/StatusBar.h"

#include <string>

#include <imgui.h>

#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardState.h"
#include "ui/DashboardWidgets.h"

namespace parvalon::host {

using namespace palette;

void StatusBar::draw(float width) {
  const ConnectionStatus& status = state_.shownStatus();
  const auto& pending = state_.trustView().pending;
  ImGui::PushStyleColor(ImGuiCol_ChildBg, kBackgroundDark);
  ImGui::BeginChild("StatusBar", ImVec2(width, layout::kStatusBarHeight), false, ImGuiWindowFlags_NoScrollbar);
  ImGui::SetCursorPos(layout::kStatusBarText);
  const ImVec2 at = ImGui::GetCursorScreenPos();
  ImGui::GetWindowDrawList()->AddCircleFilled(
      ImVec2(at.x + layout::kStatusDotRadius, at.y + layout::kStatusBarDotCentreY), layout::kStatusDotRadius,
      status.connected ? kDotConnected : kDotDisconnected);
  ImGui::Dummy(ImVec2(layout::kStatusBarDotWidth, 0));
  ImGui::SameLine();
  if (status.connected) {
    ImGui::TextColored(kSuccess, "Connected to %s", status.clientName.c_str());
  } else if (pending.empty()) {
    ImGui::TextColored(kTextMuted, "Waiting for client...");
  }
  if (!pending.empty()) {
    if (status.connected) ImGui::SameLine(0, layout::kFigureGap);
    ImGui::TextColored(kWarning, pending.size() == 1 ? "A headset is waiting for approval"
                                                     : "%zu headsets are waiting for approval",
                       pending.size());
  }

  ImGui::SameLine(width - layout::kStatusBarFiguresFromRight);
  if (status.connected) {
    ImGui::TextColored(kTextSecondary, "FPS:");
    ImGui::SameLine();
    ImGui::TextColored(kTextPrimary, "%d", status.fps);
    ImGui::SameLine(0, layout::kFigureGap);
    ImGui::TextColored(kTextSecondary, "Latency:");
    ImGui::SameLine();
    ImGui::TextColored(kTextPrimary, "%.1f ms", static_cast<double>(status.latencyMs));
    ImGui::SameLine(0, layout::kFigureGap);
    ImGui::TextColored(kTextSecondary, "Bitrate:");
    ImGui::SameLine();
    ImGui::TextColored(kTextPrimary, "%.1f Mbps", static_cast<double>(status.bitrateMbps));
  } else {
    const std::string& encoder = state_.systemInformation().encoderName;
    ImGui::TextColored(kTextSecondary, "Encoder:");
    ImGui::SameLine();
    ImGui::TextColored(widgets::encoderColour(encoder), "%s", encoder.c_str());
  }
  ImGui::EndChild();
  ImGui::PopStyleColor();
}

}  // namespace parvalon::host
