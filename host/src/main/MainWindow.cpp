#include "main/MainWindow.h"

#define GLFW_INCLUDE_NONE
#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include "logging/Log.h"
#include "ui/GlfwOpenGl3Backend.h"

namespace parvalon::host {
namespace {

// GLFW's monitor callback carries no user pointer: the one window of the process is kept here.
MainWindow* monitorTarget = nullptr;

void onGlfwError(int code, const char* description) { PV_LOG_WARN("GLFW error {}: {}", code, description); }

}  // namespace

MainWindow::~MainWindow() { destroy(); }

bool MainWindow::create() {
  glfwSetErrorCallback(onGlfwError);
  if (!glfwInit()) return false;
  glfwReady_ = true;
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
  glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
  window_ = glfwCreateWindow(kWidth, kHeight, kTitle, nullptr, nullptr);
  if (window_ == nullptr) return false;
  glfwSetWindowUserPointer(window_, this);
  glfwMakeContextCurrent(window_);
  glfwSwapInterval(1);
  glfwSetFramebufferSizeCallback(window_, onFramebufferSize);
  glfwSetWindowCloseCallback(window_, onClose);
  glfwSetWindowRefreshCallback(window_, onRefresh);
  monitorTarget = this;
  glfwSetMonitorCallback([](GLFWmonitor* monitor, int event) { onMonitor(monitor, event); });
  return true;
}

void MainWindow::destroy() {
  displayChange_ = nullptr;
  if (window_ != nullptr) {
    glfwDestroyWindow(window_);
    window_ = nullptr;
  }
  if (glfwReady_) {
    glfwSetMonitorCallback(nullptr);
    monitorTarget = nullptr;
    glfwTerminate();
    glfwReady_ = false;
  }
}

void MainWindow::pollEvents() { glfwPollEvents(); }

bool MainWindow::applyPendingResize() {
  if (pendingResizeWidth_ == 0 || pendingResizeHeight_ == 0) return false;
  glViewport(0, 0, static_cast<GLsizei>(pendingResizeWidth_), static_cast<GLsizei>(pendingResizeHeight_));
  pendingResizeWidth_ = 0;
  pendingResizeHeight_ = 0;
  return true;
}

bool MainWindow::takeContentsLost() {
  const bool lost = contentsLost_;
  contentsLost_ = false;
  return lost;
}

void MainWindow::present() { glfwSwapBuffers(window_); }

std::unique_ptr<DashboardBackend> MainWindow::createDashboardBackend() {
  return std::make_unique<GlfwOpenGl3Backend>(window_);
}

void MainWindow::onFramebufferSize(GLFWwindow* window, int width, int height) {
  auto* self = static_cast<MainWindow*>(glfwGetWindowUserPointer(window));
  if (self == nullptr || glfwGetWindowAttrib(window, GLFW_ICONIFIED)) return;
  self->pendingResizeWidth_ = static_cast<std::uint32_t>(width);
  self->pendingResizeHeight_ = static_cast<std::uint32_t>(height);
}

void MainWindow::onRefresh(GLFWwindow* window) {
  if (auto* self = static_cast<MainWindow*>(glfwGetWindowUserPointer(window))) self->contentsLost_ = true;
}

void MainWindow::onClose(GLFWwindow* window) {
  if (auto* self = static_cast<MainWindow*>(glfwGetWindowUserPointer(window))) self->closeRequested_ = true;
}

void MainWindow::onMonitor(void*, int) {
  if (monitorTarget != nullptr && monitorTarget->displayChange_) monitorTarget->displayChange_();
}

}  // namespace parvalon::host
