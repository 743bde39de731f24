#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/CpuFrame.h"

namespace parvalon::host {

class WorkerPool;

// Contrast-adaptive sharpening of captured frames before they are encoded: reads a B8G8R8A8
// picture and writes a sharpened copy into another image. The arithmetic per channel is the
// GPU pass's (cas::sharpenChannel); here it runs on the CPU: where the CPU has AVX2 in one fused
// pass over the 8-bit rows, eight pixels at a time, otherwise in float (four values at a time with
// SSE2), with the rows of a frame split across a pool of threads owned by the processor. Several
// streams may call apply at the same time; they share the pool.
class CASProcessor {
 public:
  static constexpr float kDefaultSharpness = 0.7f;

  // Which code computes the filter: the best the CPU offers, or a lesser one (tests, benchmark).
  enum class Instructions { Best, Sse2, Scalar };

  struct Options {
    std::uint32_t threads = 0;  // threads on one frame, the calling one included; 0: one per core
    Instructions instructions = Instructions::Best;
  };

  CASProcessor();
  explicit CASProcessor(Options options);
  ~CASProcessor();

  CASProcessor(const CASProcessor&) = delete;
  CASProcessor& operator=(const CASProcessor&) = delete;

  // Starts the pool's threads. False (with an error line) when they cannot be started; apply
  // then refuses to run. A second call does nothing and returns true.
  bool initialize();
  bool isInitialized() const { return initialized_; }

  // The user's switch (off by default) and strength in [0, 1] (the caller clamps). Written from
  // any thread; each apply reads both once.
  void setEnabled(bool enabled) { enabled_.store(enabled); }
  bool isEnabled() const { return enabled_.load(); }
  void setSharpness(float sharpness) { sharpness_.store(sharpness); }
  float sharpness() const { return sharpness_.load(); }

  // Sharpens the width × height top-left region of `input` into the same region of `output`
  // (alpha 255); the rest of `output` is left as it was. False, writing nothing, when disabled,
  // before initialize, without input pixels, or when either picture is smaller than the region
  // (a warning names which).
  bool apply(const platform::CpuFrame& input, platform::CpuImage& output, std::uint32_t width,
             std::uint32_t height);

  // "AVX2", "SSE2" or "scalar": the code apply uses (known after initialize).
  const char* instructionsName() const;

 private:
  struct Pass;
  static void runPart(void* context, std::uint32_t part, std::uint32_t worker) noexcept;

  Options options_;
  bool initialized_ = false;
  enum class Kernel { Scalar, Sse2, Avx2 };
  Kernel kernel_ = Kernel::Scalar;
  std::atomic<bool> enabled_{false};
  std::atomic<float> sharpness_{kDefaultSharpness};
  // One scratch area per pool thread for the float paths, grown when a wider frame arrives (never
  // per frame); the AVX2 path needs none.
  std::vector<std::vector<float>> scratch_;
  std::unique_ptr<WorkerPool> pool_;  // declared last: its threads are joined before scratch_ goes
};

}  // namespace parvalon::host
