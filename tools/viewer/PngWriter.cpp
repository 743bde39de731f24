#include "PngWriter.h"

#include <stb/stb_image_write.h>

#include "logging/Log.h"

namespace parvalon::viewer {

bool writePng(const std::string& path, const RgbImage& image) {
  if (image.width <= 0 || image.height <= 0 || image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3) {
    PV_LOG_ERROR("No picture to write to {}", path);
    return false;
  }
  if (stbi_write_png(path.c_str(), image.width, image.height, 3, image.pixels.data(), image.width * 3) == 0) {
    PV_LOG_ERROR("Failed to write snapshot {}", path);
    return false;
  }
  return true;
}

}  // namespace parvalon::viewer
