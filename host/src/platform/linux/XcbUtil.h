#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <xcb/xcb.h>

namespace parvalon::host::platform::linux_x11 {

template <class T>
struct FreeDeleter {
  void operator()(T* p) const { std::free(p); }
};
// Replies, errors and events from XCB are malloc'ed and owned by the caller.
template <class T>
using XcbReply = std::unique_ptr<T, FreeDeleter<T>>;
using XcbError = XcbReply<xcb_generic_error_t>;

struct ConnectionDeleter {
  void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using XcbConnection = std::unique_ptr<xcb_connection_t, ConnectionDeleter>;

// Connects to $DISPLAY. Null with `error` filled when there is no usable display.
XcbConnection connectToDisplay(int* screenNumber, std::string& error);
xcb_screen_t* screenOf(xcb_connection_t* connection, int screenNumber);

// "BadWindow (X error 3, request 20.0)": readable text for a log line or a failed start.
std::string describeXError(const xcb_generic_error_t* error);

// Interns all names in one round trip; XCB_ATOM_NONE for a name that failed.
std::vector<xcb_atom_t> internAtoms(xcb_connection_t* connection, const std::vector<const char*>& names);

// One window property; nothing when the window or the property does not exist.
struct Property {
  xcb_atom_t type = XCB_ATOM_NONE;
  std::uint8_t format = 0;  // 8, 16 or 32 bits an item
  std::vector<std::uint8_t> bytes;
  std::size_t items() const { return format == 0 ? 0 : bytes.size() / (format / 8); }
  std::vector<std::uint32_t> values32() const;
};
std::optional<Property> getProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                    std::uint32_t maxBytes);

}  // namespace parvalon::host::platform::linux_x11
