#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <limits>
#include <random>
#include <thread>

#include "capture/CaptureOrchestrator.h"
#include "encode/SoftwareEncoderEntry.h"
#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"
#include "fakes/FakeCaptureSource.h"
#include "fakes/FakeDisplayModes.h"
#include "fakes/FakeGpuDevice.h"
#include "fakes/FakeWindowSystem.h"
#include "orchestrator/FakeEncoder.h"

namespace parvalon::host {
namespace {

using testing::FakeEncoder;
using testing::FakeEncoderJournal;
using testing::kError;
using testing::kInfo;
using testing::kWarn;
using testing::LogCapture;

constexpr std::uint32_t kWindowA = 0x2a00007;
constexpr std::uint32_t kWindowB = 0x2c00011;
constexpr std::uint32_t kNotAWindow = 0xdead;

// Runs `operation` on its own thread; a lock-order fault shows as a deadlock, which ends the
// test binary instead of hanging it until the ctest timeout.
template <class F>
void runBounded(const char* what, F&& operation) {
  auto done = std::async(std::launch::async, std::forward<F>(operation));
  if (done.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    std::fprintf(stderr, "%s did not return within 10 s: deadlock\n", what);
    std::_Exit(1);
  }
  done.get();
}

struct Received {
  std::uint8_t streamId;
  std::vector<std::uint8_t> bytes;
  bool isKeyframe;
};

class Orchestrator : public ::testing::Test {
 protected:
  void SetUp() override { makeOrchestrator({EncoderType::Software}); }

  void makeOrchestrator(std::vector<EncoderType> available) {
    orchestrator.reset();
    orchestrator = std::make_unique<CaptureOrchestrator>(windows, sources, FakeEncoder::factory(journal),
                                                         [available] { return available; }, display, gpuDevice);
    orchestrator->setFrameCallback([this](std::uint8_t id, const std::uint8_t* data, std::uint64_t size, bool key) {
      std::lock_guard lock(receivedMutex);
      received.push_back({id, std::vector<std::uint8_t>(data, data + size), key});
    });
    orchestrator->setResolutionChangeCallback([this](std::uint8_t id, std::uint32_t w, std::uint32_t h) {
      std::lock_guard lock(receivedMutex);
      resolutionChanges.push_back({id, w, h});
    });
  }

  // A window whose capture shows width × height; the capture source delivers the same size
  // unless `sourceSize` says otherwise (a window whose client area differs from its content).
  void addWindow(std::uint32_t handle, std::uint32_t width, std::uint32_t height) {
    fakes::FakeWindowSystem::Window w;
    w.handle = handle;
    w.title = "window";
    w.rect = platform::WindowRect{0, 0, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
    windows->addWindow(w);
    sources->sourceSize = {width, height};
  }

  // addWindow, then starts stream `streamId` on the window; its source, or null if the start failed.
  std::shared_ptr<fakes::FakeCaptureControl> startWindow(std::uint32_t handle, std::uint32_t width,
                                                         std::uint32_t height, std::uint8_t streamId) {
    addWindow(handle, width, height);
    const bool started = orchestrator->startCapture(handle, streamId);
    EXPECT_TRUE(started) << "stream " << int{streamId};
    return started ? sources->lastSource() : nullptr;
  }

  std::vector<Received> receivedFrames() {
    std::lock_guard lock(receivedMutex);
    return received;
  }

  struct Change {
    std::uint8_t id;
    std::uint32_t width, height;
    bool operator==(const Change&) const = default;
  };

  std::shared_ptr<fakes::FakeWindowSystem> windows = std::make_shared<fakes::FakeWindowSystem>();
  std::shared_ptr<fakes::FakeCaptureSourceFactory> sources = std::make_shared<fakes::FakeCaptureSourceFactory>();
  std::shared_ptr<FakeEncoderJournal> journal = std::make_shared<FakeEncoderJournal>();
  // One output whose first mode reports no timings, as Xvfb's does.
  std::shared_ptr<test::FakeDisplayModes> display =
      std::make_shared<test::FakeDisplayModes>(std::vector<std::vector<platform::DisplayModeTiming>>{{{}}});
  // The graphics device handed to the orchestrator; none unless a test sets one.
  std::shared_ptr<platform::GpuDevice> gpuDevice;
  std::unique_ptr<CaptureOrchestrator> orchestrator;
  // Guards received and resolutionChanges; taken by the test and the pushing threads.
  std::mutex receivedMutex;
  std::vector<Received> received;
  std::vector<Change> resolutionChanges;
};

// ---- Padding rule ----

struct PadCase {
  std::uint32_t size, padded;
};
class PaddingRule : public ::testing::TestWithParam<PadCase> {};
TEST_P(PaddingRule, RoundsUpToSixteen) { EXPECT_EQ(CaptureOrchestrator::padded(GetParam().size), GetParam().padded); }
INSTANTIATE_TEST_SUITE_P(Sizes, PaddingRule,
                         ::testing::Values(PadCase{1366, 1376}, PadCase{768, 768}, PadCase{1080, 1088},
                                           PadCase{1920, 1920}, PadCase{767, 768}, PadCase{1, 16},
                                           PadCase{1280, 1280}, PadCase{16, 16}, PadCase{17, 32}));

// ---- initialize ----

struct NameCase {
  std::vector<EncoderType> available;
  const char* name;
};
class OrchestratorEncoderName : public Orchestrator, public ::testing::WithParamInterface<NameCase> {};

TEST_P(OrchestratorEncoderName, NamesTheFamilyFromTheAvailableList) {
  makeOrchestrator(GetParam().available);
  EXPECT_EQ(orchestrator->getEncoderName(), "");
  LogCapture log;
  ASSERT_TRUE(orchestrator->initialize());
  EXPECT_EQ(orchestrator->getEncoderName(), GetParam().name);
  EXPECT_EQ(log.count(kInfo, std::string("CaptureOrchestrator initialized with ") + GetParam().name + " encoder"), 1u);
  EXPECT_EQ(log.count(kWarn, "No hardware encoders available - capture will work but encoding disabled"),
            GetParam().available.empty() ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, OrchestratorEncoderName,
    ::testing::Values(NameCase{{EncoderType::Software}, "Software"}, NameCase{{}, "None"},
                      NameCase{{EncoderType::NVENC, EncoderType::Software}, "NVENC"},
                      NameCase{{EncoderType::AMF}, "AMF"}, NameCase{{EncoderType::QuickSync}, "Unknown"}));

TEST_F(Orchestrator, SecondInitializeWarnsAndKeepsState) {
  ASSERT_TRUE(orchestrator->initialize());
  LogCapture log;
  EXPECT_TRUE(orchestrator->initialize());
  EXPECT_EQ(log.count(kWarn, "CaptureOrchestrator already initialized"), 1u);
  EXPECT_EQ(log.lines().size(), 1u);
}

// ---- startCapture ----

TEST_F(Orchestrator, StartSizesEncoderFromTemplateAndPaddedCaptureSize) {
  addWindow(kWindowA, 1366, 768);
  orchestrator->setBitrate(8000, 12000);
  orchestrator->setTargetFps(60);
  orchestrator->setFullRangeColor(true);
  LogCapture log;
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 3));
  ASSERT_EQ(journal->count(), 1u);
  const EncoderConfig c = journal->instance(0).config;
  EXPECT_EQ(c.width, 1376u);
  EXPECT_EQ(c.height, 768u);
  EXPECT_EQ(c.bitrateKbps, 8000u);
  EXPECT_EQ(c.maxBitrateKbps, 12000u);
  EXPECT_EQ(c.fps, 60u);
  EXPECT_TRUE(c.fullRange);
  EXPECT_EQ(c.codec, "h264");
  EXPECT_EQ(c.profile, "main");
  EXPECT_EQ(c.gopLength, 60);
  EXPECT_EQ(c.sliceCount, 4);
  // The capture is paced at the encoder's frame rate.
  ASSERT_NE(sources->lastSource(), nullptr);
  EXPECT_EQ(sources->lastSource()->options().fps, 60u);
  EXPECT_EQ(sources->lastSource()->window(), platform::WindowHandle{kWindowA});
  EXPECT_EQ(log.count(kInfo, "Creating encoder for 1376x768 (padded from 1366x768)"), 1u);
  EXPECT_EQ(log.count(kInfo, "Started capture for window 2a00007 on stream 3 (1376x768)"), 1u);
  std::uint32_t w = 0, h = 0;
  ASSERT_TRUE(orchestrator->getStreamResolution(3, w, h));
  EXPECT_EQ(w, 1366u);
  EXPECT_EQ(h, 768u);
}

TEST_F(Orchestrator, TemplateDefaults) {
  const EncoderConfig c = orchestrator->getEncoderConfig();
  EXPECT_EQ(c.bitrateKbps, 20000u);
  EXPECT_EQ(c.maxBitrateKbps, 50000u);
  EXPECT_EQ(c.fps, 72u);
  EXPECT_EQ(c.codec, "h264");
  EXPECT_FALSE(c.fullRange);
  LogCapture log;
  orchestrator->setFullRangeColor(false);
  EXPECT_EQ(log.count(kInfo, "Full range color disabled"), 1u);
}

TEST_F(Orchestrator, StartOnNonWindowFailsBeforeAnyEncoderOrCapture) {
  LogCapture log;
  EXPECT_FALSE(orchestrator->startCapture(kNotAWindow, 1));
  EXPECT_EQ(log.count(kError, "Invalid window handle: dead"), 1u);
  EXPECT_EQ(journal->createAttempts, 0);
  EXPECT_TRUE(sources->sources().empty());
  std::uint32_t w = 0, h = 0;
  EXPECT_FALSE(orchestrator->getStreamResolution(1, w, h));
}

TEST_F(Orchestrator, EncoderCreationFailureLeavesNoSessionAndStartsNoCapture) {
  addWindow(kWindowA, 640, 480);
  journal->failNextCreates = 1;
  LogCapture log;
  EXPECT_FALSE(orchestrator->startCapture(kWindowA, 1));
  EXPECT_EQ(log.count(kError, "Failed to create encoder for window 2a00007"), 1u);
  for (const auto& source : sources->sources()) EXPECT_FALSE(source->started());
  EXPECT_FALSE(orchestrator->getParameterSets(1).valid);
}

TEST_F(Orchestrator, CaptureStartFailureShutsTheNewEncoderDown) {
  addWindow(kWindowA, 640, 480);
  sources->startError = "BadMatch";
  LogCapture log;
  EXPECT_FALSE(orchestrator->startCapture(kWindowA, 1));
  EXPECT_EQ(log.count(kError, "Failed to start capture for window 2a00007"), 1u);
  ASSERT_EQ(journal->count(), 1u);
  EXPECT_EQ(journal->instance(0).shutdowns, 1);
  EXPECT_TRUE(journal->instance(0).destroyed);
  std::uint32_t w = 0, h = 0;
  EXPECT_FALSE(orchestrator->getStreamResolution(1, w, h));
}

TEST_F(Orchestrator, StreamReplacedStopsOldWindowFirst) {
  auto first = startWindow(kWindowA, 640, 480, 1);
  ASSERT_TRUE(first);
  LogCapture log;
  ASSERT_TRUE(startWindow(kWindowB, 800, 600, 1));
  EXPECT_EQ(log.count(kWarn, "Stream 1 already exists, stopping first"), 1u);
  EXPECT_EQ(journal->instance(0).shutdowns, 1);
  EXPECT_TRUE(journal->instance(0).destroyed);
  EXPECT_TRUE(first->stopped());
  EXPECT_TRUE(first->destroyed());
  EXPECT_FALSE(first->pushFilledFrame(1, 2, 3));
  ASSERT_TRUE(sources->lastSource()->pushFilledFrame(1, 2, 3));
  EXPECT_EQ(journal->instance(1).frames.size(), 1u);
  std::uint32_t w = 0, h = 0;
  ASSERT_TRUE(orchestrator->getStreamResolution(1, w, h));
  EXPECT_EQ(w, 800u);
}

TEST_F(Orchestrator, ReplacementThatFailsLeavesTheStreamEmpty) {
  addWindow(kWindowA, 640, 480);
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 1));
  EXPECT_FALSE(orchestrator->startCapture(kNotAWindow, 1));
  std::uint32_t w = 0, h = 0;
  EXPECT_FALSE(orchestrator->getStreamResolution(1, w, h));
  EXPECT_TRUE(sources->lastSource()->stopped());
}

// ---- per-frame work ----

// Pixel (x, y) of a recorded frame, rows packed.
const std::uint8_t* pixelAt(const FakeEncoderJournal::Frame& f, std::uint32_t x, std::uint32_t y) {
  return &f.pixels[(static_cast<std::size_t>(y) * f.width + x) * 4];
}

TEST_F(Orchestrator, FramesArePaddedWithBlackBandsRightAndBottom) {
  auto source = startWindow(kWindowA, 1366, 1080, 2);
  ASSERT_TRUE(source);
  ASSERT_TRUE(source->pushFilledFrame(10, 20, 30));
  ASSERT_TRUE(source->pushFilledFrame(40, 50, 60));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  const std::uint8_t colours[2][3] = {{10, 20, 30}, {40, 50, 60}};
  for (int i = 0; i < 2; ++i) {
    const auto& f = encoder.frames[static_cast<std::size_t>(i)];
    ASSERT_EQ(f.width, 1376u);
    ASSERT_EQ(f.height, 1088u);
    // Window in the top-left corner, a 10-pixel band on the right, 8 rows at the bottom.
    for (auto [x, y] : {std::pair{0u, 0u}, std::pair{1365u, 0u}, std::pair{0u, 1079u}, std::pair{1365u, 1079u}}) {
      EXPECT_EQ(pixelAt(f, x, y)[0], colours[i][0]) << x << "," << y;
      EXPECT_EQ(pixelAt(f, x, y)[2], colours[i][2]) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{1366u, 0u}, std::pair{1375u, 500u}, std::pair{0u, 1080u}, std::pair{1375u, 1087u}}) {
      const std::uint8_t* p = pixelAt(f, x, y);
      EXPECT_EQ(p[0] | p[1] | p[2], 0) << x << "," << y;
      EXPECT_EQ(p[3], 255) << x << "," << y;
    }
  }
  // Both frames went through the one padding image of this encoder size.
  EXPECT_EQ(encoder.frames[0].data, encoder.frames[1].data);
}

TEST_F(Orchestrator, AlignedSizeEncodesTheCapturedFrameDirectly) {
  addWindow(kWindowA, 1280, 720);
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 2));
  platform::CpuImage image(1280, 720);
  ASSERT_TRUE(sources->lastSource()->pushFrame(image.view()));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 1u);
  EXPECT_EQ(encoder.frames[0].data, image.data());
  EXPECT_EQ(encoder.frames[0].width, 1280u);
}

TEST_F(Orchestrator, EncodedFramesLeaveTaggedWithTheirStream) {
  auto a = startWindow(kWindowA, 640, 480, 7);
  ASSERT_TRUE(a);
  auto b = startWindow(kWindowB, 320, 240, 200);
  ASSERT_TRUE(b);
  ASSERT_TRUE(a->pushFilledFrame(0, 0, 0));
  ASSERT_TRUE(b->pushFilledFrame(0, 0, 0));
  ASSERT_TRUE(a->pushFilledFrame(0, 0, 0));
  const auto frames = receivedFrames();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[0].streamId, 7);
  EXPECT_TRUE(frames[0].isKeyframe);
  EXPECT_EQ(frames[0].bytes, std::vector<std::uint8_t>(std::begin(FakeEncoder::kKeyUnit), std::end(FakeEncoder::kKeyUnit)));
  EXPECT_EQ(frames[1].streamId, 200);
  EXPECT_EQ(frames[2].streamId, 7);
  EXPECT_FALSE(frames[2].isKeyframe);
  EXPECT_EQ(frames[2].bytes, std::vector<std::uint8_t>(std::begin(FakeEncoder::kDeltaUnit), std::end(FakeEncoder::kDeltaUnit)));
}

TEST_F(Orchestrator, SizeChangeRecreatesEncoderAndTellsTheApplication) {
  auto source = startWindow(kWindowA, 640, 480, 1);
  ASSERT_TRUE(source);
  ASSERT_TRUE(source->pushFilledFrame(1, 1, 1));
  LogCapture log;
  // The source announces the new size; the capture re-creates its pool and the next frame
  // arrives at 1366 × 770.
  ASSERT_TRUE(source->pushResize(1366, 770));
  ASSERT_TRUE(source->pushFilledFrame(2, 2, 2));
  ASSERT_EQ(journal->count(), 2u);
  EXPECT_EQ(journal->instance(0).shutdowns, 1);
  EXPECT_TRUE(journal->instance(0).destroyed);
  EXPECT_EQ(journal->instance(1).config.width, 1376u);
  EXPECT_EQ(journal->instance(1).config.height, 784u);
  ASSERT_EQ(journal->instance(1).frames.size(), 1u);
  EXPECT_EQ(journal->instance(1).frames[0].width, 1376u);
  EXPECT_EQ(log.count(kInfo, "Resolution changed from 640x480 to 1366x770 on stream 1 - recreating encoder"), 1u);
  EXPECT_EQ(log.count(kInfo, "Creating new encoder for 1376x784 (padded from 1366x770)"), 1u);
  EXPECT_EQ(log.count(kInfo, "Encoder recreated successfully for 1376x784 on stream 1"), 1u);
  {
    std::lock_guard lock(receivedMutex);
    EXPECT_EQ(resolutionChanges, (std::vector<Change>{{1, 1366, 770}}));
  }
  std::uint32_t w = 0, h = 0;
  ASSERT_TRUE(orchestrator->getStreamResolution(1, w, h));
  EXPECT_EQ(w, 1366u);
  EXPECT_EQ(h, 770u);
  // The new encoder's output still leaves as stream 1 and starts with a key frame.
  const auto frames = receivedFrames();
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[1].streamId, 1);
  EXPECT_TRUE(frames[1].isKeyframe);
}

// A window with a title bar: its client area sized the encoder, its content is taller.
TEST_F(Orchestrator, FirstFrameOfOtherContentSizeRecreatesBeforeEncoding) {
  addWindow(kWindowA, 640, 480);
  sources->sourceSize = {640, 502};
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 1));
  ASSERT_TRUE(sources->lastSource()->pushFilledFrame(1, 1, 1));
  ASSERT_EQ(journal->count(), 2u);
  EXPECT_TRUE(journal->instance(0).frames.empty());
  EXPECT_EQ(journal->instance(1).config.height, 512u);
  EXPECT_EQ(journal->instance(1).frames.size(), 1u);
  std::lock_guard lock(receivedMutex);
  EXPECT_EQ(resolutionChanges, (std::vector<Change>{{1, 640, 502}}));
}

TEST_F(Orchestrator, FailedRecreationLeavesASilentSessionUntilStopped) {
  auto source = startWindow(kWindowA, 640, 480, 1);
  ASSERT_TRUE(source);
  journal->failNextCreates = 1;
  LogCapture log;
  ASSERT_TRUE(source->pushResize(800, 600));
  ASSERT_TRUE(source->pushFilledFrame(1, 1, 1));
  EXPECT_EQ(log.count(kError, "Failed to create new encoder for resolution 800x608"), 1u);
  // Later frames of the same size do not retry and produce nothing.
  ASSERT_TRUE(source->pushFilledFrame(1, 1, 1));
  ASSERT_TRUE(source->pushFilledFrame(1, 1, 1));
  EXPECT_EQ(journal->createAttempts, 2);
  EXPECT_EQ(receivedFrames().size(), 0u);
  EXPECT_FALSE(orchestrator->getParameterSets(1).valid);
  orchestrator->requestKeyframe(1);
  orchestrator->updateStreamBitrate(1, 1000, 1500);
  {
    std::lock_guard lock(receivedMutex);
    EXPECT_TRUE(resolutionChanges.empty());
  }
  // Still a session: update keeps it, stopCapture removes it.
  orchestrator->update();
  std::uint32_t w = 0, h = 0;
  EXPECT_TRUE(orchestrator->getStreamResolution(1, w, h));
  orchestrator->stopCapture(1);
  EXPECT_EQ(log.count(kInfo, "Stopped capture on stream 1"), 1u);
  EXPECT_FALSE(orchestrator->getStreamResolution(1, w, h));
  EXPECT_TRUE(source->destroyed());
}

TEST_F(Orchestrator, EncodeFailureIsWarnedWithTheAttemptNumber) {
  addWindow(kWindowA, 640, 480);
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 4));
  journal->failEncode = true;
  LogCapture log;
  ASSERT_TRUE(sources->lastSource()->pushFilledFrame(1, 1, 1));
  ASSERT_TRUE(sources->lastSource()->pushFilledFrame(1, 1, 1));
  const auto lines = log.lines();
  std::vector<std::uint64_t> attempts;
  for (const auto& l : lines) {
    unsigned long long n = 0;
    if (l.level == kWarn && std::sscanf(l.text.c_str(), "Failed to encode frame on stream 4 (attempt #%llu)", &n) == 1) {
      attempts.push_back(n);
    }
  }
  ASSERT_EQ(attempts.size(), 2u);
  EXPECT_EQ(attempts[1], attempts[0] + 1);
}

// A static window produces no frame after its first: a key-frame request must also ask the
// capture for a picture, or the key frame never comes.
TEST_F(Orchestrator, KeyframeRequestAlsoAsksTheCaptureForAPicture) {
  auto source = startWindow(kWindowA, 640, 480, 1);
  ASSERT_TRUE(source);
  ASSERT_TRUE(source->pushFilledFrame(5, 5, 5));
  ASSERT_TRUE(source->pushFilledFrame(5, 5, 5));
  orchestrator->requestKeyframe(1);
  orchestrator->requestKeyframe(9);  // unknown stream: nothing
  EXPECT_EQ(source->callCount("requestFrame"), 1u);
  EXPECT_EQ(journal->instance(0).keyframeRequests, 1);
  // The source answers with the same picture; it is encoded as a key frame.
  ASSERT_TRUE(source->pushFilledFrame(5, 5, 5));
  const auto frames = receivedFrames();
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_FALSE(frames[1].isKeyframe);
  EXPECT_TRUE(frames[2].isKeyframe);
}

TEST_F(Orchestrator, TargetFpsReachesRunningCapturesAndEncoders) {
  auto source = startWindow(kWindowA, 1366, 768, 1);
  ASSERT_TRUE(source);
  ASSERT_TRUE(source->pushFilledFrame(1, 1, 1));
  EXPECT_EQ(journal->instance(0).config.fps, 72u);
  LogCapture log;
  orchestrator->setTargetFps(30);
  ASSERT_TRUE(source->pushFilledFrame(2, 2, 2));
  ASSERT_EQ(journal->count(), 2u);
  EXPECT_EQ(journal->instance(0).shutdowns, 1);
  const auto encoder = journal->instance(1);
  EXPECT_EQ(encoder.config.fps, 30u);
  EXPECT_EQ(encoder.config.width, 1376u);
  EXPECT_EQ(encoder.config.height, 768u);
  EXPECT_EQ(encoder.frames.size(), 1u);
  EXPECT_EQ(source->callCount("setFps(30)"), 1u);
  EXPECT_EQ(log.count(kInfo, "Frame rate changed from 72 to 30 fps on stream 1 - recreating encoder"), 1u);
  EXPECT_EQ(log.count(kInfo, "Encoder recreated successfully for 1376x768 on stream 1"), 1u);
  {
    // The application sends the new encoder's parameter sets as after a resize.
    std::lock_guard lock(receivedMutex);
    EXPECT_EQ(resolutionChanges, (std::vector<Change>{{1, 1366, 768}}));
  }
  // The new rate holds: no further re-creation, and new streams start with it.
  ASSERT_TRUE(source->pushFilledFrame(3, 3, 3));
  EXPECT_EQ(journal->count(), 2u);
  EXPECT_EQ(journal->instance(1).frames.size(), 2u);
  addWindow(kWindowB, 640, 480);
  ASSERT_TRUE(orchestrator->startCapture(kWindowB, 2));
  EXPECT_EQ(sources->lastSource()->options().fps, 30u);
  EXPECT_EQ(journal->instance(2).config.fps, 30u);
}

// ---- per-stream operations ----

TEST_F(Orchestrator, StreamOperationsReachOnlyTheirEncoder) {
  addWindow(kWindowA, 640, 480);
  addWindow(kWindowB, 640, 480);
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 1));
  ASSERT_TRUE(orchestrator->startCapture(kWindowB, 2));
  orchestrator->updateStreamBitrate(2, 16000, 24000);
  orchestrator->requestKeyframe(2);
  orchestrator->updateStreamBitrate(9, 1, 1);  // unknown: silently nothing
  orchestrator->requestKeyframe(9);
  EXPECT_TRUE(journal->instance(0).bitrates.empty());
  EXPECT_EQ(journal->instance(0).keyframeRequests, 0);
  EXPECT_EQ(journal->instance(1).bitrates, (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{16000, 24000}}));
  EXPECT_EQ(journal->instance(1).keyframeRequests, 1);
  EXPECT_TRUE(orchestrator->getParameterSets(2).valid);
  const CodecParameterSets unknown = orchestrator->getParameterSets(3);
  EXPECT_FALSE(unknown.valid);
  EXPECT_TRUE(unknown.sps.empty());
  EXPECT_TRUE(unknown.pps.empty());
  // Template changes do not touch running encoders.
  orchestrator->setBitrate(1000, 2000);
  EXPECT_EQ(journal->instance(0).bitrates.size(), 0u);
}

TEST_F(Orchestrator, StopUnknownStreamWarnsAndChangesNothing) {
  addWindow(kWindowA, 640, 480);
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 1));
  LogCapture log;
  orchestrator->stopCapture(9);
  EXPECT_EQ(log.count(kWarn, "Stream 9 not found"), 1u);
  EXPECT_FALSE(sources->lastSource()->stopped());
  EXPECT_TRUE(sources->lastSource()->pushFilledFrame(1, 1, 1));
}

TEST_F(Orchestrator, StopShutsEncoderDownThenStopsCapture) {
  auto source = startWindow(kWindowA, 640, 480, 1);
  ASSERT_TRUE(source);
  orchestrator->stopCapture(1);
  EXPECT_EQ(journal->instance(0).shutdowns, 1);
  EXPECT_TRUE(journal->instance(0).destroyed);
  const auto calls = source->calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "start");
  EXPECT_EQ(calls[1], "stop");
  EXPECT_EQ(calls.back(), "destroy");
  EXPECT_FALSE(source->pushFilledFrame(1, 1, 1));
}

TEST_F(Orchestrator, UpdateRemovesSessionsOfClosedWindowsAndStoppedCaptures) {
  auto a = startWindow(kWindowA, 640, 480, 1);
  ASSERT_TRUE(a);
  auto b = startWindow(kWindowB, 640, 480, 2);
  ASSERT_TRUE(b);
  orchestrator->update();
  EXPECT_EQ(journal->instance(0).shutdowns, 0);

  LogCapture log;
  windows->removeWindow(kWindowA);  // gone, capture not told yet
  ASSERT_TRUE(b->pushClosed());     // capture stopped by its own close handler
  orchestrator->update();
  EXPECT_EQ(log.count(kInfo, "Removing inactive session for stream 1"), 1u);
  EXPECT_EQ(log.count(kInfo, "Removing inactive session for stream 2"), 1u);
  EXPECT_EQ(journal->instance(0).shutdowns, 1);
  EXPECT_EQ(journal->instance(1).shutdowns, 1);
  EXPECT_TRUE(a->destroyed());
  EXPECT_TRUE(b->destroyed());
  std::uint32_t w = 0, h = 0;
  EXPECT_FALSE(orchestrator->getStreamResolution(1, w, h));
  EXPECT_FALSE(orchestrator->getStreamResolution(2, w, h));
}

TEST_F(Orchestrator, ShutdownStopsEverythingAndCanInitializeAgain) {
  ASSERT_TRUE(orchestrator->initialize());
  addWindow(kWindowA, 640, 480);
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 1));
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 2));
  LogCapture log;
  orchestrator->shutdown();
  EXPECT_EQ(log.count(kInfo, "Shutting down CaptureOrchestrator..."), 1u);
  EXPECT_EQ(log.count(kInfo, "Stopped all captures"), 1u);
  for (const auto& s : sources->sources()) EXPECT_TRUE(s->destroyed());
  EXPECT_EQ(journal->instance(0).shutdowns, 1);
  EXPECT_EQ(journal->instance(1).shutdowns, 1);
  EXPECT_FALSE(orchestrator->isInitialized());
  orchestrator->shutdown();  // not initialized: nothing
  EXPECT_EQ(log.count(kInfo, "Shutting down CaptureOrchestrator..."), 1u);
  EXPECT_TRUE(orchestrator->initialize());
}

// ---- the lock rule ----

// A window system whose isWindow runs a hook: the one call the orchestrator makes inside its
// lock right before it stops a session in update.
class HookedWindowSystem : public fakes::FakeWindowSystem {
 public:
  std::function<void(platform::WindowHandle)> hook;
  bool isWindow(platform::WindowHandle w) override {
    if (hook) hook(w);
    return FakeWindowSystem::isWindow(w);
  }
};

// An orchestrator with the one window kWindowA, over the hooked window system.
class OrchestratorLocking : public ::testing::Test {
 protected:
  OrchestratorLocking() {
    fakes::FakeWindowSystem::Window w;
    w.handle = kWindowA;
    windows->addWindow(w);
  }
  void TearDown() override { windows->hook = nullptr; }  // it refers to the finished case's locals

  std::shared_ptr<HookedWindowSystem> windows = std::make_shared<HookedWindowSystem>();
  std::shared_ptr<fakes::FakeCaptureSourceFactory> sources = std::make_shared<fakes::FakeCaptureSourceFactory>();
  std::shared_ptr<FakeEncoderJournal> journal = std::make_shared<FakeEncoderJournal>();
  CaptureOrchestrator orchestrator{windows, sources, FakeEncoder::factory(journal),
                                   [] { return std::vector<EncoderType>{EncoderType::Software}; }};
};

// update decides to remove a session while that session's capture thread has begun a delivery
// that may wait for the orchestrator's locks. Stopping the capture under a lock the delivery
// takes would wait for that delivery forever.
TEST_F(OrchestratorLocking, UpdateStopsSessionsOutsideTheLock) {
  ASSERT_TRUE(orchestrator.startCapture(kWindowA, 1));
  auto source = sources->lastSource();
  ASSERT_TRUE(source->pushFilledFrame(1, 1, 1));

  std::thread delivery;
  std::atomic<bool> armed{true};
  windows->hook = [&](platform::WindowHandle) {
    if (!armed.exchange(false)) return;
    windows->removeWindow(kWindowA);
    delivery = std::thread([&] { source->pushFilledFrame(2, 2, 2); });
    // Let the delivery enter the source and block on the orchestrator's lock.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  };
  runBounded("update", [&] { orchestrator.update(); });
  delivery.join();
  EXPECT_TRUE(source->destroyed());
  // The late delivery was encoded before the stop or dropped after it, never after the shutdown.
  std::lock_guard lock(journal->mutex);
  const auto shutdownAt = std::find(journal->events.begin(), journal->events.end(), "shutdown 0");
  ASSERT_NE(shutdownAt, journal->events.end());
  EXPECT_EQ(std::count(shutdownAt, journal->events.end(), "encode-begin 0"), 0);
}

// The main loop's update runs while a stream starts (the session is already in the table so
// its first frame waits for it, but its capture does not run yet): update must not take the
// starting session for a stopped one.
TEST_F(OrchestratorLocking, UpdateDuringAStartKeepsTheStartingSession) {
  bool inHook = false;
  int updates = 0;
  // Every window query during the start (the capture's checks and diagnostics) runs an update.
  windows->hook = [&](platform::WindowHandle) {
    if (inHook) return;
    inHook = true;
    orchestrator.update();
    ++updates;
    inHook = false;
  };
  runBounded("start with updates", [&] { ASSERT_TRUE(orchestrator.startCapture(kWindowA, 1)); });
  windows->hook = nullptr;
  EXPECT_GE(updates, 3);
  std::uint32_t width = 0, height = 0;
  EXPECT_TRUE(orchestrator.getStreamResolution(1, width, height));
  EXPECT_FALSE(sources->lastSource()->stopped());
  ASSERT_TRUE(sources->lastSource()->pushFilledFrame(1, 1, 1));
  EXPECT_EQ(journal->instance(0).frames.size(), 1u);
}

// Deliveries on two capture threads while the caller starts, replaces and stops streams. With
// the software encoder, whose own thread encodes and delivers, the receiver asks for the
// stream's parameter sets on every key frame, as the host does: that thread must never wait for
// a capture thread that is waiting for it.
class OrchestratorLockingWithEncoder : public ::testing::TestWithParam<bool> {};

TEST_P(OrchestratorLockingWithEncoder, StartStopWhileFramesFlow) {
  const bool softwareEncoder = GetParam();
  if (softwareEncoder && !softwareEncoderUsable()) GTEST_SKIP() << "this build has no software encoder";
  auto windows = std::make_shared<fakes::FakeWindowSystem>();
  auto sources = std::make_shared<fakes::FakeCaptureSourceFactory>();
  auto journal = std::make_shared<FakeEncoderJournal>();
  sources->sourceSize = {64, 48};
  CaptureOrchestrator orchestrator(windows, sources,
                                   softwareEncoder ? CaptureOrchestrator::CreateEncoderFunction()
                                                   : FakeEncoder::factory(journal),
                                   [] { return std::vector<EncoderType>{EncoderType::Software}; });
  for (std::uint32_t handle : {kWindowA, kWindowB}) {
    fakes::FakeWindowSystem::Window w;
    w.handle = handle;
    w.rect = platform::WindowRect{0, 0, 64, 48};
    windows->addWindow(w);
  }
  std::atomic<std::uint64_t> delivered{0};
  std::atomic<std::uint64_t> withParameterSets{0};
  orchestrator.setFrameCallback([&](std::uint8_t streamId, const std::uint8_t*, std::uint64_t, bool key) {
    ++delivered;
    if (key && orchestrator.getParameterSets(streamId).valid) ++withParameterSets;
  });
  std::atomic<bool> running{true};
  auto pump = [&](std::size_t parity) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (running && std::chrono::steady_clock::now() < deadline) {
      const auto all = sources->sources();
      for (std::size_t i = parity; i < all.size(); i += 2) all[i]->pushFilledFrame(9, 9, 9);
      std::this_thread::yield();
    }
  };
  std::thread t0(pump, 0), t1(pump, 1);
  runBounded("start/stop cycle", [&] {
    for (int i = 0; i < 60; ++i) {
      orchestrator.startCapture(i % 2 ? kWindowA : kWindowB, static_cast<std::uint8_t>(i % 3));
      if (i % 5 == 4) orchestrator.stopCapture(static_cast<std::uint8_t>(i % 3));
      if (i % 7 == 6) orchestrator.update();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    orchestrator.stopAllCaptures();
  });
  running = false;
  t0.join();
  t1.join();
  EXPECT_GT(delivered.load(), 0u);
  EXPECT_GT(withParameterSets.load(), 0u);
  for (const auto& s : sources->sources()) EXPECT_TRUE(s->destroyed());
}

INSTANTIATE_TEST_SUITE_P(Encoders, OrchestratorLockingWithEncoder, ::testing::Bool(), [](const auto& info) {
  return info.param ? std::string("PipelinedSoftwareEncoder") : std::string("FakeEncoder");
});

// Two streams' frames arrive together: each stream is serialised by its own lock, so the two
// encodes overlap. Under one lock for all streams the first encode would wait for the second in
// vain and every stream would encode on one core.
TEST_F(Orchestrator, DifferentStreamsEncodeInParallel) {
  auto a = startWindow(kWindowA, 64, 48, 1);
  ASSERT_TRUE(a);
  auto b = startWindow(kWindowB, 64, 48, 2);
  ASSERT_TRUE(b);
  {
    std::lock_guard lock(journal->mutex);
    journal->onEncode = [this] {
      testing::waitUntil([this] {
        std::lock_guard lock(journal->mutex);
        return journal->encoding >= 2;
      }, std::chrono::milliseconds(3000));
    };
  }
  runBounded("two deliveries", [&] {
    std::thread first([&] { a->pushFilledFrame(1, 1, 1); });
    std::thread second([&] { b->pushFilledFrame(2, 2, 2); });
    first.join();
    second.join();
  });
  std::lock_guard lock(journal->mutex);
  EXPECT_EQ(journal->maxConcurrentEncodes, 2);
}

// The stream is stopped, or replaced by another window, while its capture thread is inside an
// encode. The encoder is shut down only after that encode returned, nothing of the old session
// is encoded or delivered after the stop returned, and nothing deadlocks. Run under
// ThreadSanitizer too.
class OrchestratorStopWhileEncoding : public Orchestrator, public ::testing::WithParamInterface<bool> {};

TEST_P(OrchestratorStopWhileEncoding, WaitsForTheEncodeAndStopsCleanly) {
  const bool replace = GetParam();
  addWindow(kWindowA, 64, 48);
  addWindow(kWindowB, 64, 48);
  for (int round = 0; round < 10; ++round) {
    ASSERT_TRUE(orchestrator->startCapture(kWindowA, 1));
    auto source = sources->lastSource();
    const std::size_t encoderIndex = journal->count() - 1;
    std::atomic<bool> inEncode{false};
    std::atomic<bool> stopping{false};
    {
      std::lock_guard lock(journal->mutex);
      journal->onEncode = [&] {
        inEncode = true;
        // Hold the encode until the stop has begun, so the stop meets it.
        testing::waitUntil([&] { return stopping.load(); }, std::chrono::milliseconds(2000));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
      };
    }
    std::atomic<bool> pumping{true};
    std::thread pusher([&] {
      for (int i = 0; i < 1000 && pumping; ++i) {
        if (!source->pushFilledFrame(static_cast<std::uint8_t>(i), 0, 0)) break;
      }
    });
    ASSERT_TRUE(testing::waitUntil([&] { return inEncode.load(); }));
    std::size_t deliveredAtStop = 0;
    runBounded(replace ? "replace while encoding" : "stop while encoding", [&] {
      stopping = true;
      if (replace) {
        ASSERT_TRUE(orchestrator->startCapture(kWindowB, 1));
      } else {
        orchestrator->stopCapture(1);
      }
      deliveredAtStop = receivedFrames().size();
    });
    pumping = false;
    pusher.join();
    {
      std::lock_guard lock(journal->mutex);
      journal->onEncode = nullptr;
      const auto& events = journal->events;
      const std::string id = std::to_string(encoderIndex);
      const auto shutdownAt = std::find(events.begin(), events.end(), "shutdown " + id);
      ASSERT_NE(shutdownAt, events.end()) << "round " << round;
      // Every encode of the old encoder ended before its shutdown, none began after it.
      const auto begins = std::count(events.begin(), shutdownAt, "encode-begin " + id);
      EXPECT_GE(begins, 1);
      EXPECT_EQ(std::count(events.begin(), shutdownAt, "encode-end " + id), begins) << "round " << round;
      EXPECT_EQ(std::count(shutdownAt, events.end(), "encode-begin " + id), 0) << "round " << round;
    }
    EXPECT_TRUE(source->destroyed());
    if (replace) {
      // The new window's stream works under the same id.
      auto fresh = sources->lastSource();
      ASSERT_TRUE(fresh->pushFilledFrame(7, 7, 7));
      EXPECT_EQ(receivedFrames().size(), deliveredAtStop + 1);
      orchestrator->stopCapture(1);
    } else {
      EXPECT_EQ(receivedFrames().size(), deliveredAtStop);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(StopOrReplace, OrchestratorStopWhileEncoding, ::testing::Bool(),
                         [](const auto& info) { return info.param ? std::string("Replace") : std::string("Stop"); });


// ---- the frame pacer and the sharpening pass ----

struct PacerCase {
  const char* name;
  std::vector<std::vector<platform::DisplayModeTiming>> outputs;
  bool available;
  float refreshRate;
};
class OrchestratorPacer : public Orchestrator, public ::testing::WithParamInterface<PacerCase> {};

TEST_P(OrchestratorPacer, InitializeReportsThePacerAndTheSharpeningPass) {
  display = std::make_shared<test::FakeDisplayModes>(GetParam().outputs);
  makeOrchestrator({EncoderType::Software});
  EXPECT_EQ(orchestrator->refreshRate(), 60.0f);
  LogCapture log;
  ASSERT_TRUE(orchestrator->initialize());
  EXPECT_EQ(display->asked(), (std::vector<std::uint32_t>{0}));
  EXPECT_NEAR(orchestrator->refreshRate(), GetParam().refreshRate, 0.001f);
  char line[64];
  std::snprintf(line, sizeof line, "FramePacer initialized (refresh rate: %.1fHz)", GetParam().refreshRate);
  EXPECT_EQ(log.count(kInfo, line), GetParam().available ? 1u : 0u) << line;
  EXPECT_EQ(log.count(kWarn, "FramePacer initialization failed - using timer-based pacing"),
            GetParam().available ? 0u : 1u);
  EXPECT_EQ(log.count(kInfo, "CASProcessor initialized (sharpening available)"), 1u);
  EXPECT_EQ(log.count(kWarn, "CASProcessor initialization failed - sharpening disabled"), 0u);
  // The pass and the pacer come before the orchestrator calls itself initialized.
  const auto texts = log.texts();
  const auto sharpeningAt = std::find(texts.begin(), texts.end(), "CASProcessor initialized (sharpening available)");
  const auto doneAt = std::find(texts.begin(), texts.end(), "CaptureOrchestrator initialized with Software encoder");
  ASSERT_NE(doneAt, texts.end());
  EXPECT_LT(sharpeningAt, doneAt);
}

INSTANTIATE_TEST_SUITE_P(
    Displays, OrchestratorPacer,
    ::testing::Values(
        // 148.35 MHz over 2200 × 1125: the 59.94 Hz mode of 1080p.
        PacerCase{"NtscRate", {{{148351648, 2200, 1125}, {148500000, 2200, 1125}}}, true, 59.94f},
        PacerCase{"ZeroTimings", {{{}}}, true, 60.0f},
        PacerCase{"NoOutput", {}, false, 60.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Orchestrator, SettersReachNothingBeforeInitializeAndLogAfter) {
  LogCapture log;
  orchestrator->setSharpeningEnabled(true);
  orchestrator->setSharpness(0.3f);
  orchestrator->setVSyncEnabled(false);
  EXPECT_TRUE(log.lines().empty());
  EXPECT_FALSE(orchestrator->isVSyncEnabled());

  ASSERT_TRUE(orchestrator->initialize());
  EXPECT_TRUE(orchestrator->isVSyncEnabled());  // the pacer's default
  LogCapture after;
  orchestrator->setSharpeningEnabled(true);
  orchestrator->setSharpeningEnabled(false);
  orchestrator->setVSyncEnabled(false);
  EXPECT_FALSE(orchestrator->isVSyncEnabled());
  orchestrator->setVSyncEnabled(true);
  EXPECT_TRUE(orchestrator->isVSyncEnabled());
  orchestrator->setSharpness(0.5f);  // not logged
  EXPECT_EQ(after.texts(), (std::vector<std::string>{"CAS sharpening enabled", "CAS sharpening disabled",
                                                     "VSync frame pacing disabled", "VSync frame pacing enabled"}));
}

// A picture with detail in every channel, so that sharpening changes it.
platform::CpuImage texturedImage(std::uint32_t width, std::uint32_t height, std::uint32_t seed = 7) {
  platform::CpuImage image(width, height);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint8_t* row = image.row(y);
    for (std::uint32_t x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) row[4 * x + c] = static_cast<std::uint8_t>(byte(random));
      row[4 * x + 3] = 0xFF;
    }
  }
  return image;
}

// What the sharpening pass makes of `frame` at `sharpness`, from a processor of its own, in a
// picture of the encoder's size: the picture the encoder must receive.
platform::CpuImage referenceSharpened(const platform::CpuFrame& frame, float sharpness,
                                      CASProcessor::Options options = {}) {
  CASProcessor reference(options);
  EXPECT_TRUE(reference.initialize());
  reference.setEnabled(true);
  reference.setSharpness(sharpness);
  platform::CpuImage out(CaptureOrchestrator::padded(frame.width), CaptureOrchestrator::padded(frame.height));
  EXPECT_TRUE(reference.apply(frame, out, frame.width, frame.height));
  return out;
}

// The picture the encoder receives without sharpening: the frame with black bands.
platform::CpuImage padded(const platform::CpuFrame& frame) {
  platform::CpuImage out(CaptureOrchestrator::padded(frame.width), CaptureOrchestrator::padded(frame.height));
  for (std::uint32_t y = 0; y < frame.height; ++y) std::memcpy(out.row(y), frame.row(y), frame.width * 4u);
  return out;
}

std::vector<std::uint8_t> packed(const platform::CpuImage& image) {
  FakeEncoderJournal::Frame f{image.width(), image.height(), image.stride(), image.data(), {}};
  for (std::uint32_t y = 0; y < image.height(); ++y) {
    const std::uint8_t* row = image.data() + static_cast<std::size_t>(y) * image.stride();
    f.pixels.insert(f.pixels.end(), row, row + image.width() * 4u);
  }
  return f.pixels;
}

// Largest difference of one byte between two pictures of equal size.
int maxDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  if (a.size() != b.size()) return 256;
  int most = 0;
  for (std::size_t i = 0; i < a.size(); ++i) most = std::max(most, std::abs(int{a[i]} - int{b[i]}));
  return most;
}

class OrchestratorSharpening : public Orchestrator {
 protected:
  void SetUp() override {
    Orchestrator::SetUp();
    ASSERT_TRUE(orchestrator->initialize());
  }
  // Starts stream 1 on a window of width × height and returns its source.
  std::shared_ptr<fakes::FakeCaptureControl> start(std::uint32_t width, std::uint32_t height) {
    return startWindow(kWindowA, width, height, 1);
  }
  // The pixels of the last frame the stream's current encoder received.
  std::vector<std::uint8_t> lastEncoded() {
    std::lock_guard lock(journal->mutex);
    const auto& frames = journal->instances.back().frames;
    return frames.empty() ? std::vector<std::uint8_t>{} : frames.back().pixels;
  }
};

// 70 × 50 needs bands on both sides; 64 × 48 none (the sharpened picture is encoded directly).
class OrchestratorSharpeningSizes : public OrchestratorSharpening,
                                    public ::testing::WithParamInterface<std::pair<std::uint32_t, std::uint32_t>> {};

TEST_P(OrchestratorSharpeningSizes, EncoderGetsTheSharpenedPictureOnlyWhileSwitchedOn) {
  const auto [width, height] = GetParam();
  auto source = start(width, height);
  const platform::CpuImage input = texturedImage(width, height);
  const auto unsharpened = packed(padded(input.view()));
  const auto sharpened = packed(referenceSharpened(input.view(), 0.7f));
  ASSERT_NE(sharpened, unsharpened);  // the comparison below can tell them apart

  ASSERT_TRUE(source->pushFrame(input.view()));
  EXPECT_EQ(lastEncoded(), unsharpened);

  orchestrator->setSharpeningEnabled(true);
  ASSERT_TRUE(source->pushFrame(input.view()));
  ASSERT_TRUE(source->pushFrame(input.view()));  // the kept output picture, written again
  EXPECT_EQ(lastEncoded(), sharpened);
  // Within one level of the exact float arithmetic, bands black and opaque.
  EXPECT_LE(maxDifference(lastEncoded(), packed(referenceSharpened(
                                             input.view(), 0.7f, {0, CASProcessor::Instructions::Scalar}))),
            1);

  orchestrator->setSharpeningEnabled(false);
  ASSERT_TRUE(source->pushFrame(input.view()));
  EXPECT_EQ(lastEncoded(), unsharpened);
  EXPECT_EQ(journal->instance(0).frames.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, OrchestratorSharpeningSizes,
                         ::testing::Values(std::pair{70u, 50u}, std::pair{64u, 48u}));

struct ClampCase {
  const char* name;
  float given;
  float stored;
};
class OrchestratorSharpnessClamp : public OrchestratorSharpening, public ::testing::WithParamInterface<ClampCase> {};

// Seen in the encoded picture: the stream is sharpened as with the clamped value.
TEST_P(OrchestratorSharpnessClamp, PassRunsWithTheClampedValue) {
  auto source = start(40, 24);
  const platform::CpuImage input = texturedImage(40, 24, 11);
  orchestrator->setSharpeningEnabled(true);
  orchestrator->setSharpness(GetParam().given);
  ASSERT_TRUE(source->pushFrame(input.view()));
  EXPECT_EQ(lastEncoded(), packed(referenceSharpened(input.view(), GetParam().stored)));
}

INSTANTIATE_TEST_SUITE_P(
    Values, OrchestratorSharpnessClamp,
    ::testing::Values(ClampCase{"Below", -0.5f, 0.0f}, ClampCase{"Zero", 0.0f, 0.0f},
                      ClampCase{"Inside", 0.3f, 0.3f}, ClampCase{"One", 1.0f, 1.0f},
                      ClampCase{"Above", 1.7f, 1.0f}, ClampCase{"NaN", std::numeric_limits<float>::quiet_NaN(), 1.0f},
                      ClampCase{"MinusInfinity", -std::numeric_limits<float>::infinity(), 0.0f},
                      ClampCase{"Infinity", std::numeric_limits<float>::infinity(), 1.0f}),
    [](const auto& info) { return std::string(info.param.name); });

// The clamp cases can fail: the two ends of the range give different pictures.
TEST(OrchestratorSharpnessEnds, DifferInTheirPictures) {
  const platform::CpuImage input = texturedImage(40, 24, 11);
  EXPECT_NE(packed(referenceSharpened(input.view(), 0.0f)), packed(referenceSharpened(input.view(), 1.0f)));
}

TEST_F(OrchestratorSharpening, SizeChangeSharpensIntoAPictureOfTheNewSize) {
  auto source = start(70, 50);
  orchestrator->setSharpeningEnabled(true);
  ASSERT_TRUE(source->pushFrame(texturedImage(70, 50).view()));
  // Narrower and shorter first, then wider: the bands of the new size are black.
  for (auto [w, h] : {std::pair{40u, 20u}, std::pair{90u, 40u}}) {
    ASSERT_TRUE(source->pushResize(w, h));
    const platform::CpuImage input = texturedImage(w, h, w);
    ASSERT_TRUE(source->pushFrame(input.view()));
    EXPECT_EQ(lastEncoded(), packed(referenceSharpened(input.view(), 0.7f))) << w << "x" << h;
  }
  EXPECT_EQ(journal->count(), 3u);
}

// The pass refuses a frame whose rows are shorter than its width (its input check): the frame
// is encoded unsharpened, warned by the pass, not dropped.
TEST_F(OrchestratorSharpening, FailedPassEncodesTheUnsharpenedFrame) {
  auto source = start(70, 50);
  orchestrator->setSharpeningEnabled(true);
  const platform::CpuImage input = texturedImage(70, 50);
  platform::CpuFrame shortRows = input.view();
  shortRows.stride = 69 * 4;  // the buffer still holds every row the padding copy reads
  LogCapture log;
  ASSERT_TRUE(source->pushFrame(shortRows));
  EXPECT_TRUE(log.contains("CASProcessor: Failed to create input SRV"));
  EXPECT_EQ(lastEncoded(), packed(padded(shortRows)));
  EXPECT_EQ(log.countAtLeast(kError), 0u);
  EXPECT_EQ(receivedFrames().size(), 1u);
  // The next sound frame is sharpened again.
  ASSERT_TRUE(source->pushFrame(input.view()));
  EXPECT_EQ(lastEncoded(), packed(referenceSharpened(input.view(), 0.7f)));
}

// Both streams sharpen at once on the shared pass (run under ThreadSanitizer too).
TEST_F(OrchestratorSharpening, StreamsSharpenInParallel) {
  auto a = startWindow(kWindowA, 70, 50, 1);
  ASSERT_TRUE(a);
  auto b = startWindow(kWindowB, 90, 40, 2);
  ASSERT_TRUE(b);
  orchestrator->setSharpeningEnabled(true);
  const platform::CpuImage inputA = texturedImage(70, 50, 1);
  const platform::CpuImage inputB = texturedImage(90, 40, 2);
  runBounded("two sharpening streams", [&] {
    std::thread first([&] {
      for (int i = 0; i < 20; ++i) a->pushFrame(inputA.view());
    });
    std::thread second([&] {
      for (int i = 0; i < 20; ++i) b->pushFrame(inputB.view());
    });
    first.join();
    second.join();
  });
  const auto wantA = packed(referenceSharpened(inputA.view(), 0.7f));
  const auto wantB = packed(referenceSharpened(inputB.view(), 0.7f));
  ASSERT_EQ(journal->instance(0).frames.size(), 20u);
  ASSERT_EQ(journal->instance(1).frames.size(), 20u);
  for (const auto& f : journal->instance(0).frames) EXPECT_EQ(f.pixels, wantA);
  for (const auto& f : journal->instance(1).frames) EXPECT_EQ(f.pixels, wantB);
}

// A second initialize after shutdown gives a pass with the fresh switches, as a new one would.
TEST_F(OrchestratorSharpening, InitializeAgainResetsTheSwitches) {
  orchestrator->setSharpeningEnabled(true);
  orchestrator->setSharpness(1.0f);
  orchestrator->shutdown();
  LogCapture log;
  ASSERT_TRUE(orchestrator->initialize());
  EXPECT_EQ(log.count(kInfo, "CASProcessor initialized (sharpening available)"), 1u);
  auto source = start(40, 24);
  const platform::CpuImage input = texturedImage(40, 24);
  ASSERT_TRUE(source->pushFrame(input.view()));
  EXPECT_EQ(lastEncoded(), packed(padded(input.view())));
  orchestrator->setSharpeningEnabled(true);
  ASSERT_TRUE(source->pushFrame(input.view()));
  EXPECT_EQ(lastEncoded(), packed(referenceSharpened(input.view(), 0.7f)));
}


// ---- frames that are pixels or textures ----

namespace frame_kinds {

// Checks a recorded encoder input of paddedWidth × paddedHeight: the colour in the width × height
// corner, opaque black in the bands (fresh fake textures hold a marker colour, so a missing clear
// shows here).
void expectPaddedPicture(const FakeEncoderJournal::Frame& f, std::uint32_t width, std::uint32_t height,
                         std::uint32_t paddedWidth, std::uint32_t paddedHeight, const std::uint8_t (&bgr)[3]) {
  ASSERT_EQ(f.width, paddedWidth);
  ASSERT_EQ(f.height, paddedHeight);
  ASSERT_EQ(f.pixels.size(), static_cast<std::size_t>(paddedWidth) * paddedHeight * 4);
  int wrongInside = 0;
  int wrongBand = 0;
  for (std::uint32_t y = 0; y < paddedHeight; ++y) {
    for (std::uint32_t x = 0; x < paddedWidth; ++x) {
      const std::uint8_t* p = pixelAt(f, x, y);
      if (x < width && y < height) {
        wrongInside += p[0] != bgr[0] || p[1] != bgr[1] || p[2] != bgr[2];
      } else {
        wrongBand += (p[0] | p[1] | p[2]) != 0 || p[3] != 255;
      }
    }
  }
  EXPECT_EQ(wrongInside, 0);
  EXPECT_EQ(wrongBand, 0);
}

class OrchestratorFrameKinds : public Orchestrator {
 protected:
  void SetUp() override {
    gpuDevice = gpu;
    Orchestrator::SetUp();
  }
  // Starts stream 1 on a window of width × height with encoders that take `kind`.
  std::shared_ptr<fakes::FakeCaptureControl> start(std::uint32_t width, std::uint32_t height,
                                                   platform::FrameKind kind) {
    journal->inputKind = kind;
    return startWindow(kWindowA, width, height, 1);
  }
  // A captured texture of width × height in one colour.
  std::unique_ptr<fakes::FakeGpuTexture> texture(std::uint32_t width, std::uint32_t height,
                                                 const std::uint8_t (&bgr)[3]) {
    auto t = gpu->makeTexture(width, height);
    t->fill(bgr[0], bgr[1], bgr[2]);
    return t;
  }

  std::shared_ptr<fakes::FakeGpuDevice> gpu = std::make_shared<fakes::FakeGpuDevice>();
};

constexpr std::uint8_t kBlue[3] = {200, 10, 20};
constexpr std::uint8_t kGreen[3] = {5, 190, 30};

TEST_F(OrchestratorFrameKinds, CaptureGetsTheOrchestratorsDevice) {
  auto source = start(64, 48, platform::FrameKind::Cpu);
  // A texture capture delivers on this device; without it the textures could not be padded.
  EXPECT_EQ(source->options().device, gpu);
}

TEST_F(OrchestratorFrameKinds, CpuEncoderFedTexturesGetsThemPaddedAndReadBack) {
  auto source = start(1366, 767, platform::FrameKind::Cpu);
  const auto first = texture(1366, 767, kBlue);
  const auto second = texture(1366, 767, kGreen);
  ASSERT_TRUE(source->pushTexture(*first));
  ASSERT_TRUE(source->pushTexture(*second));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  expectPaddedPicture(encoder.frames[0], 1366, 767, 1376, 768, kBlue);
  expectPaddedPicture(encoder.frames[1], 1366, 767, 1376, 768, kGreen);
  EXPECT_EQ(encoder.frames[1].texture, nullptr);
  // Padded on the device, then one read-back; the targets are made once, not per frame.
  EXPECT_EQ(gpu->calls(), (std::vector<std::string>{"createTextureLike(1376x768)", "clearToBlack(1376x768)",
                                                    "copyRegion(1366x767)", "createStaging(1376x768)",
                                                    "readBack(1376x768)", "copyRegion(1366x767)",
                                                    "readBack(1376x768)"}));
  EXPECT_EQ(encoder.frames[0].data, encoder.frames[1].data);
  std::uint64_t us = 1;
  EXPECT_TRUE(orchestrator->getConversionTime(1, us));
  EXPECT_FALSE(orchestrator->getConversionTime(9, us));
}

TEST_F(OrchestratorFrameKinds, TextureEncoderFedPixelsGetsThemPaddedAndUploaded) {
  auto source = start(70, 50, platform::FrameKind::Texture);
  ASSERT_TRUE(source->pushFilledFrame(kBlue[0], kBlue[1], kBlue[2]));
  ASSERT_TRUE(source->pushFilledFrame(kGreen[0], kGreen[1], kGreen[2]));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  expectPaddedPicture(encoder.frames[0], 70, 50, 80, 64, kBlue);
  expectPaddedPicture(encoder.frames[1], 70, 50, 80, 64, kGreen);
  ASSERT_NE(encoder.frames[0].texture, nullptr);
  EXPECT_EQ(encoder.frames[0].texture, encoder.frames[1].texture);
  // Padded in memory, then uploaded whole into one texture of the encoder's size.
  EXPECT_EQ(gpu->calls(), (std::vector<std::string>{"createTexture(80x64)", "upload(80x64)", "upload(80x64)"}));
}

TEST_F(OrchestratorFrameKinds, TextureEncoderFedTexturesStaysOnTheDevice) {
  auto source = start(70, 50, platform::FrameKind::Texture);
  const auto captured = texture(70, 50, kBlue);
  ASSERT_TRUE(source->pushTexture(*captured));
  ASSERT_TRUE(source->pushTexture(*captured));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  expectPaddedPicture(encoder.frames[1], 70, 50, 80, 64, kBlue);
  EXPECT_EQ(gpu->calls(), (std::vector<std::string>{"createTextureLike(80x64)", "clearToBlack(80x64)",
                                                    "copyRegion(70x50)", "copyRegion(70x50)"}));
}

TEST_F(OrchestratorFrameKinds, AlignedTextureGoesToATextureEncoderAsCaptured) {
  auto source = start(64, 48, platform::FrameKind::Texture);
  const auto captured = texture(64, 48, kBlue);
  ASSERT_TRUE(source->pushTexture(*captured));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 1u);
  EXPECT_EQ(encoder.frames[0].texture, captured.get());
  EXPECT_TRUE(gpu->calls().empty());
}

TEST_F(OrchestratorFrameKinds, PixelsForACpuEncoderNeverTouchTheDevice) {
  auto source = start(70, 50, platform::FrameKind::Cpu);
  ASSERT_TRUE(source->pushFilledFrame(kBlue[0], kBlue[1], kBlue[2]));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 1u);
  expectPaddedPicture(encoder.frames[0], 70, 50, 80, 64, kBlue);
  EXPECT_TRUE(gpu->calls().empty());
  std::uint64_t us = 1;
  ASSERT_TRUE(orchestrator->getConversionTime(1, us));
  EXPECT_EQ(us, 0u);
}

TEST_F(OrchestratorFrameKinds, ResizeRemakesTheDeviceTargetsAtTheNewSize) {
  auto source = start(70, 50, platform::FrameKind::Cpu);
  const auto small = texture(70, 50, kBlue);
  ASSERT_TRUE(source->pushTexture(*small));
  gpu->clearCalls();
  ASSERT_TRUE(source->pushResize(100, 33));  // the capture re-creates its pool at the new size
  const auto large = texture(100, 33, kGreen);
  ASSERT_TRUE(source->pushTexture(*large));
  ASSERT_EQ(journal->count(), 2u);
  const auto encoder = journal->instance(1);
  EXPECT_EQ(encoder.config.width, 112u);
  EXPECT_EQ(encoder.config.height, 48u);
  ASSERT_EQ(encoder.frames.size(), 1u);
  expectPaddedPicture(encoder.frames[0], 100, 33, 112, 48, kGreen);
  EXPECT_EQ(gpu->calls(), (std::vector<std::string>{"createTextureLike(112x48)", "clearToBlack(112x48)",
                                                    "copyRegion(100x33)", "createStaging(112x48)",
                                                    "readBack(112x48)"}));
}

TEST_F(OrchestratorFrameKinds, FailedReadBackDropsFramesWithOneLineUntilItWorksAgain) {
  auto source = start(64, 48, platform::FrameKind::Cpu);
  const auto captured = texture(64, 48, kBlue);
  gpu->failReadBack = true;
  LogCapture log;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(source->pushTexture(*captured));
  EXPECT_EQ(journal->instance(0).frames.size(), 0u);
  EXPECT_EQ(log.count(kError, "Failed to read the frame texture back"), 1u);
  gpu->failReadBack = false;
  ASSERT_TRUE(source->pushTexture(*captured));
  gpu->failReadBack = true;
  ASSERT_TRUE(source->pushTexture(*captured));
  EXPECT_EQ(journal->instance(0).frames.size(), 1u);
  EXPECT_EQ(log.count(kError, "Failed to read the frame texture back"), 2u);
}

TEST_F(OrchestratorFrameKinds, PaddingTextureThatCannotBeMadeDropsTheFrameAndIsTriedAgain) {
  auto source = start(70, 50, platform::FrameKind::Texture);
  const auto captured = texture(70, 50, kBlue);
  gpu->failCreate = true;
  LogCapture log;
  ASSERT_TRUE(source->pushTexture(*captured));
  EXPECT_EQ(log.count(kError, "Failed to create padding texture"), 1u);
  EXPECT_EQ(journal->instance(0).frames.size(), 0u);
  gpu->failCreate = false;
  ASSERT_TRUE(source->pushTexture(*captured));
  ASSERT_EQ(journal->instance(0).frames.size(), 1u);
  expectPaddedPicture(journal->instance(0).frames[0], 70, 50, 80, 64, kBlue);
}

// ---- sharpening of textures ----

// What the fake device's pass makes of `picture` (each colour channel inverted), in a picture of
// the encoder's size with black bands.
platform::CpuImage fakeSharpened(const platform::CpuImage& picture) {
  platform::CpuImage out(CaptureOrchestrator::padded(picture.width()), CaptureOrchestrator::padded(picture.height()));
  for (std::uint32_t y = 0; y < picture.height(); ++y) {
    const std::uint8_t* in = picture.data() + static_cast<std::size_t>(y) * picture.stride();
    for (std::uint32_t x = 0; x < 4 * picture.width(); x += 4) {
      for (int c = 0; c < 3; ++c) out.row(y)[x + c] = static_cast<std::uint8_t>(255 - in[x + c]);
    }
  }
  return out;
}

class OrchestratorTextureSharpening : public OrchestratorFrameKinds {
 protected:
  // Initialized, sharpening on at `sharpness`, stream 1 of width × height with encoders that
  // take `kind`; the device's calls so far forgotten.
  std::shared_ptr<fakes::FakeCaptureControl> startSharpened(std::uint32_t width, std::uint32_t height,
                                                            platform::FrameKind kind, float sharpness = 1.0f) {
    EXPECT_TRUE(orchestrator->initialize());
    orchestrator->setSharpeningEnabled(true);
    orchestrator->setSharpness(sharpness);
    auto source = start(width, height, kind);
    gpu->clearCalls();
    return source;
  }
  // A captured texture holding `picture`.
  std::unique_ptr<fakes::FakeGpuTexture> captured(const platform::CpuImage& picture) {
    auto t = gpu->makeTexture(picture.width(), picture.height());
    t->pixels = picture;
    return t;
  }
};

// With a texture encoder the texture is sharpened into an encoder-sized texture on the device
// and handed on: no padding copy, no read-back, no upload, no CPU pass (whose picture differs
// from the fake pass's).
TEST_F(OrchestratorTextureSharpening, TextureEncoderGetsTheDevicesPassWithoutACpuCopy) {
  auto source = startSharpened(70, 50, platform::FrameKind::Texture, 0.6f);
  const platform::CpuImage picture = texturedImage(70, 50);
  const auto texture = captured(picture);
  ASSERT_TRUE(source->pushTexture(*texture));
  ASSERT_TRUE(source->pushTexture(*texture));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  EXPECT_EQ(encoder.frames[1].pixels, packed(fakeSharpened(picture)));
  EXPECT_EQ(encoder.frames[0].texture, encoder.frames[1].texture);
  EXPECT_NE(encoder.frames[1].texture, texture.get());
  // The target is made and cleared once; then one pass a frame.
  EXPECT_EQ(gpu->calls(), (std::vector<std::string>{"createTextureLike(80x64)", "clearToBlack(80x64)",
                                                    "sharpen(70x50)", "sharpen(70x50)"}));
  EXPECT_EQ(gpu->sharpnesses(), (std::vector<float>{0.6f, 0.6f}));
}

// With a CPU encoder the sharpened texture is read back once, and not sharpened again there.
TEST_F(OrchestratorTextureSharpening, CpuEncoderReadsTheSharpenedTextureBackOnce) {
  auto source = startSharpened(1366, 767, platform::FrameKind::Cpu);
  const platform::CpuImage picture = texturedImage(1366, 767);
  const auto texture = captured(picture);
  ASSERT_TRUE(source->pushTexture(*texture));
  ASSERT_TRUE(source->pushTexture(*texture));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  EXPECT_EQ(encoder.frames[1].pixels, packed(fakeSharpened(picture)));
  EXPECT_EQ(gpu->calls(), (std::vector<std::string>{"createTextureLike(1376x768)", "clearToBlack(1376x768)",
                                                    "sharpen(1366x767)", "createStaging(1376x768)",
                                                    "readBack(1376x768)", "sharpen(1366x767)",
                                                    "readBack(1376x768)"}));
}

// CPU frames keep the CPU pass even with a device that can sharpen, and never touch it.
TEST_F(OrchestratorTextureSharpening, CpuFramesKeepTheCpuPass) {
  auto source = startSharpened(70, 50, platform::FrameKind::Cpu, 0.7f);
  const platform::CpuImage picture = texturedImage(70, 50);
  ASSERT_TRUE(source->pushFrame(picture.view()));
  ASSERT_EQ(journal->instance(0).frames.size(), 1u);
  EXPECT_EQ(journal->instance(0).frames[0].pixels, packed(referenceSharpened(picture.view(), 0.7f)));
  EXPECT_TRUE(gpu->calls().empty());
}

TEST_F(OrchestratorTextureSharpening, SwitchedOffTexturesAreNotSharpened) {
  auto source = startSharpened(70, 50, platform::FrameKind::Texture);
  orchestrator->setSharpeningEnabled(false);
  const platform::CpuImage picture = texturedImage(70, 50);
  const auto texture = captured(picture);
  ASSERT_TRUE(source->pushTexture(*texture));
  EXPECT_EQ(journal->instance(0).frames.at(0).pixels, packed(padded(picture.view())));
  EXPECT_EQ(gpu->callCount("sharpen(70x50)"), 0u);
}

// A failed pass (the device warns) lets the frame go on unsharpened, padded as usual; it is
// not sharpened on the CPU instead, and the next frame is sharpened again.
TEST_F(OrchestratorTextureSharpening, FailedPassEncodesTheUnsharpenedTexture) {
  auto source = startSharpened(70, 50, platform::FrameKind::Cpu);
  const platform::CpuImage picture = texturedImage(70, 50);
  const auto texture = captured(picture);
  gpu->failSharpen = true;
  ASSERT_TRUE(source->pushTexture(*texture));
  gpu->failSharpen = false;
  ASSERT_TRUE(source->pushTexture(*texture));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  EXPECT_EQ(encoder.frames[0].pixels, packed(padded(picture.view())));
  EXPECT_EQ(encoder.frames[1].pixels, packed(fakeSharpened(picture)));
}

// An aligned texture needs no padding target: when the pass's target cannot be made the frame
// is encoded as captured, and the target is tried again with the next frame.
TEST_F(OrchestratorTextureSharpening, TargetThatCannotBeMadeIsWarnedAndTriedAgain) {
  auto source = startSharpened(64, 48, platform::FrameKind::Texture);
  const platform::CpuImage picture = texturedImage(64, 48);
  const auto texture = captured(picture);
  gpu->failCreate = true;
  LogCapture log;
  ASSERT_TRUE(source->pushTexture(*texture));
  EXPECT_EQ(log.count(kWarn, "Failed to create CAS output texture"), 1u);
  gpu->failCreate = false;
  ASSERT_TRUE(source->pushTexture(*texture));
  const auto encoder = journal->instance(0);
  ASSERT_EQ(encoder.frames.size(), 2u);
  EXPECT_EQ(encoder.frames[0].texture, texture.get());
  EXPECT_EQ(encoder.frames[1].pixels, packed(fakeSharpened(picture)));
}

// A new size gets a new target of the new padded size, with black bands.
TEST_F(OrchestratorTextureSharpening, ResizeSharpensIntoATargetOfTheNewSize) {
  auto source = startSharpened(70, 50, platform::FrameKind::Texture);
  ASSERT_TRUE(source->pushTexture(*captured(texturedImage(70, 50))));
  ASSERT_TRUE(source->pushResize(40, 20));
  const platform::CpuImage picture = texturedImage(40, 20, 3);
  ASSERT_TRUE(source->pushTexture(*captured(picture)));
  ASSERT_EQ(journal->count(), 2u);
  ASSERT_EQ(journal->instance(1).frames.size(), 1u);
  EXPECT_EQ(journal->instance(1).frames[0].pixels, packed(fakeSharpened(picture)));
  EXPECT_EQ(gpu->callCount("createTextureLike(48x32)"), 1u);
}

TEST_F(OrchestratorTextureSharpening, InitializeReadiesTheDevicesPassOnEveryStart) {
  LogCapture log;
  ASSERT_TRUE(orchestrator->initialize());
  EXPECT_EQ(gpu->sharpeningInitializations(), 1);
  EXPECT_EQ(log.count(kInfo, "CASProcessor initialized (sharpening available)"), 1u);
  orchestrator->shutdown();
  ASSERT_TRUE(orchestrator->initialize());
  EXPECT_EQ(gpu->sharpeningInitializations(), 2);
}

// A device without the pass: textures read back for a CPU encoder are sharpened on the CPU
// there; a texture encoder's frames go on unsharpened. Either way the device is never asked.
class OrchestratorDeviceWithoutPass : public OrchestratorTextureSharpening {
 protected:
  void SetUp() override {
    gpu->sharpeningReady = false;
    OrchestratorTextureSharpening::SetUp();
  }
};

TEST_F(OrchestratorDeviceWithoutPass, WarnsAtInitialize) {
  LogCapture log;
  ASSERT_TRUE(orchestrator->initialize());
  EXPECT_EQ(log.count(kWarn, "CASProcessor on the graphics device failed - textures are sharpened only when read back"),
            1u);
  EXPECT_EQ(log.count(kInfo, "CASProcessor initialized (sharpening available)"), 0u);
}

TEST_F(OrchestratorDeviceWithoutPass, CpuEncoderGetsTheReadBackSharpenedOnTheCpu) {
  auto source = startSharpened(70, 50, platform::FrameKind::Cpu);
  const platform::CpuImage picture = texturedImage(70, 50);
  ASSERT_TRUE(source->pushTexture(*captured(picture)));
  ASSERT_EQ(journal->instance(0).frames.size(), 1u);
  EXPECT_EQ(journal->instance(0).frames[0].pixels, packed(referenceSharpened(picture.view(), 1.0f)));
  EXPECT_EQ(gpu->callCount("sharpen(70x50)"), 0u);
}

TEST_F(OrchestratorDeviceWithoutPass, TextureEncoderGetsTheUnsharpenedTexture) {
  auto source = startSharpened(70, 50, platform::FrameKind::Texture);
  const platform::CpuImage picture = texturedImage(70, 50);
  ASSERT_TRUE(source->pushTexture(*captured(picture)));
  ASSERT_EQ(journal->instance(0).frames.size(), 1u);
  EXPECT_EQ(journal->instance(0).frames[0].pixels, packed(padded(picture.view())));
  EXPECT_EQ(gpu->callCount("sharpen(70x50)"), 0u);
}

// Without a device (the Linux build) a texture encoder gets nothing, and says why once.
class OrchestratorWithoutDevice : public Orchestrator {};

TEST_F(OrchestratorWithoutDevice, TextureEncoderDropsPixelsItCannotReceive) {
  journal->inputKind = platform::FrameKind::Texture;
  addWindow(kWindowA, 64, 48);
  ASSERT_TRUE(orchestrator->startCapture(kWindowA, 1));
  LogCapture log;
  ASSERT_TRUE(sources->lastSource()->pushFilledFrame(1, 2, 3));
  ASSERT_TRUE(sources->lastSource()->pushFilledFrame(1, 2, 3));
  EXPECT_EQ(journal->instance(0).frames.size(), 0u);
  EXPECT_EQ(log.count(kError, "No graphics device to convert the frame for the encoder"), 1u);
}

}  // namespace frame_kinds

}  // namespace
}  // namespace parvalon::host
