// Built with -mavx2 -mfma on x86-64 (see CMakeLists.txt); called only after avx2Supported().
#include "capture/CasKernel.h"

#if defined(PARVALON_CAS_AVX2)

#include <immintrin.h>

#include <cfloat>
#include <cstring>

#include "capture/CasPixel.h"

namespace parvalon::host::cas {

namespace {

// Eight channel values. rcp and rsqrt use the hardware estimates refined by one Newton step,
// which brings them to about float precision for a fraction of the cost of a division.
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
  friend Avx2Lane rcp(Avx2Lane x) {
    // 0 × ∞ in the refinement gives NaN for x = 0; the filter's saturate turns that into 0, as
    // the exact 0 × ∞ of the same step would.
    const __m256 estimate = _mm256_rcp_ps(x.v);
    const __m256 error = _mm256_fnmadd_ps(x.v, estimate, _mm256_set1_ps(1.0f));
    return _mm256_fmadd_ps(error, estimate, estimate);
  }
  friend Avx2Lane rsqrt(Avx2Lane x) {
    // 0 counts as the smallest normal float so the refinement stays finite: the weight that
    // follows is about -1e-20 instead of -0, which leaves the pixel exactly as it is all the same.
    const __m256 a = _mm256_max_ps(x.v, _mm256_set1_ps(FLT_MIN));
    const __m256 estimate = _mm256_rsqrt_ps(a);
    const __m256 t = _mm256_mul_ps(_mm256_mul_ps(a, estimate), estimate);
    return _mm256_mul_ps(estimate, _mm256_fnmadd_ps(_mm256_set1_ps(0.5f), t, _mm256_set1_ps(1.5f)));
  }
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
