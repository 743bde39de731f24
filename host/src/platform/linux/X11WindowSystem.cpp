#include "platform/linux/X11WindowSystem.h"

#include <unistd.h>

#include <algorithm>
#include <climits>

#include <xcb/xcb_icccm.h>

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
  internInputAtoms();
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

// ---- Input: foreground, focus, window-from-point, resize, screen metrics ----

namespace {

constexpr std::uint32_t kActivationSourcePager = 2;  // _NET_ACTIVE_WINDOW source: a pager, always obeyed
constexpr std::uint32_t kPointerRoot = 1;            // input focus value "PointerRoot"
thread_local std::uint32_t lastErrorCode = 0;

}  // namespace

void X11WindowSystem::internInputAtoms() {
  const auto atoms = internAtoms(connection_.get(), {"_NET_ACTIVE_WINDOW", "_NET_SUPPORTING_WM_CHECK"});
  std::copy(atoms.begin(), atoms.end(), inputAtoms_);
}

bool X11WindowSystem::checked(xcb_void_cookie_t cookie) {
  XcbError error{xcb_request_check(connection_.get(), cookie)};
  if (!error) return true;
  lastErrorCode = error->error_code;
  return false;
}

bool X11WindowSystem::hasEwmhWindowManager() {
  const auto check = firstCardinal(getProperty(connection_.get(), root_, inputAtoms_[kNetSupportingWmCheck], 4));
  return check && *check != XCB_WINDOW_NONE && isWindow(*check);
}

WindowHandle X11WindowSystem::foregroundWindow() {
  if (!connection_) return kNoWindow;
  xcb_connection_t* c = connection_.get();
  if (hasEwmhWindowManager()) {
    const auto active = firstCardinal(getProperty(c, root_, inputAtoms_[kNetActiveWindow], 4));
    return active ? *active : kNoWindow;
  }
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_input_focus_reply_t> focus{xcb_get_input_focus_reply(c, xcb_get_input_focus(c), &rawError)};
  XcbError error{rawError};
  if (!focus || focus->focus <= kPointerRoot) return kNoWindow;
  return focus->focus;
}

bool X11WindowSystem::setForegroundWindow(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  if (!hasEwmhWindowManager()) return setFocus(window);
  if (!isWindow(window)) {
    lastErrorCode = XCB_WINDOW;
    return false;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = id;
  message.type = inputAtoms_[kNetActiveWindow];
  message.data.data32[0] = kActivationSourcePager;
  message.data.data32[1] = XCB_CURRENT_TIME;
  message.data.data32[2] = static_cast<std::uint32_t>(foregroundWindow());
  return checked(xcb_send_event_checked(connection_.get(), 0, root_,
                                        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                                        reinterpret_cast<const char*>(&message)));
}

bool X11WindowSystem::bringWindowToTop(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  const std::uint32_t above = XCB_STACK_MODE_ABOVE;
  return checked(xcb_configure_window_checked(connection_.get(), id, XCB_CONFIG_WINDOW_STACK_MODE, &above));
}

bool X11WindowSystem::showWindow(WindowHandle window, ShowMode mode) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  // Mapping an iconic window asks the window manager to restore it (ICCCM 4.1.4).
  if (!checked(xcb_map_window_checked(connection_.get(), id))) return false;
  return mode == ShowMode::Show || bringWindowToTop(window);
}

bool X11WindowSystem::setFocus(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  return checked(
      xcb_set_input_focus_checked(connection_.get(), XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME));
}

bool X11WindowSystem::setActiveWindow(WindowHandle window) { return setForegroundWindow(window); }

std::uint64_t X11WindowSystem::windowThreadId(WindowHandle) { return 0; }

std::uint64_t X11WindowSystem::currentThreadId() { return static_cast<std::uint64_t>(gettid()); }

bool X11WindowSystem::attachThreadInput(std::uint64_t, std::uint64_t, bool) {
  return false;  // X11 has no per-thread input state to share
}

std::uint32_t X11WindowSystem::lastError() { return lastErrorCode; }

WindowHandle X11WindowSystem::windowFromPoint(std::int32_t x, std::int32_t y) {
  if (!connection_) return kNoWindow;
  xcb_connection_t* c = connection_.get();
  xcb_window_t current = root_;
  for (int depth = 0; depth < kMaxTreeDepth; ++depth) {
    xcb_generic_error_t* rawError = nullptr;
    XcbReply<xcb_translate_coordinates_reply_t> reply{xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, root_, current, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)),
        &rawError)};
    XcbError error{rawError};
    if (!reply || reply->child == XCB_WINDOW_NONE) break;
    current = reply->child;
  }
  return current == root_ ? kNoWindow : current;
}

WindowHandle X11WindowSystem::rootAncestor(WindowHandle window) {
  xcb_window_t current = toXid(window);
  if (!connection_ || current == XCB_WINDOW_NONE) return kNoWindow;
  if (current == root_) return root_;
  xcb_connection_t* c = connection_.get();
  for (int depth = 0; depth < kMaxTreeDepth; ++depth) {
    if (wmState(current)) return current;
    xcb_generic_error_t* rawError = nullptr;
    XcbReply<xcb_query_tree_reply_t> tree{xcb_query_tree_reply(c, xcb_query_tree(c, current), &rawError)};
    XcbError error{rawError};
    if (!tree) return kNoWindow;
    if (tree->parent == root_ || tree->parent == XCB_WINDOW_NONE) return current;
    current = tree->parent;
  }
  return current;
}

std::optional<WindowSize> X11WindowSystem::windowSizeForClient(WindowHandle window, std::int32_t clientWidth,
                                                               std::int32_t clientHeight) {
  // The window of a stream is the client window itself: its size is the client size.
  if (!isWindow(window)) return std::nullopt;
  return WindowSize{clientWidth, clientHeight};
}

WindowSize X11WindowSystem::minimumSize(WindowHandle window) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return {};
  xcb_size_hints_t hints{};
  xcb_connection_t* c = connection_.get();
  if (!xcb_icccm_get_wm_normal_hints_reply(c, xcb_icccm_get_wm_normal_hints(c, id), &hints, nullptr)) return {};
  if ((hints.flags & XCB_ICCCM_SIZE_HINT_P_MIN_SIZE) == 0) return {};
  return WindowSize{hints.min_width, hints.min_height};
}

bool X11WindowSystem::setWindowSize(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, bool move) {
  const xcb_window_t id = toXid(window);
  if (!connection_ || id == XCB_WINDOW_NONE) return false;
  if (width < 1 || height < 1 || width > UINT16_MAX || height > UINT16_MAX) {
    lastErrorCode = XCB_VALUE;
    return false;
  }
  // Value order follows the mask bits: x, y, width, height.
  std::uint32_t values[4];
  std::uint16_t mask = XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT;
  std::size_t n = 0;
  if (move) {
    mask |= XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y;
    values[n++] = static_cast<std::uint32_t>(x);
    values[n++] = static_cast<std::uint32_t>(y);
  }
  values[n++] = static_cast<std::uint32_t>(width);
  values[n++] = static_cast<std::uint32_t>(height);
  return checked(xcb_configure_window_checked(connection_.get(), id, mask, values));
}

WindowRect X11WindowSystem::virtualScreen() {
  if (!connection_) return {};
  xcb_connection_t* c = connection_.get();
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(c, xcb_get_geometry(c, root_), &rawError)};
  XcbError error{rawError};
  if (!geometry) return {};
  return WindowRect{0, 0, geometry->width, geometry->height};
}

WindowSize X11WindowSystem::primaryScreenSize() {
  const WindowRect desk = virtualScreen();
  return WindowSize{desk.width, desk.height};
}

}  // namespace parvalon::host::platform::linux_x11
