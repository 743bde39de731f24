#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace parvalon::host::testing {

// A decoded picture turned back into BGRA with the matrix and range the stream signals.
struct DecodedPicture {
  int width = 0;
  int height = 0;
  AVColorSpace colorspace = AVCOL_SPC_UNSPECIFIED;
  AVColorRange range = AVCOL_RANGE_UNSPECIFIED;
  AVColorPrimaries primaries = AVCOL_PRI_UNSPECIFIED;
  AVColorTransferCharacteristic transfer = AVCOL_TRC_UNSPECIFIED;
  std::vector<std::uint8_t> bgra;  // width * 4 bytes a row; empty when the matrix is unknown
};

// libavcodec H.264 / HEVC decoder fed one access unit at a time.
class TestDecoder {
 public:
  explicit TestDecoder(bool hevc) {
    const AVCodec* codec = avcodec_find_decoder(hevc ? AV_CODEC_ID_HEVC : AV_CODEC_ID_H264);
    context_ = avcodec_alloc_context3(codec);
    context_->thread_count = 1;
    context_->flags |= AV_CODEC_FLAG_LOW_DELAY;
    opened_ = avcodec_open2(context_, codec, nullptr) == 0;
    frame_ = av_frame_alloc();
    packet_ = av_packet_alloc();
  }
  ~TestDecoder() {
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    avcodec_free_context(&context_);
  }
  TestDecoder(const TestDecoder&) = delete;
  TestDecoder& operator=(const TestDecoder&) = delete;

  bool opened() const { return opened_; }
  int errors() const { return errors_; }

  // Decodes one access unit; returns the pictures that came out (normally exactly one).
  std::vector<DecodedPicture> decode(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> copy(data, data + size);
    copy.resize(size + AV_INPUT_BUFFER_PADDING_SIZE, 0);
    packet_->data = copy.data();
    packet_->size = static_cast<int>(size);
    if (avcodec_send_packet(context_, packet_) < 0) ++errors_;
    return drain();
  }
  std::vector<DecodedPicture> flush() {
    avcodec_send_packet(context_, nullptr);
    return drain();
  }

 private:
  std::vector<DecodedPicture> drain() {
    std::vector<DecodedPicture> out;
    while (avcodec_receive_frame(context_, frame_) == 0) {
      out.push_back(convert(frame_));
      av_frame_unref(frame_);
    }
    return out;
  }

  // Reference YUV → RGB from the signalled description, independent of libyuv.
  static DecodedPicture convert(const AVFrame* f) {
    DecodedPicture p;
    p.width = f->width;
    p.height = f->height;
    p.colorspace = f->colorspace;
    p.range = f->color_range;
    p.primaries = f->color_primaries;
    p.transfer = f->color_trc;
    double kr = 0, kb = 0;
    if (f->colorspace == AVCOL_SPC_SMPTE170M || f->colorspace == AVCOL_SPC_BT470BG) {
      kr = 0.299;
      kb = 0.114;
    } else if (f->colorspace == AVCOL_SPC_BT709) {
      kr = 0.2126;
      kb = 0.0722;
    } else {
      return p;
    }
    const bool full = f->color_range == AVCOL_RANGE_JPEG;
    const double kg = 1.0 - kr - kb;
    p.bgra.resize(static_cast<std::size_t>(p.width) * p.height * 4);
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const double Y = f->data[0][y * f->linesize[0] + x];
        const double U = f->data[1][(y / 2) * f->linesize[1] + x / 2];
        const double V = f->data[2][(y / 2) * f->linesize[2] + x / 2];
        const double yn = full ? Y / 255.0 : (Y - 16.0) / 219.0;
        const double pb = full ? (U - 128.0) / 255.0 : (U - 128.0) / 224.0;
        const double pr = full ? (V - 128.0) / 255.0 : (V - 128.0) / 224.0;
        const double r = yn + 2.0 * (1.0 - kr) * pr;
        const double b = yn + 2.0 * (1.0 - kb) * pb;
        const double g = (yn - kr * r - kb * b) / kg;
        std::uint8_t* px = &p.bgra[(static_cast<std::size_t>(y) * p.width + x) * 4];
        px[0] = clamp(b);
        px[1] = clamp(g);
        px[2] = clamp(r);
        px[3] = 255;
      }
    }
    return p;
  }
  static std::uint8_t clamp(double v) {
    const double s = std::round(v * 255.0);
    return static_cast<std::uint8_t>(s < 0 ? 0 : (s > 255 ? 255 : s));
  }

  AVCodecContext* context_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVPacket* packet_ = nullptr;
  bool opened_ = false;
  int errors_ = 0;
};

}  // namespace parvalon::host::testing
