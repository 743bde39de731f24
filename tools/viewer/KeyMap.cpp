#include "KeyMap.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

namespace parvalon::viewer {

std::uint8_t glfwKeyToVirtualKey(int key) {
  // Letters and digits share their ASCII codes with the virtual keys.
  if ((key >= GLFW_KEY_A && key <= GLFW_KEY_Z) || (key >= GLFW_KEY_0 && key <= GLFW_KEY_9)) {
    return static_cast<std::uint8_t>(key);
  }
  if (key >= GLFW_KEY_F1 && key <= GLFW_KEY_F24) return static_cast<std::uint8_t>(0x70 + (key - GLFW_KEY_F1));
  if (key >= GLFW_KEY_KP_0 && key <= GLFW_KEY_KP_9) return static_cast<std::uint8_t>(0x60 + (key - GLFW_KEY_KP_0));
  switch (key) {
    case GLFW_KEY_SPACE: return 0x20;
    case GLFW_KEY_APOSTROPHE: return 0xDE;
    case GLFW_KEY_COMMA: return 0xBC;
    case GLFW_KEY_MINUS: return 0xBD;
    case GLFW_KEY_PERIOD: return 0xBE;
    case GLFW_KEY_SLASH: return 0xBF;
    case GLFW_KEY_SEMICOLON: return 0xBA;
    case GLFW_KEY_EQUAL: return 0xBB;
    case GLFW_KEY_LEFT_BRACKET: return 0xDB;
    case GLFW_KEY_BACKSLASH: return 0xDC;
    case GLFW_KEY_RIGHT_BRACKET: return 0xDD;
    case GLFW_KEY_GRAVE_ACCENT: return 0xC0;
    case GLFW_KEY_WORLD_1: return 0xE2;
    case GLFW_KEY_ESCAPE: return 0x1B;
    case GLFW_KEY_ENTER: return 0x0D;
    case GLFW_KEY_TAB: return 0x09;
    case GLFW_KEY_BACKSPACE: return 0x08;
    case GLFW_KEY_INSERT: return 0x2D;
    case GLFW_KEY_DELETE: return 0x2E;
    case GLFW_KEY_RIGHT: return 0x27;
    case GLFW_KEY_LEFT: return 0x25;
    case GLFW_KEY_DOWN: return 0x28;
    case GLFW_KEY_UP: return 0x26;
    case GLFW_KEY_PAGE_UP: return 0x21;
    case GLFW_KEY_PAGE_DOWN: return 0x22;
    case GLFW_KEY_HOME: return 0x24;
    case GLFW_KEY_END: return 0x23;
    case GLFW_KEY_CAPS_LOCK: return 0x14;
    case GLFW_KEY_SCROLL_LOCK: return 0x91;
    case GLFW_KEY_NUM_LOCK: return 0x90;
    case GLFW_KEY_PRINT_SCREEN: return 0x2C;
    case GLFW_KEY_PAUSE: return 0x13;
    case GLFW_KEY_KP_DECIMAL: return 0x6E;
    case GLFW_KEY_KP_DIVIDE: return 0x6F;
    case GLFW_KEY_KP_MULTIPLY: return 0x6A;
    case GLFW_KEY_KP_SUBTRACT: return 0x6D;
    case GLFW_KEY_KP_ADD: return 0x6B;
    case GLFW_KEY_KP_ENTER: return 0x0D;
    case GLFW_KEY_LEFT_SHIFT: return 0xA0;
    case GLFW_KEY_LEFT_CONTROL: return 0xA2;
    case GLFW_KEY_LEFT_ALT: return 0xA4;
    case GLFW_KEY_LEFT_SUPER: return 0x5B;
    case GLFW_KEY_RIGHT_SHIFT: return 0xA1;
    case GLFW_KEY_RIGHT_CONTROL: return 0xA3;
    case GLFW_KEY_RIGHT_ALT: return 0xA5;
    case GLFW_KEY_RIGHT_SUPER: return 0x5C;
    case GLFW_KEY_MENU: return 0x5D;
    default: return 0;
  }
}

bool glfwKeyTypesText(int key, int mods) {
  // GLFW gives no character while Ctrl or Alt is held: the key is then a shortcut.
  if (mods & (GLFW_MOD_CONTROL | GLFW_MOD_ALT)) return false;
  if (key >= GLFW_KEY_SPACE && key <= GLFW_KEY_GRAVE_ACCENT) return true;
  if (key == GLFW_KEY_WORLD_1 || key == GLFW_KEY_WORLD_2) return true;
  if (key >= GLFW_KEY_KP_0 && key <= GLFW_KEY_KP_DECIMAL) return (mods & GLFW_MOD_NUM_LOCK) != 0;
  return (key >= GLFW_KEY_KP_DIVIDE && key <= GLFW_KEY_KP_ADD) || key == GLFW_KEY_KP_EQUAL;
}

std::uint8_t glfwModsToModifiers(int mods) {
  std::uint8_t bits = 0;
  if (mods & GLFW_MOD_SHIFT) bits |= 1;
  if (mods & GLFW_MOD_CONTROL) bits |= 2;
  if (mods & GLFW_MOD_ALT) bits |= 4;
  if (mods & GLFW_MOD_SUPER) bits |= 8;
  return bits;
}

}  // namespace parvalon::viewer
