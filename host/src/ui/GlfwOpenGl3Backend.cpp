#include "ui/GlfwOpenGl3Backend.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#define GLFW_INCLUDE_NONE
#include <GL/gl.h>
#include <GLFW/glfw3.h>
#include <imgui_impl_glfw.h>
#include <imgui_impl_opengl3.h>

#include "ui/DashboardPalette.h"

namespace parvalon::host {
namespace {

// The main window's context is OpenGL 3.3 core.
constexpr const char* kGlslVersion = "#version 330 core";

}  // namespace

GlfwOpenGl3Backend::GlfwOpenGl3Backend(GLFWwindow* window) : window_(window) {}

GlfwOpenGl3Backend::~GlfwOpenGl3Backend() { shutdown(); }

bool GlfwOpenGl3Backend::initialize() {
  if (window_ == nullptr) return false;
  // The GLFW back end replaces the monitor callback with one that does not chain to ours; keep
  // the window's own so display changes still reach the application.
  const GLFWmonitorfun monitorCallback = glfwSetMonitorCallback(nullptr);
  glfwSetMonitorCallback(monitorCallback);
  // Installing the callbacks also routes Dear ImGui's clipboard to the system clipboard.
  platformReady_ = ImGui_ImplGlfw_InitForOpenGL(window_, true);
  glfwSetMonitorCallback(monitorCallback);
  if (!platformReady_) return false;
  rendererReady_ = ImGui_ImplOpenGL3_Init(kGlslVersion);
  if (!rendererReady_) {
    shutdown();
    return false;
  }
  return true;
}

void GlfwOpenGl3Backend::shutdown() {
  if (rendererReady_) {
    ImGui_ImplOpenGL3_Shutdown();
    rendererReady_ = false;
  }
  if (platformReady_) {
    ImGui_ImplGlfw_Shutdown();
    platformReady_ = false;
  }
}

void GlfwOpenGl3Backend::newFrame() {
  ImGui_ImplOpenGL3_NewFrame();
  ImGui_ImplGlfw_NewFrame();
}

void GlfwOpenGl3Backend::renderDrawData(ImDrawData* data) {
  const ImVec4& background = palette::kBackground;
  glClearColor(background.x, background.y, background.z, background.w);
  glClear(GL_COLOR_BUFFER_BIT);
  ImGui_ImplOpenGL3_RenderDrawData(data);
}

ImTextureID GlfwOpenGl3Backend::createTexture(const unsigned char* rgba, int width, int height) {
  while (glGetError() != GL_NO_ERROR) {
  }
  GLuint texture = 0;
  glGenTextures(1, &texture);
  if (texture == 0) return nullptr;
  GLint previous = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  const bool failed = glGetError() != GL_NO_ERROR;
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previous));
  if (failed) {
    glDeleteTextures(1, &texture);
    return nullptr;
  }
  return reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(texture));
}

void GlfwOpenGl3Backend::destroyTexture(ImTextureID texture) {
  if (texture == nullptr) return;
  const auto name = static_cast<GLuint>(reinterpret_cast<std::uintptr_t>(texture));
  glDeleteTextures(1, &name);
}

std::string GlfwOpenGl3Backend::executableFolder() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return path.parent_path().string();
}

std::string GlfwOpenGl3Backend::rendererName() {
  if (glfwGetCurrentContext() == nullptr) return {};
  const GLubyte* name = glGetString(GL_RENDERER);
  return name != nullptr ? std::string(reinterpret_cast<const char*>(name)) : std::string();
}

}  // namespace parvalon::host
