#include "platform/linux/X11WindowSystem.h"

#include <unistd.h>

#include <algorithm>
#include <climits>

#include "logging/Log.h"
#include "platform/linux/X11Text.h"

namespace parvalon::host::platform {

std::shared_ptr<WindowSystem> WindowSystem::create() {
  // One connection serves the whole process; XCB serialises the callers' requests.
  static const std::shared_ptr<WindowSystem> shared = std::make_shared<linux_x11::X11WindowSystem>();
  return shared;
}

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::linux_x11 {

namespace {

constexpr std::uint32_t kMotifHintsDecorations = 1u << 1;  // flags bit: the decorations field is set
constexpr std::uint32_t kAllDesktops = 0xFFFFFFFFu;         // _NET_WM_DESKTOP of a sticky window
constexpr std::string_view kDeletedSuffix = " (deleted)";   // /proc/<pid>/exe of a replaced binary

bool contains(const std::vector<std::uint32_t>& values, std::uint32_t value) {
  return value != XCB_ATOM_NONE && std::find(values.begin(), values.end(), value) != values.end();
}

std::optional<std::uint32_t> firstCardinal(const std::optional<Property>& property) {
  if (!property || property->format != 32 || property->bytes.size() < 4) return std::nullopt;
  return property->values32().front();
}

}  // namespace

X11WindowSystem::X11WindowSystem() {
  std::string error;
  int screenNumber = 0;
  connection_ = connectToDisplay(&screenNumber, error);
  if (!connection_) {
    PV_LOG_ERROR("Window system unavailable: {}", error);
    return;
  }
  if (xcb_screen_t* screen = screenOf(connection_.get(), screenNumber)) root_ = screen->root;
  const auto atoms = internAtoms(connection_.get(),
                                 {"_NET_CLIENT_LIST_STACKING", "_NET_WM_NAME", "UTF8_STRING", "COMPOUND_TEXT",
                                  "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL",
                                  "_NET_WM_WINDOW_TYPE_DIALOG", "_MOTIF_WM_HINTS", "_NET_WM_DESKTOP",
                                  "_NET_CURRENT_DESKTOP", "_NET_WM_STATE", "_NET_WM_STATE_STICKY",
                                  "_NET_WM_STATE_HIDDEN", "_NET_WM_STATE_MAXIMIZED_VERT",
                                  "_NET_WM_STATE_MAXIMIZED_HORZ", "_NET_WM_PID", "_NET_WM_ICON"});
  std::copy(atoms.begin(), atoms.end(), atoms_);
}

xcb_window_t X11WindowSystem::toXid(WindowHandle window) const {
  // X window ids are 29-bit values; a handle beyond 32 bits names nothing here.
  return window > UINT32_MAX ? static_cast<xcb_window_t>(XCB_WINDOW_NONE) : static_cast<xcb_window_t>(window);
}

std::vector<WindowHandle> X11WindowSystem::topLevelWindows() {
  std::vector<WindowHandle> windows;
  if (!connection_) return windows;
  xcb_connection_t* c = connection_.get();
  const auto stacking = getProperty(c, root_, atoms_[kNetClientListStacking], kMaxTextPropertyBytes * 4);
  if (stacking && stacking->format == 32) {
    for (std::uint32_t id : stacking->values32()) windows.push_back(id);
  } else {
    // No EWMH window manager: root children that carry WM_STATE, bottom to top.
    xcb_generic_error_t* rawError = nullptr;
    XcbReply<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(c, xcb_query_tree(c, root_), &rawError)};
    XcbError error{rawError};
    if (tree) {
      const xcb_window_t* children = xcb_query_tree_children(tree.get());
      const int count = xcb_query_tree_children_length(tree.get());
      for (int i = 0; i < count; ++i) {
        if (wmState(children[i])) windows.push_back(children[i]);
      }
    }
  }
  std::reverse(windows.begin(), windows.end());  // topmost first
  return windows;
}

bool X11WindowSystem::isWindow(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  xcb_connection_t* c = connection_.get();
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_window_attributes_reply_t> attributes{
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), &rawError)};
  XcbError error{rawError};
  return attributes != nullptr;
}

bool X11WindowSystem::viewable(xcb_window_t window) {
  xcb_connection_t* c = connection_.get();
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_window_attributes_reply_t> attributes{
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), &rawError)};
  XcbError error{rawError};
  return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::optional<std::uint32_t> X11WindowSystem::wmState(xcb_window_t window) {
  return firstCardinal(getProperty(connection_.get(), window, atoms_[kWmState], 8));
}

std::vector<std::uint32_t> X11WindowSystem::netWmState(xcb_window_t window) {
  const auto property = getProperty(connection_.get(), window, atoms_[kNetWmState], 1024);
  return property ? property->values32() : std::vector<std::uint32_t>{};
}

bool X11WindowSystem::isVisible(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  if (viewable(id)) return true;
  const auto state = wmState(id);
  return state && *state == kIconicState;
}

std::string X11WindowSystem::title(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return {};
  xcb_connection_t* c = connection_.get();
  const auto netName = getProperty(c, id, atoms_[kNetWmName], kMaxTextPropertyBytes);
  if (netName && netName->format == 8 && !netName->bytes.empty()) {
    return sanitizeUtf8({reinterpret_cast<const char*>(netName->bytes.data()), netName->bytes.size()});
  }
  const auto name = getProperty(c, id, XCB_ATOM_WM_NAME, kMaxTextPropertyBytes);
  if (!name || name->format != 8) return {};
  const std::string_view text{reinterpret_cast<const char*>(name->bytes.data()), name->bytes.size()};
  if (name->type == XCB_ATOM_STRING) return latin1ToUtf8(text);
  if (name->type == atoms_[kCompoundText]) return compoundTextToUtf8(text);
  return sanitizeUtf8(text);
}

WindowStyle X11WindowSystem::style(WindowHandle window) {
  WindowStyle style;
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return style;
  xcb_connection_t* c = connection_.get();
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_window_attributes_reply_t> attributes{
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), &rawError)};
  XcbError error{rawError};
  if (attributes && attributes->override_redirect) style.toolWindow = true;

  const auto type = getProperty(c, id, atoms_[kNetWmWindowType], 1024);
  if (type && type->format == 32 && type->bytes.size() >= 4) {
    // The first entry is the type the window prefers.
    const std::uint32_t preferred = type->values32().front();
    if (preferred == atoms_[kNetWmWindowTypeNormal]) {
      style.appWindow = true;
    } else if (preferred != atoms_[kNetWmWindowTypeDialog]) {
      style.toolWindow = true;
    }
  }
  const auto hints = getProperty(c, id, atoms_[kMotifWmHints], 20);
  if (hints && hints->format == 32) {
    const auto values = hints->values32();
    if (values.size() >= 3 && (values[0] & kMotifHintsDecorations) != 0 && values[2] == 0) style.hasCaption = false;
  }
  return style;
}

bool X11WindowSystem::isCloaked(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  xcb_connection_t* c = connection_.get();
  const auto desktop = firstCardinal(getProperty(c, id, atoms_[kNetWmDesktop], 4));
  if (!desktop || *desktop == kAllDesktops) return false;
  if (contains(netWmState(id), atoms_[kNetWmStateSticky])) return false;
  const auto current = firstCardinal(getProperty(c, root_, atoms_[kNetCurrentDesktop], 4));
  return current && *current != *desktop;
}

std::string X11WindowSystem::className(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return {};
  const auto property = getProperty(connection_.get(), id, XCB_ATOM_WM_CLASS, kMaxTextPropertyBytes);
  if (!property || property->format != 8) return {};
  // "instance\0class\0": the class is the second string.
  const std::string_view text{reinterpret_cast<const char*>(property->bytes.data()), property->bytes.size()};
  const auto first = text.find('\0');
  if (first == std::string_view::npos) return {};
  std::string_view rest = text.substr(first + 1);
  rest = rest.substr(0, rest.find('\0'));
  // Toolkits write UTF-8 here whatever the property type says; bytes that are not become U+FFFD.
  return sanitizeUtf8(rest);
}

std::optional<WindowRect> X11WindowSystem::geometryInRoot(xcb_window_t window) {
  xcb_connection_t* c = connection_.get();
  auto geometryCookie = xcb_get_geometry(c, window);
  auto translateCookie = xcb_translate_coordinates(c, window, root_, 0, 0);
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(c, geometryCookie, &rawError)};
  XcbError geometryError{rawError};
  rawError = nullptr;
  XcbReply<xcb_translate_coordinates_reply_t> origin{xcb_translate_coordinates_reply(c, translateCookie, &rawError)};
  XcbError translateError{rawError};
  if (!geometry || !origin) return std::nullopt;
  return WindowRect{origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

std::optional<WindowRect> X11WindowSystem::windowRect(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return std::nullopt;
  return geometryInRoot(id);
}

std::optional<WindowRect> X11WindowSystem::clientRect(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return std::nullopt;
  auto rect = geometryInRoot(id);
  // An unmapped (minimized, or on a hidden desktop) window draws nothing a capture could show.
  if (rect && !viewable(id)) rect->width = rect->height = 0;
  return rect;
}

bool X11WindowSystem::isMinimized(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  const auto state = wmState(id);
  if (state && *state == kIconicState) return true;
  return contains(netWmState(id), atoms_[kNetWmStateHidden]);
}

bool X11WindowSystem::isMaximized(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  const auto state = netWmState(id);
  return contains(state, atoms_[kNetWmStateMaxVert]) && contains(state, atoms_[kNetWmStateMaxHorz]);
}

std::string X11WindowSystem::processImagePath(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return {};
  const auto pid = firstCardinal(getProperty(connection_.get(), id, atoms_[kNetWmPid], 4));
  if (!pid || *pid == 0 || *pid > static_cast<std::uint32_t>(INT_MAX)) return {};
  const std::string link = "/proc/" + std::to_string(*pid) + "/exe";
  std::string path(PATH_MAX, '\0');
  const ssize_t length = readlink(link.c_str(), path.data(), path.size());
  if (length <= 0) return {};
  path.resize(static_cast<std::size_t>(length));
  if (path.size() > kDeletedSuffix.size() && path.ends_with(kDeletedSuffix)) path.resize(path.size() - kDeletedSuffix.size());
  // A file name is any bytes; what leaves here is text for the window list.
  return sanitizeUtf8(path);
}

std::optional<IconImage> X11WindowSystem::chooseIcon(const std::vector<std::uint32_t>& data) {
  std::size_t best = SIZE_MAX;
  std::uint64_t bestArea = 0;
  bool bestFits = false;
  for (std::size_t i = 0; i + 2 <= data.size();) {
    const std::uint64_t width = data[i];
    const std::uint64_t height = data[i + 1];
    const std::uint64_t area = width * height;
    if (width == 0 || height == 0 || area > data.size() - i - 2) break;
    const bool fits = width <= kMaxIconSide && height <= kMaxIconSide;
    const bool better = best == SIZE_MAX || (fits && !bestFits) || (fits && bestFits && area > bestArea) ||
                        (!fits && !bestFits && area < bestArea);
    if (better) {
      best = i;
      bestArea = area;
      bestFits = fits;
    }
    i += 2 + static_cast<std::size_t>(area);
  }
  if (best == SIZE_MAX) return std::nullopt;
  IconImage icon;
  icon.width = data[best];
  icon.height = data[best + 1];
  icon.argb.assign(data.begin() + static_cast<std::ptrdiff_t>(best + 2),
                   data.begin() + static_cast<std::ptrdiff_t>(best + 2 + bestArea));
  return icon;
}

std::optional<IconImage> X11WindowSystem::icon(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return std::nullopt;
  const auto property = getProperty(connection_.get(), id, atoms_[kNetWmIcon], kMaxIconPropertyBytes);
  if (!property || property->format != 32) return std::nullopt;
  return chooseIcon(property->values32());
}

}  // namespace parvalon::host::platform::linux_x11
