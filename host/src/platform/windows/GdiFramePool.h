#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace parvalon::host::platform::win32 {

// The "frame pool" of a GDI capture: a top-down 32-bit DIB section selected into a memory DC of
// its own, so BitBlt writes B, G, R, A bytes straight into memory the frame callback can read.
class GdiFramePool {
 public:
  GdiFramePool() = default;
  ~GdiFramePool() { release(); }
  GdiFramePool(const GdiFramePool&) = delete;
  GdiFramePool& operator=(const GdiFramePool&) = delete;

  // Replaces the pool by one of width × height; false with `error` filled (the pool is then empty).
  bool create(std::uint32_t width, std::uint32_t height, std::string& error);
  void release();

  HDC dc() const { return dc_; }
  std::uint8_t* pixels() const { return pixels_; }
  std::uint32_t width() const { return width_; }
  std::uint32_t height() const { return height_; }
  std::uint32_t stride() const { return width_ * 4; }
  std::size_t bytes() const { return static_cast<std::size_t>(stride()) * height_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  std::uint8_t* pixels_ = nullptr;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
};

}  // namespace parvalon::host::platform::win32
