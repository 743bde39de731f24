#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <stb/stb_image.h>

#include "PngWriter.h"
#include "WavWriter.h"

namespace parvalon::viewer {
namespace {

namespace fs = std::filesystem;

fs::path temp(const char* name) { return fs::temp_directory_path() / ("parvalon-viewer-" + std::to_string(::getpid()) + "-" + name); }

std::vector<std::uint8_t> readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(WavWriter, HeaderSizesArePatchedOnClose) {
  const auto path = temp("tone.wav");
  {
    WavWriter wav;
    ASSERT_TRUE(wav.open(path.string(), 48000, 2));
    const std::int16_t samples[] = {1, -1, 0x1234, -32768};
    wav.write(samples, 2);
    EXPECT_EQ(wav.framesWritten(), 2u);
  }  // the destructor closes
  const std::vector<std::uint8_t> expected{
      'R', 'I', 'F', 'F', 44, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 2, 0,
      0x80, 0xBB, 0, 0, 0x00, 0xEE, 0x02, 0x00, 4, 0, 16, 0, 'd', 'a', 't', 'a', 8, 0, 0, 0,
      0x01, 0x00, 0xFF, 0xFF, 0x34, 0x12, 0x00, 0x80};
  EXPECT_EQ(readAll(path), expected);
  fs::remove(path);
}

TEST(WavWriter, UnwritablePathFails) {
  WavWriter wav;
  EXPECT_FALSE(wav.open("/nonexistent-folder/x.wav", 48000, 2));
  EXPECT_FALSE(wav.isOpen());
}

TEST(PngWriter, WritesPixelsThatReadBackExactly) {
  const auto path = temp("snap.png");
  RgbImage image;
  image.width = 3;
  image.height = 2;
  image.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90};
  ASSERT_TRUE(writePng(path.string(), image));
  int w = 0, h = 0, n = 0;
  unsigned char* data = stbi_load(path.c_str(), &w, &h, &n, 3);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(w, 3);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(std::vector<std::uint8_t>(data, data + 18), image.pixels);
  stbi_image_free(data);
  fs::remove(path);
}

TEST(PngWriter, RefusesAnEmptyOrShortPicture) {
  RgbImage empty;
  EXPECT_FALSE(writePng(temp("empty.png").string(), empty));
  RgbImage shortImage;
  shortImage.width = 4;
  shortImage.height = 4;
  shortImage.pixels.resize(10);  // fewer bytes than 4x4 pixels: must not read past them
  EXPECT_FALSE(writePng(temp("short.png").string(), shortImage));
}

}  // namespace
}  // namespace parvalon::viewer
