// Sharpening benchmark: CASProcessor::apply per frame at 1080p and 1440p (into the encoder's
// padded picture, as the pipeline does): minimum, median, 99th percentile and maximum of the wall
// time per call, and the CPU time per frame across all threads. On a shared machine the minimum
// and the CPU time show the cost of the pass; the median shows what the other load left of it. Not a timed test; run by hand:
//   build/bench/cas/parvalon-bench-cas [--frames 200] [--threads N] [--sse2 | --scalar]

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "capture/CASProcessor.h"
#include "common/ProcessTools.h"
#include "platform/CpuFrame.h"

namespace {

using Clock = std::chrono::steady_clock;
using parvalon::host::CASProcessor;
using parvalon::host::platform::CpuImage;

struct Options {
  int frames = 200;
  std::uint32_t threads = 0;
  CASProcessor::Instructions instructions = CASProcessor::Instructions::Best;
  float sharpness = 0.7f;
};

bool parseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--frames" && i + 1 < argc) o.frames = std::atoi(argv[++i]);
    else if (arg == "--threads" && i + 1 < argc) o.threads = static_cast<std::uint32_t>(std::atoi(argv[++i]));
    else if (arg == "--scalar") o.instructions = CASProcessor::Instructions::Scalar;
    else if (arg == "--sse2") o.instructions = CASProcessor::Instructions::Sse2;
    else if (arg == "--sharpness" && i + 1 < argc) o.sharpness = static_cast<float>(std::atof(argv[++i]));
    else return false;
  }
  return o.frames > 0;
}

// Desktop-like content: smooth gradients with sharp-edged bars and fine noise, so every branch-free
// step does its real work (the arithmetic is the same for any content).
CpuImage testPicture(std::uint32_t width, std::uint32_t height) {
  CpuImage image(width, height);
  std::uint32_t noise = 12345;
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint8_t* row = image.row(y);
    for (std::uint32_t x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const bool bar = (x / 7 + y / 11) % 5 == 0;
      row[x * 4 + 0] = static_cast<std::uint8_t>(bar ? 20 : (x * 255 / width));
      row[x * 4 + 1] = static_cast<std::uint8_t>(bar ? 235 : (y * 255 / height));
      row[x * 4 + 2] = static_cast<std::uint8_t>((noise >> 24) & 0xFF);
      row[x * 4 + 3] = 0xFF;
    }
  }
  return image;
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(index, values.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parseArgs(argc, argv, o)) {
    std::fprintf(stderr, "usage: %s [--frames N] [--threads N] [--sse2 | --scalar] [--sharpness S]\n", argv[0]);
    return 2;
  }
  CASProcessor processor(CASProcessor::Options{o.threads, o.instructions});
  if (!processor.initialize()) return 1;
  processor.setEnabled(true);
  processor.setSharpness(o.sharpness);

  std::printf("CAS benchmark: %d frames per size, %s code, %u threads per frame, %u cores\n", o.frames,
              processor.instructionsName(),
              o.threads != 0 ? o.threads : std::max(1u, std::thread::hardware_concurrency()),
              std::thread::hardware_concurrency());
  // The machine's load next to the figures: on a shared machine the wall times depend on it.
  std::ifstream loadavg("/proc/loadavg");
  std::string load1, load5, load15;
  if (loadavg >> load1 >> load5 >> load15) {
    std::printf("load average at start: %s %s %s\n", load1.c_str(), load5.c_str(), load15.c_str());
  }
  std::printf("%-10s | %8s %10s %8s %8s | %12s\n", "frame", "min ms", "median ms", "p99 ms", "max ms", "CPU ms/frame");

  struct Size {
    std::uint32_t width;
    std::uint32_t height;
  };
  for (const Size size : {Size{1920, 1080}, Size{2560, 1440}}) {
    const CpuImage input = testPicture(size.width, size.height);
    // The encoder's padded picture, as the pipeline keeps one per stream.
    CpuImage output((size.width + 15) & ~15u, (size.height + 15) & ~15u);
    for (int i = 0; i < 10; ++i) processor.apply(input.view(), output, size.width, size.height);

    std::vector<double> wallMs;
    wallMs.reserve(static_cast<std::size_t>(o.frames));
    const double cpuBefore = parvalon::bench::selfCpuSeconds();
    for (int i = 0; i < o.frames; ++i) {
      const auto start = Clock::now();
      if (!processor.apply(input.view(), output, size.width, size.height)) {
        std::fprintf(stderr, "apply failed\n");
        return 1;
      }
      wallMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const double cpuMs = (parvalon::bench::selfCpuSeconds() - cpuBefore) * 1000.0 / o.frames;
    char label[32];
    std::snprintf(label, sizeof label, "%ux%u", size.width, size.height);
    std::printf("%-10s | %8.2f %10.2f %8.2f %8.2f | %12.2f\n", label, percentile(wallMs, 0.0), percentile(wallMs, 0.5),
                percentile(wallMs, 0.99), percentile(wallMs, 1.0), cpuMs);
  }
  return 0;
}
