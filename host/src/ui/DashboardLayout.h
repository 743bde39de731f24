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

// The dashboard's measures in pixels: the frame, then what the pages share, then each part's own.
namespace layout {

// The frame: sidebar on the left, status bar along the bottom, the page in the rest.
inline constexpr float kSidebarWidth = 260.0f;
inline constexpr float kStatusBarHeight = 56.0f;
inline const ImVec2 kPageOrigin{30.0f, 25.0f};

// Shared by the pages.
inline constexpr float kSectionGap = 25.0f;  // before a section heading
inline constexpr float kBlockGap = 30.0f;    // before a block that stands apart
inline constexpr float kParagraphGap = 20.0f;
inline constexpr float kLineGap = 10.0f;  // between a line and the one it belongs to
inline constexpr float kNearGap = 15.0f;
inline constexpr float kButtonGap = 10.0f;
inline constexpr float kWideButtonGap = 20.0f;
inline constexpr float kFigureGap = 25.0f;  // between the label-value pairs of one line
inline const ImVec2 kLargeButton{180.0f, 45.0f};
inline constexpr float kSmallButtonWidth = 90.0f;
inline constexpr float kCardRounding = 16.0f;
inline constexpr float kListRounding = 12.0f;
inline constexpr float kCardInset = 20.0f;       // of a card's rows from its left edge
inline constexpr float kCardValueColumn = 130.0f;
inline constexpr float kPageValueColumn = 180.0f;
inline constexpr float kAboutValueColumn = 200.0f;
inline constexpr float kStatusDotRadius = 6.0f;
inline constexpr float kGradientBarInset = 20.0f;  // of a gradient bar from the window's left edge

// Sidebar.
inline constexpr float kLogoAreaHeight = 140.0f;
inline constexpr float kLogoTop = 25.0f;
inline constexpr float kSidebarLogoX = 100.0f;
inline constexpr float kSidebarLogoSize = 60.0f;
inline constexpr float kNavigationX = 15.0f;
inline const ImVec2 kNavigationButton{230.0f, 48.0f};
inline constexpr float kNavigationGap = 4.0f;
inline constexpr float kSidebarFooter = 80.0f;  // kept free below the page buttons for About
inline constexpr float kSidebarRuleWidth = 220.0f;
inline constexpr float kSidebarRuleHeight = 2.0f;
inline constexpr float kSidebarFooterRuleHeight = 1.0f;

// Status bar.
inline const ImVec2 kStatusBarText{25.0f, 18.0f};
inline constexpr float kStatusBarDotCentreY = 8.0f;
inline constexpr float kStatusBarDotWidth = 20.0f;
inline constexpr float kStatusBarFiguresFromRight = 400.0f;

// Dashboard page.
inline constexpr float kCardWidth = 420.0f;
inline constexpr float kConnectionCardHeight = 230.0f;
inline constexpr float kSystemCardHeight = 200.0f;
inline constexpr float kWindowListHeight = 350.0f;
inline constexpr float kWindowListMargin = 30.0f;  // right of the list, and inside it right of its items
inline constexpr float kWindowItemX = 10.0f;
inline constexpr float kWindowItemHeight = 56.0f;
inline constexpr float kWindowItemGap = 5.0f;
inline constexpr float kWindowItemTextX = 20.0f;
inline constexpr float kWindowItemTitleY = 10.0f;
inline constexpr float kWindowItemProcessY = 32.0f;
inline constexpr float kWindowItemStateY = 18.0f;
inline constexpr float kWindowItemStateFromRight = 100.0f;
inline constexpr float kWindowItemTextReserve = 200.0f;  // item width the title and process may not use

// Streaming page.
inline constexpr float kPresetComboWidth = 350.0f;
inline const ImVec2 kPresetComboPadding{14.0f, 12.0f};
inline const ImVec2 kFrameRateButton{90.0f, 45.0f};
inline constexpr float kBitrateSliderWidth = 450.0f;
inline constexpr float kCodecComboWidth = 250.0f;
inline const ImVec2 kCheckboxPadding{6.0f, 6.0f};
inline constexpr float kSliderWidth = 350.0f;

// Audio page.
inline constexpr float kAudioSliderWidth = 400.0f;

// Settings page: the trusted-client columns.
inline constexpr float kTrustedAddressX = 220.0f;
inline constexpr float kTrustedLastConnectedX = 400.0f;
inline constexpr float kTrustedRemoveX = 680.0f;

// Logs page.
inline constexpr float kLogToolbarRounding = 6.0f;
inline constexpr float kLogFilterFromRight = 200.0f;
inline constexpr float kLogFilterWidth = 180.0f;
inline constexpr float kLogListBottomMargin = 5.0f;

// About page.
inline constexpr float kAboutLogoSize = 80.0f;
inline constexpr float kAboutTextWidth = 500.0f;

}  // namespace layout
}  // namespace parvalon::host
