#pragma once

#include <chrono>
#include <string>

#include "ui/DashboardBackend.h"

namespace parvalon::host {

class Win32MainWindow;

// The dashboard's Windows back end until Dear ImGui's Win32 and Direct3D 11 back ends take its
// place: every frame is built as on Linux (so its state, digest and redraw decisions are the
// same), but a drawn frame only clears the window to the dashboard's background.
class D3D11ClearBackend : public DashboardBackend {
 public:
  explicit D3D11ClearBackend(Win32MainWindow& window) : window_(window) {}

  bool initialize() override;
  void shutdown() override {}
  void newFrame() override;
  void renderDrawData(ImDrawData* data) override;
  // No renderer yet to upload to: the dashboard shows no logo.
  ImTextureID createTexture(const unsigned char*, int, int) override { return nullptr; }
  void destroyTexture(ImTextureID) override {}
  std::string executableFolder() override;

 private:
  Win32MainWindow& window_;
  std::chrono::steady_clock::time_point lastFrame_{};
};

}  // namespace parvalon::host
