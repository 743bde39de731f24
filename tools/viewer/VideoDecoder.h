#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

namespace parvalon::viewer {

enum class VideoCodec { H264, Hevc };

// Decodes Annex-B access units with libavcodec, one picture out per access unit (no frame
// threading, low-delay flags: a headset decoder that buffers pictures adds their time to latency).
class VideoDecoder {
 public:
  enum class Result { Picture, NoPicture, Error };

  VideoDecoder();
  ~VideoDecoder();
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  // Opens the decoder. `parameterSets` (SPS and PPS, with or without start codes) go in front of
  // the first access unit, so a stream whose key frames lack them still decodes.
  bool open(VideoCodec codec, const std::vector<std::vector<std::uint8_t>>& parameterSets);
  bool isOpen() const { return context_ != nullptr; }
  void close();

  // Decodes one access unit. Error covers both a refused packet and a picture the decoder flags
  // as damaged (a reference was missing).
  Result decode(const std::uint8_t* data, std::size_t size);

  // The last picture produced; valid until the next decode.
  const AVFrame* picture() const { return havePicture_ ? frame_ : nullptr; }

  // Annex-B form of one parameter set: a start code in front unless it has one.
  static std::vector<std::uint8_t> withStartCode(const std::vector<std::uint8_t>& nal);

 private:
  AVCodecContext* context_ = nullptr;
  AVFrame* frame_ = nullptr;
  AVPacket* packet_ = nullptr;
  bool havePicture_ = false;
  std::vector<std::uint8_t> prefix_;  // parameter sets still to be sent with the next unit
  std::vector<std::uint8_t> joined_;
};

}  // namespace parvalon::viewer
