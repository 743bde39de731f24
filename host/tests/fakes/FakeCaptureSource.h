#pragma once

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/CaptureFrame.h"
#include "platform/CaptureSource.h"
#include "platform/CpuFrame.h"
#include "platform/GpuTexture.h"

namespace parvalon::host::fakes {

// The state of one fake capture, shared by the source (owned by the code under test) and the
// test, which plays the capture thread: it pushes frames and the close event from a thread it
// controls. Like a real source, stop() from another thread waits for a running push to return,
// and stop() from inside a push (the pushing thread) returns at once.
class FakeCaptureControl {
 public:
  explicit FakeCaptureControl(platform::WindowHandle window, platform::CaptureOptions options,
                              platform::CaptureSize size)
      : window_(window), options_(options), size_(size), poolSize_(size) {}

  // What start() does: fail with this error when set.
  void failStartWith(std::string error) {
    std::lock_guard lock(mutex_);
    startError_ = std::move(error);
  }

  // Delivers the frame (CPU pixels or a texture) through the frame callback on the calling
  // thread. false (nothing delivered) before start, after stop or after the source was destroyed.
  bool pushFrame(const platform::CaptureFrame& frame) {
    platform::CaptureSource::FrameCallback* callback = nullptr;
    {
      std::lock_guard lock(mutex_);
      if (!started_ || stopRequested_ || destroyed_) return false;
      ++activeDeliveries_;
      deliveringThread_ = std::this_thread::get_id();
      callback = &onFrame_;
    }
    (*callback)(frame);
    endDelivery();
    return true;
  }
  // A frame of the current pool size filled with one BGRA colour.
  bool pushFilledFrame(std::uint8_t b, std::uint8_t g, std::uint8_t r, std::int64_t timestampUs = 0) {
    platform::CaptureSize pool = poolSize();
    platform::CpuImage image(pool.width, pool.height);
    for (std::uint32_t y = 0; y < pool.height; ++y) {
      std::uint8_t* row = image.row(y);
      for (std::uint32_t x = 0; x < pool.width; ++x) {
        row[4 * x] = b;
        row[4 * x + 1] = g;
        row[4 * x + 2] = r;
        row[4 * x + 3] = 0xFF;
      }
    }
    return pushFrame(image.view(timestampUs));
  }
  // A texture frame of the current pool size, as a texture capture delivers it.
  bool pushTexture(const platform::GpuTexture& texture, std::int64_t timestampUs = 0) {
    const platform::CaptureSize pool = poolSize();
    return pushFrame(platform::CaptureFrame(&texture, pool.width, pool.height, timestampUs));
  }
  // The announcement a real source makes when the window's size no longer matches the pool:
  // a frame of the new content size without pixels.
  bool pushResize(std::uint32_t width, std::uint32_t height) {
    return pushFrame(platform::CpuFrame{nullptr, width, height, 0, 0});
  }
  // Reports the window as destroyed through the closed callback, on the calling thread.
  bool pushClosed() {
    platform::CaptureSource::ClosedCallback* callback = nullptr;
    {
      std::lock_guard lock(mutex_);
      if (!started_ || stopRequested_ || destroyed_) return false;
      ++activeDeliveries_;
      deliveringThread_ = std::this_thread::get_id();
      callback = &onClosed_;
    }
    (*callback)();
    endDelivery();
    return true;
  }

  // Calls made on the source, in order: "start", "recreateFramePool(WxH)", "requestFrame",
  // "setFps(N)", "stop", "destroy".
  std::vector<std::string> calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  platform::WindowHandle window() const { return window_; }
  platform::CaptureOptions options() const { return options_; }
  platform::CaptureSize poolSize() const {
    std::lock_guard lock(mutex_);
    return poolSize_;
  }
  bool started() const {
    std::lock_guard lock(mutex_);
    return started_;
  }
  bool stopped() const {
    std::lock_guard lock(mutex_);
    return stopRequested_;
  }
  bool destroyed() const {
    std::lock_guard lock(mutex_);
    return destroyed_;
  }

  // --- called by FakeCaptureSource ---
  platform::CaptureSize size() const {
    std::lock_guard lock(mutex_);
    return size_;
  }
  bool start(platform::CaptureSource::FrameCallback onFrame,
             platform::CaptureSource::ClosedCallback onClosed, std::string& error) {
    std::lock_guard lock(mutex_);
    calls_.push_back("start");
    if (!startError_.empty()) {
      error = startError_;
      return false;
    }
    onFrame_ = std::move(onFrame);
    onClosed_ = std::move(onClosed);
    started_ = true;
    return true;
  }
  void recreateFramePool(std::uint32_t width, std::uint32_t height) {
    std::lock_guard lock(mutex_);
    calls_.push_back("recreateFramePool(" + std::to_string(width) + "x" + std::to_string(height) + ")");
    poolSize_ = {width, height};
  }
  void requestFrame() {
    std::lock_guard lock(mutex_);
    calls_.push_back("requestFrame");
  }
  void setFps(std::uint32_t fps) {
    std::lock_guard lock(mutex_);
    calls_.push_back("setFps(" + std::to_string(fps) + ")");
  }
  // How often a call was made (as calls() names it).
  std::size_t callCount(const std::string& call) const {
    std::lock_guard lock(mutex_);
    std::size_t n = 0;
    for (const auto& c : calls_) n += c == call;
    return n;
  }
  void stop() {
    std::unique_lock lock(mutex_);
    calls_.push_back("stop");
    stopRequested_ = true;
    waitForDeliveries(lock);
  }
  void destroy() {
    std::unique_lock lock(mutex_);
    calls_.push_back("destroy");
    destroyed_ = true;
    // Like a real source's join; a destruction from inside a push would be a fault of the
    // code under test, and the callbacks stay until that push returns.
    waitForDeliveries(lock);
  }

 private:
  void endDelivery() {
    std::lock_guard lock(mutex_);
    --activeDeliveries_;
    if (activeDeliveries_ == 0) deliveringThread_ = {};
    idle_.notify_all();
  }
  void waitForDeliveries(std::unique_lock<std::mutex>& lock) {
    if (activeDeliveries_ > 0 && deliveringThread_ == std::this_thread::get_id()) return;
    idle_.wait(lock, [this] { return activeDeliveries_ == 0; });
  }

  const platform::WindowHandle window_;
  const platform::CaptureOptions options_;
  // Guards every member below; taken by the test's threads and the code under test.
  mutable std::mutex mutex_;
  std::condition_variable idle_;
  platform::CaptureSize size_;
  platform::CaptureSize poolSize_;
  std::string startError_;
  platform::CaptureSource::FrameCallback onFrame_;
  platform::CaptureSource::ClosedCallback onClosed_;
  bool started_ = false;
  bool stopRequested_ = false;
  bool destroyed_ = false;
  int activeDeliveries_ = 0;
  std::thread::id deliveringThread_;
  std::vector<std::string> calls_;
};

class FakeCaptureSource : public platform::CaptureSource {
 public:
  explicit FakeCaptureSource(std::shared_ptr<FakeCaptureControl> control) : control_(std::move(control)) {}
  ~FakeCaptureSource() override { control_->destroy(); }

  platform::CaptureSize size() const override { return control_->size(); }
  bool start(FrameCallback onFrame, ClosedCallback onClosed, std::string& error) override {
    return control_->start(std::move(onFrame), std::move(onClosed), error);
  }
  void recreateFramePool(std::uint32_t width, std::uint32_t height) override {
    control_->recreateFramePool(width, height);
  }
  void requestFrame() override { control_->requestFrame(); }
  void setFps(std::uint32_t fps) override { control_->setFps(fps); }
  void stop() override { control_->stop(); }

 private:
  std::shared_ptr<FakeCaptureControl> control_;
};

// Hands out fake sources and keeps their controls for the test.
class FakeCaptureSourceFactory : public platform::CaptureSourceFactory {
 public:
  // Settings for the sources made from now on (set before the code under test runs).
  bool supported = true;
  std::string unsupportedReason = "fake capture disabled";
  std::vector<std::string> diagnosticLines{"  Fake capture service"};
  std::string createError;  // non-empty: create fails with it
  std::string startError;   // non-empty: start of the next sources fails with it
  platform::CaptureSize sourceSize{640, 480};

  bool isSupported(std::string& reason) override {
    std::lock_guard lock(mutex_);
    if (!supported) reason = unsupportedReason;
    return supported;
  }
  std::vector<std::string> diagnostics() override {
    std::lock_guard lock(mutex_);
    return diagnosticLines;
  }
  std::unique_ptr<platform::CaptureSource> create(platform::WindowHandle window,
                                                  const platform::CaptureOptions& options,
                                                  std::string& error) override {
    std::lock_guard lock(mutex_);
    if (!createError.empty()) {
      error = createError;
      return nullptr;
    }
    auto control = std::make_shared<FakeCaptureControl>(window, options, sourceSize);
    if (!startError.empty()) control->failStartWith(startError);
    controls_.push_back(control);
    return std::make_unique<FakeCaptureSource>(control);
  }

  // Every source made so far, oldest first; the controls outlive the sources.
  std::vector<std::shared_ptr<FakeCaptureControl>> sources() const {
    std::lock_guard lock(mutex_);
    return controls_;
  }
  std::shared_ptr<FakeCaptureControl> lastSource() const {
    std::lock_guard lock(mutex_);
    return controls_.empty() ? nullptr : controls_.back();
  }

 private:
  // Guards controls_ and the settings while create runs; taken by the test and the code under test.
  mutable std::mutex mutex_;
  std::vector<std::shared_ptr<FakeCaptureControl>> controls_;
};

}  // namespace parvalon::host::fakes
