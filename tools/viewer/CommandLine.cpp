#include "CommandLine.h"

#include <charconv>
#include <cmath>
#include <regex>

#include "DiscoveryClient.h"

namespace parvalon::viewer {
namespace {

bool parseUnsigned(const std::string& text, std::uint64_t max, std::uint64_t& out, int base = 10) {
  const char* begin = text.data();
  const char* end = text.data() + text.size();
  if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) begin += 2;
  if (begin == end) return false;
  std::uint64_t v = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, v, base);
  if (ec != std::errc{} || ptr != end || v > max) return false;
  out = v;
  return true;
}

bool parsePositive(const std::string& text, double& out) {
  try {
    std::size_t used = 0;
    const double v = std::stod(text, &used);
    if (used != text.size() || !std::isfinite(v) || v <= 0) return false;
    out = v;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

const char* CommandLine::usage() {
  return "usage: parvalon-viewer --help | --version\n"
         "       parvalon-viewer discover [--to ADDR] [--timeout S]\n"
         "       parvalon-viewer list --host H [--port P]\n"
         "       parvalon-viewer stream --host H [--port P] (--window ID | --title REGEX)\n"
         "                [--seconds S | --frames N] [--snapshot FILE.png] [--record FILE.h264]\n"
         "                [--audio FILE.wav] [--stats FILE.json] [--show] [--codec h264|hevc]\n"
         "                [--reconnect-video-after S] [--input STEP]...\n"
         "Window ids are decimal, or hexadecimal with 0x. discover sends to the limited broadcast\n"
         "address unless --to names another (use --to 127.0.0.1 on a development machine).\n"
         "--input steps are sent in order once the first picture shows: 'click X Y' and 'press X Y'\n"
         "(left button at fractions 0..1 of the window; press never releases), 'keydown VK' (never\n"
         "released), 'type TEXT', 'close-input'.\n";
}

std::optional<ViewerOptions> CommandLine::parse(const std::vector<std::string>& args, std::string& error) {
  ViewerOptions o;
  if (args.empty()) {
    error = "no command";
    return std::nullopt;
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    o.command = ViewerOptions::Command::Help;
    return o;
  }
  if (command == "--version") {
    o.command = ViewerOptions::Command::Version;
    return o;
  }
  if (command == "discover") o.command = ViewerOptions::Command::Discover;
  else if (command == "list") o.command = ViewerOptions::Command::List;
  else if (command == "stream") o.command = ViewerOptions::Command::Stream;
  else {
    error = "unknown command '" + command + "'";
    return std::nullopt;
  }
  const bool isDiscover = o.command == ViewerOptions::Command::Discover;
  const bool isStream = o.command == ViewerOptions::Command::Stream;

  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string v;
    std::uint64_t n = 0;
    double d = 0;
    if (isDiscover && a == "--to") {
      if (!value(o.discoverTo)) return std::nullopt;
    } else if (isDiscover && a == "--timeout") {
      if (!value(v)) return std::nullopt;
      if (!parsePositive(v, o.discoverTimeoutS)) { error = "bad --timeout '" + v + "'"; return std::nullopt; }
    } else if (!isDiscover && a == "--host") {
      if (!value(o.host)) return std::nullopt;
    } else if (!isDiscover && a == "--port") {
      if (!value(v)) return std::nullopt;
      if (!parseUnsigned(v, 65535, n) || n == 0) { error = "bad --port '" + v + "'"; return std::nullopt; }
      o.port = static_cast<std::uint16_t>(n);
    } else if (isStream && a == "--window") {
      if (!value(v)) return std::nullopt;
      const bool hex = v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X');
      if (!parseUnsigned(v, 0xFFFFFFFFu, n, hex ? 16 : 10)) { error = "bad --window '" + v + "'"; return std::nullopt; }
      o.windowId = static_cast<std::uint32_t>(n);
    } else if (isStream && a == "--title") {
      if (!value(o.titleRegex)) return std::nullopt;
      try {
        std::regex check(o.titleRegex);
      } catch (const std::regex_error& e) {
        error = "bad --title expression: " + std::string(e.what());
        return std::nullopt;
      }
    } else if (isStream && a == "--seconds") {
      if (!value(v)) return std::nullopt;
      if (!parsePositive(v, d)) { error = "bad --seconds '" + v + "'"; return std::nullopt; }
      o.seconds = d;
    } else if (isStream && a == "--frames") {
      if (!value(v)) return std::nullopt;
      if (!parseUnsigned(v, UINT64_MAX, n) || n == 0) { error = "bad --frames '" + v + "'"; return std::nullopt; }
      o.frames = n;
    } else if (isStream && a == "--snapshot") {
      if (!value(o.snapshotPath)) return std::nullopt;
    } else if (isStream && a == "--record") {
      if (!value(o.recordPath)) return std::nullopt;
    } else if (isStream && a == "--audio") {
      if (!value(o.audioPath)) return std::nullopt;
    } else if (isStream && a == "--stats") {
      if (!value(o.statsPath)) return std::nullopt;
    } else if (isStream && a == "--show") {
      o.show = true;
    } else if (isStream && a == "--codec") {
      if (!value(v)) return std::nullopt;
      if (v == "h264") o.codec = VideoCodec::H264;
      else if (v == "hevc" || v == "h265") o.codec = VideoCodec::Hevc;
      else { error = "bad --codec '" + v + "'"; return std::nullopt; }
    } else if (isStream && a == "--reconnect-video-after") {
      if (!value(v)) return std::nullopt;
      if (!parsePositive(v, d)) { error = "bad --reconnect-video-after '" + v + "'"; return std::nullopt; }
      o.reconnectVideoAfterS = d;
    } else if (isStream && a == "--input") {
      if (!value(v)) return std::nullopt;
      std::string why;
      auto step = InputStep::parse(v, why);
      if (!step) { error = "bad --input '" + v + "': " + why; return std::nullopt; }
      o.inputSteps.push_back(std::move(*step));
    } else {
      error = "unknown option '" + a + "' for " + command;
      return std::nullopt;
    }
  }

  if (isDiscover && o.discoverTo.empty()) o.discoverTo = kDiscoveryBroadcastAddress;
  if (!isDiscover && o.host.empty()) {
    error = command + " needs --host";
    return std::nullopt;
  }
  if (isStream) {
    if (o.windowId.has_value() == !o.titleRegex.empty()) {
      error = "stream needs exactly one of --window and --title";
      return std::nullopt;
    }
    if (o.seconds && o.frames) {
      error = "--seconds and --frames exclude each other";
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace parvalon::viewer
