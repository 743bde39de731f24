#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "InputStep.h"
#include "VideoDecoder.h"
#include "protocol/DefaultPorts.h"

namespace parvalon::viewer {

struct ViewerOptions {
  enum class Command { Discover, List, Stream, Help, Version };
  Command command = Command::Stream;

  // discover
  std::string discoverTo;  // default: the limited broadcast address
  double discoverTimeoutS = 2.0;

  // list, stream
  std::string host;
  std::uint16_t port = protocol::kDefaultSignalingPort;

  // stream
  std::optional<std::uint32_t> windowId;
  std::string titleRegex;
  std::optional<double> seconds;
  std::optional<std::uint64_t> frames;
  std::string snapshotPath;
  std::string recordPath;
  std::string audioPath;
  std::string statsPath;
  bool show = false;
  VideoCodec codec = VideoCodec::H264;
  // Drops and reopens the video connection this many seconds into the stream, as a headset
  // recovering its channel does.
  std::optional<double> reconnectVideoAfterS;
  // Sent in order once the first picture is decoded.
  std::vector<InputStep> inputSteps;
};

class CommandLine {
 public:
  static const char* usage();
  // The options, or nothing with `error` set.
  static std::optional<ViewerOptions> parse(const std::vector<std::string>& args, std::string& error);
};

}  // namespace parvalon::viewer
