#include "platform/windows/WasapiAudioEndpoint.h"

#include <propidl.h>
#include <propsys.h>

#include "platform/windows/Win32Text.h"

namespace parvalon::host::platform {

std::unique_ptr<AudioEndpoint> AudioEndpoint::create() { return std::make_unique<win32::WasapiAudioEndpoint>(); }

}  // namespace parvalon::host::platform

namespace parvalon::host::platform::win32 {

namespace {

// PKEY_Device_FriendlyName and KSDATAFORMAT_SUBTYPE_IEEE_FLOAT, spelled out here: their headers
// only declare them unless one translation unit of the program defines every GUID it includes.
constexpr PROPERTYKEY kFriendlyNameKey{{0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}},
                                       14};
constexpr GUID kSubtypeIeeeFloat{0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// HRESULT_FROM_WIN32(ERROR_NOT_READY): a stream call on an endpoint that is not open.
constexpr AudioStatus kNotOpen = 0x80070015u;

template <class T>
void release(T*& object) {
  if (object) object->Release();
  object = nullptr;
}

AudioStatus status(HRESULT result) { return static_cast<AudioStatus>(result); }

}  // namespace

WasapiAudioEndpoint::~WasapiAudioEndpoint() {
  stop();
  close();
  if (event_) CloseHandle(event_);
  if (comInitialized_) CoUninitialize();
}

void WasapiAudioEndpoint::close() {
  release(captureClient_);
  release(audioClient_);
  release(device_);
  if (mixFormat_) CoTaskMemFree(mixFormat_);
  mixFormat_ = nullptr;
}

bool WasapiAudioEndpoint::createEvent() {
  if (!event_) event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  return event_ != nullptr;
}

AudioMixFormat WasapiAudioEndpoint::describe(const WAVEFORMATEX& format) {
  AudioMixFormat result;
  result.sampleRate = format.nSamplesPerSec;
  result.channels = format.nChannels;
  result.bitsPerSample = format.wBitsPerSample;
  if (format.wFormatTag == WAVE_FORMAT_IEEE_FLOAT) {
    result.isFloat = true;
  } else if (format.wFormatTag == WAVE_FORMAT_EXTENSIBLE && format.cbSize >= 22) {
    const auto& extensible = reinterpret_cast<const WAVEFORMATEXTENSIBLE&>(format);
    result.isFloat = IsEqualGUID(extensible.SubFormat, kSubtypeIeeeFloat);
  }
  return result;
}

std::string WasapiAudioEndpoint::cutName(const std::wstring& name, std::size_t maxBytes) {
  std::string text = utf16ToUtf8(name);
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  // Back up over continuation bytes to the start of the character that does not fit.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

std::string WasapiAudioEndpoint::friendlyName(IMMDevice* device) {
  IPropertyStore* store = nullptr;
  if (FAILED(device->OpenPropertyStore(STGM_READ, &store)) || !store) return {};
  PROPVARIANT value;
  PropVariantInit(&value);
  std::string name;
  if (SUCCEEDED(store->GetValue(kFriendlyNameKey, &value)) && value.vt == VT_LPWSTR && value.pwszVal) {
    name = cutName(value.pwszVal, kMaxNameBytes);
  }
  PropVariantClear(&value);
  store->Release();
  return name;
}

AudioEndpoint::OpenResult WasapiAudioEndpoint::open(bool loopback) {
  close();
  OpenResult result;
  const auto fail = [&](OpenStep step, HRESULT hr) {
    result.failedStep = step;
    result.status = status(hr);
    close();
    return result;
  };
  if (!comInitialized_) {
    // S_FALSE (already in the apartment) also needs its CoUninitialize; a thread already in
    // the single-threaded apartment goes on in it: the audio objects are free-threaded.
    comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  }

  IMMDeviceEnumerator* enumerator = nullptr;
  HRESULT hr = CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                                reinterpret_cast<void**>(&enumerator));
  if (FAILED(hr)) return fail(OpenStep::CreateEnumerator, hr);
  hr = enumerator->GetDefaultAudioEndpoint(loopback ? eRender : eCapture, eConsole, &device_);
  enumerator->Release();
  if (FAILED(hr)) return fail(OpenStep::GetDefaultEndpoint, hr);

  result.friendlyName = friendlyName(device_);

  hr = device_->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr, reinterpret_cast<void**>(&audioClient_));
  if (FAILED(hr)) return fail(OpenStep::ActivateClient, hr);
  hr = audioClient_->GetMixFormat(&mixFormat_);
  if (FAILED(hr) || !mixFormat_) return fail(OpenStep::GetMixFormat, hr);
  DWORD flags = AUDCLNT_STREAMFLAGS_EVENTCALLBACK;
  if (loopback) flags |= AUDCLNT_STREAMFLAGS_LOOPBACK;
  hr = audioClient_->Initialize(AUDCLNT_SHAREMODE_SHARED, flags, kBufferDuration, 0, mixFormat_, nullptr);
  if (FAILED(hr)) return fail(OpenStep::InitializeClient, hr);
  hr = audioClient_->SetEventHandle(event_);
  if (FAILED(hr)) return fail(OpenStep::SetEventHandle, hr);
  hr = audioClient_->GetService(__uuidof(IAudioCaptureClient), reinterpret_cast<void**>(&captureClient_));
  if (FAILED(hr)) return fail(OpenStep::GetCaptureClient, hr);

  result.format = describe(*mixFormat_);
  return result;
}

AudioStatus WasapiAudioEndpoint::start() {
  if (!audioClient_ || !captureClient_) return kNotOpen;
  return status(audioClient_->Start());
}

void WasapiAudioEndpoint::stop() {
  if (audioClient_) audioClient_->Stop();
}

bool WasapiAudioEndpoint::waitForData(std::chrono::milliseconds timeout) {
  if (!event_) return false;
  return WaitForSingleObject(event_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

void WasapiAudioEndpoint::wake() {
  if (event_) SetEvent(event_);
}

AudioStatus WasapiAudioEndpoint::nextPacketSize(std::uint32_t& frames) {
  frames = 0;
  if (!captureClient_) return kNotOpen;
  UINT32 next = 0;
  const HRESULT hr = captureClient_->GetNextPacketSize(&next);
  if (SUCCEEDED(hr)) frames = next;
  return SUCCEEDED(hr) ? kAudioOk : status(hr);
}

AudioStatus WasapiAudioEndpoint::getBuffer(AudioPacket& packet) {
  packet = {};
  if (!captureClient_) return kNotOpen;
  BYTE* data = nullptr;
  UINT32 frames = 0;
  DWORD flags = 0;
  UINT64 devicePosition = 0;
  const HRESULT hr = captureClient_->GetBuffer(&data, &frames, &flags, &devicePosition, nullptr);
  if (FAILED(hr)) return status(hr);
  packet.data = data;
  packet.frames = frames;
  packet.silent = (flags & AUDCLNT_BUFFERFLAGS_SILENT) != 0;
  return kAudioOk;
}

AudioStatus WasapiAudioEndpoint::releaseBuffer(std::uint32_t frames) {
  if (!captureClient_) return kNotOpen;
  const HRESULT hr = captureClient_->ReleaseBuffer(frames);
  return SUCCEEDED(hr) ? kAudioOk : status(hr);
}

void WasapiAudioEndpoint::raiseThreadPriority() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL); }

}  // namespace parvalon::host::platform::win32
