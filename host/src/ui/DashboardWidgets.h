#pragma once

#include <string>

#include <imgui.h>

#include "ui/DashboardAssets.h"

// The small drawing pieces every page is made of. Main thread, inside a Dear ImGui frame.
namespace parvalon::host::widgets {

// The page's name in the title font and an optional line under it.
void pageTitle(const DashboardFonts& fonts, const char* title, const char* subtitle);
// A section heading `spaceBefore` below the previous item.
void heading(const DashboardFonts& fonts, const char* text, float spaceBefore);
// A muted explanatory line.
void note(const char* text);
// `text` as the previous item's tooltip while it is hovered.
void tooltip(const char* text);
void centredText(const ImVec4& colour, const char* text);
// A label and, from x = `valueX` of the window, its value.
void labelValue(const char* label, float valueX, const ImVec4& valueColour, const std::string& value);
// A filled dot the height of a text line, followed on the same line by what comes next.
void statusDot(ImU32 colour);
// A horizontal two-colour bar, inset from the window's left edge; the cursor moves below it.
void gradientBar(float width, float height, ImU32 left, ImU32 right);
// Green for a hardware encoder, amber when there is none.
const ImVec4& encoderColour(const std::string& encoderName);

}  // namespace parvalon::host::widgets
