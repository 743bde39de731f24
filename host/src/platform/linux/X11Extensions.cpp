#include "platform/linux/X11Extensions.h"

#include <xcb/composite.h>
#include <xcb/damage.h>
#include <xcb/shm.h>
#include <xcb/xfixes.h>

#include <fmt/format.h>

#include "platform/linux/XcbUtil.h"

namespace parvalon::host::platform::linux_x11 {

namespace {

// Versions this code is written against; the server answers with what it supports up to them.
constexpr std::uint32_t kCompositeMajor = 0, kCompositeMinor = 4;
constexpr std::uint32_t kDamageMajor = 1, kDamageMinor = 1;
constexpr std::uint32_t kXfixesMajor = 5, kXfixesMinor = 0;

template <class Reply>
void takeVersion(X11Extensions::Version& version, Reply* raw, xcb_generic_error_t* rawError) {
  XcbReply<Reply> reply{raw};
  XcbError error{rawError};
  if (!reply) {
    version.present = false;
    return;
  }
  version.major = reply->major_version;
  version.minor = reply->minor_version;
}

std::string describeOne(const char* name, const X11Extensions::Version& v) {
  return v.present ? fmt::format("{} {}.{}", name, v.major, v.minor) : fmt::format("{} absent", name);
}

}  // namespace

X11Extensions queryExtensions(xcb_connection_t* c) {
  X11Extensions ext;
  if (const auto* data = xcb_get_extension_data(c, &xcb_composite_id)) ext.composite.present = data->present;
  if (const auto* data = xcb_get_extension_data(c, &xcb_damage_id)) {
    ext.damage.present = data->present;
    ext.damageFirstEvent = data->first_event;
  }
  if (const auto* data = xcb_get_extension_data(c, &xcb_shm_id)) ext.shm.present = data->present;
  if (const auto* data = xcb_get_extension_data(c, &xcb_xfixes_id)) ext.xfixes.present = data->present;

  xcb_generic_error_t* e = nullptr;
  if (ext.composite.present) {
    auto cookie = xcb_composite_query_version(c, kCompositeMajor, kCompositeMinor);
    takeVersion(ext.composite, xcb_composite_query_version_reply(c, cookie, &e), e);
    e = nullptr;
  }
  if (ext.damage.present) {
    auto cookie = xcb_damage_query_version(c, kDamageMajor, kDamageMinor);
    takeVersion(ext.damage, xcb_damage_query_version_reply(c, cookie, &e), e);
    e = nullptr;
  }
  if (ext.shm.present) {
    auto cookie = xcb_shm_query_version(c);
    takeVersion(ext.shm, xcb_shm_query_version_reply(c, cookie, &e), e);
    e = nullptr;
  }
  if (ext.xfixes.present) {
    auto cookie = xcb_xfixes_query_version(c, kXfixesMajor, kXfixesMinor);
    takeVersion(ext.xfixes, xcb_xfixes_query_version_reply(c, cookie, &e), e);
  }
  return ext;
}

bool X11Extensions::captureSupported(std::string& reason) const {
  std::string missing;
  auto add = [&missing](const char* what) {
    if (!missing.empty()) missing += ", ";
    missing += what;
  };
  if (!composite.present || (composite.major == 0 && composite.minor < 2)) add("Composite 0.2 or later");
  if (!damage.present) add("DAMAGE");
  if (!shm.present) add("MIT-SHM");
  if (missing.empty()) return true;
  reason = "the X server lacks " + missing;
  return false;
}

std::string X11Extensions::describe() const {
  return describeOne("Composite", composite) + ", " + describeOne("DAMAGE", damage) + ", " +
         describeOne("MIT-SHM", shm) + ", " + describeOne("XFIXES", xfixes);
}

}  // namespace parvalon::host::platform::linux_x11
