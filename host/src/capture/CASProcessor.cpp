#include "capture/CASProcessor.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>

#include "capture/CasKernel.h"
#include "capture/WorkerPool.h"
#include "logging/Log.h"

namespace parvalon::host {

namespace {

constexpr std::uint32_t kBytesPerPixel = 4;
// Each part re-reads the two rows around it; parts of at least this many rows keep that small,
// and a few parts per thread keep the threads evenly busy when other work takes a core.
constexpr std::uint32_t kMinRowsPerPart = 16;
constexpr std::uint32_t kPartsPerThread = 4;

// A picture view covers width × height when its rows are long enough and there are enough of them.
bool covers(const std::uint8_t* data, std::uint32_t pictureWidth, std::uint32_t pictureHeight, std::size_t stride,
            std::uint32_t width, std::uint32_t height) {
  return data != nullptr && width != 0 && height != 0 && pictureWidth >= width && pictureHeight >= height &&
         stride >= static_cast<std::size_t>(width) * kBytesPerPixel;
}

}  // namespace

// One apply call as the pool's threads see it.
struct CASProcessor::Pass {
  CASProcessor* processor;
  cas::CasFrame frame;
  std::uint32_t parts;
};

CASProcessor::CASProcessor() : CASProcessor(Options{}) {}

CASProcessor::CASProcessor(Options options) : options_(options) {}

CASProcessor::~CASProcessor() = default;

bool CASProcessor::initialize() {
  if (initialized_) return true;
  // The calling capture thread takes parts too: one pool thread fewer than the threads wanted.
  std::uint32_t threads = options_.threads != 0 ? options_.threads : std::thread::hardware_concurrency();
  threads = std::max<std::uint32_t>(threads, 1) - 1;
  try {
    pool_ = std::make_unique<WorkerPool>(threads);
  } catch (const std::system_error& e) {
    // The CPU pass's only resource: its threads.
    PV_LOG_ERROR("CASProcessor: Failed to create worker threads: {:#x}", e.code().value());
    return false;
  }
  scratch_.assign(pool_->size(), {});
  if (options_.instructions == Instructions::Best && cas::avx2Supported()) {
    kernel_ = Kernel::Avx2;
  } else if (options_.instructions != Instructions::Scalar && cas::sse2Supported()) {
    kernel_ = Kernel::Sse2;
  } else {
    kernel_ = Kernel::Scalar;
  }
  initialized_ = true;
  PV_LOG_INFO("CASProcessor initialized (sharpness={:.2f})", sharpness_.load());
  return true;
}

bool CASProcessor::apply(const platform::CpuFrame& input, platform::CpuImage& output, std::uint32_t width,
                         std::uint32_t height) {
  const bool enabled = enabled_.load();
  const float sharpness = sharpness_.load();
  if (!initialized_ || !enabled || input.data == nullptr) return false;
  // The CPU meaning of the views the GPU pass makes: each picture must hold the region.
  if (!covers(input.data, input.width, input.height, input.stride, width, height)) {
    PV_LOG_WARN("CASProcessor: Failed to create input SRV: {:#x}", EINVAL);
    return false;
  }
  if (!covers(output.data(), output.width(), output.height(), output.stride(), width, height)) {
    PV_LOG_WARN("CASProcessor: Failed to create output RTV: {:#x}", EINVAL);
    return false;
  }

  Pass pass{this, cas::CasFrame{input.data, input.stride, output.data(), output.stride(), width, height, sharpness}, 0};
  const std::uint32_t byRows = (height + kMinRowsPerPart - 1) / kMinRowsPerPart;
  pass.parts = std::clamp<std::uint32_t>(byRows, 1, (pool_->size() + 1) * kPartsPerThread);
  pool_->run(pass.parts, &CASProcessor::runPart, &pass);
  return true;
}

void CASProcessor::runPart(void* context, std::uint32_t part, std::uint32_t worker) noexcept {
  auto& pass = *static_cast<Pass*>(context);
  CASProcessor& self = *pass.processor;
  const std::uint64_t height = pass.frame.height;
  const auto firstRow = static_cast<std::uint32_t>(height * part / pass.parts);
  const auto endRow = static_cast<std::uint32_t>(height * (part + 1) / pass.parts);

  // The float paths' scratch: only this thread touches it; it grows for a wider frame than any
  // before. A calling capture thread keeps its own for its lifetime.
  auto scratch = [&] {
    thread_local std::vector<float> callerScratch;
    std::vector<float>& own = worker == WorkerPool::kCaller ? callerScratch : self.scratch_[worker];
    const std::size_t needed = cas::scratchFloats(pass.frame.width);
    if (own.size() < needed) own.resize(needed);
    return own.data();
  };

  switch (self.kernel_) {
    case Kernel::Avx2:
      cas::sharpenRowsAvx2(pass.frame, firstRow, endRow, nullptr);
      break;
    case Kernel::Sse2:
      cas::sharpenRowsSse2(pass.frame, firstRow, endRow, scratch());
      break;
    case Kernel::Scalar:
      cas::sharpenRowsScalar(pass.frame, firstRow, endRow, scratch());
      break;
  }
}

const char* CASProcessor::instructionsName() const {
  switch (kernel_) {
    case Kernel::Avx2:
      return "AVX2";
    case Kernel::Sse2:
      return "SSE2";
    case Kernel::Scalar:
      break;
  }
  return "scalar";
}

}  // namespace parvalon::host
