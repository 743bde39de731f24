#pragma once

#include <memory>

#include "platform/DesktopGeometry.h"
#include "platform/WindowFocus.h"
#include "platform/WindowList.h"

namespace parvalon::host::platform {

// The desktop's window system, every slice in one object: the enumerator, the capture start,
// the injector and the focus code share one, each through the slice it uses.
class WindowSystem : public WindowList, public WindowFocus, public DesktopGeometry {
 public:
  // The desktop's window system, one instance shared by the process. Never null: without a
  // display every query answers empty.
  static std::shared_ptr<WindowSystem> create();
};

}  // namespace parvalon::host::platform
