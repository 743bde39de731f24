// Capture benchmark: for each window size, the host's window capture against ffmpeg's x11grab
// of the same region in the same run. Run by hand through run-capture-bench.sh (it starts a
// virtual desktop large enough for 2560x1440); not a timed test.
//
// Reported per size: frames a second, CPU per frame (the capturing process plus the X server,
// which does the copy in both cases) and, for our capture, the draw-to-capture latency read
// from the pattern's time stamp.

#include <fcntl.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/PatternWindow.h"
#include "common/ProcessTools.h"
#include "support/ChildProcess.h"
#include "PatternStamp.h"
#include "capture/WindowCapture.h"
#include "logging/Logging.h"
#include "platform/WindowSystem.h"

namespace {

using namespace parvalon::bench;

using Clock = std::chrono::steady_clock;

struct Size {
  int width;
  int height;
};

struct Options {
  std::vector<Size> sizes{{1280, 720}, {1920, 1080}, {2560, 1440}};
  double seconds = 5;
  int fps = 60;
  long xserverPid = 0;
};


struct Result {
  double fps = 0;
  double cpuMsPerFrame = 0;
  double latencyMedianMs = -1;
  int frames = 0;
};

Result measureOurs(parvalon::host::platform::WindowHandle window, const Options& o, long xserverPid) {
  parvalon::host::WindowCapture capture;
  Result result;
  if (!capture.initialize(window, static_cast<std::uint32_t>(o.fps))) return result;
  std::mutex mutex;  // guards latencies; taken by the capture thread and at the end by main
  std::vector<double> latencies;
  std::atomic<int> frames{0};
  std::atomic<bool> counting{false};
  if (!capture.startCapture([&](const parvalon::host::platform::CpuFrame& f) {
        if (!counting.load()) return;
        ++frames;
        const auto stamp = parvalon::testpattern::decodeStampBgra(f.data, f.stride, static_cast<int>(f.width),
                                                                   static_cast<int>(f.height));
        if (stamp) {
          std::lock_guard lock(mutex);
          latencies.push_back(static_cast<double>(f.timestampUs - static_cast<std::int64_t>(stamp->timeUs)) / 1000.0);
        }
      })) {
    return result;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // warm-up
  const double cpu0 = selfCpuSeconds() + processCpuSeconds(xserverPid);
  const auto t0 = Clock::now();
  counting.store(true);
  std::this_thread::sleep_for(std::chrono::duration<double>(o.seconds));
  counting.store(false);
  const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
  const double cpu = selfCpuSeconds() + processCpuSeconds(xserverPid) - cpu0;
  capture.stopCapture();
  result.frames = frames.load();
  result.fps = result.frames / wall;
  result.cpuMsPerFrame = result.frames > 0 ? cpu * 1000.0 / result.frames : 0;
  std::lock_guard lock(mutex);
  if (!latencies.empty()) {
    std::sort(latencies.begin(), latencies.end());
    result.latencyMedianMs = latencies[latencies.size() / 2];
  }
  return result;
}

Result measureFfmpeg(const parvalon::host::platform::WindowRect& rect, const Options& o, long xserverPid) {
  Result result;
  const std::string log = (std::filesystem::temp_directory_path() / "parvalon-bench-ffmpeg.log").string();
  const char* display = std::getenv("DISPLAY");
  const std::string input = std::string(display ? display : ":0") + "+" + std::to_string(rect.x) + "," + std::to_string(rect.y);
  const double cpu0 = processCpuSeconds(xserverPid);
  const auto t0 = Clock::now();
  parvalon::host::test::ChildProcess ffmpeg("ffmpeg", {"-nostdin", "-hide_banner", "-loglevel", "error", "-stats", "-f", "x11grab",
                           "-framerate", std::to_string(o.fps), "-video_size",
                           std::to_string(rect.width) + "x" + std::to_string(rect.height), "-i", input, "-t",
                           std::to_string(o.seconds), "-f", "null", "-"},
                                          {log, {}, {}, true});
  if (!ffmpeg.start()) return result;
  ffmpeg.wait(std::chrono::seconds(static_cast<int>(o.seconds) + 60));
  const rusage usage = ffmpeg.resourceUsage();
  const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
  const double cpu = cpuSecondsOf(usage) + processCpuSeconds(xserverPid) - cpu0;
  std::ifstream in(log);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto at = text.rfind("frame=");
  if (at == std::string::npos) return result;
  result.frames = std::atoi(text.c_str() + at + 6);
  // ffmpeg's own start-up is in the wall time; the frames span the requested duration.
  (void)wall;
  result.fps = result.frames / o.seconds;
  result.cpuMsPerFrame = result.frames > 0 ? cpu * 1000.0 / result.frames : 0;
  return result;
}

bool parseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seconds" && i + 1 < argc) o.seconds = std::atof(argv[++i]);
    else if (arg == "--fps" && i + 1 < argc) o.fps = std::atoi(argv[++i]);
    else if (arg == "--xserver-pid" && i + 1 < argc) o.xserverPid = std::atol(argv[++i]);
    else if (arg == "--sizes" && i + 1 < argc) {
      o.sizes.clear();
      std::stringstream list(argv[++i]);
      std::string item;
      while (std::getline(list, item, ',')) {
        Size s{};
        if (std::sscanf(item.c_str(), "%dx%d", &s.width, &s.height) == 2 && s.width > 0 && s.height > 0) o.sizes.push_back(s);
      }
    } else {
      return false;
    }
  }
  return o.seconds > 0 && o.fps > 0 && !o.sizes.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parseArgs(argc, argv, o)) {
    std::fputs("usage: parvalon-bench-capture [--seconds S] [--fps N] [--sizes WxH,...] [--xserver-pid PID]\n", stderr);
    return 2;
  }
  parvalon::host::initLogging("ParvalonHost", false, spdlog::level::warn);
  auto windows = parvalon::host::platform::WindowSystem::create();
  std::printf("capture benchmark: %.1f s per run, pattern and capture at %d fps, X server pid %ld\n", o.seconds, o.fps,
              o.xserverPid);
  std::printf("%-10s | %9s %12s %10s | %9s %12s | %9s %9s\n", "size", "ours fps", "ours ms/fr", "latency",
              "ffmpeg fps", "ffmpeg ms/fr", "fps ratio", "cpu ratio");
  int failures = 0;
  for (const Size& size : o.sizes) {
    auto pattern = parvalon::bench::openPatternWindow(*windows, "Parvalon Capture Bench", size.width, size.height, o.fps);
    if (!pattern) {
      ++failures;
      continue;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Result ours = measureOurs(pattern->process->window(), o, o.xserverPid);
    const Result ffmpeg = measureFfmpeg(pattern->rect, o, o.xserverPid);
    char label[32];
    std::snprintf(label, sizeof label, "%dx%d", size.width, size.height);
    std::printf("%-10s | %9.1f %12.2f %8.1fms | %9.1f %12.2f | %9.2f %9.2f\n", label, ours.fps, ours.cpuMsPerFrame,
                ours.latencyMedianMs, ffmpeg.fps, ffmpeg.cpuMsPerFrame, ffmpeg.fps > 0 ? ours.fps / ffmpeg.fps : 0.0,
                ffmpeg.cpuMsPerFrame > 0 ? ours.cpuMsPerFrame / ffmpeg.cpuMsPerFrame : 0.0);
    std::fflush(stdout);
    if (ours.frames == 0 || ffmpeg.frames == 0) ++failures;
  }
  std::puts("ms/fr: CPU milliseconds per frame, capturing process plus X server; ratio = ours / ffmpeg");
  return failures == 0 ? 0 : 1;
}
