#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "main/DashboardWindow.h"

struct GLFWwindow;

namespace parvalon::host {

// The dashboard window with its OpenGL 3 context (GLFW). Events are delivered on the main
// thread from inside pollEvents.
class MainWindow : public DashboardWindow {
 public:
  static constexpr int kWidth = 1400;
  static constexpr int kHeight = 900;
  static constexpr const char* kTitle = "Parvalon Host";

  MainWindow() = default;
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Opens the display and creates the window; false when either fails (the caller logs).
  bool create();
  void destroy();

  void pollEvents() override;
  // Not while minimised: GLFW reports the iconified size, which is no size to draw at.
  bool applyPendingResize() override;
  bool takeContentsLost() override;
  void present() override;
  std::unique_ptr<DashboardBackend> createDashboardBackend() override;
  bool closeRequested() const override { return closeRequested_; }
  void setDisplayChangeCallback(std::function<void()> callback) override { displayChange_ = std::move(callback); }
  GLFWwindow* handle() const { return window_; }

 private:
  static void onFramebufferSize(GLFWwindow* window, int width, int height);
  static void onClose(GLFWwindow* window);
  static void onRefresh(GLFWwindow* window);
  static void onMonitor(void* monitor, int event);

  GLFWwindow* window_ = nullptr;
  bool glfwReady_ = false;
  bool closeRequested_ = false;
  bool contentsLost_ = true;
  std::uint32_t pendingResizeWidth_ = 0;
  std::uint32_t pendingResizeHeight_ = 0;
  std::function<void()> displayChange_;
};

}  // namespace parvalon::host
