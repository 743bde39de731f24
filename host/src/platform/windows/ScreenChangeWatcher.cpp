#include "platform/ScreenChangeWatcher.h"

namespace parvalon::host::platform {

// On Windows the dashboard window's WM_DISPLAYCHANGE reports desktop changes to the
// application; no watcher thread is needed.
std::unique_ptr<ScreenChangeWatcher> ScreenChangeWatcher::create(ChangeCallback) { return nullptr; }

}  // namespace parvalon::host::platform
