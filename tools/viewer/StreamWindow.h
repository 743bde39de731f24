#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "InputForwarder.h"
#include "RgbImage.h"

struct GLFWwindow;

namespace parvalon::viewer {

// The --show window: displays the stream stretched to the window and forwards mouse moves,
// buttons, wheel, keys and typed text as input records. Main thread only (GLFW).
class StreamWindow {
 public:
  using InputSink = std::function<void(const protocol::InputEvent&)>;

  StreamWindow(std::uint8_t streamId, InputSink sink);
  ~StreamWindow();
  StreamWindow(const StreamWindow&) = delete;
  StreamWindow& operator=(const StreamWindow&) = delete;

  bool open(const std::string& title, int width, int height);
  void draw(const RgbImage& image);
  // Handles pending window events; false once the user closed the window.
  bool pump();

 private:
  static StreamWindow* self(GLFWwindow* window);
  void sizes(double& width, double& height) const;

  GLFWwindow* window_ = nullptr;
  InputForwarder forwarder_;
  InputSink sink_;
  double cursorX_ = 0;
  double cursorY_ = 0;
};

}  // namespace parvalon::viewer
