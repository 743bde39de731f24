#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <utility>
#include <vector>

#include "platform/InputRecord.h"
#include "platform/WindowHandle.h"

namespace parvalon::host::platform {
class InputSink;
class DesktopGeometry;
}  // namespace parvalon::host::platform

namespace parvalon::host {

class FocusManager;

struct InjectorConfig {
  bool absoluteMode = true;
  float relativeScale = 1.0f;
  bool verifyClicks = true;
};

// The connection an input came on (the channel's number for it; 0: the host itself).
using InputSource = std::uint64_t;

// Who pressed an input: the connection and the stream the press was for.
struct InputOrigin {
  InputSource source = 0;
  std::uint8_t stream = 0;
};

// One input event, fields as the client sent them (the stream is resolved before).
struct InputPacket {
  std::uint8_t type = 0;
  std::uint8_t action = 0;
  std::uint16_t x = 0;
  std::uint16_t y = 0;
  std::uint8_t code = 0;
  std::uint8_t modifiers = 0;
  std::int16_t wheelDelta = 0;
};

// How the events of one input path are handled. The default is the video channel's.
struct InputPolicy {
  // Input channel: the stream's window is brought to the front before a button goes down (a
  // failure is logged and the press still goes out). Null: no focusing.
  FocusManager* focusBeforePress = nullptr;
  // Video channel: a press is checked against the window under it (when the configuration asks too).
  bool verifyClicks = true;
  // Input channel: the pointer moves on its own first and a button goes down or up where it is.
  bool moveBeforeButton = false;
  // Input channel: a character is the 16-bit code unit in `x`; else the 8-bit `code`.
  bool characterFromX = false;

  static InputPolicy inputChannel(FocusManager* focus) { return InputPolicy{focus, false, true, true}; }
  static InputPolicy videoChannel() { return InputPolicy{}; }
};

// Turns the headset's mouse and keyboard events into synthetic input aimed at the streamed
// window: positions are 16-bit fractions of the target window's rectangle, mapped to desktop
// pixels and then to virtual-desk coordinates with exact 64-bit integer arithmetic.
// Events of the two input channels are serialised inside the injector.
//
// Every key and button pressed (the modifiers it synchronises to an event's modifier bits
// included) is held by the origin that pressed it. A key or button goes up on the desktop when
// the last origin holding it lets go or ends, so one connection's release never cuts another's
// drag or shortcut short.
class InputInjector {
 public:
  using ClickMismatchCallback = std::function<void(platform::WindowHandle intended, platform::WindowHandle actual)>;

  // Event types and actions of both input channels.
  static constexpr std::uint8_t kTypeMouse = 1;
  static constexpr std::uint8_t kTypeKeyboard = 2;
  static constexpr std::uint8_t kActionMove = 1;
  static constexpr std::uint8_t kActionButtonDown = 2;
  static constexpr std::uint8_t kActionButtonUp = 3;
  static constexpr std::uint8_t kActionWheel = 4;
  static constexpr std::uint8_t kActionKeyDown = 1;
  static constexpr std::uint8_t kActionKeyUp = 2;
  static constexpr std::uint8_t kActionCharacter = 3;
  // Modifier bits of an event.
  static constexpr std::uint8_t kModifierShift = 0x01;
  static constexpr std::uint8_t kModifierCtrl = 0x02;
  static constexpr std::uint8_t kModifierAlt = 0x04;
  static constexpr std::uint8_t kModifierWin = 0x08;
  // Virtual keys the modifier bits stand for.
  static constexpr std::uint8_t kVkShift = 0x10;
  static constexpr std::uint8_t kVkControl = 0x11;
  static constexpr std::uint8_t kVkMenu = 0x12;
  static constexpr std::uint8_t kVkLWin = 0x5B;
  static constexpr std::uint32_t kMoveAbsoluteFlags =
      platform::input_flags::kMouseMove | platform::input_flags::kMouseVirtualDesk | platform::input_flags::kMouseAbsolute;
  static constexpr std::uint8_t kButtonCount = 5;  // left, right, middle, first and second extra

  InputInjector(std::shared_ptr<platform::DesktopGeometry> windowSystem, std::shared_ptr<platform::InputSink> sink);
  // Lets go of everything still held: nothing stays down on the desktop once the host is gone.
  ~InputInjector();
  InputInjector(const InputInjector&) = delete;
  InputInjector& operator=(const InputInjector&) = delete;

  bool initialize(const InjectorConfig& config);
  void updateScreenMetrics();
  void setTargetWindow(platform::WindowHandle window);
  void setClickMismatchCallback(ClickMismatchCallback callback);

  void mouseMove(std::uint16_t x, std::uint16_t y);
  void mouseButtonAt(std::int32_t px, std::int32_t py, std::uint8_t button, bool down, InputOrigin origin = {});
  void mouseButton(std::uint8_t button, bool down, InputOrigin origin = {});
  void mouseWheel(std::int16_t delta);
  void keyEvent(std::uint8_t virtualKey, bool down, std::uint8_t modifiers, InputOrigin origin = {});
  void typeCharacter(std::uint16_t codeUnit);
  // The one dispatch of both input paths. `streamWindow`: the window of the event's stream,
  // kNoWindow when the stream is unknown (the target then stays as it was).
  void processInputPacket(const InputPacket& packet, InputOrigin origin = {}, const InputPolicy& policy = {},
                          platform::WindowHandle streamWindow = platform::kNoWindow);
  bool resizeWindow(platform::WindowHandle window, std::int32_t clientWidth, std::int32_t clientHeight,
                    bool keepPosition);
  void sendInputs(std::span<const platform::InputRecord> records);

  // Let go of what is held (the synchronised modifiers included; a key or button another
  // origin still holds stays down) and log "Released {} keys and {} buttons left held" when
  // anything went up. Everything, for the host going away; one source's holds, for a
  // connection that ended or was replaced; the holds pressed for any of `streams` (on any
  // connection), for the session that owned them (none for an empty list). Once nothing is
  // held any more the sink's temporary keyboard changes end too.
  void releaseHeldInput();
  void releaseHeldInput(InputSource source);
  void releaseHeldInputForStreams(std::span<const std::uint8_t> streams);

  // The coordinate mapping (desktop pixels ↔ event fractions ↔ virtual-desk coordinates).
  std::pair<std::int32_t, std::int32_t> windowToScreen(std::uint16_t x, std::uint16_t y);
  std::pair<std::int32_t, std::int32_t> normalizedToScreen(std::int32_t x, std::int32_t y);
  std::pair<std::int32_t, std::int32_t> screenToNormalized(std::int32_t px, std::int32_t py);

 private:
  struct Metrics {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool valid = false;
  };

  // The operations with inputMutex_ held.
  std::pair<std::int32_t, std::int32_t> windowToScreenLocked(std::uint16_t x, std::uint16_t y);
  void mouseMoveLocked(std::uint16_t x, std::uint16_t y);
  void mouseButtonAtLocked(std::int32_t px, std::int32_t py, std::uint8_t button, bool down, InputOrigin origin);
  // Reports a press at (px, py) that would land on another window than the target.
  void verifyClickLocked(std::unique_lock<std::mutex>& lock, std::int32_t px, std::int32_t py);
  void wheelRecordLocked(std::int16_t delta);
  void synchroniseModifiersLocked(std::uint8_t modifiers, InputOrigin origin);
  void keyEventLocked(std::uint8_t virtualKey, bool down, std::uint8_t modifiers, InputOrigin origin);
  void typeCharacterLocked(std::uint16_t codeUnit);
  void sendKeyLocked(std::uint8_t virtualKey, std::uint16_t scanCode, std::uint32_t flags);
  Metrics metrics();
  template <class Releases>
  void releaseLocked(Releases releases);

  // One origin holding a key or button down. `synchronised`: a modifier pressed to match an
  // event's modifier bits rather than by a key event of its own.
  struct Hold {
    InputOrigin origin;
    bool synchronised = false;
  };
  using Holds = std::vector<Hold>;

  std::shared_ptr<platform::DesktopGeometry> windowSystem_;
  std::shared_ptr<platform::InputSink> sink_;
  InjectorConfig config_;

  // Guards the metrics; taken by the main thread (display change) and by the input threads.
  std::mutex metricsMutex_;
  Metrics metrics_;

  // Serialises the events of the two channels and guards everything below; taken by the input
  // server's io thread, the video transport's io thread or the main thread, and releaseHeldInput's caller.
  std::mutex inputMutex_;
  platform::WindowHandle target_ = platform::kNoWindow;
  std::int32_t lastX_ = 0;
  std::int32_t lastY_ = 0;
  // Who holds each virtual key and button down; down on the desktop while anyone does.
  std::array<Holds, 256> keyHolds_{};
  std::array<Holds, kButtonCount> buttonHolds_{};
  ClickMismatchCallback clickMismatch_;
};

}  // namespace parvalon::host
