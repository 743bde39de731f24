#pragma once

#include <sys/types.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <stb/stb_image_write.h>

namespace parvalon::tools {

template <class T>
struct FreeDeleter {
  void operator()(T* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;

struct Rgb {
  int r, g, b;
};

// One grabbed window: RGB rows.
struct Shot {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
  bool savePng(const std::string& path) const {
    return !rgb.empty() && stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
  }
};

// The X side of tests and tools: finds a process's window, reads its pixels, asks it to close.
class XcbScreen {
 public:
  XcbScreen() : conn_(xcb_connect(nullptr, nullptr)) {}
  ~XcbScreen() { xcb_disconnect(conn_); }
  XcbScreen(const XcbScreen&) = delete;
  XcbScreen& operator=(const XcbScreen&) = delete;
  bool ok() const { return xcb_connection_has_error(conn_) == 0; }

  xcb_atom_t atom(const char* name) {
    Reply<xcb_intern_atom_reply_t> r{
        xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, std::strlen(name), name), nullptr)};
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  }

  // The top-level window of process `pid` listed by the window manager, or 0.
  xcb_window_t windowOf(pid_t pid) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    Reply<xcb_get_property_reply_t> list{xcb_get_property_reply(
        conn_, xcb_get_property(conn_, 0, root, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 1024), nullptr)};
    if (!list) return 0;
    const auto* windows = static_cast<xcb_window_t*>(xcb_get_property_value(list.get()));
    const int count = xcb_get_property_value_length(list.get()) / 4;
    for (int i = 0; i < count; ++i) {
      Reply<xcb_get_property_reply_t> owner{xcb_get_property_reply(
          conn_, xcb_get_property(conn_, 0, windows[i], atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1), nullptr)};
      if (owner && xcb_get_property_value_length(owner.get()) == 4 &&
          *static_cast<std::uint32_t*>(xcb_get_property_value(owner.get())) == static_cast<std::uint32_t>(pid)) {
        return windows[i];
      }
    }
    return 0;
  }

  // The window's pixels; an empty shot when they cannot be read.
  Shot grab(xcb_window_t window) {
    Shot shot;
    Reply<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, window), nullptr)};
    if (!geometry) return shot;
    const int width = geometry->width;
    const int height = geometry->height;
    Reply<xcb_get_image_reply_t> image{xcb_get_image_reply(
        conn_, xcb_get_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u),
        nullptr)};
    if (!image || xcb_get_image_data_length(image.get()) < width * height * 4) return shot;
    const std::uint8_t* bgrx = xcb_get_image_data(image.get());
    shot.width = width;
    shot.height = height;
    shot.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i) {
      shot.rgb[i * 3 + 0] = bgrx[i * 4 + 2];
      shot.rgb[i * 3 + 1] = bgrx[i * 4 + 1];
      shot.rgb[i * 3 + 2] = bgrx[i * 4 + 0];
    }
    return shot;
  }

  // What a window manager's close button sends.
  void requestClose(xcb_window_t window) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(conn_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(conn_);
  }

 private:
  xcb_connection_t* conn_;
};

}  // namespace parvalon::tools
