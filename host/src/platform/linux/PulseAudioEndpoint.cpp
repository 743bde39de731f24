#include "platform/linux/PulseAudioEndpoint.h"

#include <pulse/pulseaudio.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fmt/format.h>

#include "logging/Log.h"

namespace parvalon::host::platform {

std::unique_ptr<AudioEndpoint> AudioEndpoint::create() {
  return std::make_unique<linux_x11::PulseAudioEndpoint>();
}

namespace linux_x11 {
namespace {

constexpr const char* kClientName = "Parvalon Host";
constexpr const char* kStreamName = "Loopback capture";

pa_sample_spec requestedFormat() {
  pa_sample_spec sampleFormat{};
  sampleFormat.format = PA_SAMPLE_FLOAT32LE;
  sampleFormat.rate = PulseAudioEndpoint::kSampleRate;
  sampleFormat.channels = PulseAudioEndpoint::kChannels;
  return sampleFormat;
}

constexpr std::size_t kFrameBytes = PulseAudioEndpoint::kChannels * PulseAudioEndpoint::kBitsPerSample / 8;

bool isFinal(pa_context_state_t state) {
  return state == PA_CONTEXT_READY || state == PA_CONTEXT_FAILED || state == PA_CONTEXT_TERMINATED;
}

bool isFinal(pa_stream_state_t state) {
  return state == PA_STREAM_READY || state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

// What the source lookup found; written by the mainloop thread under its lock.
struct SourceLookup {
  pa_threaded_mainloop* mainloop = nullptr;
  bool found = false;
  std::string name;
  std::string description;
};

void onSourceInfo(pa_context*, const pa_source_info* info, int eol, void* userdata) {
  auto* lookup = static_cast<SourceLookup*>(userdata);
  if (eol == 0 && info != nullptr) {
    lookup->found = true;
    lookup->name = info->name ? info->name : "";
    lookup->description = info->description ? info->description : "";
  }
  pa_threaded_mainloop_signal(lookup->mainloop, 0);
}

struct CorkResult {
  pa_threaded_mainloop* mainloop = nullptr;
  bool done = false;
  bool success = false;
};

void onCorked(pa_stream*, int success, void* userdata) {
  auto* result = static_cast<CorkResult*>(userdata);
  result->done = true;
  result->success = success != 0;
  pa_threaded_mainloop_signal(result->mainloop, 0);
}

struct Deadline {
  pa_threaded_mainloop* mainloop = nullptr;
  bool passed = false;
};

void onDeadline(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* userdata) {
  auto* deadline = static_cast<Deadline*>(userdata);
  deadline->passed = true;
  pa_threaded_mainloop_signal(deadline->mainloop, 0);
}

// PulseAudio's own words for a failure code (PA_ERR_*).
const char* reasonText(AudioStatus status) {
  const char* text = pa_strerror(static_cast<int>(status));
  return text != nullptr ? text : "Unknown error code";
}

// Holds the mainloop lock for a scope.
class MainloopLock {
 public:
  explicit MainloopLock(pa_threaded_mainloop* mainloop) : mainloop_(mainloop) { pa_threaded_mainloop_lock(mainloop_); }
  ~MainloopLock() { pa_threaded_mainloop_unlock(mainloop_); }
  MainloopLock(const MainloopLock&) = delete;
  MainloopLock& operator=(const MainloopLock&) = delete;

 private:
  pa_threaded_mainloop* mainloop_;
};

}  // namespace

void PulseAudioEndpoint::MainloopDeleter::operator()(pa_threaded_mainloop* mainloop) const {
  pa_threaded_mainloop_free(mainloop);
}
void PulseAudioEndpoint::ContextDeleter::operator()(pa_context* context) const { pa_context_unref(context); }
void PulseAudioEndpoint::StreamDeleter::operator()(pa_stream* stream) const { pa_stream_unref(stream); }

PulseAudioEndpoint::~PulseAudioEndpoint() { close(); }

// The event is a condition variable of ours; making it cannot fail.
bool PulseAudioEndpoint::createEvent() {
  std::lock_guard lock(eventMutex_);
  eventSignalled_ = false;
  return true;
}

AudioEndpoint::OpenResult PulseAudioEndpoint::open(bool loopback) {
  close();
  std::string reason;
  OpenResult result = connect(reason);
  if (result.ok()) {
    MainloopLock lock(mainloop_.get());
    result = openStreamLocked(loopback, reason);
  }
  if (!result.ok()) close();
  // Logged outside the mainloop lock; the caller logs the step that failed.
  if (!reason.empty()) PV_LOG_WARN("{}", reason);
  return result;
}

// Reaching the server stands in for creating the device enumerator.
AudioEndpoint::OpenResult PulseAudioEndpoint::connect(std::string& reason) {
  OpenResult result;
  result.failedStep = OpenStep::CreateEnumerator;
  result.status = PA_ERR_INTERNAL;
  mainloop_.reset(pa_threaded_mainloop_new());
  if (!mainloop_) return result;
  context_.reset(pa_context_new(pa_threaded_mainloop_get_api(mainloop_.get()), kClientName));
  if (!context_) return result;
  pa_context_set_state_callback(context_.get(), &PulseAudioEndpoint::onContextState, this);
  if (pa_threaded_mainloop_start(mainloop_.get()) < 0) return result;

  MainloopLock lock(mainloop_.get());
  // No autospawn: the host must not start a sound server of its own.
  if (pa_context_connect(context_.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
    result.status = contextError();
  } else {
    pa_context* context = context_.get();
    if (!waitLocked([context] { return isFinal(pa_context_get_state(context)); }, kServerTimeout)) {
      result.status = PA_ERR_TIMEOUT;
    } else if (pa_context_get_state(context) != PA_CONTEXT_READY) {
      result.status = contextError();
    } else {
      return {};
    }
  }
  reason = fmt::format("PulseAudio: cannot reach server {}: {}", serverNameLocked(), reasonText(result.status));
  return result;
}

std::string PulseAudioEndpoint::serverNameLocked() const {
  // The address libpulse tried last (it goes through its list of defaults in turn); asking
  // sets the context's error, so the caller reads that first.
  if (const char* server = pa_context_get_server(context_.get())) return server;
  if (const char* configured = std::getenv("PULSE_SERVER")) return configured;
  return "(default)";
}

AudioEndpoint::OpenResult PulseAudioEndpoint::openStreamLocked(bool loopback, std::string& reason) {
  OpenResult result;
  const auto fail = [&result](OpenStep step, AudioStatus status) {
    result.failedStep = step;
    result.status = status;
    return result;
  };

  SourceLookup lookup;
  lookup.mainloop = mainloop_.get();
  const char* const sourceName = loopback ? kMonitorSource : kDefaultSource;
  pa_operation* operation = pa_context_get_source_info_by_name(context_.get(), sourceName, &onSourceInfo, &lookup);
  const auto sourceMissing = [&](AudioStatus status) {
    reason = fmt::format("PulseAudio: no source {}: {}", sourceName, reasonText(status));
    return fail(OpenStep::GetDefaultEndpoint, status);
  };
  if (operation == nullptr) return sourceMissing(contextError());
  const bool finished =
      waitLocked([operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; }, kServerTimeout);
  if (!finished) pa_operation_cancel(operation);  // lookup must not be written after we return
  pa_operation_unref(operation);
  if (!finished) return sourceMissing(PA_ERR_TIMEOUT);
  if (!lookup.found) return sourceMissing(contextError());
  result.friendlyName = lookup.description;
  const auto streamFailed = [&](OpenStep step, AudioStatus status) {
    reason = fmt::format("PulseAudio: record stream on {} failed: {}", lookup.name, reasonText(status));
    return fail(step, status);
  };

  const pa_sample_spec sampleFormat = requestedFormat();
  pa_channel_map map;
  pa_channel_map_init_stereo(&map);
  stream_.reset(pa_stream_new(context_.get(), kStreamName, &sampleFormat, &map));
  if (!stream_) return streamFailed(OpenStep::ActivateClient, contextError());
  pa_stream_set_state_callback(stream_.get(), &PulseAudioEndpoint::onStreamState, this);
  pa_stream_set_read_callback(stream_.get(), &PulseAudioEndpoint::onStreamRead, this);

  // The server converts to the format asked for, so this is the mix format the caller sees.
  result.format = {kSampleRate, kChannels, kBitsPerSample, true};

  pa_buffer_attr attr;
  attr.maxlength = static_cast<std::uint32_t>(-1);
  attr.tlength = static_cast<std::uint32_t>(-1);
  attr.prebuf = static_cast<std::uint32_t>(-1);
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(
      pa_usec_to_bytes(static_cast<pa_usec_t>(std::chrono::microseconds(kFragment).count()), &sampleFormat));
  // Connected corked: the stream runs only between start() and stop().
  const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
  if (pa_stream_connect_record(stream_.get(), lookup.name.c_str(), &attr, flags) < 0) {
    return streamFailed(OpenStep::InitializeClient, contextError());
  }
  pa_stream* stream = stream_.get();
  if (!waitLocked([stream] { return isFinal(pa_stream_get_state(stream)); }, kServerTimeout)) {
    return streamFailed(OpenStep::InitializeClient, PA_ERR_TIMEOUT);
  }
  if (pa_stream_get_state(stream) != PA_STREAM_READY) return streamFailed(OpenStep::InitializeClient, contextError());
  // WASAPI's event handle and capture client have no separate step here.
  return result;
}

AudioStatus PulseAudioEndpoint::start() {
  if (!mainloop_) return PA_ERR_BADSTATE;
  AudioStatus status = kAudioOk;
  {
    MainloopLock lock(mainloop_.get());
    if (!stream_ || pa_stream_get_state(stream_.get()) != PA_STREAM_READY) return PA_ERR_BADSTATE;
    status = corkLocked(false);
  }
  if (status != kAudioOk) PV_LOG_WARN("PulseAudio: record stream did not start: {}", reasonText(status));
  return status;
}

void PulseAudioEndpoint::stop() {
  if (!mainloop_) return;
  MainloopLock lock(mainloop_.get());
  if (peeked_) dropPeekLocked();
  if (stream_ && pa_stream_get_state(stream_.get()) == PA_STREAM_READY) corkLocked(true);
}

AudioStatus PulseAudioEndpoint::corkLocked(bool cork) {
  CorkResult corked;
  corked.mainloop = mainloop_.get();
  pa_operation* operation = pa_stream_cork(stream_.get(), cork ? 1 : 0, &onCorked, &corked);
  if (operation == nullptr) return contextError();
  const bool finished = waitLocked([&corked] { return corked.done; }, kServerTimeout);
  if (!finished) pa_operation_cancel(operation);  // corked must not be written after we return
  pa_operation_unref(operation);
  if (!finished) return PA_ERR_TIMEOUT;
  return corked.success ? kAudioOk : contextError();
}

bool PulseAudioEndpoint::waitForData(std::chrono::milliseconds timeout) {
  std::unique_lock lock(eventMutex_);
  if (!eventChanged_.wait_for(lock, timeout, [this] { return eventSignalled_; })) return false;
  eventSignalled_ = false;  // auto-reset
  return true;
}

void PulseAudioEndpoint::wake() { signalEvent(); }

void PulseAudioEndpoint::signalEvent() {
  {
    std::lock_guard lock(eventMutex_);
    eventSignalled_ = true;
  }
  eventChanged_.notify_all();
}

AudioStatus PulseAudioEndpoint::nextPacketSize(std::uint32_t& frames) {
  frames = 0;
  if (!mainloop_) return PA_ERR_BADSTATE;
  if (!peeked_) {
    MainloopLock lock(mainloop_.get());
    if (!stream_) return PA_ERR_BADSTATE;
    // Each pass drops a chunk shorter than one frame, so this ends with the data.
    for (;;) {
      const void* data = nullptr;
      std::size_t bytes = 0;
      if (pa_stream_peek(stream_.get(), &data, &bytes) < 0) return contextError();
      if (bytes == 0) return kAudioOk;  // nothing buffered
      if (bytes >= kFrameBytes) {
        peeked_ = true;
        peekData_ = data;
        peekBytes_ = bytes;
        break;
      }
      if (pa_stream_drop(stream_.get()) < 0) return contextError();
    }
  }
  frames = static_cast<std::uint32_t>(peekBytes_ / kFrameBytes);
  return kAudioOk;
}

AudioStatus PulseAudioEndpoint::getBuffer(AudioPacket& packet) {
  if (!peeked_) return PA_ERR_BADSTATE;
  packet.data = peekData_;
  packet.frames = static_cast<std::uint32_t>(peekBytes_ / kFrameBytes);
  // A hole in the record buffer (data null) is audio the server never had: silence.
  packet.silent = peekData_ == nullptr;
  return kAudioOk;
}

AudioStatus PulseAudioEndpoint::releaseBuffer(std::uint32_t) {
  if (!peeked_ || !mainloop_) return PA_ERR_BADSTATE;
  MainloopLock lock(mainloop_.get());
  return dropPeekLocked();
}

AudioStatus PulseAudioEndpoint::dropPeekLocked() {
  peeked_ = false;
  peekData_ = nullptr;
  peekBytes_ = 0;
  if (!stream_ || pa_stream_drop(stream_.get()) < 0) return contextError();
  return kAudioOk;
}

void PulseAudioEndpoint::raiseThreadPriority() {
  // Needs CAP_SYS_NICE (or an rlimit allowing it); without it the thread keeps its priority.
  if (setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kCaptureThreadNice) != 0) {
    PV_LOG_DEBUG("Audio capture thread priority unchanged: {}", std::strerror(errno));
  }
}

bool PulseAudioEndpoint::waitLocked(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  if (done()) return true;
  Deadline deadline;
  deadline.mainloop = mainloop_.get();
  const auto usec = static_cast<pa_usec_t>(std::chrono::microseconds(timeout).count());
  pa_time_event* timer = pa_context_rttime_new(context_.get(), pa_rtclock_now() + usec, &onDeadline, &deadline);
  if (timer == nullptr) return false;
  while (!done() && !deadline.passed) pa_threaded_mainloop_wait(mainloop_.get());
  pa_threaded_mainloop_get_api(mainloop_.get())->time_free(timer);
  return done();
}

AudioStatus PulseAudioEndpoint::contextError() const {
  const int error = context_ ? pa_context_errno(context_.get()) : PA_ERR_INTERNAL;
  // A failure must never read as success.
  return error > 0 ? static_cast<AudioStatus>(error) : static_cast<AudioStatus>(PA_ERR_UNKNOWN);
}

void PulseAudioEndpoint::close() {
  if (mainloop_) {
    MainloopLock lock(mainloop_.get());
    if (stream_) {
      pa_stream_set_state_callback(stream_.get(), nullptr, nullptr);
      pa_stream_set_read_callback(stream_.get(), nullptr, nullptr);
      if (pa_stream_get_state(stream_.get()) != PA_STREAM_UNCONNECTED) pa_stream_disconnect(stream_.get());
    }
    if (context_) {
      pa_context_set_state_callback(context_.get(), nullptr, nullptr);
      pa_context_disconnect(context_.get());
    }
  }
  peeked_ = false;
  peekData_ = nullptr;
  peekBytes_ = 0;
  if (mainloop_) pa_threaded_mainloop_stop(mainloop_.get());
  stream_.reset();
  context_.reset();
  mainloop_.reset();
}

void PulseAudioEndpoint::onContextState(pa_context*, void* self) {
  auto* endpoint = static_cast<PulseAudioEndpoint*>(self);
  pa_threaded_mainloop_signal(endpoint->mainloop_.get(), 0);
}

void PulseAudioEndpoint::onStreamState(pa_stream*, void* self) {
  auto* endpoint = static_cast<PulseAudioEndpoint*>(self);
  pa_threaded_mainloop_signal(endpoint->mainloop_.get(), 0);
}

void PulseAudioEndpoint::onStreamRead(pa_stream*, std::size_t, void* self) {
  static_cast<PulseAudioEndpoint*>(self)->signalEvent();
}

}  // namespace linux_x11
}  // namespace parvalon::host::platform
