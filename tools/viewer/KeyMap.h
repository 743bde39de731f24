#pragma once

#include <cstdint>

namespace parvalon::viewer {

// GLFW key code → Windows virtual-key code, 0 for keys without one.
std::uint8_t glfwKeyToVirtualKey(int glfwKey);
// GLFW modifier bits → the input record's bits (0 Shift, 1 Ctrl, 2 Alt, 3 Win).
std::uint8_t glfwModsToModifiers(int glfwMods);
// Whether the key, with these modifiers, types a character that the character callback
// delivers: such a key is sent as its character only, never also as a key (else it is typed
// twice). Keypad digits type only with Num Lock on (GLFW_LOCK_KEY_MODS reports it).
bool glfwKeyTypesText(int glfwKey, int glfwMods);

}  // namespace parvalon::viewer
