#include "platform/windows/Win32InputSink.h"

#include <algorithm>
#include <vector>

#include "platform/VirtualDesk.h"

namespace parvalon::host::platform {

std::unique_ptr<InputSink> InputSink::create() { return std::make_unique<win32::Win32InputSink>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::win32 {

std::int32_t Win32InputSink::exactAbsolute(std::int32_t value, std::int32_t extent) {
  if (extent < 1) return value;
  const std::int64_t pixel = fromVirtualDesk(value, extent);
  const std::int64_t exact = (pixel * 65536 + extent - 1) / extent;
  return static_cast<std::int32_t>(std::min<std::int64_t>(exact, kVirtualDeskMax));
}

INPUT Win32InputSink::toInput(const InputRecord& record, std::int32_t deskWidth, std::int32_t deskHeight) {
  INPUT input{};
  if (record.type == InputRecord::Type::Mouse) {
    input.type = INPUT_MOUSE;
    input.mi.dx = record.dx;
    input.mi.dy = record.dy;
    if ((record.mouseFlags & input_flags::kMouseAbsolute) && (record.mouseFlags & input_flags::kMouseMove)) {
      input.mi.dx = exactAbsolute(record.dx, deskWidth);
      input.mi.dy = exactAbsolute(record.dy, deskHeight);
    }
    input.mi.mouseData = record.mouseData;
    input.mi.dwFlags = record.mouseFlags;
  } else {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = record.virtualKey;
    input.ki.wScan = record.scanCode;
    input.ki.dwFlags = record.keyFlags;
  }
  return input;
}

std::uint32_t Win32InputSink::sendInputs(std::span<const InputRecord> records) {
  if (records.empty()) return 0;
  // Absolute moves refer to the whole virtual screen with MOUSEEVENTF_VIRTUALDESK, else to the
  // primary screen; both are read per batch, so a display change applies at once.
  const std::int32_t virtualWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const std::int32_t virtualHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  const std::int32_t primaryWidth = GetSystemMetrics(SM_CXSCREEN);
  const std::int32_t primaryHeight = GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs;
  inputs.reserve(records.size());
  for (const InputRecord& record : records) {
    const bool virtualDesk = (record.mouseFlags & input_flags::kMouseVirtualDesk) != 0;
    inputs.push_back(toInput(record, virtualDesk ? virtualWidth : primaryWidth,
                             virtualDesk ? virtualHeight : primaryHeight));
  }
  // One call keeps the batch together: no other program's input lands between a move and its
  // button record.
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::uint16_t Win32InputSink::scanCodeOf(std::uint8_t virtualKey) {
  return static_cast<std::uint16_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
}

}  // namespace parvalon::host::platform::win32
