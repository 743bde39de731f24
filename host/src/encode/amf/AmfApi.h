#pragma once

// The part of AMD's Advanced Media Framework runtime ("amfrt64.dll") the AMF encoder talks to,
// declared here because Debian ships no AMF headers. The runtime is a C++ binary interface:
// objects are reached through virtual tables, so what must match the runtime is the order of
// the virtual methods of each class (base classes first), their argument lists, the calling
// convention, and the layout of the records passed by value. Names follow the SDK's so a reader
// can hold them against its documentation; everything lives in parvalon::host::amf.
//
// Where the facts come from:
// - Confirmed from public API documentation: "AMFInit" takes (amf_uint64 version,
//   AMFFactory**) and "AMFQueryVersion" (amf_uint64*), both AMF_CDECL_CALL; interface methods
//   are AMF_STD_CALL; the component ids, property names and enumeration values the encoder
//   uses (those are also fixed by our own design of the encoder).
// - From our reading of the SDK's headers, not re-checked against a runtime: the method order
//   of every interface below (notably the many AMFContext methods before
//   CreateSurfaceFromDX11Native), the AMFBuffer interface id, and the variant record's union.
//   The fake runtime the tests load is built from this same header, so the tests check the
//   encoder's calls and their order, not this layout: that needs a machine with AMD's runtime.
// - Two methods the SDK declares as overloads of one name (AMFPropertyStorageEx's
//   GetPropertyInfo by index and by name, and the observer methods AMFBuffer and AMFSurface
//   add beside AMFPropertyStorage's) carry distinct names here; the encoder calls none of them,
//   and the number of slots they take is what keeps the later slots in place.
//
// On x86-64 Windows __stdcall and __cdecl are the same convention; they are spelled out so a
// 32-bit build would still match.

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define PV_AMF_STD_CALL __stdcall
#define PV_AMF_CDECL_CALL __cdecl
#else
#define PV_AMF_STD_CALL
#define PV_AMF_CDECL_CALL
#endif

namespace parvalon::host::amf {

using amf_int8 = std::int8_t;
using amf_uint8 = std::uint8_t;
using amf_int16 = std::int16_t;
using amf_uint16 = std::uint16_t;
using amf_int32 = std::int32_t;
using amf_uint32 = std::uint32_t;
using amf_int64 = std::int64_t;
using amf_uint64 = std::uint64_t;
using amf_long = std::int32_t;  // the SDK's "long": 32 bits on Windows
using amf_size = std::size_t;
using amf_bool = bool;
using amf_double = double;
using amf_pts = amf_int64;
using amf_handle = void*;

// A full version number: major, minor, release and build in 16 bits each, major highest.
constexpr amf_uint64 amfFullVersion(amf_uint64 major, amf_uint64 minor, amf_uint64 release, amf_uint64 build) {
  return (major << 48) | (minor << 32) | (release << 16) | build;
}

// Results. Plain enumerations with a fixed int underlying type: a runtime may return values
// not listed here, and they must survive the conversion.
enum AMF_RESULT : int {
  AMF_OK = 0,
  AMF_FAIL = 1,
  AMF_UNEXPECTED = 2,
  AMF_ACCESS_DENIED = 3,
  AMF_INVALID_ARG = 4,
  AMF_OUT_OF_RANGE = 5,
  AMF_OUT_OF_MEMORY = 6,
  AMF_INVALID_POINTER = 7,
  AMF_NO_INTERFACE = 8,
  AMF_NOT_IMPLEMENTED = 9,
  AMF_NOT_SUPPORTED = 10,
  AMF_NOT_FOUND = 11,
  AMF_ALREADY_INITIALIZED = 12,
  AMF_NOT_INITIALIZED = 13,
  AMF_INVALID_FORMAT = 14,
  AMF_WRONG_STATE = 15,
  AMF_FILE_NOT_OPEN = 16,
  AMF_NO_DEVICE = 17,
  AMF_DIRECTX_FAILED = 18,
  AMF_EOF = 23,
  AMF_REPEAT = 24,
  AMF_INPUT_FULL = 25,
};

enum AMF_DX_VERSION : int {
  AMF_DX9 = 90,
  AMF_DX9_EX = 91,
  AMF_DX11_0 = 110,
  AMF_DX11_1 = 111,
};

enum AMF_SURFACE_FORMAT : int {
  AMF_SURFACE_UNKNOWN = 0,
  AMF_SURFACE_NV12 = 1,
  AMF_SURFACE_BGRA = 3,
};

enum AMF_MEMORY_TYPE : int {
  AMF_MEMORY_UNKNOWN = 0,
  AMF_MEMORY_HOST = 1,
  AMF_MEMORY_DX11 = 3,
};

enum AMF_DATA_TYPE : int {
  AMF_DATA_BUFFER = 0,
  AMF_DATA_SURFACE = 1,
  AMF_DATA_AUDIO_BUFFER = 2,
  AMF_DATA_USER = 1000,
};

enum AMF_PLANE_TYPE : int { AMF_PLANE_UNKNOWN = 0, AMF_PLANE_PACKED = 1 };
enum AMF_FRAME_TYPE : int { AMF_FRAME_PROGRESSIVE = 0 };

enum AMF_VARIANT_TYPE : int {
  AMF_VARIANT_EMPTY = 0,
  AMF_VARIANT_BOOL = 1,
  AMF_VARIANT_INT64 = 2,
  AMF_VARIANT_DOUBLE = 3,
  AMF_VARIANT_RECT = 4,
  AMF_VARIANT_SIZE = 5,
  AMF_VARIANT_POINT = 6,
  AMF_VARIANT_RATE = 7,
  AMF_VARIANT_RATIO = 8,
  AMF_VARIANT_COLOR = 9,
  AMF_VARIANT_STRING = 10,
  AMF_VARIANT_WSTRING = 11,
  AMF_VARIANT_INTERFACE = 12,
};

struct AMFRect {
  amf_int32 left, top, right, bottom;
};
struct AMFSize {
  amf_int32 width, height;
};
struct AMFPoint {
  amf_int32 x, y;
};
struct AMFRate {
  amf_uint32 num, den;
};
struct AMFRatio {
  amf_uint32 num, den;
};
struct AMFColor {
  amf_uint8 r, g, b, a;
};

class AMFInterface;

// The variant record property values travel in, passed by value (on x64: by hidden pointer to
// a copy the caller makes, as for any record over eight bytes).
struct AMFVariantStruct {
  AMF_VARIANT_TYPE type;
  union {
    amf_bool boolValue;
    amf_int64 int64Value;
    amf_double doubleValue;
    char* stringValue;
    wchar_t* wstringValue;
    AMFInterface* pInterface;
    AMFRect rectValue;
    AMFSize sizeValue;
    AMFPoint pointValue;
    AMFRate rateValue;
    AMFRatio ratioValue;
    AMFColor colorValue;
  };
};
static_assert(sizeof(AMFVariantStruct) == 24, "the runtime's variant record is 24 bytes on x64");

inline AMFVariantStruct amfVariant(amf_int64 value) {
  AMFVariantStruct v{};
  v.type = AMF_VARIANT_INT64;
  v.int64Value = value;
  return v;
}
inline AMFVariantStruct amfVariantBool(amf_bool value) {
  AMFVariantStruct v{};
  v.type = AMF_VARIANT_BOOL;
  v.boolValue = value;
  return v;
}
inline AMFVariantStruct amfVariantRate(amf_uint32 num, amf_uint32 den) {
  AMFVariantStruct v{};
  v.type = AMF_VARIANT_RATE;
  v.rateValue = AMFRate{num, den};
  return v;
}

// Interface ids (the SDK's AMFGuid: 32, 16, 16 bits, then eight bytes).
struct AMFGuid {
  amf_uint32 data1;
  amf_uint16 data21;
  amf_uint16 data22;
  amf_uint8 data31, data32, data33, data34, data35, data36, data37, data38;
  bool operator==(const AMFGuid&) const = default;
};

class AMFPropertyStorageObserver;
class AMFPropertyInfo;
class AMFBufferObserver;
class AMFSurfaceObserver;
class AMFPlane;
class AMFDataAllocatorCB;
class AMFCaps;
class AMFComponentOptimizationCallback;
class AMFComputeFactory;
class AMFComputeDevice;
class AMFCompute;
class AMFAudioBuffer;
class AMFDebug;
class AMFTrace;
class AMFPrograms;
class AMFContext;
class AMFBuffer;
class AMFSurface;

class AMFInterface {
 public:
  virtual amf_long PV_AMF_STD_CALL Acquire() = 0;
  virtual amf_long PV_AMF_STD_CALL Release() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL QueryInterface(const AMFGuid& interfaceId, void** ppInterface) = 0;

 protected:
  ~AMFInterface() = default;  // objects die through Release
};

class AMFPropertyStorage : public AMFInterface {
 public:
  virtual AMF_RESULT PV_AMF_STD_CALL SetProperty(const wchar_t* name, AMFVariantStruct value) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetProperty(const wchar_t* name, AMFVariantStruct* pValue) const = 0;
  virtual amf_bool PV_AMF_STD_CALL HasProperty(const wchar_t* name) const = 0;
  virtual amf_size PV_AMF_STD_CALL GetPropertyCount() const = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetPropertyAt(amf_size index, wchar_t* name, amf_size nameSize,
                                                   AMFVariantStruct* pValue) const = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Clear() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL AddTo(AMFPropertyStorage* pDest, amf_bool overwrite, amf_bool deep) const = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL CopyTo(AMFPropertyStorage* pDest, amf_bool deep) const = 0;
  virtual void PV_AMF_STD_CALL AddObserver(AMFPropertyStorageObserver* pObserver) = 0;
  virtual void PV_AMF_STD_CALL RemoveObserver(AMFPropertyStorageObserver* pObserver) = 0;

 protected:
  ~AMFPropertyStorage() = default;
};

class AMFPropertyStorageEx : public AMFPropertyStorage {
 public:
  virtual amf_size PV_AMF_STD_CALL GetPropertiesInfoCount() const = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetPropertyInfoAt(amf_size index, const AMFPropertyInfo** ppInfo) const = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetPropertyInfo(const wchar_t* name, const AMFPropertyInfo** ppInfo) const = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL ValidateProperty(const wchar_t* name, AMFVariantStruct value,
                                                      AMFVariantStruct* pOutValidated) const = 0;

 protected:
  ~AMFPropertyStorageEx() = default;
};

class AMFData : public AMFPropertyStorage {
 public:
  virtual AMF_MEMORY_TYPE PV_AMF_STD_CALL GetMemoryType() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Duplicate(AMF_MEMORY_TYPE type, AMFData** ppData) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Convert(AMF_MEMORY_TYPE type) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Interop(AMF_MEMORY_TYPE type) = 0;
  virtual AMF_DATA_TYPE PV_AMF_STD_CALL GetDataType() = 0;
  virtual amf_bool PV_AMF_STD_CALL IsReusable() = 0;
  virtual void PV_AMF_STD_CALL SetPts(amf_pts pts) = 0;
  virtual amf_pts PV_AMF_STD_CALL GetPts() = 0;
  virtual void PV_AMF_STD_CALL SetDuration(amf_pts duration) = 0;
  virtual amf_pts PV_AMF_STD_CALL GetDuration() = 0;

 protected:
  ~AMFData() = default;
};

class AMFBuffer : public AMFData {
 public:
  static constexpr AMFGuid kIid{0xb04b7248, 0xb6f0, 0x4321, 0xb6, 0x91, 0xba, 0xa4, 0x74, 0x0f, 0x9f, 0xcb};

  virtual AMF_RESULT PV_AMF_STD_CALL SetSize(amf_size newSize) = 0;
  virtual amf_size PV_AMF_STD_CALL GetSize() = 0;
  virtual void* PV_AMF_STD_CALL GetNative() = 0;
  virtual void PV_AMF_STD_CALL AddBufferObserver(AMFBufferObserver* pObserver) = 0;
  virtual void PV_AMF_STD_CALL RemoveBufferObserver(AMFBufferObserver* pObserver) = 0;

 protected:
  ~AMFBuffer() = default;
};

class AMFSurface : public AMFData {
 public:
  virtual AMF_SURFACE_FORMAT PV_AMF_STD_CALL GetFormat() = 0;
  virtual amf_size PV_AMF_STD_CALL GetPlanesCount() = 0;
  virtual AMFPlane* PV_AMF_STD_CALL GetPlaneAt(amf_size index) = 0;
  virtual AMFPlane* PV_AMF_STD_CALL GetPlane(AMF_PLANE_TYPE type) = 0;
  virtual AMF_FRAME_TYPE PV_AMF_STD_CALL GetFrameType() = 0;
  virtual void PV_AMF_STD_CALL SetFrameType(AMF_FRAME_TYPE type) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL SetCrop(amf_int32 x, amf_int32 y, amf_int32 width, amf_int32 height) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL CopySurfaceRegion(AMFSurface* pDest, amf_int32 dstX, amf_int32 dstY,
                                                       amf_int32 srcX, amf_int32 srcY, amf_int32 width,
                                                       amf_int32 height) = 0;
  virtual void PV_AMF_STD_CALL AddSurfaceObserver(AMFSurfaceObserver* pObserver) = 0;
  virtual void PV_AMF_STD_CALL RemoveSurfaceObserver(AMFSurfaceObserver* pObserver) = 0;

 protected:
  ~AMFSurface() = default;
};

class AMFContext : public AMFPropertyStorage {
 public:
  virtual AMF_RESULT PV_AMF_STD_CALL Terminate() = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL InitDX9(void* pDX9Device) = 0;
  virtual void* PV_AMF_STD_CALL GetDX9Device(AMF_DX_VERSION dxVersionRequired) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL LockDX9() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL UnlockDX9() = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL InitDX11(void* pDX11Device, AMF_DX_VERSION dxVersionRequired) = 0;
  virtual void* PV_AMF_STD_CALL GetDX11Device(AMF_DX_VERSION dxVersionRequired) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL LockDX11() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL UnlockDX11() = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL InitOpenCL(void* pCommandQueue) = 0;
  virtual void* PV_AMF_STD_CALL GetOpenCLContext() = 0;
  virtual void* PV_AMF_STD_CALL GetOpenCLCommandQueue() = 0;
  virtual void* PV_AMF_STD_CALL GetOpenCLDeviceID() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetOpenCLComputeFactory(AMFComputeFactory** ppFactory) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL InitOpenCLEx(AMFComputeDevice* pDevice) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL LockOpenCL() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL UnlockOpenCL() = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL InitOpenGL(amf_handle hOpenGLContext, amf_handle hWindow, amf_handle hDC) = 0;
  virtual amf_handle PV_AMF_STD_CALL GetOpenGLContext() = 0;
  virtual amf_handle PV_AMF_STD_CALL GetOpenGLDrawable() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL LockOpenGL() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL UnlockOpenGL() = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL InitXV(void* pXVDevice) = 0;
  virtual void* PV_AMF_STD_CALL GetXVDevice() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL LockXV() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL UnlockXV() = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL InitGralloc(void* pGrallocDevice) = 0;
  virtual void* PV_AMF_STD_CALL GetGrallocDevice() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL LockGralloc() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL UnlockGralloc() = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL AllocBuffer(AMF_MEMORY_TYPE type, amf_size size, AMFBuffer** ppBuffer) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL AllocSurface(AMF_MEMORY_TYPE type, AMF_SURFACE_FORMAT format, amf_int32 width,
                                                  amf_int32 height, AMFSurface** ppSurface) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL AllocAudioBuffer(AMF_MEMORY_TYPE type, int format, amf_int32 samples,
                                                      amf_int32 sampleRate, amf_int32 channels,
                                                      AMFAudioBuffer** ppAudioBuffer) = 0;

  virtual AMF_RESULT PV_AMF_STD_CALL CreateBufferFromHostNative(void* pHostBuffer, amf_size size, AMFBuffer** ppBuffer,
                                                                AMFBufferObserver* pObserver) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL CreateSurfaceFromHostNative(AMF_SURFACE_FORMAT format, amf_int32 width,
                                                                 amf_int32 height, amf_int32 hPitch, amf_int32 vPitch,
                                                                 void* pData, AMFSurface** ppSurface,
                                                                 AMFSurfaceObserver* pObserver) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL CreateSurfaceFromDX9Native(void* pDX9Surface, AMFSurface** ppSurface,
                                                                AMFSurfaceObserver* pObserver) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL CreateSurfaceFromDX11Native(void* pDX11Surface, AMFSurface** ppSurface,
                                                                 AMFSurfaceObserver* pObserver) = 0;

 protected:
  ~AMFContext() = default;
};

class AMFComponent : public AMFPropertyStorageEx {
 public:
  virtual AMF_RESULT PV_AMF_STD_CALL Init(AMF_SURFACE_FORMAT format, amf_int32 width, amf_int32 height) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL ReInit(amf_int32 width, amf_int32 height) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Terminate() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Drain() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Flush() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL SubmitInput(AMFData* pData) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL QueryOutput(AMFData** ppData) = 0;
  virtual AMFContext* PV_AMF_STD_CALL GetContext() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL SetOutputDataAllocatorCB(AMFDataAllocatorCB* callback) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetCaps(AMFCaps** ppCaps) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL Optimize(AMFComponentOptimizationCallback* pCallback) = 0;

 protected:
  ~AMFComponent() = default;
};

// The runtime's factory: owned by the runtime for as long as the library is loaded, not
// reference-counted.
class AMFFactory {
 public:
  virtual AMF_RESULT PV_AMF_STD_CALL CreateContext(AMFContext** ppContext) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL CreateComponent(AMFContext* pContext, const wchar_t* id,
                                                     AMFComponent** ppComponent) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL SetCacheFolder(const wchar_t* path) = 0;
  virtual const wchar_t* PV_AMF_STD_CALL GetCacheFolder() = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetDebug(AMFDebug** ppDebug) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetTrace(AMFTrace** ppTrace) = 0;
  virtual AMF_RESULT PV_AMF_STD_CALL GetPrograms(AMFPrograms** ppPrograms) = 0;

 protected:
  ~AMFFactory() = default;
};

// The runtime library's exports.
inline constexpr const char* AMF_INIT_FUNCTION_NAME = "AMFInit";
inline constexpr const char* AMF_QUERY_VERSION_FUNCTION_NAME = "AMFQueryVersion";
using AMFInit_Fn = AMF_RESULT(PV_AMF_CDECL_CALL*)(amf_uint64 version, AMFFactory** ppFactory);
using AMFQueryVersion_Fn = AMF_RESULT(PV_AMF_CDECL_CALL*)(amf_uint64* pVersion);

// Encoder components.
inline constexpr const wchar_t* AMFVideoEncoderVCE_AVC = L"AMFVideoEncoderVCE_AVC";
inline constexpr const wchar_t* AMFVideoEncoder_HEVC = L"AMFVideoEncoderHW_HEVC";

// H.264 encoder properties and values.
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_USAGE = L"Usage";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_QUALITY_PRESET = L"QualityPreset";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_PROFILE = L"Profile";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_RATE_CONTROL_METHOD = L"RateControlMethod";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_TARGET_BITRATE = L"TargetBitrate";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_PEAK_BITRATE = L"PeakBitrate";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_FRAMERATE = L"FrameRate";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_IDR_PERIOD = L"IDRPeriod";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_B_PIC_PATTERN = L"BPicturesPattern";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEADER_INSERTION_SPACING = L"HeaderInsertionSpacing";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_VBV_BUFFER_SIZE = L"VBVBufferSize";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_INITIAL_VBV_BUFFER_FULLNESS = L"InitialVBVBufferFullness";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_LOWLATENCY_MODE = L"LowLatencyInternal";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_SLICES_PER_FRAME = L"SlicesPerFrame";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_ENABLE_VBAQ = L"EnableVBAQ";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_FULL_RANGE_COLOR = L"FullRangeColor";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_FORCE_PICTURE_TYPE = L"ForcePictureType";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_OUTPUT_DATA_TYPE = L"OutputDataType";

enum AMF_VIDEO_ENCODER_USAGE_ENUM : int { AMF_VIDEO_ENCODER_USAGE_LOW_LATENCY = 2 };
enum AMF_VIDEO_ENCODER_QUALITY_PRESET_ENUM : int { AMF_VIDEO_ENCODER_QUALITY_PRESET_SPEED = 1 };
enum AMF_VIDEO_ENCODER_PROFILE_ENUM : int { AMF_VIDEO_ENCODER_PROFILE_MAIN = 77 };
enum AMF_VIDEO_ENCODER_RATE_CONTROL_METHOD_ENUM : int { AMF_VIDEO_ENCODER_RATE_CONTROL_METHOD_CBR = 1 };
enum AMF_VIDEO_ENCODER_PICTURE_TYPE_ENUM : int { AMF_VIDEO_ENCODER_PICTURE_TYPE_IDR = 2 };
enum AMF_VIDEO_ENCODER_OUTPUT_DATA_TYPE_ENUM : int {
  AMF_VIDEO_ENCODER_OUTPUT_DATA_TYPE_IDR = 0,
  AMF_VIDEO_ENCODER_OUTPUT_DATA_TYPE_I = 1,
  AMF_VIDEO_ENCODER_OUTPUT_DATA_TYPE_P = 2,
};

// HEVC encoder properties and values.
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_USAGE = L"HevcUsage";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_QUALITY_PRESET = L"HevcQualityPreset";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_PROFILE = L"HevcProfile";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_TIER = L"HevcTier";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_RATE_CONTROL_METHOD = L"HevcRateControlMethod";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_TARGET_BITRATE = L"HevcTargetBitrate";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_PEAK_BITRATE = L"HevcPeakBitrate";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_FRAMERATE = L"HevcFrameRate";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_GOP_SIZE = L"HevcGOPSize";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_NUM_GOPS_PER_IDR = L"HevcGOPSPerIDR";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_HEADER_INSERTION_MODE = L"HevcHeaderInsertionMode";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_VBV_BUFFER_SIZE = L"HevcVBVBufferSize";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_INITIAL_VBV_BUFFER_FULLNESS = L"HevcInitialVBVBufferFullness";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_LOWLATENCY_MODE = L"LowLatencyInternal";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_ENABLE_VBAQ = L"HevcEnableVBAQ";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_NOMINAL_RANGE = L"HevcNominalRange";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_FORCE_PICTURE_TYPE = L"HevcForcePictureType";
inline constexpr const wchar_t* AMF_VIDEO_ENCODER_HEVC_OUTPUT_DATA_TYPE = L"HevcOutputDataType";

enum AMF_VIDEO_ENCODER_HEVC_USAGE_ENUM : int { AMF_VIDEO_ENCODER_HEVC_USAGE_LOW_LATENCY = 2 };
enum AMF_VIDEO_ENCODER_HEVC_QUALITY_PRESET_ENUM : int { AMF_VIDEO_ENCODER_HEVC_QUALITY_PRESET_SPEED = 10 };
enum AMF_VIDEO_ENCODER_HEVC_PROFILE_ENUM : int { AMF_VIDEO_ENCODER_HEVC_PROFILE_MAIN = 1 };
enum AMF_VIDEO_ENCODER_HEVC_TIER_ENUM : int { AMF_VIDEO_ENCODER_HEVC_TIER_MAIN = 0 };
enum AMF_VIDEO_ENCODER_HEVC_RATE_CONTROL_METHOD_ENUM : int { AMF_VIDEO_ENCODER_HEVC_RATE_CONTROL_METHOD_CBR = 3 };
enum AMF_VIDEO_ENCODER_HEVC_HEADER_INSERTION_MODE_ENUM : int {
  AMF_VIDEO_ENCODER_HEVC_HEADER_INSERTION_MODE_IDR_ALIGNED = 2
};
enum AMF_VIDEO_ENCODER_HEVC_NOMINAL_RANGE_ENUM : int { AMF_VIDEO_ENCODER_HEVC_NOMINAL_RANGE_FULL = 1 };
enum AMF_VIDEO_ENCODER_HEVC_PICTURE_TYPE_ENUM : int { AMF_VIDEO_ENCODER_HEVC_PICTURE_TYPE_IDR = 2 };
enum AMF_VIDEO_ENCODER_HEVC_OUTPUT_DATA_TYPE_ENUM : int {
  AMF_VIDEO_ENCODER_HEVC_OUTPUT_DATA_TYPE_IDR = 0,
  AMF_VIDEO_ENCODER_HEVC_OUTPUT_DATA_TYPE_I = 1,
  AMF_VIDEO_ENCODER_HEVC_OUTPUT_DATA_TYPE_P = 2,
};

}  // namespace parvalon::host::amf
