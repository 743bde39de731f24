#include "main/D3D11ClearBackend.h"

#include <windows.h>

#include <filesystem>
#include <string>

#include "main/Win32MainWindow.h"
#include "platform/windows/Win32Text.h"
#include "ui/DashboardPalette.h"

namespace parvalon::host {

bool D3D11ClearBackend::initialize() {
  // A renderer uploads the font atlas; without one its pixels are only built, which frames need.
  unsigned char* pixels = nullptr;
  int width = 0;
  int height = 0;
  ImGuiIO& io = ImGui::GetIO();
  io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
  // Keyboard navigation is on, and Dear ImGui refuses a frame without a key map: the Win32
  // back end's virtual keys, as it installs them.
  const int keys[][2] = {{ImGuiKey_Tab, VK_TAB},       {ImGuiKey_LeftArrow, VK_LEFT},  {ImGuiKey_RightArrow, VK_RIGHT},
                         {ImGuiKey_UpArrow, VK_UP},    {ImGuiKey_DownArrow, VK_DOWN},  {ImGuiKey_PageUp, VK_PRIOR},
                         {ImGuiKey_PageDown, VK_NEXT}, {ImGuiKey_Home, VK_HOME},       {ImGuiKey_End, VK_END},
                         {ImGuiKey_Insert, VK_INSERT}, {ImGuiKey_Delete, VK_DELETE},   {ImGuiKey_Backspace, VK_BACK},
                         {ImGuiKey_Space, VK_SPACE},   {ImGuiKey_Enter, VK_RETURN},    {ImGuiKey_Escape, VK_ESCAPE},
                         {ImGuiKey_KeyPadEnter, VK_RETURN}, {ImGuiKey_A, 'A'}, {ImGuiKey_C, 'C'}, {ImGuiKey_V, 'V'},
                         {ImGuiKey_X, 'X'}, {ImGuiKey_Y, 'Y'}, {ImGuiKey_Z, 'Z'}};
  for (const auto& [key, vk] : keys) io.KeyMap[key] = vk;
  lastFrame_ = std::chrono::steady_clock::now();
  return true;
}

void D3D11ClearBackend::newFrame() {
  ImGuiIO& io = ImGui::GetIO();
  int width = 0;
  int height = 0;
  window_.clientSize(width, height);
  io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
  const auto now = std::chrono::steady_clock::now();
  const float seconds = std::chrono::duration<float>(now - lastFrame_).count();
  io.DeltaTime = seconds > 0.0f ? seconds : 1.0f / 60.0f;  // Dear ImGui refuses a zero step
  lastFrame_ = now;
}

void D3D11ClearBackend::renderDrawData(ImDrawData*) {
  const ImVec4& background = palette::kBackground;
  const float rgba[4] = {background.x, background.y, background.z, background.w};
  window_.clearBackBuffer(rgba);
  // Dear ImGui's Direct3D 11 renderer draws the frame's lists here.
}

std::string D3D11ClearBackend::executableFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return platform::win32::utf16ToUtf8(std::filesystem::path(path).parent_path().wstring());
}

}  // namespace parvalon::host
