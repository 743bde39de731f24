#include "input/InputInjector.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "input/FocusManager.h"
#include "logging/Log.h"
#include "platform/DesktopGeometry.h"
#include "platform/InputSink.h"
#include "platform/VirtualDesk.h"

namespace parvalon::host {

namespace {

using platform::InputRecord;
using namespace platform::input_flags;

constexpr std::int64_t kFractionMax = 65535;  // the far edge of an event position

struct ButtonFlags {
  std::uint32_t down;
  std::uint32_t up;
  std::uint32_t data;
};

ButtonFlags buttonFlags(std::uint8_t button) {
  switch (button) {
    case 0: return {kMouseLeftDown, kMouseLeftUp, 0};
    case 1: return {kMouseRightDown, kMouseRightUp, 0};
    case 2: return {kMouseMiddleDown, kMouseMiddleUp, 0};
    case 3: return {kMouseXDown, kMouseXUp, kXButton1};
    case 4: return {kMouseXDown, kMouseXUp, kXButton2};
    default: return {0, 0, 0};  // the record does nothing
  }
}

// Keys Windows reports with the extended flag: the navigation block, keypad divide, Num Lock,
// right Ctrl and right Alt.
bool isExtendedKey(std::uint8_t vk) {
  return (vk >= 0x21 && vk <= 0x28) || vk == 0x2D || vk == 0x2E || vk == 0x6F || vk == 0x90 || vk == 0xA3 ||
         vk == 0xA5;
}

struct Modifier {
  std::uint8_t bit;
  std::uint8_t vk;
};
constexpr Modifier kModifiers[] = {{InputInjector::kModifierShift, InputInjector::kVkShift},
                                   {InputInjector::kModifierCtrl, InputInjector::kVkControl},
                                   {InputInjector::kModifierAlt, InputInjector::kVkMenu},
                                   {InputInjector::kModifierWin, InputInjector::kVkLWin}};

// Adds the origin's hold of a key or button, or points it at the stream of the newer press.
template <class Holds>
void addHold(Holds& holds, InputOrigin origin, bool synchronised) {
  for (auto& h : holds) {
    if (h.origin.source == origin.source && h.synchronised == synchronised) {
      h.origin.stream = origin.stream;
      return;
    }
  }
  holds.push_back({origin, synchronised});
}

// Ends every hold of the source: its let-go of a key also ends the modifier synchronised on it.
template <class Holds>
void letGo(Holds& holds, InputSource source) {
  std::erase_if(holds, [&](const auto& h) { return h.origin.source == source; });
}

}  // namespace

InputInjector::InputInjector(std::shared_ptr<platform::DesktopGeometry> windowSystem,
                             std::shared_ptr<platform::InputSink> sink)
    : windowSystem_(std::move(windowSystem)), sink_(std::move(sink)) {}

InputInjector::~InputInjector() {
  try {
    releaseHeldInput();
  } catch (...) {
    // A sink that fails while the host goes away leaves nothing more to do.
  }
}

bool InputInjector::initialize(const InjectorConfig& config) {
  config_ = config;
  updateScreenMetrics();
  const Metrics m = metrics();
  PV_LOG_INFO("Input injector initialized (absolute mode: {}, verify clicks: {})", config_.absoluteMode,
              config_.verifyClicks);
  PV_LOG_INFO("Virtual screen: {}x{} at ({},{})", m.width, m.height, m.left, m.top);
  return true;
}

void InputInjector::updateScreenMetrics() {
  const platform::WindowRect desk = windowSystem_->virtualScreen();
  std::lock_guard lock(metricsMutex_);
  metrics_ = Metrics{desk.width, desk.height, desk.x, desk.y, desk.width >= 1 && desk.height >= 1};
}

InputInjector::Metrics InputInjector::metrics() {
  std::lock_guard lock(metricsMutex_);
  return metrics_;
}

void InputInjector::setTargetWindow(platform::WindowHandle window) {
  std::lock_guard lock(inputMutex_);
  target_ = window;
}

void InputInjector::setClickMismatchCallback(ClickMismatchCallback callback) {
  std::lock_guard lock(inputMutex_);
  clickMismatch_ = std::move(callback);
}

std::pair<std::int32_t, std::int32_t> InputInjector::normalizedToScreen(std::int32_t x, std::int32_t y) {
  const Metrics m = metrics();
  if (!m.valid) return {x, y};
  const std::int64_t w = m.width, h = m.height;
  return {static_cast<std::int32_t>((w * x + w / 2) / kFractionMax + m.left),
          static_cast<std::int32_t>((h * y + h / 2) / kFractionMax + m.top)};
}

std::pair<std::int32_t, std::int32_t> InputInjector::screenToNormalized(std::int32_t px, std::int32_t py) {
  const Metrics m = metrics();
  if (!m.valid || m.width == 0 || m.height == 0) return {px, py};
  return {static_cast<std::int32_t>(platform::toVirtualDesk(std::int64_t{px} - m.left, m.width)),
          static_cast<std::int32_t>(platform::toVirtualDesk(std::int64_t{py} - m.top, m.height))};
}

std::pair<std::int32_t, std::int32_t> InputInjector::windowToScreen(std::uint16_t x, std::uint16_t y) {
  std::lock_guard lock(inputMutex_);
  return windowToScreenLocked(x, y);
}

std::pair<std::int32_t, std::int32_t> InputInjector::windowToScreenLocked(std::uint16_t x, std::uint16_t y) {
  if (target_ != platform::kNoWindow) {
    // Fractions of what the stream shows, so a click lands where the headset saw it.
    if (const auto rect = windowSystem_->shownRect(target_)) {
      const std::int64_t w = rect->width, h = rect->height;
      lastX_ = static_cast<std::int32_t>((w * x + w / 2) / kFractionMax + rect->x);
      lastY_ = static_cast<std::int32_t>((h * y + h / 2) / kFractionMax + rect->y);
      return {lastX_, lastY_};
    }
  }
  return normalizedToScreen(x, y);
}

void InputInjector::sendInputs(std::span<const InputRecord> records) {
  const std::uint32_t sent = sink_->sendInputs(records);
  if (sent < records.size()) PV_LOG_WARN("SendInput: sent {} of {} inputs", sent, records.size());
}

void InputInjector::mouseMove(std::uint16_t x, std::uint16_t y) {
  std::lock_guard lock(inputMutex_);
  mouseMoveLocked(x, y);
}

void InputInjector::mouseMoveLocked(std::uint16_t x, std::uint16_t y) {
  InputRecord record;
  if (config_.absoluteMode) {
    record = InputRecord::mouse(x, y, 0, kMoveAbsoluteFlags);
    if (target_ != platform::kNoWindow) {
      const auto [px, py] = windowToScreenLocked(x, y);
      std::tie(record.dx, record.dy) = screenToNormalized(px, py);
    }
  } else {
    record = InputRecord::mouse(static_cast<std::int32_t>(static_cast<float>(x) * config_.relativeScale),
                                static_cast<std::int32_t>(static_cast<float>(y) * config_.relativeScale), 0,
                                kMouseMove);
  }
  sendInputs({&record, 1});
}

void InputInjector::mouseButtonAt(std::int32_t px, std::int32_t py, std::uint8_t button, bool down,
                                  InputOrigin origin) {
  std::lock_guard lock(inputMutex_);
  mouseButtonAtLocked(px, py, button, down, origin);
}

void InputInjector::mouseButtonAtLocked(std::int32_t px, std::int32_t py, std::uint8_t button, bool down,
                                        InputOrigin origin) {
  const auto [nx, ny] = screenToNormalized(px, py);
  const ButtonFlags flags = buttonFlags(button);
  bool buttonRecord = true;
  if (button < kButtonCount) {
    Holds& holds = buttonHolds_[button];
    if (down) {
      addHold(holds, origin, false);
    } else {
      letGo(holds, origin.source);
      buttonRecord = holds.empty();  // another origin still drags: only the move goes out
    }
  }
  const InputRecord records[2] = {InputRecord::mouse(nx, ny, 0, kMoveAbsoluteFlags),
                                  InputRecord::mouse(0, 0, flags.data, down ? flags.down : flags.up)};
  sendInputs(std::span<const InputRecord>(records, buttonRecord ? 2 : 1));
  lastX_ = px;
  lastY_ = py;
}

void InputInjector::mouseButton(std::uint8_t button, bool down, InputOrigin origin) {
  std::lock_guard lock(inputMutex_);
  mouseButtonAtLocked(lastX_, lastY_, button, down, origin);
}

void InputInjector::mouseWheel(std::int16_t delta) {
  std::lock_guard lock(inputMutex_);
  wheelRecordLocked(delta);
}

void InputInjector::wheelRecordLocked(std::int16_t delta) {
  // The delta sign-extended to 32 bits.
  const InputRecord record =
      InputRecord::mouse(0, 0, static_cast<std::uint32_t>(static_cast<std::int32_t>(delta)), kMouseWheel);
  sendInputs({&record, 1});
}

void InputInjector::keyEvent(std::uint8_t virtualKey, bool down, std::uint8_t modifiers, InputOrigin origin) {
  std::lock_guard lock(inputMutex_);
  keyEventLocked(virtualKey, down, modifiers, origin);
}

void InputInjector::sendKeyLocked(std::uint8_t virtualKey, std::uint16_t scanCode, std::uint32_t flags) {
  const InputRecord record = InputRecord::key(virtualKey, scanCode, flags);
  sendInputs({&record, 1});
}

// Each origin's modifier bits are its own: the modifier goes down with the first origin that
// wants it and up when the last one no longer does.
void InputInjector::synchroniseModifiersLocked(std::uint8_t modifiers, InputOrigin origin) {
  for (const Modifier& m : kModifiers) {
    Holds& holds = keyHolds_[m.vk];
    const bool wanted = (modifiers & m.bit) != 0;
    const auto mine = std::find_if(holds.begin(), holds.end(), [&](const Hold& h) {
      return h.synchronised && h.origin.source == origin.source;
    });
    if (mine != holds.end()) {
      if (wanted) {
        mine->origin.stream = origin.stream;
        continue;
      }
      holds.erase(mine);
      if (holds.empty()) sendKeyLocked(m.vk, 0, kKeyUp);
    } else if (wanted) {
      if (holds.empty()) sendKeyLocked(m.vk, 0, 0);
      holds.push_back(Hold{origin, true});
    }
  }
}

void InputInjector::keyEventLocked(std::uint8_t virtualKey, bool down, std::uint8_t modifiers, InputOrigin origin) {
  synchroniseModifiersLocked(modifiers, origin);
  Holds& holds = keyHolds_[virtualKey];
  if (down) {
    addHold(holds, origin, false);  // a repeat is sent again
  } else {
    letGo(holds, origin.source);
    if (!holds.empty()) return;  // another origin still holds the key
  }
  std::uint32_t flags = down ? 0 : kKeyUp;
  if (isExtendedKey(virtualKey)) flags |= kKeyExtended;
  sendKeyLocked(virtualKey, sink_->scanCodeOf(virtualKey), flags);
}

void InputInjector::typeCharacter(std::uint16_t codeUnit) {
  std::lock_guard lock(inputMutex_);
  typeCharacterLocked(codeUnit);
}

void InputInjector::typeCharacterLocked(std::uint16_t codeUnit) {
  sendKeyLocked(0, codeUnit, kKeyUnicode);
  sendKeyLocked(0, codeUnit, kKeyUnicode | kKeyUp);
}

void InputInjector::verifyClickLocked(std::unique_lock<std::mutex>& lock, std::int32_t px, std::int32_t py) {
  if (!config_.verifyClicks || target_ == platform::kNoWindow) return;
  const platform::WindowHandle target = target_;
  const platform::WindowHandle actual = windowSystem_->windowFromPoint(px, py);
  if (actual != platform::kNoWindow && windowSystem_->rootAncestor(actual) == windowSystem_->rootAncestor(target)) {
    return;
  }
  PV_LOG_WARN("Click target mismatch: intended {:x}, actual {:x}", target, actual);
  if (ClickMismatchCallback callback = clickMismatch_) {
    // The report runs outside the lock: the press still follows it.
    lock.unlock();
    callback(target, actual);
    lock.lock();
  }
}

void InputInjector::processInputPacket(const InputPacket& packet, InputOrigin origin, const InputPolicy& policy,
                                       platform::WindowHandle streamWindow) {
  const bool press = packet.type == kTypeMouse && packet.action == kActionButtonDown;
  // Focusing polls and sleeps, so it runs before the lock: the other path's input goes on meanwhile.
  if (press && policy.focusBeforePress && streamWindow != platform::kNoWindow &&
      !policy.focusBeforePress->focusWindow(streamWindow).success) {
    PV_LOG_WARN("Failed to bring window {:x} to foreground, click may go to wrong window", streamWindow);
  }
  std::unique_lock lock(inputMutex_);
  if (packet.type == kTypeMouse) {
    switch (packet.action) {
      case kActionMove:
        mouseMoveLocked(packet.x, packet.y);
        break;
      case kActionButtonDown:
      case kActionButtonUp: {
        if (policy.moveBeforeButton) {
          mouseMoveLocked(packet.x, packet.y);
          mouseButtonAtLocked(lastX_, lastY_, packet.code, press, origin);
          break;
        }
        const auto [px, py] = windowToScreenLocked(packet.x, packet.y);
        if (press && policy.verifyClicks) verifyClickLocked(lock, px, py);
        mouseButtonAtLocked(px, py, packet.code, press, origin);
        break;
      }
      case kActionWheel:
        mouseMoveLocked(packet.x, packet.y);
        wheelRecordLocked(packet.wheelDelta);
        break;
      default:
        break;
    }
  } else if (packet.type == kTypeKeyboard) {
    switch (packet.action) {
      case kActionKeyDown:
        keyEventLocked(packet.code, true, packet.modifiers, origin);
        break;
      case kActionKeyUp:
        keyEventLocked(packet.code, false, packet.modifiers, origin);
        break;
      case kActionCharacter:
        typeCharacterLocked(policy.characterFromX ? packet.x : packet.code);
        break;
      default:
        break;
    }
  }
}

bool InputInjector::resizeWindow(platform::WindowHandle window, std::int32_t clientWidth, std::int32_t clientHeight,
                                 bool keepPosition) {
  if (window == platform::kNoWindow || !windowSystem_->isWindow(window)) {
    PV_LOG_ERROR("Invalid window handle for resize");
    return false;
  }
  const auto rect = windowSystem_->windowRect(window);
  if (!rect) {
    PV_LOG_ERROR("Failed to get window rect: {}", windowSystem_->lastError());
    return false;
  }
  const platform::WindowSize outer =
      windowSystem_->windowSizeForClient(window, clientWidth, clientHeight).value_or(platform::WindowSize{clientWidth, clientHeight});
  std::int32_t width = outer.width;
  std::int32_t height = outer.height;
  const platform::WindowSize minimum = windowSystem_->minimumSize(window);
  if (minimum.width > 0 && minimum.width > width) width = minimum.width;
  if (minimum.height > 0 && minimum.height > height) height = minimum.height;
  std::int32_t left = rect->x;
  std::int32_t top = rect->y;
  if (!keepPosition) {
    const platform::WindowSize screen = windowSystem_->primaryScreenSize();
    left = (screen.width - width) / 2;
    top = (screen.height - height) / 2;
  }
  if (!windowSystem_->setWindowSize(window, left, top, width, height, !keepPosition)) {
    PV_LOG_ERROR("SetWindowPos failed: {}", windowSystem_->lastError());
    return false;
  }
  // An accepted request is not a resize: a window manager applies it later or not at all (a
  // maximised window keeps its size). Read the size back until it shows, for a bounded time.
  constexpr auto kReadBackLimit = std::chrono::milliseconds(1000);
  constexpr auto kReadBackInterval = std::chrono::milliseconds(10);
  const auto deadline = std::chrono::steady_clock::now() + kReadBackLimit;
  std::optional<platform::WindowRect> now = windowSystem_->windowRect(window);
  while (now && (now->width != width || now->height != height) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kReadBackInterval);
    now = windowSystem_->windowRect(window);
  }
  if (!now) {
    PV_LOG_ERROR("Failed to get window rect: {}", windowSystem_->lastError());
    return false;
  }
  if (now->width != width || now->height != height) {
    PV_LOG_ERROR("Window {:x} stayed {}x{} instead of {}x{}", window, now->width, now->height, width, height);
    return false;
  }
  PV_LOG_INFO("Window resized to {}x{} (client: {}x{})", width, height, clientWidth, clientHeight);
  return true;
}

template <class Releases>
void InputInjector::releaseLocked(Releases releases) {
  std::vector<InputRecord> records;
  for (std::uint8_t button = 0; button < kButtonCount; ++button) {
    Holds& holds = buttonHolds_[button];
    if (std::erase_if(holds, releases) == 0 || !holds.empty()) continue;
    const ButtonFlags flags = buttonFlags(button);
    records.push_back(InputRecord::mouse(0, 0, flags.data, flags.up));
  }
  const std::size_t buttons = records.size();
  std::vector<std::uint8_t> synchronisedUp;
  for (std::size_t vk = 0; vk < keyHolds_.size(); ++vk) {
    Holds& holds = keyHolds_[vk];
    bool released = false, pressedAsKey = false;
    std::erase_if(holds, [&](const Hold& h) {
      if (!releases(h)) return false;
      released = true;
      pressedAsKey = pressedAsKey || !h.synchronised;
      return true;
    });
    if (!released || !holds.empty()) continue;
    const auto key = static_cast<std::uint8_t>(vk);
    if (pressedAsKey) {
      records.push_back(InputRecord::key(key, sink_->scanCodeOf(key), kKeyUp | (isExtendedKey(key) ? kKeyExtended : 0)));
    } else {
      synchronisedUp.push_back(key);
    }
  }
  // The synchronised modifiers last, as a person lets go of a shortcut.
  for (const Modifier& m : kModifiers) {
    if (std::find(synchronisedUp.begin(), synchronisedUp.end(), m.vk) != synchronisedUp.end()) {
      records.push_back(InputRecord::key(m.vk, 0, kKeyUp));
    }
  }
  if (!records.empty()) {
    PV_LOG_INFO("Released {} keys and {} buttons left held", records.size() - buttons, buttons);
    sendInputs(records);
  }
  // Typing's spare keycodes go back once nobody holds anything that may sit on one.
  const auto idle = [](const Holds& holds) { return holds.empty(); };
  if (std::all_of(keyHolds_.begin(), keyHolds_.end(), idle) && std::all_of(buttonHolds_.begin(), buttonHolds_.end(), idle)) {
    sink_->restoreKeyboard();
  }
}

void InputInjector::releaseHeldInput() {
  std::lock_guard lock(inputMutex_);
  releaseLocked([](const Hold&) { return true; });
}

void InputInjector::releaseHeldInput(InputSource source) {
  std::lock_guard lock(inputMutex_);
  releaseLocked([&](const Hold& h) { return h.origin.source == source; });
}

void InputInjector::releaseHeldInputForStreams(std::span<const std::uint8_t> streams) {
  if (streams.empty()) return;
  std::lock_guard lock(inputMutex_);
  releaseLocked([&](const Hold& h) { return std::find(streams.begin(), streams.end(), h.origin.stream) != streams.end(); });
}

}  // namespace parvalon::host
