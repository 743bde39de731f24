#include "encode/amf/AmfEncoder.h"

#include <windows.h>
#include <d3d11.h>

#include <utility>

#include "encode/ParameterSets.h"
#include "encode/amf/AmfApi.h"
#include "logging/Log.h"
#include "platform/windows/D3D11Device.h"
#include "platform/windows/D3D11Texture.h"

namespace parvalon::host {

namespace {

// IDR through the force property (both codecs use the value 2).
constexpr amf::amf_int64 kForceIdr = 2;
// Output data type of an IDR picture; intra pictures (1) are not key frames.
constexpr amf::amf_int64 kOutputIdr = 0;
constexpr amf::amf_int64 kInitialVbvFullness = 64;
// A runtime that never runs dry must not hold the caller here for ever.
constexpr int kMaxOutputsPerDrain = 256;

const char* initFailureHint(amf::AMF_RESULT result) {
  switch (result) {
    case amf::AMF_OUT_OF_RANGE: return "Resolution may be too small (min ~64x64) or too large";
    case amf::AMF_OUT_OF_MEMORY: return "GPU memory exhausted - close other apps using GPU";
    case amf::AMF_NOT_SUPPORTED: return "This resolution/format not supported by GPU";
    case amf::AMF_NOT_INITIALIZED: return "AMF library not properly initialized - reinstall AMD drivers";
    default: return "Try updating AMD drivers";
  }
}

int resultCode(amf::AMF_RESULT result) { return static_cast<int>(result); }

}  // namespace

AmfEncoder::AmfEncoder(std::shared_ptr<platform::GpuDevice> device) : gpuDevice_(std::move(device)) {}

AmfEncoder::~AmfEncoder() {
  shutdown();
  releaseRuntime();  // whatever a failed initialize left behind
}

bool AmfEncoder::initialize(const EncoderConfig& config) {
  if (initialized_.load()) {
    PV_LOG_WARN("AMF encoder already initialized");
    return true;
  }
  releaseRuntime();
  auto* d3d = dynamic_cast<platform::win32::D3D11Device*>(gpuDevice_.get());
  if (d3d == nullptr || d3d->native() == nullptr) {
    PV_LOG_ERROR("AMF encoder needs a Direct3D 11 device");
    return false;
  }
  device_ = d3d->native();
  device_->AddRef();
  device_->GetImmediateContext(&immediateContext_);
  config_ = config;
  hevc_ = isHevcCodec(config_.codec);
  frameCounter_ = 0;

  if (!loadAmf()) {
    PV_LOG_ERROR("Failed to load AMF library");
    releaseRuntime();
    return false;
  }
  if (!createEncoder()) {
    PV_LOG_ERROR("Failed to create AMF encoder");
    releaseRuntime();
    return false;
  }
  initialized_.store(true);
  PV_LOG_INFO("AMF encoder initialized: {}x{} @ {}fps, {}kbps ({})", config_.width, config_.height, config_.fps,
              config_.bitrateKbps, hevc_ ? "HEVC" : "H.264");
  return true;
}

bool AmfEncoder::loadAmf() {
  HMODULE library = LoadLibraryA(kRuntimeLibrary);
  if (library == nullptr) {
    PV_LOG_ERROR("Failed to load amfrt64.dll - AMD drivers may not be installed");
    return false;
  }
  library_ = library;
  auto init = reinterpret_cast<amf::AMFInit_Fn>(
      reinterpret_cast<void*>(GetProcAddress(library, amf::AMF_INIT_FUNCTION_NAME)));
  if (init == nullptr) {
    PV_LOG_ERROR("Failed to get AMFInit function");
    return false;
  }
  amf::AMFFactory* factory = nullptr;
  const amf::AMF_RESULT initResult = init(kRuntimeVersion, &factory);
  if (initResult != amf::AMF_OK || factory == nullptr) {
    PV_LOG_ERROR("AMFInit failed: {}", resultCode(initResult));
    return false;
  }
  factory_ = factory;
  const amf::AMF_RESULT contextResult = factory_->CreateContext(context_.put());
  if (contextResult != amf::AMF_OK || !context_) {
    PV_LOG_ERROR("Failed to create AMF context: {}", resultCode(contextResult));
    return false;
  }
  const amf::AMF_RESULT dxResult = context_->InitDX11(device_, amf::AMF_DX11_0);
  if (dxResult != amf::AMF_OK) {
    PV_LOG_ERROR("Failed to init AMF context with D3D11: {}", resultCode(dxResult));
    return false;
  }
  return true;
}

bool AmfEncoder::createEncoder() {
  const wchar_t* id = hevc_ ? amf::AMFVideoEncoder_HEVC : amf::AMFVideoEncoderVCE_AVC;
  const amf::AMF_RESULT createResult = factory_->CreateComponent(context_.get(), id, component_.put());
  if (createResult != amf::AMF_OK || !component_) {
    PV_LOG_ERROR("Failed to create AMF encoder component: {}", resultCode(createResult));
    return false;
  }
  setEncoderProperties();
  const amf::AMF_RESULT initResult = component_->Init(amf::AMF_SURFACE_BGRA, static_cast<amf::amf_int32>(config_.width),
                                                      static_cast<amf::amf_int32>(config_.height));
  if (initResult != amf::AMF_OK) {
    PV_LOG_ERROR("AMF ENCODER ERROR: Failed to init {}x{} (error {}). {}", config_.width, config_.height,
                 resultCode(initResult), initFailureHint(initResult));
    return false;
  }
  return true;
}

void AmfEncoder::setEncoderProperties() {
  using namespace amf;
  // Property results are not checked: a runtime that lacks one keeps its default.
  const auto set = [this](const wchar_t* name, AMFVariantStruct value) { component_->SetProperty(name, value); };
  const amf_int64 target = static_cast<amf_int64>(config_.bitrateKbps) * 1000;
  const amf_int64 peak = static_cast<amf_int64>(config_.maxBitrateKbps) * 1000;
  // One frame's worth of the peak rate: the rate-control buffer of a low-latency stream.
  const amf_int64 vbvSize =
      config_.fps == 0 ? peak : static_cast<amf_int64>(config_.maxBitrateKbps * 1000ULL / config_.fps);
  if (!hevc_) {
    set(AMF_VIDEO_ENCODER_USAGE, amfVariant(AMF_VIDEO_ENCODER_USAGE_LOW_LATENCY));
    set(AMF_VIDEO_ENCODER_QUALITY_PRESET, amfVariant(AMF_VIDEO_ENCODER_QUALITY_PRESET_SPEED));
    set(AMF_VIDEO_ENCODER_PROFILE, amfVariant(AMF_VIDEO_ENCODER_PROFILE_MAIN));
    set(AMF_VIDEO_ENCODER_RATE_CONTROL_METHOD, amfVariant(AMF_VIDEO_ENCODER_RATE_CONTROL_METHOD_CBR));
    set(AMF_VIDEO_ENCODER_TARGET_BITRATE, amfVariant(target));
    set(AMF_VIDEO_ENCODER_PEAK_BITRATE, amfVariant(peak));
    set(AMF_VIDEO_ENCODER_FRAMERATE, amfVariantRate(config_.fps, 1));
    set(AMF_VIDEO_ENCODER_IDR_PERIOD, amfVariant(config_.gopLength));
    set(AMF_VIDEO_ENCODER_B_PIC_PATTERN, amfVariant(0));
    set(AMF_VIDEO_ENCODER_HEADER_INSERTION_SPACING, amfVariant(0));
    set(AMF_VIDEO_ENCODER_VBV_BUFFER_SIZE, amfVariant(vbvSize));
    set(AMF_VIDEO_ENCODER_INITIAL_VBV_BUFFER_FULLNESS, amfVariant(kInitialVbvFullness));
    set(AMF_VIDEO_ENCODER_LOWLATENCY_MODE, amfVariantBool(true));
    if (config_.enableSlices && config_.sliceCount > 1) {
      set(AMF_VIDEO_ENCODER_SLICES_PER_FRAME, amfVariant(config_.sliceCount));
    }
    set(AMF_VIDEO_ENCODER_ENABLE_VBAQ, amfVariantBool(true));
    if (config_.fullRange) {
      set(AMF_VIDEO_ENCODER_FULL_RANGE_COLOR, amfVariantBool(true));
      PV_LOG_INFO("AMF H.264: Full range color (0-255) enabled");
    }
    return;
  }
  set(AMF_VIDEO_ENCODER_HEVC_USAGE, amfVariant(AMF_VIDEO_ENCODER_HEVC_USAGE_LOW_LATENCY));
  set(AMF_VIDEO_ENCODER_HEVC_QUALITY_PRESET, amfVariant(AMF_VIDEO_ENCODER_HEVC_QUALITY_PRESET_SPEED));
  set(AMF_VIDEO_ENCODER_HEVC_PROFILE, amfVariant(AMF_VIDEO_ENCODER_HEVC_PROFILE_MAIN));
  set(AMF_VIDEO_ENCODER_HEVC_TIER, amfVariant(AMF_VIDEO_ENCODER_HEVC_TIER_MAIN));
  set(AMF_VIDEO_ENCODER_HEVC_RATE_CONTROL_METHOD, amfVariant(AMF_VIDEO_ENCODER_HEVC_RATE_CONTROL_METHOD_CBR));
  set(AMF_VIDEO_ENCODER_HEVC_TARGET_BITRATE, amfVariant(target));
  set(AMF_VIDEO_ENCODER_HEVC_PEAK_BITRATE, amfVariant(peak));
  set(AMF_VIDEO_ENCODER_HEVC_FRAMERATE, amfVariantRate(config_.fps, 1));
  set(AMF_VIDEO_ENCODER_HEVC_GOP_SIZE, amfVariant(config_.gopLength));
  set(AMF_VIDEO_ENCODER_HEVC_NUM_GOPS_PER_IDR, amfVariant(1));
  set(AMF_VIDEO_ENCODER_HEVC_HEADER_INSERTION_MODE, amfVariant(AMF_VIDEO_ENCODER_HEVC_HEADER_INSERTION_MODE_IDR_ALIGNED));
  set(AMF_VIDEO_ENCODER_HEVC_VBV_BUFFER_SIZE, amfVariant(vbvSize));
  set(AMF_VIDEO_ENCODER_HEVC_INITIAL_VBV_BUFFER_FULLNESS, amfVariant(kInitialVbvFullness));
  set(AMF_VIDEO_ENCODER_HEVC_LOWLATENCY_MODE, amfVariantBool(true));
  set(AMF_VIDEO_ENCODER_HEVC_ENABLE_VBAQ, amfVariantBool(true));
  if (config_.fullRange) {
    set(AMF_VIDEO_ENCODER_HEVC_NOMINAL_RANGE, amfVariant(AMF_VIDEO_ENCODER_HEVC_NOMINAL_RANGE_FULL));
    PV_LOG_INFO("AMF HEVC: Full range color (0-255) enabled");
  }
}

bool AmfEncoder::encodeFrame(const platform::CpuFrame& frame) {
  (void)frame;
  return false;
}

bool AmfEncoder::encodeTexture(const platform::GpuTexture& texture) {
  if (!initialized_.load()) return false;
  const auto* d3dTexture = dynamic_cast<const platform::win32::D3D11Texture*>(&texture);
  if (d3dTexture == nullptr || d3dTexture->native() == nullptr) return false;

  amf::AmfPtr<amf::AMFSurface> surface;
  const amf::AMF_RESULT wrapResult = context_->CreateSurfaceFromDX11Native(d3dTexture->native(), surface.put(), nullptr);
  if (wrapResult != amf::AMF_OK || !surface) {
    PV_LOG_ERROR("Failed to create AMF surface from texture: {}", resultCode(wrapResult));
    return false;
  }
  surface->SetPts(frameCounter_);
  if (keyframeRequested_.exchange(false)) {
    surface->SetProperty(hevc_ ? amf::AMF_VIDEO_ENCODER_HEVC_FORCE_PICTURE_TYPE : amf::AMF_VIDEO_ENCODER_FORCE_PICTURE_TYPE,
                         amf::amfVariant(kForceIdr));
  }
  amf::AMF_RESULT submitResult = component_->SubmitInput(surface.get());
  if (submitResult == amf::AMF_INPUT_FULL) {
    // The runtime's queue is full until its outputs are taken: take them, then once more.
    drainOutput();
    submitResult = component_->SubmitInput(surface.get());
  }
  if (submitResult != amf::AMF_OK) {
    PV_LOG_ERROR("Failed to submit frame to AMF encoder: {}", resultCode(submitResult));
    return false;
  }
  ++frameCounter_;
  drainOutput();
  return true;
}

void AmfEncoder::drainOutput() {
  for (int i = 0; i < kMaxOutputsPerDrain; ++i) {
    amf::AmfPtr<amf::AMFData> data;
    if (component_->QueryOutput(data.put()) != amf::AMF_OK || !data) return;
    amf::AmfPtr<amf::AMFBuffer> buffer;
    if (data->QueryInterface(amf::AMFBuffer::kIid, reinterpret_cast<void**>(buffer.put())) != amf::AMF_OK || !buffer) {
      continue;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(buffer->GetNative());
    const std::size_t length = buffer->GetSize();
    if (bytes == nullptr || length == 0 || !callback_) continue;

    amf::AMFVariantStruct dataType{};
    const bool typeRead = buffer->GetProperty(
        hevc_ ? amf::AMF_VIDEO_ENCODER_HEVC_OUTPUT_DATA_TYPE : amf::AMF_VIDEO_ENCODER_OUTPUT_DATA_TYPE, &dataType) ==
        amf::AMF_OK;
    const bool keyframe = !typeRead || dataType.int64Value == kOutputIdr;
    if (keyframe) {
      std::lock_guard lock(parameterSetsMutex_);
      extractParameterSets(bytes, length, hevc_, parameterSets_);
    }
    const amf::amf_pts pts = buffer->GetPts();
    EncodedFrame frame;
    frame.data = bytes;
    frame.size = length;
    frame.timestamp = pts;
    frame.isKeyframe = keyframe;
    frame.frameNumber = static_cast<std::uint32_t>(pts);
    callback_(frame);
    std::lock_guard lock(statsMutex_);
    ++stats_.framesEncoded;
    stats_.bytesEncoded += length;
  }
}

void AmfEncoder::setBitrate(std::uint32_t targetKbps, std::uint32_t maxKbps) {
  if (!initialized_.load() || !component_) return;
  config_.bitrateKbps = targetKbps;
  config_.maxBitrateKbps = maxKbps;
  component_->SetProperty(hevc_ ? amf::AMF_VIDEO_ENCODER_HEVC_TARGET_BITRATE : amf::AMF_VIDEO_ENCODER_TARGET_BITRATE,
                          amf::amfVariant(static_cast<amf::amf_int64>(targetKbps) * 1000));
  component_->SetProperty(hevc_ ? amf::AMF_VIDEO_ENCODER_HEVC_PEAK_BITRATE : amf::AMF_VIDEO_ENCODER_PEAK_BITRATE,
                          amf::amfVariant(static_cast<amf::amf_int64>(maxKbps) * 1000));
  PV_LOG_INFO("AMF bitrate updated to {} / {} kbps", targetKbps, maxKbps);
}

bool AmfEncoder::reconfigure(const EncoderConfig& config) {
  if (!initialized_.load()) {
    PV_LOG_ERROR("AMF encoder not initialized, cannot reconfigure");
    return false;
  }
  if (config.width == config_.width && config.height == config_.height) {
    setBitrate(config.bitrateKbps, config.maxBitrateKbps);
    return true;
  }
  PV_LOG_INFO("AMF resolution change requires reinit: {}x{} -> {}x{}", config_.width, config_.height, config.width,
              config.height);
  // The device stays with this encoder (gpuDevice_) across the re-initialization.
  shutdown();
  return initialize(config);
}

void AmfEncoder::shutdown() {
  if (!initialized_.exchange(false)) return;
  releaseRuntime();
  PV_LOG_INFO("AMF encoder shutdown");
}

void AmfEncoder::releaseRuntime() {
  if (component_) {
    component_->Terminate();
    component_.reset();
  }
  if (context_) {
    context_->Terminate();
    context_.reset();
  }
  if (library_ != nullptr) {
    FreeLibrary(static_cast<HMODULE>(library_));
    library_ = nullptr;
  }
  factory_ = nullptr;
  if (immediateContext_ != nullptr) {
    immediateContext_->Release();
    immediateContext_ = nullptr;
  }
  if (device_ != nullptr) {
    device_->Release();
    device_ = nullptr;
  }
}

EncoderStats AmfEncoder::getStats() const {
  std::lock_guard lock(statsMutex_);
  return stats_;
}

CodecParameterSets AmfEncoder::getParameterSets() const {
  std::lock_guard lock(parameterSetsMutex_);
  return parameterSets_;
}

}  // namespace parvalon::host
