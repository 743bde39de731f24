// parvalon-testpattern on X11: the pattern window with animated, machine-readable content for
// tests and demos, which also logs every input event it receives as one JSON line each. What
// the pattern draws and logs is shared with the Windows build; this file is the X11 window.

#include <poll.h>
#include <unistd.h>

#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>
#include <xcb/xcb_keysyms.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "InputLog.h"
#include "PatternOptions.h"
#include "PatternPainter.h"
#include "PatternStamp.h"

namespace tp = parvalon::testpattern;

namespace {

constexpr std::uint32_t kShiftMask = XCB_MOD_MASK_SHIFT;

std::uint32_t pixelOf(tp::Rgb c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

// Unicode of a keysym that types a character, 0 otherwise.
std::uint32_t keysymToUnicode(xcb_keysym_t keysym) {
  if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) return keysym;
  if ((keysym & 0xFF000000u) == 0x01000000u) return keysym & 0x00FFFFFFu;
  return 0;
}

xcb_atom_t intern(xcb_connection_t* c, const char* name) {
  auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

// Draws the pattern's rectangles straight into the window, one request per run of one colour.
class X11Pattern {
 public:
  X11Pattern(xcb_connection_t* c, xcb_window_t window, const tp::PatternOptions& o)
      : c_(c), window_(window), painter_(o.width, o.height, o.blank) {
    gc_ = xcb_generate_id(c_);
    xcb_create_gc(c_, gc_, window_, 0, nullptr);
  }

  void resize(int width, int height) { painter_.resize(width, height); }
  void drawAll() { fill(painter_.drawAll(tp::steadyMicros())); }
  void drawFrame() { fill(painter_.drawFrame(tp::steadyMicros())); }

 private:
  void fill(const std::vector<tp::PatternFill>& fills) {
    std::vector<xcb_rectangle_t> run;
    for (std::size_t i = 0; i < fills.size(); ++i) {
      const tp::PatternFill& f = fills[i];
      run.push_back({static_cast<std::int16_t>(f.x), static_cast<std::int16_t>(f.y), static_cast<std::uint16_t>(f.width),
                     static_cast<std::uint16_t>(f.height)});
      if (i + 1 < fills.size() && fills[i + 1].colour == f.colour) continue;
      const std::uint32_t pixel = pixelOf(f.colour);
      xcb_change_gc(c_, gc_, XCB_GC_FOREGROUND, &pixel);
      xcb_poly_fill_rectangle(c_, window_, gc_, static_cast<std::uint32_t>(run.size()), run.data());
      run.clear();
    }
  }

  xcb_connection_t* c_;
  xcb_window_t window_;
  xcb_gcontext_t gc_ = 0;
  tp::PatternPainter painter_;
};

void setIcon(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmIcon) {
  std::vector<std::uint32_t> data;
  for (std::uint32_t size : tp::kIconSizes) {
    data.push_back(size);
    data.push_back(size);
    for (std::uint32_t y = 0; y < size; ++y) {
      for (std::uint32_t x = 0; x < size; ++x) data.push_back(tp::iconPixel(size, x, y));
    }
  }
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netWmIcon, XCB_ATOM_CARDINAL, 32,
                      static_cast<std::uint32_t>(data.size()), data.data());
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = tp::PatternOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed) {
    std::fputs(tp::kUsage, stderr);
    return 2;
  }
  const tp::PatternOptions& options = *parsed;
  tp::InputLog log(options.inputLog);
  if (!log.ok()) {
    std::fprintf(stderr, "parvalon-testpattern: cannot open %s\n", options.inputLog.c_str());
    return 1;
  }
  int screenNumber = 0;
  xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(c)) {
    std::fputs("parvalon-testpattern: cannot connect to the X display\n", stderr);
    xcb_disconnect(c);
    return 1;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
  for (int i = 0; i < screenNumber && it.rem > 0; ++i) xcb_screen_next(&it);
  xcb_screen_t* screen = it.data;

  const xcb_window_t window = xcb_generate_id(c);
  const std::uint32_t mask = XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK;
  const std::uint32_t values[] = {
      pixelOf(tp::kBackground), options.overrideRedirect ? 1u : 0u,
      XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_KEY_PRESS |
          XCB_EVENT_MASK_KEY_RELEASE | XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
          XCB_EVENT_MASK_POINTER_MOTION};
  xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, static_cast<std::int16_t>(options.x),
                    static_cast<std::int16_t>(options.y), static_cast<std::uint16_t>(options.width),
                    static_cast<std::uint16_t>(options.height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                    mask, values);

  const xcb_atom_t utf8 = intern(c, "UTF8_STRING");
  const xcb_atom_t netWmName = intern(c, "_NET_WM_NAME");
  const xcb_atom_t netWmPid = intern(c, "_NET_WM_PID");
  const xcb_atom_t netWmIcon = intern(c, "_NET_WM_ICON");
  const xcb_atom_t netWmType = intern(c, "_NET_WM_WINDOW_TYPE");
  const xcb_atom_t netWmTypeNormal = intern(c, "_NET_WM_WINDOW_TYPE_NORMAL");
  const xcb_atom_t wmProtocols = intern(c, "WM_PROTOCOLS");
  const xcb_atom_t wmDelete = intern(c, "WM_DELETE_WINDOW");

  const auto titleLength = static_cast<std::uint32_t>(options.title.size());
  // --latin1-title: only WM_NAME, of type STRING, with the argument's bytes taken as Latin-1.
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                      options.latin1Title ? static_cast<xcb_atom_t>(XCB_ATOM_STRING) : utf8, 8, titleLength, options.title.data());
  if (!options.latin1Title) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netWmName, utf8, 8, titleLength, options.title.data());
  }
  std::string wmClass = "parvalon-testpattern";
  wmClass.push_back('\0');
  wmClass += options.windowClass;
  wmClass.push_back('\0');
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                      static_cast<std::uint32_t>(wmClass.size()), wmClass.data());
  const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netWmPid, XCB_ATOM_CARDINAL, 32, 1, &pid);
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 8,
                      static_cast<std::uint32_t>(std::strlen(host)), host);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, netWmType, XCB_ATOM_ATOM, 32, 1, &netWmTypeNormal);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, wmProtocols, XCB_ATOM_ATOM, 32, 1, &wmDelete);
  if (options.icon) setIcon(c, window, netWmIcon);
  xcb_size_hints_t hints{};
  if (options.positioned) xcb_icccm_size_hints_set_position(&hints, 1, options.x, options.y);
  xcb_icccm_size_hints_set_size(&hints, 1, options.width, options.height);
  if (options.minWidth > 0 || options.minHeight > 0) xcb_icccm_size_hints_set_min_size(&hints, options.minWidth, options.minHeight);
  xcb_icccm_set_wm_normal_hints(c, window, &hints);

  xcb_map_window(c, window);
  xcb_flush(c);
  std::printf("parvalon-testpattern window 0x%x\n", window);
  std::fflush(stdout);
  if (!options.idFile.empty()) {
    // Written whole under a temporary name, so a reader never sees half an id.
    const std::string temp = options.idFile + ".tmp";
    if (FILE* f = std::fopen(temp.c_str(), "w")) {
      std::fprintf(f, "%u\n", window);
      std::fclose(f);
      std::rename(temp.c_str(), options.idFile.c_str());
    }
  }

  xcb_key_symbols_t* keySymbols = xcb_key_symbols_alloc(c);
  X11Pattern pattern(c, window, options);
  const auto start = std::chrono::steady_clock::now();
  const auto interval = std::chrono::microseconds(1000000 / options.fps);
  auto nextFrame = start;
  bool exposed = false;
  bool running = true;
  while (running) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
      switch (event->response_type & 0x7F) {
        case XCB_EXPOSE:
          exposed = true;
          pattern.drawAll();
          break;
        case XCB_CONFIGURE_NOTIFY: {
          auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
          pattern.resize(e->width, e->height);
          if (exposed) pattern.drawAll();
          break;
        }
        case XCB_MOTION_NOTIFY: {
          auto* e = reinterpret_cast<xcb_motion_notify_event_t*>(event);
          log.motion(e->event_x, e->event_y);
          break;
        }
        case XCB_BUTTON_PRESS:
        case XCB_BUTTON_RELEASE: {
          auto* e = reinterpret_cast<xcb_button_press_event_t*>(event);
          log.button(e->detail, (event->response_type & 0x7F) == XCB_BUTTON_PRESS, e->event_x, e->event_y);
          break;
        }
        case XCB_KEY_PRESS:
        case XCB_KEY_RELEASE: {
          auto* e = reinterpret_cast<xcb_key_press_event_t*>(event);
          const bool pressed = (event->response_type & 0x7F) == XCB_KEY_PRESS;
          const int column = (e->state & kShiftMask) ? 1 : 0;
          xcb_keysym_t keysym = xcb_key_symbols_get_keysym(keySymbols, e->detail, column);
          if (keysym == XCB_NO_SYMBOL && column == 1) keysym = xcb_key_symbols_get_keysym(keySymbols, e->detail, 0);
          log.key(e->detail, keysym, pressed);
          if (pressed) {
            if (const std::uint32_t cp = keysymToUnicode(keysym)) log.text(cp);
          }
          break;
        }
        case XCB_MAPPING_NOTIFY:
          // A fresh table: xcb_refresh_keyboard_mapping ignores a change that arrives before the
          // first lookup, and the keymap read at start-up then misses it.
          if (reinterpret_cast<xcb_mapping_notify_event_t*>(event)->request == XCB_MAPPING_KEYBOARD) {
            xcb_key_symbols_free(keySymbols);
            keySymbols = xcb_key_symbols_alloc(c);
          }
          break;
        case XCB_CLIENT_MESSAGE: {
          auto* e = reinterpret_cast<xcb_client_message_event_t*>(event);
          if (e->type == wmProtocols && e->data.data32[0] == wmDelete) running = false;
          break;
        }
        case XCB_DESTROY_NOTIFY:
          running = false;
          break;
        default:
          break;
      }
      std::free(event);
    }
    if (xcb_connection_has_error(c)) break;
    const auto now = std::chrono::steady_clock::now();
    if (options.durationS > 0 && now - start >= std::chrono::duration<double>(options.durationS)) break;
    if (exposed && options.animate && now >= nextFrame) {
      pattern.drawFrame();
      nextFrame += interval;
      if (nextFrame <= now) nextFrame = now + interval;
    }
    xcb_flush(c);
    auto wait = options.animate && exposed ? nextFrame - std::chrono::steady_clock::now() : std::chrono::milliseconds(100);
    const int timeoutMs = static_cast<int>(std::max<std::int64_t>(0, std::chrono::duration_cast<std::chrono::milliseconds>(wait).count()));
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    poll(&fd, 1, timeoutMs);
  }
  xcb_key_symbols_free(keySymbols);
  xcb_disconnect(c);
  return 0;
}
