#include "capture/WindowEnumerator.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include <stb/stb_image_write.h>

#include "protocol/Base64.h"
#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr std::uint64_t kWindowIdMask = 0xFFFFFFFFull;
constexpr int kPngChannels = 4;  // RGBA; alpha is always opaque after the black composition

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& table, std::string_view text) {
  return std::find(table.begin(), table.end(), text) != table.end();
}

void appendToVector(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<unsigned char>*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<protocol::WindowInfo> WindowEnumerator::enumerateWindows(platform::WindowList& windows) {
  std::vector<protocol::WindowInfo> list;
  for (platform::WindowHandle window : windows.topLevelWindows()) {
    if (!isCapturableWindow(windows, window)) continue;
    list.push_back(getWindowInfo(windows, window));
  }
  // std::string compares as unsigned bytes, a prefix first: exactly the UTF-8 byte order.
  std::stable_sort(list.begin(), list.end(),
                   [](const protocol::WindowInfo& a, const protocol::WindowInfo& b) { return a.title < b.title; });
  return list;
}

bool WindowEnumerator::isCapturableWindow(platform::WindowList& windows, platform::WindowHandle window) {
  if (!windows.isVisible(window)) return false;
  const std::string title = windows.title(window);
  if (title.empty()) return false;
  const platform::WindowStyle style = windows.style(window);
  if (style.toolWindow) return false;
  if (!style.hasCaption && !style.appWindow) return false;
  if (windows.isCloaked(window)) return false;
  if (contains(kExcludedClasses, windows.className(window))) return false;
  if (contains(kExcludedTitles, title)) return false;
  const auto rect = windows.windowRect(window);
  if (!rect || rect->width < 1 || rect->height < 1) return false;
  return true;
}

protocol::WindowInfo WindowEnumerator::getWindowInfo(platform::WindowList& windows, platform::WindowHandle window) {
  protocol::WindowInfo info;
  info.id = static_cast<std::uint32_t>(window & kWindowIdMask);
  info.title = getWindowTitle(windows, window);
  info.className = getClassName(windows, window);
  info.processName = getProcessName(windows, window);
  if (const auto rect = windows.windowRect(window)) {
    info.x = rect->x;
    info.y = rect->y;
    info.width = rect->width;
    info.height = rect->height;
  }
  info.isMinimized = windows.isMinimized(window);
  info.isMaximized = windows.isMaximized(window);
  info.isVisible = windows.isVisible(window);
  info.iconBase64 = getWindowIconBase64(windows, window);
  return info;
}

std::string WindowEnumerator::getWindowTitle(platform::WindowList& windows, platform::WindowHandle window) {
  return windows.title(window);
}

std::string WindowEnumerator::getClassName(platform::WindowList& windows, platform::WindowHandle window) {
  return windows.className(window);
}

std::string WindowEnumerator::getProcessName(platform::WindowList& windows, platform::WindowHandle window) {
  return fileNameOf(windows.processImagePath(window));
}

std::string WindowEnumerator::fileNameOf(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::vector<unsigned char> WindowEnumerator::iconToPng(const platform::IconImage& icon) {
  std::vector<unsigned char> png;
  const std::size_t pixels = static_cast<std::size_t>(icon.width) * icon.height;
  if (icon.width == 0 || icon.height == 0 || icon.argb.size() < pixels ||
      icon.width > static_cast<std::uint32_t>(std::numeric_limits<int>::max() / kPngChannels) ||
      icon.height > static_cast<std::uint32_t>(std::numeric_limits<int>::max())) {
    return png;
  }
  std::vector<unsigned char> rgba(pixels * kPngChannels);
  for (std::size_t i = 0; i < pixels; ++i) {
    const std::uint32_t p = icon.argb[i];
    const std::uint32_t a = p >> 24;
    // Straight alpha over black: each channel scaled by its coverage, rounded.
    auto over = [a](std::uint32_t c) { return static_cast<unsigned char>((c * a + 127) / 255); };
    rgba[4 * i] = over((p >> 16) & 0xFF);
    rgba[4 * i + 1] = over((p >> 8) & 0xFF);
    rgba[4 * i + 2] = over(p & 0xFF);
    rgba[4 * i + 3] = 0xFF;
  }
  const int width = static_cast<int>(icon.width);
  const int height = static_cast<int>(icon.height);
  const int result = stbi_write_png_to_func(appendToVector, &png, width, height, kPngChannels, rgba.data(),
                                            width * kPngChannels);
  if (result == 0) {
    PV_LOG_WARN("getWindowIconBase64: PNG encoding failed at some step: 0x{:08x}", static_cast<unsigned>(result));
    png.clear();
  }
  return png;
}

std::string WindowEnumerator::getWindowIconBase64(platform::WindowList& windows, platform::WindowHandle window) {
  const auto icon = windows.icon(window);
  if (!icon) return {};
  const std::vector<unsigned char> png = icon->png.empty() ? iconToPng(*icon) : icon->png;
  if (png.empty()) {
    PV_LOG_WARN("getWindowIconBase64: PNG data is empty after encoding for hwnd {:x}", window);
    return {};
  }
  return protocol::encodeBase64(png.data(), png.size());
}

}  // namespace parvalon::host
