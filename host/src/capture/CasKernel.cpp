#include "capture/CasKernel.h"

#include <cmath>
#include <cstring>

#include "capture/CasPixel.h"

namespace parvalon::host::cas {

namespace {

constexpr float kUnormScale = 255.0f;

// One channel value with the exact arithmetic of the filter.
struct ScalarLane {
  static constexpr std::uint32_t kWidth = 1;
  float v = 0.0f;

  ScalarLane() = default;
  ScalarLane(float value) : v(value) {}  // NOLINT(google-explicit-constructor): constants in the filter

  friend ScalarLane operator+(ScalarLane x, ScalarLane y) { return x.v + y.v; }
  friend ScalarLane operator-(ScalarLane x, ScalarLane y) { return x.v - y.v; }
  friend ScalarLane operator*(ScalarLane x, ScalarLane y) { return x.v * y.v; }
  friend ScalarLane operator-(ScalarLane x) { return -x.v; }
  friend ScalarLane min(ScalarLane x, ScalarLane y) { return y.v < x.v ? y.v : x.v; }
  friend ScalarLane max(ScalarLane x, ScalarLane y) { return x.v < y.v ? y.v : x.v; }
  friend ScalarLane rcp(ScalarLane x) { return 1.0f / x.v; }
  friend ScalarLane rsqrt(ScalarLane x) { return 1.0f / std::sqrt(x.v); }
  // As on the GPU, NaN saturates to 0.
  friend ScalarLane saturate(ScalarLane x) { return x.v > 0.0f ? (x.v < 1.0f ? x.v : 1.0f) : 0.0f; }

  static ScalarLane load(const float* p) { return *p; }
  static void store(float* p, ScalarLane x) { *p = x.v; }
  static void unpack(const std::uint8_t* pixel, std::uint32_t, ScalarLane& b, ScalarLane& g, ScalarLane& r) {
    b = static_cast<float>(pixel[0]) / kUnormScale;
    g = static_cast<float>(pixel[1]) / kUnormScale;
    r = static_cast<float>(pixel[2]) / kUnormScale;
  }
  static void pack(ScalarLane b, ScalarLane g, ScalarLane r, std::uint8_t* pixel, std::uint32_t) {
    // Values are already saturated; round to the nearest level.
    pixel[0] = static_cast<std::uint8_t>(b.v * kUnormScale + 0.5f);
    pixel[1] = static_cast<std::uint8_t>(g.v * kUnormScale + 0.5f);
    pixel[2] = static_cast<std::uint8_t>(r.v * kUnormScale + 0.5f);
    pixel[3] = 0xFF;
  }
};

}  // namespace

std::size_t scratchFloats(std::uint32_t width) { return kScratchRows * scratchRowFloats(width); }

void sharpenRowsScalar(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch) {
  sharpenRows<ScalarLane>(frame, firstRow, endRow, scratch);
}

bool sse2Supported() {
#if defined(PARVALON_CAS_SSE2)
  return true;  // part of x86-64
#else
  return false;
#endif
}

bool avx2Supported() {
#if defined(PARVALON_CAS_AVX2)
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#else
  return false;
#endif
}

#if !defined(PARVALON_CAS_SSE2)
void sharpenRowsSse2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch) {
  sharpenRowsScalar(frame, firstRow, endRow, scratch);
}
#endif

#if !defined(PARVALON_CAS_AVX2)
void sharpenRowsAvx2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch) {
  sharpenRowsScalar(frame, firstRow, endRow, scratch);
}
#endif

}  // namespace parvalon::host::cas
