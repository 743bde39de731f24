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
  ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
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
