// ParvalonHost.exe under wine streams the Win32 test pattern to the Linux viewer: the window is
// listed, the stream starts with the window's size, keeps pace with a window repainting 30 times
// a second, and the decoded picture shows the pattern's colours and its time stamp.
#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <iostream>
#include <string>

#include "PatternSnapshot.h"
#include "ViewerRun.h"
#include "WineHostFixture.h"

using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

using test::WineHost;

constexpr const char* kTitle = "Parvalon Wine Pattern";
constexpr int kWidth = 640;
constexpr int kHeight = 360;
constexpr int kPatternFps = 30;
// Enough pictures for the rate and the latency figures.
constexpr int kStreamSeconds = 6;

// Wine's steady clock, which stamps the pattern, is CLOCK_MONOTONIC_RAW; the viewer measures
// against CLOCK_MONOTONIC. The two part by the clock's slewing since boot (a fifth of a second
// after some hours here), which a latency read back from the stamp carries.
double monotonicAheadOfRawMs() {
  timespec mono{}, raw{};
  ::clock_gettime(CLOCK_MONOTONIC, &mono);
  ::clock_gettime(CLOCK_MONOTONIC_RAW, &raw);
  return static_cast<double>(mono.tv_sec - raw.tv_sec) * 1e3 + static_cast<double>(mono.tv_nsec - raw.tv_nsec) / 1e6;
}

TEST_F(WineHost, StreamsTheWin32PatternWithItsSizeColoursRateAndTimeStamp) {
  const auto pattern = startHostAndPattern({"--title", kTitle, "--width", std::to_string(kWidth), "--height",
                                            std::to_string(kHeight), "--fps", std::to_string(kPatternFps)});
  ASSERT_FALSE(HasFailure());
  const std::string port = std::to_string(ports_.signaling);

  const auto [listCode, listed] = test::runViewer({"list", "--host", "127.0.0.1", "--port", port}, work_ / "list.txt", 60s);
  ASSERT_EQ(listCode, 0) << listed << "\n---- log\n" << log();
  const auto line = listed.find(std::string("\"") + kTitle + "\"");
  ASSERT_NE(line, std::string::npos) << listed;
  const std::string entry = listed.substr(line, listed.find('\n', line) - line);
  EXPECT_NE(entry.find("process=parvalon-testpattern.exe"), std::string::npos) << entry;

  const auto snapshot = work_ / "stream.png";
  const auto statsFile = work_ / "stream.json";
  const auto started = std::chrono::steady_clock::now();
  const auto [code, out] = test::runViewer({"stream", "--host", "127.0.0.1", "--port", port, "--title", kTitle, "--seconds",
                                            std::to_string(kStreamSeconds), "--snapshot", snapshot.string(), "--stats",
                                            statsFile.string()},
                                           work_ / "stream.txt", 90s);
  const double viewerRunMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  ASSERT_EQ(code, 0) << out << "\n---- log\n" << log();
  // The viewer logs the stream only once stream_started came, and the size from stream_config.
  EXPECT_NE(out.find("Streaming window "), std::string::npos) << out;
  EXPECT_NE(out.find(": 640x360, codec "), std::string::npos) << out;

  const auto s = test::readJsonFile(statsFile);
  ASSERT_TRUE(s.is_object()) << out;
  EXPECT_EQ(s["width"], kWidth);
  EXPECT_EQ(s["height"], kHeight);
  EXPECT_GE(s["keyFrames"].get<int>(), 1) << s.dump();
  EXPECT_EQ(s["decodeErrors"], 0) << s.dump();
  // Every repaint of the window is a new picture: two thirds of them at least reach the viewer.
  EXPECT_GE(s["fps"].get<double>(), 20.0) << s.dump() << "\n---- log\n" << log();
  // The stamp the pattern drew reads back: a misread stamp gives an arbitrary figure, a real
  // delay is positive and within the viewer's run.
  const double clockOffsetMs = monotonicAheadOfRawMs();
  const double p50 = s["latencyMs"]["p50"].get<double>() - clockOffsetMs;
  const double p99 = s["latencyMs"]["p99"].get<double>() - clockOffsetMs;
  EXPECT_GT(s["latencyMs"]["samples"].get<int>(), kStreamSeconds * 10) << s.dump();
  EXPECT_GT(p50, 0.0) << s.dump() << " less the clocks' offset of " << clockOffsetMs << " ms";
  // Measured, not fixed: a frame requested during the viewer's run cannot be older than the run,
  // however loaded the machine; a misread stamp or a wrong clock offset gives an arbitrary figure.
  EXPECT_LE(p50, viewerRunMs) << s.dump() << " less the clocks' offset of " << clockOffsetMs << " ms";
  std::cout << "wine stream: " << s["frames"] << " frames in " << s["seconds"] << " s, " << s["fps"]
            << " fps, latency p50 " << p50 << " ms, p99 " << p99 << " ms (" << s["latencyMs"]["samples"]
            << " samples; clock offset " << clockOffsetMs << " ms taken off)\n";

  const std::string streamId = std::to_string(s["streamId"].get<int>());
  EXPECT_TRUE(waitForLog("Sending stream_config: streamId=" + streamId + ", 640x360", 10s)) << log();
  EXPECT_TRUE(waitForLog("Stream stop request for stream " + streamId, 10s)) << log();

  test::expectPatternPatches(snapshot, kWidth, kHeight);
}

}  // namespace
}  // namespace parvalon::host
