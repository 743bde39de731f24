#include "capture/CASProcessor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "fakes/LogCapture.h"

namespace parvalon::host {
namespace {

using platform::CpuImage;
using testing::kWarn;
using testing::LogCapture;

constexpr std::uint8_t kSentinel = 0x5A;

enum Channel { kBlue = 0, kGreen = 1, kRed = 2, kAlpha = 3 };

std::uint8_t& at(CpuImage& image, std::uint32_t x, std::uint32_t y, int channel) {
  return image.row(y)[x * 4 + channel];
}
std::uint8_t at(const CpuImage& image, std::uint32_t x, std::uint32_t y, int channel) {
  return image.data()[static_cast<std::size_t>(y) * image.stride() + x * 4 + channel];
}

CpuImage randomImage(std::uint32_t width, std::uint32_t height, std::uint32_t seed) {
  CpuImage image(width, height);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width * 4; ++x) image.row(y)[x] = static_cast<std::uint8_t>(byte(random));
  }
  return image;
}

CpuImage filled(std::uint32_t width, std::uint32_t height, std::uint8_t value) {
  CpuImage image(width, height);
  std::fill(image.data(), image.data() + static_cast<std::size_t>(image.stride()) * height, value);
  return image;
}

std::unique_ptr<CASProcessor> enabledProcessor(float sharpness, CASProcessor::Options options = {}) {
  auto processor = std::make_unique<CASProcessor>(options);
  EXPECT_TRUE(processor->initialize());
  processor->setEnabled(true);
  processor->setSharpness(sharpness);
  return processor;
}

// Sharpens the whole of `input` into an image of the same size prefilled with the sentinel.
CpuImage sharpen(CASProcessor& processor, const CpuImage& input) {
  CpuImage output = filled(input.width(), input.height(), kSentinel);
  EXPECT_TRUE(processor.apply(input.view(), output, input.width(), input.height()));
  return output;
}

// ---------------------------------------------------------------------------------------------

using Instructions = CASProcessor::Instructions;

std::string instructionsLabel(Instructions instructions) {
  switch (instructions) {
    case Instructions::Best:
      return "Best";
    case Instructions::Sse2:
      return "Sse2";
    case Instructions::Scalar:
      break;
  }
  return "Scalar";
}

// Every property holds for each code path: the exact scalar one and the SIMD ones.
class CASProcessorFilter : public ::testing::TestWithParam<std::tuple<float, Instructions>> {
 protected:
  std::unique_ptr<CASProcessor> processor() {
    return enabledProcessor(std::get<0>(GetParam()), {0, std::get<1>(GetParam())});
  }
};

TEST_P(CASProcessorFilter, UniformImageUnchanged) {
  // w × 4 + 1 over 1 + 4 × w is 1: a flat picture must come back as it was, at every level and
  // with a width that leaves a partial group of pixels at the end of each row.
  auto processor = this->processor();
  for (std::uint8_t level : {0, 1, 37, 128, 254, 255}) {
    CpuImage input = filled(37, 11, level);
    const CpuImage output = sharpen(*processor, input);
    for (std::uint32_t y = 0; y < 11; ++y) {
      for (std::uint32_t x = 0; x < 37; ++x) {
        for (int c : {kBlue, kGreen, kRed}) {
          ASSERT_EQ(at(output, x, y, c), level) << "level " << int(level) << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST_P(CASProcessorFilter, AlphaAlwaysOpaque) {
  CpuImage input = randomImage(53, 17, 11);
  at(input, 0, 0, kAlpha) = 0;
  auto processor = this->processor();
  CpuImage output = sharpen(*processor, input);
  for (std::uint32_t y = 0; y < 17; ++y) {
    for (std::uint32_t x = 0; x < 53; ++x) ASSERT_EQ(at(output, x, y, kAlpha), 255) << x << "," << y;
  }
}

TEST_P(CASProcessorFilter, BordersUseClampedNeighbours) {
  // The sampler's clamp addressing repeats the edge pixels. Surrounding a picture with a copy of
  // its own edge therefore changes no pixel's neighbourhood: the sharpened inner part must equal
  // the sharpened original exactly, at all four edges and corners. Zero or wrapped borders fail.
  constexpr std::uint32_t kWidth = 19;
  constexpr std::uint32_t kHeight = 9;
  const CpuImage original = randomImage(kWidth, kHeight, 3);
  CpuImage framed(kWidth + 2, kHeight + 2);
  for (std::uint32_t y = 0; y < kHeight + 2; ++y) {
    const std::uint32_t sy = y == 0 ? 0 : (y > kHeight ? kHeight - 1 : y - 1);
    for (std::uint32_t x = 0; x < kWidth + 2; ++x) {
      const std::uint32_t sx = x == 0 ? 0 : (x > kWidth ? kWidth - 1 : x - 1);
      for (int c = 0; c < 4; ++c) at(framed, x, y, c) = at(original, sx, sy, c);
    }
  }
  auto processor = this->processor();
  CpuImage sharpenedOriginal = sharpen(*processor, original);
  CpuImage sharpenedFramed = sharpen(*processor, framed);
  for (std::uint32_t y = 0; y < kHeight; ++y) {
    for (std::uint32_t x = 0; x < kWidth; ++x) {
      for (int c = 0; c < 4; ++c) {
        ASSERT_EQ(at(sharpenedOriginal, x, y, c), at(sharpenedFramed, x + 1, y + 1, c)) << x << "," << y << " c" << c;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CASProcessorFilter,
    ::testing::Combine(::testing::Values(0.0f, 0.3f, 0.7f, 1.0f),
                       ::testing::Values(Instructions::Best, Instructions::Sse2, Instructions::Scalar)),
    [](const ::testing::TestParamInfo<std::tuple<float, Instructions>>& info) {
      return "Sharpness" + std::to_string(static_cast<int>(std::get<0>(info.param) * 10)) + "_" +
             instructionsLabel(std::get<1>(info.param));
    });

// ---------------------------------------------------------------------------------------------

// A 3 × 3 picture whose green channel is, in levels of 51 (0.2):
//     0.2 0.4 0.2
//     0.4 0.6 0.4
//     0.2 0.4 0.2
// Blue and red are a flat 0.4 and must stay 102.
//
// Centre pixel: a..i is the picture itself.
//   m1 = min(d e f b h) = 0.4, min of all nine 0.2, mn = 0.6; M1 = 0.6, max of all 0.6, mx = 1.2
//   amp = saturate(min(0.6, 2 - 1.2) × 1/1.2) = 0.5;  amp = 1/√0.5 = 1.414214
//   b + d + f + h = 1.6
//   sharpness 0:   peak 8;   w = -1/(1.414214 × 8)   = -0.088388; r = 1/(1 - 0.353553) = 1.546918
//                  colour = (0.6 - 0.088388 × 1.6) × 1.546918 = 0.709384 → × 255 = 180.89 → 181
//   sharpness 0.7: peak 5.9; w = -1/(1.414214 × 5.9) = -0.119849; r = 1/(1 - 0.479394) = 1.920840
//                  colour = (0.6 - 0.119849 × 1.6) × 1.920840 = 0.784168 → 199.96 → 200
//   sharpness 1:   peak 5;   w = -1/(1.414214 × 5)   = -0.141421; r = 1/(1 - 0.565685) = 2.302479
//                  colour = (0.6 - 0.141421 × 1.6) × 2.302479 = 0.860496 → 219.43 → 219
//
// Top-left pixel, with its neighbours clamped to the picture:
//     a b c     0.2 0.2 0.4
//     d e f  =  0.2 0.2 0.4
//     g h i     0.4 0.4 0.6
//   m1 = 0.2, all-nine min 0.2, mn = 0.4; M1 = max(0.2 0.2 0.4 0.2 0.4) = 0.4, all-nine max 0.6, mx = 1.0
//   amp = saturate(min(0.4, 1.0) × 1/1.0) = 0.4;  amp = 1/√0.4 = 1.581139;  b + d + f + h = 1.2
//   sharpness 0:   w = -1/(1.581139 × 8)   = -0.079057; r = 1/(1 - 0.316228) = 1.462475
//                  colour = (0.2 - 0.079057 × 1.2) × 1.462475 = 0.153752 → 39.21 → 39
//   sharpness 0.7: w = -1/(1.581139 × 5.9) = -0.107196; r = 1/(1 - 0.428783) = 1.750649
//                  colour = (0.2 - 0.107196 × 1.2) × 1.750649 = 0.124935 → 31.86 → 32
//   sharpness 1:   w = -1/(1.581139 × 5)   = -0.126491; r = 1/(1 - 0.505964) = 2.024146
//                  colour = (0.2 - 0.126491 × 1.2) × 2.024146 = 0.097585 → 24.88 → 25
struct HandCase {
  float sharpness;
  int centre;
  int corner;
};

class CASProcessorHandExample : public ::testing::TestWithParam<HandCase> {};

TEST_P(CASProcessorHandExample, MatchesWithinOneLevel) {
  const std::uint8_t green[3][3] = {{51, 102, 51}, {102, 153, 102}, {51, 102, 51}};
  for (Instructions instructions : {Instructions::Best, Instructions::Sse2, Instructions::Scalar}) {
    CpuImage input(3, 3);
    for (std::uint32_t y = 0; y < 3; ++y) {
      for (std::uint32_t x = 0; x < 3; ++x) {
        at(input, x, y, kBlue) = 102;
        at(input, x, y, kGreen) = green[y][x];
        at(input, x, y, kRed) = 102;
      }
    }
    auto processor = enabledProcessor(GetParam().sharpness, {0, instructions});
    CpuImage output = sharpen(*processor, input);
    EXPECT_NEAR(at(output, 1, 1, kGreen), GetParam().centre, 1) << instructionsLabel(instructions);
    EXPECT_NEAR(at(output, 0, 0, kGreen), GetParam().corner, 1) << instructionsLabel(instructions);
    // The picture is symmetric: the other corners come out the same as the top-left one.
    EXPECT_EQ(at(output, 2, 2, kGreen), at(output, 0, 0, kGreen));
    EXPECT_EQ(at(output, 2, 0, kGreen), at(output, 0, 0, kGreen));
    EXPECT_EQ(at(output, 1, 1, kBlue), 102);
    EXPECT_EQ(at(output, 1, 1, kRed), 102);
    EXPECT_EQ(at(output, 1, 1, kAlpha), 255);
  }
}

INSTANTIATE_TEST_SUITE_P(Sharpness, CASProcessorHandExample,
                         ::testing::Values(HandCase{0.0f, 181, 39}, HandCase{0.7f, 200, 32},
                                           HandCase{1.0f, 219, 25}));

// ---------------------------------------------------------------------------------------------

// The green channel of a 3 × 3 neighbourhood (rows top to bottom) around a pixel of 128, and
// what that pixel's green becomes at sharpness 0.7.
struct ExtremesCase {
  const char* name;
  std::uint8_t green[9];
  int expected;
};

class CASProcessorExtremes : public ::testing::TestWithParam<ExtremesCase> {};

TEST_P(CASProcessorExtremes, AdaptiveAmountAtTheEnds) {
  // The pixel sits at (2, 2) of a random 5 × 5 picture; blue and red stay random.
  CpuImage input = randomImage(5, 5, 17);
  for (std::uint32_t y = 0; y < 3; ++y) {
    for (std::uint32_t x = 0; x < 3; ++x) at(input, x + 1, y + 1, kGreen) = GetParam().green[y * 3 + x];
  }
  for (Instructions instructions : {Instructions::Best, Instructions::Sse2, Instructions::Scalar}) {
    auto processor = enabledProcessor(0.7f, {0, instructions});
    const CpuImage output = sharpen(*processor, input);
    if (GetParam().expected == 128) {
      EXPECT_EQ(at(output, 2, 2, kGreen), 128) << instructionsLabel(instructions);
    } else {
      EXPECT_NEAR(at(output, 2, 2, kGreen), GetParam().expected, 1) << instructionsLabel(instructions);
    }
  }
}

// A 0 in the cross (d e f b h) makes the soft minimum 0, a 1 there the soft maximum 2: either way
// the adaptive amount is 0, the weight 0, r is 1, and the pixel keeps its value exactly.
// The soft minimum and maximum count the corners only once, so 0 and 1 found only in corners do
// not stop the filter. Worked out for the last case (values ÷ 255):
//   m1 = min(60 128 180 140 200) = 60, min of all nine 0, mn = 60; M1 = 200, max of all 255, mx = 455
//   amp = saturate(min(60, 510 - 455) ÷ 455) = 55 ÷ 455 = 0.120879; amp = 1/√0.120879 = 2.876235
//   peak 5.9; w = -1/(2.876235 × 5.9) = -0.058928; r = 1/(1 - 0.235713) = 1.308409
//   colour = (128 - 0.058928 × (140 + 60 + 180 + 200)) ÷ 255 × 1.308409 = 0.481400 → 122.76 → 123
INSTANTIATE_TEST_SUITE_P(
    Cases, CASProcessorExtremes,
    ::testing::Values(ExtremesCase{"ZeroLeftOneRight", {90, 140, 70, 0, 128, 255, 30, 200, 110}, 128},
                      ExtremesCase{"ZeroAboveOneBelow", {90, 0, 70, 60, 128, 180, 30, 255, 110}, 128},
                      ExtremesCase{"OneInCrossOnly", {90, 140, 70, 60, 128, 255, 30, 200, 110}, 128},
                      ExtremesCase{"ZeroInCrossOnly", {90, 140, 70, 60, 128, 180, 30, 0, 110}, 128},
                      ExtremesCase{"BothOnlyInCorners", {0, 140, 70, 60, 128, 180, 30, 200, 255}, 123}),
    [](const ::testing::TestParamInfo<ExtremesCase>& info) { return std::string(info.param.name); });

TEST(CASProcessorRegion, PaddedOutputBandUntouched) {
  // A 1366-wide frame into the encoder's 1376-wide picture: the right 10 columns keep what they
  // held (the padding's black in the pipeline).
  const CpuImage input = randomImage(1366, 768, 5);
  CpuImage output = filled(1376, 768, kSentinel);
  auto processor = enabledProcessor(0.7f);
  ASSERT_TRUE(processor->apply(input.view(), output, 1366, 768));
  for (std::uint32_t y = 0; y < 768; ++y) {
    for (std::uint32_t x = 0; x < 1376; ++x) {
      if (x < 1366) {
        ASSERT_EQ(at(output, x, y, kAlpha), 255) << x << "," << y;
      } else {
        for (int c = 0; c < 4; ++c) ASSERT_EQ(at(output, x, y, c), kSentinel) << x << "," << y;
      }
    }
  }
}

TEST(CASProcessorRegion, LargerInputReadsOnlyTheRegion) {
  // Pixels of the input outside the region are not neighbours: the region's edge is clamped.
  const CpuImage small = randomImage(40, 12, 9);
  CpuImage large = filled(48, 16, 255);
  for (std::uint32_t y = 0; y < 12; ++y) std::memcpy(large.row(y), small.data() + y * small.stride(), 40 * 4);
  auto processor = enabledProcessor(1.0f);
  const CpuImage expected = sharpen(*processor, small);
  CpuImage output = filled(40, 12, kSentinel);
  ASSERT_TRUE(processor->apply(large.view(), output, 40, 12));
  EXPECT_EQ(0, std::memcmp(expected.data(), output.data(), static_cast<std::size_t>(output.stride()) * 12));
}

// ---------------------------------------------------------------------------------------------

// The fast paths restructure the arithmetic (integer min/max and sums, the weight in fixed point,
// eight pixels per block with the row's ends done apart): on every kind of content, at every
// strength and for widths around the block size, they stay within one level of the exact scalar
// path and write nothing right of the region.
enum class Content { Noise, SmoothGradient, NearFlat, HardBars, DarkWithSpikes, NearWhite };

struct AgreementCase {
  Content content;
  float sharpness;
};

std::string contentLabel(Content content) {
  switch (content) {
    case Content::Noise:
      return "Noise";
    case Content::SmoothGradient:
      return "SmoothGradient";
    case Content::NearFlat:
      return "NearFlat";
    case Content::HardBars:
      return "HardBars";
    case Content::DarkWithSpikes:
      return "DarkWithSpikes";
    case Content::NearWhite:
      break;
  }
  return "NearWhite";
}

CpuImage contentImage(Content content, std::uint32_t width, std::uint32_t height, std::uint32_t seed) {
  CpuImage image(width, height);
  std::mt19937 random(seed);
  auto jitter = [&](int spread) { return static_cast<int>(random() % (2 * spread + 1)) - spread; };
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      for (int c = 0; c < 4; ++c) {
        int level = 0;
        switch (content) {
          case Content::Noise:
            level = static_cast<int>(random() & 0xFF);
            break;
          case Content::SmoothGradient:  // amp near 1: the weight at its strongest
            level = static_cast<int>((x * 3 + y * 2 + c * 40) % 256) + jitter(2);
            break;
          case Content::NearFlat:
            level = 128 + jitter(4);
            break;
          case Content::HardBars:  // results far outside the levels, saturated
            level = ((x / 3 + y / 5) % 2 != 0 ? 250 : 5) + jitter(2);
            break;
          case Content::DarkWithSpikes:
            level = (random() % 40 == 0 ? 200 : 20) + jitter(1);
            break;
          case Content::NearWhite:
            level = 255 - static_cast<int>(random() % 4);
            break;
        }
        image.row(y)[x * 4 + c] = static_cast<std::uint8_t>(std::clamp(level, 0, 255));
      }
    }
  }
  return image;
}

class CASProcessorAgreement : public ::testing::TestWithParam<AgreementCase> {};

TEST_P(CASProcessorAgreement, FastPathsWithinOneLevelOfScalar) {
  const float sharpness = GetParam().sharpness;
  auto scalar = enabledProcessor(sharpness, {1, Instructions::Scalar});
  std::vector<std::unique_ptr<CASProcessor>> fast;
  fast.push_back(enabledProcessor(sharpness, {2, Instructions::Best}));
  fast.push_back(enabledProcessor(sharpness, {2, Instructions::Sse2}));
  // Widths below, at and around one and two blocks of eight, and a long row.
  for (std::uint32_t width : {1u, 2u, 7u, 8u, 9u, 15u, 16u, 17u, 23u, 24u, 25u, 33u, 301u}) {
    const std::uint32_t height = width % 4 + 2;
    const CpuImage input = contentImage(GetParam().content, width, height, width);
    const CpuImage reference = sharpen(*scalar, input);
    for (const auto& processor : fast) {
      CpuImage output = filled(width + 9, height, kSentinel);
      ASSERT_TRUE(processor->apply(input.view(), output, width, height));
      for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width + 9; ++x) {
          for (int c = 0; c < 4; ++c) {
            if (x < width) {
              ASSERT_NEAR(at(output, x, y, c), at(reference, x, y, c), 1)
                  << processor->instructionsName() << " width " << width << " at " << x << "," << y << " c" << c;
            } else {
              ASSERT_EQ(at(output, x, y, c), kSentinel)
                  << processor->instructionsName() << " width " << width << " wrote " << x << "," << y;
            }
          }
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CASProcessorAgreement,
    ::testing::ValuesIn([] {
      std::vector<AgreementCase> cases;
      for (Content content : {Content::Noise, Content::SmoothGradient, Content::NearFlat, Content::HardBars,
                              Content::DarkWithSpikes, Content::NearWhite}) {
        for (float sharpness : {0.0f, 0.5f, 1.0f}) cases.push_back({content, sharpness});
      }
      return cases;
    }()),
    [](const ::testing::TestParamInfo<AgreementCase>& info) {
      return contentLabel(info.param.content) + "_Sharpness" +
             std::to_string(static_cast<int>(info.param.sharpness * 10));
    });

TEST(CASProcessorRegion, SimdThreadsAndScalarAgree) {
  // The SIMD code against the exact scalar arithmetic (at most one level apart, from the
  // hardware's reciprocal estimates), and the frame split into many parts against one thread
  // (identical: a part's first and last rows read their neighbours across the seam).
  const CpuImage input = randomImage(1366, 301, 13);
  auto scalarOne = enabledProcessor(0.7f, {1, Instructions::Scalar});
  auto scalarMany = enabledProcessor(0.7f, {5, Instructions::Scalar});
  const CpuImage reference = sharpen(*scalarOne, input);
  const CpuImage split = sharpen(*scalarMany, input);
  const std::size_t bytes = static_cast<std::size_t>(reference.stride()) * reference.height();
  ASSERT_EQ(0, std::memcmp(reference.data(), split.data(), bytes));
  for (Instructions instructions : {Instructions::Best, Instructions::Sse2}) {
    auto simd = enabledProcessor(0.7f, {3, instructions});
    const CpuImage output = sharpen(*simd, input);
    int maxDifference = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
      maxDifference = std::max(maxDifference, std::abs(int(reference.data()[i]) - int(output.data()[i])));
    }
    EXPECT_LE(maxDifference, 1) << simd->instructionsName();
  }
}

TEST(CASProcessorRegion, ConcurrentCallersShareThePool) {
  // Streams sharpen at the same time on one processor; each gets its own picture back.
  auto processor = enabledProcessor(0.7f, {2, Instructions::Best});
  const CpuImage first = randomImage(320, 200, 21);
  const CpuImage second = randomImage(256, 96, 22);
  const CpuImage expectedFirst = sharpen(*processor, first);
  const CpuImage expectedSecond = sharpen(*processor, second);
  auto worker = [&](const CpuImage& input, const CpuImage& expected, bool& ok) {
    ok = true;
    for (int i = 0; i < 20 && ok; ++i) {
      CpuImage out = sharpen(*processor, input);
      ok = std::memcmp(out.data(), expected.data(), static_cast<std::size_t>(out.stride()) * out.height()) == 0;
    }
  };
  bool okFirst = false;
  bool okSecond = false;
  std::thread a(worker, std::cref(first), std::cref(expectedFirst), std::ref(okFirst));
  std::thread b(worker, std::cref(second), std::cref(expectedSecond), std::ref(okSecond));
  a.join();
  b.join();
  EXPECT_TRUE(okFirst);
  EXPECT_TRUE(okSecond);
}

// ---------------------------------------------------------------------------------------------

TEST(CASProcessorApply, RefusesWhileDisabledOrBeforeInitialize) {
  const CpuImage input = randomImage(16, 8, 1);
  CpuImage output = filled(16, 8, kSentinel);
  const CpuImage untouched = filled(16, 8, kSentinel);
  LogCapture log;

  CASProcessor notInitialized;
  notInitialized.setEnabled(true);
  EXPECT_FALSE(notInitialized.apply(input.view(), output, 16, 8));

  CASProcessor disabled;
  ASSERT_TRUE(disabled.initialize());
  EXPECT_FALSE(disabled.isEnabled());
  EXPECT_FALSE(disabled.apply(input.view(), output, 16, 8));
  disabled.setEnabled(true);
  disabled.setEnabled(false);
  EXPECT_FALSE(disabled.apply(input.view(), output, 16, 8));

  EXPECT_EQ(0, std::memcmp(output.data(), untouched.data(), static_cast<std::size_t>(output.stride()) * 8));
  EXPECT_EQ(log.countAtLeast(kWarn), 0u);
  // Switched on, the same call writes.
  disabled.setEnabled(true);
  EXPECT_TRUE(disabled.apply(input.view(), output, 16, 8));
  EXPECT_EQ(at(output, 0, 0, kAlpha), 255);
}

TEST(CASProcessorApply, RegionLargerThanAPictureIsRefused) {
  const CpuImage input = randomImage(16, 8, 1);
  CpuImage output = filled(16, 8, kSentinel);
  const CpuImage untouched = filled(16, 8, kSentinel);
  auto processor = enabledProcessor(0.7f);
  LogCapture log;

  // The input does not hold the region.
  EXPECT_FALSE(processor->apply(input.view(), output, 17, 8));
  EXPECT_TRUE(log.has(kWarn, "CASProcessor: Failed to create input SRV: 0x16"));
  // A stride shorter than a row of the region.
  platform::CpuFrame shortRows = input.view();
  shortRows.width = 16;
  shortRows.stride = 15 * 4;
  EXPECT_FALSE(processor->apply(shortRows, output, 16, 8));
  // An empty region.
  EXPECT_FALSE(processor->apply(input.view(), output, 0, 8));
  EXPECT_EQ(log.count(kWarn, "CASProcessor: Failed to create input SRV: 0x16"), 3u);

  // The output does not hold the region.
  CpuImage smallOutput = filled(16, 7, kSentinel);
  EXPECT_FALSE(processor->apply(input.view(), smallOutput, 16, 8));
  EXPECT_TRUE(log.has(kWarn, "CASProcessor: Failed to create output RTV: 0x16"));

  // No input pixels at all: refused without a word, as a missing texture is.
  EXPECT_FALSE(processor->apply(platform::CpuFrame{}, output, 16, 8));
  EXPECT_EQ(log.countAtLeast(kWarn), 4u);
  EXPECT_EQ(0, std::memcmp(output.data(), untouched.data(), static_cast<std::size_t>(output.stride()) * 8));
}

TEST(CASProcessorApply, InitializeLogsSharpnessOnce) {
  LogCapture log;
  CASProcessor processor;
  EXPECT_FALSE(processor.isEnabled());
  EXPECT_FLOAT_EQ(processor.sharpness(), 0.7f);
  ASSERT_TRUE(processor.initialize());
  ASSERT_TRUE(processor.initialize());
  EXPECT_EQ(log.count(testing::kInfo, "CASProcessor initialized (sharpness=0.70)"), 1u);
}

TEST(CASProcessorApply, SharpnessTakesEffectOnNextApply) {
  const CpuImage input = randomImage(24, 24, 4);
  auto processor = enabledProcessor(0.0f);
  const CpuImage weak = sharpen(*processor, input);
  processor->setSharpness(1.0f);
  const CpuImage strong = sharpen(*processor, input);
  auto fresh = enabledProcessor(1.0f);
  const CpuImage reference = sharpen(*fresh, input);
  EXPECT_NE(0, std::memcmp(weak.data(), strong.data(), static_cast<std::size_t>(weak.stride()) * 24));
  EXPECT_EQ(0, std::memcmp(reference.data(), strong.data(), static_cast<std::size_t>(weak.stride()) * 24));
}

}  // namespace
}  // namespace parvalon::host
