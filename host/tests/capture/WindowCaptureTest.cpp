#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "fakes/LogCapture.h"
#include "capture/WindowCapture.h"
#include "fakes/FakeCaptureSource.h"
#include "fakes/FakeWindowSystem.h"

namespace parvalon::host {
namespace {

using fakes::FakeCaptureSourceFactory;
using fakes::FakeWindowSystem;
using testing::LogCapture;
using Strings = std::vector<std::string>;

constexpr platform::WindowHandle kWindow = 0x2a;

class WindowCaptureFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    FakeWindowSystem::Window w;
    w.handle = kWindow;
    w.title = "Editor";
    w.className = "EditorClass";
    w.rect = platform::WindowRect{0, 0, 640, 480};
    windows->addWindow(w);
  }
  std::unique_ptr<WindowCapture> makeCapture() { return std::make_unique<WindowCapture>(windows, factory); }
  std::unique_ptr<WindowCapture> startedCapture(WindowCapture::FrameCallback callback) {
    auto capture = makeCapture();
    EXPECT_TRUE(capture->initialize(kWindow, 30));
    EXPECT_TRUE(capture->startCapture(std::move(callback)));
    return capture;
  }

  std::shared_ptr<FakeWindowSystem> windows = std::make_shared<FakeWindowSystem>();
  std::shared_ptr<FakeCaptureSourceFactory> factory = std::make_shared<FakeCaptureSourceFactory>();
};

// ---- initialize

TEST_F(WindowCaptureFixture, InitializeReportsTheClientSize) {
  LogCapture log;
  auto capture = makeCapture();
  ASSERT_TRUE(capture->initialize(kWindow, 30));
  std::uint32_t w = 0, h = 0;
  capture->getSize(w, h);
  EXPECT_EQ(w, 640u);
  EXPECT_EQ(h, 480u);
  EXPECT_TRUE(log.has(LogCapture::kInfo, "WindowCapture initialized for HWND 2a, size 640x480"));
  EXPECT_FALSE(capture->isCapturing());
}

struct InitFailure {
  const char* name;
  void (*arrange)(FakeWindowSystem&, FakeCaptureSourceFactory&);
  platform::WindowHandle window;
  const char* error;
};

class WindowCaptureInitFailures : public WindowCaptureFixture, public ::testing::WithParamInterface<InitFailure> {};

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowCaptureInitFailures,
    ::testing::Values(
        InitFailure{"NotAWindow", [](FakeWindowSystem&, FakeCaptureSourceFactory&) {}, 0x99, "Invalid window handle"},
        InitFailure{"Minimized",
                    [](FakeWindowSystem& w, FakeCaptureSourceFactory&) {
                      w.modifyWindow(kWindow, [](auto& x) { x.minimized = true; });
                    },
                    kWindow, "Window has zero size"},
        InitFailure{"ZeroHeight",
                    [](FakeWindowSystem& w, FakeCaptureSourceFactory&) {
                      w.modifyWindow(kWindow, [](auto& x) { x.rect = platform::WindowRect{0, 0, 100, 0}; });
                    },
                    kWindow, "Window has zero size"},
        InitFailure{"NoRect",
                    [](FakeWindowSystem& w, FakeCaptureSourceFactory&) {
                      w.modifyWindow(kWindow, [](auto& x) { x.rect.reset(); });
                    },
                    kWindow, "Failed to get window rect"},
        InitFailure{"Unsupported",
                    [](FakeWindowSystem&, FakeCaptureSourceFactory& f) {
                      f.supported = false;
                      f.unsupportedReason = "the X server lacks DAMAGE";
                    },
                    kWindow, "Window capture is not supported on this system: the X server lacks DAMAGE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WindowCaptureInitFailures, FailsWithOneErrorLine) {
  GetParam().arrange(*windows, *factory);
  LogCapture log;
  auto capture = makeCapture();
  EXPECT_FALSE(capture->initialize(GetParam().window, 30));
  EXPECT_TRUE(log.has(LogCapture::kError, GetParam().error));
  std::size_t errors = 0;
  for (const auto& l : log.lines()) errors += l.level >= LogCapture::kError;
  EXPECT_EQ(errors, 1u);
}

// ---- start

TEST_F(WindowCaptureFixture, StartWithoutInitializeFails) {
  LogCapture log;
  auto capture = makeCapture();
  EXPECT_FALSE(capture->startCapture([](const platform::CpuFrame&) {}));
  EXPECT_TRUE(log.has(LogCapture::kError, "WindowCapture not initialized"));
  EXPECT_EQ(factory->lastSource(), nullptr);
}

TEST_F(WindowCaptureFixture, StartLogsDiagnosticsAndTakesTheSourceSize) {
  factory->sourceSize = {642, 500};
  factory->diagnosticLines = {"  X Server: Fake, release 1"};
  auto capture = makeCapture();
  ASSERT_TRUE(capture->initialize(kWindow, 24));
  LogCapture log;
  ASSERT_TRUE(capture->startCapture([](const platform::CpuFrame&) {}));
  EXPECT_EQ(log.texts(), (Strings{"=== CAPTURE DIAGNOSTICS for window 2a ===", "  X Server: Fake, release 1",
                                  "  Window capture supported: YES", "  Window Title: Editor",
                                  "  Window Class: EditorClass", "  IsWindowVisible: YES",
                                  "  IsIconic (minimized): NO", "=== END DIAGNOSTICS ===",
                                  "Creating capture item for window 2a...", "Capture started for window 2a"}));
  std::uint32_t w = 0, h = 0;
  capture->getSize(w, h);
  EXPECT_EQ(w, 642u);
  EXPECT_EQ(h, 500u);
  EXPECT_TRUE(capture->isCapturing());
  EXPECT_EQ(factory->lastSource()->options().fps, 24u);
  EXPECT_EQ(factory->lastSource()->window(), kWindow);
}

TEST_F(WindowCaptureFixture, WindowGoneBeforeStartEndsTheDiagnostics) {
  auto capture = makeCapture();
  ASSERT_TRUE(capture->initialize(kWindow, 30));
  windows->removeWindow(kWindow);
  LogCapture log;
  EXPECT_FALSE(capture->startCapture([](const platform::CpuFrame&) {}));
  EXPECT_TRUE(log.has(LogCapture::kError, "  Window handle 2a is INVALID!"));
  EXPECT_EQ(factory->lastSource(), nullptr);
  EXPECT_FALSE(capture->isCapturing());
}

TEST_F(WindowCaptureFixture, SourceFailuresBecomeStartFailures) {
  for (const bool failCreate : {true, false}) {
    auto local = std::make_shared<FakeCaptureSourceFactory>();
    (failCreate ? local->createError : local->startError) = "BadWindow (X error 3, request 142.2)";
    WindowCapture capture(windows, local);
    ASSERT_TRUE(capture.initialize(kWindow, 30));
    LogCapture log;
    EXPECT_FALSE(capture.startCapture([](const platform::CpuFrame&) {}));
    EXPECT_TRUE(log.has(LogCapture::kError, "Failed to start capture: BadWindow (X error 3, request 142.2)"));
    EXPECT_FALSE(capture.isCapturing());
    if (!failCreate) {
      // a failed start leaves no source behind and nothing that could still deliver
      EXPECT_TRUE(local->lastSource()->destroyed());
    }
  }
}

TEST_F(WindowCaptureFixture, SecondStartKeepsTheFirstCallback) {
  int first = 0, second = 0;
  auto capture = startedCapture([&first](const platform::CpuFrame&) { ++first; });
  LogCapture log;
  EXPECT_TRUE(capture->startCapture([&second](const platform::CpuFrame&) { ++second; }));
  EXPECT_TRUE(log.has(LogCapture::kWarn, "Capture already started"));
  EXPECT_EQ(factory->sources().size(), 1u);
  ASSERT_TRUE(factory->lastSource()->pushFilledFrame(1, 2, 3));
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
}

// ---- frames

TEST_F(WindowCaptureFixture, DeliversFramesAndTracksTheirSize) {
  std::vector<std::uint32_t> seen;
  const std::uint8_t* lastData = nullptr;
  auto capture = startedCapture([&](const platform::CpuFrame& f) {
    seen.push_back(f.row(f.height - 1)[4 * (f.width - 1) + 2]);  // red of the last pixel
    lastData = f.data;
  });
  auto source = factory->lastSource();
  ASSERT_TRUE(source->pushFilledFrame(10, 20, 30));
  ASSERT_TRUE(source->pushFilledFrame(10, 20, 31));
  EXPECT_EQ(seen, (std::vector<std::uint32_t>{30, 31}));
  EXPECT_NE(lastData, nullptr);
}

TEST_F(WindowCaptureFixture, ResizeRecreatesThePoolAndDropsThatFrame) {
  int delivered = 0;
  std::uint32_t lastWidth = 0;
  auto capture = startedCapture([&](const platform::CpuFrame& f) {
    ++delivered;
    lastWidth = f.width;
  });
  auto source = factory->lastSource();
  LogCapture log;
  ASSERT_TRUE(source->pushResize(1024, 768));
  EXPECT_TRUE(log.has(LogCapture::kInfo, "Recreating frame pool: 640x480 -> 1024x768"));
  EXPECT_EQ(delivered, 0);
  EXPECT_EQ(source->calls().back(), "recreateFramePool(1024x768)");
  std::uint32_t w = 0, h = 0;
  capture->getSize(w, h);
  EXPECT_EQ(w, 640u);  // the reported size follows delivered frames only
  ASSERT_TRUE(source->pushFilledFrame(0, 0, 0));  // now of the new pool size
  EXPECT_EQ(delivered, 1);
  EXPECT_EQ(lastWidth, 1024u);
  capture->getSize(w, h);
  EXPECT_EQ(w, 1024u);
  EXPECT_EQ(h, 768u);
}

// A frame pool the source could not make for a new size: the source keeps announcing that size
// with frames without pixels. Before the fix the capture had already recorded the size and
// never asked again, so the stream froze for good while still "capturing".
class WindowCapturePoolRetry : public WindowCaptureFixture {
 protected:
  std::unique_ptr<WindowCapture> startedWithClock() {
    auto capture = std::make_unique<WindowCapture>(windows, factory, [this] { return now; });
    EXPECT_TRUE(capture->initialize(kWindow, 30));
    EXPECT_TRUE(capture->startCapture([this](const platform::CpuFrame&) { ++delivered; }));
    return capture;
  }
  // Advances the injected clock, then lets the source announce the missing pool once more.
  void announceAt(std::chrono::milliseconds sinceStart, std::uint32_t width = 1024, std::uint32_t height = 768) {
    now = start + sinceStart;
    ASSERT_TRUE(factory->lastSource()->pushResize(width, height));
  }
  std::size_t poolRequests() { return factory->lastSource()->callCount("recreateFramePool(1024x768)"); }

  const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
  std::chrono::steady_clock::time_point now = start;  // only the pushing (test) thread reads it
  int delivered = 0;
};

TEST_F(WindowCapturePoolRetry, AsksAgainAtMostEveryHundredMilliseconds) {
  auto capture = startedWithClock();
  using std::chrono::milliseconds;
  announceAt(milliseconds(0));  // the size change itself
  EXPECT_EQ(poolRequests(), 1u);
  announceAt(milliseconds(10));  // still no pool: the retry interval starts
  announceAt(milliseconds(60));
  EXPECT_EQ(poolRequests(), 1u);
  announceAt(milliseconds(110));
  EXPECT_EQ(poolRequests(), 2u);
  announceAt(milliseconds(150));
  EXPECT_EQ(poolRequests(), 2u);
  announceAt(milliseconds(210));
  EXPECT_EQ(poolRequests(), 3u);
  EXPECT_TRUE(capture->isCapturing());
  // The pool is made at last: frames flow and a later failure starts a fresh 5 s.
  ASSERT_TRUE(factory->lastSource()->pushFilledFrame(1, 2, 3));
  EXPECT_EQ(delivered, 1);
  announceAt(milliseconds(4000), 1280, 720);
  announceAt(milliseconds(4010), 1280, 720);
  announceAt(milliseconds(8000), 1280, 720);
  EXPECT_TRUE(capture->isCapturing());
}

TEST_F(WindowCapturePoolRetry, GivesUpAfterFiveSecondsAsAClosedWindow) {
  auto capture = startedWithClock();
  LogCapture log;
  using std::chrono::milliseconds;
  announceAt(milliseconds(0));
  announceAt(milliseconds(5));  // first failure seen at 5 ms
  for (int ms = 100; ms < 5000; ms += 100) announceAt(milliseconds(ms));
  EXPECT_TRUE(capture->isCapturing());
  EXPECT_EQ(log.countAtLeast(LogCapture::kWarn), 0u);
  announceAt(milliseconds(5005));
  EXPECT_FALSE(capture->isCapturing());
  EXPECT_TRUE(log.has(LogCapture::kWarn,
                      "Frame pool 1024x768 could not be created for 5 s; ending the capture of window 2a"));
  EXPECT_GT(log.indexOf("Capture stopped"), log.indexOf("Frame pool 1024x768 could not be created for 5 s; "
                                                        "ending the capture of window 2a"));
  EXPECT_EQ(factory->lastSource()->calls().back(), "stop");
  EXPECT_FALSE(factory->lastSource()->pushFilledFrame(0, 0, 0));
  EXPECT_EQ(delivered, 0);
}

TEST_F(WindowCaptureFixture, FrameRequestAndRateReachTheRunningSource) {
  auto capture = makeCapture();
  ASSERT_TRUE(capture->initialize(kWindow, 30));
  capture->requestFrame();  // not capturing: nothing to ask
  ASSERT_TRUE(capture->startCapture([](const platform::CpuFrame&) {}));
  auto source = factory->lastSource();
  capture->requestFrame();
  capture->setFps(24);
  EXPECT_EQ(source->calls(), (Strings{"start", "requestFrame", "setFps(24)"}));
  capture->stopCapture();
  capture->requestFrame();
  EXPECT_EQ(source->callCount("requestFrame"), 1u);
}

TEST_F(WindowCaptureFixture, ThrowingCallbackIsLoggedAndCaptureGoesOn) {
  int calls = 0;
  auto capture = startedCapture([&calls](const platform::CpuFrame&) {
    ++calls;
    throw std::runtime_error("encoder exploded");
  });
  LogCapture log;
  ASSERT_TRUE(factory->lastSource()->pushFilledFrame(0, 0, 0));
  ASSERT_TRUE(factory->lastSource()->pushFilledFrame(0, 0, 0));
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(log.count("Error processing frame: encoder exploded"), 2u);
  EXPECT_TRUE(capture->isCapturing());
}

// ---- stop and close

TEST_F(WindowCaptureFixture, ClosedWindowStopsTheCapture) {
  int delivered = 0;
  auto capture = startedCapture([&delivered](const platform::CpuFrame&) { ++delivered; });
  auto source = factory->lastSource();
  LogCapture log;
  std::thread worker([&] { source->pushClosed(); });  // the close arrives on the capture thread
  worker.join();
  EXPECT_FALSE(capture->isCapturing());
  const int closed = log.indexOf("Captured window was closed");
  const int stopped = log.indexOf("Capture stopped");
  ASSERT_GE(closed, 0);
  EXPECT_GT(stopped, closed);
  EXPECT_EQ(source->calls().back(), "stop");
  EXPECT_FALSE(source->pushFilledFrame(0, 0, 0));
  EXPECT_EQ(delivered, 0);
}

TEST_F(WindowCaptureFixture, SecondStopLogsNothing) {
  auto capture = startedCapture([](const platform::CpuFrame&) {});
  LogCapture log;
  capture->stopCapture();
  EXPECT_EQ(log.texts(), Strings{"Capture stopped"});
  capture->stopCapture();
  EXPECT_EQ(log.texts(), Strings{"Capture stopped"});
  EXPECT_FALSE(capture->isCapturing());
}

TEST_F(WindowCaptureFixture, StopFromInsideTheCallbackDoesNotWaitForItself) {
  WindowCapture* self = nullptr;
  int delivered = 0;
  auto capture = startedCapture([&](const platform::CpuFrame&) {
    ++delivered;
    self->stopCapture();  // would deadlock if the stop waited for this delivery
  });
  self = capture.get();
  std::thread worker([&] { factory->lastSource()->pushFilledFrame(0, 0, 0); });
  worker.join();
  EXPECT_EQ(delivered, 1);
  EXPECT_FALSE(capture->isCapturing());
  EXPECT_FALSE(factory->lastSource()->pushFilledFrame(0, 0, 0));
}

// A stop racing a stream of frames, as the orchestrator does it: the session leaves the map
// under the lock the callback takes, the stop runs after the lock is released. Catches a
// callback running after stopCapture returned (use after free in the orchestrator), a deadlock
// between the stop and a delivery, and, under ThreadSanitizer, unsynchronised state.
TEST_F(WindowCaptureFixture, StopRacingDeliveriesNeverOverlapsAndNeverDeadlocks) {
  constexpr int kRounds = 40;
  constexpr auto kRoundLimit = std::chrono::seconds(5);
  for (int round = 0; round < kRounds; ++round) {
    std::recursive_mutex orchestratorLock;  // stands in for the orchestrator's stream-table lock
    bool inMap = true;                      // guarded by orchestratorLock
    std::atomic<bool> stopReturned{false};
    std::atomic<int> lateDeliveries{0};
    std::atomic<int> delivered{0};
    auto capture = startedCapture([&](const platform::CpuFrame& f) {
      std::lock_guard lock(orchestratorLock);
      if (stopReturned.load()) ++lateDeliveries;
      if (!inMap) return;  // the session is gone: drop
      volatile std::uint8_t touch = f.data[0];
      (void)touch;
      ++delivered;
    });
    auto source = factory->lastSource();
    std::atomic<bool> pusherDone{false};
    std::thread pusher([&] {
      const auto until = std::chrono::steady_clock::now() + kRoundLimit;
      for (int i = 0; i < 100000 && std::chrono::steady_clock::now() < until; ++i) {
        if (!source->pushFilledFrame(static_cast<std::uint8_t>(i), 0, 0)) break;
      }
      pusherDone.store(true);
    });
    while (delivered.load() < 1 + round % 5 && !pusherDone.load()) std::this_thread::yield();
    {
      std::lock_guard lock(orchestratorLock);
      inMap = false;
    }
    capture->stopCapture();
    stopReturned.store(true);
    capture.reset();
    pusher.join();
    EXPECT_EQ(lateDeliveries.load(), 0) << "round " << round;
    EXPECT_GE(delivered.load(), 1) << "round " << round;
  }
}

// The window closing on the capture thread while the orchestrator stops the same capture:
// exactly one of them does the stop.
TEST_F(WindowCaptureFixture, CloseRacingStopStopsOnce) {
  for (int round = 0; round < 20; ++round) {
    auto capture = startedCapture([](const platform::CpuFrame&) {});
    auto source = factory->lastSource();
    LogCapture log;
    std::thread worker([&] {
      for (int i = 0; i < 3; ++i) source->pushFilledFrame(0, 0, 0);
      source->pushClosed();
    });
    if (round % 2 == 0) std::this_thread::yield();
    capture->stopCapture();
    worker.join();
    capture.reset();
    EXPECT_EQ(log.count("Capture stopped"), 1u) << "round " << round;
  }
}

}  // namespace
}  // namespace parvalon::host
