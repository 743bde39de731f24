#include "platform/linux/X11DisplayModes.h"

#include <xcb/randr.h>

#include <unordered_map>

#include "logging/Log.h"
#include "platform/linux/XcbUtil.h"

namespace parvalon::host::platform {

std::shared_ptr<DisplayModes> DisplayModes::create() {
  return std::make_shared<linux_x11::X11DisplayModes>();
}

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::linux_x11 {

namespace {

// GetScreenResourcesCurrent and the output queries need RandR 1.3.
constexpr std::uint32_t kRandrMajor = 1;
constexpr std::uint32_t kRandrMinor = 3;

}  // namespace

std::optional<std::vector<DisplayModeTiming>> X11DisplayModes::outputModes(std::uint32_t index) {
  std::string error;
  int screenNumber = 0;
  XcbConnection connection = connectToDisplay(&screenNumber, error);
  if (!connection) {
    PV_LOG_DEBUG("Display modes unavailable: {}", error);
    return std::nullopt;
  }
  xcb_connection_t* conn = connection.get();
  xcb_screen_t* screen = screenOf(conn, screenNumber);
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(conn, &xcb_randr_id);
  if (!screen || !extension || !extension->present) return std::nullopt;

  XcbReply<xcb_randr_query_version_reply_t> version{
      xcb_randr_query_version_reply(conn, xcb_randr_query_version(conn, kRandrMajor, kRandrMinor), nullptr)};
  if (!version || version->major_version < kRandrMajor ||
      (version->major_version == kRandrMajor && version->minor_version < kRandrMinor)) {
    return std::nullopt;
  }

  // The cached configuration: asking the server to re-probe the hardware can take a long time.
  XcbReply<xcb_randr_get_screen_resources_current_reply_t> resources{xcb_randr_get_screen_resources_current_reply(
      conn, xcb_randr_get_screen_resources_current(conn, screen->root), nullptr)};
  if (!resources) return std::nullopt;

  const xcb_randr_mode_info_t* modeInfos = xcb_randr_get_screen_resources_current_modes(resources.get());
  const int modeCount = xcb_randr_get_screen_resources_current_modes_length(resources.get());
  std::unordered_map<std::uint32_t, DisplayModeTiming> timingsById;
  for (int i = 0; i < modeCount; ++i) {
    timingsById[modeInfos[i].id] = DisplayModeTiming{modeInfos[i].dot_clock, modeInfos[i].htotal, modeInfos[i].vtotal};
  }

  const xcb_randr_output_t* outputs = xcb_randr_get_screen_resources_current_outputs(resources.get());
  const int outputCount = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
  std::uint32_t connectedSeen = 0;
  for (int i = 0; i < outputCount; ++i) {
    XcbReply<xcb_randr_get_output_info_reply_t> info{xcb_randr_get_output_info_reply(
        conn, xcb_randr_get_output_info(conn, outputs[i], resources->config_timestamp), nullptr)};
    if (!info || info->connection != XCB_RANDR_CONNECTION_CONNECTED) continue;
    if (connectedSeen++ != index) continue;

    std::vector<DisplayModeTiming> modes;
    const xcb_randr_mode_t* modeIds = xcb_randr_get_output_info_modes(info.get());
    const int count = xcb_randr_get_output_info_modes_length(info.get());
    for (int m = 0; m < count; ++m) {
      auto found = timingsById.find(modeIds[m]);
      // A mode the resources do not describe has unknown timings.
      modes.push_back(found != timingsById.end() ? found->second : DisplayModeTiming{});
    }
    return modes;
  }
  return std::nullopt;
}

}  // namespace parvalon::host::platform::linux_x11
