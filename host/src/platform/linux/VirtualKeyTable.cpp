#include "platform/linux/VirtualKeyTable.h"

#include <array>

#define XK_MISCELLANY
#define XK_LATIN1
#define XK_XKB_KEYS
#define XK_KOREAN
#include <X11/XF86keysym.h>
#include <X11/keysymdef.h>

namespace parvalon::host::platform::linux_x11 {

namespace {

struct Entry {
  std::uint8_t vk;
  std::uint32_t keysym;
  std::uint32_t shifted;  // 0: same as keysym
  std::uint16_t scanCode;
};

constexpr Entry kEntries[] = {
    {0x08, XK_BackSpace, 0, 0x0E}, {0x09, XK_Tab, XK_ISO_Left_Tab, 0x0F}, {0x0C, XK_Clear, 0, 0x4C},
    {0x0D, XK_Return, 0, 0x1C}, {0x10, XK_Shift_L, 0, 0x2A}, {0x11, XK_Control_L, 0, 0x1D},
    {0x12, XK_Alt_L, XK_Meta_L, 0x38}, {0x13, XK_Pause, 0, 0x45}, {0x14, XK_Caps_Lock, 0, 0x3A},
    {0x15, XK_Hangul, 0, 0}, {0x19, XK_Hangul_Hanja, 0, 0}, {0x1B, XK_Escape, 0, 0x01},
    {0x1C, XK_Henkan, 0, 0x79}, {0x1D, XK_Muhenkan, 0, 0x7B}, {0x20, XK_space, 0, 0x39},
    // Navigation and editing.
    {0x21, XK_Prior, 0, 0x49}, {0x22, XK_Next, 0, 0x51}, {0x23, XK_End, 0, 0x4F}, {0x24, XK_Home, 0, 0x47},
    {0x25, XK_Left, 0, 0x4B}, {0x26, XK_Up, 0, 0x48}, {0x27, XK_Right, 0, 0x4D}, {0x28, XK_Down, 0, 0x50},
    {0x29, XK_Select, 0, 0}, {0x2A, XK_Print, 0, 0}, {0x2B, XK_Execute, 0, 0}, {0x2C, XK_Print, 0, 0x54},
    {0x2D, XK_Insert, 0, 0x52}, {0x2E, XK_Delete, 0, 0x53}, {0x2F, XK_Help, 0, 0x63},
    // Digits with their US shifted symbols.
    {0x30, XK_0, XK_parenright, 0x0B}, {0x31, XK_1, XK_exclam, 0x02}, {0x32, XK_2, XK_at, 0x03},
    {0x33, XK_3, XK_numbersign, 0x04}, {0x34, XK_4, XK_dollar, 0x05}, {0x35, XK_5, XK_percent, 0x06},
    {0x36, XK_6, XK_asciicircum, 0x07}, {0x37, XK_7, XK_ampersand, 0x08}, {0x38, XK_8, XK_asterisk, 0x09},
    {0x39, XK_9, XK_parenleft, 0x0A},
    // Letters.
    {0x41, XK_a, XK_A, 0x1E}, {0x42, XK_b, XK_B, 0x30}, {0x43, XK_c, XK_C, 0x2E}, {0x44, XK_d, XK_D, 0x20},
    {0x45, XK_e, XK_E, 0x12}, {0x46, XK_f, XK_F, 0x21}, {0x47, XK_g, XK_G, 0x22}, {0x48, XK_h, XK_H, 0x23},
    {0x49, XK_i, XK_I, 0x17}, {0x4A, XK_j, XK_J, 0x24}, {0x4B, XK_k, XK_K, 0x25}, {0x4C, XK_l, XK_L, 0x26},
    {0x4D, XK_m, XK_M, 0x32}, {0x4E, XK_n, XK_N, 0x31}, {0x4F, XK_o, XK_O, 0x18}, {0x50, XK_p, XK_P, 0x19},
    {0x51, XK_q, XK_Q, 0x10}, {0x52, XK_r, XK_R, 0x13}, {0x53, XK_s, XK_S, 0x1F}, {0x54, XK_t, XK_T, 0x14},
    {0x55, XK_u, XK_U, 0x16}, {0x56, XK_v, XK_V, 0x2F}, {0x57, XK_w, XK_W, 0x11}, {0x58, XK_x, XK_X, 0x2D},
    {0x59, XK_y, XK_Y, 0x15}, {0x5A, XK_z, XK_Z, 0x2C},
    {0x5B, XK_Super_L, 0, 0x5B}, {0x5C, XK_Super_R, 0, 0x5C}, {0x5D, XK_Menu, 0, 0x5D},
    {0x5F, XF86XK_Sleep, 0, 0x5F},
    // Numeric keypad.
    {0x60, XK_KP_0, 0, 0x52}, {0x61, XK_KP_1, 0, 0x4F}, {0x62, XK_KP_2, 0, 0x50}, {0x63, XK_KP_3, 0, 0x51},
    {0x64, XK_KP_4, 0, 0x4B}, {0x65, XK_KP_5, 0, 0x4C}, {0x66, XK_KP_6, 0, 0x4D}, {0x67, XK_KP_7, 0, 0x47},
    {0x68, XK_KP_8, 0, 0x48}, {0x69, XK_KP_9, 0, 0x49}, {0x6A, XK_KP_Multiply, 0, 0x37},
    {0x6B, XK_KP_Add, 0, 0x4E}, {0x6C, XK_KP_Separator, 0, 0}, {0x6D, XK_KP_Subtract, 0, 0x4A},
    {0x6E, XK_KP_Decimal, 0, 0x53}, {0x6F, XK_KP_Divide, 0, 0x35},
    // Function keys.
    {0x70, XK_F1, 0, 0x3B}, {0x71, XK_F2, 0, 0x3C}, {0x72, XK_F3, 0, 0x3D}, {0x73, XK_F4, 0, 0x3E},
    {0x74, XK_F5, 0, 0x3F}, {0x75, XK_F6, 0, 0x40}, {0x76, XK_F7, 0, 0x41}, {0x77, XK_F8, 0, 0x42},
    {0x78, XK_F9, 0, 0x43}, {0x79, XK_F10, 0, 0x44}, {0x7A, XK_F11, 0, 0x57}, {0x7B, XK_F12, 0, 0x58},
    {0x7C, XK_F13, 0, 0x64}, {0x7D, XK_F14, 0, 0x65}, {0x7E, XK_F15, 0, 0x66}, {0x7F, XK_F16, 0, 0x67},
    {0x80, XK_F17, 0, 0x68}, {0x81, XK_F18, 0, 0x69}, {0x82, XK_F19, 0, 0x6A}, {0x83, XK_F20, 0, 0x6B},
    {0x84, XK_F21, 0, 0x6C}, {0x85, XK_F22, 0, 0x6D}, {0x86, XK_F23, 0, 0x6E}, {0x87, XK_F24, 0, 0x76},
    {0x90, XK_Num_Lock, 0, 0x45}, {0x91, XK_Scroll_Lock, 0, 0x46},
    // Left and right modifiers.
    {0xA0, XK_Shift_L, 0, 0x2A}, {0xA1, XK_Shift_R, 0, 0x36}, {0xA2, XK_Control_L, 0, 0x1D},
    {0xA3, XK_Control_R, 0, 0x1D}, {0xA4, XK_Alt_L, XK_Meta_L, 0x38}, {0xA5, XK_Alt_R, XK_Meta_R, 0x38},
    // Browser, media and launch keys.
    {0xA6, XF86XK_Back, 0, 0}, {0xA7, XF86XK_Forward, 0, 0}, {0xA8, XF86XK_Refresh, 0, 0},
    {0xA9, XF86XK_Stop, 0, 0}, {0xAA, XF86XK_Search, 0, 0}, {0xAB, XF86XK_Favorites, 0, 0},
    {0xAC, XF86XK_HomePage, 0, 0}, {0xAD, XF86XK_AudioMute, 0, 0}, {0xAE, XF86XK_AudioLowerVolume, 0, 0},
    {0xAF, XF86XK_AudioRaiseVolume, 0, 0}, {0xB0, XF86XK_AudioNext, 0, 0}, {0xB1, XF86XK_AudioPrev, 0, 0},
    {0xB2, XF86XK_AudioStop, 0, 0}, {0xB3, XF86XK_AudioPlay, 0, 0}, {0xB4, XF86XK_Mail, 0, 0},
    {0xB5, XF86XK_AudioMedia, 0, 0}, {0xB6, XF86XK_MyComputer, 0, 0}, {0xB7, XF86XK_Calculator, 0, 0},
    // OEM punctuation with the US meanings.
    {0xBA, XK_semicolon, XK_colon, 0x27}, {0xBB, XK_equal, XK_plus, 0x0D}, {0xBC, XK_comma, XK_less, 0x33},
    {0xBD, XK_minus, XK_underscore, 0x0C}, {0xBE, XK_period, XK_greater, 0x34},
    {0xBF, XK_slash, XK_question, 0x35}, {0xC0, XK_grave, XK_asciitilde, 0x29},
    {0xDB, XK_bracketleft, XK_braceleft, 0x1A}, {0xDC, XK_backslash, XK_bar, 0x2B},
    {0xDD, XK_bracketright, XK_braceright, 0x1B}, {0xDE, XK_apostrophe, XK_quotedbl, 0x28},
    {0xE2, XK_less, XK_greater, 0x56}, {0xFA, XF86XK_AudioPlay, 0, 0}, {0xFE, XK_Clear, 0, 0},
};

constexpr std::array<VirtualKey, 256> buildTable() {
  std::array<VirtualKey, 256> table{};
  for (const Entry& e : kEntries) table[e.vk] = VirtualKey{e.keysym, e.shifted ? e.shifted : e.keysym, e.scanCode};
  return table;
}

constexpr std::array<VirtualKey, 256> kTable = buildTable();

}  // namespace

VirtualKey virtualKeyOf(std::uint8_t virtualKey) { return kTable[virtualKey]; }

bool isVirtualKeyKeysym(std::uint32_t keysym) {
  if (keysym == 0) return false;
  for (const VirtualKey& key : kTable) {
    if (key.keysym == keysym || key.shiftedKeysym == keysym) return true;
  }
  return false;
}

std::uint32_t keysymOfCharacter(std::uint32_t codePoint) {
  switch (codePoint) {
    case 0x08: return XK_BackSpace;
    case 0x09: return XK_Tab;
    case 0x0A:
    case 0x0D: return XK_Return;
    case 0x1B: return XK_Escape;
    case 0x7F: return XK_Delete;
    default: break;
  }
  if (codePoint < 0x20 || (codePoint >= 0x80 && codePoint < 0xA0) || codePoint > 0x10FFFF) return 0;
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
  if (codePoint <= 0xFF) return codePoint;
  return 0x01000000u | codePoint;
}

}  // namespace parvalon::host::platform::linux_x11
