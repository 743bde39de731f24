// SSE2 is part of x86-64: no extra flags; used where the CPU lacks AVX2.
#include "capture/CasKernel.h"

#if defined(PARVALON_CAS_SSE2)

#include <emmintrin.h>

#include <cstring>

#include "capture/CasPixel.h"

namespace parvalon::host::cas {

namespace {

// Four channel values; rcp and rsqrt are the hardware estimates, as in the AVX2 lane.
struct Sse2Lane {
  static constexpr std::uint32_t kWidth = 4;
  __m128 v;

  Sse2Lane() : v(_mm_setzero_ps()) {}
  Sse2Lane(__m128 value) : v(value) {}                 // NOLINT(google-explicit-constructor)
  Sse2Lane(float value) : v(_mm_set1_ps(value)) {}     // NOLINT(google-explicit-constructor)

  friend Sse2Lane operator+(Sse2Lane x, Sse2Lane y) { return _mm_add_ps(x.v, y.v); }
  friend Sse2Lane operator-(Sse2Lane x, Sse2Lane y) { return _mm_sub_ps(x.v, y.v); }
  friend Sse2Lane operator*(Sse2Lane x, Sse2Lane y) { return _mm_mul_ps(x.v, y.v); }
  friend Sse2Lane operator-(Sse2Lane x) { return _mm_xor_ps(x.v, _mm_set1_ps(-0.0f)); }
  friend Sse2Lane min(Sse2Lane x, Sse2Lane y) { return _mm_min_ps(x.v, y.v); }
  friend Sse2Lane max(Sse2Lane x, Sse2Lane y) { return _mm_max_ps(x.v, y.v); }
  friend Sse2Lane rcp(Sse2Lane x) { return _mm_rcp_ps(x.v); }
  friend Sse2Lane rsqrt(Sse2Lane x) { return _mm_rsqrt_ps(x.v); }
  // min(1, x) keeps a NaN x (the second operand wins when unordered), max(NaN, 0) gives 0.
  friend Sse2Lane saturate(Sse2Lane x) { return _mm_max_ps(_mm_min_ps(_mm_set1_ps(1.0f), x.v), _mm_setzero_ps()); }

  static Sse2Lane load(const float* p) { return _mm_loadu_ps(p); }
  static void store(float* p, Sse2Lane x) { _mm_storeu_ps(p, x.v); }

  static void unpack(const std::uint8_t* pixels, std::uint32_t count, Sse2Lane& b, Sse2Lane& g, Sse2Lane& r) {
    __m128i bgra;
    if (count == kWidth) {
      bgra = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    } else {
      // The last pixels of a row: never read past the input's row.
      alignas(16) std::uint32_t partial[kWidth] = {};
      std::memcpy(partial, pixels, static_cast<std::size_t>(count) * 4);
      bgra = _mm_load_si128(reinterpret_cast<const __m128i*>(partial));
    }
    const __m128i byteMask = _mm_set1_epi32(0xFF);
    const __m128 scale = _mm_set1_ps(1.0f / 255.0f);
    b = _mm_mul_ps(_mm_cvtepi32_ps(_mm_and_si128(bgra, byteMask)), scale);
    g = _mm_mul_ps(_mm_cvtepi32_ps(_mm_and_si128(_mm_srli_epi32(bgra, 8), byteMask)), scale);
    r = _mm_mul_ps(_mm_cvtepi32_ps(_mm_and_si128(_mm_srli_epi32(bgra, 16), byteMask)), scale);
  }

  static void pack(Sse2Lane b, Sse2Lane g, Sse2Lane r, std::uint8_t* pixels, std::uint32_t count) {
    // Values are already saturated; round to the nearest level as the scalar path does.
    const __m128 scale = _mm_set1_ps(255.0f);
    const __m128 half = _mm_set1_ps(0.5f);
    const __m128i bi = _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(b.v, scale), half));
    const __m128i gi = _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(g.v, scale), half));
    const __m128i ri = _mm_cvttps_epi32(_mm_add_ps(_mm_mul_ps(r.v, scale), half));
    const __m128i bgra =
        _mm_or_si128(_mm_or_si128(bi, _mm_slli_epi32(gi, 8)),
                     _mm_or_si128(_mm_slli_epi32(ri, 16), _mm_set1_epi32(static_cast<int>(0xFF000000u))));
    if (count == kWidth) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), bgra);
    } else {
      // Only the pixels of this row's region: the output beyond it belongs to someone else.
      alignas(16) std::uint32_t partial[kWidth];
      _mm_store_si128(reinterpret_cast<__m128i*>(partial), bgra);
      std::memcpy(pixels, partial, static_cast<std::size_t>(count) * 4);
    }
  }
};

}  // namespace

void sharpenRowsSse2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch) {
  sharpenRows<Sse2Lane>(frame, firstRow, endRow, scratch);
}

}  // namespace parvalon::host::cas

#endif  // PARVALON_CAS_SSE2
