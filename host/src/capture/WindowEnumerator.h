#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/WindowInfo.h"
#include "platform/WindowHandle.h"
#include "platform/WindowList.h"

namespace parvalon::host {

// Lists the windows a client may stream. Stateless: every call asks the window system afresh.
class WindowEnumerator {
 public:
  // Compared exactly and case-sensitively against the whole class name or title.
  static constexpr std::array<std::string_view, 7> kExcludedClasses{
      "Progman", "Shell_TrayWnd", "Shell_SecondaryTrayWnd", "NotifyIconOverflowWindow",
      "Windows.UI.Core.CoreWindow", "ApplicationFrameWindow", "Xaml_WindowedPopupClass"};
  static constexpr std::array<std::string_view, 2> kExcludedTitles{
      "Program Manager", "Microsoft Text Input Application"};

  // Every capturable top-level window, sorted by title (UTF-8 bytes, ascending).
  static std::vector<protocol::WindowInfo> enumerateWindows(platform::WindowList& windows);
  static bool isCapturableWindow(platform::WindowList& windows, platform::WindowHandle window);
  static protocol::WindowInfo getWindowInfo(platform::WindowList& windows, platform::WindowHandle window);
  static std::string getWindowTitle(platform::WindowList& windows, platform::WindowHandle window);
  static std::string getClassName(platform::WindowList& windows, platform::WindowHandle window);
  // The executable's file name with its extension; empty when the process is unknown.
  static std::string getProcessName(platform::WindowList& windows, platform::WindowHandle window);
  // Base64 of a PNG of the icon at its own size drawn over black; empty when there is none.
  static std::string getWindowIconBase64(platform::WindowList& windows, platform::WindowHandle window);

  // The last path component after "/" or "\" (the whole text when it has neither).
  static std::string fileNameOf(std::string_view path);
  // PNG (8-bit RGBA, opaque) of the icon composed over black; empty when encoding fails.
  static std::vector<unsigned char> iconToPng(const platform::IconImage& icon);
};

}  // namespace parvalon::host
