#include "ui/InputPage.h"

#include <imgui.h>

#include "ui/DashboardActions.h"
#include "ui/DashboardAssets.h"
#include "ui/DashboardLayout.h"
#include "ui/DashboardState.h"
#include "ui/DashboardWidgets.h"

namespace parvalon::host {

using namespace widgets;

void InputPage::draw() {
  UISettings& settings = state_.settings();
  pageTitle(assets_.fonts(), "Input", "Configure controller and tracking input");
  space(layout::kSectionGap);
  if (ImGui::Checkbox("Track Controllers", &settings.trackControllers)) actions_.settingsChanged();
  note("Use Quest controllers as mouse/keyboard input");
  if (ImGui::Checkbox("Forward Tracking Data", &settings.forwardTracking)) actions_.settingsChanged();
  note("Send headset and controller tracking to PC applications");
}

}  // namespace parvalon::host
