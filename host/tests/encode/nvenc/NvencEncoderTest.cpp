#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "encode/DeliveredFrames.h"
#include "encode/EncoderFactory.h"
#include "encode/SharedD3D11DeviceTest.h"
#include "encode/windows/NvencEncoder.h"
#include "encode/nvenc/FakeNvencLog.h"
#include "fakes/LogCapture.h"

namespace parvalon::host {
namespace {

using testing::FakeNvencLog;
using testing::kError;
using testing::kInfo;
using testing::kWarn;
using testing::LogCapture;
using testing::RuntimeCall;
using Bytes = std::vector<std::uint8_t>;

// The fake's canned access units (host/tests/encode/nvenc/FakeNvencRuntime.cpp).
const Bytes kH264Idr = {0, 0, 0, 1, 0x67, 0x42, 0xC0, 0x1F, 0x8C, 0x8D, 0x40, 0, 0, 0, 1, 0x68, 0xCE, 0x3C,
                        0x80, 0, 0, 1, 0x65, 0x88, 0x84, 0x00, 0xFF};
const Bytes kH264P = {0, 0, 0, 1, 0x41, 0x9A, 0x02, 0x03, 0x04};

// The structure version words of the NVENC 11.1 headers, as a driver receives them.
constexpr const char* kFunctionListVersion = "0x7102000b";
constexpr const char* kOpenSessionVersion = "0x7101000b";
constexpr const char* kPresetConfigVersion = "0xf104000b";
constexpr const char* kConfigVersion = "0xf107000b";
constexpr const char* kInitializeVersion = "0xf105000b";
constexpr const char* kRegisterVersion = "0x7103000b";
constexpr const char* kBitstreamVersion = "0x7101000b";
constexpr const char* kMapVersion = "0x7104000b";
constexpr const char* kPictureVersion = "0xf104000b";
constexpr const char* kLockVersion = "0x7101000b";
constexpr const char* kReconfigureVersion = "0xf101000b";

bool runtimeLoaded() { return GetModuleHandleW(L"nvEncodeAPI64.dll") != nullptr; }

EncoderConfig smallConfig() {
  EncoderConfig config;
  config.width = 640;
  config.height = 368;
  config.bitrateKbps = 8000;
  config.maxBitrateKbps = 24000;
  config.fps = 60;
  config.gopLength = 30;
  config.sliceCount = 2;
  return config;
}

// llvmpipe under wine reports NVIDIA's vendor id, so its device opens NVENC sessions.
class NvencEncoderTest : public testing::SharedD3D11DeviceTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SharedD3D11DeviceTest::SetUp());
    encoder = std::make_unique<NvencEncoder>(device);
    testing::collectDeliveredFrames(*encoder, delivered);
  }
  void TearDown() override {
    encoder.reset();
    EXPECT_FALSE(runtimeLoaded());
  }

  void initialize(const EncoderConfig& config = smallConfig()) {
    ASSERT_TRUE(encoder->initialize(config));
    picture = device->createTexture(config.width, config.height, platform::GpuDevice::TextureUse::Render);
    ASSERT_NE(picture, nullptr);
  }
  bool encode() { return encoder->encodeTexture(*picture); }

  FakeNvencLog runtime;
  LogCapture log;
  std::unique_ptr<NvencEncoder> encoder;
  std::unique_ptr<platform::GpuTexture> picture;
  std::vector<testing::DeliveredFrame> delivered;
};

TEST_F(NvencEncoderTest, InitializeOpensTheSessionOnTheDeviceWithP1UltraLowLatency) {
  initialize();
  const std::vector<RuntimeCall> calls = runtime.calls();
  ASSERT_EQ(runtime.names(), (std::vector<std::string>{
                                 "NvEncodeAPICreateInstance", "nvEncOpenEncodeSessionEx", "nvEncGetEncodePresetConfigEx",
                                 "nvEncInitializeEncoder", "nvEncRegisterResource", "nvEncCreateBitstreamBuffer",
                                 "nvEncRegisterResource", "nvEncCreateBitstreamBuffer", "nvEncRegisterResource",
                                 "nvEncCreateBitstreamBuffer", "nvEncRegisterResource", "nvEncCreateBitstreamBuffer"}));
  EXPECT_EQ(calls[0].arg("version"), kFunctionListVersion);

  const RuntimeCall& open = calls[1];
  EXPECT_EQ(open.arg("version"), kOpenSessionVersion);
  EXPECT_EQ(open.arg("deviceType"), "0");
  EXPECT_EQ(open.arg("device"), "d3d11");
  EXPECT_EQ(open.arg("apiVersion"), "0x0100000b");  // 11.1, the headers' own

  const RuntimeCall& preset = calls[2];
  EXPECT_EQ(preset.arg("session"), "S1");
  EXPECT_EQ(preset.arg("encodeGUID"), "h264");
  EXPECT_EQ(preset.arg("presetGUID"), "p1");
  EXPECT_EQ(preset.arg("tuningInfo"), "3");
  EXPECT_EQ(preset.arg("version"), kPresetConfigVersion);
  EXPECT_EQ(preset.arg("configVersion"), kConfigVersion);

  const std::map<std::string, std::string> init = {
      {"version", kInitializeVersion}, {"encodeGUID", "h264"}, {"presetGUID", "p1"}, {"encodeWidth", "640"},
      {"encodeHeight", "368"}, {"darWidth", "640"}, {"darHeight", "368"}, {"maxEncodeWidth", "640"},
      {"maxEncodeHeight", "368"}, {"frameRateNum", "60"}, {"frameRateDen", "1"}, {"enableEncodeAsync", "0"},
      {"enablePTD", "1"}, {"reportSliceOffsets", "0"}, {"enableSubFrameWrite", "0"},
      {"enableWeightedPrediction", "0"}, {"tuningInfo", "3"}, {"configVersion", kConfigVersion},
      {"gopLength", "30"}, {"frameIntervalP", "1"}, {"rateControlMode", "2"}, {"averageBitRate", "8000000"},
      {"maxBitRate", "24000000"}, {"vbvBufferSize", "400000"}, {"vbvInitialDelay", "400000"}, {"enableAQ", "1"},
      {"zeroReorderDelay", "1"}, {"aqStrength", "8"}, {"outputBufferingPeriodSEI", "0"},
      {"outputPictureTimingSEI", "0"}, {"outputAUD", "0"}, {"disableSPSPPS", "0"}, {"outputFramePackingSEI", "0"},
      {"enableIntraRefresh", "0"}, {"repeatSPSPPS", "1"}, {"level", "0"}, {"idrPeriod", "30"},
      {"maxNumRefFrames", "1"}, {"sliceMode", "3"}, {"sliceModeData", "2"},
      // The preset's own values stay: motion-vector precision, key-frame scale, CABAC, video format.
      {"mvPrecision", "3"}, {"lowDelayKeyFrameScale", "2"}, {"entropyCodingMode", "1"}, {"videoFormat", "2"},
      {"videoSignalTypePresentFlag", "0"}, {"videoFullRangeFlag", "0"}};
  for (const auto& [key, value] : init) EXPECT_EQ(calls[3].arg(key), value) << key;

  for (std::size_t i = 4; i < calls.size(); i += 2) {
    const RuntimeCall& reg = calls[i];
    EXPECT_EQ(reg.arg("version"), kRegisterVersion);
    EXPECT_EQ(reg.arg("resourceType"), "0");
    EXPECT_EQ(reg.arg("width"), "640");
    EXPECT_EQ(reg.arg("height"), "368");
    EXPECT_EQ(reg.arg("pitch"), "0");
    EXPECT_EQ(reg.arg("subResourceIndex"), "0");
    EXPECT_EQ(reg.arg("bufferFormat"), "0x01000000");  // ARGB
    EXPECT_EQ(reg.arg("bufferUsage"), "0");
    // The ring's own texture: B8G8R8A8, render target, shared, default usage, one mip.
    EXPECT_EQ(reg.arg("textureWidth"), "640");
    EXPECT_EQ(reg.arg("textureHeight"), "368");
    EXPECT_EQ(reg.arg("textureFormat"), "87");
    EXPECT_EQ(reg.arg("bindFlags"), "0x20");
    EXPECT_EQ(reg.arg("miscFlags"), "0x2");
    EXPECT_EQ(reg.arg("usage"), "0");
    EXPECT_EQ(reg.arg("cpuAccess"), "0x0");
    EXPECT_EQ(reg.arg("mipLevels"), "1");
    EXPECT_EQ(calls[i + 1].arg("version"), kBitstreamVersion);
  }
  EXPECT_TRUE(log.has(kInfo, "NVENC API loaded successfully"));
  EXPECT_TRUE(log.has(kInfo, "NVENC encoder initialized: 640x368 @ 8000 kbps, 60 fps"));
  EXPECT_TRUE(encoder->isInitialized());

  // A second initialize keeps the first session and configuration.
  runtime.clear();
  EncoderConfig other = smallConfig();
  other.width = 1280;
  EXPECT_TRUE(encoder->initialize(other));
  EXPECT_TRUE(log.has(kWarn, "NVENC encoder already initialized"));
  EXPECT_TRUE(runtime.calls().empty());
}

TEST_F(NvencEncoderTest, BaselineProfileSignalsUnspecifiedVideoFormatAtSeventyTwoFps) {
  EncoderConfig config = smallConfig();
  config.profile = "baseline";
  config.fps = 72;
  config.maxBitrateKbps = 50000;
  initialize(config);
  const RuntimeCall init = runtime.calls()[3];
  EXPECT_EQ(init.arg("videoFormat"), "5");
  EXPECT_EQ(init.arg("vbvBufferSize"), "694444");  // 50000 × 1000 / 72, rounded down
}

TEST_F(NvencEncoderTest, HevcFullRangeSetsItsVuiAndStoresTheVps) {
  EncoderConfig config = smallConfig();
  config.codec = "hevc";
  config.fullRange = true;
  initialize(config);
  const RuntimeCall init = runtime.calls()[3];
  EXPECT_EQ(runtime.calls()[2].arg("encodeGUID"), "hevc");
  const std::map<std::string, std::string> expected = {
      {"encodeGUID", "hevc"}, {"repeatSPSPPS", "1"}, {"idrPeriod", "30"}, {"maxNumRefFramesInDPB", "1"},
      {"sliceMode", "3"}, {"sliceModeData", "2"}, {"outputAUD", "1"},  // the preset's delimiter switch stays
      {"videoSignalTypePresentFlag", "1"}, {"videoFullRangeFlag", "1"}, {"colourDescriptionPresentFlag", "1"},
      {"colourPrimaries", "1"}, {"transferCharacteristics", "1"}, {"colourMatrix", "1"}, {"videoFormat", "2"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(init.arg(key), value) << key;
  EXPECT_TRUE(log.has(kInfo, "NVENC HEVC: Full range color (0-255) enabled"));

  ASSERT_TRUE(encode());
  const CodecParameterSets sets = encoder->getParameterSets();
  EXPECT_EQ(sets.vps, (Bytes{0x40, 0x01, 0x0C, 0x01, 0xFF}));
  EXPECT_EQ(sets.sps, (Bytes{0x42, 0x01, 0x01, 0x01, 0x60}));
  EXPECT_EQ(sets.pps, (Bytes{0x44, 0x01, 0xC1, 0x72}));
  EXPECT_TRUE(sets.valid);
}

TEST_F(NvencEncoderTest, EncodeWalksTheRingAndDeliversEachPictureBeforeReturning) {
  initialize();
  runtime.clear();
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(encode());
    ASSERT_EQ(delivered.size(), static_cast<std::size_t>(i + 1));  // synchronous: delivered inside the call
  }
  const std::vector<RuntimeCall> calls = runtime.calls();
  ASSERT_EQ(calls.size(), 25u);
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i % 4 + 1);
    const RuntimeCall* c = &calls[static_cast<std::size_t>(i) * 5];
    EXPECT_EQ(c[0].name, "nvEncMapInputResource");
    EXPECT_EQ(c[0].arg("version"), kMapVersion);
    EXPECT_EQ(c[0].arg("registeredResource"), "R" + n);
    EXPECT_EQ(c[1].name, "nvEncEncodePicture");
    const std::map<std::string, std::string> picture = {
        {"version", kPictureVersion}, {"inputWidth", "640"}, {"inputHeight", "368"}, {"inputPitch", "0"},
        {"encodePicFlags", "0"}, {"frameIdx", "0"}, {"inputTimeStamp", std::to_string(i)}, {"inputDuration", "0"},
        {"inputBuffer", "M" + n}, {"outputBitstream", "B" + n}, {"completionEvent", "null"},
        {"bufferFmt", "0x01000000"}, {"pictureStruct", "1"}};
    for (const auto& [key, value] : picture) EXPECT_EQ(c[1].arg(key), value) << key << " of picture " << i;
    EXPECT_EQ(c[2].name, "nvEncUnmapInputResource");
    EXPECT_EQ(c[2].arg("mappedResource"), "M" + n);
    EXPECT_EQ(c[3].name, "nvEncLockBitstream");
    EXPECT_EQ(c[3].arg("version"), kLockVersion);
    EXPECT_EQ(c[3].arg("outputBitstream"), "B" + n);
    EXPECT_EQ(c[4].name, "nvEncUnlockBitstream");
    EXPECT_EQ(c[4].arg("outputBitstream"), "B" + n);
  }
  ASSERT_EQ(delivered.size(), 5u);
  EXPECT_EQ(delivered[0].bytes, kH264Idr);
  EXPECT_TRUE(delivered[0].isKeyframe);
  for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(delivered[i].frameNumber, i);
  for (std::size_t i = 1; i < 5; ++i) {
    EXPECT_EQ(delivered[i].bytes, kH264P);
    EXPECT_FALSE(delivered[i].isKeyframe);
  }
  // The parameter sets of the key frame, without start codes, for the stream configuration.
  const CodecParameterSets sets = encoder->getParameterSets();
  EXPECT_EQ(sets.sps, (Bytes{0x67, 0x42, 0xC0, 0x1F, 0x8C, 0x8D, 0x40}));
  EXPECT_EQ(sets.pps, (Bytes{0x68, 0xCE, 0x3C, 0x80}));
  EXPECT_TRUE(sets.vps.empty());
  EXPECT_TRUE(sets.valid);
  const EncoderStats stats = encoder->getStats();
  EXPECT_EQ(stats.framesEncoded, 5u);
  EXPECT_EQ(stats.bytesEncoded, kH264Idr.size() + 4 * kH264P.size());
  EXPECT_GT(stats.avgEncodeTimeMs, 0.0);
}

TEST_F(NvencEncoderTest, KeyFrameRequestForcesIdrOnTheNextPictureOnly) {
  encoder->requestKeyframe();  // before initialize: honoured by the first picture
  initialize();
  runtime.clear();
  ASSERT_TRUE(encode());
  ASSERT_TRUE(encode());
  encoder->requestKeyframe();
  ASSERT_TRUE(encode());
  encoder->requestKeyframe();
  ASSERT_TRUE(encode());
  ASSERT_TRUE(encode());
  std::vector<std::string> flags;
  for (const auto& call : runtime.calls()) {
    if (call.name == "nvEncEncodePicture") flags.push_back(call.arg("encodePicFlags"));
  }
  // FORCEINTRA | FORCEIDR as the 11.1 headers number them (0x1 | 0x2).
  EXPECT_EQ(flags, (std::vector<std::string>{"3", "0", "3", "3", "0"}));
  ASSERT_EQ(delivered.size(), 5u);
  EXPECT_TRUE(delivered[2].isKeyframe);
  EXPECT_TRUE(delivered[3].isKeyframe);
  EXPECT_FALSE(delivered[4].isKeyframe);
}

TEST_F(NvencEncoderTest, BitrateChangeReconfiguresLiveAndForcesAnIdr) {
  initialize();
  ASSERT_TRUE(encode());
  runtime.clear();
  encoder->setBitrate(12000, 36000);
  ASSERT_EQ(runtime.names(), std::vector<std::string>{"nvEncReconfigureEncoder"});
  const RuntimeCall call = runtime.calls()[0];
  const std::map<std::string, std::string> expected = {
      {"reconfigureVersion", kReconfigureVersion}, {"resetEncoder", "0"}, {"forceIDR", "1"},
      {"version", kInitializeVersion}, {"encodeGUID", "h264"}, {"presetGUID", "p1"}, {"encodeWidth", "640"},
      {"encodeHeight", "368"}, {"darWidth", "640"}, {"darHeight", "368"}, {"maxEncodeWidth", "0"},
      {"maxEncodeHeight", "0"}, {"frameRateNum", "60"}, {"frameRateDen", "1"}, {"enablePTD", "1"},
      {"tuningInfo", "3"}, {"averageBitRate", "12000000"}, {"maxBitRate", "36000000"},
      {"vbvBufferSize", "600000"}, {"vbvInitialDelay", "400000"}, {"rateControlMode", "2"}, {"gopLength", "30"},
      {"sliceModeData", "2"}};
  for (const auto& [key, value] : expected) EXPECT_EQ(call.arg(key), value) << key;
  EXPECT_TRUE(log.has(kInfo, "Bitrate updated to 12000 / 36000 kbps"));
  ASSERT_TRUE(encode());
  EXPECT_TRUE(delivered.back().isKeyframe);

  // The same size through reconfigure is a rate change; a refused one keeps the old rates.
  runtime.clear();
  runtime.set("FAIL", "nvEncReconfigureEncoder=8");
  EncoderConfig same = smallConfig();
  same.bitrateKbps = 9000;
  same.maxBitrateKbps = 18000;
  EXPECT_TRUE(encoder->reconfigure(same));
  ASSERT_EQ(runtime.names(), std::vector<std::string>{"nvEncReconfigureEncoder"});
  EXPECT_EQ(runtime.calls()[0].arg("averageBitRate"), "9000000");
  EXPECT_TRUE(log.has(kWarn, "Failed to reconfigure bitrate: 8"));
  EXPECT_FALSE(log.contains("Bitrate updated to 9000"));
}

TEST_F(NvencEncoderTest, ResolutionChangeIsRefusedAndTheEncoderKeepsRunning) {
  initialize();
  runtime.clear();
  EncoderConfig larger = smallConfig();
  larger.width = 1280;
  larger.height = 720;
  EXPECT_FALSE(encoder->reconfigure(larger));
  EXPECT_TRUE(log.has(kWarn, "Resolution change requires re-initialization"));
  EXPECT_TRUE(runtime.calls().empty());
  EXPECT_TRUE(encoder->isInitialized());
  EXPECT_TRUE(encode());
  // A texture of another size is not copied (CopyResource needs the same size).
  auto other = device->createTexture(1280, 720, platform::GpuDevice::TextureUse::Render);
  EXPECT_FALSE(encoder->encodeTexture(*other));
}

TEST_F(NvencEncoderTest, ShutdownReleasesInOrderAndUnloadsTheRuntime) {
  initialize();
  ASSERT_TRUE(encode());
  runtime.clear();
  encoder->shutdown();
  EXPECT_EQ(runtime.allNames(),
            (std::vector<std::string>{"nvEncUnregisterResource", "nvEncUnregisterResource", "nvEncUnregisterResource",
                                      "nvEncUnregisterResource", "nvEncDestroyBitstreamBuffer",
                                      "nvEncDestroyBitstreamBuffer", "nvEncDestroyBitstreamBuffer",
                                      "nvEncDestroyBitstreamBuffer", "nvEncDestroyEncoder", "unload"}));
  const auto calls = runtime.calls();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(calls[static_cast<std::size_t>(i)].arg("registeredResource"), "R" + std::to_string(i + 1));
    EXPECT_EQ(calls[static_cast<std::size_t>(i) + 4].arg("bitstreamBuffer"), "B" + std::to_string(i + 1));
  }
  EXPECT_EQ(calls[8].arg("session"), "S1");
  EXPECT_TRUE(log.has(kInfo, "Shutting down NVENC encoder..."));
  EXPECT_FALSE(runtimeLoaded());
  EXPECT_FALSE(encoder->isInitialized());
  EXPECT_FALSE(encode());
  // Statistics, parameter sets and the callback survive; a new session starts counting at 0.
  EXPECT_EQ(encoder->getStats().framesEncoded, 1u);
  EXPECT_TRUE(encoder->getParameterSets().valid);
  runtime.clear();
  encoder->shutdown();
  EXPECT_TRUE(runtime.all().empty());
  ASSERT_TRUE(encoder->initialize(smallConfig()));
  ASSERT_TRUE(encode());
  EXPECT_EQ(delivered.back().frameNumber, 0u);
  EXPECT_TRUE(delivered.back().isKeyframe);
}

TEST_F(NvencEncoderTest, FailedPictureKeepsTheRingEntryAndFrameNumber) {
  initialize();
  runtime.clear();
  runtime.set("FAIL", "nvEncEncodePicture#2=20");
  ASSERT_TRUE(encode());
  EXPECT_FALSE(encode());
  EXPECT_TRUE(log.has(kError, "nvEncEncodePicture failed: 20"));
  ASSERT_TRUE(encode());
  std::vector<std::string> sequence;
  for (const auto& call : runtime.calls()) {
    sequence.push_back(call.name + " " + call.arg("registeredResource") + call.arg("mappedResource") +
                       call.arg("inputTimeStamp"));
  }
  EXPECT_EQ(sequence, (std::vector<std::string>{
                          "nvEncMapInputResource R1<missing><missing>",
                          "nvEncEncodePicture <missing><missing>0",
                          "nvEncUnmapInputResource <missing>M1<missing>",
                          "nvEncLockBitstream <missing><missing><missing>",
                          "nvEncUnlockBitstream <missing><missing><missing>",
                          "nvEncMapInputResource R2<missing><missing>",
                          "nvEncEncodePicture <missing><missing>1",
                          // unmapped even though the picture failed
                          "nvEncUnmapInputResource <missing>M2<missing>",
                          "nvEncMapInputResource R2<missing><missing>",
                          "nvEncEncodePicture <missing><missing>1",
                          "nvEncUnmapInputResource <missing>M2<missing>",
                          "nvEncLockBitstream <missing><missing><missing>",
                          "nvEncUnlockBitstream <missing><missing><missing>"}));
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_EQ(delivered[1].frameNumber, 1u);
  EXPECT_EQ(encoder->getStats().framesEncoded, 2u);
}

TEST_F(NvencEncoderTest, FailedLockCountsThePictureButDeliversNothing) {
  initialize();
  runtime.set("FAIL", "nvEncLockBitstream#1=8");
  EXPECT_TRUE(encode());
  EXPECT_TRUE(log.has(kError, "nvEncLockBitstream failed: 8"));
  EXPECT_TRUE(delivered.empty());
  EXPECT_EQ(encoder->getStats().framesEncoded, 1u);
  EXPECT_EQ(encoder->getStats().bytesEncoded, 0u);
  EXPECT_FALSE(encoder->getParameterSets().valid);
}

TEST_F(NvencEncoderTest, UninitializedEncoderRefusesQuietly) {
  auto texture = device->createTexture(640, 368, platform::GpuDevice::TextureUse::Render);
  EXPECT_FALSE(encoder->encodeTexture(*texture));
  EXPECT_FALSE(encoder->reconfigure(smallConfig()));
  encoder->setBitrate(1000, 2000);
  encoder->shutdown();
  EXPECT_TRUE(log.lines().empty());
  EXPECT_TRUE(runtime.all().empty());
  EXPECT_EQ(encoder->inputKind(), platform::FrameKind::Texture);
}

TEST_F(NvencEncoderTest, RuntimeThatDoesNotLoad) {
  runtime.set("FAIL", "load");
  EXPECT_FALSE(encoder->initialize(smallConfig()));
  EXPECT_TRUE(log.has(kError, "Failed to load nvEncodeAPI64.dll"));
  EXPECT_FALSE(encoder->isInitialized());
}

// The factory's choice on the shared device, with the fake runtime and the log watched.
class NvencFactory : public testing::SharedD3D11DeviceTest {
 protected:
  std::string bestEncoderName() {
    const auto encoder = EncoderFactory::createBestEncoder(smallConfig(), device);
    return encoder ? encoder->getName() : "<none>";
  }

  FakeNvencLog runtime;
  LogCapture log;
};

// Each way NVENC can fail to start: the factory logs the runtime's reason, then falls to the
// software encoder, and nothing of the runtime is left loaded.
struct FailureCase {
  std::string name;
  std::string fail;
  std::string maxVersion;
  std::string line;
  std::vector<std::string> cleanup;  // the release calls after the failing one
};

// Failures print by name rather than as a byte dump.
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class NvencFailureFallsBack : public NvencFactory, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(NvencFailureFallsBack, ToTheSoftwareEncoder) {
  const FailureCase& c = GetParam();
  runtime.set("FAIL", c.fail);
  if (!c.maxVersion.empty()) runtime.set("MAX_VERSION", c.maxVersion);
  EXPECT_EQ(bestEncoderName(), "Software");
  const int reason = log.indexOf(c.line);
  ASSERT_GE(reason, 0) << c.line;
  const int failed = log.indexOf("Failed to initialize NVENC encoder");
  EXPECT_GT(failed, reason);
  EXPECT_GT(log.indexOf("Created Software encoder"), failed);
  EXPECT_FALSE(runtimeLoaded());
  if (!c.cleanup.empty()) {
    const auto names = runtime.names();
    ASSERT_GE(names.size(), c.cleanup.size());
    EXPECT_EQ(std::vector<std::string>(names.end() - static_cast<std::ptrdiff_t>(c.cleanup.size()), names.end()),
              c.cleanup);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Nvenc, NvencFailureFallsBack,
    ::testing::Values(
        FailureCase{"VersionTooOld", "", "0xB0",
                    "NVENC ERROR: Failed to open encode session (error 15). NVIDIA driver too old! Update to driver "
                    "550+ (2024 or newer)",
                    {"nvEncOpenEncodeSessionEx"}},
        FailureCase{"NoEncodeDevice", "nvEncOpenEncodeSessionEx=1", "",
                    "NVENC ERROR: Failed to open encode session (error 1). Try updating NVIDIA drivers to latest version",
                    {"nvEncOpenEncodeSessionEx"}},
        FailureCase{"SessionOutOfMemory", "nvEncOpenEncodeSessionEx=10", "",
                    "NVENC ERROR: Failed to open encode session (error 10). GPU memory exhausted - close other apps "
                    "using NVENC",
                    {}},
        FailureCase{"SessionInvalidParameter", "nvEncOpenEncodeSessionEx=8", "",
                    "NVENC ERROR: Failed to open encode session (error 8). Invalid parameter - check "
                    "resolution/settings",
                    {}},
        FailureCase{"NoNvencOnThisGpu", "nvEncOpenEncodeSessionEx=20", "",
                    "NVENC ERROR: Failed to open encode session (error 20). GPU doesn't support NVENC - need GTX 600 "
                    "series or newer",
                    {}},
        FailureCase{"CreateInstanceFails", "NvEncodeAPICreateInstance=15", "", "NvEncodeAPICreateInstance failed: 15",
                    {"NvEncodeAPICreateInstance"}},
        FailureCase{"PresetFails", "nvEncGetEncodePresetConfigEx=8", "", "nvEncGetEncodePresetConfigEx failed: 8",
                    {"nvEncGetEncodePresetConfigEx", "nvEncDestroyEncoder"}},
        FailureCase{"InitializeFails", "nvEncInitializeEncoder=12", "", "nvEncInitializeEncoder failed: 12",
                    {"nvEncInitializeEncoder", "nvEncDestroyEncoder"}},
        FailureCase{"ThirdRegistrationFails", "nvEncRegisterResource#3=8", "", "nvEncRegisterResource failed: 8",
                    {"nvEncRegisterResource", "nvEncUnregisterResource", "nvEncUnregisterResource",
                     "nvEncDestroyBitstreamBuffer", "nvEncDestroyBitstreamBuffer", "nvEncDestroyEncoder"}},
        FailureCase{"SecondBitstreamFails", "nvEncCreateBitstreamBuffer#2=10", "",
                    "nvEncCreateBitstreamBuffer failed: 10",
                    {"nvEncCreateBitstreamBuffer", "nvEncUnregisterResource", "nvEncUnregisterResource",
                     "nvEncDestroyBitstreamBuffer", "nvEncDestroyEncoder"}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(NvencFactory, RuntimeThatDoesNotLoadIsNamedAndSoftwareStreams) {
  runtime.set("FAIL", "load");
  EXPECT_EQ(bestEncoderName(), "Software");
  EXPECT_TRUE(log.contains("NVENC not usable: the adapter is NVIDIA's but nvEncodeAPI64.dll does not load (error "));
  EXPECT_FALSE(log.contains("Failed to initialize NVENC encoder"));
}

TEST_F(NvencFactory, NvidiaAdapterWithTheRuntimeGetsNvenc) {
  ASSERT_EQ(device->vendorId(), EncoderFactory::kNvidiaVendorId);
  EXPECT_EQ(EncoderFactory::getAvailableEncoders(device),
            (std::vector<EncoderType>{EncoderType::NVENC, EncoderType::Software}));
  auto encoder = EncoderFactory::createBestEncoder(smallConfig(), device);
  ASSERT_NE(encoder, nullptr);
  EXPECT_STREQ(encoder->getName(), "NVENC");
  EXPECT_EQ(encoder->inputKind(), platform::FrameKind::Texture);
  EXPECT_TRUE(log.has(kInfo, "NVENC encoder available"));
  EXPECT_TRUE(log.has(kInfo, "Created NVENC encoder"));
  // Without the frame path's device a texture encoder cannot be made; the stream falls back.
  auto withoutDevice = EncoderFactory::createBestEncoder(smallConfig());
  ASSERT_NE(withoutDevice, nullptr);
  EXPECT_STREQ(withoutDevice->getName(), "Software");
  EXPECT_TRUE(log.has(kError, "Encoder type NVENC not available"));
}

}  // namespace
}  // namespace parvalon::host
