#pragma once

#include <string>

#include "platform/WindowSystem.h"
#include "platform/linux/XcbUtil.h"

namespace parvalon::host::platform::linux_x11 {

// The desktop through one shared XCB connection (XCB serialises requests itself, so any thread
// may call). Errors of a vanished window come back with the reply and only empty the answer.
class X11WindowSystem final : public WindowSystem {
 public:
  // Largest _NET_WM_ICON side the list uses; larger entries only when nothing else exists.
  static constexpr std::uint32_t kMaxIconSide = 256;
  // Upper bound of one property read (a _NET_WM_ICON with many sizes can be megabytes).
  static constexpr std::uint32_t kMaxIconPropertyBytes = 16u * 1024u * 1024u;
  static constexpr std::uint32_t kMaxTextPropertyBytes = 64u * 1024u;

  X11WindowSystem();

  std::vector<WindowHandle> topLevelWindows() override;
  bool isWindow(WindowHandle window) override;
  bool isVisible(WindowHandle window) override;
  std::string title(WindowHandle window) override;
  WindowStyle style(WindowHandle window) override;
  bool isCloaked(WindowHandle window) override;
  std::string className(WindowHandle window) override;
  std::optional<WindowRect> windowRect(WindowHandle window) override;
  std::optional<WindowRect> clientRect(WindowHandle window) override;
  bool isMinimized(WindowHandle window) override;
  bool isMaximized(WindowHandle window) override;
  std::string processImagePath(WindowHandle window) override;
  std::optional<IconImage> icon(WindowHandle window) override;

  // ---- Input: foreground, focus, window-from-point, resize, screen metrics ----
  WindowHandle foregroundWindow() override;
  bool setForegroundWindow(WindowHandle window) override;
  bool bringWindowToTop(WindowHandle window) override;
  bool showWindow(WindowHandle window, ShowMode mode) override;
  bool setFocus(WindowHandle window) override;
  bool setActiveWindow(WindowHandle window) override;
  std::uint64_t windowThreadId(WindowHandle window) override;
  std::uint64_t currentThreadId() override;
  bool attachThreadInput(std::uint64_t thread, std::uint64_t toThread, bool attach) override;
  std::uint32_t lastError() override;
  WindowHandle windowFromPoint(std::int32_t x, std::int32_t y) override;
  WindowHandle rootAncestor(WindowHandle window) override;
  std::optional<WindowSize> windowSizeForClient(WindowHandle window, std::int32_t clientWidth,
                                                std::int32_t clientHeight) override;
  WindowSize minimumSize(WindowHandle window) override;
  bool setWindowSize(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     bool move) override;
  WindowRect virtualScreen() override;
  WindowSize primaryScreenSize() override;

  // Picks the icon from _NET_WM_ICON data (width, height, then width × height ARGB values,
  // repeated): the largest entry of at most kMaxIconSide a side, else the smallest; malformed
  // entries end the walk.
  static std::optional<IconImage> chooseIcon(const std::vector<std::uint32_t>& data);

 private:
  enum Atom {
    kNetClientListStacking, kNetWmName, kUtf8String, kCompoundText, kWmState, kNetWmWindowType,
    kNetWmWindowTypeNormal, kNetWmWindowTypeDialog, kMotifWmHints, kNetWmDesktop, kNetCurrentDesktop,
    kNetWmState, kNetWmStateSticky, kNetWmStateHidden, kNetWmStateMaxVert, kNetWmStateMaxHorz,
    kNetWmPid, kNetWmIcon, kAtomCount
  };
  static constexpr std::uint32_t kIconicState = 3;  // WM_STATE value of a minimized window

  xcb_window_t toXid(WindowHandle window) const;
  std::optional<std::uint32_t> wmState(xcb_window_t window);
  std::vector<std::uint32_t> netWmState(xcb_window_t window);
  std::optional<WindowRect> geometryInRoot(xcb_window_t window);
  bool viewable(xcb_window_t window);

  // Input block.
  enum InputAtom { kNetActiveWindow, kNetSupportingWmCheck, kInputAtomCount };
  static constexpr int kMaxTreeDepth = 64;  // bound of the walks up and down the window tree
  void internInputAtoms();
  bool hasEwmhWindowManager();
  // Sends a request whose only answer is an error; false (and the error kept) when it failed.
  bool checked(xcb_void_cookie_t cookie);

  XcbConnection connection_;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  xcb_atom_t atoms_[kAtomCount] = {};
  xcb_atom_t inputAtoms_[kInputAtomCount] = {};
};

}  // namespace parvalon::host::platform::linux_x11
