#pragma once

#include <imgui.h>

namespace parvalon::host {

// A vertical gap of exactly `px` between the previous item and the next one (Dear ImGui's own
// item spacing included), or from the top of the window when nothing precedes it.
inline void space(float px) {
  const float y = ImGui::GetCursorPosY();
  const bool atTop = y <= ImGui::GetCursorStartPos().y;
  ImGui::SetCursorPosY(atTop ? y + px : y - ImGui::GetStyle().ItemSpacing.y + px);
}

}  // namespace parvalon::host
