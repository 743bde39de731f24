#include "platform/linux/XTestInputSink.h"

#include <xcb/xtest.h>

#include <algorithm>
#include <thread>

#include "logging/Log.h"
#include "platform/VirtualDesk.h"
#include "platform/linux/VirtualKeyTable.h"

namespace parvalon::host::platform {

std::unique_ptr<InputSink> InputSink::create() { return std::make_unique<linux_x11::XTestInputSink>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::linux_x11 {

namespace {

using namespace input_flags;

constexpr std::uint8_t kButtonLeft = 1;
constexpr std::uint8_t kButtonMiddle = 2;
constexpr std::uint8_t kButtonRight = 3;
constexpr std::uint8_t kButtonWheelUp = 4;
constexpr std::uint8_t kButtonWheelDown = 5;
constexpr std::uint8_t kButtonWheelLeft = 6;
constexpr std::uint8_t kButtonWheelRight = 7;
constexpr std::uint8_t kButtonBack = 8;     // first extra button
constexpr std::uint8_t kButtonForward = 9;  // second extra button
constexpr std::uint8_t kVkReturn = 0x0D;
constexpr std::uint8_t kVkControl = 0x11;
constexpr std::uint8_t kVkMenu = 0x12;
constexpr std::uint32_t kKeysymKpEnter = 0xFF8D;
constexpr std::uint32_t kKeysymControlR = 0xFFE4;
constexpr std::uint32_t kKeysymAltR = 0xFFEA;

bool isHighSurrogate(std::uint16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(std::uint16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

XTestInputSink::XTestInputSink() {
  std::string error;
  int screenNumber = 0;
  connection_ = connectToDisplay(&screenNumber, error);
  if (!connection_) {
    PV_LOG_ERROR("Input injection unavailable: {}", error);
    return;
  }
  xcb_connection_t* c = connection_.get();
  const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(c, &xcb_test_id);
  if (!xtest || !xtest->present) {
    PV_LOG_ERROR("Input injection unavailable: the X server has no XTEST extension");
    connection_.reset();
    return;
  }
  if (xcb_screen_t* screen = screenOf(c, screenNumber)) {
    root_ = screen->root;
    rootWidth_ = screen->width_in_pixels;
    rootHeight_ = screen->height_in_pixels;
  }
  // Screen-size changes arrive as ConfigureNotify of the root; keymap changes reach every client.
  const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root_, XCB_CW_EVENT_MASK, &mask);
  std::lock_guard lock(mutex_);
  loadKeymap();
}

XTestInputSink::~XTestInputSink() {
  std::lock_guard lock(mutex_);
  if (!connection_) return;
  // What is still down is the injector's to let go of (it does before the sink goes); the
  // keymap changes made for typing end here in any case.
  for (SpareKey& spare : spares_) spare.held = 0;
  giveBackIdle(Clock::now(), true);
  sync();
}

void XTestInputSink::sync() {
  // A round trip: the server has applied every request before it answers, also when the
  // connection closes right after (requests still queued at a disconnect may be dropped).
  xcb_connection_t* c = connection_.get();
  XcbReply<xcb_get_input_focus_reply_t> reply{xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)};
}

std::uint16_t XTestInputSink::scanCodeOf(std::uint8_t virtualKey) { return virtualKeyOf(virtualKey).scanCode; }

void XTestInputSink::restoreKeyboard() {
  std::lock_guard lock(mutex_);
  if (!connection_) return;
  processEvents();
  giveBackIdle(Clock::now(), true);
  sync();
}

std::uint32_t XTestInputSink::sendInputs(std::span<const InputRecord> records) {
  std::lock_guard lock(mutex_);
  if (!connection_) return 0;
  processEvents();
  giveBackIdle(Clock::now(), false);
  for (const InputRecord& record : records) {
    if (record.type == InputRecord::Type::Mouse) {
      applyMouse(record);
    } else {
      applyKey(record);
    }
  }
  if (xcb_flush(connection_.get()) <= 0 || xcb_connection_has_error(connection_.get()) != 0) return 0;
  return static_cast<std::uint32_t>(records.size());
}

void XTestInputSink::processEvents() {
  xcb_connection_t* c = connection_.get();
  while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(c)}) {
    switch (event->response_type & 0x7F) {
      case XCB_MAPPING_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_mapping_notify_event_t*>(event.get());
        if (e->request == XCB_MAPPING_KEYBOARD) keymapStale_ = true;
        break;
      }
      case XCB_CONFIGURE_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event.get());
        if (e->window == root_) {
          rootWidth_ = e->width;
          rootHeight_ = e->height;
        }
        break;
      }
      case 0:  // an XTest request refused (for example a keycode out of range)
        PV_LOG_DEBUG("XTest: {}", describeXError(reinterpret_cast<const xcb_generic_error_t*>(event.get())));
        break;
      default:
        break;
    }
  }
}

void XTestInputSink::loadKeymap() {
  xcb_connection_t* c = connection_.get();
  const xcb_setup_t* setup = xcb_get_setup(c);
  minKeycode_ = setup->min_keycode;
  maxKeycode_ = setup->max_keycode;
  const int count = maxKeycode_ - minKeycode_ + 1;
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_keyboard_mapping_reply_t> mapping{xcb_get_keyboard_mapping_reply(
      c, xcb_get_keyboard_mapping(c, minKeycode_, static_cast<std::uint8_t>(count)), &rawError)};
  XcbError error{rawError};
  keymapStale_ = false;
  if (!mapping) {
    keysymsPerKeycode_ = 0;
    keysyms_.clear();
    return;
  }
  keysymsPerKeycode_ = mapping->keysyms_per_keycode;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
  keysyms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(mapping.get()));

  // Spare keycodes: ours that still carry what we mapped (or are held down), and every keycode
  // without any keysym. A new keymap (another layout loaded) has wiped the rest.
  std::vector<SpareKey> spares;
  for (SpareKey& spare : spares_) {
    const bool ours = spare.keysym != 0 && keysymAt(spare.keycode, 0) == spare.keysym &&
                      keysymAt(spare.keycode, 1) == spare.shifted;
    if (ours || spare.held > 0) spares.push_back(spare);
  }
  for (int keycode = minKeycode_; keycode <= maxKeycode_; ++keycode) {
    const auto code = static_cast<xcb_keycode_t>(keycode);
    bool empty = true;
    for (int column = 0; column < keysymsPerKeycode_ && empty; ++column) empty = keysymAt(code, column) == 0;
    const bool known = std::any_of(spares.begin(), spares.end(), [&](const SpareKey& s) { return s.keycode == code; });
    if (empty && !known) spares.push_back(SpareKey{code});
  }
  spares_ = std::move(spares);
  if (spares_.size() < kMinSpareKeys) borrowSpareKeys();
  PV_LOG_DEBUG("Keymap loaded: {} spare keycodes, {} mapped for typing", spares_.size(),
               std::count_if(spares_.begin(), spares_.end(), [](const SpareKey& s) { return s.keysym != 0; }));
  if (spares_.empty()) PV_LOG_WARN("The keymap has no spare keycode: characters it lacks cannot be typed");
}

void XTestInputSink::borrowSpareKeys() {
  xcb_connection_t* c = connection_.get();
  xcb_generic_error_t* rawError = nullptr;
  XcbReply<xcb_get_modifier_mapping_reply_t> modifiers{
      xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), &rawError)};
  XcbError error{rawError};
  std::vector<xcb_keycode_t> modifierKeys;
  if (modifiers) {
    const xcb_keycode_t* keys = xcb_get_modifier_mapping_keycodes(modifiers.get());
    modifierKeys.assign(keys, keys + xcb_get_modifier_mapping_keycodes_length(modifiers.get()));
  }
  for (int keycode = maxKeycode_; keycode >= minKeycode_ && spares_.size() < kMinSpareKeys; --keycode) {
    const auto code = static_cast<xcb_keycode_t>(keycode);
    if (std::find(modifierKeys.begin(), modifierKeys.end(), code) != modifierKeys.end()) continue;
    if (isSpare(code)) continue;
    SpareKey spare{code};
    bool usable = true;
    for (int column = 0; column < keysymsPerKeycode_ && usable; ++column) {
      const std::uint32_t keysym = keysymAt(code, column);
      usable = !isVirtualKeyKeysym(keysym);
      spare.original.push_back(keysym);
    }
    if (usable) spares_.push_back(std::move(spare));
  }
}

std::uint32_t XTestInputSink::keysymAt(xcb_keycode_t keycode, int column) const {
  if (keycode < minKeycode_ || keycode > maxKeycode_ || column >= keysymsPerKeycode_) return 0;
  const std::size_t index = static_cast<std::size_t>(keycode - minKeycode_) * keysymsPerKeycode_ + column;
  return index < keysyms_.size() ? keysyms_[index] : 0;
}

bool XTestInputSink::isSpare(xcb_keycode_t keycode) const {
  return std::any_of(spares_.begin(), spares_.end(), [&](const SpareKey& s) { return s.keycode == keycode; });
}

xcb_keycode_t XTestInputSink::keymapKeycode(std::uint32_t keysym) {
  if (keymapStale_) loadKeymap();
  // Only a key that gives the keysym without Shift or another level: the client's modifiers
  // then mean on the desktop what they meant to the user. A spare mapped for typing is not the
  // layout's key, and is given back under a key held on it.
  for (int keycode = minKeycode_; keycode <= maxKeycode_; ++keycode) {
    const auto code = static_cast<xcb_keycode_t>(keycode);
    if (keysymAt(code, 0) == keysym && !isSpare(code)) return code;
  }
  return 0;
}

XTestInputSink::SpareKey* XTestInputSink::spareKey(std::uint32_t keysym, std::uint32_t shifted) {
  if (keymapStale_) loadKeymap();
  SpareKey* chosen = nullptr;
  for (SpareKey& spare : spares_) {
    if (spare.keysym == keysym && spare.shifted == shifted) return &spare;
  }
  // A free keycode first, else the one idle longest (never one held down).
  for (SpareKey& spare : spares_) {
    if (spare.held > 0) continue;
    if (!chosen || (spare.keysym == 0 && chosen->keysym != 0) ||
        ((spare.keysym == 0) == (chosen->keysym == 0) && spare.lastUsed < chosen->lastUsed)) {
      chosen = &spare;
    }
  }
  if (!chosen) return nullptr;
  if (chosen->keysym != 0) {
    const auto ready = chosen->lastUsed + kSpareReuseDelay;
    if (Clock::now() < ready) std::this_thread::sleep_until(ready);
  }
  mapKeycode(chosen->keycode, keysym, shifted);
  chosen->keysym = keysym;
  chosen->shifted = shifted;
  return chosen;
}

void XTestInputSink::mapKeycode(xcb_keycode_t keycode, std::uint32_t keysym, std::uint32_t shifted) {
  const xcb_keysym_t syms[2] = {keysym, shifted};
  xcb_change_keyboard_mapping(connection_.get(), 1, keycode, 2, syms);
  // Keep the local copy in step; the MappingNotify that follows reloads it anyway.
  if (keycode >= minKeycode_ && keycode <= maxKeycode_ && keysymsPerKeycode_ > 0) {
    const std::size_t base = static_cast<std::size_t>(keycode - minKeycode_) * keysymsPerKeycode_;
    for (int column = 0; column < keysymsPerKeycode_ && base + column < keysyms_.size(); ++column) {
      keysyms_[base + column] = column < 2 ? syms[column] : 0;
    }
  }
}

void XTestInputSink::giveBackIdle(Clock::time_point now, bool all) {
  const auto isDue = [&](const SpareKey& spare) {
    return spare.keysym != 0 && spare.held == 0 && (all || now - spare.lastUsed >= kSpareKeyHold);
  };
  if (std::none_of(spares_.begin(), spares_.end(), isDue)) return;
  if (keymapStale_) loadKeymap();  // rebuilds spares_: collect only afterwards
  std::vector<SpareKey*> due;
  for (SpareKey& spare : spares_) {
    if (isDue(spare)) due.push_back(&spare);
  }
  if (due.empty()) return;
  std::sort(due.begin(), due.end(), [](const SpareKey* a, const SpareKey* b) { return a->keycode < b->keycode; });
  // Neighbouring keycodes go back in one request: every keymap change makes each client (the
  // window manager re-grabbing its keys among them) read the keymap again.
  const int per = std::max(keysymsPerKeycode_, 2);
  for (std::size_t first = 0; first < due.size();) {
    std::size_t last = first;
    while (last + 1 < due.size() && due[last + 1]->keycode == due[last]->keycode + 1) ++last;
    std::vector<xcb_keysym_t> syms;
    for (std::size_t i = first; i <= last; ++i) {
      std::vector<std::uint32_t> original = due[i]->original;
      original.resize(static_cast<std::size_t>(per), 0);
      syms.insert(syms.end(), original.begin(), original.end());
      due[i]->keysym = due[i]->shifted = 0;
    }
    xcb_change_keyboard_mapping(connection_.get(), static_cast<std::uint8_t>(last - first + 1), due[first]->keycode,
                                static_cast<std::uint8_t>(per), syms.data());
    first = last + 1;
  }
  keymapStale_ = true;
  PV_LOG_DEBUG("Gave back {} spare keycodes", due.size());
}

void XTestInputSink::applyMouse(const InputRecord& record) {
  xcb_connection_t* c = connection_.get();
  const std::uint32_t flags = record.mouseFlags;
  if (flags & kMouseMove) {
    if (flags & kMouseAbsolute) {
      // The desktop is the root window, with or without the virtual-desk flag.
      const auto x = fromVirtualDesk(record.dx, std::max(rootWidth_, 1));
      const auto y = fromVirtualDesk(record.dy, std::max(rootHeight_, 1));
      xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, static_cast<std::int16_t>(x),
                          static_cast<std::int16_t>(y), 0);
    } else {
      const auto step = [](std::int32_t v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); };
      xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 1, XCB_CURRENT_TIME, XCB_WINDOW_NONE, step(record.dx),
                          step(record.dy), 0);
    }
  }
  if (flags & kMouseLeftDown) click(kButtonLeft, true);
  if (flags & kMouseLeftUp) click(kButtonLeft, false);
  if (flags & kMouseRightDown) click(kButtonRight, true);
  if (flags & kMouseRightUp) click(kButtonRight, false);
  if (flags & kMouseMiddleDown) click(kButtonMiddle, true);
  if (flags & kMouseMiddleUp) click(kButtonMiddle, false);
  const std::uint8_t extra = record.mouseData == kXButton1 ? kButtonBack
                             : record.mouseData == kXButton2 ? kButtonForward
                                                             : 0;
  if ((flags & kMouseXDown) && extra != 0) click(extra, true);
  if ((flags & kMouseXUp) && extra != 0) click(extra, false);
  const auto delta = static_cast<std::int32_t>(record.mouseData);
  if (flags & kMouseWheel) wheel(delta, wheelUpRest_, wheelDownRest_, kButtonWheelUp, kButtonWheelDown);
  if (flags & kMouseHWheel) wheel(delta, wheelRightRest_, wheelLeftRest_, kButtonWheelRight, kButtonWheelLeft);
}

void XTestInputSink::wheel(std::int32_t delta, std::int32_t& positiveRest, std::int32_t& negativeRest,
                           std::uint8_t positiveButton, std::uint8_t negativeButton) {
  if (delta == 0) return;
  // One click per notch; what is left of a notch waits for the next turn the same way.
  std::int32_t& rest = delta > 0 ? positiveRest : negativeRest;
  const std::int64_t total = static_cast<std::int64_t>(rest) + (delta > 0 ? delta : -static_cast<std::int64_t>(delta));
  const std::int64_t clicks = std::min<std::int64_t>(total / kWheelDelta, kMaxWheelClicks);
  rest = static_cast<std::int32_t>(total % kWheelDelta);
  for (std::int64_t i = 0; i < clicks; ++i) {
    click(delta > 0 ? positiveButton : negativeButton, true);
    click(delta > 0 ? positiveButton : negativeButton, false);
  }
}

void XTestInputSink::click(std::uint8_t button, bool down) {
  xcb_test_fake_input(connection_.get(), down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME,
                      XCB_WINDOW_NONE, 0, 0, 0);
}

void XTestInputSink::pressKey(xcb_keycode_t keycode, bool down) {
  xcb_test_fake_input(connection_.get(), down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, keycode, XCB_CURRENT_TIME,
                      XCB_WINDOW_NONE, 0, 0, 0);
}

void XTestInputSink::pressSpare(SpareKey& spare, bool down) {
  pressKey(spare.keycode, down);
  spare.held = std::max(0, spare.held + (down ? 1 : -1));
  spare.lastUsed = Clock::now();
}

void XTestInputSink::applyKey(const InputRecord& record) {
  if (record.keyFlags & kKeyUnicode) {
    applyCharacter(record);
    return;
  }
  const bool down = (record.keyFlags & kKeyUp) == 0;
  const auto vk = static_cast<std::uint8_t>(record.virtualKey);
  if (!down && pressedOn_[vk] != 0) {
    // Released on the key it was pressed on, whatever the keymap says now.
    const xcb_keycode_t keycode = pressedOn_[vk];
    pressedOn_[vk] = 0;
    releaseKeycode(keycode);
    return;
  }
  VirtualKey key = virtualKeyOf(vk);
  if (record.keyFlags & kKeyExtended) {
    // The extended variants that are keys of their own on X11.
    if (vk == kVkReturn) key.keysym = key.shiftedKeysym = kKeysymKpEnter;
    if (vk == kVkControl) key.keysym = key.shiftedKeysym = kKeysymControlR;
    if (vk == kVkMenu) key.keysym = key.shiftedKeysym = kKeysymAltR;
  }
  if (key.keysym == 0) {
    PV_LOG_DEBUG("No key for virtual key {:#04x}", vk);
    return;
  }
  if (const xcb_keycode_t keycode = keymapKeycode(key.keysym)) {
    pressKey(keycode, down);
    if (down) pressedOn_[vk] = keycode;
    return;
  }
  if (SpareKey* spare = spareKey(key.keysym, key.shiftedKeysym)) {
    pressSpare(*spare, down);
    if (down) pressedOn_[vk] = spare->keycode;
  }
}

void XTestInputSink::releaseKeycode(xcb_keycode_t keycode) {
  const auto spare = std::find_if(spares_.begin(), spares_.end(), [&](const SpareKey& s) { return s.keycode == keycode; });
  if (spare != spares_.end() && spare->held > 0) {
    pressSpare(*spare, false);
  } else {
    pressKey(keycode, false);
  }
}

void XTestInputSink::releaseCharacter(std::uint16_t unit) {
  const auto held = heldCharacters_.find(unit);
  if (held == heldCharacters_.end()) return;
  const xcb_keycode_t keycode = held->second;
  heldCharacters_.erase(held);
  releaseKeycode(keycode);
}

void XTestInputSink::applyCharacter(const InputRecord& record) {
  const bool down = (record.keyFlags & kKeyUp) == 0;
  const std::uint16_t unit = record.scanCode;
  if (!down) {
    releaseCharacter(unit);  // nothing for a high surrogate's release or a dropped unit
    return;
  }
  std::uint32_t codePoint = unit;
  if (isHighSurrogate(unit)) {
    if (pendingHighSurrogate_ != 0) PV_LOG_WARN("Dropped a lone UTF-16 surrogate {:#06x}", pendingHighSurrogate_);
    pendingHighSurrogate_ = unit;  // its pair follows as the next character
    return;
  }
  if (isLowSurrogate(unit)) {
    if (pendingHighSurrogate_ == 0) {
      PV_LOG_WARN("Dropped a lone UTF-16 surrogate {:#06x}", unit);
      return;
    }
    codePoint = 0x10000u + ((static_cast<std::uint32_t>(pendingHighSurrogate_) - 0xD800u) << 10) + (unit - 0xDC00u);
    pendingHighSurrogate_ = 0;
  } else if (pendingHighSurrogate_ != 0) {
    PV_LOG_WARN("Dropped a lone UTF-16 surrogate {:#06x}", pendingHighSurrogate_);
    pendingHighSurrogate_ = 0;
  }
  const std::uint32_t keysym = keysymOfCharacter(codePoint);
  if (keysym == 0) {
    PV_LOG_DEBUG("No key types U+{:04X}", codePoint);
    return;
  }
  SpareKey* spare = spareKey(keysym, keysym);
  if (!spare) {
    PV_LOG_WARN("No spare keycode free to type U+{:04X}", codePoint);
    return;
  }
  releaseCharacter(unit);  // a repeat without a release in between
  pressSpare(*spare, true);
  heldCharacters_[unit] = spare->keycode;
}

}  // namespace parvalon::host::platform::linux_x11
