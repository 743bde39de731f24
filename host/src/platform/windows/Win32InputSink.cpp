#include "platform/windows/Win32InputSink.h"

#include <vector>

namespace parvalon::host::platform {

std::unique_ptr<InputSink> InputSink::create() { return std::make_unique<win32::Win32InputSink>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::win32 {

INPUT Win32InputSink::toInput(const InputRecord& record) {
  INPUT input{};
  if (record.type == InputRecord::Type::Mouse) {
    input.type = INPUT_MOUSE;
    input.mi.dx = record.dx;
    input.mi.dy = record.dy;
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
  std::vector<INPUT> inputs;
  inputs.reserve(records.size());
  for (const InputRecord& record : records) inputs.push_back(toInput(record));
  // One call keeps the batch together: no other program's input lands between a move and its
  // button record.
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::uint16_t Win32InputSink::scanCodeOf(std::uint8_t virtualKey) {
  return static_cast<std::uint16_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
}

}  // namespace parvalon::host::platform::win32
