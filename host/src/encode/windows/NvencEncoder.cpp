#include "encode/windows/NvencEncoder.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <new>

#include "encode/ParameterSets.h"
#include "logging/Log.h"
#include "platform/windows/D3D11Device.h"
#include "platform/windows/D3D11Texture.h"

namespace parvalon::host {

namespace {

using Microsoft::WRL::ComPtr;

constexpr const wchar_t* kRuntimeLibrary = L"nvEncodeAPI64.dll";
constexpr std::uint32_t kSliceModeCountPerPicture = 3;
constexpr std::uint32_t kAqStrength = 8;
constexpr std::uint32_t kVideoFormatUnspecified = 5;
constexpr std::uint32_t kBt709 = 1;
constexpr std::uint32_t kForceIdr = NV_ENC_PIC_FLAG_FORCEINTRA | NV_ENC_PIC_FLAG_FORCEIDR;

using CreateInstanceFunction = NVENCSTATUS(NVENCAPI*)(NV_ENCODE_API_FUNCTION_LIST*);

// Outputs processed by every NVENC encoder of the process; only the very first is logged.
std::atomic<std::uint64_t> outputsProcessed{0};

const char* sessionOpenHint(NVENCSTATUS status) {
  switch (status) {
    case NV_ENC_ERR_INVALID_PARAM: return "Invalid parameter - check resolution/settings";
    case NV_ENC_ERR_OUT_OF_MEMORY: return "GPU memory exhausted - close other apps using NVENC";
    case NV_ENC_ERR_INVALID_VERSION: return "NVIDIA driver too old! Update to driver 550+ (2024 or newer)";
    case NV_ENC_ERR_GENERIC: return "GPU doesn't support NVENC - need GTX 600 series or newer";
    default: return "Try updating NVIDIA drivers to latest version";
  }
}

// H.264 numbering, applied to HEVC output as well: the line only names the first unit.
const char* firstNalName(const std::vector<std::uint8_t>& data) {
  if (data.size() < 5) return "Unknown";
  std::size_t header = 0;
  if (data[0] == 0 && data[1] == 0 && data[2] == 1) {
    header = 3;
  } else if (data[0] == 0 && data[1] == 0 && data[2] == 0 && data[3] == 1) {
    header = 4;
  } else {
    return "Unknown";
  }
  switch (data[header] & 0x1F) {
    case 1: return "Non-IDR slice";
    case 5: return "IDR slice";
    case 6: return "SEI";
    case 7: return "SPS";
    case 8: return "PPS";
    case 9: return "AUD";
    default: return "Other";
  }
}

std::uint32_t oneFrameOfPeak(std::uint32_t maxKbps, std::uint32_t fps) { return maxKbps * 1000u / fps; }

std::int64_t steadyNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// A runtime whose table lacks any entry this encoder calls is not usable (and must not be called).
bool complete(const NV_ENCODE_API_FUNCTION_LIST& api) {
  return api.nvEncOpenEncodeSessionEx && api.nvEncGetEncodePresetConfigEx && api.nvEncInitializeEncoder &&
         api.nvEncRegisterResource && api.nvEncCreateBitstreamBuffer && api.nvEncMapInputResource &&
         api.nvEncEncodePicture && api.nvEncUnmapInputResource && api.nvEncLockBitstream &&
         api.nvEncUnlockBitstream && api.nvEncReconfigureEncoder && api.nvEncUnregisterResource &&
         api.nvEncDestroyBitstreamBuffer && api.nvEncDestroyEncoder;
}

}  // namespace

NvencEncoder::NvencEncoder(std::shared_ptr<platform::GpuDevice> device) : gpuDevice_(std::move(device)) {}

NvencEncoder::~NvencEncoder() { shutdown(); }

bool NvencEncoder::hevc() const { return isHevcCodec(config_.codec); }

bool NvencEncoder::initialize(const EncoderConfig& config) {
  if (initialized_) {
    PV_LOG_WARN("NVENC encoder already initialized");
    return true;
  }
  auto* d3d = dynamic_cast<platform::win32::D3D11Device*>(gpuDevice_.get());
  if (d3d == nullptr || d3d->native() == nullptr) {
    PV_LOG_ERROR("NVENC encoder needs a Direct3D 11 device");
    return false;
  }
  if (config.fps == 0) {
    // The rate-control buffer is one frame of the peak rate.
    PV_LOG_ERROR("Invalid encoder configuration: fps must be greater than 0");
    return false;
  }
  device_ = d3d->native();
  device_->GetImmediateContext(context_.ReleaseAndGetAddressOf());
  config_ = config;
  codecGuid_ = hevc() ? NV_ENC_CODEC_HEVC_GUID : NV_ENC_CODEC_H264_GUID;
  if (!loadNvenc() || !createEncoder() || !createBuffers()) {
    release();
    return false;
  }
  initialized_ = true;
  PV_LOG_INFO("NVENC encoder initialized: {}x{} @ {} kbps, {} fps", config_.width, config_.height,
              config_.bitrateKbps, config_.fps);
  return true;
}

bool NvencEncoder::loadNvenc() {
  library_ = LoadLibraryW(kRuntimeLibrary);
  if (library_ == nullptr) {
    PV_LOG_ERROR("Failed to load nvEncodeAPI64.dll");
    return false;
  }
  // Through void*: FARPROC's own signature is not the entry's.
  auto createInstance = reinterpret_cast<CreateInstanceFunction>(
      reinterpret_cast<void*>(GetProcAddress(library_, "NvEncodeAPICreateInstance")));
  if (createInstance == nullptr) {
    PV_LOG_ERROR("Failed to get NvEncodeAPICreateInstance");
    FreeLibrary(library_);
    library_ = nullptr;
    return false;
  }
  api_ = NV_ENCODE_API_FUNCTION_LIST{};
  api_.version = NV_ENCODE_API_FUNCTION_LIST_VER;
  const NVENCSTATUS status = createInstance(&api_);
  if (status != NV_ENC_SUCCESS || !complete(api_)) {
    PV_LOG_ERROR("NvEncodeAPICreateInstance failed: {}", static_cast<int>(status != NV_ENC_SUCCESS ? status : NV_ENC_ERR_INVALID_PTR));
    api_ = NV_ENCODE_API_FUNCTION_LIST{};
    FreeLibrary(library_);
    library_ = nullptr;
    return false;
  }
  PV_LOG_INFO("NVENC API loaded successfully");
  return true;
}

NV_ENC_INITIALIZE_PARAMS NvencEncoder::initializeParams() {
  NV_ENC_INITIALIZE_PARAMS params{};
  params.version = NV_ENC_INITIALIZE_PARAMS_VER;
  params.encodeGUID = codecGuid_;
  params.presetGUID = NV_ENC_PRESET_P1_GUID;
  params.encodeWidth = config_.width;
  params.encodeHeight = config_.height;
  params.darWidth = config_.width;
  params.darHeight = config_.height;
  params.frameRateNum = config_.fps;
  params.frameRateDen = 1;
  params.enableEncodeAsync = 0;
  params.enablePTD = 1;
  params.encodeConfig = &encodeConfig_;
  params.tuningInfo = NV_ENC_TUNING_INFO_ULTRA_LOW_LATENCY;
  return params;
}

bool NvencEncoder::createEncoder() {
  NV_ENC_OPEN_ENCODE_SESSION_EX_PARAMS open{};
  open.version = NV_ENC_OPEN_ENCODE_SESSION_EX_PARAMS_VER;
  open.deviceType = NV_ENC_DEVICE_TYPE_DIRECTX;
  open.device = device_.Get();
  open.apiVersion = NVENCAPI_VERSION;
  void* session = nullptr;
  NVENCSTATUS status = api_.nvEncOpenEncodeSessionEx(&open, &session);
  if (status != NV_ENC_SUCCESS) {
    PV_LOG_ERROR("NVENC ERROR: Failed to open encode session (error {}). {}", static_cast<int>(status),
                 sessionOpenHint(status));
    return false;
  }
  session_ = session;

  NV_ENC_PRESET_CONFIG preset{};
  preset.version = NV_ENC_PRESET_CONFIG_VER;
  preset.presetCfg.version = NV_ENC_CONFIG_VER;
  status = api_.nvEncGetEncodePresetConfigEx(session_, codecGuid_, NV_ENC_PRESET_P1_GUID,
                                             NV_ENC_TUNING_INFO_ULTRA_LOW_LATENCY, &preset);
  if (status != NV_ENC_SUCCESS) {
    PV_LOG_ERROR("nvEncGetEncodePresetConfigEx failed: {}", static_cast<int>(status));
    api_.nvEncDestroyEncoder(session_);
    session_ = nullptr;
    return false;
  }

  // The preset as returned, with exactly these changes.
  encodeConfig_ = preset.presetCfg;
  encodeConfig_.gopLength = static_cast<std::uint32_t>(config_.gopLength);
  encodeConfig_.frameIntervalP = 1;
  NV_ENC_RC_PARAMS& rc = encodeConfig_.rcParams;
  rc.rateControlMode = NV_ENC_PARAMS_RC_CBR;
  rc.averageBitRate = config_.bitrateKbps * 1000u;
  rc.maxBitRate = config_.maxBitrateKbps * 1000u;
  rc.vbvBufferSize = oneFrameOfPeak(config_.maxBitrateKbps, config_.fps);
  rc.vbvInitialDelay = rc.vbvBufferSize;
  rc.enableAQ = 1;
  rc.zeroReorderDelay = 1;
  rc.aqStrength = kAqStrength;

  const auto slices = static_cast<std::uint32_t>(config_.sliceCount);
  NV_ENC_CONFIG_H264_VUI_PARAMETERS* vui = nullptr;
  if (hevc()) {
    NV_ENC_CONFIG_HEVC& h = encodeConfig_.encodeCodecConfig.hevcConfig;
    h.repeatSPSPPS = 1;
    h.idrPeriod = static_cast<std::uint32_t>(config_.gopLength);
    h.maxNumRefFramesInDPB = 1;
    h.sliceMode = kSliceModeCountPerPicture;
    h.sliceModeData = slices;
    vui = &h.hevcVUIParameters;
  } else {
    NV_ENC_CONFIG_H264& h = encodeConfig_.encodeCodecConfig.h264Config;
    h.outputBufferingPeriodSEI = 0;
    h.outputPictureTimingSEI = 0;
    h.outputAUD = 0;
    h.disableSPSPPS = 0;
    h.outputFramePackingSEI = 0;
    h.enableIntraRefresh = 0;
    h.repeatSPSPPS = 1;
    h.level = NV_ENC_LEVEL_AUTOSELECT;
    h.idrPeriod = static_cast<std::uint32_t>(config_.gopLength);
    h.maxNumRefFrames = 1;
    h.sliceMode = kSliceModeCountPerPicture;
    h.sliceModeData = slices;
    if (config_.profile == "baseline") h.h264VUIParameters.videoFormat = kVideoFormatUnspecified;
    vui = &h.h264VUIParameters;
  }
  if (config_.fullRange) {
    vui->videoSignalTypePresentFlag = 1;
    vui->videoFullRangeFlag = 1;
    vui->colourDescriptionPresentFlag = 1;
    vui->colourPrimaries = kBt709;
    vui->transferCharacteristics = kBt709;
    vui->colourMatrix = kBt709;
    if (hevc()) {
      PV_LOG_INFO("NVENC HEVC: Full range color (0-255) enabled");
    } else {
      PV_LOG_INFO("NVENC H.264: Full range color (0-255) enabled");
    }
  }

  NV_ENC_INITIALIZE_PARAMS params = initializeParams();
  params.maxEncodeWidth = config_.width;
  params.maxEncodeHeight = config_.height;
  status = api_.nvEncInitializeEncoder(session_, &params);
  if (status != NV_ENC_SUCCESS) {
    PV_LOG_ERROR("nvEncInitializeEncoder failed: {}", static_cast<int>(status));
    api_.nvEncDestroyEncoder(session_);
    session_ = nullptr;
    return false;
  }
  return true;
}

bool NvencEncoder::createBuffers() {
  try {
    inputs_.resize(kRingSize);
    outputs_.resize(kRingSize);
  } catch (const std::bad_alloc&) {
    inputs_.clear();
    outputs_.clear();
    PV_LOG_ERROR("Failed to create input texture: {:#x}", static_cast<std::uint32_t>(E_OUTOFMEMORY));
    return false;
  }
  for (std::size_t i = 0; i < kRingSize; ++i) {
    D3D11_TEXTURE2D_DESC desc{};
    desc.Width = config_.width;
    desc.Height = config_.height;
    desc.MipLevels = 1;
    desc.ArraySize = 1;
    desc.Format = DXGI_FORMAT_B8G8R8A8_UNORM;
    desc.SampleDesc.Count = 1;
    desc.Usage = D3D11_USAGE_DEFAULT;
    desc.BindFlags = D3D11_BIND_RENDER_TARGET;
    desc.CPUAccessFlags = 0;
    desc.MiscFlags = D3D11_RESOURCE_MISC_SHARED;
    const HRESULT hr = device_->CreateTexture2D(&desc, nullptr, inputs_[i].texture.ReleaseAndGetAddressOf());
    if (FAILED(hr)) {
      PV_LOG_ERROR("Failed to create input texture: {:#x}", static_cast<std::uint32_t>(hr));
      return false;
    }

    NV_ENC_REGISTER_RESOURCE reg{};
    reg.version = NV_ENC_REGISTER_RESOURCE_VER;
    reg.resourceType = NV_ENC_INPUT_RESOURCE_TYPE_DIRECTX;
    reg.width = config_.width;
    reg.height = config_.height;
    reg.pitch = 0;
    reg.subResourceIndex = 0;
    reg.resourceToRegister = inputs_[i].texture.Get();
    reg.bufferFormat = NV_ENC_BUFFER_FORMAT_ARGB;
    reg.bufferUsage = NV_ENC_INPUT_IMAGE;
    NVENCSTATUS status = api_.nvEncRegisterResource(session_, &reg);
    if (status != NV_ENC_SUCCESS) {
      PV_LOG_ERROR("nvEncRegisterResource failed: {}", static_cast<int>(status));
      return false;
    }
    inputs_[i].registered = reg.registeredResource;

    NV_ENC_CREATE_BITSTREAM_BUFFER create{};
    create.version = NV_ENC_CREATE_BITSTREAM_BUFFER_VER;
    status = api_.nvEncCreateBitstreamBuffer(session_, &create);
    if (status != NV_ENC_SUCCESS) {
      PV_LOG_ERROR("nvEncCreateBitstreamBuffer failed: {}", static_cast<int>(status));
      return false;
    }
    outputs_[i].bitstream = create.bitstreamBuffer;
    try {
      outputs_[i].data.reserve(static_cast<std::size_t>(config_.width) * config_.height);
    } catch (const std::bad_alloc&) {
      // Only a hint: the per-frame copy grows the vector when it must.
    }
  }
  return true;
}

bool NvencEncoder::encodeFrame(const platform::CpuFrame&) { return false; }

bool NvencEncoder::encodeTexture(const platform::GpuTexture& texture) {
  if (!initialized_) return false;
  const auto* d3d = dynamic_cast<const platform::win32::D3D11Texture*>(&texture);
  if (d3d == nullptr || d3d->native() == nullptr) return false;
  // CopyResource needs the same size; a texture of another size is the caller's fault.
  if (texture.width() != config_.width || texture.height() != config_.height) return false;

  const std::int64_t start = steadyNanoseconds();
  const std::size_t i = ringIndex_;
  InputEntry& input = inputs_[i];
  // One call on the shared immediate context: the device has multithread protection on, which
  // serialises it against the capture threads' use.
  context_->CopyResource(input.texture.Get(), d3d->native());

  NV_ENC_MAP_INPUT_RESOURCE map{};
  map.version = NV_ENC_MAP_INPUT_RESOURCE_VER;
  map.registeredResource = input.registered;
  NVENCSTATUS status = api_.nvEncMapInputResource(session_, &map);
  if (status != NV_ENC_SUCCESS) {
    PV_LOG_ERROR("nvEncMapInputResource failed: {}", static_cast<int>(status));
    return false;
  }
  input.mapped = map.mappedResource;
  input.isMapped = true;

  NV_ENC_PIC_PARAMS picture{};
  picture.version = NV_ENC_PIC_PARAMS_VER;
  picture.inputWidth = config_.width;
  picture.inputHeight = config_.height;
  picture.inputPitch = 0;
  picture.frameIdx = 0;
  picture.inputTimeStamp = frameCounter_;
  picture.inputDuration = 0;
  picture.inputBuffer = input.mapped;
  picture.outputBitstream = outputs_[i].bitstream;
  picture.completionEvent = nullptr;
  picture.bufferFmt = map.mappedBufferFmt;
  picture.pictureStruct = NV_ENC_PIC_STRUCT_FRAME;
  picture.encodePicFlags = 0;
  if (keyframeRequested_) {
    picture.encodePicFlags = kForceIdr;
    keyframeRequested_ = false;
  }
  status = api_.nvEncEncodePicture(session_, &picture);
  api_.nvEncUnmapInputResource(session_, input.mapped);
  input.mapped = nullptr;
  input.isMapped = false;
  if (status != NV_ENC_SUCCESS) {
    PV_LOG_ERROR("nvEncEncodePicture failed: {}", static_cast<int>(status));
    return false;
  }

  processOutput(i);
  {
    std::lock_guard lock(statsMutex_);
    ++stats_.framesEncoded;
    const double elapsedMs = static_cast<double>(steadyNanoseconds() - start) / 1e9 * 1000.0;
    stats_.avgEncodeTimeMs = stats_.avgEncodeTimeMs * 0.95 + elapsedMs * 0.05;
  }
  ++frameCounter_;
  ringIndex_ = (i + 1) % kRingSize;
  return true;
}

void NvencEncoder::processOutput(std::size_t index) {
  OutputEntry& output = outputs_[index];
  NV_ENC_LOCK_BITSTREAM lock{};
  lock.version = NV_ENC_LOCK_BITSTREAM_VER;
  lock.outputBitstream = output.bitstream;
  const NVENCSTATUS status = api_.nvEncLockBitstream(session_, &lock);
  if (status != NV_ENC_SUCCESS) {
    PV_LOG_ERROR("nvEncLockBitstream failed: {}", static_cast<int>(status));
    return;
  }
  bool copied = true;
  try {
    const auto* bytes = static_cast<const std::uint8_t*>(lock.bitstreamBufferPtr);
    if (bytes == nullptr) {
      output.data.clear();
    } else {
      output.data.assign(bytes, bytes + lock.bitstreamSizeInBytes);
    }
  } catch (const std::bad_alloc&) {
    output.data.clear();
    copied = false;
  }
  const bool keyframe = lock.pictureType == NV_ENC_PIC_TYPE_I || lock.pictureType == NV_ENC_PIC_TYPE_IDR;
  api_.nvEncUnlockBitstream(session_, output.bitstream);
  if (!copied) return;
  if (keyframe) {
    std::lock_guard setsLock(parameterSetsMutex_);
    extractParameterSets(output.data.data(), output.data.size(), hevc(), parameterSets_);
  }
  {
    std::lock_guard statsLock(statsMutex_);
    stats_.bytesEncoded += output.data.size();
  }
  if (outputsProcessed.fetch_add(1) + 1 == 1) {
    PV_LOG_INFO("First encoded frame: {} bytes, keyframe={}, NAL={}", output.data.size(), keyframe,
                firstNalName(output.data));
  }
  if (frameCallback_) {
    EncodedFrame frame;
    frame.data = output.data.data();
    frame.size = output.data.size();
    frame.timestamp = steadyNanoseconds() / 1000;
    frame.isKeyframe = keyframe;
    frame.frameNumber = frameCounter_;
    frameCallback_(frame);
  }
}

void NvencEncoder::setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  if (!initialized_) return;
  NV_ENC_RC_PARAMS& rc = encodeConfig_.rcParams;
  rc.averageBitRate = targetKbps * 1000u;
  rc.maxBitRate = maxKbps * 1000u;
  rc.vbvBufferSize = oneFrameOfPeak(maxKbps, config_.fps);

  NV_ENC_RECONFIGURE_PARAMS reconfigure{};
  reconfigure.version = NV_ENC_RECONFIGURE_PARAMS_VER;
  reconfigure.reInitEncodeParams = initializeParams();
  reconfigure.resetEncoder = 0;
  reconfigure.forceIDR = 1;
  const NVENCSTATUS status = api_.nvEncReconfigureEncoder(session_, &reconfigure);
  if (status != NV_ENC_SUCCESS) {
    PV_LOG_WARN("Failed to reconfigure bitrate: {}", static_cast<int>(status));
    return;
  }
  config_.bitrateKbps = targetKbps;
  config_.maxBitrateKbps = maxKbps;
  PV_LOG_INFO("Bitrate updated to {} / {} kbps", targetKbps, maxKbps);
}

bool NvencEncoder::reconfigure(const EncoderConfig& config) {
  if (!initialized_) return false;
  if (config.width == config_.width && config.height == config_.height) {
    setBitrate(config.bitrateKbps, config.maxBitrateKbps);
    return true;
  }
  PV_LOG_WARN("Resolution change requires re-initialization");
  return false;
}

void NvencEncoder::shutdown() {
  if (!initialized_) return;
  PV_LOG_INFO("Shutting down NVENC encoder...");
  release();
}

void NvencEncoder::release() {
  for (InputEntry& input : inputs_) {
    if (input.isMapped && session_ != nullptr) api_.nvEncUnmapInputResource(session_, input.mapped);
    if (input.registered != nullptr && session_ != nullptr) api_.nvEncUnregisterResource(session_, input.registered);
    input.texture.Reset();
  }
  inputs_.clear();
  for (OutputEntry& output : outputs_) {
    if (output.bitstream != nullptr && session_ != nullptr) api_.nvEncDestroyBitstreamBuffer(session_, output.bitstream);
  }
  outputs_.clear();
  if (session_ != nullptr) {
    api_.nvEncDestroyEncoder(session_);
    session_ = nullptr;
  }
  api_ = NV_ENCODE_API_FUNCTION_LIST{};
  if (library_ != nullptr) {
    FreeLibrary(library_);
    library_ = nullptr;
  }
  context_.Reset();
  device_.Reset();
  ringIndex_ = 0;
  frameCounter_ = 0;
  initialized_ = false;
}

EncoderStats NvencEncoder::getStats() const {
  std::lock_guard lock(statsMutex_);
  return stats_;
}

CodecParameterSets NvencEncoder::getParameterSets() const {
  std::lock_guard lock(parameterSetsMutex_);
  return parameterSets_;
}

}  // namespace parvalon::host
