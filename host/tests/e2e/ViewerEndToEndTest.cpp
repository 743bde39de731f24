#include <gtest/gtest.h>

#include <chrono>

#include <cstdlib>

#include "PatternSnapshot.h"
#include "ViewerFixture.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

using test::hexText;
using test::viewerBinary;
constexpr const char* kTitle = test::kPatternTitle;

class ViewerEndToEnd : public test::ViewerFixture {
 protected:
  static void SetUpTestSuite() {
    if (std::getenv("DISPLAY") == nullptr) return;
    startHostAndPattern("e2e");
  }
  static void TearDownTestSuite() { stopHostAndPattern(); }
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs the virtual desktop (scripts/test.sh)";
    ASSERT_TRUE(ready_) << (host_ ? host_->output() : std::string());
  }
};

TEST_F(ViewerEndToEnd, DiscoveryOverLoopbackNamesTheSignalingPort) {
  const auto [code, out] = viewer({"discover", "--to", "127.0.0.1", "--timeout", "1"}, "discover");
  EXPECT_EQ(code, 0) << out;
  EXPECT_NE(out.find("127.0.0.1  name=\""), std::string::npos) << out;
  EXPECT_NE(out.find("signalingPort=9876"), std::string::npos) << out;
  EXPECT_TRUE(host_->waitForLog("Discovery request from 127.0.0.1 (parvalon-viewer)", 2s)) << host_->log();
}

TEST_F(ViewerEndToEnd, ListShowsThePatternWithItsIconAndSize) {
  const auto [code, out] = viewer({"list", "--host", "127.0.0.1"}, "list");
  EXPECT_EQ(code, 0) << out;
  const auto line = out.find(std::string("\"") + kTitle + "\"");
  ASSERT_NE(line, std::string::npos) << out;
  const std::string rest = out.substr(line, out.find('\n', line) - line);
  EXPECT_NE(rest.find("process=parvalon-testpattern"), std::string::npos) << rest;
  EXPECT_NE(rest.find("size=640x360"), std::string::npos) << rest;
  EXPECT_NE(rest.find("icon=yes"), std::string::npos) << rest;
}

TEST_F(ViewerEndToEnd, ThreeSecondStreamMatchesThePatternAndStopsCleanly) {
  const auto snapshot = folder_ / "stream.png";
  const auto stats = folder_ / "stream.json";
  const std::size_t stopsBefore = countInLog("Stream stop request for stream");
  const auto started = std::chrono::steady_clock::now();
  const auto [code, out] = viewer({"stream", "--host", "127.0.0.1", "--title", kTitle, "--seconds", "3", "--snapshot",
                                   snapshot.string(), "--stats", stats.string()},
                                  "stream");
  const double viewerRunMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  ASSERT_EQ(code, 0) << out;
  const auto s = readJson(stats);
  ASSERT_TRUE(s.is_object()) << out;
  EXPECT_EQ(s["width"], 640);
  EXPECT_EQ(s["height"], 360);
  // The pattern draws 60 frames a second: three seconds give well over a hundred pictures.
  EXPECT_GT(s["frames"].get<int>(), 90) << s.dump();
  EXPECT_GE(s["keyFrames"].get<int>(), 1);
  EXPECT_EQ(s["decodeErrors"], 0);
  EXPECT_EQ(s["streamStopped"], true);
  EXPECT_GT(s["latencyMs"]["samples"].get<int>(), 90);
  EXPECT_GT(s["latencyMs"]["p50"].get<double>(), 0.0);
  // A misread stamp gives an arbitrary figure; a real delay cannot exceed the viewer's whole run.
  // How fast the path is belongs to the latency benchmark, not to this test.
  EXPECT_LE(s["latencyMs"]["p50"].get<double>(), viewerRunMs) << s.dump();

  // The host's log file is written behind the events: wait for the lines, bounded.
  const std::uint32_t windowId = s["windowId"];
  const std::string streamId = std::to_string(s["streamId"].get<int>());
  EXPECT_TRUE(host_->waitForLog(hexText("Stream subscribe request for window ", windowId), 5s));
  EXPECT_TRUE(host_->waitForLog("Sending stream_config: streamId=" + streamId + ", 640x360", 5s)) << host_->log();
  EXPECT_TRUE(host_->waitForLog("Stream stop request for stream " + streamId, 5s));
  EXPECT_EQ(countInLog("Stream stop request for stream"), stopsBefore + 1);

  test::expectPatternPatches(snapshot, 640, 360);
}

TEST_F(ViewerEndToEnd, ReconnectedVideoChannelAsksForAKeyFrameAndDecodesAgain) {
  const auto stats = folder_ / "reconnect.json";
  const auto [code, out] = viewer({"stream", "--host", "127.0.0.1", "--title", kTitle, "--seconds", "4",
                                   "--reconnect-video-after", "1.5", "--stats", stats.string()},
                                  "reconnect");
  ASSERT_EQ(code, 0) << out;
  const auto s = readJson(stats);
  EXPECT_EQ(s["videoReconnects"], 1);
  EXPECT_GE(s["keyframeRequests"].get<int>(), 1) << s.dump();
  // 2.5 s remain after the reconnect at 60 pictures a second.
  EXPECT_GT(s["framesAfterReconnect"].get<int>(), 60) << s.dump();
  EXPECT_GE(s["keyFrames"].get<int>(), 2);
  // Pictures that lost their references are skipped, not decoded into errors.
  EXPECT_EQ(s["decodeErrors"], 0);
  EXPECT_NE(out.find("Asked for a key frame of stream"), std::string::npos) << out;
}

}  // namespace
}  // namespace parvalon::host
