#pragma once

#include <cstdint>
#include <functional>

#include "main/PresentPacer.h"

struct GLFWwindow;

namespace parvalon::host {

// The dashboard window with its OpenGL 3 context (GLFW). Events are delivered on the main
// thread from inside pollEvents.
class MainWindow {
 public:
  static constexpr int kWidth = 1400;
  static constexpr int kHeight = 900;
  static constexpr const char* kTitle = "Parvalon Host";

  MainWindow() = default;
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Opens the display and creates the window; false when either fails (the caller logs).
  bool create();
  void destroy();

  // Runs the queued window events; close and display changes arrive through the callbacks.
  void pollEvents();
  // Applies a resize that arrived since the last call (not while minimised).
  void applyPendingResize();
  // True once after the window's contents were lost (exposed or resized): redraw in full.
  bool takeContentsLost();
  // Shows the back buffer when `drawn` (an unchanged frame keeps the one on screen). Where the
  // swap does not wait for a vertical blank (Xvfb), or nothing was swapped, it sleeps so the
  // loop runs near 60 iterations a second instead of spinning a core.
  void present(bool drawn);

  bool closeRequested() const { return closeRequested_; }
  void setDisplayChangeCallback(std::function<void()> callback) { displayChange_ = std::move(callback); }
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
  PresentPacer pacer_;
  std::function<void()> displayChange_;
};

}  // namespace parvalon::host
