#pragma once

#include "ui/DashboardBackend.h"

struct GLFWwindow;

namespace parvalon::host {

// Dear ImGui's GLFW platform and OpenGL 3 renderer back ends on the main window's context.
class GlfwOpenGl3Backend : public DashboardBackend {
 public:
  explicit GlfwOpenGl3Backend(GLFWwindow* window);
  ~GlfwOpenGl3Backend() override;
  GlfwOpenGl3Backend(const GlfwOpenGl3Backend&) = delete;
  GlfwOpenGl3Backend& operator=(const GlfwOpenGl3Backend&) = delete;

  bool initialize() override;
  void shutdown() override;
  void newFrame() override;
  void renderDrawData(ImDrawData* data) override;
  ImTextureID createTexture(const unsigned char* rgba, int width, int height) override;
  void destroyTexture(ImTextureID texture) override;
  std::string executableFolder() override;

  // The OpenGL renderer of the calling thread's current context (GL_RENDERER), which names the
  // GPU the display draws with ("llvmpipe (LLVM 15.0.6, 256 bits)" in software); empty
  // without a context.
  static std::string rendererName();

 private:
  GLFWwindow* window_;
  bool platformReady_ = false;
  bool rendererReady_ = false;
};

}  // namespace parvalon::host
