#pragma once

#include <string>

#include <imgui.h>

namespace parvalon::host {

// The platform and renderer glue of the dashboard: everything of Dear ImGui that touches the
// window system or the graphics API. One implementation per platform (GLFW + OpenGL 3 here; a
// Win32 + Direct3D 11 one slots in beside it). Main thread only.
class DashboardBackend {
 public:
  virtual ~DashboardBackend() = default;

  // Binds the platform and renderer back ends to the current Dear ImGui context, including the
  // system clipboard behind ImGui::SetClipboardText; false when either fails.
  virtual bool initialize() = 0;
  virtual void shutdown() = 0;
  // Starts a frame: input, display size and time for Dear ImGui.
  virtual void newFrame() = 0;
  // Clears the window's back buffer to the dashboard's background and draws a finished frame.
  virtual void renderDrawData(ImDrawData* data) = 0;
  // Uploads an 8-bit RGBA image (rows of width * 4 bytes); null when the upload fails.
  virtual ImTextureID createTexture(const unsigned char* rgba, int width, int height) = 0;
  virtual void destroyTexture(ImTextureID texture) = 0;
  // Folder of the running executable (no trailing separator), empty when unknown.
  virtual std::string executableFolder() = 0;
};

}  // namespace parvalon::host
