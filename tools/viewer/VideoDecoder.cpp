#include "VideoDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
}

#include <cstring>

#include "logging/Log.h"

namespace parvalon::viewer {
namespace {
// Slice threads only: they split one picture and do not delay output like frame threads.
constexpr int kDecoderThreads = 2;
}  // namespace

VideoDecoder::VideoDecoder() = default;
VideoDecoder::~VideoDecoder() { close(); }

std::vector<std::uint8_t> VideoDecoder::withStartCode(const std::vector<std::uint8_t>& nal) {
  const bool has4 = nal.size() >= 4 && nal[0] == 0 && nal[1] == 0 && nal[2] == 0 && nal[3] == 1;
  const bool has3 = nal.size() >= 3 && nal[0] == 0 && nal[1] == 0 && nal[2] == 1;
  if (has3 || has4 || nal.empty()) return nal;
  std::vector<std::uint8_t> out{0, 0, 0, 1};
  out.insert(out.end(), nal.begin(), nal.end());
  return out;
}

bool VideoDecoder::open(VideoCodec codec, const std::vector<std::vector<std::uint8_t>>& parameterSets) {
  close();
  const AVCodec* decoder = avcodec_find_decoder(codec == VideoCodec::Hevc ? AV_CODEC_ID_HEVC : AV_CODEC_ID_H264);
  if (decoder == nullptr) {
    PV_LOG_ERROR("No {} decoder in libavcodec", codec == VideoCodec::Hevc ? "HEVC" : "H.264");
    return false;
  }
  context_ = avcodec_alloc_context3(decoder);
  frame_ = av_frame_alloc();
  packet_ = av_packet_alloc();
  if (context_ == nullptr || frame_ == nullptr || packet_ == nullptr) {
    PV_LOG_ERROR("Out of memory creating the video decoder");
    close();
    return false;
  }
  context_->flags |= AV_CODEC_FLAG_LOW_DELAY;
  context_->thread_count = kDecoderThreads;
  context_->thread_type = FF_THREAD_SLICE;
  if (const int rc = avcodec_open2(context_, decoder, nullptr); rc < 0) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(rc, text, sizeof text);
    PV_LOG_ERROR("Failed to open the video decoder: {}", text);
    close();
    return false;
  }
  prefix_.clear();
  for (const auto& set : parameterSets) {
    const auto annexB = withStartCode(set);
    prefix_.insert(prefix_.end(), annexB.begin(), annexB.end());
  }
  return true;
}

void VideoDecoder::close() {
  if (context_ != nullptr) avcodec_free_context(&context_);
  if (frame_ != nullptr) av_frame_free(&frame_);
  if (packet_ != nullptr) av_packet_free(&packet_);
  havePicture_ = false;
}

VideoDecoder::Result VideoDecoder::decode(const std::uint8_t* data, std::size_t size) {
  if (context_ == nullptr || size == 0) return Result::Error;
  // libavcodec's bitstream reader may read past the end: the packet needs zeroed padding.
  const std::size_t total = prefix_.size() + size;
  joined_.resize(total + AV_INPUT_BUFFER_PADDING_SIZE);
  if (!prefix_.empty()) std::memcpy(joined_.data(), prefix_.data(), prefix_.size());
  std::memcpy(joined_.data() + prefix_.size(), data, size);
  std::memset(joined_.data() + total, 0, AV_INPUT_BUFFER_PADDING_SIZE);
  prefix_.clear();

  av_packet_unref(packet_);
  packet_->data = joined_.data();
  packet_->size = static_cast<int>(total);
  havePicture_ = false;
  const int sent = avcodec_send_packet(context_, packet_);
  packet_->data = nullptr;
  packet_->size = 0;
  if (sent < 0 && sent != AVERROR(EAGAIN)) return Result::Error;

  // Low delay: at most one picture per access unit.
  av_frame_unref(frame_);
  const int rc = avcodec_receive_frame(context_, frame_);
  if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return Result::NoPicture;
  if (rc < 0) return Result::Error;
  havePicture_ = true;
  if ((frame_->flags & AV_FRAME_FLAG_CORRUPT) != 0 || frame_->decode_error_flags != 0) return Result::Error;
  return havePicture_ ? Result::Picture : Result::NoPicture;
}

}  // namespace parvalon::viewer
