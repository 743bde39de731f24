#include "UnavailableAudioEndpoint.h"

namespace parvalon::host::platform {

std::unique_ptr<AudioEndpoint> AudioEndpoint::create() { return std::make_unique<windows::UnavailableAudioEndpoint>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::windows {

AudioEndpoint::OpenResult UnavailableAudioEndpoint::open(bool) {
  OpenResult result;
  result.failedStep = OpenStep::GetDefaultEndpoint;
  result.status = kNotFound;
  return result;
}

AudioStatus UnavailableAudioEndpoint::nextPacketSize(std::uint32_t& frames) {
  frames = 0;
  return kNotFound;
}

AudioStatus UnavailableAudioEndpoint::getBuffer(AudioPacket& packet) {
  packet = {};
  return kNotFound;
}

}  // namespace parvalon::host::platform::windows
