#pragma once

#include "RgbImage.h"

struct AVFrame;
struct SwsContext;

namespace parvalon::viewer {

// Decoded YUV picture → RGB, cropped to the stream's configured size (the encoder pads to a
// 16-pixel grid), using the matrix and range the stream's VUI signals.
class RgbConverter {
 public:
  RgbConverter() = default;
  ~RgbConverter();
  RgbConverter(const RgbConverter&) = delete;
  RgbConverter& operator=(const RgbConverter&) = delete;

  // `width`/`height` 0 (or larger than the picture) keep the decoded size on that axis.
  bool convert(const AVFrame& picture, int width, int height, RgbImage& out);

 private:
  SwsContext* context_ = nullptr;
};

}  // namespace parvalon::viewer
