#include "platform/linux/X11CaptureSourceFactory.h"

#include <cstdlib>

#include <fmt/format.h>

#include "platform/linux/X11CaptureSource.h"

namespace parvalon::host::platform {

std::shared_ptr<CaptureSourceFactory> CaptureSourceFactory::createDefault() {
  // One probe of the server serves every capture of the process.
  static const std::shared_ptr<CaptureSourceFactory> factory = std::make_shared<linux_x11::X11CaptureSourceFactory>();
  return factory;
}

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::linux_x11 {

void X11CaptureSourceFactory::probe() {
  if (probed_) return;
  probed_ = true;
  connection_ = connectToDisplay(nullptr, connectError_);
  if (!connection_) return;
  const xcb_setup_t* setup = xcb_get_setup(connection_.get());
  vendor_.assign(xcb_setup_vendor(setup), static_cast<std::size_t>(xcb_setup_vendor_length(setup)));
  release_ = setup->release_number;
  extensions_ = queryExtensions(connection_.get());
}

bool X11CaptureSourceFactory::isSupported(std::string& reason) {
  std::lock_guard lock(mutex_);
  probe();
  if (!connection_) {
    reason = connectError_;
    return false;
  }
  return extensions_.captureSupported(reason);
}

std::vector<std::string> X11CaptureSourceFactory::diagnostics() {
  std::lock_guard lock(mutex_);
  probe();
  std::vector<std::string> lines;
  const char* display = std::getenv("DISPLAY");
  lines.push_back(fmt::format("  X Display: {}", display ? display : ""));
  if (!connection_) {
    lines.push_back(fmt::format("  X Server: not reachable ({})", connectError_));
    return lines;
  }
  lines.push_back(fmt::format("  X Server: {}, release {}", vendor_, release_));
  lines.push_back(fmt::format("  X Extensions: {}", extensions_.describe()));
  return lines;
}

std::unique_ptr<CaptureSource> X11CaptureSourceFactory::create(WindowHandle window, const CaptureOptions& options,
                                                               std::string& error) {
  return X11CaptureSource::create(window, options, error);
}

}  // namespace parvalon::host::platform::linux_x11
