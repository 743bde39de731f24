#include "platform/linux/PulseAudioEndpoint.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "audio/AudioCapture.h"
#include "fakes/LogCapture.h"

namespace parvalon::host {
namespace {

using namespace std::chrono_literals;
using platform::linux_x11::PulseAudioEndpoint;
using testing::kError;

// Points libpulse at a socket that does not exist for the test's lifetime.
class NoServer {
 public:
  NoServer() {
    if (const char* old = std::getenv("PULSE_SERVER")) old_ = old;
    setenv("PULSE_SERVER", "unix:/nonexistent/parvalon-test/native", 1);
  }
  ~NoServer() {
    if (old_) {
      setenv("PULSE_SERVER", old_->c_str(), 1);
    } else {
      unsetenv("PULSE_SERVER");
    }
  }

 private:
  std::optional<std::string> old_;
};

TEST(PulseAudioEndpoint, AbsentServerFailsTheOpenQuickly) {
  NoServer noServer;
  testing::LogCapture log;
  AudioCapture capture(std::make_unique<PulseAudioEndpoint>());
  const auto before = std::chrono::steady_clock::now();
  EXPECT_FALSE(capture.initialize({}));
  EXPECT_LT(std::chrono::steady_clock::now() - before, PulseAudioEndpoint::kServerTimeout + 500ms);
  // PA_ERR_CONNECTIONREFUSED where WASAPI reports the HRESULT.
  EXPECT_TRUE(log.has(kError, "Failed to create device enumerator: 0x6")) << (log.texts().empty() ? "" : log.texts()[0]);
  EXPECT_EQ(log.countAtLeast(kError), 1u);
  // The number alone says little on Linux: PulseAudio's words and the server it tried.
  EXPECT_TRUE(log.has(testing::kWarn,
                      "PulseAudio: cannot reach server unix:/nonexistent/parvalon-test/native: Connection refused"));
  // A later start finds no stream and fails instead of crashing.
  EXPECT_FALSE(capture.start([](const std::int16_t*, std::uint32_t, std::uint32_t, std::uint32_t) {}));
  EXPECT_TRUE(log.contains("Failed to start audio client: 0x"));
}

TEST(PulseAudioEndpoint, UnopenedEndpointRefusesPacketCalls) {
  PulseAudioEndpoint endpoint;
  std::uint32_t frames = 99;
  platform::AudioPacket packet;
  EXPECT_NE(endpoint.start(), platform::kAudioOk);
  EXPECT_NE(endpoint.nextPacketSize(frames), platform::kAudioOk);
  EXPECT_EQ(frames, 0u);
  EXPECT_NE(endpoint.getBuffer(packet), platform::kAudioOk);
  EXPECT_NE(endpoint.releaseBuffer(0), platform::kAudioOk);
  endpoint.stop();  // harmless
}

TEST(PulseAudioEndpoint, WakeEndsAWaitAtOnceAndResets) {
  PulseAudioEndpoint endpoint;
  ASSERT_TRUE(endpoint.createEvent());
  std::thread waker([&] {
    std::this_thread::sleep_for(20ms);
    endpoint.wake();
  });
  const auto before = std::chrono::steady_clock::now();
  const bool woken = endpoint.waitForData(2000ms);
  const auto took = std::chrono::steady_clock::now() - before;
  waker.join();
  EXPECT_TRUE(woken);
  EXPECT_LT(took, 1000ms);
  // Auto-reset: the next wait times out.
  EXPECT_FALSE(endpoint.waitForData(30ms));
  // A wake before the wait is not lost.
  endpoint.wake();
  EXPECT_TRUE(endpoint.waitForData(0ms));
}

}  // namespace
}  // namespace parvalon::host
