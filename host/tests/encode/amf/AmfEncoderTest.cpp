// The AMF encoder against the fake "amfrt64.dll" (FakeAmf*.cpp), which logs every call made on
// it with its arguments: the calls, their order and arguments, the outputs delivered and the
// log lines of every failure.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "encode/AmfEncoderEntry.h"
#include "encode/DeliveredFrames.h"
#include "encode/FakeRuntimeControl.h"
#include "encode/SharedD3D11DeviceTest.h"
#include "fakes/LogCapture.h"
#include "FakeAmfText.h"
#include "platform/windows/D3D11Texture.h"

namespace parvalon::host {
namespace {

using testing::kError;
using testing::kInfo;
using testing::kWarn;
using Lines = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

const Bytes kH264Sps = {0x67, 0x42, 0xC0, 0x1F, 0xDA};
const Bytes kH264Pps = {0x68, 0xCE, 0x3C, 0x80};

std::wstring fakeRuntimeFolder() {
  wchar_t exe[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  return std::filesystem::path(std::wstring(exe, length)).parent_path() / L"fake-amf";
}

class AmfEncoderTest : public testing::SharedD3D11DeviceTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(SharedD3D11DeviceTest::SetUp());
    ASSERT_TRUE(SetDllDirectoryW(fakeRuntimeFolder().c_str()));
    config.width = 1280;
    config.height = 720;
    encoder = makeAmfEncoder(device);
    ASSERT_NE(encoder, nullptr);
    testing::collectDeliveredFrames(*encoder, delivered);
  }
  void TearDown() override {
    encoder.reset();  // its shutdown still logs into the folder
    SetDllDirectoryW(nullptr);
  }

  std::unique_ptr<platform::GpuTexture> texture(std::uint32_t width = 1280, std::uint32_t height = 720) {
    return device->createTexture(width, height, platform::GpuDevice::TextureUse::Render);
  }
  static std::string nativeOf(const platform::GpuTexture& t) {
    return testing::fakeAmfPointer(dynamic_cast<const platform::win32::D3D11Texture&>(t).native());
  }
  std::string deviceText() const { return testing::fakeAmfPointer(device->native()); }

  testing::FakeRuntimeControl runtime{"PARVALON_FAKE_AMF", {"FAIL", "VERSION", "LAG", "INTRA", "EXTRA"}};
  testing::LogCapture log;
  EncoderConfig config;
  std::vector<testing::DeliveredFrame> delivered;
  std::unique_ptr<EncoderBase> encoder;
};

std::size_t countOf(const Lines& lines, const std::string& line) {
  return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}

// Position of the first line equal to `line`, or the number of lines.
std::size_t positionOf(const Lines& lines, const std::string& line) {
  return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

TEST_F(AmfEncoderTest, InitializesH264WithThePropertiesInOrder) {
  ASSERT_TRUE(encoder->initialize(config));
  EXPECT_TRUE(encoder->isInitialized());
  EXPECT_STREQ(encoder->getName(), "AMF");
  EXPECT_EQ(encoder->inputKind(), platform::FrameKind::Texture);
  const Lines expected = {
      "AMFInit version=0x0001000500000000",
      "Factory.CreateContext",
      "Context.InitDX11 device=" + deviceText() + " version=110",
      "Factory.CreateComponent context=set id=AMFVideoEncoderVCE_AVC",
      "Component.SetProperty Usage=int64:2",
      "Component.SetProperty QualityPreset=int64:1",
      "Component.SetProperty Profile=int64:77",
      "Component.SetProperty RateControlMethod=int64:1",
      "Component.SetProperty TargetBitrate=int64:20000000",
      "Component.SetProperty PeakBitrate=int64:50000000",
      "Component.SetProperty FrameRate=rate:72/1",
      "Component.SetProperty IDRPeriod=int64:60",
      "Component.SetProperty BPicturesPattern=int64:0",
      "Component.SetProperty HeaderInsertionSpacing=int64:0",
      "Component.SetProperty VBVBufferSize=int64:694444",  // 50 Mbit/s over 72 frames
      "Component.SetProperty InitialVBVBufferFullness=int64:64",
      "Component.SetProperty LowLatencyInternal=bool:true",
      "Component.SetProperty SlicesPerFrame=int64:4",
      "Component.SetProperty EnableVBAQ=bool:true",
      "Component.Init format=3 size=1280x720",
  };
  EXPECT_EQ(runtime.lines(), expected);
  EXPECT_TRUE(log.has(kInfo, "AMF encoder initialized: 1280x720 @ 72fps, 20000kbps (H.264)"));
}

TEST_F(AmfEncoderTest, InitializesHevcWithItsOwnPropertyNames) {
  config.codec = "h265";
  config.fps = 60;
  config.bitrateKbps = 10000;
  config.maxBitrateKbps = 30000;
  config.gopLength = 120;
  config.fullRange = true;
  ASSERT_TRUE(encoder->initialize(config));
  const Lines expected = {
      "AMFInit version=0x0001000500000000",
      "Factory.CreateContext",
      "Context.InitDX11 device=" + deviceText() + " version=110",
      "Factory.CreateComponent context=set id=AMFVideoEncoderHW_HEVC",
      "Component.SetProperty HevcUsage=int64:2",
      "Component.SetProperty HevcQualityPreset=int64:10",
      "Component.SetProperty HevcProfile=int64:1",
      "Component.SetProperty HevcTier=int64:0",
      "Component.SetProperty HevcRateControlMethod=int64:3",
      "Component.SetProperty HevcTargetBitrate=int64:10000000",
      "Component.SetProperty HevcPeakBitrate=int64:30000000",
      "Component.SetProperty HevcFrameRate=rate:60/1",
      "Component.SetProperty HevcGOPSize=int64:120",
      "Component.SetProperty HevcGOPSPerIDR=int64:1",
      "Component.SetProperty HevcHeaderInsertionMode=int64:2",
      "Component.SetProperty HevcVBVBufferSize=int64:500000",
      "Component.SetProperty HevcInitialVBVBufferFullness=int64:64",
      "Component.SetProperty LowLatencyInternal=bool:true",
      "Component.SetProperty HevcEnableVBAQ=bool:true",
      "Component.SetProperty HevcNominalRange=int64:1",
      "Component.Init format=3 size=1280x720",
  };
  EXPECT_EQ(runtime.lines(), expected);
  EXPECT_TRUE(log.has(kInfo, "AMF HEVC: Full range color (0-255) enabled"));
  EXPECT_TRUE(log.has(kInfo, "AMF encoder initialized: 1280x720 @ 60fps, 10000kbps (HEVC)"));
}

TEST_F(AmfEncoderTest, H264FullRangeSetsItsFlagLast) {
  config.fullRange = true;
  ASSERT_TRUE(encoder->initialize(config));
  const Lines lines = runtime.lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[lines.size() - 2], "Component.SetProperty FullRangeColor=bool:true");
  EXPECT_TRUE(log.has(kInfo, "AMF H.264: Full range color (0-255) enabled"));
}

struct SliceCase {
  const char* codec;
  bool enableSlices;
  int sliceCount;
  const char* component;  // id the factory is asked for
  const char* slices;     // the SlicesPerFrame line, or "" for none
};

class AmfSliceTest : public AmfEncoderTest, public ::testing::WithParamInterface<SliceCase> {};

TEST_P(AmfSliceTest, SetsSlicesOnlyForH264WithMoreThanOne) {
  const SliceCase& c = GetParam();
  config.codec = c.codec;
  config.enableSlices = c.enableSlices;
  config.sliceCount = c.sliceCount;
  ASSERT_TRUE(encoder->initialize(config));
  const Lines lines = runtime.lines();
  EXPECT_EQ(countOf(lines, std::string("Factory.CreateComponent context=set id=") + c.component), 1u);
  const auto slicesLines = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.find("SlicesPerFrame") != std::string::npos;
  });
  if (*c.slices == '\0') {
    EXPECT_EQ(slicesLines, 0);
  } else {
    EXPECT_EQ(slicesLines, 1);
    EXPECT_EQ(countOf(lines, c.slices), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AmfSliceTest,
    ::testing::Values(SliceCase{"h264", true, 1, "AMFVideoEncoderVCE_AVC", ""},
                      SliceCase{"h264", true, 4, "AMFVideoEncoderVCE_AVC", "Component.SetProperty SlicesPerFrame=int64:4"},
                      SliceCase{"h264", false, 4, "AMFVideoEncoderVCE_AVC", ""},
                      // Upper case is not one of the HEVC names.
                      SliceCase{"HEVC", true, 2, "AMFVideoEncoderVCE_AVC", "Component.SetProperty SlicesPerFrame=int64:2"},
                      SliceCase{"hevc", true, 4, "AMFVideoEncoderHW_HEVC", ""}));

TEST_F(AmfEncoderTest, EncodesByWrappingTheCallersTexture) {
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  ASSERT_NE(picture, nullptr);
  const std::string native = nativeOf(*picture);

  std::size_t mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines first = {
      "Context.CreateSurfaceFromDX11Native texture=" + native + " observer=null",
      "Surface.SetPts 0",
      "Component.SubmitInput texture=" + native + " pts=0 force=none -> 0",
      "Component.QueryOutput pts=0",
      "Buffer.QueryInterface AMFBuffer",
      "Buffer.GetNative",
      "Buffer.GetSize",
      "Buffer.GetProperty OutputDataType",
      "Buffer.GetPts",
      "Buffer.Destroy",
      "Component.QueryOutput none",
      "Surface.Destroy",
  };
  EXPECT_EQ(runtime.linesSince(mark), first);

  mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines second = runtime.linesSince(mark);
  ASSERT_GE(second.size(), 4u);
  EXPECT_EQ(second[1], "Surface.SetPts 1");
  EXPECT_EQ(second[2], "Component.SubmitInput texture=" + native + " pts=1 force=none -> 0");
  EXPECT_EQ(second[3], "Component.QueryOutput pts=1");

  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_EQ(delivered[0].bytes, (Bytes{0, 0, 0, 1, 0x67, 0x42, 0xC0, 0x1F, 0xDA, 0, 0, 0, 1, 0x68, 0xCE, 0x3C, 0x80,
                                       0, 0, 1, 0x65, 0x88, 0x84, 0}));
  EXPECT_TRUE(delivered[0].isKeyframe);
  EXPECT_EQ(delivered[0].frameNumber, 0u);
  EXPECT_EQ(delivered[1].bytes, (Bytes{0, 0, 0, 1, 0x41, 0x9A, 0x02, 1}));
  EXPECT_FALSE(delivered[1].isKeyframe);
  EXPECT_EQ(delivered[1].frameNumber, 1u);
  EXPECT_EQ(delivered[1].timestamp, 1);

  const CodecParameterSets sets = encoder->getParameterSets();
  EXPECT_TRUE(sets.valid);
  EXPECT_EQ(sets.sps, kH264Sps);
  EXPECT_EQ(sets.pps, kH264Pps);
  EXPECT_TRUE(sets.vps.empty());
  const EncoderStats stats = encoder->getStats();
  EXPECT_EQ(stats.framesEncoded, 2u);
  EXPECT_EQ(stats.bytesEncoded, 24u + 8u);
  EXPECT_EQ(stats.avgEncodeTimeMs, 0.0);
}

TEST_F(AmfEncoderTest, KeyframeRequestForcesIdrOnTheNextPictureOnly) {
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  const std::string native = nativeOf(*picture);
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  encoder->requestKeyframe();

  std::size_t mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines forced = runtime.linesSince(mark);
  ASSERT_GE(forced.size(), 4u);
  EXPECT_EQ(forced[1], "Surface.SetPts 1");
  EXPECT_EQ(forced[2], "Surface.SetProperty ForcePictureType=int64:2");
  EXPECT_EQ(forced[3], "Component.SubmitInput texture=" + native + " pts=1 force=int64:2 -> 0");

  mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines after = runtime.linesSince(mark);
  ASSERT_GE(after.size(), 3u);
  EXPECT_EQ(after[2], "Component.SubmitInput texture=" + native + " pts=2 force=none -> 0");

  ASSERT_EQ(delivered.size(), 3u);
  EXPECT_TRUE(delivered[1].isKeyframe);
  EXPECT_FALSE(delivered[2].isKeyframe);
}

TEST_F(AmfEncoderTest, HevcForcesWithItsOwnPropertyAndKeepsItsVps) {
  config.codec = "hevc";
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  encoder->requestKeyframe();
  const std::size_t mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines lines = runtime.linesSince(mark);
  EXPECT_EQ(countOf(lines, "Surface.SetProperty HevcForcePictureType=int64:2"), 1u);
  EXPECT_EQ(countOf(lines, "Buffer.GetProperty HevcOutputDataType"), 1u);
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_TRUE(delivered[1].isKeyframe);
  const CodecParameterSets sets = encoder->getParameterSets();
  EXPECT_EQ(sets.vps, (Bytes{0x40, 0x01, 0x0C, 0x01}));
  EXPECT_EQ(sets.sps, (Bytes{0x42, 0x01, 0x01, 0x60}));
  EXPECT_EQ(sets.pps, (Bytes{0x44, 0x01, 0xC1, 0x73}));
}

TEST_F(AmfEncoderTest, BitrateChangeSetsOnlyTheTwoRates) {
  encoder->setBitrate(1000, 2000);  // not initialized: ignored
  EXPECT_TRUE(runtime.lines().empty());
  ASSERT_TRUE(encoder->initialize(config));

  std::size_t mark = runtime.lines().size();
  encoder->setBitrate(8000, 12000);
  EXPECT_EQ(runtime.linesSince(mark), (Lines{"Component.SetProperty TargetBitrate=int64:8000000",
                                     "Component.SetProperty PeakBitrate=int64:12000000"}));
  EXPECT_TRUE(log.has(kInfo, "AMF bitrate updated to 8000 / 12000 kbps"));

  // Same size through reconfigure: the same two properties, no re-creation.
  EncoderConfig next = config;
  next.bitrateKbps = 5000;
  next.maxBitrateKbps = 9000;
  mark = runtime.lines().size();
  ASSERT_TRUE(encoder->reconfigure(next));
  EXPECT_EQ(runtime.linesSince(mark), (Lines{"Component.SetProperty TargetBitrate=int64:5000000",
                                     "Component.SetProperty PeakBitrate=int64:9000000"}));
  EXPECT_TRUE(encoder->isInitialized());
}

TEST_F(AmfEncoderTest, NewSizeReinitializesOnTheSameDevice) {
  ASSERT_TRUE(encoder->initialize(config));
  auto big = texture();
  ASSERT_TRUE(encoder->encodeTexture(*big));

  EncoderConfig next = config;
  next.width = 640;
  next.height = 480;
  const std::size_t mark = runtime.lines().size();
  ASSERT_TRUE(encoder->reconfigure(next));
  EXPECT_TRUE(encoder->isInitialized());
  EXPECT_TRUE(log.has(kInfo, "AMF resolution change requires reinit: 1280x720 -> 640x480"));
  EXPECT_TRUE(log.has(kInfo, "AMF encoder shutdown"));
  const Lines lines = runtime.linesSince(mark);
  ASSERT_GE(lines.size(), 9u);
  const Lines teardown(lines.begin(), lines.begin() + 4);
  EXPECT_EQ(teardown, (Lines{"Component.Terminate", "Component.Destroy", "Context.Terminate", "Context.Destroy"}));
  EXPECT_EQ(lines[4], "AMFInit version=0x0001000500000000");
  EXPECT_EQ(lines[6], "Context.InitDX11 device=" + deviceText() + " version=110");
  EXPECT_EQ(lines.back(), "Component.Init format=3 size=640x480");

  // The new encoder counts from zero and starts with an IDR picture.
  auto small = texture(640, 480);
  ASSERT_TRUE(encoder->encodeTexture(*small));
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_TRUE(delivered[1].isKeyframe);
  EXPECT_EQ(delivered[1].frameNumber, 0u);
}

TEST_F(AmfEncoderTest, FailedReinitializationLeavesItUninitialized) {
  ASSERT_TRUE(encoder->initialize(config));
  // The runtime is loaded again for the new size, and reads its instructions again.
  runtime.set("FAIL", "Component.Init=10");
  EncoderConfig next = config;
  next.width = 4096;
  next.height = 4096;
  EXPECT_FALSE(encoder->reconfigure(next));
  EXPECT_FALSE(encoder->isInitialized());
  EXPECT_TRUE(log.has(kError, "AMF ENCODER ERROR: Failed to init 4096x4096 (error 10). This resolution/format not supported by GPU"));
}

TEST_F(AmfEncoderTest, ShutdownTerminatesComponentThenContextWithoutDraining) {
  runtime.set("LAG", "1");  // one output still inside at shutdown
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  EXPECT_TRUE(delivered.empty());

  const std::size_t mark = runtime.lines().size();
  encoder->shutdown();
  EXPECT_EQ(runtime.linesSince(mark), (Lines{"Component.Terminate", "Buffer.Destroy", "Component.Destroy",
                                     "Context.Terminate", "Context.Destroy"}));
  EXPECT_FALSE(encoder->isInitialized());
  EXPECT_EQ(log.count(kInfo, "AMF encoder shutdown"), 1u);

  encoder->shutdown();  // not initialized: nothing
  EXPECT_EQ(runtime.linesSince(mark).size(), 5u);
  EXPECT_EQ(log.count(kInfo, "AMF encoder shutdown"), 1u);
  EXPECT_FALSE(encoder->encodeTexture(*picture));
}

TEST_F(AmfEncoderTest, CollectsOutputsWithoutWaitingForTheLastPicture) {
  runtime.set("LAG", "1");
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  EXPECT_TRUE(delivered.empty());
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].frameNumber, 0u);
  EXPECT_TRUE(delivered[0].isKeyframe);
}

TEST_F(AmfEncoderTest, InputFullDeliversPendingOutputsThenSubmitsOnceMore) {
  runtime.set("LAG", "1");
  runtime.set("FAIL", "Component.SubmitInput#2=25");
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  const std::string native = nativeOf(*picture);
  ASSERT_TRUE(encoder->encodeTexture(*picture));

  const std::size_t mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines lines = runtime.linesSince(mark);
  const std::size_t full = positionOf(lines, "Component.SubmitInput texture=" + native + " pts=1 force=none -> 25");
  const std::size_t output = positionOf(lines, "Component.QueryOutput pts=0");
  const std::size_t again = positionOf(lines, "Component.SubmitInput texture=" + native + " pts=1 force=none -> 0");
  EXPECT_LT(full, output);
  EXPECT_LT(output, again);
  EXPECT_LT(again, lines.size());
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_EQ(delivered[0].frameNumber, 0u);
}

TEST_F(AmfEncoderTest, FailedSubmissionLosesThePictureButNotTheCount) {
  runtime.set("FAIL", "Component.SubmitInput#1=1");
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  EXPECT_FALSE(encoder->encodeTexture(*picture));
  EXPECT_TRUE(log.has(kError, "Failed to submit frame to AMF encoder: 1"));
  const std::size_t mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  EXPECT_EQ(countOf(runtime.linesSince(mark), "Surface.SetPts 0"), 1u);  // the failed one did not count
  // Every surface made was released, the failed one included.
  const Lines all = runtime.lines();
  EXPECT_EQ(countOf(all, "Surface.Destroy"), 2u);
}

TEST_F(AmfEncoderTest, SurfaceFailureSubmitsNothing) {
  runtime.set("FAIL", "Context.CreateSurfaceFromDX11Native=1");
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  const std::size_t mark = runtime.lines().size();
  EXPECT_FALSE(encoder->encodeTexture(*picture));
  EXPECT_TRUE(log.has(kError, "Failed to create AMF surface from texture: 1"));
  EXPECT_EQ(runtime.linesSince(mark), (Lines{"Context.CreateSurfaceFromDX11Native texture=" + nativeOf(*picture) +
                                     " observer=null"}));
}

TEST_F(AmfEncoderTest, IntraPictureIsNotAKeyFrame) {
  runtime.set("INTRA", "1");
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_FALSE(delivered[1].isKeyframe);
  // Its repeated (other) parameter sets are not taken.
  const CodecParameterSets sets = encoder->getParameterSets();
  EXPECT_EQ(sets.sps, kH264Sps);
  EXPECT_EQ(sets.pps, kH264Pps);
}

TEST_F(AmfEncoderTest, UnreadablePictureKindCountsAsIdr) {
  runtime.set("FAIL", "Buffer.GetProperty=11");
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  ASSERT_EQ(delivered.size(), 2u);
  EXPECT_TRUE(delivered[1].isKeyframe);
}

TEST_F(AmfEncoderTest, DataThatIsNotABufferIsDropped) {
  runtime.set("EXTRA", "1");
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  const std::size_t mark = runtime.lines().size();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines lines = runtime.linesSince(mark);
  const std::size_t extra = positionOf(lines, "Component.QueryOutput extra surface");
  ASSERT_LT(extra + 2, lines.size());
  EXPECT_EQ(lines[extra + 1], "Surface.QueryInterface AMFBuffer");
  EXPECT_EQ(lines[extra + 2], "Surface.Destroy");
  ASSERT_EQ(delivered.size(), 1u);
  EXPECT_TRUE(delivered[0].isKeyframe);
}

TEST_F(AmfEncoderTest, WithoutCallbackOutputsAreReleasedUncounted) {
  encoder->setFrameCallback(nullptr);
  ASSERT_TRUE(encoder->initialize(config));
  auto picture = texture();
  ASSERT_TRUE(encoder->encodeTexture(*picture));
  const Lines lines = runtime.lines();
  EXPECT_EQ(countOf(lines, "Buffer.Destroy"), 1u);
  EXPECT_EQ(countOf(lines, "Buffer.GetProperty OutputDataType"), 0u);
  EXPECT_EQ(encoder->getStats().framesEncoded, 0u);
  EXPECT_EQ(encoder->getStats().bytesEncoded, 0u);
  EXPECT_FALSE(encoder->getParameterSets().valid);
}

TEST_F(AmfEncoderTest, SecondInitializeKeepsTheFirstConfiguration) {
  ASSERT_TRUE(encoder->initialize(config));
  const std::size_t mark = runtime.lines().size();
  EncoderConfig other = config;
  other.width = 320;
  EXPECT_TRUE(encoder->initialize(other));
  EXPECT_TRUE(log.has(kWarn, "AMF encoder already initialized"));
  EXPECT_TRUE(runtime.linesSince(mark).empty());
}

TEST_F(AmfEncoderTest, RefusesWorkBeforeInitializeWithoutALine) {
  auto picture = texture();
  const std::size_t before = log.lines().size();
  EXPECT_FALSE(encoder->encodeTexture(*picture));
  EXPECT_FALSE(encoder->encodeFrame(platform::CpuFrame{}));
  EXPECT_EQ(log.lines().size(), before);
  EXPECT_FALSE(encoder->reconfigure(config));
  EXPECT_TRUE(log.has(kError, "AMF encoder not initialized, cannot reconfigure"));
  EXPECT_TRUE(runtime.lines().empty());
}

struct FailureCase {
  const char* name;
  const char* variable;  // the runtime's variable set for the case ("" for none)
  const char* value;
  std::vector<std::string> lines;  // error lines, in order
};

class AmfFailureTest : public AmfEncoderTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AmfFailureTest, ReportsAndReleasesWhatItTook) {
  const FailureCase& c = GetParam();
  if (*c.variable != '\0') runtime.set(c.variable, c.value);
  if (std::string(c.name) == "RuntimeMissing") {
    ASSERT_TRUE(SetDllDirectoryW(runtime.folder().wstring().c_str()));  // a folder without it
  }
  EXPECT_FALSE(encoder->initialize(config));
  EXPECT_FALSE(encoder->isInitialized());
  int previous = -1;
  for (const std::string& line : c.lines) {
    const int at = log.indexOf(line);
    EXPECT_GT(at, previous) << line;
    previous = at;
    EXPECT_TRUE(log.has(kError, line)) << line;
  }
  // Whatever was created was released again at once.
  const Lines lines = runtime.lines();
  EXPECT_EQ(countOf(lines, "Factory.CreateContext") - (std::string(c.name) == "ContextFails" ? 1 : 0),
            countOf(lines, "Context.Destroy"));
  EXPECT_EQ(countOf(lines, "Component.Init format=3 size=1280x720"), countOf(lines, "Component.Destroy"));
}

const std::string kInitError = "AMF ENCODER ERROR: Failed to init 1280x720 (error ";

INSTANTIATE_TEST_SUITE_P(
    Cases, AmfFailureTest,
    ::testing::Values(
        FailureCase{"RuntimeMissing", "", "",
                    {"Failed to load amfrt64.dll - AMD drivers may not be installed", "Failed to load AMF library"}},
        FailureCase{"VersionTooOld", "VERSION", "0001000400000000",
                    {"AMFInit failed: 10", "Failed to load AMF library"}},
        FailureCase{"InitFails", "FAIL", "AMFInit=1", {"AMFInit failed: 1", "Failed to load AMF library"}},
        FailureCase{"ContextFails", "FAIL", "Factory.CreateContext=6",
                    {"Failed to create AMF context: 6", "Failed to load AMF library"}},
        FailureCase{"NoDevice", "FAIL", "Context.InitDX11=17",
                    {"Failed to init AMF context with D3D11: 17", "Failed to load AMF library"}},
        FailureCase{"ComponentFails", "FAIL", "Factory.CreateComponent=10",
                    {"Failed to create AMF encoder component: 10", "Failed to create AMF encoder"}},
        FailureCase{"InitOutOfRange", "FAIL", "Component.Init=5",
                    {kInitError + "5). Resolution may be too small (min ~64x64) or too large", "Failed to create AMF encoder"}},
        FailureCase{"InitOutOfMemory", "FAIL", "Component.Init=6",
                    {kInitError + "6). GPU memory exhausted - close other apps using GPU", "Failed to create AMF encoder"}},
        FailureCase{"InitNotSupported", "FAIL", "Component.Init=10",
                    {kInitError + "10). This resolution/format not supported by GPU", "Failed to create AMF encoder"}},
        FailureCase{"InitNotInitialized", "FAIL", "Component.Init=13",
                    {kInitError + "13). AMF library not properly initialized - reinstall AMD drivers",
                     "Failed to create AMF encoder"}},
        FailureCase{"InitOther", "FAIL", "Component.Init=1",
                    {kInitError + "1). Try updating AMD drivers", "Failed to create AMF encoder"}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace parvalon::host
