#include "StampReader.h"

extern "C" {
#include <libavutil/frame.h>
}

namespace parvalon::viewer {

std::optional<testpattern::Stamp> StampReader::read(const AVFrame& picture) {
  if (picture.data[0] == nullptr || picture.linesize[0] <= 0) return std::nullopt;
  return testpattern::decodeStampLuma(picture.data[0], static_cast<std::size_t>(picture.linesize[0]), picture.width,
                                      picture.height);
}

std::optional<testpattern::Stamp> StampReader::readNew(const AVFrame& picture) {
  auto stamp = read(picture);
  if (!stamp || (lastFrame_ && *lastFrame_ == stamp->frame)) return std::nullopt;
  lastFrame_ = stamp->frame;
  return stamp;
}

}  // namespace parvalon::viewer
