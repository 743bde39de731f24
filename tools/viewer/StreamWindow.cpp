#include "StreamWindow.h"

#include <GLFW/glfw3.h>

#include "KeyMap.h"
#include "logging/Log.h"

namespace parvalon::viewer {

StreamWindow::StreamWindow(std::uint8_t streamId, InputSink sink) : forwarder_(streamId), sink_(std::move(sink)) {}

StreamWindow::~StreamWindow() {
  if (window_ != nullptr) {
    glfwDestroyWindow(window_);
    glfwTerminate();
  }
}

StreamWindow* StreamWindow::self(GLFWwindow* window) { return static_cast<StreamWindow*>(glfwGetWindowUserPointer(window)); }

void StreamWindow::sizes(double& width, double& height) const {
  int w = 0, h = 0;
  glfwGetWindowSize(window_, &w, &h);
  width = w;
  height = h;
}

bool StreamWindow::open(const std::string& title, int width, int height) {
  if (glfwInit() != GLFW_TRUE) {
    PV_LOG_ERROR("Cannot initialise GLFW (is there a display?)");
    return false;
  }
  window_ = glfwCreateWindow(width, height, title.c_str(), nullptr, nullptr);
  if (window_ == nullptr) {
    PV_LOG_ERROR("Cannot create the viewer window");
    glfwTerminate();
    return false;
  }
  glfwMakeContextCurrent(window_);
  glfwSwapInterval(0);  // a display's refresh must not hold up decoding
  glfwSetWindowUserPointer(window_, this);
  glfwSetInputMode(window_, GLFW_LOCK_KEY_MODS, GLFW_TRUE);  // Num Lock decides what the keypad types
  glfwSetCursorPosCallback(window_, [](GLFWwindow* w, double x, double y) {
    auto* s = self(w);
    s->cursorX_ = x;
    s->cursorY_ = y;
    double ww, wh;
    s->sizes(ww, wh);
    s->sink_(s->forwarder_.move(x, y, ww, wh));
  });
  glfwSetMouseButtonCallback(window_, [](GLFWwindow* w, int button, int action, int) {
    auto* s = self(w);
    if (button > GLFW_MOUSE_BUTTON_5) return;  // the record knows five buttons
    double ww, wh;
    s->sizes(ww, wh);
    s->sink_(s->forwarder_.button(button, action == GLFW_PRESS, s->cursorX_, s->cursorY_, ww, wh));
  });
  glfwSetScrollCallback(window_, [](GLFWwindow* w, double, double yoffset) {
    auto* s = self(w);
    double ww, wh;
    s->sizes(ww, wh);
    s->sink_(s->forwarder_.wheel(yoffset, s->cursorX_, s->cursorY_, ww, wh));
  });
  glfwSetKeyCallback(window_, [](GLFWwindow* w, int key, int, int action, int mods) {
    auto* s = self(w);
    const std::uint8_t vk = glfwKeyToVirtualKey(key);
    if (vk == 0 || (action != GLFW_PRESS && action != GLFW_RELEASE && action != GLFW_REPEAT)) return;
    if (glfwKeyTypesText(key, mods)) return;  // its character follows through the character callback
    s->sink_(s->forwarder_.key(vk, action != GLFW_RELEASE, glfwModsToModifiers(mods)));
  });
  glfwSetCharCallback(window_, [](GLFWwindow* w, unsigned int codepoint) {
    auto* s = self(w);
    for (const auto& e : s->forwarder_.character(codepoint)) s->sink_(e);
  });
  return true;
}

void StreamWindow::draw(const RgbImage& image) {
  if (window_ == nullptr || image.width <= 0 || image.height <= 0) return;
  int fw = 0, fh = 0;
  glfwGetFramebufferSize(window_, &fw, &fh);
  glViewport(0, 0, fw, fh);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  // Rows arrive top first: start at the top-left corner and zoom downwards.
  glRasterPos2f(-1.0f, 1.0f);
  glPixelZoom(static_cast<float>(fw) / static_cast<float>(image.width), -static_cast<float>(fh) / static_cast<float>(image.height));
  glDrawPixels(image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
  glfwSwapBuffers(window_);
}

bool StreamWindow::pump() {
  if (window_ == nullptr) return false;
  glfwPollEvents();
  return glfwWindowShouldClose(window_) == GLFW_FALSE;
}

}  // namespace parvalon::viewer
