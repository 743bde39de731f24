#include <gtest/gtest.h>

#include <stb/stb_image.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>

#include "PatternStamp.h"
#include "support/TestPatternProcess.h"
#include "protocol/Base64.h"
#include "protocol/SignalingMessages.h"
#include "capture/WindowEnumerator.h"

namespace parvalon::host {
namespace {

using testing::TestPatternProcess;
using testing::runCommand;

std::optional<protocol::WindowInfo> findWindow(const std::vector<protocol::WindowInfo>& list,
                                               platform::WindowHandle window) {
  for (const auto& info : list) {
    if (info.id == static_cast<std::uint32_t>(window)) return info;
  }
  return std::nullopt;
}

int xwininfoField(const std::string& text, const std::string& field) {
  std::smatch m;
  if (!std::regex_search(text, m, std::regex(field + ":\\s+(-?\\d+)"))) return -99999;
  return std::stoi(m[1]);
}

class DesktopEnumeration : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "desktop tests need DISPLAY"; }
  std::shared_ptr<platform::WindowSystem> windows = platform::WindowSystem::create();
};

TEST_F(DesktopEnumeration, ListsThePatternWindowAsXwininfoSeesIt) {
  TestPatternProcess pattern({"--title", "Parvalon Enum Main", "--width", "640", "--height", "480", "--x", "120",
                              "--y", "90", "--fps", "10"});
  ASSERT_NE(pattern.window(), 0u);
  ASSERT_TRUE(testing::waitUntilManaged(*windows, pattern.window()));
  const auto info = findWindow(WindowEnumerator::enumerateWindows(*windows), pattern.window());
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->title, "Parvalon Enum Main");
  EXPECT_EQ(info->className, "ParvalonTestPattern");
  EXPECT_EQ(info->processName, "parvalon-testpattern");
  EXPECT_TRUE(info->isVisible);
  EXPECT_FALSE(info->isMinimized);
  EXPECT_FALSE(info->isMaximized);

  const std::string xwininfo = runCommand("xwininfo -id " + pattern.hexId());
  EXPECT_EQ(info->x, xwininfoField(xwininfo, "Absolute upper-left X"));
  EXPECT_EQ(info->y, xwininfoField(xwininfo, "Absolute upper-left Y"));
  EXPECT_EQ(info->width, xwininfoField(xwininfo, "Width"));
  EXPECT_EQ(info->height, xwininfoField(xwininfo, "Height"));
  EXPECT_EQ(info->width, 640);
  EXPECT_EQ(info->height, 480);

  // The icon: the 48-pixel entry (the 300-pixel one is too large, the 16-pixel one smaller)
  // composed over black.
  const auto png = protocol::decodeBase64(info->iconBase64);
  ASSERT_TRUE(png.has_value());
  int w = 0, h = 0, channels = 0;
  unsigned char* pixels = stbi_load_from_memory(png->data(), static_cast<int>(png->size()), &w, &h, &channels, 4);
  ASSERT_NE(pixels, nullptr);
  const auto size = testpattern::kListedIconSize;
  ASSERT_EQ(w, static_cast<int>(size));
  ASSERT_EQ(h, static_cast<int>(size));
  int mismatches = 0;
  for (std::uint32_t y = 0; y < size; ++y) {
    for (std::uint32_t x = 0; x < size; ++x) {
      const std::uint32_t p = testpattern::iconPixel(size, x, y);
      const std::uint32_t a = p >> 24;
      const unsigned char* got = pixels + 4 * (y * size + x);
      const unsigned char want[4] = {static_cast<unsigned char>((((p >> 16) & 0xFF) * a + 127) / 255),
                                     static_cast<unsigned char>((((p >> 8) & 0xFF) * a + 127) / 255),
                                     static_cast<unsigned char>(((p & 0xFF) * a + 127) / 255), 255};
      mismatches += std::memcmp(got, want, 4) != 0;
    }
  }
  stbi_image_free(pixels);
  EXPECT_EQ(mismatches, 0);
}

TEST_F(DesktopEnumeration, LeavesOutTheWindowManagerAndPopups) {
  TestPatternProcess pattern({"--title", "Parvalon Enum Framed", "--width", "600", "--height", "400", "--fps", "5"});
  TestPatternProcess popup({"--title", "Parvalon Enum Popup", "--width", "300", "--height", "200", "--x", "900",
                            "--y", "600", "--override-redirect", "--static"});
  ASSERT_NE(pattern.window(), 0u);
  ASSERT_NE(popup.window(), 0u);
  ASSERT_TRUE(testing::waitUntilManaged(*windows, pattern.window()));
  ASSERT_TRUE(testing::waitFor([&] { return windows->isVisible(popup.window()); }));
  const auto list = WindowEnumerator::enumerateWindows(*windows);
  EXPECT_TRUE(findWindow(list, pattern.window()).has_value());
  EXPECT_FALSE(findWindow(list, popup.window()).has_value());

  // openbox's own windows: its check window and the frame it put around the pattern window.
  std::smatch m;
  const std::string rootProps = runCommand("xprop -root _NET_SUPPORTING_WM_CHECK");
  ASSERT_TRUE(std::regex_search(rootProps, m, std::regex("window id # (0x[0-9a-f]+)")));
  const auto wmCheck = std::stoull(m[1], nullptr, 16);
  EXPECT_FALSE(findWindow(list, wmCheck).has_value());
  const std::string tree = runCommand("xwininfo -tree -id " + pattern.hexId());
  ASSERT_TRUE(std::regex_search(tree, m, std::regex("Parent window id: (0x[0-9a-f]+)")));
  const auto frame = std::stoull(m[1], nullptr, 16);
  EXPECT_NE(frame, pattern.window());
  EXPECT_FALSE(findWindow(list, frame).has_value());
  for (const auto& info : list) EXPECT_NE(info.title, "") << std::hex << info.id;
}

TEST_F(DesktopEnumeration, MinimizedWindowIsListedAsMinimized) {
  TestPatternProcess pattern({"--title", "Parvalon Enum Iconic", "--width", "500", "--height", "300", "--static"});
  ASSERT_NE(pattern.window(), 0u);
  ASSERT_TRUE(testing::waitUntilManaged(*windows, pattern.window()));
  runCommand("xdotool windowminimize " + pattern.hexId());
  ASSERT_TRUE(testing::waitFor([&] { return windows->isMinimized(pattern.window()); }));
  const auto info = findWindow(WindowEnumerator::enumerateWindows(*windows), pattern.window());
  ASSERT_TRUE(info.has_value());
  EXPECT_TRUE(info->isMinimized);
  EXPECT_TRUE(info->isVisible);
  EXPECT_EQ(info->title, "Parvalon Enum Iconic");
}

// WM_NAME of type STRING is Latin-1; it must arrive as UTF-8 ("Caf\xe9" -> "Café").
TEST_F(DesktopEnumeration, Latin1TitleBecomesUtf8) {
  TestPatternProcess pattern({"--title", "Parvalon Caf\xE9", "--width", "400", "--height", "300", "--static",
                              "--latin1-title"});
  ASSERT_NE(pattern.window(), 0u);
  ASSERT_TRUE(testing::waitUntilManaged(*windows, pattern.window()));
  const auto info = findWindow(WindowEnumerator::enumerateWindows(*windows), pattern.window());
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->title, "Parvalon Caf\xC3\xA9");
}

// An executable file name and a WM_CLASS that are not UTF-8 used to reach the strict JSON
// writer as they were, which threw: no window_list at all. Both arrive with U+FFFD in place of
// the bytes 0xFF 0xFE, and the list with the other windows serialises.
TEST_F(DesktopEnumeration, InvalidUtf8InProcessAndClassNamesBecomesReplacementCharacters) {
  const auto folder = std::filesystem::temp_directory_path() / ("parvalon-odd-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const auto oddBinary = folder / "parvalon-tp-\xFF\xFE";
  std::filesystem::copy_file(PARVALON_TESTPATTERN_PATH, oddBinary, std::filesystem::copy_options::overwrite_existing);
  {
    TestPatternProcess odd({"--title", "Parvalon Enum Odd Names", "--width", "400", "--height", "300", "--static",
                            "--class", "Odd\xFF\xFE" "Class"},
                           oddBinary.string());
    TestPatternProcess plain({"--title", "Parvalon Enum Plain Names", "--width", "400", "--height", "300", "--x",
                              "500", "--static"});
    ASSERT_NE(odd.window(), 0u);
    ASSERT_NE(plain.window(), 0u);
    ASSERT_TRUE(testing::waitUntilManaged(*windows, odd.window()));
    ASSERT_TRUE(testing::waitUntilManaged(*windows, plain.window()));
    const auto list = WindowEnumerator::enumerateWindows(*windows);
    const auto info = findWindow(list, odd.window());
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->processName, "parvalon-tp-\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(info->className, "Odd\xEF\xBF\xBD\xEF\xBF\xBD" "Class");
    EXPECT_EQ(info->title, "Parvalon Enum Odd Names");
    EXPECT_TRUE(findWindow(list, plain.window()).has_value());
    std::string text;
    EXPECT_NO_THROW(text = protocol::windowListJson(list).dump());
    EXPECT_NE(text.find("Parvalon Enum Plain Names"), std::string::npos);
  }
  std::filesystem::remove_all(folder);
}

TEST_F(DesktopEnumeration, QueriesOnAVanishedWindowAnswerEmpty) {
  platform::WindowHandle gone = 0;
  {
    TestPatternProcess pattern({"--title", "Parvalon Enum Gone", "--static"});
    gone = pattern.window();
    ASSERT_NE(gone, 0u);
    ASSERT_TRUE(testing::waitUntilManaged(*windows, gone));
  }
  ASSERT_TRUE(testing::waitFor([&] { return !windows->isWindow(gone); }));
  EXPECT_FALSE(windows->isVisible(gone));
  EXPECT_EQ(windows->title(gone), "");
  EXPECT_FALSE(windows->windowRect(gone).has_value());
  EXPECT_FALSE(windows->icon(gone).has_value());
  EXPECT_EQ(windows->processImagePath(gone), "");
  EXPECT_FALSE(WindowEnumerator::isCapturableWindow(*windows, gone));
}

}  // namespace
}  // namespace parvalon::host
