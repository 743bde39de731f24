// parvalon-viewer: a desktop stand-in for the headset.
#include <csignal>
#include <cstdio>
#include <iostream>

#include <fmt/format.h>
#include <spdlog/sinks/stdout_color_sinks.h>
#include <spdlog/spdlog.h>

#include <ParvalonVersion.h>

#include "CommandLine.h"
#include "DiscoveryClient.h"
#include "SignalingClient.h"
#include "StreamSession.h"
#include "logging/Log.h"
#include "protocol/SignalingMessages.h"

namespace {

using namespace parvalon::viewer;
using namespace std::chrono_literals;

std::atomic<bool> gInterrupted{false};

void onSignal(int) { gInterrupted = true; }

void setUpLogging() {
  auto logger = spdlog::stderr_color_mt("parvalon-viewer");
  logger->set_pattern("[%H:%M:%S.%e] [%^%l%$] %v");
  logger->set_level(spdlog::level::info);
  spdlog::set_default_logger(logger);
}

int discover(const ViewerOptions& o) {
  const auto hosts = DiscoveryClient::discover(o.discoverTo, std::chrono::milliseconds(static_cast<long>(o.discoverTimeoutS * 1000)));
  for (const auto& h : hosts) fmt::print("{}  name=\"{}\"  signalingPort={}\n", h.address, h.hostName, h.signalingPort);
  if (hosts.empty()) fmt::print(stderr, "no host answered at {}\n", o.discoverTo);
  return hosts.empty() ? 1 : 0;
}

int list(const ViewerOptions& o) {
  SignalingClient client;
  if (!client.connect(o.host, o.port, 5s)) return 1;
  client.send({{"type", "hello"}, {"clientName", "parvalon-viewer"}});
  if (!client.waitForType("welcome", 5s)) {
    PV_LOG_ERROR("No welcome from {}:{}", o.host, o.port);
    return 1;
  }
  client.send({{"type", "window_list_request"}});
  const auto reply = client.waitForType("window_list", 5s);
  client.close();
  if (!reply || !reply->contains("windows") || !(*reply)["windows"].is_array()) {
    PV_LOG_ERROR("No window list");
    return 1;
  }
  for (const auto& w : (*reply)["windows"]) {
    const auto id = parvalon::protocol::readNumber<std::uint32_t>(w, "id");
    const auto width = parvalon::protocol::readNumber<std::int32_t>(w, "width");
    const auto height = parvalon::protocol::readNumber<std::int32_t>(w, "height");
    const bool icon = w.contains("iconBase64") && w["iconBase64"].is_string() && !w["iconBase64"].get<std::string>().empty();
    fmt::print("0x{:x}  \"{}\"  process={}  size={}x{}  icon={}\n", id, w.value("title", ""), w.value("processName", ""),
               width, height, icon ? "yes" : "no");
  }
  fmt::print("{} windows\n", (*reply)["windows"].size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  setUpLogging();
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = CommandLine::parse(args, error);
  if (!options) {
    fmt::print(stderr, "parvalon-viewer: {}\n{}", error, CommandLine::usage());
    return 2;
  }
  if (options->command == ViewerOptions::Command::Help) {
    fmt::print("{}", CommandLine::usage());
    return 0;
  }
  if (options->command == ViewerOptions::Command::Version) {
    fmt::print("parvalon-viewer {}\n", PARVALON_VERSION);
    return 0;
  }
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  std::signal(SIGPIPE, SIG_IGN);
  int status = 1;
  try {
    switch (options->command) {
      case ViewerOptions::Command::Discover: status = discover(*options); break;
      case ViewerOptions::Command::List: status = list(*options); break;
      case ViewerOptions::Command::Stream: {
        StreamSession session(*options);
        status = session.run(gInterrupted);
        break;
      }
      case ViewerOptions::Command::Help:
      case ViewerOptions::Command::Version: break;  // answered above
    }
  } catch (const std::exception& e) {
    PV_LOG_ERROR("parvalon-viewer: {}", e.what());
    status = 1;
  }
  spdlog::shutdown();
  return status;
}
