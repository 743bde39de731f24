#pragma once

#include "platform/AudioEndpoint.h"

namespace parvalon::host::platform::windows {

// Audio of the Windows host until WASAPI loopback is built in: opening finds no default
// endpoint, as Windows reports on a machine without an audio device, so the host runs on
// without audio.
class UnavailableAudioEndpoint : public AudioEndpoint {
 public:
  // HRESULT_FROM_WIN32(ERROR_NOT_FOUND), the default-endpoint lookup's answer without a device.
  static constexpr AudioStatus kNotFound = 0x80070490u;

  bool createEvent() override { return true; }
  OpenResult open(bool loopback) override;
  AudioStatus start() override { return kNotFound; }
  void stop() override {}
  bool waitForData(std::chrono::milliseconds) override { return false; }
  void wake() override {}
  AudioStatus nextPacketSize(std::uint32_t& frames) override;
  AudioStatus getBuffer(AudioPacket& packet) override;
  AudioStatus releaseBuffer(std::uint32_t) override { return kNotFound; }
  void raiseThreadPriority() override {}
};

}  // namespace parvalon::host::platform::windows
