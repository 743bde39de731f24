#pragma once

#include <cstdint>
#include <string>

#include <xcb/xcb.h>

namespace parvalon::host::platform::linux_x11 {

// The X extensions window capture uses, as one connection found them. Querying the versions
// is also the hand-shake DAMAGE and XFIXES require before their first request.
struct X11Extensions {
  struct Version {
    bool present = false;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
  };
  Version composite;
  Version damage;
  Version shm;
  Version xfixes;
  std::uint8_t damageFirstEvent = 0;

  // Composite >= 0.2 (named window pixmaps), DAMAGE and MIT-SHM; `reason` names what is missing.
  bool captureSupported(std::string& reason) const;
  // "Composite 0.4, DAMAGE 1.1, MIT-SHM 1.2, XFIXES 6.0" (a missing one as "absent").
  std::string describe() const;
};

X11Extensions queryExtensions(xcb_connection_t* connection);

}  // namespace parvalon::host::platform::linux_x11
