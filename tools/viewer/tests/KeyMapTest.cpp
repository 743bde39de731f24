#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "KeyMap.h"

namespace parvalon::viewer {
namespace {

struct KeyCase {
  int glfwKey;
  int virtualKey;
};

class GlfwKeyMap : public ::testing::TestWithParam<KeyCase> {};

TEST_P(GlfwKeyMap, GivesTheWindowsVirtualKey) {
  EXPECT_EQ(glfwKeyToVirtualKey(GetParam().glfwKey), GetParam().virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GlfwKeyMap,
    ::testing::Values(KeyCase{GLFW_KEY_A, 0x41}, KeyCase{GLFW_KEY_Z, 0x5A}, KeyCase{GLFW_KEY_0, 0x30},
                      KeyCase{GLFW_KEY_9, 0x39}, KeyCase{GLFW_KEY_F1, 0x70}, KeyCase{GLFW_KEY_F12, 0x7B},
                      KeyCase{GLFW_KEY_F24, 0x87}, KeyCase{GLFW_KEY_KP_0, 0x60}, KeyCase{GLFW_KEY_KP_9, 0x69},
                      KeyCase{GLFW_KEY_ENTER, 0x0D}, KeyCase{GLFW_KEY_ESCAPE, 0x1B}, KeyCase{GLFW_KEY_BACKSPACE, 0x08},
                      KeyCase{GLFW_KEY_TAB, 0x09}, KeyCase{GLFW_KEY_SPACE, 0x20}, KeyCase{GLFW_KEY_LEFT, 0x25},
                      KeyCase{GLFW_KEY_UP, 0x26}, KeyCase{GLFW_KEY_RIGHT, 0x27}, KeyCase{GLFW_KEY_DOWN, 0x28},
                      KeyCase{GLFW_KEY_PAGE_UP, 0x21}, KeyCase{GLFW_KEY_PAGE_DOWN, 0x22}, KeyCase{GLFW_KEY_HOME, 0x24},
                      KeyCase{GLFW_KEY_END, 0x23}, KeyCase{GLFW_KEY_INSERT, 0x2D}, KeyCase{GLFW_KEY_DELETE, 0x2E},
                      KeyCase{GLFW_KEY_LEFT_SHIFT, 0xA0}, KeyCase{GLFW_KEY_RIGHT_CONTROL, 0xA3},
                      KeyCase{GLFW_KEY_RIGHT_ALT, 0xA5}, KeyCase{GLFW_KEY_LEFT_SUPER, 0x5B},
                      KeyCase{GLFW_KEY_SEMICOLON, 0xBA}, KeyCase{GLFW_KEY_MINUS, 0xBD}, KeyCase{GLFW_KEY_KP_DIVIDE, 0x6F},
                      KeyCase{GLFW_KEY_NUM_LOCK, 0x90}, KeyCase{GLFW_KEY_UNKNOWN, 0}, KeyCase{GLFW_KEY_F25, 0}));

TEST(GlfwModifiers, MapToTheRecordBits) {
  EXPECT_EQ(glfwModsToModifiers(0), 0);
  EXPECT_EQ(glfwModsToModifiers(GLFW_MOD_SHIFT), 0x01);
  EXPECT_EQ(glfwModsToModifiers(GLFW_MOD_CONTROL), 0x02);
  EXPECT_EQ(glfwModsToModifiers(GLFW_MOD_ALT), 0x04);
  EXPECT_EQ(glfwModsToModifiers(GLFW_MOD_SUPER), 0x08);
  // Lock keys are not modifiers of the record.
  EXPECT_EQ(glfwModsToModifiers(GLFW_MOD_SHIFT | GLFW_MOD_ALT | GLFW_MOD_CAPS_LOCK | GLFW_MOD_NUM_LOCK), 0x05);
}

struct TextCase {
  int glfwKey;
  int mods;
  bool typesText;
};

class GlfwTextKeys : public ::testing::TestWithParam<TextCase> {};

TEST_P(GlfwTextKeys, TypeTextOnlyWithoutCtrlOrAlt) {
  EXPECT_EQ(glfwKeyTypesText(GetParam().glfwKey, GetParam().mods), GetParam().typesText);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GlfwTextKeys,
    ::testing::Values(TextCase{GLFW_KEY_A, 0, true}, TextCase{GLFW_KEY_A, GLFW_MOD_SHIFT, true},
                      TextCase{GLFW_KEY_A, GLFW_MOD_CONTROL, false}, TextCase{GLFW_KEY_A, GLFW_MOD_ALT, false},
                      TextCase{GLFW_KEY_SPACE, 0, true}, TextCase{GLFW_KEY_GRAVE_ACCENT, 0, true},
                      TextCase{GLFW_KEY_ENTER, 0, false}, TextCase{GLFW_KEY_BACKSPACE, 0, false},
                      TextCase{GLFW_KEY_LEFT, 0, false}, TextCase{GLFW_KEY_F5, 0, false},
                      TextCase{GLFW_KEY_LEFT_SHIFT, GLFW_MOD_SHIFT, false}, TextCase{GLFW_KEY_KP_5, 0, false},
                      TextCase{GLFW_KEY_KP_5, GLFW_MOD_NUM_LOCK, true}, TextCase{GLFW_KEY_KP_ADD, 0, true},
                      TextCase{GLFW_KEY_KP_ENTER, 0, false}));

}  // namespace
}  // namespace parvalon::viewer
