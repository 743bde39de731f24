#include <gtest/gtest.h>

#include <fcntl.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <stb/stb_image_write.h>

#include "app/FreePortSettings.h"
#include "fakes/WaitUntil.h"
#include "integration/HostProcess.h"

// The real host's dashboard on the virtual desktop: pixels of its window, a click on the
// sidebar, and closing the window. Screenshots land in <build>/test-artifacts/ui.
namespace parvalon::host {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Rgb {
  int r, g, b;
};

::testing::AssertionResult near(Rgb actual, Rgb expected, int tolerance = 3) {
  if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
      std::abs(actual.b - expected.b) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "pixel (" << actual.r << ", " << actual.g << ", " << actual.b
                                       << ") expected (" << expected.r << ", " << expected.g << ", " << expected.b
                                       << ")";
}

template <class T>
struct FreeDeleter {
  void operator()(T* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;

// The X side of the test: finds the host's window and reads its pixels.
class Screen {
 public:
  Screen() : conn_(xcb_connect(nullptr, nullptr)) {}
  ~Screen() { xcb_disconnect(conn_); }
  bool ok() const { return xcb_connection_has_error(conn_) == 0; }

  xcb_atom_t atom(const char* name) {
    Reply<xcb_intern_atom_reply_t> r{
        xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, std::strlen(name), name), nullptr)};
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  }

  // The top-level window of process `pid` listed by the window manager, or 0.
  xcb_window_t windowOf(pid_t pid) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    Reply<xcb_get_property_reply_t> list{xcb_get_property_reply(
        conn_, xcb_get_property(conn_, 0, root, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 0, 1024), nullptr)};
    if (!list) return 0;
    const auto* windows = static_cast<xcb_window_t*>(xcb_get_property_value(list.get()));
    const int count = xcb_get_property_value_length(list.get()) / 4;
    for (int i = 0; i < count; ++i) {
      Reply<xcb_get_property_reply_t> owner{xcb_get_property_reply(
          conn_, xcb_get_property(conn_, 0, windows[i], atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1), nullptr)};
      if (owner && xcb_get_property_value_length(owner.get()) == 4 &&
          *static_cast<std::uint32_t*>(xcb_get_property_value(owner.get())) == static_cast<std::uint32_t>(pid)) {
        return windows[i];
      }
    }
    return 0;
  }

  // The window's pixels as RGB rows; empty when it cannot be read.
  std::vector<std::uint8_t> grab(xcb_window_t window, int& width, int& height) {
    Reply<xcb_get_geometry_reply_t> geometry{xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, window), nullptr)};
    if (!geometry) return {};
    width = geometry->width;
    height = geometry->height;
    Reply<xcb_get_image_reply_t> image{xcb_get_image_reply(
        conn_,
        xcb_get_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, geometry->width, geometry->height, ~0u),
        nullptr)};
    if (!image || xcb_get_image_data_length(image.get()) < width * height * 4) return {};
    const std::uint8_t* bgrx = xcb_get_image_data(image.get());
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i) {
      rgb[i * 3 + 0] = bgrx[i * 4 + 2];
      rgb[i * 3 + 1] = bgrx[i * 4 + 1];
      rgb[i * 3 + 2] = bgrx[i * 4 + 0];
    }
    return rgb;
  }

  // What a window manager's close button sends.
  void requestClose(xcb_window_t window) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(conn_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(conn_);
  }

 private:
  xcb_connection_t* conn_;
};

struct Shot {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
  void save(const std::string& name) const {
    const fs::path folder = fs::path(PARVALON_BINARY_DIR) / "test-artifacts" / "ui";
    fs::create_directories(folder);
    stbi_write_png((folder / name).c_str(), width, height, 3, rgb.data(), width * 3);
  }
};

constexpr Rgb kSidebar{13, 13, 20};
constexpr Rgb kAccent{115, 89, 230};
constexpr Rgb kDotWaiting{115, 115, 140};
constexpr Rgb kBackground{15, 15, 26};
// Inside the navigation buttons, right of their labels: Dashboard and Logs (the sixth).
constexpr int kButtonX = 235;
constexpr int kDashboardButtonY = 203;
constexpr int kLogsButtonY = kDashboardButtonY + 5 * 52;  // 48 px buttons, 4 px apart
// "  About" sits 80 px above the sidebar's end: the bar, 15 px, then the button.
constexpr int kAboutButtonY = 900 - 56 - 80 + 1 + 15 + 24;

int runCommand(const std::string& command) { return std::system(command.c_str()); }

TEST(DashboardWindow, DrawsTheThemeSwitchesPagesAndClosesCleanly) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs the virtual desktop (scripts/test.sh)";
  const auto folder = fs::temp_directory_path() / ("parvalon-dashboard-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  test::writeSettingsWithFreePorts(folder);
  test::HostProcess host(folder);
  ASSERT_TRUE(host.start());
  ASSERT_TRUE(host.waitForLog("Application initialized, entering main loop...")) << host.output();

  Screen screen;
  ASSERT_TRUE(screen.ok());
  xcb_window_t window = 0;
  ASSERT_TRUE(testing::waitUntil([&] { return (window = screen.windowOf(host.pid())) != 0; }, 10s));

  Shot shot;
  const auto grab = [&] {
    shot.rgb = screen.grab(window, shot.width, shot.height);
    return !shot.rgb.empty() && shot.width >= 1400 && shot.height >= 900;
  };
  // The first frames may still be the clear colour: wait until the sidebar is drawn.
  ASSERT_TRUE(testing::waitUntil([&] { return grab() && near(shot.at(5, 450), kSidebar); }, 10s))
      << (shot.rgb.empty() ? std::string("no image") : std::string(near(shot.at(5, 450), kSidebar).message()));
  shot.save("dashboard.png");
  EXPECT_TRUE(near(shot.at(5, 450), kSidebar));
  EXPECT_TRUE(near(shot.at(kButtonX, kDashboardButtonY), kAccent));
  EXPECT_TRUE(near(shot.at(kButtonX, kLogsButtonY), kSidebar));
  EXPECT_TRUE(near(shot.at(25 + 6, shot.height - 56 + 18 + 8), kDotWaiting));
  EXPECT_TRUE(near(shot.at(shot.width - 40, 60), kBackground));
  EXPECT_TRUE(near(shot.at(shot.width - 40, shot.height - 10), kSidebar));  // status bar

  // A click on each navigation button selects its page. The pauses let the dashboard see the
  // pointer over the button in a frame of its own (it reads the pointer once per frame).
  const struct {
    const char* name;
    int y;
  } pages[] = {{"streaming", kDashboardButtonY + 52},     {"audio", kDashboardButtonY + 2 * 52},
               {"input", kDashboardButtonY + 3 * 52},     {"settings", kDashboardButtonY + 4 * 52},
               {"logs", kLogsButtonY},                    {"about", kAboutButtonY},
               {"dashboard-again", kDashboardButtonY}};
  for (const auto& page : pages) {
    const std::string id = std::to_string(window);
    ASSERT_EQ(runCommand("xdotool mousemove --window " + id + " " + std::to_string(kButtonX) + " " +
                         std::to_string(page.y) + " sleep 0.3 click 1 sleep 0.3 mousemove --window " + id + " 700 60"),
              0);
    EXPECT_TRUE(testing::waitUntil([&] { return grab() && near(shot.at(kButtonX, page.y), kAccent); }, 10s))
        << page.name << ": " << near(shot.at(kButtonX, page.y), kAccent).message();
    if (page.y != kDashboardButtonY) {
      EXPECT_TRUE(near(shot.at(kButtonX, kDashboardButtonY), kSidebar)) << page.name;
    }
    shot.save(std::string("page-") + page.name + ".png");
  }

  screen.requestClose(window);
  EXPECT_EQ(host.wait(20s), 0);
  const std::string log = host.log();
  const std::string last = "Parvalon Host exiting";
  const auto at = log.rfind(last);
  ASSERT_NE(at, std::string::npos) << log;
  // Only the logger's own farewell follows the exit line.
  const std::string rest = log.substr(at + last.size());
  EXPECT_EQ(std::count(rest.begin(), rest.end(), '\n'), 2) << rest;
  EXPECT_NE(rest.find("Shutting down logging"), std::string::npos) << rest;
  fs::remove_all(folder);
}

}  // namespace
}  // namespace parvalon::host
