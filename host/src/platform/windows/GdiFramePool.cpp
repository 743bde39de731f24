#include "platform/windows/GdiFramePool.h"

#include <fmt/format.h>

namespace parvalon::host::platform::win32 {

namespace {

// Larger than any desktop; keeps width × height × 4 far from overflowing a 32-bit size.
constexpr std::uint32_t kMaxDimension = 16384;

}  // namespace

bool GdiFramePool::create(std::uint32_t width, std::uint32_t height, std::string& error) {
  release();
  if (width == 0 || height == 0 || width > kMaxDimension || height > kMaxDimension) {
    error = fmt::format("frame pool size {}x{} out of range", width, height);
    return false;
  }
  dc_ = CreateCompatibleDC(nullptr);
  if (!dc_) {
    error = fmt::format("CreateCompatibleDC failed: {}", GetLastError());
    return false;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // negative: the first row is the top one
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_ || !bits) {
    error = fmt::format("CreateDIBSection {}x{} failed: {}", width, height, GetLastError());
    release();
    return false;
  }
  previousBitmap_ = SelectObject(dc_, bitmap_);
  pixels_ = static_cast<std::uint8_t*>(bits);
  width_ = width;
  height_ = height;
  return true;
}

void GdiFramePool::release() {
  if (dc_ && previousBitmap_) SelectObject(dc_, previousBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  previousBitmap_ = nullptr;
  pixels_ = nullptr;
  width_ = height_ = 0;
}

}  // namespace parvalon::host::platform::win32
