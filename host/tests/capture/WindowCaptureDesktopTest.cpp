#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>

#include "fakes/LogCapture.h"
#include "PatternStamp.h"
#include "support/TestPatternProcess.h"
#include "capture/WindowCapture.h"

namespace parvalon::host {
namespace {

using testing::LogCapture;
using testing::TestPatternProcess;
using testing::runCommand;
namespace tp = testpattern;

// Keeps a copy of the latest frame the capture delivered.
class FrameSink {
 public:
  WindowCapture::FrameCallback callback() {
    return [this](const platform::CpuFrame& f) {
      std::lock_guard lock(mutex_);
      width_ = f.width;
      height_ = f.height;
      stride_ = f.stride;
      pixels_.assign(f.data, f.data + static_cast<std::size_t>(f.stride) * f.height);
      timestamps_.push_back(f.timestampUs);
      ++frames_;
      arrived_.notify_all();
    };
  }
  // Waits for a frame after the `count`-th one.
  bool waitBeyond(int count, std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, limit, [&] { return frames_ > count; });
  }
  int frames() {
    std::lock_guard lock(mutex_);
    return frames_;
  }
  // Capture times (steady clock, microseconds) of every frame so far.
  std::vector<std::int64_t> timestamps() {
    std::lock_guard lock(mutex_);
    return timestamps_;
  }
  std::pair<std::uint32_t, std::uint32_t> size() {
    std::lock_guard lock(mutex_);
    return {width_, height_};
  }
  tp::Rgb pixel(int x, int y) {
    std::lock_guard lock(mutex_);
    const std::uint8_t* p = pixels_.data() + static_cast<std::size_t>(y) * stride_ + static_cast<std::size_t>(x) * 4;
    return {p[2], p[1], p[0]};
  }
  // Pixels of the patch strip that differ from the pattern's colours.
  int patchMismatches() {
    int bad = 0;
    for (std::size_t i = 0; i < tp::kPatches.size(); ++i) bad += patchMismatches(i);
    return bad;
  }
  int patchMismatches(std::size_t i) {
    int bad = 0;
    for (int y = tp::kPatchY; y < tp::kPatchY + tp::kPatchSize; ++y) {
      for (int x = tp::patchLeft(i); x < tp::patchLeft(i) + tp::kPatchSize; ++x) bad += !(pixel(x, y) == tp::kPatches[i]);
    }
    return bad;
  }
  // Writes the latest frame as a PPM picture, to look at when a test fails.
  void dump(const std::string& path) {
    std::lock_guard lock(mutex_);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%u %u\n255\n", width_, height_);
    for (std::uint32_t y = 0; y < height_; ++y) {
      for (std::uint32_t x = 0; x < width_; ++x) {
        const std::uint8_t* p = pixels_.data() + static_cast<std::size_t>(y) * stride_ + x * 4;
        const std::uint8_t rgb[3] = {p[2], p[1], p[0]};
        std::fwrite(rgb, 1, 3, f);
      }
    }
    std::fclose(f);
  }
  std::optional<tp::Stamp> stamp() {
    std::lock_guard lock(mutex_);
    return tp::decodeStampBgra(pixels_.data(), stride_, static_cast<int>(width_), static_cast<int>(height_));
  }

 private:
  // Guards everything below; taken by the capture thread and the test thread.
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::vector<std::uint8_t> pixels_;
  std::vector<std::int64_t> timestamps_;
  std::uint32_t width_ = 0, height_ = 0, stride_ = 0;
  int frames_ = 0;
};

class DesktopCapture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "desktop tests need DISPLAY";
    LogCapture installBeforeAnyCaptureThread;  // the host starts logging before capturing, too
    runCommand("xdotool mousemove 1910 1070");  // the cursor stays off the windows under test
  }
  std::unique_ptr<TestPatternProcess> openPattern(std::vector<std::string> args) {
    auto pattern = std::make_unique<TestPatternProcess>(std::move(args));
    EXPECT_NE(pattern->window(), 0u);
    EXPECT_TRUE(testing::waitUntilManaged(*windows, pattern->window()));
    return pattern;
  }
  // The window manager has unmapped the window (X11: a window that is not viewable shows 0 × 0).
  bool unmapped(const TestPatternProcess& pattern) {
    const auto rect = windows->clientRect(pattern.window());
    return rect && rect->width == 0;
  }
  // Waits until the latest frame shows the patches whole and the stamp; frames of a window that
  // does not change arrive only on exposes, so each look waits a little for one.
  static bool wholePicture(FrameSink& sink) {
    return testing::waitFor([&] {
      sink.waitBeyond(sink.frames(), std::chrono::milliseconds(100));
      return sink.patchMismatches() == 0 && sink.stamp().has_value();
    });
  }
  // Opens a pattern window and starts capturing it at `fps` into `sink`.
  bool capturePattern(std::vector<std::string> args, std::uint32_t fps = 30) {
    pattern = openPattern(std::move(args));
    return capture.initialize(pattern->window(), fps) && capture.startCapture(sink.callback());
  }
  std::shared_ptr<platform::WindowSystem> windows = platform::WindowSystem::create();
  // In this order so the capture thread is joined before the sink and the window go away.
  std::unique_ptr<TestPatternProcess> pattern;
  FrameSink sink;
  WindowCapture capture;
};

TEST_F(DesktopCapture, FramesShowThePatternPixelForPixel) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Content", "--width", "640", "--height", "480", "--x", "60",
                              "--y", "60", "--fps", "30"}));
  ASSERT_TRUE(sink.waitBeyond(2));
  EXPECT_EQ(sink.size(), (std::pair<std::uint32_t, std::uint32_t>{640, 480}));
  EXPECT_EQ(sink.patchMismatches(), 0);
  const auto stamp = sink.stamp();
  ASSERT_TRUE(stamp.has_value());
  // The stamp is the pattern's steady-clock draw time: at most a second old when captured.
  const auto nowUs = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now().time_since_epoch()).count();
  EXPECT_LE(stamp->timeUs, static_cast<std::uint64_t>(nowUs));
  EXPECT_GT(stamp->timeUs + 1000000, static_cast<std::uint64_t>(nowUs));
  // Frames keep coming while the pattern animates, with a later stamp.
  const int seen = sink.frames();
  ASSERT_TRUE(sink.waitBeyond(seen + 3));
  const auto later = sink.stamp();
  ASSERT_TRUE(later.has_value());
  EXPECT_GT(later->frame, stamp->frame);
}

TEST_F(DesktopCapture, CoveredWindowStillCapturesItsOwnPixels) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Covered", "--width", "640", "--height", "480", "--x", "40",
                              "--y", "40", "--fps", "30"}));
  ASSERT_TRUE(sink.waitBeyond(1));
  // A second window right over the first, over its stamp and patches.
  auto cover = openPattern({"--title", "Parvalon Cap Cover", "--width", "700", "--height", "500", "--x", "30",
                            "--y", "30", "--blank", "--no-icon"});
  runCommand("xdotool windowraise " + cover->hexId());
  // On screen the red patch is hidden once the window manager has restacked (otherwise this
  // test would prove nothing).
  const auto rect = windows->windowRect(pattern->window());
  ASSERT_TRUE(rect.has_value());
  const int redX = rect->x + tp::patchLeft(0) + tp::kPatchSize / 2, redY = rect->y + tp::kPatchY + tp::kPatchSize / 2;
  std::string screen;
  EXPECT_TRUE(testing::waitFor([&] {
    screen = runCommand("ffmpeg -loglevel error -f x11grab -video_size 1x1 -i " + std::string(std::getenv("DISPLAY")) +
                        "+" + std::to_string(redX) + "," + std::to_string(redY) +
                        " -frames:v 1 -f rawvideo -pix_fmt rgb24 -");
    return screen.size() == 3 && !(static_cast<std::uint8_t>(screen[0]) == 255 && screen[1] == 0 && screen[2] == 0);
  })) << "the cover window does not cover the red patch";
  const int seen = sink.frames();
  ASSERT_TRUE(sink.waitBeyond(seen + 3));
  EXPECT_EQ(sink.patchMismatches(), 0);
  EXPECT_TRUE(sink.stamp().has_value());
}

TEST_F(DesktopCapture, ResizeRecreatesThePoolAndFramesFollow) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Resize", "--width", "640", "--height", "480", "--fps", "30"}));
  ASSERT_TRUE(sink.waitBeyond(1));
  LogCapture log;
  runCommand("xdotool windowsize " + pattern->hexId() + " 800 600");
  ASSERT_TRUE(testing::waitFor([&] { return sink.size() == std::pair<std::uint32_t, std::uint32_t>{800, 600}; }));
  EXPECT_TRUE(log.has(LogCapture::kInfo, "Recreating frame pool: 640x480 -> 800x600"));
  std::uint32_t w = 0, h = 0;
  capture.getSize(w, h);
  EXPECT_EQ(w, 800u);
  EXPECT_EQ(h, 600u);
  // The picture at the new size is whole: patches and stamp where they belong.
  const int seen = sink.frames();
  ASSERT_TRUE(sink.waitBeyond(seen));
  EXPECT_EQ(sink.patchMismatches(), 0);
  EXPECT_TRUE(sink.stamp().has_value());
}

// Minimizing unmaps the window and frees its composite pixmap; after the restore the pixmap
// must be named again, or no frame would ever come back.
TEST_F(DesktopCapture, FramesResumeAfterMinimizeAndRestore) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Remap", "--width", "640", "--height", "300", "--fps", "30"}));
  ASSERT_TRUE(sink.waitBeyond(1));
  runCommand("xdotool windowminimize " + pattern->hexId());
  ASSERT_TRUE(testing::waitFor([&] { return windows->isMinimized(pattern->window()) && unmapped(*pattern); }));
  const int whileHidden = sink.frames();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_LE(sink.frames() - whileHidden, 1);  // an unmapped window shows nothing new
  EXPECT_TRUE(capture.isCapturing());
  runCommand("xdotool windowactivate " + pattern->hexId());
  ASSERT_TRUE(testing::waitFor([&] { return !windows->isMinimized(pattern->window()); }));
  const int restored = sink.frames();
  ASSERT_TRUE(sink.waitBeyond(restored + 2));
  // The first frames after the map may show the window before the pattern has repainted it.
  EXPECT_TRUE(testing::waitFor([&] {
    sink.waitBeyond(sink.frames(), std::chrono::milliseconds(200));
    return sink.patchMismatches() == 0 && sink.stamp().has_value();
  })) << "last frame written to /tmp/parvalon-remap-frame.ppm";
  if (HasFailure()) sink.dump("/tmp/parvalon-remap-frame.ppm");
}

TEST_F(DesktopCapture, DestroyedWindowStopsTheCapture) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Destroy", "--width", "400", "--height", "300", "--fps", "30"}));
  ASSERT_TRUE(sink.waitBeyond(0));
  LogCapture log;
  pattern->terminate();
  ASSERT_TRUE(testing::waitFor([&] { return !capture.isCapturing(); }));
  const int closed = log.indexOf("Captured window was closed");
  ASSERT_GE(closed, 0);
  EXPECT_GT(log.indexOf("Capture stopped"), closed);
  capture.stopCapture();
  EXPECT_EQ(log.count("Capture stopped"), 1u);
}

TEST_F(DesktopCapture, StaticWindowDeliversItsFirstFrameAtStart) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Static", "--width", "600", "--height", "300", "--static"}));
  ASSERT_TRUE(sink.waitBeyond(0, std::chrono::milliseconds(2000)));
  EXPECT_EQ(sink.patchMismatches(), 0);
  // Nothing changes, so nothing more is captured.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_LE(sink.frames(), 2);
}

// A key frame of a static window needs a picture: asked for, the capture delivers the
// unchanged window once more, shown or minimized.
TEST_F(DesktopCapture, RequestedFrameOfAStaticWindowArrives) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Request", "--width", "600", "--height", "300", "--static"}));
  ASSERT_TRUE(sink.waitBeyond(0));
  ASSERT_TRUE(wholePicture(sink));  // a late expose may still bring a frame
  const int settled = sink.frames();
  capture.requestFrame();
  ASSERT_TRUE(sink.waitBeyond(settled));
  EXPECT_EQ(sink.patchMismatches(), 0);
  EXPECT_TRUE(sink.stamp().has_value());

  runCommand("xdotool windowminimize " + pattern->hexId());
  ASSERT_TRUE(testing::waitFor([&] { return windows->isMinimized(pattern->window()) && unmapped(*pattern); }));
  const int hidden = sink.frames();
  capture.requestFrame();
  ASSERT_TRUE(sink.waitBeyond(hidden));
  EXPECT_EQ(sink.patchMismatches(), 0);  // the last picture, not an empty one
}

// Damage 60 times a second is coalesced into at most fps captures a second, and a new rate
// applies to the running capture. Checked on the capture times, so a slow machine (fewer
// captures) cannot fail it.
TEST_F(DesktopCapture, CaptureRateStaysWithinFpsAndFollowsSetFps) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Rate", "--width", "640", "--height", "360", "--fps", "60"}, 10));
  // Frames k..k+n-1 at most `fps` a second: the captures keep their schedule's phase, so they
  // span at least (n - 1) intervals less the lateness of frame k; one interval of slack covers it.
  auto spanAtLeast = [](const std::vector<std::int64_t>& t, std::size_t first, std::size_t count, int fps) {
    const std::int64_t intervalUs = 1000000 / fps;
    const std::int64_t span = t[first + count - 1] - t[first];
    EXPECT_GE(span, static_cast<std::int64_t>(count - 2) * intervalUs) << "at " << fps << " fps";
  };
  ASSERT_TRUE(sink.waitBeyond(7, std::chrono::milliseconds(20000)));
  const auto atTen = sink.timestamps();
  spanAtLeast(atTen, 1, 7, 10);  // the first frame goes out at start, outside the pacing

  capture.setFps(4);
  const int before = sink.frames();
  ASSERT_TRUE(sink.waitBeyond(before + 5, std::chrono::milliseconds(20000)));
  const auto atFour = sink.timestamps();
  // The first capture after the change may still be on the old schedule.
  spanAtLeast(atFour, static_cast<std::size_t>(before) + 1, 5, 4);
}

TEST_F(DesktopCapture, CursorOverTheWindowIsBlendedIn) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Cursor", "--width", "640", "--height", "480", "--x", "200",
                              "--y", "200", "--fps", "30"}));
  ASSERT_TRUE(sink.waitBeyond(1));
  ASSERT_EQ(sink.patchMismatches(), 0);
  const auto rect = windows->windowRect(pattern->window());
  ASSERT_TRUE(rect.has_value());
  // Pointer on the middle of the grey patch.
  const int px = tp::patchLeft(6) + tp::kPatchSize / 2, py = tp::kPatchY + tp::kPatchSize / 2;
  runCommand("xdotool mousemove " + std::to_string(rect->x + px) + " " + std::to_string(rect->y + py));
  ASSERT_TRUE(testing::waitFor([&] {
    sink.waitBeyond(sink.frames());
    return sink.patchMismatches() > 0;
  }));
  runCommand("xdotool mousemove 1910 1070");
}

// The pointer a user steers over a window that never repaints still moves in the picture.
TEST_F(DesktopCapture, PointerMovingOverAStaticWindowBringsFramesWithTheCursorMoved) {
  ASSERT_TRUE(capturePattern({"--title", "Parvalon Cap Pointer", "--width", "640", "--height", "480", "--x", "200",
                              "--y", "200", "--static"}));
  ASSERT_TRUE(sink.waitBeyond(0));
  ASSERT_TRUE(wholePicture(sink));  // a frame taken before the pattern drew may come first
  const auto rect = windows->windowRect(pattern->window());
  ASSERT_TRUE(rect.has_value());
  auto pointAtPatch = [&](std::size_t i) {
    const int px = tp::patchLeft(i) + tp::kPatchSize / 2, py = tp::kPatchY + tp::kPatchSize / 2;
    runCommand("xdotool mousemove " + std::to_string(rect->x + px) + " " + std::to_string(rect->y + py));
  };
  for (const auto& [from, to] : {std::pair<std::size_t, std::size_t>{6, 2}, {2, 6}}) {
    pointAtPatch(to);
    EXPECT_TRUE(testing::waitFor([&, from = from, to = to] {
      sink.waitBeyond(sink.frames(), std::chrono::milliseconds(200));
      return sink.patchMismatches(to) > 0 && sink.patchMismatches(from) == 0;
    })) << "cursor never moved to patch " << to;
  }
  runCommand("xdotool mousemove 1910 1070");
  // Leaving the window takes the cursor out of the picture.
  EXPECT_TRUE(testing::waitFor([&] {
    sink.waitBeyond(sink.frames(), std::chrono::milliseconds(200));
    return sink.patchMismatches() == 0;
  }));
}

TEST_F(DesktopCapture, WindowsThatCannotBeCapturedFailInitialize) {
  LogCapture log;
  WindowCapture notAWindow;
  EXPECT_FALSE(notAWindow.initialize(0x1fffffff, 30));
  EXPECT_TRUE(log.has(LogCapture::kError, "Invalid window handle"));

  pattern = openPattern({"--title", "Parvalon Cap Iconic", "--width", "400", "--height", "300", "--static"});
  runCommand("xdotool windowminimize " + pattern->hexId());
  // The window manager marks the window iconic before it unmaps it.
  ASSERT_TRUE(testing::waitFor([&] { return windows->isMinimized(pattern->window()) && unmapped(*pattern); }));
  WindowCapture iconic;
  EXPECT_FALSE(iconic.initialize(pattern->window(), 30));
  EXPECT_TRUE(log.has(LogCapture::kError, "Window has zero size"));
}

}  // namespace
}  // namespace parvalon::host
