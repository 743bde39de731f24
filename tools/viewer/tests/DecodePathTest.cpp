#include <gtest/gtest.h>

extern "C" {
#include <x264.h>
#include <libavutil/frame.h>
}

#include <algorithm>
#include <cmath>

#include "PatternStamp.h"
#include "RgbConverter.h"
#include "StampReader.h"
#include "VideoDecoder.h"

namespace parvalon::viewer {
namespace {

namespace tp = testpattern;

// The window's size; the encoder works on the 16-aligned size, as the host pads it.
constexpr int kWidth = 600;
constexpr int kHeight = 200;
constexpr int kCodedWidth = 608;
constexpr int kCodedHeight = 208;

struct Colourimetry {
  int matrix;  // VUI matrix coefficients: 1 BT.709, 6 BT.601
  bool fullRange;
};

// The test pattern's stamp and patches on its background; the padding is black.
std::vector<tp::Rgb> drawPicture(const tp::Stamp& stamp) {
  std::vector<tp::Rgb> rgb(static_cast<std::size_t>(kCodedWidth) * kCodedHeight, tp::Rgb{0, 0, 0});
  auto at = [&](int x, int y) -> tp::Rgb& { return rgb[static_cast<std::size_t>(y) * kCodedWidth + x]; };
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) at(x, y) = tp::kBackground;
  const auto words = tp::stampWords(stamp);
  for (int row = 0; row < tp::kStampRows; ++row)
    for (int bit = 0; bit < tp::kStampBitsPerRow; ++bit) {
      const std::uint8_t v = tp::stampBlockWhite(words, row, bit) ? 255 : 0;
      for (int y = 0; y < tp::kStampBlock; ++y)
        for (int x = 0; x < tp::kStampBlock; ++x)
          at(tp::kStampX + bit * tp::kStampBlock + x, tp::kStampY + row * tp::kStampBlock + y) = {v, v, v};
    }
  for (std::size_t i = 0; i < tp::kPatches.size(); ++i)
    for (int y = 0; y < tp::kPatchSize; ++y)
      for (int x = 0; x < tp::kPatchSize; ++x) at(tp::patchLeft(i) + x, tp::kPatchY + y) = tp::kPatches[i];
  return rgb;
}

// RGB → Y'CbCr as an encoder with this matrix and range writes it.
void toYuv(const std::vector<tp::Rgb>& rgb, const Colourimetry& c, x264_picture_t& pic) {
  const double kr = c.matrix == 1 ? 0.2126 : 0.299;
  const double kb = c.matrix == 1 ? 0.0722 : 0.114;
  const double kg = 1 - kr - kb;
  auto clamp8 = [](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
  for (int y = 0; y < kCodedHeight; ++y)
    for (int x = 0; x < kCodedWidth; ++x) {
      const tp::Rgb p = rgb[static_cast<std::size_t>(y) * kCodedWidth + x];
      const double r = p.r / 255.0, g = p.g / 255.0, b = p.b / 255.0;
      const double luma = kr * r + kg * g + kb * b;
      const double pb = (b - luma) / (2 * (1 - kb));
      const double pr = (r - luma) / (2 * (1 - kr));
      pic.img.plane[0][y * pic.img.i_stride[0] + x] = clamp8(c.fullRange ? 255 * luma : 16 + 219 * luma);
      if (x % 2 == 0 && y % 2 == 0) {
        pic.img.plane[1][(y / 2) * pic.img.i_stride[1] + x / 2] = clamp8(128 + (c.fullRange ? 255 : 224) * pb);
        pic.img.plane[2][(y / 2) * pic.img.i_stride[2] + x / 2] = clamp8(128 + (c.fullRange ? 255 : 224) * pr);
      }
    }
}

class Encoder {
 public:
  explicit Encoder(const Colourimetry& c) {
    x264_param_t p;
    x264_param_default_preset(&p, "ultrafast", "zerolatency");
    p.i_width = kCodedWidth;
    p.i_height = kCodedHeight;
    p.i_csp = X264_CSP_I420;
    p.i_threads = 1;
    p.b_annexb = 1;
    // Key frames without SPS/PPS: the decoder must get them from the stream's configuration.
    p.b_repeat_headers = 0;
    p.rc.i_rc_method = X264_RC_CQP;
    p.rc.i_qp_constant = 8;
    p.vui.b_fullrange = c.fullRange ? 1 : 0;
    p.vui.i_colmatrix = c.matrix;
    p.vui.i_colorprim = 1;
    p.vui.i_transfer = 1;
    encoder_ = x264_encoder_open(&p);
    x264_picture_alloc(&picture_, X264_CSP_I420, kCodedWidth, kCodedHeight);
  }
  ~Encoder() {
    x264_picture_clean(&picture_);
    if (encoder_) x264_encoder_close(encoder_);
  }
  bool ok() const { return encoder_ != nullptr; }

  std::vector<std::vector<std::uint8_t>> headers() {
    x264_nal_t* nals = nullptr;
    int count = 0;
    x264_encoder_headers(encoder_, &nals, &count);
    std::vector<std::vector<std::uint8_t>> sets;
    for (int i = 0; i < count; ++i) {
      if (nals[i].i_type == NAL_SPS || nals[i].i_type == NAL_PPS)
        sets.emplace_back(nals[i].p_payload, nals[i].p_payload + nals[i].i_payload);
    }
    return sets;
  }

  std::vector<std::uint8_t> encode(const std::vector<tp::Rgb>& rgb, const Colourimetry& c) {
    toYuv(rgb, c, picture_);
    picture_.i_pts = pts_++;
    x264_picture_t out;
    x264_nal_t* nals = nullptr;
    int count = 0;
    x264_encoder_encode(encoder_, &nals, &count, &picture_, &out);
    std::vector<std::uint8_t> unit;
    for (int i = 0; i < count; ++i) unit.insert(unit.end(), nals[i].p_payload, nals[i].p_payload + nals[i].i_payload);
    return unit;
  }

 private:
  x264_t* encoder_ = nullptr;
  x264_picture_t picture_{};
  std::int64_t pts_ = 0;
};

class DecodePath : public ::testing::TestWithParam<Colourimetry> {};

TEST_P(DecodePath, CropsAndConvertsWithTheSignalledMatrixAndRange) {
  Encoder encoder(GetParam());
  ASSERT_TRUE(encoder.ok());
  VideoDecoder decoder;
  ASSERT_TRUE(decoder.open(VideoCodec::H264, encoder.headers()));
  const tp::Stamp first{0x0000012345678ABCull, 41};
  const auto unit = encoder.encode(drawPicture(first), GetParam());
  ASSERT_FALSE(unit.empty());
  ASSERT_EQ(decoder.decode(unit.data(), unit.size()), VideoDecoder::Result::Picture);
  const AVFrame* picture = decoder.picture();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width, kCodedWidth);

  RgbConverter converter;
  RgbImage image;
  ASSERT_TRUE(converter.convert(*picture, kWidth, kHeight, image));
  EXPECT_EQ(image.width, kWidth);
  EXPECT_EQ(image.height, kHeight);
  for (std::size_t i = 0; i < tp::kPatches.size(); ++i) {
    const auto* px = image.at(tp::patchLeft(i) + tp::kPatchSize / 2, tp::kPatchY + tp::kPatchSize / 2);
    const tp::Rgb want = tp::kPatches[i];
    EXPECT_NEAR(px[0], want.r, 6) << "patch " << i;
    EXPECT_NEAR(px[1], want.g, 6) << "patch " << i;
    EXPECT_NEAR(px[2], want.b, 6) << "patch " << i;
  }
  const auto* bg = image.at(kWidth - 2, kHeight - 2);
  EXPECT_NEAR(bg[0], tp::kBackground.r, 6);
  EXPECT_NEAR(bg[2], tp::kBackground.b, 6);

  // Size 0 keeps the decoded (padded) width.
  RgbImage whole;
  ASSERT_TRUE(converter.convert(*picture, 0, 0, whole));
  EXPECT_EQ(whole.width, kCodedWidth);
  EXPECT_EQ(whole.height, kCodedHeight);
}

INSTANTIATE_TEST_SUITE_P(Signalled, DecodePath,
                         ::testing::Values(Colourimetry{1, false}, Colourimetry{1, true}, Colourimetry{6, false},
                                           Colourimetry{6, true}),
                         [](const ::testing::TestParamInfo<Colourimetry>& info) {
                           return std::string(info.param.matrix == 1 ? "Bt709" : "Bt601") +
                                  (info.param.fullRange ? "Full" : "Limited");
                         });

TEST(DecodePathStamp, ReadsEachNewStampOnce) {
  const Colourimetry c{6, false};
  Encoder encoder(c);
  ASSERT_TRUE(encoder.ok());
  VideoDecoder decoder;
  ASSERT_TRUE(decoder.open(VideoCodec::H264, encoder.headers()));
  StampReader reader;
  const tp::Stamp a{0x00000ABCDEF01234ull, 7};
  const tp::Stamp b{0x00000ABCDEF05678ull, 8};
  std::vector<std::optional<tp::Stamp>> seen;
  for (const auto& s : {a, b, b}) {
    const auto unit = encoder.encode(drawPicture(s), c);
    ASSERT_EQ(decoder.decode(unit.data(), unit.size()), VideoDecoder::Result::Picture);
    seen.push_back(reader.readNew(*decoder.picture()));
  }
  ASSERT_TRUE(seen[0]);
  EXPECT_EQ(*seen[0], a);
  ASSERT_TRUE(seen[1]);
  EXPECT_EQ(*seen[1], b);
  EXPECT_FALSE(seen[2]);  // the same window content captured again is no new sample
}

TEST(DecodePathErrors, RefusesGarbageAndAClosedDecoder) {
  VideoDecoder closed;
  const std::uint8_t bytes[] = {0, 0, 0, 1, 0x65, 0x88};
  EXPECT_EQ(closed.decode(bytes, sizeof bytes), VideoDecoder::Result::Error);
  VideoDecoder decoder;
  ASSERT_TRUE(decoder.open(VideoCodec::H264, {}));
  EXPECT_NE(decoder.decode(bytes, sizeof bytes), VideoDecoder::Result::Picture);
  EXPECT_EQ(decoder.picture(), nullptr);
}

TEST(VideoDecoderStartCode, AddsOneOnlyWhenMissing) {
  using Bytes = std::vector<std::uint8_t>;
  EXPECT_EQ(VideoDecoder::withStartCode({0x67, 0x42}), (Bytes{0, 0, 0, 1, 0x67, 0x42}));
  EXPECT_EQ(VideoDecoder::withStartCode({0, 0, 1, 0x68}), (Bytes{0, 0, 1, 0x68}));
  EXPECT_EQ(VideoDecoder::withStartCode({0, 0, 0, 1, 0x68}), (Bytes{0, 0, 0, 1, 0x68}));
  EXPECT_EQ(VideoDecoder::withStartCode({}), Bytes{});
}

}  // namespace
}  // namespace parvalon::viewer
