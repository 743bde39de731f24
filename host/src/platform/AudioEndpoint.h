#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace parvalon::host::platform {

// A failure code of the audio platform (WASAPI: the HRESULT; PulseAudio: the PA_ERR_* number);
// 0 is success. Printed by the caller as "{:#x}".
using AudioStatus = std::uint32_t;
inline constexpr AudioStatus kAudioOk = 0;

// The stream's sample format as the device delivers it.
struct AudioMixFormat {
  std::uint32_t sampleRate = 0;
  std::uint32_t channels = 0;
  std::uint32_t bitsPerSample = 0;
  bool isFloat = false;  // IEEE float samples (else signed integer)
};

// One captured packet, valid until releaseBuffer: frames × channels interleaved samples in the
// mix format. A silent packet's data must not be read.
struct AudioPacket {
  const void* data = nullptr;
  std::uint32_t frames = 0;
  bool silent = false;
};

// The default render endpoint in loopback (or the default capture endpoint) as one shared-mode,
// event-driven capture stream.
//
// Threads: createEvent, open, start, stop and the destructor run on the owner's thread while no
// capture thread runs (start/stop bracket it); waitForData, nextPacketSize, getBuffer,
// releaseBuffer and raiseThreadPriority run on the one capture thread; wake may run on any
// thread at any time.
class AudioEndpoint {
 public:
  // The step of opening that failed; each has its own log line at the caller.
  enum class OpenStep {
    None,                // opened
    CreateEnumerator,    // reaching the audio service
    GetDefaultEndpoint,  // finding the default device
    ActivateClient,      // creating the stream object
    GetMixFormat,
    InitializeClient,    // connecting the stream (not yet running)
    SetEventHandle,
    GetCaptureClient,
  };

  struct OpenResult {
    OpenStep failedStep = OpenStep::None;
    AudioStatus status = kAudioOk;
    // The device's friendly name when known (possibly also when a later step failed).
    std::string friendlyName;
    AudioMixFormat format;  // valid when opened
    bool ok() const { return failedStep == OpenStep::None; }
  };

  virtual ~AudioEndpoint() = default;

  // Creates the data-ready event that waitForData waits on; false when it cannot be made.
  virtual bool createEvent() = 0;
  // Opens the default render endpoint in loopback when `loopback` is true, the default capture
  // endpoint otherwise; the stream is left stopped.
  virtual OpenResult open(bool loopback) = 0;
  // Starts / stops the stream. start on an endpoint that is not open fails with a non-zero code.
  virtual AudioStatus start() = 0;
  virtual void stop() = 0;

  // Waits until data is ready or wake() was called (true), or the timeout passed (false).
  // The event resets when a wait returns it.
  virtual bool waitForData(std::chrono::milliseconds timeout) = 0;
  // Makes the current or the next waitForData return true at once.
  virtual void wake() = 0;

  // Frames in the next packet, 0 when none is ready.
  virtual AudioStatus nextPacketSize(std::uint32_t& frames) = 0;
  virtual AudioStatus getBuffer(AudioPacket& packet) = 0;
  // Gives the packet of the last getBuffer back; `frames` is its frame count.
  virtual AudioStatus releaseBuffer(std::uint32_t frames) = 0;

  // Raises the calling (capture) thread's scheduling priority where the OS allows it.
  virtual void raiseThreadPriority() = 0;

  // The real endpoint of this platform.
  static std::unique_ptr<AudioEndpoint> create();
};

}  // namespace parvalon::host::platform
