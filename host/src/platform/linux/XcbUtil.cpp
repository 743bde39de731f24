#include "platform/linux/XcbUtil.h"

#include <cstring>

#include <fmt/format.h>

namespace parvalon::host::platform::linux_x11 {

namespace {

// Names of the core protocol errors, indexed by error code.
constexpr const char* kCoreErrorNames[] = {
    "Success",  "BadRequest", "BadValue",  "BadWindow",         "BadPixmap", "BadAtom",
    "BadCursor", "BadFont",   "BadMatch",  "BadDrawable",       "BadAccess", "BadAlloc",
    "BadColormap", "BadGC",   "BadIDChoice", "BadName",         "BadLength", "BadImplementation"};

}  // namespace

XcbConnection connectToDisplay(int* screenNumber, std::string& error) {
  int screen = 0;
  XcbConnection connection{xcb_connect(nullptr, &screen)};
  if (!connection || xcb_connection_has_error(connection.get()) != 0) {
    const char* display = std::getenv("DISPLAY");
    error = fmt::format("cannot connect to X display \"{}\"", display ? display : "");
    return nullptr;
  }
  if (screenNumber) *screenNumber = screen;
  return connection;
}

xcb_screen_t* screenOf(xcb_connection_t* connection, int screenNumber) {
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; it.rem > 0; xcb_screen_next(&it), ++i) {
    if (i == screenNumber) return it.data;
  }
  return nullptr;
}

std::string describeXError(const xcb_generic_error_t* error) {
  if (!error) return "no X error";
  const unsigned code = error->error_code;
  const char* name = code < std::size(kCoreErrorNames) ? kCoreErrorNames[code] : "extension error";
  return fmt::format("{} (X error {}, request {}.{})", name, code, static_cast<unsigned>(error->major_code),
                     static_cast<unsigned>(error->minor_code));
}

std::vector<xcb_atom_t> internAtoms(xcb_connection_t* connection, const std::vector<const char*>& names) {
  std::vector<xcb_intern_atom_cookie_t> cookies;
  cookies.reserve(names.size());
  for (const char* name : names) {
    cookies.push_back(xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name));
  }
  std::vector<xcb_atom_t> atoms;
  atoms.reserve(names.size());
  for (auto cookie : cookies) {
    xcb_generic_error_t* rawError = nullptr;
    XcbReply<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(connection, cookie, &rawError)};
    XcbError error{rawError};
    atoms.push_back(reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE));
  }
  return atoms;
}

std::vector<std::uint32_t> Property::values32() const {
  std::vector<std::uint32_t> values;
  if (format != 32) return values;
  values.resize(bytes.size() / 4);
  std::memcpy(values.data(), bytes.data(), values.size() * 4);
  return values;
}

std::optional<Property> getProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                    std::uint32_t maxBytes) {
  if (property == XCB_ATOM_NONE) return std::nullopt;
  auto cookie = xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, (maxBytes + 3) / 4);
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection, cookie, &rawError)};
  XcbError error{rawError};
  if (!reply || reply->type == XCB_ATOM_NONE) return std::nullopt;
  Property result;
  result.type = reply->type;
  result.format = reply->format;
  const int length = xcb_get_property_value_length(reply.get());
  if (length > 0) {
    const auto* data = static_cast<const std::uint8_t*>(xcb_get_property_value(reply.get()));
    result.bytes.assign(data, data + length);
  }
  return result;
}

}  // namespace parvalon::host::platform::linux_x11
