#include "input/FocusManager.h"

#include <algorithm>
#include <thread>

#include "logging/Log.h"
#include "platform/WindowFocus.h"

namespace parvalon::host {

FocusManager::FocusManager(std::shared_ptr<platform::WindowFocus> windowSystem, Sleep sleep)
    : windowSystem_(std::move(windowSystem)), sleep_(std::move(sleep)) {
  if (!sleep_) sleep_ = [](std::chrono::milliseconds d) { std::this_thread::sleep_for(d); };
}

FocusManager::~FocusManager() {
  restoreFocus();
  failureCallback_ = nullptr;
}

bool FocusManager::initialize(const FocusConfig& config) {
  config_ = config;
  initialized_ = true;
  PV_LOG_INFO("FocusManager initialized (poll: {}ms x {}, save/restore: {})", config_.pollIntervalMs,
              config_.pollCount, config_.saveRestore);
  return true;
}

void FocusManager::setFocusFailureCallback(FocusFailureCallback callback) { failureCallback_ = std::move(callback); }

bool FocusManager::isForeground(platform::WindowHandle window) {
  if (window == platform::kNoWindow) return false;
  // A window manager may leave the active-window mark on a window it has just minimised: a
  // window the user cannot see is never in front, so it still gets restored.
  if (windowSystem_->isMinimized(window)) return false;
  const platform::WindowHandle front = windowSystem_->foregroundWindow();
  if (front == platform::kNoWindow) return false;
  return front == window || windowSystem_->rootAncestor(front) == windowSystem_->rootAncestor(window);
}

bool FocusManager::pollForeground(platform::WindowHandle window, std::int32_t polls) {
  for (std::int32_t i = 0; i < polls; ++i) {
    if (isForeground(window)) return true;
    sleep_(std::chrono::milliseconds(config_.pollIntervalMs));
  }
  return isForeground(window);
}

FocusResult FocusManager::focusWindow(platform::WindowHandle window) {
  if (window == platform::kNoWindow || !windowSystem_->isWindow(window)) {
    PV_LOG_WARN("focusWindow called with invalid hwnd");
    return {false, 0, kErrorInvalidHandle};
  }
  if (isForeground(window)) return {true, 0, 0};
  if (config_.saveRestore && savedForeground_ == platform::kNoWindow) {
    savedForeground_ = windowSystem_->foregroundWindow();
  }

  // 1. Restore or show.
  bool shown = false;
  if (windowSystem_->isMinimized(window)) {
    windowSystem_->showWindow(window, platform::ShowMode::Restore);
    shown = true;
  } else if (!windowSystem_->isVisible(window)) {
    windowSystem_->showWindow(window, platform::ShowMode::Show);
    shown = true;
  }
  if (shown) {
    sleep_(kRestoreWait);
    if (isForeground(window)) return {true, 1, 0};
  }

  // 2. Show, bring to top, set foreground.
  windowSystem_->showWindow(window, platform::ShowMode::Show);
  windowSystem_->bringWindowToTop(window);
  windowSystem_->setForegroundWindow(window);
  if (pollForeground(window, std::max(1, config_.pollCount))) return {true, 2, 0};

  // 3. Attached input queues.
  if (focusWithAttachedInput(window)) return {true, 3, 0};

  const std::uint32_t errorCode = windowSystem_->lastError();
  PV_LOG_WARN("All focus strategies failed for hwnd {:x}", window);
  if (failureCallback_) failureCallback_(window, kFailureReason);
  return {false, 0, errorCode};
}

bool FocusManager::focusWithAttachedInput(platform::WindowHandle window) {
  const std::int32_t polls = std::max(1, kAttachPollBudgetMs / std::max(1, config_.pollIntervalMs));
  const platform::WindowHandle front = windowSystem_->foregroundWindow();
  if (front == platform::kNoWindow) {
    windowSystem_->setForegroundWindow(window);
    return pollForeground(window, polls);
  }
  const std::uint64_t frontThread = windowSystem_->windowThreadId(front);
  const std::uint64_t windowThread = windowSystem_->windowThreadId(window);
  const std::uint64_t me = windowSystem_->currentThreadId();
  bool attached = false;
  if (frontThread != me) attached = windowSystem_->attachThreadInput(me, frontThread, true);
  windowSystem_->bringWindowToTop(window);
  windowSystem_->setForegroundWindow(window);
  if (windowThread == me || attached) {
    windowSystem_->setFocus(window);
    windowSystem_->setActiveWindow(window);
  }
  const bool inFront = pollForeground(window, polls);
  if (attached) windowSystem_->attachThreadInput(me, frontThread, false);
  return inFront;
}

void FocusManager::restoreFocus() {
  if (!initialized_) return;
  if (config_.saveRestore && savedForeground_ != platform::kNoWindow) {
    if (windowSystem_->isWindow(savedForeground_)) windowSystem_->setForegroundWindow(savedForeground_);
    savedForeground_ = platform::kNoWindow;
  }
  initialized_ = false;
}

}  // namespace parvalon::host
