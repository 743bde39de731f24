#pragma once

#include <atomic>
#include <thread>

#include "platform/ScreenChangeWatcher.h"
#include "platform/linux/XcbUtil.h"

namespace parvalon::host::platform::linux_x11 {

// Selects RandR screen-change events on the root window through a connection of its own and
// waits for them on its own thread; an eventfd ends the wait at destruction.
class X11ScreenChangeWatcher final : public ScreenChangeWatcher {
 public:
  static std::unique_ptr<X11ScreenChangeWatcher> create(ChangeCallback onChange);
  ~X11ScreenChangeWatcher() override;

 private:
  X11ScreenChangeWatcher() = default;
  void run();

  XcbConnection connection_;
  ChangeCallback onChange_;
  std::uint8_t randrFirstEvent_ = 0;
  int wakeFd_ = -1;
  std::atomic<bool> stopRequested_{false};
  std::thread thread_;
};

}  // namespace parvalon::host::platform::linux_x11
