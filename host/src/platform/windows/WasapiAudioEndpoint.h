#pragma once

#include <windows.h>

#include <audioclient.h>
#include <mmdeviceapi.h>

#include <string>

#include "platform/AudioEndpoint.h"

namespace parvalon::host::platform::win32 {

// One shared-mode, event-driven WASAPI stream in the device's mix format: the default render
// endpoint in loopback, or the default capture endpoint.
//
// COM: open joins the multithreaded apartment (balanced at destruction, on the same owner
// thread); the audio client and capture client are free-threaded, so the capture thread calls
// them without an apartment of its own.
class WasapiAudioEndpoint final : public AudioEndpoint {
 public:
  // The shared-mode buffer: 20 ms in 100-ns units. Periodicity 0 lets the engine choose (10 ms).
  static constexpr REFERENCE_TIME kBufferDuration = 200000;
  // The friendly name is cut to this many bytes of UTF-8, at a character boundary.
  static constexpr std::size_t kMaxNameBytes = 256;

  WasapiAudioEndpoint() = default;
  ~WasapiAudioEndpoint() override;
  WasapiAudioEndpoint(const WasapiAudioEndpoint&) = delete;
  WasapiAudioEndpoint& operator=(const WasapiAudioEndpoint&) = delete;

  bool createEvent() override;
  OpenResult open(bool loopback) override;
  AudioStatus start() override;
  void stop() override;
  bool waitForData(std::chrono::milliseconds timeout) override;
  void wake() override;
  AudioStatus nextPacketSize(std::uint32_t& frames) override;
  AudioStatus getBuffer(AudioPacket& packet) override;
  AudioStatus releaseBuffer(std::uint32_t frames) override;
  void raiseThreadPriority() override;

  // What the capture delivers for a WASAPI mix format: float for WAVE_FORMAT_IEEE_FLOAT and for
  // WAVE_FORMAT_EXTENSIBLE with the IEEE-float sub-format, integer otherwise.
  static AudioMixFormat describe(const WAVEFORMATEX& format);
  // UTF-8 of a device name, cut to at most `maxBytes` without splitting a character.
  static std::string cutName(const std::wstring& name, std::size_t maxBytes);

 private:
  // The device's friendly name; empty when its property store does not give one.
  static std::string friendlyName(IMMDevice* device);
  void close();

  HANDLE event_ = nullptr;
  bool comInitialized_ = false;
  IMMDevice* device_ = nullptr;
  IAudioClient* audioClient_ = nullptr;
  IAudioCaptureClient* captureClient_ = nullptr;
  WAVEFORMATEX* mixFormat_ = nullptr;  // CoTaskMemFree
};

}  // namespace parvalon::host::platform::win32
