#include "ui/AudioPage.h"

#include <imgui.h>

#include "ui/DashboardActions.h"
#include "ui/DashboardAssets.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"
#include "ui/DashboardState.h"
#include "ui/DashboardWidgets.h"

namespace parvalon::host {

using namespace widgets;

void AudioPage::draw() {
  const DashboardFonts& fonts = assets_.fonts();
  UISettings& settings = state_.settings();
  pageTitle(fonts, "Audio", "Configure audio streaming and microphone settings");
  heading(fonts, "Audio Quality", layout::kSectionGap);
  ImGui::SetNextItemWidth(layout::kAudioSliderWidth);
  if (ImGui::SliderInt("##AudioQuality", &settings.audioBitrateKbps, kMinAudioBitrateKbps, kMaxAudioBitrateKbps,
                       "%d kbps")) {
    actions_.settingsChanged();
  }

  heading(fonts, "Microphone", layout::kSectionGap);
  if (ImGui::Checkbox("Enable Microphone Passthrough", &settings.micPassthrough)) actions_.settingsChanged();
  note("Forward Quest microphone audio to PC");
  if (settings.micPassthrough) {
    ImGui::TextColored(palette::kTextSecondary, "Microphone Volume");
    ImGui::SetNextItemWidth(layout::kSliderWidth);
    if (ImGui::SliderInt("##MicVolume", &settings.micVolume, 0, 100, "%d %%")) actions_.settingsChanged();
    if (ImGui::Checkbox("Noise Cancellation", &settings.noiseCancellation)) actions_.settingsChanged();
    note("Reduce background noise from microphone");
  }
}

}  // namespace parvalon::host
