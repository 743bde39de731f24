#pragma once

#include <imgui.h>

// The dashboard's colours (RGBA, alpha 1 unless stated).
namespace parvalon::host::palette {

inline const ImVec4 kAccent{0.45f, 0.35f, 0.90f, 1.0f};
inline const ImVec4 kAccentHover{0.55f, 0.40f, 0.98f, 1.0f};
inline const ImVec4 kAccentDark{0.35f, 0.25f, 0.70f, 1.0f};
inline const ImVec4 kAccentLight{0.60f, 0.45f, 1.00f, 1.0f};
inline const ImVec4 kBackground{0.06f, 0.06f, 0.10f, 1.0f};
inline const ImVec4 kBackgroundDark{0.05f, 0.05f, 0.08f, 1.0f};
inline const ImVec4 kCard{0.10f, 0.10f, 0.16f, 1.0f};
inline const ImVec4 kCardHover{0.12f, 0.12f, 0.20f, 1.0f};
inline const ImVec4 kTextPrimary{0.95f, 0.95f, 0.98f, 1.0f};
inline const ImVec4 kTextSecondary{0.65f, 0.65f, 0.75f, 1.0f};
inline const ImVec4 kTextMuted{0.45f, 0.45f, 0.55f, 1.0f};
inline const ImVec4 kSuccess{0.30f, 0.85f, 0.55f, 1.0f};
inline const ImVec4 kWarning{0.95f, 0.75f, 0.25f, 1.0f};
inline const ImVec4 kError{0.95f, 0.35f, 0.40f, 1.0f};
inline const ImVec4 kListItem{0.15f, 0.15f, 0.22f, 1.0f};
inline const ImVec4 kSliderGrab{0.50f, 0.40f, 0.95f, 1.0f};
inline const ImVec4 kTransparent{0.0f, 0.0f, 0.0f, 0.0f};
inline const ImVec4 kBorder{0.20f, 0.20f, 0.30f, 1.0f};
inline const ImVec4 kTextSelection{0.45f, 0.35f, 0.90f, 0.35f};
inline const ImVec4 kWindowingDim{0.0f, 0.0f, 0.0f, 0.5f};
inline const ImVec4 kModalDim{0.0f, 0.0f, 0.0f, 0.6f};

// The Logs page's level colours, trace to critical.
inline const ImVec4 kLogTrace{0.50f, 0.50f, 0.50f, 1.0f};
inline const ImVec4 kLogDebug{0.60f, 0.60f, 0.60f, 1.0f};
inline const ImVec4 kLogInfo{0.40f, 0.80f, 0.40f, 1.0f};
inline const ImVec4 kLogWarn{1.00f, 0.80f, 0.20f, 1.0f};
inline const ImVec4 kLogError{1.00f, 0.40f, 0.40f, 1.0f};
inline const ImVec4 kLogCritical{1.00f, 0.20f, 0.20f, 1.0f};

// Drawn shapes (packed RGBA): the connection dots and the sidebar's gradient rules.
inline constexpr ImU32 kDotConnected = IM_COL32(77, 217, 140, 255);
inline constexpr ImU32 kDotWaiting = IM_COL32(165, 165, 191, 255);
inline constexpr ImU32 kDotDisconnected = IM_COL32(115, 115, 140, 255);
inline constexpr ImU32 kRuleLeft = IM_COL32(115, 89, 230, 100);
inline constexpr ImU32 kRuleRight = IM_COL32(140, 102, 250, 100);
inline constexpr ImU32 kFooterRuleLeft = IM_COL32(50, 50, 80, 150);
inline constexpr ImU32 kFooterRuleRight = IM_COL32(80, 60, 120, 150);

}  // namespace parvalon::host::palette
