#include <gtest/gtest.h>

#include "CommandLine.h"
#include "DiscoveryClient.h"

namespace parvalon::viewer {
namespace {

std::optional<ViewerOptions> parse(std::vector<std::string> args, std::string* errorOut = nullptr) {
  std::string error;
  auto o = CommandLine::parse(args, error);
  if (errorOut) *errorOut = error;
  return o;
}

TEST(ViewerCommandLine, DiscoverDefaultsToTheLimitedBroadcast) {
  const auto o = parse({"discover"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->command, ViewerOptions::Command::Discover);
  // Real networks need the broadcast default; tests only ever send to 127.0.0.1.
  EXPECT_EQ(o->discoverTo, kDiscoveryBroadcastAddress);
  EXPECT_DOUBLE_EQ(o->discoverTimeoutS, 2.0);
  const auto local = parse({"discover", "--to", "127.0.0.1", "--timeout", "0.5"});
  ASSERT_TRUE(local);
  EXPECT_EQ(local->discoverTo, "127.0.0.1");
  EXPECT_DOUBLE_EQ(local->discoverTimeoutS, 0.5);
}

TEST(ViewerCommandLine, HelpIsACommandOfItsOwn) {
  for (const char* spelling : {"--help", "-h", "help"}) {
    const auto o = parse({spelling});
    ASSERT_TRUE(o) << spelling;
    EXPECT_EQ(o->command, ViewerOptions::Command::Help) << spelling;
  }
  EXPECT_NE(std::string(CommandLine::usage()).find("parvalon-viewer --help"), std::string::npos);
}

TEST(ViewerCommandLine, VersionIsACommandOfItsOwn) {
  const auto o = parse({"--version"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->command, ViewerOptions::Command::Version);
  EXPECT_NE(std::string(CommandLine::usage()).find("--version"), std::string::npos);
}

TEST(ViewerCommandLine, StreamReadsEveryOption) {
  const auto o = parse({"stream", "--host", "127.0.0.1", "--port", "9000", "--window", "0x2a00004", "--frames", "90",
                        "--snapshot", "s.png", "--record", "r.h264", "--audio", "a.wav", "--stats", "st.json", "--show",
                        "--codec", "hevc", "--reconnect-video-after", "1.5"});
  ASSERT_TRUE(o);
  EXPECT_EQ(o->host, "127.0.0.1");
  EXPECT_EQ(o->port, 9000);
  EXPECT_EQ(o->windowId, 0x2a00004u);
  EXPECT_EQ(o->frames, 90u);
  EXPECT_FALSE(o->seconds);
  EXPECT_EQ(o->snapshotPath, "s.png");
  EXPECT_EQ(o->recordPath, "r.h264");
  EXPECT_EQ(o->audioPath, "a.wav");
  EXPECT_EQ(o->statsPath, "st.json");
  EXPECT_TRUE(o->show);
  EXPECT_EQ(o->codec, VideoCodec::Hevc);
  EXPECT_EQ(o->reconnectVideoAfterS, 1.5);
  const auto decimal = parse({"stream", "--host", "h", "--window", "44040196", "--seconds", "3"});
  ASSERT_TRUE(decimal);
  EXPECT_EQ(decimal->windowId, 44040196u);
  EXPECT_EQ(decimal->port, 9876);
  EXPECT_EQ(decimal->seconds, 3.0);
  EXPECT_EQ(decimal->codec, VideoCodec::H264);
  EXPECT_TRUE(decimal->inputSteps.empty());
}

// Repeated --input options keep their order: a close before the key would send nothing.
TEST(ViewerCommandLine, InputStepsKeepTheirOrder) {
  const auto o = parse({"stream", "--host", "h", "--window", "1", "--input", "keydown 0x41", "--input", "type a b",
                        "--input", "close-input"});
  ASSERT_TRUE(o);
  ASSERT_EQ(o->inputSteps.size(), 3u);
  EXPECT_EQ(o->inputSteps[0].kind, InputStep::Kind::KeyDown);
  EXPECT_EQ(o->inputSteps[0].virtualKey, 0x41);
  EXPECT_EQ(o->inputSteps[1].kind, InputStep::Kind::Type);
  EXPECT_EQ(o->inputSteps[1].codepoints, (std::vector<std::uint32_t>{'a', ' ', 'b'}));
  EXPECT_EQ(o->inputSteps[2].kind, InputStep::Kind::CloseInput);
}

struct BadCase {
  std::vector<std::string> args;
  const char* errorFragment;
};

class ViewerCommandLineRejects : public ::testing::TestWithParam<BadCase> {};

TEST_P(ViewerCommandLineRejects, WithAReason) {
  std::string error;
  EXPECT_FALSE(parse(GetParam().args, &error));
  EXPECT_NE(error.find(GetParam().errorFragment), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewerCommandLineRejects,
    ::testing::Values(BadCase{{}, "no command"}, BadCase{{"play"}, "unknown command"},
                      BadCase{{"list"}, "needs --host"}, BadCase{{"stream", "--host", "h"}, "exactly one"},
                      BadCase{{"stream", "--host", "h", "--window", "1", "--title", "x"}, "exactly one"},
                      BadCase{{"stream", "--host", "h", "--window", "4294967296"}, "bad --window"},
                      BadCase{{"stream", "--host", "h", "--window", "12abc"}, "bad --window"},
                      BadCase{{"stream", "--host", "h", "--title", "(("}, "bad --title"},
                      BadCase{{"stream", "--host", "h", "--window", "1", "--seconds", "0"}, "bad --seconds"},
                      BadCase{{"stream", "--host", "h", "--window", "1", "--seconds", "2", "--frames", "3"}, "exclude"},
                      BadCase{{"stream", "--host", "h", "--window", "1", "--codec", "vp9"}, "bad --codec"},
                      BadCase{{"stream", "--host", "h", "--window", "1", "--input", "wiggle"}, "bad --input 'wiggle'"},
                      BadCase{{"stream", "--host", "h", "--window", "1", "--input"}, "needs a value"},
                      BadCase{{"list", "--host", "h", "--input", "close-input"}, "unknown option"},
                      BadCase{{"list", "--host", "h", "--port", "65536"}, "bad --port"},
                      BadCase{{"list", "--host"}, "needs a value"},
                      BadCase{{"discover", "--host", "h"}, "unknown option"},
                      BadCase{{"list", "--host", "h", "--show"}, "unknown option"}));

}  // namespace
}  // namespace parvalon::viewer
