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

// Floats of scratch one thread needs to sharpen rows of a picture this wide.
std::size_t scratchFloats(std::uint32_t width);

// Sharpens output rows [firstRow, endRow). Rows may be done by different threads at once, each
// with its own scratch. Exact float arithmetic, any CPU.
void sharpenRowsScalar(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch);

// The same with AVX2 and FMA, eight channel values at a time (reciprocals refined to float
// precision). Only where avx2Supported() says so.
void sharpenRowsAvx2(const CasFrame& frame, std::uint32_t firstRow, std::uint32_t endRow, float* scratch);
bool avx2Supported();

}  // namespace parvalon::host::cas
