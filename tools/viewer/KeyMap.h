#pragma once

#include <cstdint>

namespace parvalon::viewer {

// GLFW key code → Windows virtual-key code, 0 for keys without one.
std::uint8_t glfwKeyToVirtualKey(int glfwKey);
// GLFW modifier bits → the input record's bits (0 Shift, 1 Ctrl, 2 Alt, 3 Win).
std::uint8_t glfwModsToModifiers(int glfwMods);

}  // namespace parvalon::viewer
