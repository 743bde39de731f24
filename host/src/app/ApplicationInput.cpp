// The Application's input side: the injector and the focus manager, the two input paths, the
// client-initiated window resize and the reports the input side raises.

#include "app/Application.h"

#include <limits>

#include "input/FocusManager.h"
#include "input/InputInjector.h"
#include "logging/Log.h"
#include "platform/InputSink.h"
#include "platform/ScreenChangeWatcher.h"
#include "platform/WindowSystem.h"
#include "protocol/ClientMessages.h"

namespace parvalon::host {

bool Application::initializeInput() {
  if (!inputSeams_.windowSystem) inputSeams_.windowSystem = platform::WindowSystem::create();
  const std::shared_ptr<platform::WindowSystem> windowSystem = inputSeams_.windowSystem;
  std::shared_ptr<platform::InputSink> sink =
      inputSeams_.sink ? inputSeams_.sink : std::shared_ptr<platform::InputSink>(platform::InputSink::create());

  PV_LOG_INFO("Initializing input injector...");
  inputInjector_ = std::make_unique<InputInjector>(windowSystem, sink);
  if (!inputInjector_->initialize(InjectorConfig{true, 1.0f, true})) {
    PV_LOG_ERROR("Failed to initialize input injector");
    return false;
  }
  inputInjector_->setClickMismatchCallback([](platform::WindowHandle intended, platform::WindowHandle actual) {
    PV_LOG_WARN("Click mismatch: intended {:x}, actual {:x} - z-order or coordinate issue", intended, actual);
  });

  PV_LOG_INFO("Initializing focus manager...");
  focusManager_ = std::make_unique<FocusManager>(windowSystem);
  if (!focusManager_->initialize(FocusConfig{10, 10, false})) {
    PV_LOG_ERROR("Failed to initialize focus manager");
    return false;
  }
  focusManager_->setFocusFailureCallback([](platform::WindowHandle window, const char* reason) {
    PV_LOG_WARN("Focus failed for window {:x}: {}", window, reason);
  });

  // A desktop that changes size moves every pixel's virtual-desk coordinates.
  auto onChange = [this] { onDisplayChange(); };
  screenWatcher_ = inputSeams_.screenWatcher ? inputSeams_.screenWatcher(onChange)
                                             : platform::ScreenChangeWatcher::create(onChange);
  return true;
}

std::uint32_t Application::retargetInput(std::uint8_t streamId) {
  // Under the lock, so that a stream stopped meanwhile can no longer become the target.
  std::lock_guard lock(stateMutex_);
  const auto it = streams_.find(streamId);
  // The operator's dashboard streams are no input targets.
  if (it == streams_.end() || it->second.owner != StreamOwner::Client) return platform::kNoWindow;
  inputInjector_->setTargetWindow(it->second.windowId);
  return it->second.windowId;
}

namespace {

// The one conversion of a headset's input record into the injector's.
InputPacket toInputPacket(const protocol::InputEvent& event) {
  return InputPacket{event.type, event.action, event.x, event.y, event.code, event.modifiers, event.wheelDelta};
}

}  // namespace

void Application::onInputEvent(const protocol::InputEvent& event, std::uint64_t connection) {
  if (!inputInjector_) return;
  const std::uint32_t window = retargetInput(event.streamId);
  inputInjector_->processInputPacket(toInputPacket(event), InputOrigin{connection, event.streamId},
                                     InputPolicy::inputChannel(focusManager_.get()), window);
}

void Application::onClientInput(const protocol::ClientInput& input, std::uint64_t connection) {
  if (!inputInjector_) return;
  const std::uint32_t window = retargetInput(input.streamId);
  if (window == platform::kNoWindow) PV_LOG_WARN("Input received for unknown stream {}", input.streamId);
  inputInjector_->processInputPacket(toInputPacket(input), InputOrigin{connection, input.streamId},
                                     InputPolicy::videoChannel(), window);
}

void Application::onInputConnectionGone(std::uint64_t connection) {
  if (inputInjector_) inputInjector_->releaseHeldInput(connection);
}

void Application::onSignalingSessionGone(const std::vector<std::uint8_t>& ownedStreams) {
  if (inputInjector_) inputInjector_->releaseHeldInputForStreams(ownedStreams);
}

bool Application::handleWindowResize(std::uint32_t windowId, std::uint32_t width, std::uint32_t height) {
  PV_LOG_INFO("Client-initiated window resize: window={:x}, size={}x{}", windowId, width, height);
  if (!inputInjector_ || !inputSeams_.windowSystem->isWindow(windowId)) {
    PV_LOG_ERROR("Invalid window ID for resize: {:x}", windowId);
    return false;
  }
  constexpr std::uint32_t kLargest = std::numeric_limits<std::int32_t>::max();
  if (width > kLargest || height > kLargest ||
      !inputInjector_->resizeWindow(windowId, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height),
                                    true)) {
    PV_LOG_ERROR("Failed to resize window {:x} to {}x{}", windowId, width, height);
    return false;
  }
  PV_LOG_INFO("Window {:x} resized successfully to {}x{}", windowId, width, height);
  return true;
}

}  // namespace parvalon::host
