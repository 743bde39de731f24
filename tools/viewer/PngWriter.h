#pragma once

#include <string>

#include "RgbImage.h"

namespace parvalon::viewer {

// Writes an RGB picture as a PNG file; false (after one log line) when it cannot.
bool writePng(const std::string& path, const RgbImage& image);

}  // namespace parvalon::viewer
