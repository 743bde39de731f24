#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "platform/InputSink.h"
#include "platform/linux/XcbUtil.h"

namespace parvalon::host::platform::linux_x11 {

// Synthetic input through XTest on a connection of its own (it watches keymap and screen-size
// changes there). Absolute positions are virtual-desk coordinates of the root window; keys are
// looked up by keysym in the desktop's current keymap (never on a spare keycode, so programs that
// read keycodes see the layout's own key), and a keysym the keymap lacks (every typed character)
// is typed through a spare keycode mapped for it and given back once idle, never while held.
// What the client holds is the injector's to track; the sink keeps only which keycode each
// pressed key went down on, so that its release lands there.
class XTestInputSink final : public InputSink {
 public:
  // A remapped spare keycode stays mapped this long after its last use: a client reads the
  // keymap when it handles the key event, which may be well after the key was sent.
  static constexpr std::chrono::milliseconds kSpareKeyHold{2000};
  // Wheel clicks one record may produce at most (a 16-bit delta gives 273).
  static constexpr std::int32_t kMaxWheelClicks = 1000;
  // Keycodes kept ready for typing. A keymap without enough unused keycodes (Xvfb's maps all
  // of them) lends keycodes from its top that no virtual key and no modifier uses.
  static constexpr std::size_t kMinSpareKeys = 48;
  // A keycode typed this recently is not remapped for another keysym yet: the client may not
  // have looked its event up; typing waits instead.
  static constexpr std::chrono::milliseconds kSpareReuseDelay{100};

  XTestInputSink();
  ~XTestInputSink() override;
  XTestInputSink(const XTestInputSink&) = delete;
  XTestInputSink& operator=(const XTestInputSink&) = delete;

  std::uint32_t sendInputs(std::span<const InputRecord> records) override;
  std::uint16_t scanCodeOf(std::uint8_t virtualKey) override;
  void restoreKeyboard() override;

 private:
  using Clock = std::chrono::steady_clock;
  struct SpareKey {
    xcb_keycode_t keycode = 0;
    std::uint32_t keysym = 0;   // 0: free
    std::uint32_t shifted = 0;
    Clock::time_point lastUsed{};
    int held = 0;               // presses not yet released
    std::vector<std::uint32_t> original{};  // keysyms of a borrowed keycode; empty: it had none
  };

  void processEvents();
  void sync();
  void loadKeymap();
  void borrowSpareKeys();
  std::uint32_t keysymAt(xcb_keycode_t keycode, int column) const;
  bool isSpare(xcb_keycode_t keycode) const;
  xcb_keycode_t keymapKeycode(std::uint32_t keysym);
  SpareKey* spareKey(std::uint32_t keysym, std::uint32_t shifted);
  void mapKeycode(xcb_keycode_t keycode, std::uint32_t keysym, std::uint32_t shifted);
  void giveBackIdle(Clock::time_point now, bool all);

  void applyMouse(const InputRecord& record);
  void applyKey(const InputRecord& record);
  void applyCharacter(const InputRecord& record);
  void pressKey(xcb_keycode_t keycode, bool down);
  void pressSpare(SpareKey& spare, bool down);
  void releaseKeycode(xcb_keycode_t keycode);
  void releaseCharacter(std::uint16_t unit);
  void click(std::uint8_t button, bool down);
  void wheel(std::int32_t delta, std::int32_t& positiveRest, std::int32_t& negativeRest, std::uint8_t positiveButton,
             std::uint8_t negativeButton);

  // Guards every member below; taken by each thread that injects (the two input channels).
  std::mutex mutex_;
  XcbConnection connection_;
  xcb_window_t root_ = XCB_WINDOW_NONE;
  std::int32_t rootWidth_ = 0;
  std::int32_t rootHeight_ = 0;

  xcb_keycode_t minKeycode_ = 0;
  xcb_keycode_t maxKeycode_ = 0;
  int keysymsPerKeycode_ = 0;
  std::vector<std::uint32_t> keysyms_;
  bool keymapStale_ = true;
  std::vector<SpareKey> spares_;

  // The keycode each virtual key last went down on, so that its release lands there whatever
  // the keymap says by then. Not a record of what is held: that, and when it goes up, is the
  // injector's.
  std::array<xcb_keycode_t, 256> pressedOn_{};
  std::map<std::uint16_t, xcb_keycode_t> heldCharacters_;  // releasing code unit → spare keycode pressed
  std::uint16_t pendingHighSurrogate_ = 0;
  std::int32_t wheelUpRest_ = 0, wheelDownRest_ = 0, wheelRightRest_ = 0, wheelLeftRest_ = 0;
};

}  // namespace parvalon::host::platform::linux_x11
