// The sharpening pass end to end: a window whose width is not a multiple of 16 is streamed by
// the real host (and by an in-process Application switched at run time), decoded with
// libavcodec and compared with the pass's CPU reference applied to the window's own pixels.

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "support/HostProcess.h"
#include "app/Application.h"
#include "support/FreePortSettings.h"
#include "audio/AudioCapture.h"
#include "capture/CASProcessor.h"
#include "support/TestPatternProcess.h"
#include "fakes/TestFolder.h"
#include "encode/TestDecoder.h"
#include "fakes/FakeAudioEndpoint.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/LogCapture.h"
#include "support/VideoTestClient.h"
#include "fakes/WsTestClient.h"
#include "platform/CaptureSource.h"
#include "protocol/ClientMessages.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using nlohmann::json;

namespace parvalon::host {
namespace {

constexpr int kWidth = 630;  // 640 wide encoder: a 10-column band
constexpr int kHeight = 360;  // 368 high encoder: an 8-row band
constexpr float kSharpness = 1.0f;
// Mean absolute luma difference (levels) of the decoded picture from a reference,
// taken where sharpening changes the picture. x264 at 20 Mbit/s on a still picture stays well
// below it against the right reference; the other reference is far above (see the figures the
// tests print).
constexpr double kMaxMeanDifference = 6.0;
// A pixel counts as changed by sharpening when its luma differs by this much.
constexpr double kChangedBySharpening = 8.0;

// The window's own pixels, read once through the desktop's capture service.
std::optional<platform::CpuImage> grabWindow(platform::WindowHandle window) {
  auto factory = platform::CaptureSourceFactory::createDefault();
  std::string error;
  auto source = factory->create(window, platform::CaptureOptions{}, error);
  if (!source) return std::nullopt;
  std::mutex mutex;
  std::optional<platform::CpuImage> image;
  platform::CaptureSource* raw = source.get();
  const bool started = source->start(
      [&](const platform::CpuFrame& frame) {
        if (frame.data == nullptr) {
          raw->recreateFramePool(frame.width, frame.height);
          return;
        }
        std::lock_guard lock(mutex);
        if (image) return;
        image.emplace(frame.width, frame.height);
        for (std::uint32_t y = 0; y < frame.height; ++y) std::memcpy(image->row(y), frame.row(y), frame.width * 4u);
      },
      [] {}, error);
  if (!started) return std::nullopt;
  testing::waitUntil([&] {
    std::lock_guard lock(mutex);
    return image.has_value();
  }, 5000ms);
  source->stop();
  std::lock_guard lock(mutex);
  return image;
}

// The pass's exact CPU arithmetic on the window's pixels.
platform::CpuImage sharpenedReference(const platform::CpuImage& window) {
  CASProcessor reference({0, CASProcessor::Instructions::Scalar});
  EXPECT_TRUE(reference.initialize());
  reference.setEnabled(true);
  reference.setSharpness(kSharpness);
  platform::CpuImage out(window.width(), window.height());
  EXPECT_TRUE(reference.apply(window.view(), out, window.width(), window.height()));
  return out;
}

// Luma, full resolution in the stream (colour is carried at half resolution, so at edges, where
// sharpening acts, only the brightness can be compared).
double luma(const std::uint8_t* bgra) { return 0.114 * bgra[0] + 0.587 * bgra[1] + 0.299 * bgra[2]; }

struct Comparison {
  double toSharpened = 0;  // mean absolute luma difference where sharpening changes the picture
  double toUnsharpened = 0;
  std::size_t changedPixels = 0;
  int bandMax = 0;  // brightest channel value in the bands
  double bandMean = 0;
};

Comparison compare(const testing::DecodedPicture& picture, const platform::CpuImage& window,
                   const platform::CpuImage& sharpened) {
  Comparison c;
  double sumSharp = 0, sumPlain = 0;
  const auto decoded = [&](int x, int y) { return &picture.bgra[(static_cast<std::size_t>(y) * picture.width + x) * 4]; };
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double plain = luma(window.data() + static_cast<std::size_t>(y) * window.stride() + x * 4);
      const double sharp = luma(sharpened.data() + static_cast<std::size_t>(y) * sharpened.stride() + x * 4);
      if (std::abs(plain - sharp) < kChangedBySharpening) continue;
      ++c.changedPixels;
      const double got = luma(decoded(x, y));
      sumSharp += std::abs(got - sharp);
      sumPlain += std::abs(got - plain);
    }
  }
  if (c.changedPixels > 0) {
    c.toSharpened = sumSharp / static_cast<double>(c.changedPixels);
    c.toUnsharpened = sumPlain / static_cast<double>(c.changedPixels);
  }
  double bandSum = 0;
  std::size_t bandCount = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (x < kWidth && y < kHeight) continue;
      const std::uint8_t* got = decoded(x, y);
      for (int ch = 0; ch < 3; ++ch) {
        c.bandMax = std::max(c.bandMax, int{got[ch]});
        bandSum += got[ch];
        ++bandCount;
      }
    }
  }
  c.bandMean = bandCount > 0 ? bandSum / static_cast<double>(bandCount) : 0;
  std::printf("changed pixels %zu, mean luma difference to sharpened %.2f, to unsharpened %.2f, band mean %.2f max %d\n",
              c.changedPixels, c.toSharpened, c.toUnsharpened, c.bandMean, c.bandMax);
  return c;
}

// The window shows the sharpened picture in its left part and black in the bands.
void expectSharpened(const Comparison& c) {
  EXPECT_GT(c.changedPixels, 1000u);  // the pattern has edges for sharpening to act on
  EXPECT_LT(c.toSharpened, kMaxMeanDifference);
  EXPECT_GT(c.toUnsharpened, kMaxMeanDifference);
  EXPECT_LT(c.bandMean, 4.0);
}

void expectUnsharpened(const Comparison& c) {
  EXPECT_LT(c.toUnsharpened, kMaxMeanDifference);
  EXPECT_GT(c.toSharpened, kMaxMeanDifference);
  EXPECT_LT(c.bandMean, 4.0);
}

// Reads packets until a key frame decodes (the stream's first picture, or the answer to a
// key-frame request); `pump` runs between reads. Bounded by count and time.
template <class Pump>
std::optional<testing::DecodedPicture> nextKeyPicture(testing::VideoTestClient& video, testing::TestDecoder& decoder,
                                                     Pump&& pump) {
  const auto deadline = std::chrono::steady_clock::now() + 15s;
  for (int i = 0; i < 2000 && std::chrono::steady_clock::now() < deadline; ++i) {
    pump();
    const auto packet = video.read(100ms);
    if (!packet) continue;
    auto pictures = decoder.decode(packet->payload.data(), packet->payload.size());
    if (packet->header.frameType == 1 && !pictures.empty() && !pictures.back().bgra.empty()) {
      return std::move(pictures.back());
    }
  }
  return std::nullopt;
}

class SharpenedStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs the virtual desktop (scripts/test.sh starts it)";
    ports_ = test::writeSettingsWithFreePorts(folder_.path(), json{{"sharpeningEnabled", true}, {"sharpness", kSharpness}});
    // Clear of the pointer, which Xvfb keeps in the middle of the screen.
    pattern_.emplace(std::vector<std::string>{"--title", "Sharpened Pattern", "--width", std::to_string(kWidth),
                                              "--height", std::to_string(kHeight), "--x", "20", "--y", "20",
                                              "--static", "--no-icon"});
    ASSERT_NE(pattern_->window(), 0u);
    auto windows = platform::WindowSystem::create();
    ASSERT_TRUE(testing::waitUntilManaged(*windows, pattern_->window()));
  }
  // The window's pixels and their sharpened reference, read once the stream shows a picture:
  // the pattern redraws its time stamp on every expose, and a host raises the window it streams.
  void grabReference() {
    window_ = grabWindow(pattern_->window());
    ASSERT_TRUE(window_);
    ASSERT_EQ(window_->width(), static_cast<std::uint32_t>(kWidth));
    ASSERT_EQ(window_->height(), static_cast<std::uint32_t>(kHeight));
    sharpened_ = sharpenedReference(*window_);
  }
  void TearDown() override {
    pattern_.reset();
  }

  // A picture of the window as it is now: the first picture, then (once the exposes that
  // followed the host's raise are drawn) the reference grabbed and a key frame asked for.
  template <class Pump>
  std::optional<testing::DecodedPicture> settledPicture(testing::VideoTestClient& video, testing::TestDecoder& decoder,
                                                        std::uint8_t streamId, Pump&& pump) {
    if (!nextKeyPicture(video, decoder, pump)) return std::nullopt;
    std::this_thread::sleep_for(500ms);
    grabReference();
    if (::testing::Test::HasFatalFailure()) return std::nullopt;
    video.send(protocol::encodeKeyframeRequestMessage(streamId));
    return nextKeyPicture(video, decoder, pump);
  }

  testing::TestFolder folder_{"parvalon-sharpened"};
  test::HostPorts ports_;
  std::optional<testing::TestPatternProcess> pattern_;
  std::optional<platform::CpuImage> window_;
  platform::CpuImage sharpened_;
};

// Switched on in the settings file before the real host starts.
TEST_F(SharpenedStreamTest, RealHostStreamsTheSharpenedPictureWithBlackBands) {
  test::HostProcess host(folder_.path());
  ASSERT_TRUE(host.startAndWaitForMainLoop()) << host.output();
  EXPECT_TRUE(host.waitForLog("CASProcessor initialized (sharpening available)", 1s));
  EXPECT_TRUE(host.waitForLog("FramePacer initialized (refresh rate: 60.0Hz)", 1s));
  EXPECT_TRUE(host.waitForLog("CAS sharpening enabled", 1s));

  testing::WsTestClient ws(ports_.signaling);
  testing::VideoTestClient video(ports_.video);
  ASSERT_TRUE(host.waitForLog("TCP client connected from 127.0.0.1:"));
  ws.send(json{{"type", "stream_start"}, {"windowId", pattern_->window()}}.dump());
  const auto started = ws.readOfType("stream_started");
  ASSERT_TRUE(started);

  const auto streamId = static_cast<std::uint8_t>(started->at("streamId").get<int>());

  testing::TestDecoder decoder(false);
  const auto picture = settledPicture(video, decoder, streamId, [] {});
  ASSERT_TRUE(picture) << host.log();
  ASSERT_EQ(picture->width, 640);
  ASSERT_EQ(picture->height, 368);
  expectSharpened(compare(*picture, *window_, sharpened_));

  EXPECT_EQ(host.terminate(), 0) << host.output();
}

// The dashboard's switch at run time, through Application::applySharpeningSettings on an
// in-process host with the real capture and x264; each switch is followed by a key-frame
// request, the headset's way to get a picture of a window that shows nothing new.
TEST_F(SharpenedStreamTest, RunTimeSwitchChangesTheStreamedPicture) {
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::optional<std::string> savedXdg = oldXdg ? std::optional<std::string>(oldXdg) : std::nullopt;
  ::setenv("XDG_DATA_HOME", folder_.path().c_str(), 1);
  testing::LogCapture log;
  auto audio = std::make_shared<test::FakeAudioEndpoint::Device>();
  {
    Application app({.system = std::make_unique<test::FakeSystemInfo>(),
                     .discoveryPort = 0,
                     .audioCaptureFactory = [audio] {
                       return std::make_unique<AudioCapture>(std::make_unique<test::FakeAudioEndpoint>(audio));
                     }});
    ASSERT_TRUE(app.initialize());
    EXPECT_TRUE(log.has(testing::LogCapture::kInfo, "CAS sharpening enabled"));

    testing::WsTestClient ws(ports_.signaling);
    testing::VideoTestClient video(ports_.video);
    ASSERT_TRUE(video.connected());
    ws.send(json{{"type", "stream_start"}, {"windowId", pattern_->window()}}.dump());
    const auto started = ws.readOfType("stream_started");
    ASSERT_TRUE(started);
    const auto streamId = static_cast<std::uint8_t>(started->at("streamId").get<int>());

    testing::TestDecoder decoder(false);
    const auto pump = [&] { app.update(); };
    const auto first = settledPicture(video, decoder, streamId, pump);
    ASSERT_TRUE(first);
    expectSharpened(compare(*first, *window_, sharpened_));

    for (const bool enabled : {false, true}) {
      ASSERT_TRUE(app.applySharpeningSettings(enabled, kSharpness));
      EXPECT_TRUE(log.has(testing::LogCapture::kInfo, enabled ? "CAS sharpening enabled" : "CAS sharpening disabled"));
      ASSERT_TRUE(video.send(protocol::encodeKeyframeRequestMessage(streamId)));
      const auto picture = nextKeyPicture(video, decoder, pump);
      ASSERT_TRUE(picture) << (enabled ? "on" : "off");
      if (enabled) {
        expectSharpened(compare(*picture, *window_, sharpened_));
      } else {
        expectUnsharpened(compare(*picture, *window_, sharpened_));
      }
    }
    app.shutdown();
  }
  if (savedXdg) ::setenv("XDG_DATA_HOME", savedXdg->c_str(), 1); else ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace parvalon::host
