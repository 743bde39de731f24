#include "RgbConverter.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>

#include "logging/Log.h"

namespace parvalon::viewer {
namespace {

// The VUI matrix coefficients as a swscale coefficient table; unspecified streams are BT.601,
// which is what decoders conventionally assume for standard-definition-style content.
int swsColourspace(AVColorSpace space) {
  switch (space) {
    case AVCOL_SPC_BT709: return SWS_CS_ITU709;
    case AVCOL_SPC_FCC: return SWS_CS_FCC;
    case AVCOL_SPC_SMPTE240M: return SWS_CS_SMPTE240M;
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL: return SWS_CS_BT2020;
    default: return SWS_CS_ITU601;
  }
}

// The deprecated full-range "J" formats are the same planes; the range is passed separately.
AVPixelFormat plainFormat(AVPixelFormat format, bool& fullRange) {
  switch (format) {
    case AV_PIX_FMT_YUVJ420P: fullRange = true; return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P: fullRange = true; return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P: fullRange = true; return AV_PIX_FMT_YUV444P;
    default: return format;
  }
}

}  // namespace

RgbConverter::~RgbConverter() { sws_freeContext(context_); }

bool RgbConverter::convert(const AVFrame& picture, int width, int height, RgbImage& out) {
  const int w = (width > 0 && width <= picture.width) ? width : picture.width;
  const int h = (height > 0 && height <= picture.height) ? height : picture.height;
  if (w <= 0 || h <= 0) return false;
  bool fullRange = picture.color_range == AVCOL_RANGE_JPEG;
  const AVPixelFormat format = plainFormat(static_cast<AVPixelFormat>(picture.format), fullRange);

  // Cropping keeps the top-left corner: converting a w×h source from the same plane pointers.
  context_ = sws_getCachedContext(context_, w, h, format, w, h, AV_PIX_FMT_RGB24, SWS_POINT | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
  if (context_ == nullptr) {
    PV_LOG_ERROR("No colour conversion from pixel format {} to RGB", static_cast<int>(format));
    return false;
  }
  const int* coefficients = sws_getCoefficients(swsColourspace(picture.colorspace));
  sws_setColorspaceDetails(context_, coefficients, fullRange ? 1 : 0, sws_getCoefficients(SWS_CS_DEFAULT), 1, 0,
                           1 << 16, 1 << 16);

  out.width = w;
  out.height = h;
  out.pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
  std::uint8_t* dst[4] = {out.pixels.data(), nullptr, nullptr, nullptr};
  int dstStride[4] = {w * 3, 0, 0, 0};
  const int rows = sws_scale(context_, picture.data, picture.linesize, 0, h, dst, dstStride);
  return rows == h;
}

}  // namespace parvalon::viewer
