#include <gtest/gtest.h>

#include <cstdlib>
#include <mutex>
#include <vector>

#include "TestPatternProcess.h"
#include "capture/CaptureOrchestrator.h"
#include "fakes/LogCapture.h"
#include "fakes/WaitUntil.h"

namespace parvalon::host {
namespace {

using testing::TestPatternProcess;

// The real X11 capture and the software encoder behind the orchestrator, on the virtual desktop.
class DesktopOrchestrator : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "desktop tests need DISPLAY";
    testing::LogCapture installBeforeAnyCaptureThread;
    orchestrator.setFrameCallback([this](std::uint8_t, const std::uint8_t*, std::uint64_t, bool key) {
      std::lock_guard lock(mutex);
      keyframes.push_back(key);
    });
    ASSERT_TRUE(orchestrator.initialize());
  }
  std::vector<bool> frames() {
    std::lock_guard lock(mutex);
    return keyframes;
  }
  std::size_t keyframeCount() {
    std::size_t n = 0;
    for (bool k : frames()) n += k;
    return n;
  }

  CaptureOrchestrator orchestrator;
  // Guards keyframes; taken by the capture thread and the test.
  std::mutex mutex;
  std::vector<bool> keyframes;  // one entry per encoded frame: whether it was a key frame
};

// A window that never changes sends its first frame only. A key-frame request must still bring
// a key frame (before the fix it waited for a change that never came).
TEST_F(DesktopOrchestrator, KeyframeRequestOnAStaticWindowDeliversAKeyFrame) {
  TestPatternProcess pattern({"--title", "Parvalon Orch Static", "--width", "322", "--height", "200", "--static"});
  ASSERT_NE(pattern.window(), 0u);
  auto windows = platform::WindowSystem::create();
  ASSERT_TRUE(testing::waitUntilManaged(*windows, pattern.window()));
  ASSERT_TRUE(orchestrator.startCapture(static_cast<std::uint32_t>(pattern.window()), 5));
  ASSERT_TRUE(testing::waitUntil([&] { return keyframeCount() >= 1; }, std::chrono::milliseconds(10000)));
  for (int request = 1; request <= 3; ++request) {
    orchestrator.requestKeyframe(5);
    ASSERT_TRUE(testing::waitUntil([&] { return keyframeCount() >= static_cast<std::size_t>(1 + request); },
                                   std::chrono::milliseconds(10000)))
        << "request " << request << ": frames so far " << frames().size();
  }
  orchestrator.stopCapture(5);
}

}  // namespace
}  // namespace parvalon::host
