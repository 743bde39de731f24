#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/WindowHandle.h"

namespace parvalon::host::platform {
class WindowFocus;
}  // namespace parvalon::host::platform

namespace parvalon::host {

struct FocusConfig {
  std::int32_t pollCount = 10;
  std::int32_t pollIntervalMs = 10;  // at least 1: it divides the attach step's time
  bool saveRestore = true;
};

struct FocusResult {
  bool success = false;
  // 0 already in front, 1 restore/show, 2 show + bring to top + set foreground, 3 attached input.
  std::int32_t strategy = 0;
  std::uint32_t errorCode = 0;  // 0 on success, 6 for an invalid handle, else the last error
  bool operator==(const FocusResult&) const = default;
};

// Brings a top-level window to the front before a click is injected for it, trying stronger
// strategies in turn and checking after each one. Used from the input server's io thread, and
// for restoreFocus from the main thread at shutdown; it has no lock.
class FocusManager {
 public:
  using FocusFailureCallback = std::function<void(platform::WindowHandle window, const char* reason)>;
  using Sleep = std::function<void(std::chrono::milliseconds)>;

  static constexpr std::uint32_t kErrorInvalidHandle = 6;
  static constexpr std::chrono::milliseconds kRestoreWait{10};
  static constexpr std::int32_t kAttachPollBudgetMs = 50;
  static constexpr const char* kFailureReason = "Click inside this panel once to enable typing";

  // `sleep` waits on the calling thread (tests pass one that only records).
  explicit FocusManager(std::shared_ptr<platform::WindowFocus> windowSystem, Sleep sleep = {});
  ~FocusManager();
  FocusManager(const FocusManager&) = delete;
  FocusManager& operator=(const FocusManager&) = delete;

  bool initialize(const FocusConfig& config);
  FocusResult focusWindow(platform::WindowHandle window);
  bool isForeground(platform::WindowHandle window);
  void setFocusFailureCallback(FocusFailureCallback callback);
  void restoreFocus();

 private:
  bool focusWithAttachedInput(platform::WindowHandle window);
  // Checks up to `polls` times with a sleep after each, then once more.
  bool pollForeground(platform::WindowHandle window, std::int32_t polls);

  std::shared_ptr<platform::WindowFocus> windowSystem_;
  Sleep sleep_;
  FocusConfig config_;
  platform::WindowHandle savedForeground_ = platform::kNoWindow;
  bool initialized_ = false;
  FocusFailureCallback failureCallback_;
};

}  // namespace parvalon::host
