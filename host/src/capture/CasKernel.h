#pragma once

#include <cstddef>
#include <cstdint>

namespace parvalon::host::cas {

// One sharpening pass over B8G8R8A8 pictures: reads input rows (clamped at the borders) and
// writes the width × height region of the output, alpha 255.
struct CasFrame {
  const std::uint8_t* input = nullptr;
  std::size_t inputStride = 0;  // bytes
  std::uint8_t* output = nullptr;
  std::size_t outputStride = 0;  // bytes
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  float sharpness = 0.0f;
};

// Floats of scratch one thread needs to sharpen rows of a picture this wide (the float paths).
std::size_t scratchFloats(std::uint32_t width);

// Sharpens output rows [firstRow, endRow). Rows may be done by different threads at once, each
// with its own scratch (scratchFloats(width) floats; the AVX2 path takes none).
//
// Exact float arithmetic, any CPU: the reference the others are checked against.
void sharpenRowsScalar(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch);
// SIMD versions with the hardware's reciprocal estimates, within one level of the exact result:
// SSE2 (every x86-64 CPU) runs sharpenChannel on four float channel values at a time; AVX2 + FMA
// (where avx2Supported()) is a fused pass over the 8-bit rows, eight pixels at a time, that keeps
// only the weight in float (see CasKernelAvx2.cpp). Where the instruction set is missing from the
// build they run the scalar code.
void sharpenRowsSse2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch);
void sharpenRowsAvx2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch);
bool sse2Supported();
bool avx2Supported();

}  // namespace parvalon::host::cas
