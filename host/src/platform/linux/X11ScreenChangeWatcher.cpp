#include "platform/linux/X11ScreenChangeWatcher.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <xcb/randr.h>

#include <cstdint>
#include <string>

#include "logging/Log.h"

namespace parvalon::host::platform {

std::unique_ptr<ScreenChangeWatcher> ScreenChangeWatcher::create(ChangeCallback onChange) {
  return linux_x11::X11ScreenChangeWatcher::create(std::move(onChange));
}

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::linux_x11 {

std::unique_ptr<X11ScreenChangeWatcher> X11ScreenChangeWatcher::create(ChangeCallback onChange) {
  std::string error;
  int screenNumber = 0;
  std::unique_ptr<X11ScreenChangeWatcher> watcher(new X11ScreenChangeWatcher());
  watcher->connection_ = connectToDisplay(&screenNumber, error);
  if (!watcher->connection_) {
    PV_LOG_DEBUG("Screen changes not watched: {}", error);
    return nullptr;
  }
  xcb_connection_t* conn = watcher->connection_.get();
  xcb_screen_t* screen = screenOf(conn, screenNumber);
  const xcb_query_extension_reply_t* randr = xcb_get_extension_data(conn, &xcb_randr_id);
  if (!screen || !randr || !randr->present) {
    PV_LOG_WARN("Screen changes not watched: RandR is absent");
    return nullptr;
  }
  XcbReply<xcb_randr_query_version_reply_t> version(
      xcb_randr_query_version_reply(conn, xcb_randr_query_version(conn, 1, 2), nullptr));
  const XcbError selectError(xcb_request_check(
      conn, xcb_randr_select_input_checked(conn, screen->root, XCB_RANDR_NOTIFY_MASK_SCREEN_CHANGE)));
  if (!version || selectError) {
    PV_LOG_WARN("Screen changes not watched: {}", selectError ? describeXError(selectError.get()) : "no RandR version");
    return nullptr;
  }
  watcher->randrFirstEvent_ = randr->first_event;
  watcher->wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (watcher->wakeFd_ < 0) return nullptr;
  watcher->onChange_ = std::move(onChange);
  watcher->thread_ = std::thread([w = watcher.get()] { w->run(); });
  return watcher;
}

X11ScreenChangeWatcher::~X11ScreenChangeWatcher() {
  stopRequested_ = true;
  if (wakeFd_ >= 0) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wakeFd_, &one, sizeof(one));
  }
  if (thread_.joinable()) thread_.join();
  if (wakeFd_ >= 0) ::close(wakeFd_);
}

void X11ScreenChangeWatcher::run() {
  xcb_connection_t* conn = connection_.get();
  const std::uint8_t screenChange = randrFirstEvent_ + XCB_RANDR_SCREEN_CHANGE_NOTIFY;
  while (!stopRequested_.load() && !xcb_connection_has_error(conn)) {
    pollfd fds[2] = {{xcb_get_file_descriptor(conn), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents != 0) break;
    // A burst of events (one a screen and CRTC) is one change for the listener.
    bool changed = false;
    while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(conn)}) {
      if ((event->response_type & 0x7F) == screenChange) changed = true;
    }
    if (changed && onChange_) onChange_();
  }
}

}  // namespace parvalon::host::platform::linux_x11
