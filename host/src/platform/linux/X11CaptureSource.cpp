#include "platform/linux/X11CaptureSource.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <xcb/composite.h>
#include <xcb/damage.h>
#include <xcb/shm.h>
#include <xcb/xfixes.h>

#include <fmt/format.h>

#include "logging/Log.h"

namespace parvalon::host::platform::linux_x11 {

namespace {

constexpr std::uint32_t kBytesPerPixel = 4;
// Longest wait without any event; the loop then looks at its flags again.
constexpr auto kIdleWait = std::chrono::seconds(1);
constexpr std::uint32_t kMaxFps = 1000;

std::int64_t steadyMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool isGoneError(const xcb_generic_error_t* error) {
  return error && (error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE ||
                   error->error_code == XCB_PIXMAP || error->error_code == XCB_MATCH);
}

}  // namespace

// ---------------------------------------------------------------- ShmImage

bool ShmImage::create(xcb_connection_t* connection, std::uint32_t width, std::uint32_t height, std::string& error) {
  release();
  const std::size_t bytes = static_cast<std::size_t>(width) * height * kBytesPerPixel;
  if (bytes == 0) {
    error = "empty frame pool";
    return false;
  }
  const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  if (id < 0) {
    error = fmt::format("shmget of {} bytes failed: {}", bytes, std::strerror(errno));
    return false;
  }
  void* address = shmat(id, nullptr, 0);
  if (address == reinterpret_cast<void*>(-1)) {
    error = fmt::format("shmat failed: {}", std::strerror(errno));
    shmctl(id, IPC_RMID, nullptr);
    return false;
  }
  const std::uint32_t segment = xcb_generate_id(connection);
  XcbError attachError{xcb_request_check(connection, xcb_shm_attach_checked(connection, segment, id, 0))};
  // Marked for removal now: the segment then goes away with the last detach, even on a crash.
  shmctl(id, IPC_RMID, nullptr);
  if (attachError) {
    error = "MIT-SHM attach failed: " + describeXError(attachError.get());
    shmdt(address);
    return false;
  }
  connection_ = connection;
  data_ = static_cast<std::uint8_t*>(address);
  segment_ = segment;
  width_ = width;
  height_ = height;
  return true;
}

void ShmImage::release() {
  if (!data_) return;
  xcb_shm_detach(connection_, segment_);
  xcb_flush(connection_);
  shmdt(data_);
  data_ = nullptr;
  width_ = height_ = 0;
}

// ---------------------------------------------------------------- X11CaptureSource

std::unique_ptr<X11CaptureSource> X11CaptureSource::create(WindowHandle window, const CaptureOptions& options,
                                                           std::string& error) {
  std::unique_ptr<X11CaptureSource> source{new X11CaptureSource()};
  int screenNumber = 0;
  source->connection_ = connectToDisplay(&screenNumber, error);
  if (!source->connection_) return nullptr;
  xcb_connection_t* c = source->connection_.get();
  if (xcb_screen_t* screen = screenOf(c, screenNumber)) source->root_ = screen->root;
  source->extensions_ = queryExtensions(c);
  std::string reason;
  if (!source->extensions_.captureSupported(reason)) {
    error = reason;
    return nullptr;
  }
  if (window == 0 || window > UINT32_MAX) {
    error = fmt::format("{:x} is not an X window id", window);
    return nullptr;
  }
  source->window_ = static_cast<xcb_window_t>(window);
  source->setFps(options.fps);

  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(c, xcb_get_geometry(c, source->window_), &rawError)};
  XcbError geometryError{rawError};
  if (!geometry) {
    error = "window geometry: " + describeXError(geometryError.get());
    return nullptr;
  }
  if (geometry->depth != 24 && geometry->depth != 32) {
    error = fmt::format("window depth {} is not supported (24 or 32 bits)", geometry->depth);
    return nullptr;
  }
  source->initialSize_ = {geometry->width, geometry->height};
  source->contentWidth_ = geometry->width;
  source->contentHeight_ = geometry->height;
  source->borderWidth_ = geometry->border_width;
  return source;
}

X11CaptureSource::~X11CaptureSource() {
  stop();
  if (connection_) {
    xcb_connection_t* c = connection_.get();
    freePixmap();
    if (damage_ != 0) xcb_damage_destroy(c, damage_);
    if (redirected_) xcb_composite_unredirect_window(c, window_, XCB_COMPOSITE_REDIRECT_AUTOMATIC);
    image_.release();
    xcb_flush(c);
  }
  if (wakeFd_ >= 0) close(wakeFd_);
}

bool X11CaptureSource::start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) {
  if (!thread_.unused() || !connection_) {
    error = "capture source already used";
    return false;
  }
  xcb_connection_t* c = connection_.get();
  // Automatic redirection: the server keeps drawing the window on screen and also keeps its
  // whole picture in a pixmap of its own, covered or not.
  XcbError redirectError{xcb_request_check(
      c, xcb_composite_redirect_window_checked(c, window_, XCB_COMPOSITE_REDIRECT_AUTOMATIC))};
  if (redirectError) {
    error = "Composite redirect: " + describeXError(redirectError.get());
    return false;
  }
  redirected_ = true;
  // Pointer motion over the window, and the pointer entering or leaving it, move the cursor
  // in the picture although no pixel of the window changes.
  const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_POINTER_MOTION |
                             XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW;
  XcbError selectError{xcb_request_check(
      c, xcb_change_window_attributes_checked(c, window_, XCB_CW_EVENT_MASK, &mask))};
  if (selectError) {
    error = "select window events: " + describeXError(selectError.get());
    return false;
  }
  if (extensions_.xfixes.present) {
    // A new cursor shape shows in the picture too.
    if (const auto* xfixes = xcb_get_extension_data(c, &xcb_xfixes_id); xfixes && xfixes->present) {
      xfixesFirstEvent_ = xfixes->first_event;
      xcb_xfixes_select_cursor_input(c, root_, XCB_XFIXES_CURSOR_NOTIFY_MASK_DISPLAY_CURSOR);
    }
  }
  damage_ = xcb_generate_id(c);
  XcbError damageError{xcb_request_check(
      c, xcb_damage_create_checked(c, damage_, window_, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY))};
  if (damageError) {
    damage_ = 0;
    error = "DAMAGE create: " + describeXError(damageError.get());
    return false;
  }
  if (!nameWindowPixmap()) {
    error = closed_ ? "the window was destroyed" : "the window is not mapped (minimized or on another desktop)";
    return false;
  }
  // The pool starts at the size the consumer was told (size()); a resize since then is
  // announced by the first capture.
  if (!image_.create(c, initialSize_.width, initialSize_.height, error)) return false;
  wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wakeFd_ < 0) {
    error = fmt::format("eventfd failed: {}", std::strerror(errno));
    return false;
  }
  onFrame_ = std::move(onFrame);
  onClosed_ = std::move(onClosed);
  dirty_ = true;
  thread_.start([this] { run(); });
  return true;
}

void X11CaptureSource::recreateFramePool(std::uint32_t width, std::uint32_t height) {
  pendingPool_.post({width, height});
}

void X11CaptureSource::requestFrame() {
  frameRequested_.store(true);
  wake();
}

void X11CaptureSource::setFps(std::uint32_t fps) {
  fps_.store(std::clamp<std::uint32_t>(fps, 1, kMaxFps));
  wake();
}

void X11CaptureSource::wake() {
  if (wakeFd_ >= 0) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof one);
  }
}

void X11CaptureSource::stop() {
  thread_.stop([this] { wake(); });
}

void X11CaptureSource::freePixmap() {
  if (pixmap_ == XCB_PIXMAP_NONE) return;
  xcb_free_pixmap(connection_.get(), pixmap_);
  pixmap_ = XCB_PIXMAP_NONE;
}

bool X11CaptureSource::windowExists() {
  xcb_connection_t* c = connection_.get();
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_window_attributes_reply_t> attributes{
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window_), &rawError)};
  XcbError error{rawError};
  return attributes != nullptr;
}

bool X11CaptureSource::nameWindowPixmap() {
  xcb_connection_t* c = connection_.get();
  freePixmap();
  const xcb_pixmap_t pixmap = xcb_generate_id(c);
  auto nameCookie = xcb_composite_name_window_pixmap_checked(c, window_, pixmap);
  auto pixmapGeometryCookie = xcb_get_geometry(c, pixmap);
  auto windowGeometryCookie = xcb_get_geometry(c, window_);
  XcbError nameError{xcb_request_check(c, nameCookie)};
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_geometry_reply_t> pixmapGeometry{xcb_get_geometry_reply(c, pixmapGeometryCookie, &rawError)};
  XcbError pixmapError{rawError};
  rawError = nullptr;
  XcbReply<xcb_get_geometry_reply_t> windowGeometry{xcb_get_geometry_reply(c, windowGeometryCookie, &rawError)};
  XcbError windowError{rawError};
  if (nameError || !pixmapGeometry || !windowGeometry) {
    if (!nameError) xcb_free_pixmap(c, pixmap);
    if (!windowGeometry || !windowExists()) {
      closed_ = true;
    } else {
      mapped_ = false;  // BadMatch: not viewable; a MapNotify brings it back
    }
    return false;
  }
  pixmap_ = pixmap;
  borderWidth_ = windowGeometry->border_width;
  // The pixmap is what was named, whatever the window did since: its size is the content size.
  const std::uint32_t border2 = 2u * borderWidth_;
  contentWidth_ = pixmapGeometry->width > border2 ? pixmapGeometry->width - border2 : 0;
  contentHeight_ = pixmapGeometry->height > border2 ? pixmapGeometry->height - border2 : 0;
  mapped_ = true;
  return true;
}

void X11CaptureSource::handleEvent(const xcb_generic_event_t* event) {
  const std::uint8_t type = event->response_type & 0x7F;
  if (type == 0) {
    const auto* error = reinterpret_cast<const xcb_generic_error_t*>(event);
    PV_LOG_DEBUG("Capture of window {:x}: {}", window_, describeXError(error));
    if (isGoneError(error)) {
      needName_ = true;
      if (!windowExists()) closed_ = true;
    }
    return;
  }
  if (type == extensions_.damageFirstEvent + XCB_DAMAGE_NOTIFY) {
    dirty_ = true;
    return;
  }
  if (xfixesFirstEvent_ != 0 && type == xfixesFirstEvent_ + XCB_XFIXES_CURSOR_NOTIFY) {
    if (cursorShown_) dirty_ = true;
    return;
  }
  switch (type) {
    case XCB_CONFIGURE_NOTIFY: {
      const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
      if (e->window != window_) break;
      if (e->width != contentWidth_ || e->height != contentHeight_ || e->border_width != borderWidth_) {
        needName_ = true;
      }
      dirty_ = true;
      break;
    }
    case XCB_MAP_NOTIFY:
      if (reinterpret_cast<const xcb_map_notify_event_t*>(event)->window != window_) break;
      mapped_ = true;
      needName_ = true;
      dirty_ = true;
      break;
    case XCB_UNMAP_NOTIFY:
      if (reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window != window_) break;
      mapped_ = false;
      freePixmap();
      break;
    case XCB_MOTION_NOTIFY:
      if (reinterpret_cast<const xcb_motion_notify_event_t*>(event)->event == window_) dirty_ = true;
      break;
    case XCB_ENTER_NOTIFY:
    case XCB_LEAVE_NOTIFY:
      if (reinterpret_cast<const xcb_enter_notify_event_t*>(event)->event == window_) dirty_ = true;
      break;
    case XCB_DESTROY_NOTIFY:
      if (reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window == window_) closed_ = true;
      break;
    default:
      break;
  }
}

void X11CaptureSource::applyPendingPool() {
  const auto pending = pendingPool_.take();
  if (!pending) return;
  const CaptureSize size = *pending;
  std::string error;
  if (size.width == 0 || size.height == 0 || !image_.create(connection_.get(), size.width, size.height, error)) {
    PV_LOG_ERROR("Capture of window {:x}: frame pool {}x{} not created: {}", window_, size.width, size.height,
                 error.empty() ? "empty size" : error);
    return;
  }
  imageHoldsFrame_ = false;
  captureNow_ = true;  // the frame dropped for the new size is taken again at once
}

void X11CaptureSource::applyFrameRequest() {
  if (!frameRequested_.exchange(false)) return;
  if (mapped_) {
    dirty_ = true;  // as if damaged: read again at the next allowed time, or with the capture due anyway
    return;
  }
  // An unmapped window cannot be read; its last picture is still the picture to show.
  if (imageHoldsFrame_) {
    onFrame_(CpuFrame{image_.data(), image_.width(), image_.height(), image_.width() * kBytesPerPixel,
                      steadyMicros()});
  }
}

void X11CaptureSource::blendCursor(std::uint8_t* image, std::uint32_t stride, std::uint32_t width,
                                   std::uint32_t height, const std::uint32_t* cursor, std::uint32_t cursorWidth,
                                   std::uint32_t cursorHeight, std::int32_t left, std::int32_t top) {
  for (std::uint32_t cy = 0; cy < cursorHeight; ++cy) {
    const std::int64_t y = static_cast<std::int64_t>(top) + cy;
    if (y < 0 || y >= static_cast<std::int64_t>(height)) continue;
    std::uint8_t* row = image + static_cast<std::size_t>(y) * stride;
    for (std::uint32_t cx = 0; cx < cursorWidth; ++cx) {
      const std::int64_t x = static_cast<std::int64_t>(left) + cx;
      if (x < 0 || x >= static_cast<std::int64_t>(width)) continue;
      const std::uint32_t p = cursor[static_cast<std::size_t>(cy) * cursorWidth + cx];
      const std::uint32_t a = p >> 24;
      if (a == 0) continue;
      std::uint8_t* d = row + static_cast<std::size_t>(x) * kBytesPerPixel;
      // XFixes cursor pixels are premultiplied: out = src + dst × (1 − alpha).
      const std::uint32_t keep = 255 - a;
      d[0] = static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (p & 0xFF) + (d[0] * keep + 127) / 255));
      d[1] = static_cast<std::uint8_t>(std::min<std::uint32_t>(255, ((p >> 8) & 0xFF) + (d[1] * keep + 127) / 255));
      d[2] = static_cast<std::uint8_t>(std::min<std::uint32_t>(255, ((p >> 16) & 0xFF) + (d[2] * keep + 127) / 255));
    }
  }
}

void X11CaptureSource::captureOnce() {
  xcb_connection_t* c = connection_.get();
  if (needName_ || pixmap_ == XCB_PIXMAP_NONE) {
    if (!nameWindowPixmap()) return;
    needName_ = false;
  }
  if (contentWidth_ != image_.width() || contentHeight_ != image_.height()) {
    // The pool no longer fits: announce the new size; the consumer re-creates the pool.
    onFrame_(CpuFrame{nullptr, contentWidth_, contentHeight_, 0, steadyMicros()});
    return;
  }
  // Re-arm DAMAGE before reading, so drawing that lands after the read wakes us again.
  dirty_ = false;
  xcb_damage_subtract(c, damage_, XCB_NONE, XCB_NONE);
  auto imageCookie = xcb_shm_get_image(c, pixmap_, static_cast<std::int16_t>(borderWidth_),
                                       static_cast<std::int16_t>(borderWidth_), static_cast<std::uint16_t>(contentWidth_),
                                       static_cast<std::uint16_t>(contentHeight_), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                       image_.segment(), 0);
  xcb_xfixes_get_cursor_image_cookie_t cursorCookie{};
  xcb_translate_coordinates_cookie_t originCookie{};
  const bool withCursor = extensions_.xfixes.present;
  if (withCursor) {
    cursorCookie = xcb_xfixes_get_cursor_image(c);
    originCookie = xcb_translate_coordinates(c, window_, root_, 0, 0);
  }
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_shm_get_image_reply_t> reply{xcb_shm_get_image_reply(c, imageCookie, &rawError)};
  XcbError imageError{rawError};
  const std::int64_t timestamp = steadyMicros();
  XcbReply<xcb_xfixes_get_cursor_image_reply_t> cursor;
  XcbReply<xcb_translate_coordinates_reply_t> origin;
  if (withCursor) {
    rawError = nullptr;
    cursor.reset(xcb_xfixes_get_cursor_image_reply(c, cursorCookie, &rawError));
    XcbError cursorError{rawError};
    rawError = nullptr;
    origin.reset(xcb_translate_coordinates_reply(c, originCookie, &rawError));
    XcbError originError{rawError};
  }
  if (!reply) {
    // The pixmap changed under the read (a resize or unmap in between): name it again.
    PV_LOG_DEBUG("Capture of window {:x}: image read failed: {}", window_, describeXError(imageError.get()));
    needName_ = true;
    dirty_ = true;
    if (!windowExists()) closed_ = true;
    return;
  }
  const std::uint32_t stride = contentWidth_ * kBytesPerPixel;
  cursorShown_ = false;
  if (cursor && origin) {
    const std::int32_t pointerX = cursor->x - origin->dst_x;
    const std::int32_t pointerY = cursor->y - origin->dst_y;
    const bool over = pointerX >= 0 && pointerY >= 0 && pointerX < static_cast<std::int32_t>(contentWidth_) &&
                      pointerY < static_cast<std::int32_t>(contentHeight_);
    if (over) {
      cursorShown_ = true;
      blendCursor(image_.data(), stride, contentWidth_, contentHeight_,
                  xcb_xfixes_get_cursor_image_cursor_image(cursor.get()), cursor->width, cursor->height,
                  pointerX - cursor->xhot, pointerY - cursor->yhot);
    }
  }
  imageHoldsFrame_ = true;
  onFrame_(CpuFrame{image_.data(), contentWidth_, contentHeight_, stride, timestamp});
}

void X11CaptureSource::waitForWork(std::chrono::steady_clock::duration timeout) {
  xcb_flush(connection_.get());
  pollfd fds[2] = {{xcb_get_file_descriptor(connection_.get()), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
  const auto micros = std::max<std::int64_t>(0, std::chrono::duration_cast<std::chrono::microseconds>(timeout).count());
  timespec ts{static_cast<time_t>(micros / 1000000), static_cast<long>((micros % 1000000) * 1000)};
  ppoll(fds, 2, &ts, nullptr);
}

void X11CaptureSource::run() {
  xcb_connection_t* c = connection_.get();
  auto nextAllowed = std::chrono::steady_clock::now();
  while (!thread_.stopRequested()) {
    while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(c)}) handleEvent(event.get());
    if (xcb_connection_has_error(c) != 0) closed_ = true;
    if (closed_) {
      if (!thread_.stopRequested() && onClosed_) onClosed_();
      break;
    }
    applyPendingPool();
    applyFrameRequest();
    // Read every turn: setFps applies to the running capture.
    const auto interval = std::chrono::microseconds(1000000 / fps_.load());
    const auto now = std::chrono::steady_clock::now();
    if (mapped_ && (captureNow_ || (dirty_ && now >= nextAllowed))) {
      if (!captureNow_) {
        // Keep the phase while keeping up; after an idle spell count from now (no burst).
        nextAllowed += interval;
        if (nextAllowed <= now) nextAllowed = now + interval;
      }
      captureNow_ = false;
      captureOnce();
      continue;
    }
    waitForWork(mapped_ && dirty_ ? nextAllowed - now : std::chrono::steady_clock::duration(kIdleWait));
    if (wakeFd_ >= 0) {
      std::uint64_t count = 0;
      [[maybe_unused]] const ssize_t got = read(wakeFd_, &count, sizeof count);
    }
  }
}

}  // namespace parvalon::host::platform::linux_x11
