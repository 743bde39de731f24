// ParvalonHost.exe under wine on an adapter that calls itself NVIDIA's (llvmpipe under wine does)
// without the NVENC runtime: the host says why NVENC is out and streams on x264. The same stream
// with sharpening at full strength comes out with steeper colour edges than without: under wine
// capture is GDI, so this is the CPU sharpening pass on the way to the software encoder.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "PatternSnapshot.h"
#include "ViewerRun.h"
#include "WineHostFixture.h"

using namespace std::chrono_literals;

namespace parvalon::host {
namespace {

using test::WineHost;

constexpr int kWidth = 640;
constexpr int kHeight = 360;
// A slow pattern: the patches, which are measured, stand still, and the encoder's bits go to them.
constexpr int kPatternFps = 10;
constexpr int kStreamSeconds = 3;
// No DLL of that name in a wine prefix: LoadLibrary fails with ERROR_MOD_NOT_FOUND.
constexpr const char* kNvencUnusableLine =
    "NVENC not usable: the adapter is NVIDIA's but nvEncodeAPI64.dll does not load (error 126)";
// Sharpened borders must beat unsharpened ones by this much, border by border. A pass that does
// not run leaves the two runs equal (x264 keeps these one-pixel edges clean at this size and
// rate); the full-strength pass overshoots each side of these borders by an eighth of their step
// or more.
constexpr double kSharpenedMargin = 0.15;

// What the viewer took from one stream of the pattern.
struct PatternStream {
  nlohmann::json stats;
  std::vector<test::BorderSteepness> borders;
};

std::string describe(const std::vector<test::BorderSteepness>& borders) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(3);
  for (const auto& b : borders) text << b.border << " " << b.steepness << "; ";
  return text.str();
}

TEST_F(WineHost, StreamsOnX264WhenNvencDoesNotLoadAndSharpeningSteepensEdges) {
  ASSERT_NO_FATAL_FAILURE(makePrefix());

  // Starts a host with `settings`, opens the pattern above it and streams it to the viewer.
  auto streamPattern = [this](const char* name, const nlohmann::json& settings) -> PatternStream {
    startHost(settings);
    if (::testing::Test::HasFatalFailure()) return {};
    const std::string title = std::string("Parvalon Wine ") + name;
    const auto pattern = openPattern({"--title", title, "--width", std::to_string(kWidth), "--height", std::to_string(kHeight),
                                      "--fps", std::to_string(kPatternFps)},
                                     (std::string(name) + "-pattern.txt").c_str());
    if (!pattern) return {};
    const auto snapshot = work_ / (std::string(name) + ".png");
    const auto statsFile = work_ / (std::string(name) + ".json");
    const auto [code, out] = test::runViewer({"stream", "--host", "127.0.0.1", "--port", std::to_string(ports_.signaling),
                                              "--title", title, "--seconds", std::to_string(kStreamSeconds),
                                              "--snapshot", snapshot.string(), "--stats", statsFile.string()},
                                             work_ / (std::string(name) + "-viewer.txt"), 90s);
    EXPECT_EQ(code, 0) << out << "\n---- log\n" << log();
    PatternStream stream{test::readJsonFile(statsFile), test::midtoneBorderSteepness(snapshot)};
    EXPECT_TRUE(stream.stats.is_object() && stream.stats.value("decodeErrors", -1) == 0 &&
                stream.stats.value("keyFrames", 0) >= 1)
        << out << "\n" << stream.stats.dump();
    // The picture is the pattern, its patches' insides unchanged by sharpening.
    test::expectPatternPatches(snapshot, kWidth, kHeight);
    EXPECT_EQ(stream.borders.size(), 6u) << "snapshot " << snapshot << " unreadable or too small";
    return stream;
  };

  const PatternStream plain = streamPattern("plain", {{"sharpeningEnabled", false}});
  ASSERT_FALSE(HasFailure());
  {
    // The log states why NVENC is out before the orchestrator settles on x264 (and again when the
    // stream's encoder is chosen); the stream's encoder is x264.
    const std::string text = log();
    const auto why = text.find(kNvencUnusableLine);
    ASSERT_NE(why, std::string::npos) << text;
    const auto settled = text.find("CaptureOrchestrator initialized with Software encoder");
    ASSERT_NE(settled, std::string::npos) << text;
    EXPECT_LT(why, settled);
    EXPECT_NE(text.find("Created Software encoder"), std::string::npos) << text;
    EXPECT_EQ(text.find("Created NVENC encoder"), std::string::npos) << text;
    EXPECT_NE(text.find("CAS sharpening disabled"), std::string::npos) << text;
  }
  stopHost();

  const PatternStream sharpened = streamPattern("sharpened", {{"sharpeningEnabled", true}, {"sharpness", 1.0}});
  ASSERT_FALSE(HasFailure());
  EXPECT_NE(log().find("CAS sharpening enabled"), std::string::npos) << log();
  EXPECT_NE(log().find("Created Software encoder"), std::string::npos) << log();

  std::cout << "edge steepness without sharpening: " << describe(plain.borders) << "\n"
            << "edge steepness with sharpness 1.0:  " << describe(sharpened.borders) << "\n";
  for (std::size_t i = 0; i < plain.borders.size() && i < sharpened.borders.size(); ++i) {
    EXPECT_GT(sharpened.borders[i].steepness, plain.borders[i].steepness + kSharpenedMargin)
        << plain.borders[i].border << ": " << describe(plain.borders) << "| " << describe(sharpened.borders);
  }
}

}  // namespace
}  // namespace parvalon::host
