#pragma once

#include <functional>
#include <memory>

namespace parvalon::host::platform {

// Tells when the desktop changes size or layout (X11: a RandR screen change), so that input
// positions keep mapping onto the right pixels.
class ScreenChangeWatcher {
 public:
  using ChangeCallback = std::function<void()>;

  // Stops watching: once it returns the callback is not called any more.
  virtual ~ScreenChangeWatcher() = default;

  // Calls `onChange` on a thread of its own after each change. Null when the desktop cannot be
  // watched (no display, no RandR).
  static std::unique_ptr<ScreenChangeWatcher> create(ChangeCallback onChange);
};

}  // namespace parvalon::host::platform
