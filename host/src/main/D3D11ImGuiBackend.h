#pragma once

#include <string>

#include "ui/DashboardBackend.h"

namespace parvalon::host {

class Win32MainWindow;

// Dear ImGui's Win32 platform and Direct3D 11 renderer back ends on the main window's device and
// swap chain. The dashboard is laid out in 96-dpi pixels and drawn at the window's DPI, so its
// fixed geometry keeps its proportions on a scaled monitor. Main thread only.
class D3D11ImGuiBackend : public DashboardBackend {
 public:
  explicit D3D11ImGuiBackend(Win32MainWindow& window) : window_(window) {}
  ~D3D11ImGuiBackend() override;
  D3D11ImGuiBackend(const D3D11ImGuiBackend&) = delete;
  D3D11ImGuiBackend& operator=(const D3D11ImGuiBackend&) = delete;

  // Also routes the window's messages (input, cursor, focus) to the Win32 back end.
  bool initialize() override;
  void shutdown() override;
  void newFrame() override;
  void renderDrawData(ImDrawData* data) override;
  // A shader-resource view of an immutable RGBA texture, which the renderer binds as it is.
  ImTextureID createTexture(const unsigned char* rgba, int width, int height) override;
  void destroyTexture(ImTextureID texture) override;
  std::string executableFolder() override;

  // The scale of the frame being built: the window's DPI over 96.
  float dpiScale() const { return scale_; }
  // A finished frame laid out at 96 dpi, moved to pixels at `scale`: vertices, clip rectangles
  // and the display rectangle.
  static void scaleDrawData(ImDrawData& data, float scale);

 private:
  Win32MainWindow& window_;
  bool platformReady_ = false;
  bool rendererReady_ = false;
  float scale_ = 1.0f;
};

}  // namespace parvalon::host
