// A stand-in for NVIDIA's nvEncodeAPI64.dll: the same two exports and the function-table
// entries the host calls. Every call is appended, with its arguments, to the file named by
// PARVALON_FAKE_NVENC_LOG, one line each: "<call> key=value ...". Encoding returns canned
// Annex B access units: an IDR picture with its parameter sets (first picture, forced IDR, a
// rate change's IDR, every idrPeriod pictures), P pictures otherwise.
//
// PARVALON_FAKE_NVENC_FAIL makes calls fail (FakeRuntimeEnvironment.h); "load" makes DllMain
// refuse to load.
// PARVALON_FAKE_NVENC_MAX_VERSION is the newest API the "driver" supports, (major << 4) | minor
// as NvEncodeAPIGetMaxSupportedVersion reports it (default 13.0); a session asking for a newer
// one fails with NV_ENC_ERR_INVALID_VERSION as a driver that is too old does.
#include <d3d11.h>
#include <nvEncodeAPI.h>
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "encode/FakeRuntimeEnvironment.h"

namespace {

namespace testing = parvalon::host::testing;

constexpr std::uintptr_t kSessionBase = 0x5000;
constexpr std::uintptr_t kRegisteredBase = 0x1000;
constexpr std::uintptr_t kMappedBase = 0x2000;
constexpr std::uintptr_t kBitstreamBase = 0x3000;
constexpr std::uint32_t kDefaultMaxVersion = (13 << 4) | 0;

// Never destroyed: DllMain records "unload" as the library goes, when statics may be gone.
testing::FakeRuntimeEnvironment& environment() {
  static auto* e = new testing::FakeRuntimeEnvironment("PARVALON_FAKE_NVENC");
  return *e;
}

void record(const char* format, ...) {
  char line[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  environment().record(line);
}

// The status the test asked this call to fail with, or NV_ENC_SUCCESS.
NVENCSTATUS injected(const char* call) {
  return static_cast<NVENCSTATUS>(environment().result(call, NV_ENC_SUCCESS));
}

// "load" alone in the failure list: DllMain refuses, so LoadLibrary fails.
bool loadRefused() { return ("," + environment().value("FAIL") + ",").find(",load,") != std::string::npos; }

std::uint32_t maxSupportedVersion() {
  const std::string value = environment().value("MAX_VERSION");
  return value.empty() ? kDefaultMaxVersion : static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 0));
}

// The structure number inside a version word, and whether it is the one the header defines.
bool versionIs(std::uint32_t word, std::uint32_t expected) {
  return (word & 0xFFFF0000u) == (expected & 0xFFFF0000u) && (word & 0xFFFFu) == NVENCAPI_MAJOR_VERSION;
}

const char* guidName(const GUID& guid) {
  if (std::memcmp(&guid, &NV_ENC_CODEC_H264_GUID, sizeof guid) == 0) return "h264";
  if (std::memcmp(&guid, &NV_ENC_CODEC_HEVC_GUID, sizeof guid) == 0) return "hevc";
  if (std::memcmp(&guid, &NV_ENC_PRESET_P1_GUID, sizeof guid) == 0) return "p1";
  return "other";
}

std::string handle(void* pointer, std::uintptr_t base, char letter) {
  const auto value = reinterpret_cast<std::uintptr_t>(pointer);
  if (value <= base || value > base + 0xFFF) return value == 0 ? "null" : "invalid";
  return letter + std::to_string(value - base);
}

void* makeHandle(std::uintptr_t base, int number) { return reinterpret_cast<void*>(base + number); }

struct Output {
  std::vector<std::uint8_t> bytes;
  NV_ENC_PIC_TYPE type = NV_ENC_PIC_TYPE_P;
};

struct State {
  int sessions = 0;
  int registered = 0;
  int bitstreams = 0;
  bool hevc = false;
  std::uint32_t idrPeriod = 0;
  std::uint32_t pictures = 0;
  bool idrPending = false;
  std::map<int, Output> outputs;
};

State& state() {
  static State s;
  return s;
}

const std::vector<std::uint8_t> kH264Idr = {0, 0, 0, 1, 0x67, 0x42, 0xC0, 0x1F, 0x8C, 0x8D, 0x40,  // SPS
                                            0, 0, 0, 1, 0x68, 0xCE, 0x3C, 0x80,                    // PPS
                                            0, 0, 1, 0x65, 0x88, 0x84, 0x00, 0xFF};                // IDR slice
const std::vector<std::uint8_t> kH264P = {0, 0, 0, 1, 0x41, 0x9A, 0x02, 0x03, 0x04};
const std::vector<std::uint8_t> kHevcIdr = {0, 0, 0, 1, 0x40, 0x01, 0x0C, 0x01, 0xFF,  // VPS
                                            0, 0, 0, 1, 0x42, 0x01, 0x01, 0x01, 0x60,  // SPS
                                            0, 0, 0, 1, 0x44, 0x01, 0xC1, 0x72,        // PPS
                                            0, 0, 1, 0x26, 0x01, 0xAF, 0x09};          // IDR_W_RADL
const std::vector<std::uint8_t> kHevcP = {0, 0, 0, 1, 0x02, 0x01, 0xD0, 0x09};

std::string describeVui(const NV_ENC_CONFIG_H264_VUI_PARAMETERS& v) {
  char text[256];
  std::snprintf(text, sizeof text,
                "videoFormat=%u videoSignalTypePresentFlag=%u videoFullRangeFlag=%u colourDescriptionPresentFlag=%u "
                "colourPrimaries=%u transferCharacteristics=%u colourMatrix=%u",
                v.videoFormat, v.videoSignalTypePresentFlag, v.videoFullRangeFlag, v.colourDescriptionPresentFlag,
                v.colourPrimaries, v.transferCharacteristics, v.colourMatrix);
  return text;
}

// Initialization and re-initialization parameters, with the configuration they point to.
std::string describe(const NV_ENC_INITIALIZE_PARAMS& p) {
  char text[1024];
  std::snprintf(text, sizeof text,
                "version=0x%08x encodeGUID=%s presetGUID=%s encodeWidth=%u encodeHeight=%u darWidth=%u darHeight=%u "
                "maxEncodeWidth=%u maxEncodeHeight=%u frameRateNum=%u frameRateDen=%u enableEncodeAsync=%u "
                "enablePTD=%u reportSliceOffsets=%u enableSubFrameWrite=%u enableWeightedPrediction=%u tuningInfo=%d",
                p.version, guidName(p.encodeGUID), guidName(p.presetGUID), p.encodeWidth, p.encodeHeight, p.darWidth,
                p.darHeight, p.maxEncodeWidth, p.maxEncodeHeight, p.frameRateNum, p.frameRateDen, p.enableEncodeAsync,
                p.enablePTD, p.reportSliceOffsets, p.enableSubFrameWrite, p.enableWeightedPrediction,
                static_cast<int>(p.tuningInfo));
  std::string out = text;
  const NV_ENC_CONFIG* c = p.encodeConfig;
  if (c == nullptr) return out + " encodeConfig=null";
  const NV_ENC_RC_PARAMS& rc = c->rcParams;
  std::snprintf(text, sizeof text,
                " configVersion=0x%08x gopLength=%u frameIntervalP=%d mvPrecision=%d rateControlMode=%d "
                "averageBitRate=%u maxBitRate=%u vbvBufferSize=%u vbvInitialDelay=%u enableAQ=%u zeroReorderDelay=%u "
                "aqStrength=%u lowDelayKeyFrameScale=%u",
                c->version, c->gopLength, c->frameIntervalP, static_cast<int>(c->mvPrecision),
                static_cast<int>(rc.rateControlMode), rc.averageBitRate, rc.maxBitRate, rc.vbvBufferSize,
                rc.vbvInitialDelay, rc.enableAQ, rc.zeroReorderDelay, rc.aqStrength, rc.lowDelayKeyFrameScale);
  out += text;
  if (std::memcmp(&p.encodeGUID, &NV_ENC_CODEC_HEVC_GUID, sizeof(GUID)) == 0) {
    const NV_ENC_CONFIG_HEVC& h = c->encodeCodecConfig.hevcConfig;
    std::snprintf(text, sizeof text,
                  " repeatSPSPPS=%u idrPeriod=%u maxNumRefFramesInDPB=%u sliceMode=%u sliceModeData=%u outputAUD=%u ",
                  h.repeatSPSPPS, h.idrPeriod, h.maxNumRefFramesInDPB, h.sliceMode, h.sliceModeData, h.outputAUD);
    out += text + describeVui(h.hevcVUIParameters);
  } else {
    const NV_ENC_CONFIG_H264& h = c->encodeCodecConfig.h264Config;
    std::snprintf(text, sizeof text,
                  " outputBufferingPeriodSEI=%u outputPictureTimingSEI=%u outputAUD=%u disableSPSPPS=%u "
                  "outputFramePackingSEI=%u enableIntraRefresh=%u repeatSPSPPS=%u level=%u idrPeriod=%u "
                  "maxNumRefFrames=%u sliceMode=%u sliceModeData=%u entropyCodingMode=%d ",
                  h.outputBufferingPeriodSEI, h.outputPictureTimingSEI, h.outputAUD, h.disableSPSPPS,
                  h.outputFramePackingSEI, h.enableIntraRefresh, h.repeatSPSPPS, h.level, h.idrPeriod,
                  h.maxNumRefFrames, h.sliceMode, h.sliceModeData, static_cast<int>(h.entropyCodingMode));
    out += text + describeVui(h.h264VUIParameters);
  }
  return out;
}

void takeIdrPeriod(const NV_ENC_INITIALIZE_PARAMS& p) {
  State& s = state();
  s.hevc = std::memcmp(&p.encodeGUID, &NV_ENC_CODEC_HEVC_GUID, sizeof(GUID)) == 0;
  if (p.encodeConfig != nullptr) {
    s.idrPeriod = s.hevc ? p.encodeConfig->encodeCodecConfig.hevcConfig.idrPeriod
                         : p.encodeConfig->encodeCodecConfig.h264Config.idrPeriod;
  }
}

NVENCSTATUS NVENCAPI openSession(NV_ENC_OPEN_ENCODE_SESSION_EX_PARAMS* params, void** encoder) {
  if (params == nullptr || encoder == nullptr) return NV_ENC_ERR_INVALID_PTR;
  const char* device = "null";
  if (params->device != nullptr) {
    ID3D11Device* d3d = nullptr;
    device = SUCCEEDED(static_cast<IUnknown*>(params->device)->QueryInterface(__uuidof(ID3D11Device),
                                                                               reinterpret_cast<void**>(&d3d)))
                 ? "d3d11"
                 : "other";
    if (d3d != nullptr) d3d->Release();
  }
  record("nvEncOpenEncodeSessionEx version=0x%08x deviceType=%d device=%s apiVersion=0x%08x", params->version,
         static_cast<int>(params->deviceType), device, params->apiVersion);
  if (NVENCSTATUS status = injected("nvEncOpenEncodeSessionEx")) return status;
  if (!versionIs(params->version, NV_ENC_OPEN_ENCODE_SESSION_EX_PARAMS_VER)) return NV_ENC_ERR_INVALID_VERSION;
  const std::uint32_t requested = ((params->apiVersion & 0xFF) << 4) | ((params->apiVersion >> 24) & 0xF);
  if (requested > maxSupportedVersion()) return NV_ENC_ERR_INVALID_VERSION;
  if (std::strcmp(device, "d3d11") != 0) return NV_ENC_ERR_INVALID_DEVICE;
  *encoder = makeHandle(kSessionBase, ++state().sessions);
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI presetConfigEx(void* encoder, GUID codec, GUID preset, NV_ENC_TUNING_INFO tuning,
                                    NV_ENC_PRESET_CONFIG* config) {
  if (config == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("nvEncGetEncodePresetConfigEx session=%s encodeGUID=%s presetGUID=%s tuningInfo=%d version=0x%08x "
         "configVersion=0x%08x",
         handle(encoder, kSessionBase, 'S').c_str(), guidName(codec), guidName(preset), static_cast<int>(tuning),
         config->version, config->presetCfg.version);
  if (NVENCSTATUS status = injected("nvEncGetEncodePresetConfigEx")) return status;
  if (!versionIs(config->version, NV_ENC_PRESET_CONFIG_VER) || !versionIs(config->presetCfg.version, NV_ENC_CONFIG_VER)) {
    return NV_ENC_ERR_INVALID_VERSION;
  }
  // A preset with values of its own wherever the host must change them, and a few markers the
  // host must leave alone (mvPrecision, lowDelayKeyFrameScale, entropyCodingMode, videoFormat,
  // HEVC outputAUD).
  NV_ENC_CONFIG& c = config->presetCfg;
  const std::uint32_t version = c.version;
  std::memset(&c, 0, sizeof c);
  c.version = version;
  c.gopLength = 250;
  c.frameIntervalP = 3;
  c.mvPrecision = NV_ENC_MV_PRECISION_QUARTER_PEL;
  c.rcParams.version = NV_ENC_RC_PARAMS_VER;
  c.rcParams.rateControlMode = NV_ENC_PARAMS_RC_VBR;
  c.rcParams.averageBitRate = 1;
  c.rcParams.maxBitRate = 2;
  c.rcParams.vbvBufferSize = 3;
  c.rcParams.vbvInitialDelay = 4;
  c.rcParams.lowDelayKeyFrameScale = 2;
  NV_ENC_CONFIG_H264& h = c.encodeCodecConfig.h264Config;
  if (std::memcmp(&codec, &NV_ENC_CODEC_HEVC_GUID, sizeof(GUID)) == 0) {
    NV_ENC_CONFIG_HEVC& e = c.encodeCodecConfig.hevcConfig;
    e.outputAUD = 1;
    e.idrPeriod = 250;
    e.maxNumRefFramesInDPB = 4;
    e.hevcVUIParameters.videoFormat = 2;
  } else {
    h.outputBufferingPeriodSEI = 1;
    h.outputPictureTimingSEI = 1;
    h.outputAUD = 1;
    h.disableSPSPPS = 1;
    h.enableIntraRefresh = 1;
    h.level = 51;
    h.idrPeriod = 250;
    h.maxNumRefFrames = 4;
    h.entropyCodingMode = NV_ENC_H264_ENTROPY_CODING_MODE_CABAC;
    h.h264VUIParameters.videoFormat = 2;
  }
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI initializeEncoder(void* encoder, NV_ENC_INITIALIZE_PARAMS* params) {
  if (params == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("nvEncInitializeEncoder session=%s %s", handle(encoder, kSessionBase, 'S').c_str(), describe(*params).c_str());
  if (NVENCSTATUS status = injected("nvEncInitializeEncoder")) return status;
  if (!versionIs(params->version, NV_ENC_INITIALIZE_PARAMS_VER)) return NV_ENC_ERR_INVALID_VERSION;
  takeIdrPeriod(*params);
  state().pictures = 0;
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI registerResource(void*, NV_ENC_REGISTER_RESOURCE* params) {
  if (params == nullptr) return NV_ENC_ERR_INVALID_PTR;
  D3D11_TEXTURE2D_DESC desc{};
  ID3D11Texture2D* texture = nullptr;
  if (params->resourceToRegister != nullptr &&
      SUCCEEDED(static_cast<IUnknown*>(params->resourceToRegister)
                    ->QueryInterface(__uuidof(ID3D11Texture2D), reinterpret_cast<void**>(&texture)))) {
    texture->GetDesc(&desc);
    texture->Release();
  }
  record("nvEncRegisterResource version=0x%08x resourceType=%d width=%u height=%u pitch=%u subResourceIndex=%u "
         "bufferFormat=0x%08x bufferUsage=%d textureWidth=%u textureHeight=%u textureFormat=%d bindFlags=0x%x "
         "miscFlags=0x%x usage=%d cpuAccess=0x%x mipLevels=%u",
         params->version, static_cast<int>(params->resourceType), params->width, params->height, params->pitch,
         params->subResourceIndex, static_cast<unsigned>(params->bufferFormat), static_cast<int>(params->bufferUsage),
         desc.Width, desc.Height, static_cast<int>(desc.Format), desc.BindFlags, desc.MiscFlags,
         static_cast<int>(desc.Usage), desc.CPUAccessFlags, desc.MipLevels);
  if (NVENCSTATUS status = injected("nvEncRegisterResource")) return status;
  if (!versionIs(params->version, NV_ENC_REGISTER_RESOURCE_VER)) return NV_ENC_ERR_INVALID_VERSION;
  if (texture == nullptr) return NV_ENC_ERR_INVALID_PARAM;
  params->registeredResource = makeHandle(kRegisteredBase, ++state().registered);
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI createBitstreamBuffer(void*, NV_ENC_CREATE_BITSTREAM_BUFFER* params) {
  if (params == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("nvEncCreateBitstreamBuffer version=0x%08x", params->version);
  if (NVENCSTATUS status = injected("nvEncCreateBitstreamBuffer")) return status;
  if (!versionIs(params->version, NV_ENC_CREATE_BITSTREAM_BUFFER_VER)) return NV_ENC_ERR_INVALID_VERSION;
  params->bitstreamBuffer = makeHandle(kBitstreamBase, ++state().bitstreams);
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI mapInputResource(void*, NV_ENC_MAP_INPUT_RESOURCE* params) {
  if (params == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("nvEncMapInputResource version=0x%08x registeredResource=%s", params->version,
         handle(params->registeredResource, kRegisteredBase, 'R').c_str());
  if (NVENCSTATUS status = injected("nvEncMapInputResource")) return status;
  if (!versionIs(params->version, NV_ENC_MAP_INPUT_RESOURCE_VER)) return NV_ENC_ERR_INVALID_VERSION;
  const auto number = reinterpret_cast<std::uintptr_t>(params->registeredResource) - kRegisteredBase;
  params->mappedResource = makeHandle(kMappedBase, static_cast<int>(number));
  params->mappedBufferFmt = NV_ENC_BUFFER_FORMAT_ARGB;
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI unmapInputResource(void*, NV_ENC_INPUT_PTR mapped) {
  record("nvEncUnmapInputResource mappedResource=%s", handle(mapped, kMappedBase, 'M').c_str());
  return injected("nvEncUnmapInputResource");
}

NVENCSTATUS NVENCAPI encodePicture(void*, NV_ENC_PIC_PARAMS* params) {
  if (params == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("nvEncEncodePicture version=0x%08x inputWidth=%u inputHeight=%u inputPitch=%u encodePicFlags=%u frameIdx=%u "
         "inputTimeStamp=%llu inputDuration=%llu inputBuffer=%s outputBitstream=%s completionEvent=%s bufferFmt=0x%08x "
         "pictureStruct=%d",
         params->version, params->inputWidth, params->inputHeight, params->inputPitch, params->encodePicFlags,
         params->frameIdx, static_cast<unsigned long long>(params->inputTimeStamp),
         static_cast<unsigned long long>(params->inputDuration), handle(params->inputBuffer, kMappedBase, 'M').c_str(),
         handle(params->outputBitstream, kBitstreamBase, 'B').c_str(), params->completionEvent ? "set" : "null",
         static_cast<unsigned>(params->bufferFmt), static_cast<int>(params->pictureStruct));
  if (NVENCSTATUS status = injected("nvEncEncodePicture")) return status;
  if (!versionIs(params->version, NV_ENC_PIC_PARAMS_VER)) return NV_ENC_ERR_INVALID_VERSION;
  State& s = state();
  const bool idr = s.pictures == 0 || s.idrPending || (params->encodePicFlags & NV_ENC_PIC_FLAG_FORCEIDR) != 0 ||
                   (s.idrPeriod != 0 && s.pictures % s.idrPeriod == 0);
  s.idrPending = false;
  ++s.pictures;
  Output& out = s.outputs[static_cast<int>(reinterpret_cast<std::uintptr_t>(params->outputBitstream) - kBitstreamBase)];
  out.bytes = idr ? (s.hevc ? kHevcIdr : kH264Idr) : (s.hevc ? kHevcP : kH264P);
  out.type = idr ? NV_ENC_PIC_TYPE_IDR : NV_ENC_PIC_TYPE_P;
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI lockBitstream(void*, NV_ENC_LOCK_BITSTREAM* params) {
  if (params == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("nvEncLockBitstream version=0x%08x outputBitstream=%s", params->version,
         handle(params->outputBitstream, kBitstreamBase, 'B').c_str());
  if (NVENCSTATUS status = injected("nvEncLockBitstream")) return status;
  if (!versionIs(params->version, NV_ENC_LOCK_BITSTREAM_VER)) return NV_ENC_ERR_INVALID_VERSION;
  Output& out = state().outputs[static_cast<int>(reinterpret_cast<std::uintptr_t>(params->outputBitstream) - kBitstreamBase)];
  params->bitstreamBufferPtr = out.bytes.data();
  params->bitstreamSizeInBytes = static_cast<std::uint32_t>(out.bytes.size());
  params->pictureType = out.type;
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI unlockBitstream(void*, NV_ENC_OUTPUT_PTR buffer) {
  record("nvEncUnlockBitstream outputBitstream=%s", handle(buffer, kBitstreamBase, 'B').c_str());
  return injected("nvEncUnlockBitstream");
}

NVENCSTATUS NVENCAPI reconfigureEncoder(void*, NV_ENC_RECONFIGURE_PARAMS* params) {
  if (params == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("nvEncReconfigureEncoder reconfigureVersion=0x%08x resetEncoder=%u forceIDR=%u %s", params->version,
         params->resetEncoder, params->forceIDR, describe(params->reInitEncodeParams).c_str());
  if (NVENCSTATUS status = injected("nvEncReconfigureEncoder")) return status;
  if (!versionIs(params->version, NV_ENC_RECONFIGURE_PARAMS_VER)) return NV_ENC_ERR_INVALID_VERSION;
  takeIdrPeriod(params->reInitEncodeParams);
  if (params->forceIDR) state().idrPending = true;
  return NV_ENC_SUCCESS;
}

NVENCSTATUS NVENCAPI unregisterResource(void*, NV_ENC_REGISTERED_PTR resource) {
  record("nvEncUnregisterResource registeredResource=%s", handle(resource, kRegisteredBase, 'R').c_str());
  return injected("nvEncUnregisterResource");
}

NVENCSTATUS NVENCAPI destroyBitstreamBuffer(void*, NV_ENC_OUTPUT_PTR buffer) {
  record("nvEncDestroyBitstreamBuffer bitstreamBuffer=%s", handle(buffer, kBitstreamBase, 'B').c_str());
  return injected("nvEncDestroyBitstreamBuffer");
}

NVENCSTATUS NVENCAPI destroyEncoder(void* encoder) {
  record("nvEncDestroyEncoder session=%s", handle(encoder, kSessionBase, 'S').c_str());
  return injected("nvEncDestroyEncoder");
}

}  // namespace

extern "C" {

__declspec(dllexport) NVENCSTATUS NVENCAPI NvEncodeAPIGetMaxSupportedVersion(std::uint32_t* version) {
  record("NvEncodeAPIGetMaxSupportedVersion");
  if (version == nullptr) return NV_ENC_ERR_INVALID_PTR;
  if (NVENCSTATUS status = injected("NvEncodeAPIGetMaxSupportedVersion")) return status;
  *version = maxSupportedVersion();
  return NV_ENC_SUCCESS;
}

__declspec(dllexport) NVENCSTATUS NVENCAPI NvEncodeAPICreateInstance(NV_ENCODE_API_FUNCTION_LIST* list) {
  if (list == nullptr) return NV_ENC_ERR_INVALID_PTR;
  record("NvEncodeAPICreateInstance version=0x%08x", list->version);
  if (NVENCSTATUS status = injected("NvEncodeAPICreateInstance")) return status;
  if (!versionIs(list->version, NV_ENCODE_API_FUNCTION_LIST_VER)) return NV_ENC_ERR_INVALID_VERSION;
  list->nvEncOpenEncodeSessionEx = openSession;
  list->nvEncGetEncodePresetConfigEx = presetConfigEx;
  list->nvEncInitializeEncoder = initializeEncoder;
  list->nvEncRegisterResource = registerResource;
  list->nvEncCreateBitstreamBuffer = createBitstreamBuffer;
  list->nvEncMapInputResource = mapInputResource;
  list->nvEncUnmapInputResource = unmapInputResource;
  list->nvEncEncodePicture = encodePicture;
  list->nvEncLockBitstream = lockBitstream;
  list->nvEncUnlockBitstream = unlockBitstream;
  list->nvEncReconfigureEncoder = reconfigureEncoder;
  list->nvEncUnregisterResource = unregisterResource;
  list->nvEncDestroyBitstreamBuffer = destroyBitstreamBuffer;
  list->nvEncDestroyEncoder = destroyEncoder;
  return NV_ENC_SUCCESS;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (loadRefused()) {
      record("load refused");
      return FALSE;
    }
    record("load");
  } else if (reason == DLL_PROCESS_DETACH) {
    record("unload");
  }
  return TRUE;
}

}  // extern "C"
