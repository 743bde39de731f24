// parvalon-testpattern: an X11 window with animated, machine-readable content for tests and
// demos, which also logs every input event it receives as one JSON line each.

#include <poll.h>
#include <unistd.h>

#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>
#include <xcb/xcb_keysyms.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "PatternStamp.h"

namespace tp = parvalon::testpattern;

namespace {

constexpr const char* kUsage =
    "usage: parvalon-testpattern [--title TEXT] [--width N] [--height N] [--x N] [--y N]\n"
    "         [--fps N] [--input-log FILE] [--id-file FILE] [--duration SECONDS]\n"
    "         [--static] [--blank] [--no-icon] [--override-redirect] [--latin1-title]\n"
    "         [--min-width N] [--min-height N] [--class TEXT]\n";

constexpr int kDefaultWidth = 1280;
constexpr int kDefaultHeight = 720;
constexpr int kDefaultFps = 60;
constexpr std::uint32_t kShiftMask = XCB_MOD_MASK_SHIFT;

struct Options {
  std::string title = "Parvalon Test Pattern";
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  int x = 0;
  int y = 0;
  bool positioned = false;
  int fps = kDefaultFps;
  std::string inputLog;
  std::string idFile;
  double durationS = 0;
  bool animate = true;
  bool blank = false;  // background only: a plain window to cover others with
  bool icon = true;
  bool overrideRedirect = false;
  bool latin1Title = false;
  int minWidth = 0;   // WM_NORMAL_HINTS minimum size; 0: none
  int minHeight = 0;
  std::string windowClass = "ParvalonTestPattern";  // the class part of WM_CLASS, bytes as given
};

bool parseInt(const char* text, int& out) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (!end || *end != '\0' || value < -100000 || value > 100000) return false;
  out = static_cast<int>(value);
  return true;
}

bool parseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](const char*& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    const char* v = nullptr;
    if (arg == "--title" && value(v)) o.title = v;
    else if (arg == "--width" && value(v) && parseInt(v, o.width) && o.width > 0) {}
    else if (arg == "--height" && value(v) && parseInt(v, o.height) && o.height > 0) {}
    else if (arg == "--x" && value(v) && parseInt(v, o.x)) o.positioned = true;
    else if (arg == "--y" && value(v) && parseInt(v, o.y)) o.positioned = true;
    else if (arg == "--fps" && value(v) && parseInt(v, o.fps) && o.fps > 0) {}
    else if (arg == "--input-log" && value(v)) o.inputLog = v;
    else if (arg == "--id-file" && value(v)) o.idFile = v;
    else if (arg == "--duration" && value(v)) o.durationS = std::atof(v);
    else if (arg == "--static") o.animate = false;
    else if (arg == "--blank") { o.blank = true; o.animate = false; }
    else if (arg == "--no-icon") o.icon = false;
    else if (arg == "--override-redirect") o.overrideRedirect = true;
    else if (arg == "--latin1-title") o.latin1Title = true;
    else if (arg == "--min-width" && value(v) && parseInt(v, o.minWidth) && o.minWidth >= 0) {}
    else if (arg == "--min-height" && value(v) && parseInt(v, o.minHeight) && o.minHeight >= 0) {}
    else if (arg == "--class" && value(v)) o.windowClass = v;
    else return false;
  }
  return true;
}

std::uint64_t steadyMicros() {
  return static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

std::uint32_t pixelOf(tp::Rgb c) { return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b; }

// Unicode of a keysym that types a character, 0 otherwise.
std::uint32_t keysymToUnicode(xcb_keysym_t keysym) {
  if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF)) return keysym;
  if ((keysym & 0xFF000000u) == 0x01000000u) return keysym & 0x00FFFFFFu;
  return 0;
}

std::string utf8Of(std::uint32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp <= 0x10FFFF) {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
  return out;
}

xcb_atom_t intern(xcb_connection_t* c, const char* name) {
  auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

class Pattern {
 public:
  Pattern(xcb_connection_t* c, xcb_window_t window, const Options& o)
      : c_(c), window_(window), width_(o.width), height_(o.height), blank_(o.blank) {
    gc_ = xcb_generate_id(c_);
    xcb_create_gc(c_, gc_, window_, 0, nullptr);
  }

  void resize(int width, int height) {
    width_ = width;
    height_ = height;
  }

  void drawAll() {
    fill(kBackgroundPixel(), {{0, 0, static_cast<std::uint16_t>(width_), static_cast<std::uint16_t>(height_)}});
    if (blank_) return;
    for (std::size_t i = 0; i < tp::kPatches.size(); ++i) {
      fill(pixelOf(tp::kPatches[i]),
           {{static_cast<std::int16_t>(tp::patchLeft(i)), tp::kPatchY, tp::kPatchSize, tp::kPatchSize}});
    }
    barX_ = -1;
    drawFrame();
  }

  // The parts that change every frame: stamp, counter, bar.
  void drawFrame() {
    const tp::Stamp stamp{steadyMicros(), frame_};
    const auto words = tp::stampWords(stamp);
    std::vector<xcb_rectangle_t> white, black;
    for (int row = 0; row < tp::kStampRows; ++row) {
      for (int bit = 0; bit < tp::kStampBitsPerRow; ++bit) {
        xcb_rectangle_t r{static_cast<std::int16_t>(tp::kStampX + bit * tp::kStampBlock),
                          static_cast<std::int16_t>(tp::kStampY + row * tp::kStampBlock), tp::kStampBlock,
                          tp::kStampBlock};
        (tp::stampBlockWhite(words, row, bit) ? white : black).push_back(r);
      }
    }
    fill(0xFFFFFF, white);
    fill(0x000000, black);
    drawCounter();
    drawBar();
    ++frame_;
  }

 private:
  static std::uint32_t kBackgroundPixel() { return pixelOf(tp::kBackground); }

  void fill(std::uint32_t pixel, const std::vector<xcb_rectangle_t>& rects) {
    if (rects.empty()) return;
    xcb_change_gc(c_, gc_, XCB_GC_FOREGROUND, &pixel);
    xcb_poly_fill_rectangle(c_, window_, gc_, static_cast<std::uint32_t>(rects.size()), rects.data());
  }

  void drawCounter() {
    // Segments a..g of a seven-segment digit.
    static constexpr std::uint8_t kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    constexpr int t = 5;  // segment thickness
    constexpr int w = tp::kDigitWidth, h = tp::kDigitHeight, half = tp::kDigitHeight / 2;
    fill(kBackgroundPixel(), {{tp::kCounterX, tp::kCounterY,
                               static_cast<std::uint16_t>(tp::kCounterDigits * (w + tp::kDigitGap)), h}});
    std::vector<xcb_rectangle_t> rects;
    std::uint32_t value = frame_;
    for (int d = tp::kCounterDigits - 1; d >= 0; --d) {
      const int digit = static_cast<int>(value % 10);
      value /= 10;
      const auto x = static_cast<std::int16_t>(tp::kCounterX + d * (w + tp::kDigitGap));
      const auto y = static_cast<std::int16_t>(tp::kCounterY);
      const xcb_rectangle_t seg[7] = {
          {x, y, w, t},                                                                  // a
          {static_cast<std::int16_t>(x + w - t), y, t, half},                            // b
          {static_cast<std::int16_t>(x + w - t), static_cast<std::int16_t>(y + half), t, half},  // c
          {x, static_cast<std::int16_t>(y + h - t), w, t},                               // d
          {x, static_cast<std::int16_t>(y + half), t, half},                             // e
          {x, y, t, half},                                                               // f
          {x, static_cast<std::int16_t>(y + half - t / 2), w, t}};                       // g
      for (int s = 0; s < 7; ++s) {
        if (kSegments[digit] & (1 << s)) rects.push_back(seg[s]);
      }
    }
    fill(pixelOf(tp::kDigitColour), rects);
  }

  void drawBar() {
    if (height_ <= tp::kBarY || width_ <= tp::kBarWidth) return;
    const auto barHeight = static_cast<std::uint16_t>(height_ - tp::kBarY);
    if (barX_ >= 0) fill(kBackgroundPixel(), {{static_cast<std::int16_t>(barX_), tp::kBarY, tp::kBarWidth, barHeight}});
    barX_ = static_cast<int>((static_cast<std::uint64_t>(frame_) * tp::kBarStep) % static_cast<std::uint64_t>(width_ - tp::kBarWidth));
    fill(pixelOf(tp::kBarColour), {{static_cast<std::int16_t>(barX_), tp::kBarY, tp::kBarWidth, barHeight}});
  }

  xcb_connection_t* c_;
  xcb_window_t window_;
  xcb_gcontext_t gc_ = 0;
  int width_;
  int height_;
  std::uint32_t frame_ = 0;
  int barX_ = -1;
  bool blank_;
};

class InputLog {
 public:
  explicit InputLog(const std::string& path) {
    if (!path.empty()) out_.open(path, std::ios::out | std::ios::app);
  }
  bool ok(const std::string& path) const { return path.empty() || out_.is_open(); }
  void write(nlohmann::json line) {
    if (!out_.is_open()) return;
    line["timeUs"] = steadyMicros();
    out_ << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    out_.flush();
  }

 private:
  std::ofstream out_;
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
  Options options;
  if (!parseArgs(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  InputLog log(options.inputLog);
  if (!log.ok(options.inputLog)) {
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
  Pattern pattern(c, window, options);
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
          log.write({{"type", "motion"}, {"x", e->event_x}, {"y", e->event_y}});
          break;
        }
        case XCB_BUTTON_PRESS:
        case XCB_BUTTON_RELEASE: {
          auto* e = reinterpret_cast<xcb_button_press_event_t*>(event);
          log.write({{"type", "button"}, {"button", e->detail},
                     {"pressed", (event->response_type & 0x7F) == XCB_BUTTON_PRESS}, {"x", e->event_x}, {"y", e->event_y}});
          break;
        }
        case XCB_KEY_PRESS:
        case XCB_KEY_RELEASE: {
          auto* e = reinterpret_cast<xcb_key_press_event_t*>(event);
          const bool pressed = (event->response_type & 0x7F) == XCB_KEY_PRESS;
          const int column = (e->state & kShiftMask) ? 1 : 0;
          xcb_keysym_t keysym = xcb_key_symbols_get_keysym(keySymbols, e->detail, column);
          if (keysym == XCB_NO_SYMBOL && column == 1) keysym = xcb_key_symbols_get_keysym(keySymbols, e->detail, 0);
          log.write({{"type", "key"}, {"keycode", e->detail}, {"keysym", keysym}, {"pressed", pressed}});
          if (pressed) {
            if (const std::uint32_t cp = keysymToUnicode(keysym)) log.write({{"type", "text"}, {"text", utf8Of(cp)}});
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
