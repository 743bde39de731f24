#pragma once

#include <cstdint>

namespace parvalon::host::platform {

// A top-level window of the desktop as the platform names it (an X11 window id on Linux, an
// HWND value on Windows). The protocol's window id is its low 32 bits; zero extension turns
// the id back into a handle.
using WindowHandle = std::uint64_t;

inline constexpr WindowHandle kNoWindow = 0;

}  // namespace parvalon::host::platform
