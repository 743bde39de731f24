// Receives ffmpeg's FLV over TCP on 127.0.0.1, decodes it with the viewer's decoder and
// measures the test pattern's stamp latency, so both pipelines are judged by one yardstick.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

extern "C" {
#include <libavutil/frame.h>
}

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <spdlog/sinks/stdout_color_sinks.h>
#include <spdlog/spdlog.h>

#include "FlvReader.h"
#include "StampReader.h"
#include "StreamSession.h"
#include "StreamStats.h"
#include "VideoDecoder.h"
#include "logging/Log.h"

using namespace parvalon::viewer;

int main(int argc, char** argv) {
  spdlog::set_default_logger(spdlog::stderr_color_mt("ffmpeg-receiver"));
  if (argc != 4) {
    std::fprintf(stderr, "usage: parvalon-bench-ffmpeg-receiver PORT SECONDS STATS.json\n");
    return 2;
  }
  const int port = std::atoi(argv[1]);
  const double seconds = std::atof(argv[2]);
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  const int one = 1;
  ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(listener, 1) != 0) {
    PV_LOG_ERROR("Cannot listen on 127.0.0.1:{}", port);
    return 1;
  }
  std::printf("listening\n");
  std::fflush(stdout);
  pollfd pa{listener, POLLIN, 0};
  if (::poll(&pa, 1, 20000) != 1) {
    PV_LOG_ERROR("ffmpeg did not connect");
    return 1;
  }
  const int fd = ::accept(listener, nullptr, nullptr);
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);

  FlvReader flv;
  VideoDecoder decoder;
  StampReader stamps;
  StreamStats stats;
  std::vector<FlvReader::Unit> units;
  std::array<std::uint8_t, 65536> buffer{};
  const std::int64_t start = monotonicMicros();
  bool configured = false;
  while (monotonicMicros() - start < static_cast<std::int64_t>(seconds * 1e6)) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
    if (n <= 0) break;
    units.clear();
    if (!flv.feed(buffer.data(), static_cast<std::size_t>(n), units)) {
      PV_LOG_ERROR("Bad FLV from ffmpeg: {}", flv.error());
      break;
    }
    for (const auto& u : units) {
      if (u.parameterSets) {
        configured = decoder.open(VideoCodec::H264, {u.annexB});
        continue;
      }
      if (!configured) continue;
      stats.onVideoPacket(monotonicMicros(), u.annexB.size(), u.keyFrame);
      const std::int64_t t0 = monotonicMicros();
      const auto r = decoder.decode(u.annexB.data(), u.annexB.size());
      const std::int64_t t1 = monotonicMicros();
      if (r == VideoDecoder::Result::Error) stats.onDecodeError();
      if (r != VideoDecoder::Result::Picture) continue;
      stats.onDecoded(t1 - t0);
      stats.setSize(static_cast<std::uint32_t>(decoder.picture()->width), static_cast<std::uint32_t>(decoder.picture()->height));
      if (const auto s = stamps.readNew(*decoder.picture())) stats.onLatency(static_cast<std::int64_t>(s->timeUs), t1);
    }
  }
  ::close(fd);
  ::close(listener);
  std::fputs(stats.toText().c_str(), stdout);
  std::ofstream(argv[3]) << stats.toJson();
  return stats.summary().frames > 0 ? 0 : 1;
}
