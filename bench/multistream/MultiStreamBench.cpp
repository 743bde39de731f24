// Multi-stream benchmark: one client subscribes several windows on one video connection of the
// real ParvalonHost, as a headset does, and counts the frames of every stream. Run by hand
// through run-multistream-bench.sh; not a timed test.
//
// Prints, for the measured interval after a warm-up: sustained frames a second per stream, the
// host process's CPU (percent of one core), the machine's busy share of all cores, and writes
// the same as JSON.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "SignalingClient.h"
#include "TcpConnection.h"
#include "common/ProcessTools.h"
#include "protocol/PacketHeaders.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using parvalon::viewer::SignalingClient;
using parvalon::viewer::TcpConnection;
namespace protocol = parvalon::protocol;

constexpr std::uint32_t kMaxPacketBytes = 64u << 20;
constexpr auto kReplyTimeout = 5s;

struct Options {
  std::string host = "127.0.0.1";
  std::uint16_t port = 9876;
  std::string titlePattern = "^Multi Pattern";
  int expectedWindows = 0;
  double warmupSeconds = 3;
  double seconds = 15;
  long hostPid = 0;
  std::string jsonPath;
};

bool parseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    if (arg == "--host") o.host = value;
    else if (arg == "--port") o.port = static_cast<std::uint16_t>(std::atoi(value.c_str()));
    else if (arg == "--title") o.titlePattern = value;
    else if (arg == "--windows") o.expectedWindows = std::atoi(value.c_str());
    else if (arg == "--warmup") o.warmupSeconds = std::atof(value.c_str());
    else if (arg == "--seconds") o.seconds = std::atof(value.c_str());
    else if (arg == "--host-pid") o.hostPid = std::atol(value.c_str());
    else if (arg == "--json") o.jsonPath = value;
    else return false;
  }
  return o.expectedWindows > 0 && o.seconds > 0;
}

// Busy and total jiffies of all cores together, from /proc/stat.
std::pair<double, double> machineJiffies() {
  std::ifstream in("/proc/stat");
  std::string cpu;
  in >> cpu;
  double values[10] = {};
  for (double& v : values) in >> v;
  double total = 0;
  for (double v : values) total += v;
  const double idle = values[3] + values[4];  // idle + iowait
  return {total - idle, total};
}

// Frames per stream id, counted by the reader thread.
class Counter {
 public:
  void add(std::uint8_t streamId) {
    std::lock_guard lock(mutex_);
    ++counts_[streamId];
  }
  std::map<std::uint8_t, std::uint64_t> snapshot() {
    std::lock_guard lock(mutex_);
    return counts_;
  }

 private:
  // Guards counts_; taken by the reader thread and the main thread.
  std::mutex mutex_;
  std::map<std::uint8_t, std::uint64_t> counts_;
};

bool readPacket(TcpConnection& video, std::vector<std::uint8_t>& packet) {
  packet.resize(protocol::kLengthFieldBytes);
  if (video.readExact(packet.data(), packet.size(), 200ms) != TcpConnection::ReadResult::Ok) return false;
  const std::uint32_t length = protocol::getU32(packet.data());
  if (length < protocol::kVideoPacketHeaderBytes - protocol::kLengthFieldBytes || length > kMaxPacketBytes) {
    std::fprintf(stderr, "video packet length %u out of range\n", length);
    video.shutdown();
    return false;
  }
  packet.resize(protocol::kLengthFieldBytes + length);
  return video.readExact(packet.data() + protocol::kLengthFieldBytes, length, 10s) == TcpConnection::ReadResult::Ok;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseArgs(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: parvalon-bench-multistream --windows N [--port P] [--title REGEX] [--seconds S]\n"
                 "         [--warmup S] [--host-pid PID] [--json FILE]\n");
    return 2;
  }
  SignalingClient signaling;
  if (!signaling.connect(options.host, options.port, kReplyTimeout)) {
    std::fprintf(stderr, "no signaling connection to %s:%u\n", options.host.c_str(), options.port);
    return 1;
  }
  signaling.send({{"type", "hello"}, {"clientName", "parvalon-bench-multistream"}});
  const auto welcome = signaling.waitForType("welcome", kReplyTimeout);
  if (!welcome) {
    std::fprintf(stderr, "no welcome\n");
    return 1;
  }
  const auto videoPort = welcome->value("videoPort", 0);

  // The pattern windows, in title order.
  std::vector<std::pair<std::string, std::uint32_t>> windows;
  const std::regex pattern(options.titlePattern);
  for (int attempt = 0; attempt < 50 && static_cast<int>(windows.size()) < options.expectedWindows; ++attempt) {
    windows.clear();
    signaling.send({{"type", "window_list_request"}});
    const auto list = signaling.waitForType("window_list", kReplyTimeout);
    if (list && list->contains("windows")) {
      for (const auto& w : (*list)["windows"]) {
        const std::string title = w.value("title", "");
        if (std::regex_search(title, pattern)) windows.emplace_back(title, w.value("id", 0u));
      }
    }
    if (static_cast<int>(windows.size()) < options.expectedWindows) std::this_thread::sleep_for(200ms);
  }
  if (static_cast<int>(windows.size()) < options.expectedWindows) {
    std::fprintf(stderr, "found %zu of %d windows matching %s\n", windows.size(), options.expectedWindows,
                 options.titlePattern.c_str());
    return 1;
  }
  std::sort(windows.begin(), windows.end());
  windows.resize(static_cast<std::size_t>(options.expectedWindows));

  std::map<std::uint8_t, std::string> titles;
  for (const auto& [title, id] : windows) {
    signaling.send({{"type", "stream_start"}, {"windowId", id}});
    const auto answer = signaling.waitFor(
        [](const nlohmann::json& m) {
          const std::string type = m.value("type", "");
          return type == "stream_started" || type == "error";
        },
        kReplyTimeout);
    if (!answer || answer->value("type", "") != "stream_started") {
      std::fprintf(stderr, "stream_start of \"%s\" failed: %s\n", title.c_str(), answer ? answer->dump().c_str() : "no answer");
      return 1;
    }
    titles[static_cast<std::uint8_t>(answer->value("streamId", 0))] = title;
  }

  TcpConnection video;
  if (!video.connect(options.host, static_cast<std::uint16_t>(videoPort), kReplyTimeout)) {
    std::fprintf(stderr, "no video connection on port %d\n", videoPort);
    return 1;
  }
  Counter counter;
  std::atomic<bool> running{true};
  std::thread reader([&] {
    std::vector<std::uint8_t> packet;
    while (running.load()) {
      if (!readPacket(video, packet)) {
        if (!video.isOpen()) break;
        continue;
      }
      const auto header = protocol::decodeVideoPacketHeader(packet);
      if (header && header->common.packetType == protocol::kPacketTypeVideo) counter.add(header->common.streamId);
    }
  });

  std::this_thread::sleep_for(std::chrono::duration<double>(options.warmupSeconds));
  const auto before = counter.snapshot();
  const double hostCpuBefore = parvalon::bench::processCpuSeconds(options.hostPid);
  const auto machineBefore = machineJiffies();
  const auto start = Clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(options.seconds));
  const auto after = counter.snapshot();
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  const double hostCpu = parvalon::bench::processCpuSeconds(options.hostPid) - hostCpuBefore;
  const auto machineAfter = machineJiffies();
  running.store(false);
  video.shutdown();
  reader.join();
  for (const auto& [streamId, title] : titles) signaling.send({{"type", "stream_stop"}, {"streamId", streamId}});
  signaling.close();

  nlohmann::json report;
  report["seconds"] = elapsed;
  report["streams"] = nlohmann::json::array();
  double minFps = 1e9;
  for (const auto& [streamId, title] : titles) {
    const auto a = after.count(streamId) ? after.at(streamId) : 0;
    const auto b = before.count(streamId) ? before.at(streamId) : 0;
    const double fps = static_cast<double>(a - b) / elapsed;
    minFps = std::min(minFps, fps);
    report["streams"].push_back({{"streamId", streamId}, {"title", title}, {"fps", fps}});
    std::printf("stream %u (%s): %.1f fps\n", streamId, title.c_str(), fps);
  }
  const double busy = machineAfter.first - machineBefore.first;
  const double total = machineAfter.second - machineBefore.second;
  report["minFps"] = minFps;
  report["hostCpuPercentOfOneCore"] = options.hostPid > 0 ? 100.0 * hostCpu / elapsed : -1.0;
  report["machineBusyPercent"] = total > 0 ? 100.0 * busy / total : -1.0;
  std::printf("host CPU: %.0f %% of one core; machine busy: %.0f %% of all cores\n",
              report["hostCpuPercentOfOneCore"].get<double>(), report["machineBusyPercent"].get<double>());
  if (!options.jsonPath.empty()) std::ofstream(options.jsonPath) << report.dump(2) << "\n";
  return 0;
}
