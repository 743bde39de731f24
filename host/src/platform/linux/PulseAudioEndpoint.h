#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/AudioEndpoint.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace parvalon::host::platform::linux_x11 {

// A PulseAudio record stream on the default sink's monitor (or the default source), asked for
// as 48000 Hz stereo float32 so the server converts whatever the device runs at.
//
// The server is reached from a threaded mainloop; every PulseAudio call takes its lock. The
// data-ready event is our own (a condition variable), because a mainloop wait has no timeout
// and no way to be interrupted by a stop request.
class PulseAudioEndpoint final : public AudioEndpoint {
 public:
  static constexpr std::uint32_t kSampleRate = 48000;
  static constexpr std::uint32_t kChannels = 2;
  static constexpr std::uint32_t kBitsPerSample = 32;
  static constexpr std::chrono::milliseconds kFragment{10};
  // Every wait for the server is bounded by this, so an absent or stuck server costs a failed
  // open, never a hang.
  static constexpr std::chrono::milliseconds kServerTimeout{2000};
  static constexpr int kCaptureThreadNice = -15;
  static constexpr const char* kMonitorSource = "@DEFAULT_MONITOR@";
  static constexpr const char* kDefaultSource = "@DEFAULT_SOURCE@";

  PulseAudioEndpoint() = default;
  ~PulseAudioEndpoint() override;
  PulseAudioEndpoint(const PulseAudioEndpoint&) = delete;
  PulseAudioEndpoint& operator=(const PulseAudioEndpoint&) = delete;

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

 private:
  struct MainloopDeleter {
    void operator()(pa_threaded_mainloop* mainloop) const;
  };
  struct ContextDeleter {
    void operator()(pa_context* context) const;
  };
  struct StreamDeleter {
    void operator()(pa_stream* stream) const;
  };

  // Both leave PulseAudio's account of a failure in `reason` for open to log.
  OpenResult connect(std::string& reason);
  OpenResult openStreamLocked(bool loopback, std::string& reason);
  // Called with the mainloop locked: waits until `done` holds or `timeout` passed; false on timeout.
  bool waitLocked(const std::function<bool()>& done, std::chrono::milliseconds timeout);
  // Called with the mainloop locked: corks or uncorks the stream and waits for the server.
  AudioStatus corkLocked(bool cork);
  AudioStatus contextError() const;
  // Called with the mainloop locked: the server the context tried, for the log.
  std::string serverNameLocked() const;
  AudioStatus dropPeekLocked();
  void signalEvent();
  void close();

  static void onContextState(pa_context* context, void* self);
  static void onStreamState(pa_stream* stream, void* self);
  static void onStreamRead(pa_stream* stream, std::size_t bytes, void* self);

  std::unique_ptr<pa_threaded_mainloop, MainloopDeleter> mainloop_;
  std::unique_ptr<pa_context, ContextDeleter> context_;  // mainloop lock
  std::unique_ptr<pa_stream, StreamDeleter> stream_;     // mainloop lock

  // The chunk of the last peek until it is dropped; the capture thread only (and stop, after
  // the capture thread has ended). The data stays valid without the lock until the drop.
  bool peeked_ = false;
  const void* peekData_ = nullptr;  // null: a hole, delivered as a silent packet
  std::size_t peekBytes_ = 0;

  // Guards eventSignalled_; taken by the mainloop thread (read callback), the capture thread
  // (wait) and whoever wakes. Never held while taking the mainloop lock.
  std::mutex eventMutex_;
  std::condition_variable eventChanged_;
  bool eventSignalled_ = false;
};

}  // namespace parvalon::host::platform::linux_x11
