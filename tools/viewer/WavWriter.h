#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace parvalon::viewer {

// 16-bit PCM WAV file. The sizes in the header are patched on close, so a file that is closed
// properly is always valid; the destructor closes.
class WavWriter {
 public:
  WavWriter() = default;
  ~WavWriter();
  WavWriter(const WavWriter&) = delete;
  WavWriter& operator=(const WavWriter&) = delete;

  bool open(const std::string& path, std::uint32_t sampleRate, std::uint16_t channels);
  // `frames` frames of interleaved samples.
  void write(const std::int16_t* samples, std::size_t frames);
  void close();
  bool isOpen() const { return file_.is_open(); }
  std::uint64_t framesWritten() const { return frames_; }

 private:
  void writeHeader(std::uint32_t dataBytes);

  std::ofstream file_;
  std::uint32_t sampleRate_ = 0;
  std::uint16_t channels_ = 0;
  std::uint64_t frames_ = 0;
};

}  // namespace parvalon::viewer
