// ParvalonHost.exe under wine takes a headset's input for the streamed Win32 test pattern: the
// viewer sends its --input steps over the input channel while it streams the window, and the
// pattern's input log shows what the window received through SendInput.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ViewerRun.h"
#include "WineHostFixture.h"
#include "fakes/WaitUntil.h"
#include "support/PatternInputLog.h"

using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

constexpr const char* kTitle = "Parvalon Wine Input Pattern";
// The desktop answers a focus change or an injected event on its own time; on a loaded
// machine that can take seconds (the waits end as soon as the log shows the event).
constexpr auto kDesktopLimit = 30s;

using test::WineHost;

// The pattern's arguments: 640 × 480, logging its input to `log`.
std::vector<std::string> patternArgs(const test::PatternInputLog& log) {
  return {"--title", kTitle, "--width", "640", "--height", "480", "--fps", "30", "--input-log",
          test::windowsPath(log.path())};
}

// The viewer streaming the pattern for `seconds` while it sends `steps`.
std::vector<std::string> viewerArgs(std::uint16_t port, const std::vector<std::string>& steps, int seconds) {
  std::vector<std::string> args{"stream", "--host", "127.0.0.1", "--port", std::to_string(port),
                                "--title", kTitle, "--seconds", std::to_string(seconds)};
  for (const auto& step : steps) {
    args.push_back("--input");
    args.push_back(step);
  }
  return args;
}

// The "pressed" values of the log's key lines for virtual key `vk`, in order.
std::vector<bool> keyPresses(const test::PatternInputLog& log, int vk) {
  std::vector<bool> out;
  for (const auto& line : log.of("key")) {
    if (line.value("vk", -1) == vk) out.push_back(line.value("pressed", false));
  }
  return out;
}

std::string report(const test::PatternInputLog& input, const std::string& hostLog) {
  return "\n---- pattern input\n" + test::readFile(input.path()) + "---- log\n" + hostLog;
}

// The stream is the window's client area: a quarter of it is client pixel (160, 120) of the
// 640 × 480 pattern, press and release alike. Mapping over the framed outer rectangle instead
// lands the click the frame's share off.
TEST_F(WineHost, ClickAtAQuarterOfTheStreamLandsOnClientPixel160x120) {
  const test::PatternInputLog input(work_ / "input.jsonl");
  const auto pattern = startHostAndPattern(patternArgs(input));
  ASSERT_FALSE(HasFailure());
  const auto [code, out] =
      test::runViewer(viewerArgs(ports_.signaling, {"click 0.25 0.25"}, 4), work_ / "viewer.txt", 120s);
  ASSERT_EQ(code, 0) << out << report(input, log());
  EXPECT_NE(out.find("Sent 1 input steps"), std::string::npos) << out;
  ASSERT_TRUE(testing::waitUntil([&] { return input.buttons() == "1+ 1-"; }, kDesktopLimit))
      << input.buttons() << "\n" << out << report(input, log());
  for (const auto& line : input.of("button")) {
    EXPECT_EQ(line.value("x", -1), 160) << line.dump();
    EXPECT_EQ(line.value("y", -1), 120) << line.dump();
  }
}

// "Hé€😀" is five UTF-16 units. The pattern writes a surrogate pair as one character only when
// its low half follows the high half at once, so a lost, swapped or widened unit shows as
// U+FFFD or as another character; the click gives the pattern the keyboard first.
TEST_F(WineHost, TypedTextArrivesAsItsUtf16UnitsInOrder) {
  const test::PatternInputLog input(work_ / "input.jsonl");
  const auto pattern = startHostAndPattern(patternArgs(input));
  ASSERT_FALSE(HasFailure());
  const auto [code, out] = test::runViewer(
      viewerArgs(ports_.signaling, {"click 0.5 0.5", "type H\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"}, 4),
      work_ / "viewer.txt", 120s);
  ASSERT_EQ(code, 0) << out << report(input, log());
  EXPECT_NE(out.find("Sent 2 input steps"), std::string::npos) << out;
  const std::vector<std::string> expected{"H", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};
  std::vector<std::string> typed;
  const bool arrived = testing::waitUntil(
      [&] {
        typed.clear();
        for (const auto& line : input.of("text")) typed.push_back(line.value("text", ""));
        return typed.size() >= expected.size();
      },
      kDesktopLimit);
  ASSERT_TRUE(arrived) << out << report(input, log());
  EXPECT_EQ(typed, expected) << report(input, log());
}

// A key and a button held when the headset's input connection drops go up at once, while the
// stream (and its signaling session, whose end releases too) goes on: the release is the
// input connection's own.
TEST_F(WineHost, HeldKeyAndButtonGoUpWhenTheInputConnectionDrops) {
  const test::PatternInputLog input(work_ / "input.jsonl");
  const auto pattern = startHostAndPattern(patternArgs(input));
  ASSERT_FALSE(HasFailure());
  test::ChildProcess viewer(
      test::viewerBinary(),
      viewerArgs(ports_.signaling, {"click 0.5 0.5", "keydown 0x41", "press 0.25 0.75", "close-input"}, 60),
      work_ / "viewer.txt");
  ASSERT_TRUE(viewer.start());
  ASSERT_TRUE(testing::waitUntil([&] { return keyPresses(input, 'A') == std::vector<bool>{true, false}; },
                                 kDesktopLimit))
      << viewer.output() << report(input, log());
  ASSERT_TRUE(testing::waitUntil([&] { return input.buttons() == "1+ 1- 1+ 1-"; }, kDesktopLimit))
      << input.buttons() << report(input, log());
  const auto presses = input.of("button");
  EXPECT_EQ(presses[2].value("x", -1), 160) << presses[2].dump();
  EXPECT_EQ(presses[2].value("y", -1), 360) << presses[2].dump();

  EXPECT_TRUE(waitForLog("Released 1 keys and 1 buttons left held", 10s)) << log();
  const std::string atRelease = log();
  EXPECT_NE(atRelease.find("TCP input client disconnected"), std::string::npos) << atRelease;
  EXPECT_EQ(atRelease.find("Stream stop request"), std::string::npos) << atRelease;
  viewer.wait(0ms);
  EXPECT_TRUE(viewer.running()) << "the viewer ended early: " << viewer.output();

  viewer.kill(SIGTERM);
  EXPECT_EQ(viewer.wait(60s), 0) << viewer.output();
}

}  // namespace
}  // namespace parvalon::host
