// Host-cost benchmark: for each window size, the host's pipeline (window capture, padding and
// colour conversion, software encoding, sending on a loopback TCP connection) against an
// ffmpeg x11grab → libx264 ultrafast/zerolatency pipeline of the same window and bitrate, in
// the same run. Run by hand through run-stream-bench.sh; not a timed test.
//
// Per size: sustained frames a second of each pipeline, CPU per frame (process plus X server,
// which does the pixel copy in both), and for ours the per-frame cost split into capture,
// conversion (sharpening when on, padding, BGRA → I420), the crossing between CPU pixels and
// device textures within it (none on Linux), encode and send (medians, milliseconds). Ours runs with the sharpening pass off and on (--sharpening), in the same run.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/uio.h>
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
#include "capture/CaptureOrchestrator.h"
#include "encode/SoftwareEncoder.h"
#include "logging/Logging.h"
#include "platform/CaptureSource.h"
#include "platform/WindowSystem.h"

namespace {

using namespace parvalon::bench;

using Clock = std::chrono::steady_clock;
using parvalon::host::platform::CaptureSource;
using parvalon::host::platform::CaptureSourceFactory;
using parvalon::host::platform::CpuFrame;

constexpr std::size_t kVideoHeaderBytes = 20;

struct Size {
  int width;
  int height;
};

struct Options {
  std::vector<Size> sizes{{1280, 720}, {1920, 1080}, {2560, 1440}};
  double seconds = 8;
  int fps = 72;
  int patternFps = 90;
  int bitrateKbps = 20000;
  long xserverPid = 0;
  std::vector<bool> sharpening{false, true};  // one run of ours for each
};

double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double nowMs() { return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count(); }


double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Per-frame samples: the capture thread's share on it, the encoder's share on the thread that
// delivers the encoded frame. Read by main after the capture stopped.
struct Samples {
  std::mutex mutex;  // guards everything below; the capture thread, the delivering thread and main
  bool counting = false;
  int frames = 0;  // encoded frames delivered while counting
  std::vector<double> captureMs, conversionMs, crossMs, encodeMs, sendMs;
  double lastThreadCpuMs = -1;  // capture thread only
};

// Wraps the real capture service to time the capture thread's own work between deliveries
// (the image read and cursor blend) and the orchestrator's per-frame work.
class TimedSource : public CaptureSource {
 public:
  TimedSource(std::unique_ptr<CaptureSource> inner, Samples& samples)
      : inner_(std::move(inner)), samples_(samples) {}
  parvalon::host::platform::CaptureSize size() const override { return inner_->size(); }
  bool start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) override {
    return inner_->start(
        [this, onFrame = std::move(onFrame)](const CpuFrame& frame) {
          const double cpuNow = threadCpuMs();
          const double captureCpu = samples_.lastThreadCpuMs < 0 ? 0 : cpuNow - samples_.lastThreadCpuMs;
          const double enter = nowMs();
          onFrame(frame);
          const double inOrchestrator = nowMs() - enter;
          samples_.lastThreadCpuMs = threadCpuMs();
          if (frame.data == nullptr) return;
          std::lock_guard lock(samples_.mutex);
          if (!samples_.counting) return;
          samples_.captureMs.push_back(captureCpu);
          samples_.conversionMs.push_back(inOrchestrator);
        },
        std::move(onClosed), error);
  }
  void recreateFramePool(std::uint32_t width, std::uint32_t height) override { inner_->recreateFramePool(width, height); }
  void requestFrame() override { inner_->requestFrame(); }
  void setFps(std::uint32_t fps) override { inner_->setFps(fps); }
  void stop() override { inner_->stop(); }

 private:
  std::unique_ptr<CaptureSource> inner_;
  Samples& samples_;
};

class TimedFactory : public CaptureSourceFactory {
 public:
  TimedFactory(std::shared_ptr<CaptureSourceFactory> inner, Samples& samples)
      : inner_(std::move(inner)), samples_(samples) {}
  bool isSupported(std::string& reason) override { return inner_->isSupported(reason); }
  std::vector<std::string> diagnostics() override { return inner_->diagnostics(); }
  std::unique_ptr<CaptureSource> create(parvalon::host::platform::WindowHandle window,
                                        const parvalon::host::platform::CaptureOptions& options,
                                        std::string& error) override {
    auto source = inner_->create(window, options, error);
    if (!source) return nullptr;
    return std::make_unique<TimedSource>(std::move(source), samples_);
  }

 private:
  std::shared_ptr<CaptureSourceFactory> inner_;
  Samples& samples_;
};

// A loopback TCP connection standing in for the video channel; a thread drains the far end.
class LoopbackSink {
 public:
  bool open() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listener_, 1) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      return false;
    }
    sender_ = socket(AF_INET, SOCK_STREAM, 0);
    if (connect(sender_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
    const int one = 1;
    setsockopt(sender_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    receiver_ = accept(listener_, nullptr, nullptr);
    if (receiver_ < 0) return false;
    drain_ = std::thread([this] {
      std::vector<char> buffer(1 << 20);
      while (recv(receiver_, buffer.data(), buffer.size(), 0) > 0) {
      }
    });
    return true;
  }
  // One video message: length, 20-byte header, payload, as one gather write.
  void send(const std::uint8_t* data, std::uint64_t size, bool key) {
    std::uint8_t header[4 + kVideoHeaderBytes]{};
    const std::uint32_t length = static_cast<std::uint32_t>(kVideoHeaderBytes + size);
    std::memcpy(header, &length, 4);
    header[4] = 1;
    header[5] = 1;
    header[7] = key ? 1 : 0;
    iovec parts[2] = {{header, sizeof header}, {const_cast<std::uint8_t*>(data), size}};
    std::size_t total = sizeof header + size;
    while (total > 0) {
      const ssize_t written = writev(sender_, parts, 2);
      if (written <= 0) return;
      total -= static_cast<std::size_t>(written);
      std::size_t skip = static_cast<std::size_t>(written);
      for (auto& p : parts) {
        const std::size_t n = std::min(skip, p.iov_len);
        p.iov_base = static_cast<char*>(p.iov_base) + n;
        p.iov_len -= n;
        skip -= n;
      }
    }
    bytes_ += size;
  }
  std::uint64_t bytes() const { return bytes_; }
  ~LoopbackSink() {
    if (sender_ >= 0) shutdown(sender_, SHUT_RDWR), close(sender_);
    if (drain_.joinable()) drain_.join();
    if (receiver_ >= 0) close(receiver_);
    if (listener_ >= 0) close(listener_);
  }

 private:
  int listener_ = -1, sender_ = -1, receiver_ = -1;
  std::thread drain_;
  std::uint64_t bytes_ = 0;
};

struct Result {
  double fps = 0;
  double cpuMsPerFrame = 0;
  double kbps = 0;
  int frames = 0;
  double capture = 0, conversion = 0, cross = 0, encode = 0, send = 0, total = 0;
};

Result measureOurs(std::uint32_t windowId, const Options& o, bool sharpening) {
  Result result;
  Samples samples;
  std::atomic<parvalon::host::SoftwareEncoder*> current{nullptr};
  auto factory = std::make_shared<TimedFactory>(CaptureSourceFactory::createDefault(), samples);
  LoopbackSink sink;
  if (!sink.open()) {
    std::puts("loopback connection failed");
    return result;
  }
  parvalon::host::CaptureOrchestrator orchestrator(
      parvalon::host::platform::WindowSystem::create(), factory,
      [&current](const parvalon::host::EncoderConfig& config) -> std::unique_ptr<parvalon::host::EncoderBase> {
        auto encoder = std::make_unique<parvalon::host::SoftwareEncoder>();
        if (!encoder->initialize(config)) return nullptr;
        current = encoder.get();
        return encoder;
      });
  orchestrator.setBitrate(static_cast<std::uint32_t>(o.bitrateKbps), static_cast<std::uint32_t>(o.bitrateKbps) * 5 / 2);
  orchestrator.setTargetFps(static_cast<std::uint32_t>(o.fps));
  // Called by the encoder right after the picture was encoded, on the thread that encoded it.
  orchestrator.setFrameCallback([&](std::uint8_t streamId, const std::uint8_t* data, std::uint64_t size, bool key) {
    const double start = nowMs();
    sink.send(data, size, key);
    const double send = nowMs() - start;
    std::uint64_t crossUs = 0;
    orchestrator.getConversionTime(streamId, crossUs);
    auto* encoder = current.load();
    std::lock_guard lock(samples.mutex);
    if (!samples.counting || encoder == nullptr) return;
    ++samples.frames;
    samples.encodeMs.push_back(static_cast<double>(encoder->lastStageTimes().encodeUs) / 1000.0);
    samples.sendMs.push_back(send);
    samples.crossMs.push_back(static_cast<double>(crossUs) / 1000.0);
  });
  orchestrator.initialize();
  orchestrator.setSharpeningEnabled(sharpening);
  if (!orchestrator.startCapture(windowId, 1)) return result;
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));  // warm-up, first-frame re-creation
  const std::uint64_t bytes0 = sink.bytes();
  const double cpu0 = selfCpuSeconds() + processCpuSeconds(o.xserverPid);
  const auto t0 = Clock::now();
  {
    std::lock_guard lock(samples.mutex);
    samples.counting = true;
  }
  std::this_thread::sleep_for(std::chrono::duration<double>(o.seconds));
  {
    std::lock_guard lock(samples.mutex);
    samples.counting = false;
  }
  const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
  const double cpu = selfCpuSeconds() + processCpuSeconds(o.xserverPid) - cpu0;
  const std::uint64_t bytes = sink.bytes() - bytes0;
  orchestrator.shutdown();
  std::lock_guard lock(samples.mutex);
  result.frames = samples.frames;
  result.fps = result.frames / wall;
  result.cpuMsPerFrame = result.frames > 0 ? cpu * 1000.0 / result.frames : 0;
  result.kbps = static_cast<double>(bytes) * 8.0 / 1000.0 / wall;
  result.capture = median(samples.captureMs);
  result.conversion = median(samples.conversionMs);
  result.cross = median(samples.crossMs);
  result.encode = median(samples.encodeMs);
  result.send = median(samples.sendMs);
  result.total = result.capture + result.conversion + result.encode + result.send;
  return result;
}

Result measureFfmpeg(const parvalon::host::platform::WindowRect& rect, const Options& o) {
  Result result;
  const std::string log = (std::filesystem::temp_directory_path() / "parvalon-stream-bench-ffmpeg.log").string();
  const std::string out = (std::filesystem::temp_directory_path() / "parvalon-stream-bench.h264").string();
  const char* display = std::getenv("DISPLAY");
  const std::string input =
      std::string(display ? display : ":0") + "+" + std::to_string(rect.x) + "," + std::to_string(rect.y);
  const std::string rate = std::to_string(o.bitrateKbps) + "k";
  const std::string buffer = std::to_string(o.bitrateKbps * 5 / 2 / o.fps) + "k";
  const double cpu0 = processCpuSeconds(o.xserverPid);
  parvalon::host::test::ChildProcess ffmpeg("ffmpeg", {"-nostdin", "-hide_banner", "-loglevel", "error", "-stats", "-f", "x11grab",
                           "-framerate", std::to_string(o.fps), "-video_size",
                           std::to_string(rect.width) + "x" + std::to_string(rect.height), "-i", input, "-t",
                           std::to_string(o.seconds), "-c:v", "libx264", "-preset", "ultrafast", "-tune",
                           "zerolatency", "-b:v", rate, "-maxrate", rate, "-bufsize", buffer, "-g", "60",
                           "-vsync", "passthrough", "-r", std::to_string(o.fps), "-f",
                           "h264", "-y", out},
                                          {log, {}, {}, true});
  if (!ffmpeg.start()) return result;
  ffmpeg.wait(std::chrono::seconds(static_cast<int>(o.seconds) + 60));
  const rusage usage = ffmpeg.resourceUsage();
  const double cpu = cpuSecondsOf(usage) + processCpuSeconds(o.xserverPid) - cpu0;
  std::ifstream in(log);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto at = text.rfind("frame=");
  if (at == std::string::npos) return result;
  result.frames = std::atoi(text.c_str() + at + 6);
  result.fps = result.frames / o.seconds;  // the frames span the requested duration
  result.cpuMsPerFrame = result.frames > 0 ? cpu * 1000.0 / result.frames : 0;
  std::error_code ec;
  result.kbps = static_cast<double>(std::filesystem::file_size(out, ec)) * 8.0 / 1000.0 / o.seconds;
  std::filesystem::remove(out, ec);
  return result;
}

bool parseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seconds" && i + 1 < argc) o.seconds = std::atof(argv[++i]);
    else if (arg == "--fps" && i + 1 < argc) o.fps = std::atoi(argv[++i]);
    else if (arg == "--pattern-fps" && i + 1 < argc) o.patternFps = std::atoi(argv[++i]);
    else if (arg == "--bitrate" && i + 1 < argc) o.bitrateKbps = std::atoi(argv[++i]);
    else if (arg == "--xserver-pid" && i + 1 < argc) o.xserverPid = std::atol(argv[++i]);
    else if (arg == "--sharpening" && i + 1 < argc) {
      const std::string which = argv[++i];
      if (which == "off") o.sharpening = {false};
      else if (which == "on") o.sharpening = {true};
      else if (which == "both") o.sharpening = {false, true};
      else return false;
    }
    else if (arg == "--sizes" && i + 1 < argc) {
      o.sizes.clear();
      std::stringstream list(argv[++i]);
      std::string item;
      while (std::getline(list, item, ',')) {
        Size s{};
        if (std::sscanf(item.c_str(), "%dx%d", &s.width, &s.height) == 2 && s.width > 0 && s.height > 0) {
          o.sizes.push_back(s);
        }
      }
    } else {
      return false;
    }
  }
  return o.seconds > 0 && o.fps > 0 && o.patternFps > 0 && o.bitrateKbps > 0 && !o.sizes.empty();
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parseArgs(argc, argv, o)) {
    std::fputs("usage: parvalon-bench-stream [--seconds S] [--fps N] [--pattern-fps N] [--bitrate KBPS]\n"
               "                             [--sizes WxH,...] [--xserver-pid PID] [--sharpening off|on|both]\n",
               stderr);
    return 2;
  }
  parvalon::host::initLogging("ParvalonHost", false, spdlog::level::warn);
  auto windows = parvalon::host::platform::WindowSystem::create();
  std::printf("stream benchmark: %.1f s per run, encoder at %d fps and %d kbit/s, pattern drawn at %d fps, "
              "X server pid %ld\n",
              o.seconds, o.fps, o.bitrateKbps, o.patternFps, o.xserverPid);
  std::printf("%-14s | %7s %8s %7s | %7s %7s %7s %7s %7s %7s | %7s %8s %7s | %6s %6s\n", "size", "fps", "cpu/fr",
              "kbps", "capt", "conv", "cross", "enc", "send", "total", "ff fps", "ff cpu", "ff kbps", "fps x", "cpu x");
  int failures = 0;
  for (const Size& size : o.sizes) {
    auto pattern = parvalon::bench::openPatternWindow(*windows, "Parvalon Stream Bench", size.width, size.height, o.patternFps);
    if (!pattern) {
      ++failures;
      continue;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<Result> ours;
    for (const bool sharpening : o.sharpening) ours.push_back(measureOurs(static_cast<std::uint32_t>(pattern->process->window()), o, sharpening));
    const Result ffmpeg = measureFfmpeg(pattern->rect, o);
    for (std::size_t run = 0; run < ours.size(); ++run) {
      const Result& r = ours[run];
      char label[32];
      std::snprintf(label, sizeof label, "%dx%d%s", size.width, size.height, o.sharpening[run] ? " +cas" : "");
      std::printf("%-14s | %7.1f %8.2f %7.0f | %7.2f %7.2f %7.2f %7.2f %7.2f %7.2f | %7.1f %8.2f %7.0f | %6.2f %6.2f\n",
                  label, r.fps, r.cpuMsPerFrame, r.kbps, r.capture, r.conversion, r.cross, r.encode, r.send, r.total,
                  ffmpeg.fps,
                  ffmpeg.cpuMsPerFrame, ffmpeg.kbps, ffmpeg.fps > 0 ? r.fps / ffmpeg.fps : 0.0,
                  ffmpeg.cpuMsPerFrame > 0 ? r.cpuMsPerFrame / ffmpeg.cpuMsPerFrame : 0.0);
      if (r.frames == 0) ++failures;
    }
    std::fflush(stdout);
    if (ffmpeg.frames == 0) ++failures;
  }
  std::puts("cpu/fr: CPU ms per frame, process plus X server. capt: capture thread CPU ms between deliveries;");
  std::puts("+cas: sharpening pass on (sharpness 0.7). conv: the capture thread in the orchestrator: sharpening when on,");
  std::puts("padding, BGRA->I420, and a wait when the encoder is a picture behind; enc: x264 and send: loopback TCP write,");
  std::puts("both on the encoder's thread, which encodes while the capture thread converts the next picture (medians, ms);");
  std::puts("cross: the part of conv that read a device texture back or uploaded pixels (0: capture and encoder take one kind);");
  std::puts("total: capt, conv, enc and send summed. ff: ffmpeg x11grab + libx264 ultrafast zerolatency. x = ours / ffmpeg.");
  return failures == 0 ? 0 : 1;
}
