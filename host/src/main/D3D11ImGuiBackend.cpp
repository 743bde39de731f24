#include "main/D3D11ImGuiBackend.h"

#include <windows.h>
#include <d3d11.h>

#include <filesystem>

#include <imgui_impl_dx11.h>
#include <imgui_impl_win32.h>

#include "main/Win32MainWindow.h"
#include "platform/windows/Win32Text.h"
#include "ui/DashboardPalette.h"

// Declared by the back end's header only in a comment, so that it does not need <windows.h>.
extern IMGUI_IMPL_API LRESULT ImGui_ImplWin32_WndProcHandler(HWND window, UINT message, WPARAM wParam,
                                                             LPARAM lParam);

namespace parvalon::host {

D3D11ImGuiBackend::~D3D11ImGuiBackend() { shutdown(); }

bool D3D11ImGuiBackend::initialize() {
  if (window_.handle() == nullptr || window_.device() == nullptr) return false;
  // The Win32 back end installs the key map; Dear ImGui's own Win32 clipboard serves the copies.
  platformReady_ = ImGui_ImplWin32_Init(window_.handle());
  if (!platformReady_) return false;
  rendererReady_ = ImGui_ImplDX11_Init(window_.device(), window_.context());
  if (!rendererReady_) {
    shutdown();
    return false;
  }
  window_.setMessageHook([](HWND__* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return ImGui_ImplWin32_WndProcHandler(window, message, wParam, lParam) != 0;
  });
  return true;
}

void D3D11ImGuiBackend::shutdown() {
  window_.setMessageHook(nullptr);
  if (rendererReady_) {
    ImGui_ImplDX11_Shutdown();
    rendererReady_ = false;
  }
  if (platformReady_) {
    ImGui_ImplWin32_Shutdown();
    platformReady_ = false;
  }
}

void D3D11ImGuiBackend::newFrame() {
  ImGui_ImplDX11_NewFrame();
  ImGui_ImplWin32_NewFrame();
  // The window's own DPI rather than the back end's monitor lookup: where the system reports a
  // Windows before 8.1 (wine's default prefix) that lookup takes a screen DC on every frame, and
  // under wine each DC released re-reads the X resources, which made the idle loop's main cost.
  const UINT dpi = GetDpiForWindow(window_.handle());
  scale_ = dpi > 0 ? static_cast<float>(dpi) / USER_DEFAULT_SCREEN_DPI : 1.0f;
  if (scale_ == 1.0f) return;
  // The Win32 back end measured the client area and the pointer in pixels.
  ImGuiIO& io = ImGui::GetIO();
  io.DisplaySize = ImVec2(io.DisplaySize.x / scale_, io.DisplaySize.y / scale_);
  if (ImGui::IsMousePosValid(&io.MousePos)) io.MousePos = ImVec2(io.MousePos.x / scale_, io.MousePos.y / scale_);
}

void D3D11ImGuiBackend::renderDrawData(ImDrawData* data) {
  const ImVec4& background = palette::kBackground;
  const float rgba[4] = {background.x, background.y, background.z, background.w};
  window_.clearBackBuffer(rgba);
  if (data == nullptr) return;
  if (scale_ != 1.0f) scaleDrawData(*data, scale_);
  ImGui_ImplDX11_RenderDrawData(data);
}

void D3D11ImGuiBackend::scaleDrawData(ImDrawData& data, float scale) {
  for (int list = 0; list < data.CmdListsCount; ++list) {
    ImVector<ImDrawVert>& vertices = data.CmdLists[list]->VtxBuffer;
    for (ImDrawVert& vertex : vertices) vertex.pos = ImVec2(vertex.pos.x * scale, vertex.pos.y * scale);
  }
  data.ScaleClipRects(ImVec2(scale, scale));
  data.DisplayPos = ImVec2(data.DisplayPos.x * scale, data.DisplayPos.y * scale);
  data.DisplaySize = ImVec2(data.DisplaySize.x * scale, data.DisplaySize.y * scale);
}

ImTextureID D3D11ImGuiBackend::createTexture(const unsigned char* rgba, int width, int height) {
  ID3D11Device* device = window_.device();
  if (device == nullptr || rgba == nullptr || width <= 0 || height <= 0) return nullptr;
  D3D11_TEXTURE2D_DESC desc{};
  desc.Width = static_cast<UINT>(width);
  desc.Height = static_cast<UINT>(height);
  desc.MipLevels = 1;
  desc.ArraySize = 1;
  desc.Format = DXGI_FORMAT_R8G8B8A8_UNORM;
  desc.SampleDesc.Count = 1;
  desc.Usage = D3D11_USAGE_DEFAULT;
  desc.BindFlags = D3D11_BIND_SHADER_RESOURCE;
  D3D11_SUBRESOURCE_DATA initial{};
  initial.pSysMem = rgba;
  initial.SysMemPitch = desc.Width * 4;
  ID3D11Texture2D* texture = nullptr;
  if (FAILED(device->CreateTexture2D(&desc, &initial, &texture))) return nullptr;
  D3D11_SHADER_RESOURCE_VIEW_DESC view{};
  view.Format = desc.Format;
  view.ViewDimension = D3D11_SRV_DIMENSION_TEXTURE2D;
  view.Texture2D.MostDetailedMip = 0;
  view.Texture2D.MipLevels = 1;
  ID3D11ShaderResourceView* resourceView = nullptr;
  const HRESULT hr = device->CreateShaderResourceView(texture, &view, &resourceView);
  texture->Release();  // the view holds the texture
  if (FAILED(hr)) return nullptr;
  return reinterpret_cast<ImTextureID>(resourceView);
}

void D3D11ImGuiBackend::destroyTexture(ImTextureID texture) {
  if (texture != nullptr) static_cast<ID3D11ShaderResourceView*>(texture)->Release();
}

std::string D3D11ImGuiBackend::executableFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return platform::win32::utf16ToUtf8(std::filesystem::path(path).parent_path().wstring());
}

}  // namespace parvalon::host
