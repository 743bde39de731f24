#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace parvalon::viewer {

// Splits an H.264 FLV byte stream (what ffmpeg writes with -f flv) into Annex-B access
// units. The latency benchmark reads ffmpeg's pipeline through it: FLV frames every packet
// with its length, so a picture is complete as soon as its bytes are in, which raw H.264
// cannot say before the next picture starts.
class FlvReader {
 public:
  struct Unit {
    bool parameterSets = false;  // SPS and PPS from the decoder configuration record
    bool keyFrame = false;
    std::vector<std::uint8_t> annexB;
  };

  // Takes the next bytes of the stream; complete units come out in order. False once the
  // stream is malformed (the reader then stays failed and returns nothing more).
  bool feed(const std::uint8_t* data, std::size_t size, std::vector<Unit>& out);
  const std::string& error() const { return error_; }

 private:
  bool fail(std::string why);
  bool parseTag(const std::uint8_t* tag, std::size_t size, std::vector<Unit>& out);
  bool parseConfig(const std::uint8_t* p, std::size_t size, std::vector<Unit>& out);
  bool parseNalus(const std::uint8_t* p, std::size_t size, bool key, std::vector<Unit>& out);

  std::vector<std::uint8_t> buffer_;
  bool headerDone_ = false;
  std::size_t lengthSize_ = 4;
  bool failed_ = false;
  std::string error_;
};

}  // namespace parvalon::viewer
