#include "WavWriter.h"

#include <array>
#include <limits>

#include "logging/Log.h"

namespace parvalon::viewer {
namespace {
constexpr std::uint32_t kHeaderBytes = 44;

void put16(std::array<char, kHeaderBytes>& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>(v >> 8);
}
void put32(std::array<char, kHeaderBytes>& b, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
}  // namespace

WavWriter::~WavWriter() { close(); }

bool WavWriter::open(const std::string& path, std::uint32_t sampleRate, std::uint16_t channels) {
  close();
  file_.open(path, std::ios::binary | std::ios::trunc);
  if (!file_) {
    PV_LOG_ERROR("Cannot write audio file {}", path);
    return false;
  }
  sampleRate_ = sampleRate;
  channels_ = channels;
  frames_ = 0;
  writeHeader(0);
  return true;
}

void WavWriter::writeHeader(std::uint32_t dataBytes) {
  std::array<char, kHeaderBytes> h{};
  const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels_ * 2);
  h[0] = 'R'; h[1] = 'I'; h[2] = 'F'; h[3] = 'F';
  put32(h, 4, 36 + dataBytes);
  h[8] = 'W'; h[9] = 'A'; h[10] = 'V'; h[11] = 'E';
  h[12] = 'f'; h[13] = 'm'; h[14] = 't'; h[15] = ' ';
  put32(h, 16, 16);
  put16(h, 20, 1);  // PCM
  put16(h, 22, channels_);
  put32(h, 24, sampleRate_);
  put32(h, 28, sampleRate_ * blockAlign);
  put16(h, 32, blockAlign);
  put16(h, 34, 16);
  h[36] = 'd'; h[37] = 'a'; h[38] = 't'; h[39] = 'a';
  put32(h, 40, dataBytes);
  file_.write(h.data(), h.size());
}

void WavWriter::write(const std::int16_t* samples, std::size_t frames) {
  if (!file_.is_open() || frames == 0) return;
  // The RIFF sizes are 32-bit: stop before they would overflow rather than write a broken file.
  const std::uint64_t maxFrames = (std::numeric_limits<std::uint32_t>::max() - 36) / (channels_ * 2u);
  if (frames_ + frames > maxFrames) return;
  const std::size_t count = frames * channels_;
  std::string bytes(count * 2, '\0');
  for (std::size_t i = 0; i < count; ++i) {
    const auto v = static_cast<std::uint16_t>(samples[i]);
    bytes[2 * i] = static_cast<char>(v & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(v >> 8);
  }
  file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  frames_ += frames;
}

void WavWriter::close() {
  if (!file_.is_open()) return;
  file_.seekp(0);
  writeHeader(static_cast<std::uint32_t>(frames_ * channels_ * 2));
  file_.close();
}

}  // namespace parvalon::viewer
