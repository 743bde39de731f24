#include "UnavailableInputSink.h"

namespace parvalon::host::platform {

std::unique_ptr<InputSink> InputSink::create() { return std::make_unique<windows::UnavailableInputSink>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::windows {

std::uint32_t UnavailableInputSink::sendInputs(std::span<const InputRecord>) { return 0; }

std::uint16_t UnavailableInputSink::scanCodeOf(std::uint8_t) { return 0; }

}  // namespace parvalon::host::platform::windows
