// Built with -mavx2 -mfma on x86-64 (see CMakeLists.txt); called only after avx2Supported().
#include "capture/CasKernel.h"

#if defined(PARVALON_CAS_AVX2)

#include <immintrin.h>

#include <cstddef>
#include <cstring>

namespace parvalon::host::cas {

namespace {

// cas::sharpenChannel in one fused pass over the 8-bit rows, eight pixels (all four channels) at
// a time, with no float planes in between. The steps are those of the shader, rearranged:
//  - min and max of the samples are exact on the 8-bit levels (scaling by 1/255 keeps order), so
//    they run on bytes; mn, mx and b + d + f + h are exact in 16-bit levels.
//  - amp = min(mn, 2 - mx) / mx does not depend on the scale: num / den with num = min(mn, 510 - mx)
//    and den = mx in levels.
//  - with s = √amp the shader's w = -1 / (peak / s) = -s / peak, and its result
//    (S·w + e)·r = (S·w + e) / (1 + 4w) equals e + (S - 4e)·k with S = b + d + f + h and
//    k = w / (1 + 4w) = 1 / (4 - peak·q), q = 1 / s = den / √(num·den).
// Only k needs float: q from the hardware's reciprocal square root, k from its reciprocal (both
// relative error below 1/2048, as in the shader's own rcp), k held in 16-bit fixed point (k·2^15,
// k in [-1, 0]) for the product with S - 4e, which rounds half up like the exact path. Results stay
// within one level of the exact arithmetic. num = 0 (a 0 or 1 in the cross) gives q = ∞ and k = -0:
// the pixel keeps its value, as in the shader.
//
// Layout in 16-bit lanes: "even" holds blue and red (low and high half of each pixel's 32 bits),
// "odd" green and alpha. Alpha is carried along and overwritten with 255 at the end.
struct Constants {
  __m256i lowBytes = _mm256_set1_epi16(0x00FF);
  __m256i lowHalf = _mm256_set1_epi32(0x0000FFFF);
  __m256i highHalf = _mm256_set1_epi32(static_cast<int>(0xFFFF0000u));
  __m256i levels510 = _mm256_set1_epi16(510);
  __m256i alpha = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  // Interleaves packs(blue k, red k) into blue and red halves of each pixel's 32 bits.
  __m256i interleaveWords = _mm256_setr_epi8(0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15,  //
                                             0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15);
  // Interleaves the bytes of packus(even, odd) back into B G R A order within each 128-bit lane.
  __m256i interleave = _mm256_setr_epi8(0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15,  //
                                        0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15);
  __m256 peakScaled;  // peak / 2^15, so that rcp gives k·2^15
  __m256 fourScaled = _mm256_set1_ps(4.0f / 32768.0f);
  __m256i kMin = _mm256_set1_epi32(-32768);

  explicit Constants(float peak) : peakScaled(_mm256_set1_ps(peak / 32768.0f)) {}
};

// k·2^15 for one channel, from its num·den (exact, from madd) and den (in 32-bit lanes). The
// estimates may put |k| a hair above 1 where amp is 1 (there S - 4e is 0): the conversion to 16
// bits must saturate.
__attribute__((always_inline)) inline __m256i weight(__m256i product, __m256i den, const Constants& c) {
  const __m256 q = _mm256_mul_ps(_mm256_cvtepi32_ps(den), _mm256_rsqrt_ps(_mm256_cvtepi32_ps(product)));
  return _mm256_cvtps_epi32(_mm256_rcp_ps(_mm256_fnmadd_ps(c.peakScaled, q, c.fourScaled)));
}

// Sharpens the eight pixels at above/here/below (pixel pointers into three rows; the pixel
// before and the one after each must be readable) into `out`.
__attribute__((always_inline)) inline void sharpenEight(const std::uint8_t* above, const std::uint8_t* here,
                                                        const std::uint8_t* below, std::uint8_t* out,
                                                        const Constants& c) {
  auto load = [](const std::uint8_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); };
  const __m256i a = load(above - 4), b = load(above), cc = load(above + 4);
  const __m256i d = load(here - 4), e = load(here), f = load(here + 4);
  const __m256i g = load(below - 4), h = load(below), i = load(below + 4);

  // Soft minimum and maximum parts, per byte: the cross and all nine.
  const __m256i crossMin = _mm256_min_epu8(_mm256_min_epu8(_mm256_min_epu8(d, e), _mm256_min_epu8(f, b)), h);
  const __m256i allMin =
      _mm256_min_epu8(crossMin, _mm256_min_epu8(_mm256_min_epu8(a, cc), _mm256_min_epu8(g, i)));
  const __m256i crossMax = _mm256_max_epu8(_mm256_max_epu8(_mm256_max_epu8(d, e), _mm256_max_epu8(f, b)), h);
  const __m256i allMax =
      _mm256_max_epu8(crossMax, _mm256_max_epu8(_mm256_max_epu8(a, cc), _mm256_max_epu8(g, i)));

  auto even = [&](__m256i v) { return _mm256_and_si256(v, c.lowBytes); };
  auto odd = [](__m256i v) { return _mm256_srli_epi16(v, 8); };
  // num = min(mn, 510 - mx), den = mx. Where mx is 0 all nine samples are 0: k comes out NaN or
  // -1 there but multiplies S - 4e = 0.
  auto numDen = [&](__m256i mnPart1, __m256i mnPart2, __m256i mxPart1, __m256i mxPart2, __m256i& num,
                    __m256i& den) {
    den = _mm256_add_epi16(mxPart1, mxPart2);
    num = _mm256_min_epi16(_mm256_add_epi16(mnPart1, mnPart2), _mm256_sub_epi16(c.levels510, den));
  };
  __m256i numEven, denEven, numOdd, denOdd;
  numDen(even(crossMin), even(allMin), even(crossMax), even(allMax), numEven, denEven);
  numDen(odd(crossMin), odd(allMin), odd(crossMax), odd(allMax), numOdd, denOdd);

  // k per channel; madd with the other half masked to 0 gives num·den of one channel.
  const __m256i kBlue = weight(_mm256_madd_epi16(_mm256_and_si256(numEven, c.lowHalf), denEven),
                               _mm256_and_si256(denEven, c.lowHalf), c);
  const __m256i kRed = weight(_mm256_madd_epi16(_mm256_and_si256(numEven, c.highHalf), denEven),
                              _mm256_srli_epi32(denEven, 16), c);
  const __m256i kGreen = _mm256_max_epi32(
      weight(_mm256_madd_epi16(_mm256_and_si256(numOdd, c.lowHalf), denOdd), _mm256_and_si256(denOdd, c.lowHalf), c),
      c.kMin);
  const __m256i kEven = _mm256_shuffle_epi8(_mm256_packs_epi32(kBlue, kRed), c.interleaveWords);

  // e + round((S - 4e)·k), S = b + d + f + h. S - 4e is exact in 16 bits per channel; the odd
  // channels' is summed apart, the even ones' is what the whole 16-bit lanes' sum leaves of it.
  const __m256i eEven = even(e);
  const __m256i eOdd = odd(e);
  const __m256i differenceOdd = _mm256_sub_epi16(
      _mm256_add_epi16(_mm256_add_epi16(odd(b), odd(d)), _mm256_add_epi16(odd(f), odd(h))),
      _mm256_slli_epi16(eOdd, 2));
  const __m256i differenceLanes =
      _mm256_sub_epi16(_mm256_add_epi16(_mm256_add_epi16(b, d), _mm256_add_epi16(f, h)), _mm256_slli_epi16(e, 2));
  const __m256i differenceEven = _mm256_sub_epi16(differenceLanes, _mm256_slli_epi16(differenceOdd, 8));
  const __m256i outEven = _mm256_add_epi16(eEven, _mm256_mulhrs_epi16(differenceEven, kEven));
  const __m256i outOdd = _mm256_add_epi16(eOdd, _mm256_mulhrs_epi16(differenceOdd, kGreen));

  // Saturate to levels, back to B G R A, alpha 255.
  const __m256i packed = _mm256_shuffle_epi8(_mm256_packus_epi16(outEven, outOdd), c.interleave);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_or_si256(packed, c.alpha));
}

constexpr std::uint32_t kPixels = 8;

// Eight pixels of three rows with the clamp addressing of the sampler, copied with their left
// and right neighbours so that sharpenEight may read them: for the first and last pixels of a
// row, where the neighbours are off the picture or past the row's end.
struct EdgeRows {
  alignas(32) std::uint32_t rows[3][kPixels + 2];
  alignas(32) std::uint32_t out[kPixels];

  void fill(const std::uint8_t* const input[3], std::uint32_t x, std::uint32_t width) {
    const std::uint32_t available = width - x < kPixels + 1 ? width - x : kPixels + 1;  // from x on
    for (int row = 0; row < 3; ++row) {
      std::memcpy(&rows[row][0], input[row] + static_cast<std::size_t>(x == 0 ? 0 : x - 1) * 4, 4);
      std::memcpy(&rows[row][1], input[row] + static_cast<std::size_t>(x) * 4, static_cast<std::size_t>(available) * 4);
      for (std::uint32_t k = available + 1; k < kPixels + 2; ++k) rows[row][k] = rows[row][available];
    }
  }
  const std::uint8_t* pixel(int row) const { return reinterpret_cast<const std::uint8_t*>(&rows[row][1]); }
};

}  // namespace

void sharpenRowsAvx2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float*) {
  const Constants constants(8.0f - 3.0f * frame.sharpness);  // peak, as in sharpenRows
  const std::uint32_t width = frame.width;
  const std::uint32_t lastRow = frame.height - 1;
  EdgeRows edge;
  for (std::uint32_t y = firstRow; y < endRow; ++y) {
    const std::uint8_t* rows[3] = {
        frame.input + static_cast<std::size_t>(y == 0 ? 0 : y - 1) * frame.inputStride,
        frame.input + static_cast<std::size_t>(y) * frame.inputStride,
        frame.input + static_cast<std::size_t>(y == lastRow ? lastRow : y + 1) * frame.inputStride};
    std::uint8_t* out = frame.output + static_cast<std::size_t>(y) * frame.outputStride;

    auto edgeBlock = [&](std::uint32_t x) {
      const std::uint32_t count = width - x < kPixels ? width - x : kPixels;
      edge.fill(rows, x, width);
      sharpenEight(edge.pixel(0), edge.pixel(1), edge.pixel(2), reinterpret_cast<std::uint8_t*>(edge.out),
                   constants);
      // Only this row's region: the output beyond it belongs to someone else.
      std::memcpy(out + static_cast<std::size_t>(x) * 4, edge.out, static_cast<std::size_t>(count) * 4);
    };
    // Pixel 0 has no left neighbour; a block reads one pixel past its last one.
    edgeBlock(0);
    std::uint32_t x = kPixels;
    const std::ptrdiff_t up = rows[0] - rows[1];
    const std::ptrdiff_t down = rows[2] - rows[1];
    const std::uint8_t* here = rows[1] + static_cast<std::size_t>(x) * 4;
    std::uint8_t* target = out + static_cast<std::size_t>(x) * 4;
    for (; x + kPixels < width; x += kPixels, here += kPixels * 4, target += kPixels * 4) {
      sharpenEight(here + up, here, here + down, target, constants);
    }
    if (x < width) edgeBlock(x);
  }
}

}  // namespace parvalon::host::cas

#endif  // PARVALON_CAS_AVX2
