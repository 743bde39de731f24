// Client input latency through the real host: the time from the client's send to the event in
// the X server, read from the test pattern's input log (its timestamps are on the same steady
// clock). Run by run-input-bench.sh; not a test.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/VideoTestClient.h"
#include "fakes/WsTestClient.h"
#include "protocol/ClientMessages.h"

using namespace std::chrono_literals;
using nlohmann::json;
using parvalon::host::testing::VideoTestClient;
using parvalon::host::testing::WsTestClient;
namespace protocol = parvalon::protocol;

namespace {

std::int64_t steadyMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Follows the pattern's input log as it grows.
class LogFollower {
 public:
  explicit LogFollower(const std::string& path) : in_(path) {}
  // The next line of `type` (and `pressed`, when given) within the time-out.
  std::optional<json> next(const std::string& type, std::optional<bool> pressed, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string line;
    while (std::chrono::steady_clock::now() < deadline) {
      if (std::getline(in_, line)) {
        if (in_.eof()) {  // a line still being written: read it again whole
          in_.clear();
          in_.seekg(-static_cast<std::streamoff>(line.size()), std::ios::cur);
          continue;
        }
        auto j = json::parse(line, nullptr, false);
        if (j.is_discarded() || j.value("type", "") != type) continue;
        if (pressed && j.value("pressed", !*pressed) != *pressed) continue;
        return j;
      }
      in_.clear();
      std::this_thread::sleep_for(50us);
    }
    return std::nullopt;
  }

 private:
  std::ifstream in_;
};

struct Percentiles {
  double p50 = 0, p99 = 0, max = 0;
  std::size_t samples = 0, lost = 0;
};

Percentiles summarise(std::vector<double> ms, std::size_t lost) {
  Percentiles p;
  p.samples = ms.size();
  p.lost = lost;
  if (ms.empty()) return p;
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * (ms.size() - 1) + 0.5))]; };
  p.p50 = at(0.50);
  p.p99 = at(0.99);
  p.max = ms.back();
  return p;
}

json toJson(const Percentiles& p) {
  return json{{"p50Ms", p.p50}, {"p99Ms", p.p99}, {"maxMs", p.max}, {"samples", p.samples}, {"lost", p.lost}};
}

int argInt(int argc, char** argv, const std::string& name, int fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (argv[i] == name) return std::atoi(argv[i + 1]);
  }
  return fallback;
}
std::string argText(int argc, char** argv, const std::string& name) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (argv[i] == name) return argv[i + 1];
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const auto signaling = static_cast<std::uint16_t>(argInt(argc, argv, "--signaling", 0));
  const auto videoPort = static_cast<std::uint16_t>(argInt(argc, argv, "--video", 0));
  const auto inputPort = static_cast<std::uint16_t>(argInt(argc, argv, "--input", 0));
  const auto window = static_cast<std::uint32_t>(std::strtoul(argText(argc, argv, "--window").c_str(), nullptr, 0));
  const std::string logPath = argText(argc, argv, "--log");
  const int moves = argInt(argc, argv, "--moves", 1000);
  const int keys = argInt(argc, argv, "--keys", 200);
  // 1: the client leaves Nagle's algorithm on, as a headset's socket may.
  const bool clientNagle = argInt(argc, argv, "--client-nagle", 0) != 0;
  if (signaling == 0 || videoPort == 0 || inputPort == 0 || window == 0 || logPath.empty()) {
    std::fprintf(stderr,
                 "usage: parvalon-bench-input --signaling P --video P --input P --window ID --log FILE "
                 "[--moves N] [--keys N] [--client-nagle 0|1]\n");
    return 2;
  }

  WsTestClient ws(signaling, 5000ms);
  ws.send(R"({"type":"hello","clientName":"input bench"})");
  ws.send(json{{"type", "stream_start"}, {"windowId", window}}.dump());
  int streamId = -1;
  for (int i = 0; i < 20 && streamId < 0; ++i) {
    const auto text = ws.read();
    if (!text) break;
    const auto j = json::parse(*text);
    if (j.value("type", "") == "stream_started") streamId = j.at("streamId").get<int>();
  }
  if (streamId < 0) {
    std::fprintf(stderr, "parvalon-bench-input: the stream did not start\n");
    return 1;
  }
  VideoTestClient video(videoPort, !clientNagle);
  VideoTestClient input(inputPort, !clientNagle);
  std::atomic<bool> stop{false};
  std::thread drain([&] {
    while (!stop.load()) video.read(100ms);
  });
  std::this_thread::sleep_for(500ms);  // both channels registered by the host

  LogFollower log(logPath);
  const auto id = static_cast<std::uint8_t>(streamId);
  auto send = [&](bool videoPath, const protocol::InputEvent& e) {
    if (videoPath) {
      return video.send(protocol::encodeClientInputMessage(
          protocol::ClientInput{e.streamId, e.type, e.action, e.x, e.y, e.code, e.modifiers, e.wheelDelta}));
    }
    return input.send(protocol::encodeInputEventMessage(e));
  };
  // A click first, as a user gives the window the keyboard.
  send(false, protocol::InputEvent{id, 1, 2, 32768, 32768, 0, 0, 0});
  send(false, protocol::InputEvent{id, 1, 3, 32768, 32768, 0, 0, 0});
  log.next("button", false, 2000ms);

  json results;
  for (const bool videoPath : {false, true}) {
    std::vector<double> moveMs, keyMs;
    std::size_t movesLost = 0, keysLost = 0;
    for (int i = 0; i < moves; ++i) {
      // A new pixel each time: 16 columns by 16 rows of the window's middle.
      const auto x = static_cast<std::uint16_t>(16384 + (i % 16) * 2048);
      const auto y = static_cast<std::uint16_t>(16384 + ((i / 16) % 16) * 2048 + (i % 2) * 1024);
      const std::int64_t sent = steadyMicros();
      send(videoPath, protocol::InputEvent{id, 1, 1, x, y, 0, 0, 0});
      if (const auto line = log.next("motion", std::nullopt, 1000ms)) {
        moveMs.push_back(static_cast<double>(line->value("timeUs", std::int64_t{0}) - sent) / 1000.0);
      } else {
        ++movesLost;
      }
    }
    for (int i = 0; i < keys; ++i) {
      const auto vk = static_cast<std::uint8_t>(0x41 + i % 26);
      const std::int64_t sent = steadyMicros();
      send(videoPath, protocol::InputEvent{id, 2, 1, 0, 0, vk, 0, 0});
      if (const auto line = log.next("key", true, 1000ms)) {
        keyMs.push_back(static_cast<double>(line->value("timeUs", std::int64_t{0}) - sent) / 1000.0);
      } else {
        ++keysLost;
      }
      send(videoPath, protocol::InputEvent{id, 2, 2, 0, 0, vk, 0, 0});
      log.next("key", false, 1000ms);
    }
    const auto m = summarise(moveMs, movesLost);
    const auto k = summarise(keyMs, keysLost);
    const char* path = videoPath ? "videoChannel" : "inputChannel";
    results[path] = json{{"moves", toJson(m)}, {"keyPresses", toJson(k)}};
    std::printf("%-13s moves: p50 %.3f ms, p99 %.3f ms (%zu, lost %zu); key presses: p50 %.3f ms, p99 %.3f ms (%zu, lost %zu)\n",
                path, m.p50, m.p99, m.samples, m.lost, k.p50, k.p99, k.samples, k.lost);
  }
  stop = true;
  drain.join();
  std::printf("%s\n", results.dump().c_str());
  return 0;
}
