#include "ui/DashboardWidgets.h"

#include <algorithm>

#include "ui/DashboardLayout.h"
#include "ui/DashboardPalette.h"

namespace parvalon::host::widgets {

using namespace palette;

void pageTitle(const DashboardFonts& fonts, const char* title, const char* subtitle) {
  ImGui::PushFont(fonts.title);
  ImGui::TextColored(kTextPrimary, "%s", title);
  ImGui::PopFont();
  if (subtitle != nullptr) ImGui::TextColored(kTextSecondary, "%s", subtitle);
}

void heading(const DashboardFonts& fonts, const char* text, float spaceBefore) {
  space(spaceBefore);
  ImGui::PushFont(fonts.heading);
  ImGui::TextColored(kTextPrimary, "%s", text);
  ImGui::PopFont();
}

void note(const char* text) { ImGui::TextColored(kTextMuted, "%s", text); }

void tooltip(const char* text) {
  if (ImGui::IsItemHovered()) ImGui::SetTooltip("%s", text);
}

void centredText(const ImVec4& colour, const char* text) {
  const float width = ImGui::CalcTextSize(text).x;
  ImGui::SetCursorPosX(std::max(0.0f, (ImGui::GetWindowWidth() - width) * 0.5f));
  ImGui::TextColored(colour, "%s", text);
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

void statusDot(ImU32 colour) {
  const ImVec2 at = ImGui::GetCursorScreenPos();
  const float line = ImGui::GetTextLineHeight();
  const float radius = layout::kStatusDotRadius;
  ImGui::GetWindowDrawList()->AddCircleFilled(ImVec2(at.x + radius, at.y + line * 0.5f), radius, colour);
  ImGui::Dummy(ImVec2(2.0f * radius, line));
  ImGui::SameLine();
}

void gradientBar(float width, float height, ImU32 left, ImU32 right) {
  const ImVec2 cursor = ImGui::GetCursorScreenPos();
  const ImVec2 from(ImGui::GetWindowPos().x + layout::kGradientBarInset, cursor.y);
  ImGui::GetWindowDrawList()->AddRectFilledMultiColor(from, ImVec2(from.x + width, from.y + height), left, right,
                                                      right, left);
  ImGui::Dummy(ImVec2(width, height));
}

const ImVec4& encoderColour(const std::string& encoderName) {
  const bool missing = encoderName.empty() || encoderName == "None";
  return missing ? kWarning : kSuccess;
}

}  // namespace parvalon::host::widgets
