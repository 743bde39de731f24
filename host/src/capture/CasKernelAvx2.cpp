// Built with -mavx2 -mfma on x86-64 (see CMakeLists.txt); called only after avx2Supported().
#include "capture/CasKernel.h"

#if defined(PARVALON_CAS_AVX2)

#include <immintrin.h>

#include <cstring>

#include "capture/CasPixel.h"

namespace parvalon::host::cas {

namespace {

// Eight channel values. rcp and rsqrt are the hardware estimates (relative error below 1/2048),
// as the shader's own rcp is an approximation: results stay within one level of the exact
// arithmetic. A Newton step on each would cost a third more time per frame for no visible gain.
// The estimates give rsqrt(0) = ∞ and rcp(∞) = 0, so a pixel at either end of its range gets
// the weight -0 and keeps its value, as in the exact arithmetic.
struct Avx2Lane {
  static constexpr std::uint32_t kWidth = 8;
  __m256 v;

  Avx2Lane() : v(_mm256_setzero_ps()) {}
  Avx2Lane(__m256 value) : v(value) {}                     // NOLINT(google-explicit-constructor)
  Avx2Lane(float value) : v(_mm256_set1_ps(value)) {}      // NOLINT(google-explicit-constructor)

  friend Avx2Lane operator+(Avx2Lane x, Avx2Lane y) { return _mm256_add_ps(x.v, y.v); }
  friend Avx2Lane operator-(Avx2Lane x, Avx2Lane y) { return _mm256_sub_ps(x.v, y.v); }
  friend Avx2Lane operator*(Avx2Lane x, Avx2Lane y) { return _mm256_mul_ps(x.v, y.v); }
  friend Avx2Lane operator-(Avx2Lane x) { return _mm256_xor_ps(x.v, _mm256_set1_ps(-0.0f)); }
  friend Avx2Lane min(Avx2Lane x, Avx2Lane y) { return _mm256_min_ps(x.v, y.v); }
  friend Avx2Lane max(Avx2Lane x, Avx2Lane y) { return _mm256_max_ps(x.v, y.v); }
  friend Avx2Lane rcp(Avx2Lane x) { return _mm256_rcp_ps(x.v); }
  friend Avx2Lane rsqrt(Avx2Lane x) { return _mm256_rsqrt_ps(x.v); }
  // min(1, x) keeps a NaN x (the second operand wins when unordered), max(NaN, 0) gives 0.
  friend Avx2Lane saturate(Avx2Lane x) {
    return _mm256_max_ps(_mm256_min_ps(_mm256_set1_ps(1.0f), x.v), _mm256_setzero_ps());
  }

  static Avx2Lane load(const float* p) { return _mm256_loadu_ps(p); }
  static void store(float* p, Avx2Lane x) { _mm256_storeu_ps(p, x.v); }

  static void unpack(const std::uint8_t* pixels, std::uint32_t count, Avx2Lane& b, Avx2Lane& g, Avx2Lane& r) {
    __m256i bgra;
    if (count == kWidth) {
      bgra = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels));
    } else {
      // The last pixels of a row: never read past the input's row.
      alignas(32) std::uint32_t partial[kWidth] = {};
      std::memcpy(partial, pixels, static_cast<std::size_t>(count) * 4);
      bgra = _mm256_load_si256(reinterpret_cast<const __m256i*>(partial));
    }
    const __m256i byteMask = _mm256_set1_epi32(0xFF);
    const __m256 scale = _mm256_set1_ps(1.0f / 255.0f);
    b = _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_and_si256(bgra, byteMask)), scale);
    g = _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_and_si256(_mm256_srli_epi32(bgra, 8), byteMask)), scale);
    r = _mm256_mul_ps(_mm256_cvtepi32_ps(_mm256_and_si256(_mm256_srli_epi32(bgra, 16), byteMask)), scale);
  }

  static void pack(Avx2Lane b, Avx2Lane g, Avx2Lane r, std::uint8_t* pixels, std::uint32_t count) {
    // Values are already saturated; round to the nearest level as the scalar path does.
    const __m256 scale = _mm256_set1_ps(255.0f);
    const __m256 half = _mm256_set1_ps(0.5f);
    const __m256i bi = _mm256_cvttps_epi32(_mm256_fmadd_ps(b.v, scale, half));
    const __m256i gi = _mm256_cvttps_epi32(_mm256_fmadd_ps(g.v, scale, half));
    const __m256i ri = _mm256_cvttps_epi32(_mm256_fmadd_ps(r.v, scale, half));
    const __m256i bgra = _mm256_or_si256(
        _mm256_or_si256(bi, _mm256_slli_epi32(gi, 8)),
        _mm256_or_si256(_mm256_slli_epi32(ri, 16), _mm256_set1_epi32(static_cast<int>(0xFF000000u))));
    if (count == kWidth) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels), bgra);
    } else {
      // Only the pixels of this row's region: the output beyond it belongs to someone else.
      alignas(32) std::uint32_t partial[kWidth];
      _mm256_store_si256(reinterpret_cast<__m256i*>(partial), bgra);
      std::memcpy(pixels, partial, static_cast<std::size_t>(count) * 4);
    }
  }
};

}  // namespace

void sharpenRowsAvx2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch) {
  sharpenRows<Avx2Lane>(frame, firstRow, endRow, scratch);
}

}  // namespace parvalon::host::cas

#endif  // PARVALON_CAS_AVX2
